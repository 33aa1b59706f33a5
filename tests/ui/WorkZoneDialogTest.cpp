// "Work Zone User Costs" opened from the main form and driven as a user
// drives it; its figures compared with the command line's for the same
// activity.
#include "WindowFixture.h"
#include "forms/MainFormControls.h"
#include "model/ProjectFile.h"
#include "ui/ChartAdapter.h"
#include "ui/FormButtons.h"
#include "ui/QueueGraphDialog.h"

#include <QApplication>
#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <vector>

using wexa::forms::FormField;
using wexa::forms::MessageIcon;
using wexa::ui::testing::ActInDialog;
using wexa::ui::testing::BoxOf;
using wexa::ui::testing::EnterIn;
using wexa::ui::testing::PressButton;
using wexa::ui::testing::TypeInto;
using wexa::ui::testing::Window;

namespace {

constexpr int kComponents = 7;

double Number(QDialog& dialog, const QString& name) {
    bool ok = false;
    const double value = BoxOf(dialog, name)->text().toDouble(&ok);
    if (!ok) {
        qWarning("box %s shows \"%s\"", qPrintable(name), qPrintable(BoxOf(dialog, name)->text()));
    }
    return ok ? value : -99;
}

// Each figure compared with the command line: its box, the key of the
// command line's JSON and, in the per-component arrays, the index.
struct Figure {
    QString Box;
    QString Key;
    int Index = -1;
};

QList<Figure> ComparedFigures() {
    QList<Figure> figures{{QStringLiteral("Aadt"), QStringLiteral("aadt")},
                          {QStringLiteral("Days"), QStringLiteral("days")},
                          {QStringLiteral("StartHour"), QStringLiteral("startHour")},
                          {QStringLiteral("StopHour"), QStringLiteral("stopHour")},
                          {QStringLiteral("Total"), QStringLiteral("total")},
                          {QStringLiteral("TotalPercent"), QStringLiteral("totalPercentage")}};
    for (int row = 0; row < kComponents; ++row) {
        figures.append({QStringLiteral("Cost[%1]").arg(row), QStringLiteral("components"), row});
        figures.append(
            {QStringLiteral("Percent[%1]").arg(row), QStringLiteral("percentages"), row});
    }
    return figures;
}

// What the dialog shows, by box.
using Figures = QMap<QString, QString>;

Figures Shown(QDialog& d) {
    Figures shown;
    for (const Figure& f : ComparedFigures()) {
        shown[f.Box] = BoxOf(d, f.Box)->text();
    }
    return shown;
}

// The boxes show 15 significant digits; so must the command line's numbers.
void CompareWithCli(const Figures& shown, const QJsonObject& json) {
    for (const Figure& f : ComparedFigures()) {
        const QJsonValue value = f.Index < 0 ? json[f.Key] : json[f.Key].toArray().at(f.Index);
        QVERIFY2(value.isDouble(), qPrintable(f.Key));
        const QString cli = QString::number(value.toDouble(), 'g', 15);
        QVERIFY2(shown[f.Box] == cli,
                 qPrintable(QStringLiteral("%1 shows %2, the command line says %3")
                                .arg(f.Box, shown[f.Box], cli)));
    }
}

// `wexa-cli workzone FILE --alternative 1 --activity 3 --json [more]`.
QJsonObject WorkZoneFromCli(const QString& project, const QStringList& more = {}) {
    QProcess cli;
    cli.start(QStringLiteral(WEXA_CLI_PATH),
              QStringList{QStringLiteral("workzone"), project, QStringLiteral("--alternative"),
                          QStringLiteral("1"), QStringLiteral("--activity"), QStringLiteral("3"),
                          QStringLiteral("--json")} +
                  more);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) {
        qWarning("wexa-cli: %s", cli.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

// The urban freeway example at alternative 1, activity 3: a six-hour daytime
// closure whose queue reaches hours past the closure.
void OpenQueueingActivity(Window& w) {
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    QVERIFY(w.Doc().Open());
    w.Click(wexa::ui::FormButton::NextWorkActivity);
    w.Click(wexa::ui::FormButton::NextWorkActivity);
    QCOMPARE(w.Text(FormField::CurrentActivity), QStringLiteral("3"));
    w.Prompts().Clear();
}

void InWorkZoneDialog(Window& w, std::function<void(QDialog&)> act) {
    ActInDialog(w, wexa::forms::MainFormControl::WorkZoneTimingButton, std::move(act));
}

} // namespace

class WorkZoneDialogTest : public QObject {
    Q_OBJECT
private slots:
    void figuresEqualTheCommandLinesForTheSameTiming();
    void refusedStartHourIsReplacedAndTheFocusReturns();
    void enterRunsTheBoxCheckAndKeepsTheDialogOpen();
    void cancelLeavesTheProjectUntouched();
    void gridlockShowsMinusOneAndOkStoresIt();
    void figuresThatCannotBeRepresentedAreRefusedAndNothingIsStored();
    void copyAnotherWorkActivityEndsInTheDialog();
    void f1OpensItsSectionAndEveryInputHasANote();
    void readOnlyBoxesTakeNoTabStopAndEveryBoxShowsItsWidestValue();
};

void WorkZoneDialogTest::figuresEqualTheCommandLinesForTheSameTiming() {
    Window w;
    QVERIFY(w.Active);
    OpenQueueingActivity(w);
    // Saved first, so that only the dialog's OK can mark it modified.
    const QString saved = w.Path(QStringLiteral("urban.wxa"));
    w.Prompts().SaveAsAnswer = saved;
    QVERIFY(w.Doc().SaveAs());
    QVERIFY(!w.Doc().IsModified());
    const int slot = wexa::ActivitySlot(1, 3);
    Figures calculated;
    // The lines of the queue graph, inbound then outbound.
    std::vector<wexa::forms::ChartSeries> graphed;
    InWorkZoneDialog(w, [&](QDialog& d) {
        // "Graph Queue Length" opens its dialog from inside this one.
        if (auto* graph = qobject_cast<wexa::ui::CQueueGraphDialog*>(&d)) {
            graphed = graph->Chart().Content().Series;
            return;
        }
        QCOMPARE(d.windowTitle(), QStringLiteral("Work Zone User Costs"));
        QCOMPARE(BoxOf(d, QStringLiteral("StartHour"))->text(), QStringLiteral("9"));
        const double openedTotal = Number(d, QStringLiteral("Total"));
        EnterIn(d, "StartHour", QStringLiteral("11"), "HoursInEffect");
        QCOMPARE(BoxOf(d, QStringLiteral("StopHour"))->text(), QStringLiteral("17"));
        // The new timing is priced only when asked for.
        QCOMPARE(Number(d, QStringLiteral("Total")), openedTotal);
        PressButton(d, QStringLiteral("Calculate Costs"));
        calculated = Shown(d);
        QVERIFY(calculated["Total"].toDouble() != openedTotal);
        QVERIFY(calculated["Cost[6]"].toDouble() > 0); // the closure queues
        PressButton(d, QStringLiteral("Graph Queue Length"));
        PressButton(d, QStringLiteral("OK"));
    });
    QCOMPARE(w.Prompts().Dialogs, (QStringList{QStringLiteral("Work Zone User Costs"),
                                               QStringLiteral("Queue Length Graph")}));
    const wexa::Project& p = w.GetProject();
    QCOMPARE(p.ActivityStartHour[slot], 11);
    QCOMPARE(p.ActivityStopHour[slot], 17);
    QCOMPARE(QString::number(p.ActivityWorkZoneUserCost[slot], 'g', 15), calculated["Total"]);
    QCOMPARE(QString::number(p.ActivityDaysToComplete[slot]), calculated["Days"]);
    QVERIFY(w.Doc().IsModified());
    QCOMPARE(w.Text(FormField::CurrentActivity), QStringLiteral("3"));

    // The command line prices the timing the window stored.
    QVERIFY(w.Doc().SaveAs());
    const QJsonObject timed = WorkZoneFromCli(saved);
    QVERIFY(!timed.isEmpty());
    CompareWithCli(calculated, timed);
    QVERIFY(p.ActivityWorkZoneUserCost[slot] == timed[QStringLiteral("total")].toDouble());
    const QString lengths[] = {QStringLiteral("inboundQueueLength"),
                               QStringLiteral("outboundQueueLength")};
    bool queued = false;
    QCOMPARE(graphed.size(), 2u);
    for (int s = 0; s < 2; ++s) {
        const QJsonArray miles = timed[lengths[s]].toArray();
        QCOMPARE(graphed[s].Points.size(), 24u);
        for (int hour = 0; hour < 24; ++hour) {
            QCOMPARE(graphed[s].Points[hour].Y, miles.at(hour).toDouble(-1));
            queued = queued || miles.at(hour).toDouble() > 0;
        }
    }
    QVERIFY(queued);

    // The search, then Cancel: the stored timing stays.
    Figures optimum;
    InWorkZoneDialog(w, [&](QDialog& d) {
        QCOMPARE(BoxOf(d, QStringLiteral("StartHour"))->text(), QStringLiteral("11"));
        PressButton(d, QStringLiteral("Find Optimum"));
        optimum = Shown(d);
        PressButton(d, QStringLiteral("Cancel"));
    });
    QVERIFY(optimum["Total"].toDouble() < calculated["Total"].toDouble());
    const QJsonObject searched = WorkZoneFromCli(saved, {QStringLiteral("--find-optimum")});
    QVERIFY(!searched.isEmpty());
    CompareWithCli(optimum, searched);
    QCOMPARE(p.ActivityStartHour[slot], 11);
    QCOMPARE(QString::number(p.ActivityWorkZoneUserCost[slot], 'g', 15), calculated["Total"]);
}

void WorkZoneDialogTest::refusedStartHourIsReplacedAndTheFocusReturns() {
    Window w;
    QVERIFY(w.Active);
    OpenQueueingActivity(w);
    InWorkZoneDialog(w, [&w](QDialog& d) {
        QLineEdit* start = BoxOf(d, QStringLiteral("StartHour"));
        EnterIn(d, "StartHour", QStringLiteral("30"), "HoursInEffect");
        const auto shown = w.Prompts().TakeMessage(QStringLiteral("Start Time Error"));
        QCOMPARE(shown.Text,
                 QStringLiteral("The start hour must be between 0 and 23 hours, inclusive"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(start->text(), QStringLiteral("0"));
        QCOMPARE(BoxOf(d, QStringLiteral("StopHour"))->text(), QStringLiteral("6"));
        QCOMPARE(QApplication::focusWidget(), start);

        // Text that is no hour at all keeps the last accepted one.
        w.Prompts().Clear();
        EnterIn(d, "StartHour", QStringLiteral("ten"), "HoursInEffect");
        QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Wexa")).Text,
                 QStringLiteral("Please enter an integer."));
        QCOMPARE(start->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), start);

        // The mobilization box's own check.
        w.Prompts().Clear();
        EnterIn(d, "MobilizationHours", QStringLiteral("6"), "StartHour");
        QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Timing Error")});
        QCOMPARE(BoxOf(d, QStringLiteral("MobilizationHours"))->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), BoxOf(d, QStringLiteral("MobilizationHours")));
        PressButton(d, QStringLiteral("Cancel"));
    });
}

void WorkZoneDialogTest::enterRunsTheBoxCheckAndKeepsTheDialogOpen() {
    Window w;
    QVERIFY(w.Active);
    OpenQueueingActivity(w);
    InWorkZoneDialog(w, [&w](QDialog& d) {
        for (QPushButton* button : d.findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault(), qPrintable(button->text()));
        }
        QLineEdit* hours = BoxOf(d, QStringLiteral("HoursInEffect"));
        TypeInto(*hours, QStringLiteral("8"));
        QTest::keyClick(hours, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QCOMPARE(BoxOf(d, QStringLiteral("StopHour"))->text(), QStringLiteral("17"));
        TypeInto(*hours, QStringLiteral("0"));
        QTest::keyClick(hours, Qt::Key_Enter);
        QVERIFY(d.isVisible());
        QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Timing Error")});
        QCOMPARE(hours->text(), QStringLiteral("1"));
        // Enter in a share box, which has no check, does not close either.
        QLineEdit* inbound = BoxOf(d, QStringLiteral("InboundPercent"));
        TypeInto(*inbound, QStringLiteral("50"));
        QTest::keyClick(inbound, Qt::Key_Return);
        QVERIFY(d.isVisible());
        PressButton(d, QStringLiteral("Cancel"));
    });
}

void WorkZoneDialogTest::cancelLeavesTheProjectUntouched() {
    Window w;
    QVERIFY(w.Active);
    OpenQueueingActivity(w);
    w.Prompts().SaveAsAnswer = w.Path(QStringLiteral("urban.wxa"));
    QVERIFY(w.Doc().SaveAs());
    const std::vector<unsigned char> before = wexa::WriteProjectBytes(w.GetProject());
    InWorkZoneDialog(w, [](QDialog& d) {
        EnterIn(d, "StartHour", QStringLiteral("2"), "InboundPercent");
        EnterIn(d, "InboundPercent", QStringLiteral("40"), "StartHour");
        PressButton(d, QStringLiteral("Find Optimum"));
        PressButton(d, QStringLiteral("Cancel"));
    });
    QVERIFY(wexa::WriteProjectBytes(w.GetProject()) == before);
    QVERIFY(!w.Doc().IsModified());
}

void WorkZoneDialogTest::figuresThatCannotBeRepresentedAreRefusedAndNothingIsStored() {
    Window w;
    QVERIFY(w.Active);
    OpenQueueingActivity(w);
    // A delay rate so large that the queue's cost is no longer a number.
    w.GetProject().DelayRatePassengerCar = 1e305;
    w.Prompts().SaveAsAnswer = w.Path(QStringLiteral("urban.wxa"));
    QVERIFY(w.Doc().SaveAs());
    const std::vector<unsigned char> before = wexa::WriteProjectBytes(w.GetProject());
    w.Prompts().Clear();
    InWorkZoneDialog(w, [&w](QDialog& d) {
        QVERIFY(w.Prompts()
                    .TakeMessage(QStringLiteral("Project Data Error"))
                    .Text.contains(QStringLiteral("Alternative 1")));
        for (const QString& box : {QStringLiteral("Total"), QStringLiteral("Cost[0]")}) {
            QVERIFY2(BoxOf(d, box)->text().isEmpty(), qPrintable(box));
        }
        // OK cannot store what was refused: the dialog stays open.
        PressButton(d, QStringLiteral("OK"));
        w.Prompts().TakeMessage(QStringLiteral("Project Data Error"));
        QVERIFY(d.isVisible());
        PressButton(d, QStringLiteral("Cancel"));
    });
    QVERIFY(wexa::WriteProjectBytes(w.GetProject()) == before);
    QVERIFY(!w.Doc().IsModified());
}

void WorkZoneDialogTest::gridlockShowsMinusOneAndOkStoresIt() {
    Window w;
    QVERIFY(w.Active);
    // Far more traffic than two lanes carry in a day, with or without the
    // work zone.
    w.Enter(FormField::MaximumAADT, QStringLiteral("900000"));
    w.Enter(FormField::BaseYearAADT, QStringLiteral("800000"));
    w.Prompts().Clear();
    InWorkZoneDialog(w, [&w](QDialog& d) {
        // The message came as the dialog opened.
        const auto shown = w.Prompts().TakeMessage(QStringLiteral("Gridlock"));
        QCOMPARE(shown.Text,
                 QStringLiteral("The traffic demand and work zone\ntiming are creating a gridlock "
                                "problem.\n\nUnder current conditions,a 24-hour queue\nwill form "
                                "and never clear."));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), BoxOf(d, QStringLiteral("StartHour")));
        for (int row = 0; row < kComponents; ++row) {
            QCOMPARE(BoxOf(d, QStringLiteral("Cost[%1]").arg(row))->text(), QStringLiteral("-1"));
            QCOMPARE(BoxOf(d, QStringLiteral("Percent[%1]").arg(row))->text(),
                     QStringLiteral("-1"));
        }
        QCOMPARE(BoxOf(d, QStringLiteral("Total"))->text(), QStringLiteral("-1"));
        QCOMPARE(BoxOf(d, QStringLiteral("TotalPercent"))->text(), QStringLiteral("-1"));
        // Every start hour gridlocks too: the search ends on 23.
        w.Prompts().Clear();
        PressButton(d, QStringLiteral("Find Optimum"));
        QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Gridlock")});
        QCOMPARE(BoxOf(d, QStringLiteral("StartHour"))->text(), QStringLiteral("23"));
        PressButton(d, QStringLiteral("OK"));
    });
    const int slot = wexa::ActivitySlot(1, 1);
    QCOMPARE(w.GetProject().ActivityWorkZoneUserCost[slot], -1.0);
    QCOMPARE(w.GetProject().ActivityStartHour[slot], 23);
}

