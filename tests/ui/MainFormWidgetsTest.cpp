// The main form's widgets driven as a user drives them: typing into boxes and
// leaving them, picking list entries, pressing buttons.
#include "WindowFixture.h"
#include "forms/MainFormControls.h"
#include "ui/FormButtons.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <functional>

using wexa::forms::FormField;
using wexa::forms::MessageIcon;
using wexa::ui::testing::Window;
using F = FormField;

Q_DECLARE_METATYPE(wexa::forms::FormField)

class MainFormWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void everyFieldHasANamedControl();
    void refusedValueShowsItsMessageSubstituteAndFocus_data();
    void refusedValueShowsItsMessageSubstituteAndFocus();
    void textThatIsNotANumberIsRefusedAndTheValueKept();
    void focusChangesDuringTheMessageRunNoSecondCheck();
    void acceptedValueRecomputesDependentBoxes();
    void everyWayOfLeavingABoxChecksIt_data();
    void everyWayOfLeavingABoxChecksIt();
    void nextAlternativeCyclesThroughTheAlternatives();
    void deterministicHidesAndGreysTheDrawnInputs();
    void excludingUserCostsHidesTheWorkZoneInputs();
    void terrainSetsTheTruckFactorAndCapacities();
    void workZoneButtonStopsAtTheFirstFailedCheck();
    void trafficTypeSetsTheHourlyTableAfterItsNotice();
    void copyAnotherWorkActivityCopiesThenChecksTheWorkZone();
    void tabVisitsEveryInputTheUserSeesOnceInReadingOrder_data();
    void tabVisitsEveryInputTheUserSeesOnceInReadingOrder();
    void readOnlyBoxesLookReadOnlyAndTakeNoTabStop();
    void captionsKeepTheirColumnsWhateverTheKind();
    void switchingTheAnalysisTypeAsksAndNoKeepsTheSchedule();
};

namespace {

// The group of the form a control sits in: its outermost group box.
QString GroupOf(const QWidget* control) {
    QString title;
    for (const QWidget* up = control; up != nullptr; up = up->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(up)) {
            title = group->title();
        }
    }
    return title;
}

bool IsReadOnlyBox(const QWidget* control) {
    const auto* box = qobject_cast<const QLineEdit*>(control);
    return box != nullptr && box->isReadOnly();
}

// What Tab must reach: everything the user can see, use and type into; of a
// radio pair, the checked button.
bool IsInput(const QWidget* control) {
    if (!control->isVisible() || !control->isEnabled() ||
        (control->focusPolicy() & Qt::TabFocus) == 0 || IsReadOnlyBox(control)) {
        return false;
    }
    const auto* radio = qobject_cast<const QRadioButton*>(control);
    return radio == nullptr || radio->isChecked();
}

} // namespace

void MainFormWidgetsTest::everyFieldHasANamedControl() {
    Window w;
    for (const auto& info : wexa::forms::FormFields()) {
        QWidget* control = w.View().Control(info.Name);
        QVERIFY2(control != nullptr, info.Name.data());
        QCOMPARE(control->objectName(), QString::fromUtf8(info.Name));
        // Shift+F1 on anything the user edits pops up a note.
        QVERIFY2(!info.UserEditable || !control->whatsThis().isEmpty(), info.Name.data());
    }
    for (std::string_view button : {wexa::forms::MainFormControl::WorkZoneTimingButton,
                                    wexa::forms::MainFormControl::TimeRelatedCostsButton,
                                    wexa::forms::MainFormControl::TrafficDistributionButton,
                                    wexa::forms::MainFormControl::AddedTimeCostsButton,
                                    wexa::forms::MainFormControl::DelayCostRatesButton}) {
        QVERIFY2(w.View().Control(button) != nullptr, button.data());
    }
}

