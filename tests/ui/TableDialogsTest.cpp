// The hourly traffic distribution and the two cost-rate dialogs opened from
// the main form and driven as a user drives them.
#include "WindowFixture.h"
#include "forms/MainFormControls.h"
#include "model/CostTables.h"
#include "model/DistributionFile.h"
#include "model/ProjectFile.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <vector>

using wexa::forms::FormField;
using wexa::ui::testing::ActInDialog;
using wexa::ui::testing::BoxOf;
using wexa::ui::testing::EnterIn;
using wexa::ui::testing::PressButton;
using wexa::ui::testing::TypeInto;
using wexa::ui::testing::Window;
namespace control = wexa::forms::MainFormControl;

namespace {

const QString kDistributionTitle =
    QStringLiteral("Hourly Traffic Distributions and Directional Split");
const QString kAddedTimeTitle = QStringLiteral("Added Time, Vehicle Running and Idling Costs");
const QString kDelayRatesTitle = QStringLiteral("Delay Cost Rates");

QString TextOf(QDialog& dialog, const QString& name) {
    return BoxOf(dialog, name)->text();
}

std::vector<unsigned char> Saved(Window& w) {
    return wexa::WriteProjectBytes(w.GetProject());
}

} // namespace

class TableDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void distributionEditsGoToTheProjectOnOk();
    void distributionSumAndTheRefusedOk();
    void distributionSaveImportAndCancel();
    void specificTrafficTypeOpensTheDistribution();
    void addedTimeCostsEscalateAndGoToTheProjectOnOk();
    void cancelDropsResetsAndEscalations();
    void delayRatesRefuseAZeroReferenceCpi();
    void dialogsFitTheScreenWithoutCutText();
    void f1OpensEachDialogsSectionAndEveryBoxHasANote();
    void distributionReadOnlyBoxesTakeNoTabStop();
};

void TableDialogsTest::distributionEditsGoToTheProjectOnOk() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(
        w, [&] { w.Click(control::TrafficDistributionButton); },
        [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), kDistributionTitle);
            QCOMPARE(TextOf(d, "AADTPercent[0]"), QStringLiteral("1.8"));
            QVERIFY(BoxOf(d, "OutboundPercent[7]")->isReadOnly());
            EnterIn(d, "InboundPercent[7]", QStringLiteral("60"), "AADTPercent[0]");
            QCOMPARE(TextOf(d, "OutboundPercent[7]"), QStringLiteral("40"));
            EnterIn(d, "InboundPercent[20]", QStringLiteral("120"), "AADTPercent[0]");
            QCOMPARE(w.Prompts().TakeCaptions(),
                     QStringList{QStringLiteral("Percent Inbound Error")});
            QCOMPARE(QApplication::focusWidget(), BoxOf(d, "InboundPercent[20]"));
            QCOMPARE(TextOf(d, "InboundPercent[20]"), QStringLiteral("0"));
            QCOMPARE(TextOf(d, "OutboundPercent[20]"), QStringLiteral("100"));
            // Two shares moved between hours: the sum stays 100.
            TypeInto(*BoxOf(d, "AADTPercent[2]"), QStringLiteral("1.1"));
            TypeInto(*BoxOf(d, "AADTPercent[3]"), QStringLiteral("1.5"));
            PressButton(d, QStringLiteral("OK"));
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
    const wexa::Project& p = w.GetProject();
    QCOMPARE(p.HourlyInboundPercent[7], 60.0);
    QCOMPARE(p.HourlyOutboundPercent[7], 40.0);
    QCOMPARE(p.HourlyInboundPercent[20], 0.0);
    QCOMPARE(p.HourlyOutboundPercent[20], 100.0);
    QCOMPARE(p.HourlyAADTPercent[2], 1.1);
    QCOMPARE(p.HourlyAADTPercent[3], 1.5);
    QVERIFY(w.Doc().IsModified());
}