void WorkZoneDialogTest::copyAnotherWorkActivityEndsInTheDialog() {
    Window w;
    QVERIFY(w.Active);
    OpenQueueingActivity(w);
    // Activity 3 takes activity 1's night timing and then opens on it.
    w.Enter(FormField::CopyFromActivity, QStringLiteral("1"));
    QString start;
    ActInDialog(
        w, [&w] { w.Click(wexa::ui::FormButton::CopyWorkActivity); },
        [&start](QDialog& d) {
            QCOMPARE(BoxOf(d, QStringLiteral("Activity"))->text(), QStringLiteral("3"));
            start = BoxOf(d, QStringLiteral("StartHour"))->text();
            PressButton(d, QStringLiteral("OK"));
        });
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Copy Work Activity")});
    QCOMPARE(w.Prompts().Dialogs, QStringList{QStringLiteral("Work Zone User Costs")});
    const wexa::Project& p = w.GetProject();
    QCOMPARE(start, QString::number(p.ActivityStartHour[wexa::ActivitySlot(1, 1)]));
    QCOMPARE(p.ActivityStartHour[wexa::ActivitySlot(1, 3)], start.toInt());
    QVERIFY(p.ActivityWorkZoneUserCost[wexa::ActivitySlot(1, 3)] > 0);
}