void MainFormWidgetsTest::refusedValueShowsItsMessageSubstituteAndFocus_data() {
    QTest::addColumn<FormField>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("substitute");
    QTest::newRow("speed not a multiple of 5") << F::PostedSpeedLimit << "57"
                                               << "The speed limit must be in increments of 5 mph."
                                               << "Speed Limit Error"
                                               << "5";
    QTest::newRow("speed above range") << F::PostedSpeedLimit << "85"
                                       << "The speed limit must be between 5 mph and 80 mph."
                                       << "Speed Limit Error"
                                       << "5";
    QTest::newRow("work zone length zero") << F::WorkZoneLength << "0"
                                           << "The work zone length must be greater than zero miles"
                                           << "Work Zone Length Error"
                                           << "1";
    QTest::newRow("alternatives above four") << F::NumberOfAlternatives << "5"
                                             << "You may only analyze 1 to 4 design alternatives."
                                             << "Number of Alternatives Error"
                                             << "1";
    QTest::newRow("required time variability")
        << F::RequiredTimeVariability << "100.5"
        << "The variability must not be negative or greater than 100"
        << "Required Time Variability Error"
        << "0";
    QTest::newRow("truck equivalency")
        << F::TruckEquivalencyFactor << "0.5"
        << "The truck equivalency factor must be be greater\nthan or equal to 1.0.  Please Adjust."
        << "Truck Equivalency Factor Error"
        << "1";
}

void MainFormWidgetsTest::refusedValueShowsItsMessageSubstituteAndFocus() {
    QFETCH(FormField, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(QString, substitute);
    Window w;
    QVERIFY(w.Active);
    w.Enter(box, typed);
    const auto shown = w.Prompts().TakeMessage(caption);
    QCOMPARE(shown.Text, message);
    QCOMPARE(shown.Icon, MessageIcon::Exclamation);
    QCOMPARE(w.Text(box), substitute);
    QCOMPARE(QApplication::focusWidget(), w.Box(box));
    // Selected, so the correction is typed over it.
    QCOMPARE(w.Box(box)->selectedText(), substitute);
}

void MainFormWidgetsTest::textThatIsNotANumberIsRefusedAndTheValueKept() {
    Window w;
    QVERIFY(w.Active);
    const QString before = w.Text(F::ProjectLength);
    w.Enter(F::ProjectLength, QStringLiteral("12abc"));
    QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Wexa")).Text,
             QStringLiteral("Please enter a number."));
    QCOMPARE(w.Text(F::ProjectLength), before);
    QCOMPARE(QApplication::focusWidget(), w.Box(F::ProjectLength));
}

// A real message box takes the focus while it is open and the check gives it
// back to the refused box afterwards; those moves must not run the checks of
// the boxes they pass through, or one refusal would cascade into more.
void MainFormWidgetsTest::focusChangesDuringTheMessageRunNoSecondCheck() {
    Window w;
    QVERIFY(w.Active);
    w.Type(F::PostedSpeedLimit, QStringLiteral("57"));
    w.Prompts().WhileMessageShown = [&w] {
        // A value the analysis period's check would refuse if it ran.
        w.Box(F::AnalysisPeriod)->setFocus(Qt::OtherFocusReason);
        w.Box(F::AnalysisPeriod)->setText(QStringLiteral("0"));
        w.Box(F::WorkZoneLength)->setFocus(Qt::OtherFocusReason);
    };
    w.LeaveFocus();
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Speed Limit Error")});
    QCOMPARE(QApplication::focusWidget(), w.Box(F::PostedSpeedLimit));
}

void MainFormWidgetsTest::acceptedValueRecomputesDependentBoxes() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::TruckEquivalencyFactor, QStringLiteral("1.5"));
    w.Enter(F::NumberOfLanes, QStringLiteral("1"));
    w.Enter(F::MaxServiceFlowRate, QStringLiteral("2200"));
    w.Enter(F::PercentTrucks, QStringLiteral("20"));
    QCOMPARE(w.Text(F::HeavyVehicleFactor), QStringLiteral("0.909090909090909"));
    QCOMPARE(w.Text(F::ServiceFlowRate), QStringLiteral("2000"));
    w.Enter(F::BaseYearAADT, QStringLiteral("250000"));
    QCOMPARE(w.Text(F::MaximumAADT), QStringLiteral("250000"));
}