void TableDialogsTest::distributionSumAndTheRefusedOk() {
    Window w;
    QVERIFY(w.Active);
    const std::vector<unsigned char> before = Saved(w);
    ActInDialog(
        w, [&] { w.Click(control::TrafficDistributionButton); },
        [&](QDialog& d) {
            QCOMPARE(TextOf(d, "Total"), QString());
            PressButton(d, QStringLiteral("Sum AADT"));
            QCOMPARE(TextOf(d, "Total"), QStringLiteral("100"));
            QCOMPARE(TextOf(d, "OffBy"), QStringLiteral("0"));
            TypeInto(*BoxOf(d, "AADTPercent[16]"), QStringLiteral("8.8"));
            PressButton(d, QStringLiteral("Sum AADT"));
            QCOMPARE(TextOf(d, "Total"), QStringLiteral("99.5"));
            QCOMPARE(TextOf(d, "OffBy"), QStringLiteral("0.5"));
            PressButton(d, QStringLiteral("OK"));
            QCOMPARE(
                w.Prompts().TakeMessage(QStringLiteral("Percent AADT Error")).Text,
                QStringLiteral("The hourly percent of AADT do not add to 100.\nPlease Adjust."));
            QVERIFY(d.isVisible());
            QCOMPARE(QApplication::focusWidget(), BoxOf(d, "AADTPercent[0]"));
            PressButton(d, QStringLiteral("Cancel"));
        });
    QVERIFY(Saved(w) == before);
    QVERIFY(!w.Doc().IsModified());
}

void TableDialogsTest::distributionSaveImportAndCancel() {
    Window w;
    QVERIFY(w.Active);
    const QString saved = w.Path(QStringLiteral("rural"));
    const QString other = w.Path(QStringLiteral("other.dst"));
    wexa::HourlyTrafficDistribution table;
    table.HourlyAADTPercent.fill(4.0);
    table.HourlyAADTPercent[23] = 8.0;
    table.HourlyInboundPercent.fill(55.0);
    table.HourlyOutboundPercent.fill(45.0);
    QVERIFY(wexa::WriteDistributionFile(other.toStdString(), table).Ok);
    const std::vector<unsigned char> before = Saved(w);

    ActInDialog(
        w, [&] { w.Click(control::TrafficDistributionButton); },
        [&](QDialog& d) {
            w.Prompts().FileAnswer = saved;
            PressButton(d, QStringLiteral("Save Distribution"));
            QFile file(saved);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readLine(), QByteArray("1.80\t48.00\t52.00\n"));
            QCOMPARE(w.Prompts().FileRequests.back().InitialName, std::string("*.dst"));

            w.Prompts().FileAnswer = other;
            PressButton(d, QStringLiteral("Import Distribution"));
            QCOMPARE(TextOf(d, "AADTPercent[0]"), QStringLiteral("4"));
            QCOMPARE(TextOf(d, "AADTPercent[23]"), QStringLiteral("8"));
            QCOMPARE(TextOf(d, "OutboundPercent[23]"), QStringLiteral("45"));
            PressButton(d, QStringLiteral("Cancel"));
        });
    QVERIFY(Saved(w) == before);

    ActInDialog(
        w, [&] { w.Click(control::TrafficDistributionButton); },
        [&](QDialog& d) {
            w.Prompts().FileAnswer = w.Path(QStringLiteral("absent.dst"));
            PressButton(d, QStringLiteral("Import Distribution"));
            QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Import Error")});
            QCOMPARE(TextOf(d, "AADTPercent[0]"), QStringLiteral("1.8"));
            w.Prompts().FileAnswer = other;
            PressButton(d, QStringLiteral("Import Distribution"));
            PressButton(d, QStringLiteral("OK"));
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
    QCOMPARE(w.GetProject().HourlyAADTPercent[23], 8.0);
    QCOMPARE(w.GetProject().HourlyInboundPercent[5], 55.0);
}

void TableDialogsTest::specificTrafficTypeOpensTheDistribution() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(
        w, [&] { w.Pick(FormField::TrafficType, 2); },
        [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), kDistributionTitle);
            QCOMPARE(w.Prompts().TakeCaptions(),
                     QStringList{QStringLiteral("Traffic Type: Specific")});
            EnterIn(d, "InboundPercent[0]", QStringLiteral("30"), "AADTPercent[0]");
            PressButton(d, QStringLiteral("OK"));
        });
    QCOMPARE(w.GetProject().TrafficType, 2);
    QCOMPARE(w.GetProject().HourlyOutboundPercent[0], 70.0);
}