void WorkZoneDialogTest::f1OpensItsSectionAndEveryInputHasANote() {
    Window w;
    QVERIFY(w.Active);
    InWorkZoneDialog(w, [&w](QDialog& d) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(w.Prompts().HelpSections, QStringList{QStringLiteral("work-zone")});
        for (const char* box : {"MobilizationHours", "StartHour", "HoursInEffect", "InboundPercent",
                                "OutboundPercent"}) {
            QVERIFY2(!BoxOf(d, QLatin1String(box))->whatsThis().isEmpty(), box);
        }
        for (QPushButton* button : d.findChildren<QPushButton*>()) {
            if (button->text() != QStringLiteral("Cancel")) {
                QVERIFY2(!button->whatsThis().isEmpty(), qPrintable(button->text()));
            }
        }
        d.reject();
    });
}

namespace {

// True when the box shows the whole of its text: scrolled to either end, the
// character at its other inner edge is the text's first or last.
bool ShowsWhole(QLineEdit& box) {
    const QRect inner = box.contentsRect().adjusted(3, 0, -3, 0);
    box.setCursorPosition(static_cast<int>(box.text().size()));
    box.repaint();
    const bool first = box.cursorPositionAt(QPoint(inner.left(), inner.center().y())) == 0;
    box.setCursorPosition(0);
    box.repaint();
    const bool last =
        box.cursorPositionAt(QPoint(inner.right(), inner.center().y())) == box.text().size();
    return first && last;
}

} // namespace