// However the box is left, by Tab, a click elsewhere, a button or a command
// that takes no focus (the menu, the toolbar), a refused value shows its
// message before the substitute is taken.
void MainFormWidgetsTest::everyWayOfLeavingABoxChecksIt_data() {
    QTest::addColumn<std::function<void(Window&)>>("leave");
    QTest::newRow("Tab") << std::function<void(Window&)>(
        [](Window& w) { QTest::keyClick(w.Box(F::NumberOfAlternatives), Qt::Key_Tab); });
    QTest::newRow("click on another box") << std::function<void(Window&)>(
        [](Window& w) { QTest::mouseClick(w.Box(F::ProjectNumber), Qt::LeftButton); });
    QTest::newRow("a button") << std::function<void(Window&)>(
        [](Window& w) { w.Click(wexa::ui::FormButton::NextWorkActivity); });
    // The message comes before the question whether to save what was typed.
    QTest::newRow("File > New") << std::function<void(Window&)>([](Window& w) {
        w.Frame().Actions().New->trigger();
        w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    });
    QTest::newRow("File > Save") << std::function<void(Window&)>([](Window& w) {
        w.Prompts().SaveAsAnswer = w.Path(QStringLiteral("saved.wxa"));
        w.Frame().Actions().Save->trigger();
    });
}

void MainFormWidgetsTest::everyWayOfLeavingABoxChecksIt() {
    QFETCH(std::function<void(Window&)>, leave);
    Window w;
    QVERIFY(w.Active);
    w.Type(F::NumberOfAlternatives, QStringLiteral("5"));
    leave(w);
    QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Number of Alternatives Error")).Text,
             QStringLiteral("You may only analyze 1 to 4 design alternatives."));
    QCOMPARE(w.GetProject().NumberOfAlternatives, 1);
    QCOMPARE(w.Text(F::NumberOfAlternatives), QStringLiteral("1"));
}

void MainFormWidgetsTest::nextAlternativeCyclesThroughTheAlternatives() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::NumberOfAlternatives, QStringLiteral("3"));
    w.Enter(F::AlternativeDescription, QStringLiteral("Asphalt overlay"));
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        w.Click(wexa::ui::FormButton::NextAlternative);
        shown << w.Text(F::CurrentAlternative) + "/" + w.Text(F::ActivityAlternative) + "/" +
                     w.Text(F::CurrentActivity);
    }
    QCOMPARE(shown, (QStringList{"2/2/1", "3/3/1", "1/1/1", "2/2/1"}));
    w.Click(wexa::ui::FormButton::NextAlternative);
    w.Click(wexa::ui::FormButton::NextAlternative);
    QCOMPARE(w.Text(F::AlternativeDescription), QStringLiteral("Asphalt overlay"));
}