void TableDialogsTest::addedTimeCostsEscalateAndGoToTheProjectOnOk() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(
        w, [&] { w.Click(control::AddedTimeCostsButton); },
        [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), kAddedTimeTitle);
            int editable = 0;
            for (const QLineEdit* box : d.findChildren<QLineEdit*>()) {
                editable += box->isReadOnly() ? 0 : 1;
            }
            QCOMPARE(editable, 105 + 2); // the table and the two CPIs
            QCOMPARE(TextOf(d, "AddedCostCombinationTruck[11]"), QStringLiteral("721.77"));
            QCOMPARE(TextOf(d, "ReferenceCpi"), QStringLiteral("152.4"));
            TypeInto(*BoxOf(d, "AddedTimePassengerCar[2]"), QStringLiteral("1.6"));
            TypeInto(*BoxOf(d, "NewCpi"), QStringLiteral("304.8"));
            PressButton(d, QStringLiteral("Apply"));
            QCOMPARE(TextOf(d, "AddedCostCombinationTruck[11]"), QStringLiteral("1443.54"));
            QCOMPARE(TextOf(d, "IdlingCostPassengerCar"), QStringLiteral("1.3854"));
            QCOMPARE(TextOf(d, "AddedTimePassengerCar[2]"), QStringLiteral("1.6"));
            QCOMPARE(TextOf(d, "NewCpi"), QStringLiteral("304.8"));
            PressButton(d, QStringLiteral("OK"));
        });
    const wexa::Project& p = w.GetProject();
    QCOMPARE(p.AddedCostCombinationTruck[11], 1443.54);
    QCOMPARE(p.IdlingCostPassengerCar, 0.6927 * 2);
    QCOMPARE(p.AddedTimePassengerCar[2], 1.6);
    QVERIFY(w.Doc().IsModified());

    // Reopened, the CPIs start again at 152.4 and Reset Defaults with OK
    // puts the shipped table back.
    ActInDialog(
        w, [&] { w.Click(control::AddedTimeCostsButton); },
        [&](QDialog& d) {
            QCOMPARE(TextOf(d, "NewCpi"), QStringLiteral("152.4"));
            QCOMPARE(TextOf(d, "AddedCostCombinationTruck[11]"), QStringLiteral("1443.54"));
            PressButton(d, QStringLiteral("Reset Defaults"));
            QCOMPARE(TextOf(d, "AddedTimePassengerCar[2]"), QStringLiteral("1.51"));
            PressButton(d, QStringLiteral("OK"));
        });
    QVERIFY(wexa::AddedTimeCostTable::CopyOf(p) == wexa::AddedTimeCostTable::Defaults());
}

void TableDialogsTest::cancelDropsResetsAndEscalations() {
    Window w;
    QVERIFY(w.Active);
    w.GetProject().DelayRateSingleUnitTruck = 30.0;
    w.GetProject().AddedCostPassengerCar[4] = 25.0;
    const std::vector<unsigned char> before = Saved(w);
    ActInDialog(
        w, [&] { w.Click(control::AddedTimeCostsButton); },
        [&](QDialog& d) {
            QCOMPARE(TextOf(d, "AddedCostPassengerCar[4]"), QStringLiteral("25"));
            TypeInto(*BoxOf(d, "NewCpi"), QStringLiteral("200"));
            PressButton(d, QStringLiteral("Apply"));
            PressButton(d, QStringLiteral("Reset Defaults"));
            QCOMPARE(TextOf(d, "AddedCostPassengerCar[4]"), QStringLiteral("21.74"));
            PressButton(d, QStringLiteral("Cancel"));
        });
    ActInDialog(
        w, [&] { w.Click(control::DelayCostRatesButton); },
        [&](QDialog& d) {
            QCOMPARE(TextOf(d, "DelayRateSingleUnitTruck"), QStringLiteral("30"));
            // A box holding text is reset like the others, without a message.
            TypeInto(*BoxOf(d, "DelayRatePassengerCar"), QStringLiteral("eleven"));
            PressButton(d, QStringLiteral("Reset Defaults"));
            QCOMPARE(w.Prompts().TakeCaptions(), QStringList());
            QCOMPARE(TextOf(d, "DelayRatePassengerCar"), QStringLiteral("11.58"));
            QCOMPARE(TextOf(d, "DelayRateSingleUnitTruck"), QStringLiteral("18.54"));
            d.reject(); // closed by its title bar
        });
    QVERIFY(Saved(w) == before);
}