void WorkZoneDialogTest::readOnlyBoxesTakeNoTabStopAndEveryBoxShowsItsWidestValue() {
    Window w;
    QVERIFY(w.Active);
    InWorkZoneDialog(w, [](QDialog& d) {
        QStringList figures{QStringLiteral("Total"), QStringLiteral("TotalPercent")};
        for (int row = 0; row < kComponents; ++row) {
            figures << QStringLiteral("Cost[%1]").arg(row)
                    << QStringLiteral("Percent[%1]").arg(row);
        }
        const QStringList integers{"Year", "Aadt", "RequiredTime", "Days"};
        wexa::ui::testing::VerifyReadOnlyBoxes(
            d, QStringList{"Alternative", "Activity", "StopHour"} + integers + figures);

        // Tab goes round the dialog past every read-only box.
        BoxOf(d, QStringLiteral("StartHour"))->setFocus(Qt::TabFocusReason);
        const QList<QWidget*> stops = wexa::ui::testing::TabStops();
        QVERIFY(stops.size() >= 10);
        for (QWidget* stop : stops) {
            auto* box = qobject_cast<QLineEdit*>(stop);
            QVERIFY2(box == nullptr || !box->isReadOnly(), qPrintable(stop->objectName()));
        }

        // A year, AADT, time or day count may be any 32-bit integer; a
        // figure of the summary anything up to the 64-bit range; a share any
        // real.
        const auto showWidest = [&d](const QStringList& names, const char* widest) {
            for (const QString& name : names) {
                QLineEdit* box = BoxOf(d, name);
                box->setText(QLatin1String(widest));
                QVERIFY2(ShowsWhole(*box), qPrintable(name));
            }
        };
        showWidest(integers, "-2147483648");
        showWidest(figures, "-9.22337203685478e+18");
        showWidest({"InboundPercent", "OutboundPercent"}, "-1.23456789012345e-300");
        // A box too narrow is seen as such.
        QLineEdit* start = BoxOf(d, QStringLiteral("StartHour"));
        start->setText(QStringLiteral("-2147483648"));
        QVERIFY(!ShowsWhole(*start));
        d.reject();
    });
}

QTEST_MAIN(WorkZoneDialogTest)
#include "WorkZoneDialogTest.moc"