void MainFormWidgetsTest::deterministicHidesAndGreysTheDrawnInputs() {
    Window w;
    QVERIFY(w.Active);
    QTest::mouseClick(w.View().findChild<QWidget*>("AnalysisType1"), Qt::LeftButton);
    w.Prompts().TakeQuestion(QStringLiteral("Type of Analysis"));
    QCOMPARE(w.GetProject().AnalysisType, 1);
    QVERIFY(w.Box(F::YearsToNextMin)->isHidden());
    QVERIFY(w.Box(F::YearsToNextMax)->isHidden());
    QVERIFY(!w.Box(F::YearsToNextExpected)->isHidden());
    QVERIFY(w.Box(F::DiscountRateMin)->isHidden());
    QCOMPARE(w.View().findChild<QLabel*>("YearsToNextCaptions[1]")->text(), QString());
    QVERIFY(!w.View().Control("DiscountRateKind")->isEnabled());
    QVERIFY(!w.Box(F::AgencyCostVariability)->isEnabled());
    QCOMPARE(w.Text(F::AgencyCostVariability), QStringLiteral("0"));

    QTest::mouseClick(w.View().findChild<QWidget*>("AnalysisType0"), Qt::LeftButton);
    w.Prompts().TakeQuestion(QStringLiteral("Type of Analysis"));
    QCOMPARE(w.GetProject().AnalysisType, 0);
    QVERIFY(!w.Box(F::YearsToNextMin)->isHidden());
    QCOMPARE(w.View().findChild<QLabel*>("DiscountRateCaptions[1]")->text(),
             QStringLiteral("Mean"));
    QCOMPARE(w.Text(F::DiscountRateMin) + " " + w.Text(F::DiscountRateMax), QStringLiteral("2 6"));
    QVERIFY(w.View().Control("DiscountRateKind")->isEnabled());
}

void MainFormWidgetsTest::excludingUserCostsHidesTheWorkZoneInputs() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::NumberOfActivities, QStringLiteral("2"));
    w.Pick(F::ActivityUserCostMode, 1);
    namespace control = wexa::forms::MainFormControl;
    QVERIFY(w.Box(F::WorkZoneLength)->isHidden());
    QVERIFY(w.Box(F::RequiredTime)->isHidden());
    QVERIFY(w.Find(control::WorkZoneTimingButton)->isHidden());
    QVERIFY(w.Find(control::TimeRelatedCostsButton)->isHidden());
    w.Click(wexa::ui::FormButton::NextWorkActivity);
    QCOMPARE(w.Text(F::CurrentActivity), QStringLiteral("2"));
    QVERIFY(!w.Box(F::WorkZoneLength)->isHidden());
    QVERIFY(!w.Find(control::WorkZoneTimingButton)->isHidden());
}

void MainFormWidgetsTest::terrainSetsTheTruckFactorAndCapacities() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::PercentTrucks, QStringLiteral("10"));
    w.Pick(F::Terrain, 2);
    QCOMPARE(w.Text(F::TruckEquivalencyFactor), QStringLiteral("6"));
    QCOMPARE(w.Text(F::HeavyVehicleFactor), QStringLiteral("0.666666666666667"));
}

void MainFormWidgetsTest::workZoneButtonStopsAtTheFirstFailedCheck() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::PercentTrucks, QStringLiteral("10"));
    w.Enter(F::PercentSUTrucks, QStringLiteral("4.9"));
    w.Enter(F::PercentCUTrucks, QStringLiteral("5"));
    w.Click(wexa::forms::MainFormControl::WorkZoneTimingButton);
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Traffic Distribution Error")});
    QCOMPARE(QApplication::focusWidget(), w.Box(F::PercentTrucks));
}

void MainFormWidgetsTest::trafficTypeSetsTheHourlyTableAfterItsNotice() {
    Window w;
    QVERIFY(w.Active);
    w.Pick(F::TrafficType, 1);
    QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Traffic Type: Urban")).Icon,
             MessageIcon::Information);
    QVERIFY(w.GetProject().HourlyAADTPercent == w.GetProject().UrbanAADTPercent);
    // "Specific" says the distribution window opens, and opens it; closed
    // without OK, it leaves the table as it was.
    w.Prompts().Clear();
    w.Pick(F::TrafficType, 2);
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Traffic Type: Specific")});
    QCOMPARE(w.Prompts().Dialogs,
             QStringList{QStringLiteral("Hourly Traffic Distributions and Directional Split")});
    QVERIFY(w.GetProject().HourlyAADTPercent == w.GetProject().UrbanAADTPercent);
}