void TableDialogsTest::delayRatesRefuseAZeroReferenceCpi() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(
        w, [&] { w.Click(control::DelayCostRatesButton); },
        [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), kDelayRatesTitle);
            TypeInto(*BoxOf(d, "ReferenceCpi"), QStringLiteral("0"));
            TypeInto(*BoxOf(d, "NewCpi"), QStringLiteral("304.8"));
            PressButton(d, QStringLiteral("Apply"));
            QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Cost Escalation Error")).Text,
                     QStringLiteral("The reference CPI must be greater than 0"));
            QCOMPARE(QApplication::focusWidget(), BoxOf(d, "ReferenceCpi"));
            QCOMPARE(TextOf(d, "DelayRatePassengerCar"), QStringLiteral("11.58"));
            TypeInto(*BoxOf(d, "ReferenceCpi"), QStringLiteral("152.4"));
            PressButton(d, QStringLiteral("Apply"));
            QCOMPARE(TextOf(d, "DelayRatePassengerCar"), QStringLiteral("23.16"));
            PressButton(d, QStringLiteral("OK"));
        });
    QCOMPARE(w.GetProject().DelayRatePassengerCar, 23.16);
    QCOMPARE(w.GetProject().DelayRateCombinationTruck, 44.62);
}

// Each dialog fits a 1366 x 768 screen (less a desktop panel), and every
// label and group title has the room its text needs.
void TableDialogsTest::dialogsFitTheScreenWithoutCutText() {
    Window w;
    QVERIFY(w.Active);
    QStringList seen;
    w.Prompts().OnDialog = [&seen](QDialog& d) {
        d.show();
        QApplication::processEvents();
        seen.append(d.windowTitle());
        QVERIFY2(d.width() <= 1366 && d.height() <= 728, qPrintable(d.windowTitle()));
        for (const QLabel* label : d.findChildren<QLabel*>()) {
            if (!label->wordWrap()) {
                QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                         qPrintable(label->text()));
            }
        }
        for (const QGroupBox* group : d.findChildren<QGroupBox*>()) {
            QVERIFY2(group->width() > group->fontMetrics().horizontalAdvance(group->title()),
                     qPrintable(group->title()));
        }
        for (const QLineEdit* box : d.findChildren<QLineEdit*>()) {
            QVERIFY2(box->width() > box->fontMetrics().horizontalAdvance(box->text()),
                     qPrintable(box->objectName()));
        }
        d.reject();
    };
    w.Click(control::TrafficDistributionButton);
    w.Click(control::AddedTimeCostsButton);
    w.Click(control::DelayCostRatesButton);
    QCOMPARE(seen, (QStringList{kDistributionTitle, kAddedTimeTitle, kDelayRatesTitle}));
}

void TableDialogsTest::f1OpensEachDialogsSectionAndEveryBoxHasANote() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OnDialog = [](QDialog& d) {
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitFor([&d] { return d.isActiveWindow(); }));
        for (const QLineEdit* box : d.findChildren<QLineEdit*>()) {
            QVERIFY2(!box->whatsThis().isEmpty() || box->isReadOnly(),
                     qPrintable(box->objectName()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        d.reject();
    };
    w.Click(control::TrafficDistributionButton);
    w.Click(control::AddedTimeCostsButton);
    w.Click(control::DelayCostRatesButton);
    QCOMPARE(w.Prompts().HelpSections,
             (QStringList{QStringLiteral("hourly-distribution"), QStringLiteral("added-time-costs"),
                          QStringLiteral("delay-cost-rates")}));
}

// "% Outbound" follows "% Inbound", and the sums are computed: Tab passes
// them by.
void TableDialogsTest::distributionReadOnlyBoxesTakeNoTabStop() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(w, control::TrafficDistributionButton, [](QDialog& d) {
        QStringList readOnly{QStringLiteral("Total"), QStringLiteral("OffBy")};
        for (int hour = 0; hour < 24; ++hour) {
            readOnly << QStringLiteral("OutboundPercent[%1]").arg(hour);
        }
        wexa::ui::testing::VerifyReadOnlyBoxes(d, readOnly);
        BoxOf(d, QStringLiteral("InboundPercent[0]"))->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), BoxOf(d, QStringLiteral("InboundPercent[0]")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), BoxOf(d, QStringLiteral("AADTPercent[1]")));
        d.reject();
    });
}

QTEST_MAIN(TableDialogsTest)
#include "TableDialogsTest.moc"