void MainFormWidgetsTest::copyAnotherWorkActivityCopiesThenChecksTheWorkZone() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::ActivityDescription, QStringLiteral("Overlay"));
    w.Enter(F::WorkZoneLength, QStringLiteral("0.75"));
    w.Enter(F::NumberOfActivities, QStringLiteral("2"));
    w.Click(wexa::ui::FormButton::NextWorkActivity);
    w.Enter(F::PercentSUTrucks, QStringLiteral("4"));
    w.Prompts().Clear();
    w.Click(wexa::ui::FormButton::CopyWorkActivity);
    // The copy, its notice, then the first failed check before the work
    // zone dialog, with the focus on its box.
    QCOMPARE(w.Text(F::ActivityDescription), QStringLiteral("Overlay"));
    QCOMPARE(w.Text(F::WorkZoneLength), QStringLiteral("0.75"));
    QCOMPARE(w.Text(F::CurrentActivity), QStringLiteral("2"));
    QCOMPARE(w.Prompts().TakeCaptions(),
             (QStringList{QStringLiteral("Copy Work Activity"),
                          QStringLiteral("Traffic Distribution Error")}));
    QCOMPARE(QApplication::focusWidget(), w.Box(F::PercentTrucks));
}

void MainFormWidgetsTest::tabVisitsEveryInputTheUserSeesOnceInReadingOrder_data() {
    QTest::addColumn<bool>("deterministic");
    QTest::addColumn<bool>("excluded");
    QTest::newRow("probabilistic") << false << false;
    QTest::newRow("deterministic") << true << false;
    QTest::newRow("activity excludes user costs") << false << true;
}

// The window opens with the focus in the form's first box; from there Tab
// goes down the left column, then the right one, group by group, and never
// stops where the user sees nothing to do: on a hidden box, a read-only one
// or the scroll area itself.
void MainFormWidgetsTest::tabVisitsEveryInputTheUserSeesOnceInReadingOrder() {
    QFETCH(bool, deterministic);
    QFETCH(bool, excluded);
    Window w;
    QVERIFY(w.Active);
    QCOMPARE(QApplication::focusWidget(), w.Box(F::ProjectNumber));
    if (deterministic) {
        QTest::mouseClick(w.View().findChild<QWidget*>("AnalysisType1"), Qt::LeftButton);
        w.Prompts().TakeQuestion(QStringLiteral("Type of Analysis"));
        QVERIFY(w.Box(F::YearsToNextMin)->isHidden());
    }
    if (excluded) {
        w.Pick(F::ActivityUserCostMode, 1);
        QVERIFY(w.Box(F::WorkZoneLength)->isHidden());
    }
    w.Box(F::ProjectNumber)->setFocus(Qt::TabFocusReason);

    const QList<QWidget*> stops = wexa::ui::testing::TabStops();
    QWidget* form = w.View().widget();
    QStringList groups;
    for (QWidget* stop : stops) {
        QVERIFY2(form->isAncestorOf(stop), qPrintable(stop->objectName()));
        QVERIFY2(IsInput(stop), qPrintable(stop->objectName()));
        if (groups.isEmpty() || groups.last() != GroupOf(stop)) {
            groups << GroupOf(stop);
        }
    }
    QCOMPARE(groups, (QStringList{"General Project Inputs", "Traffic  && Roadway Capacity Inputs",
                                  "Alternative Specific Information",
                                  "Initial Construction/Rehabilitation/ Maintenance Inputs",
                                  "Execute Analysis"}));
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (IsInput(control)) {
            QVERIFY2(stops.count(control) == 1, qPrintable(control->objectName()));
        }
    }
}

void MainFormWidgetsTest::readOnlyBoxesLookReadOnlyAndTakeNoTabStop() {
    Window w;
    QVERIFY(w.Active);
    const QList<F> readOnly = {F::CurrentAlternative, F::ActivityAlternative, F::CurrentActivity,
                               F::ActivityYear,       F::HeavyVehicleFactor,  F::ServiceFlowRate};
    QStringList names;
    for (const F field : readOnly) {
        names << QString::fromUtf8(wexa::forms::NameOf(field));
    }
    wexa::ui::testing::VerifyReadOnlyBoxes(*w.View().widget(), names);
    // Those are all the read-only boxes the user sees.
    int seen = 0;
    for (const QLineEdit* box : w.View().widget()->findChildren<QLineEdit*>()) {
        seen += box->isReadOnly() && box->isVisible() ? 1 : 0;
    }
    QCOMPARE(seen, static_cast<int>(readOnly.size()));
}

// "Most Likely" is wider than its box: its column is as wide for every kind,
// so no caption runs into the next and no box moves when the kind changes.
void MainFormWidgetsTest::captionsKeepTheirColumnsWhateverTheKind() {
    Window w;
    QVERIFY(w.Active);
    struct Distribution {
        F List;
        QString Captions;
        std::array<F, 3> Boxes;
    };
    const Distribution distributions[] = {
        {F::YearsToNextKind,
         "YearsToNextCaptions",
         {F::YearsToNextMin, F::YearsToNextExpected, F::YearsToNextMax}},
        {F::DiscountRateKind,
         "DiscountRateCaptions",
         {F::DiscountRateMin, F::DiscountRateMean, F::DiscountRateMax}},
        {F::TrafficGrowthKind,
         "TrafficGrowthCaptions",
         {F::TrafficGrowthMin, F::TrafficGrowthMean, F::TrafficGrowthMax}}};
    for (const Distribution& d : distributions) {
        QList<int> firstPlaces;
        for (const int kind : {0, 1, 2, 3, 4, 0}) {
            w.Pick(d.List, kind);
            QApplication::processEvents();
            QList<int> places;
            for (int i = 0; i < 3; ++i) {
                const auto* caption =
                    w.View().findChild<QLabel*>(d.Captions + QStringLiteral("[%1]").arg(i));
                const int textWidth = caption->fontMetrics().horizontalAdvance(caption->text());
                QVERIFY(textWidth <= caption->width());
                if (i < 2) {
                    // A gap the eye sees between one caption and the next.
                    const auto* next =
                        w.View().findChild<QLabel*>(d.Captions + QStringLiteral("[%1]").arg(i + 1));
                    QVERIFY2(caption->x() + textWidth + 6 <= next->x(),
                             qPrintable(caption->text()));
                }
                places << caption->x() << w.Box(d.Boxes[i])->x();
            }
            if (firstPlaces.isEmpty()) {
                firstPlaces = places;
            }
            QCOMPARE(places, firstPlaces);
        }
    }
}

void MainFormWidgetsTest::switchingTheAnalysisTypeAsksAndNoKeepsTheSchedule() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::YearsToNextExpected, QStringLiteral("12"));
    w.Enter(F::AgencyCostVariability, QStringLiteral("15"));
    w.Prompts().YesAnswer = false;
    QTest::mouseClick(w.View().findChild<QWidget*>("AnalysisType1"), Qt::LeftButton);
    QVERIFY(w.Prompts()
                .TakeQuestion(QStringLiteral("Type of Analysis"))
                .Text.contains(QStringLiteral("clears")));
    QCOMPARE(w.GetProject().AnalysisType, 0);
    QVERIFY(w.View().findChild<QRadioButton*>("AnalysisType0")->isChecked());
    QCOMPARE(w.Text(F::YearsToNextExpected), QStringLiteral("12"));
    QCOMPARE(w.Text(F::AgencyCostVariability), QStringLiteral("15"));
    QCOMPARE(w.GetProject().ActivityYearsExpected[0], 12);
    QVERIFY(!w.Box(F::YearsToNextMin)->isHidden());
    QVERIFY(w.View().Control("YearsToNextKind")->isEnabled());
}

QTEST_MAIN(MainFormWidgetsTest)
#include "MainFormWidgetsTest.moc"
