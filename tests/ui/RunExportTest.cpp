// "Run Simulation" in the window: the run, the export dialog that follows it
// and the report it writes.
#include "WindowFixture.h"
#include "support/LargestProject.h"
#include "ui/FormButtons.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using wexa::forms::MessageIcon;
using wexa::ui::SaveChoice;
using wexa::ui::testing::PressButton;
using wexa::ui::testing::Window;

namespace {

QByteArray WithoutDateLine(QByteArray report) {
    const qsizetype start = report.indexOf("Date of Analysis:");
    const qsizetype end = report.indexOf('\n', start);
    return start < 0 || end < 0 ? report : report.remove(start, end + 1 - start);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kChartWindow = QStringLiteral("Wexa Graphing Window");

// Opens an example project, which the run accepts.
void OpenExample(Window& w) {
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    QVERIFY(w.Doc().Open());
}

// Makes the export dialog, when it comes, get `name` typed and "Export"
// pressed; offered again after a failed write, it is cancelled.
void ExportTo(Window& w, const QString& name) {
    w.Prompts().OnDialog = [name, offers = 0](QDialog& dialog) mutable {
        if (dialog.windowTitle() == kChartWindow) {
            return; // the chart window that follows the export; closed unchanged
        }
        if (++offers > 1) {
            dialog.reject();
            return;
        }
        dialog.findChild<QLineEdit*>(QStringLiteral("FileName"))->setText(name);
        wexa::ui::testing::PressButton(dialog, QStringLiteral("Export"));
    };
}

} // namespace

class RunExportTest : public QObject {
    Q_OBJECT
private slots:
    void reportEqualsTheCommandLinesWithTheSameSeed();
    void emptyNameIsRefusedAndNothingWritten();
    void failedWriteIsReportedNeverAnnounced();
    void theOpenProjectIsNeverReplacedByItsReport();
    void closingDuringARunAsksToStopIt();
    void aRunEndingWhileTheCloseQuestionIsOpenAnswersIt();
    void cancelStopsTheRunAndKeepsTheResults();
    void browsePutsTheChosenFileIntoTheNameBox();
    void progressBarIsEmptyWhenTheChartWindowOpens();
    void staleStoredTimingIsAskedAboutBeforeTheRun();
};

void RunExportTest::reportEqualsTheCommandLinesWithTheSameSeed() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    QVERIFY(w.Doc().Open());
    // The command line computes from the project as stored, the window from
    // what its form shows: a project the window saved is the same to both.
    const QString project = w.Path(QStringLiteral("urban.wxa"));
    w.Prompts().SaveAsAnswer = project;
    QVERIFY(w.Doc().SaveAs());

    const QString report = w.Path(QStringLiteral("report.xls"));
    QProcess cli;
    cli.start(QStringLiteral(WEXA_CLI_PATH),
              {QStringLiteral("run"), project, QStringLiteral("-o"), report,
               QStringLiteral("--seed"), QStringLiteral("2027")});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 0);
    const QByteArray fromCli = ReadAll(report);
    QVERIFY(!fromCli.isEmpty());
    QVERIFY(QFile::remove(report));

    w.View().SetRunSeed(2027);
    ExportTo(w, report);
    w.Run();
    QCOMPARE(w.Prompts().Dialogs,
             (QStringList{"Simulation Complete - Export Formatted Data to Designated File",
                          kChartWindow}));
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Export Successful!")});
    QCOMPARE(WithoutDateLine(ReadAll(report)), WithoutDateLine(fromCli));
    // The next export starts from the name confirmed here.
    QCOMPARE(QString::fromStdString(w.GetProject().ExportFileName), report);
}

void RunExportTest::emptyNameIsRefusedAndNothingWritten() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    ExportTo(w, QString());
    w.Run();
    QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Can Not Export")).Text,
             QStringLiteral("Filename has not been selected"));
    QVERIFY(w.GetProject().ExportFileName.empty());
}

// A failed write is reported, never announced, and the export dialog comes
// back under the failed name, so another file can be chosen without running
// again; Cancel then ends the export.
void RunExportTest::failedWriteIsReportedNeverAnnounced() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    const QString report = w.Path(QStringLiteral("no-such-folder/report.xls"));
    const QString other = w.Path(QStringLiteral("report.xls"));
    QStringList offered;
    w.Prompts().OnDialog = [&](QDialog& dialog) {
        if (dialog.windowTitle() == kChartWindow) {
            return;
        }
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("FileName"));
        offered << name->text();
        name->setText(offered.size() == 1 ? report : other);
        wexa::ui::testing::PressButton(dialog, QStringLiteral("Export"));
    };
    w.Run();
    QCOMPARE(offered.size(), 2);
    QCOMPARE(offered[1], report);
    const auto refused = w.Prompts().TakeMessage(QStringLiteral("Can Not Export"));
    QCOMPARE(refused.Icon, MessageIcon::Exclamation);
    QVERIFY(refused.Text.contains(QStringLiteral("report.xls")));
    QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Export Successful!")).Icon,
             MessageIcon::Information);
    QVERIFY(!QFile::exists(report));
    QVERIFY(QFile::exists(other));

    // Cancelled after a failure, nothing more is asked.
    w.Prompts().Clear();
    offered.clear();
    w.Prompts().OnDialog = [&](QDialog& dialog) {
        if (dialog.windowTitle() == kChartWindow) {
            return;
        }
        offered << dialog.findChild<QLineEdit*>(QStringLiteral("FileName"))->text();
        if (offered.size() == 1) {
            dialog.findChild<QLineEdit*>(QStringLiteral("FileName"))->setText(report);
            wexa::ui::testing::PressButton(dialog, QStringLiteral("Export"));
        } else {
            dialog.reject();
        }
    };
    w.Run();
    QCOMPARE(offered.size(), 2);
    w.Prompts().TakeMessage(QStringLiteral("Can Not Export"));
}

void RunExportTest::theOpenProjectIsNeverReplacedByItsReport() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    const QString project = w.Path(QStringLiteral("rural.wxa"));
    w.Prompts().SaveAsAnswer = project;
    QVERIFY(w.Doc().SaveAs());
    QFile saved(project);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    w.Prompts().Clear();

    ExportTo(w, project);
    w.Run();
    QVERIFY(w.Prompts()
                .TakeMessage(QStringLiteral("Can Not Export"))
                .Text.contains(QStringLiteral("project file that is open")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), before);
}

// The run works off the window's thread, so the window can be asked to close
// under it: it asks first; No lets the run go on to its report and charts,
// Yes stops it before the usual question about unsaved changes.
void RunExportTest::closingDuringARunAsksToStopIt() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    w.Enter(wexa::forms::FormField::ProjectNumber, QStringLiteral("edited"));
    QVERIFY(w.Doc().IsModified());
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    w.Prompts().YesAnswer = false;
    QVERIFY(w.Run([&] {
        w.Click(wexa::ui::FormButton::RunSimulation);
        QVERIFY(w.View().Running());
        QVERIFY(!w.Frame().close());
    }));
    QCOMPARE(w.Prompts().TakeQuestion(QStringLiteral("Wexa")).Text,
             QStringLiteral("The analysis is still running.\n\nStop it and close?"));
    QCOMPARE(w.Prompts().Dialogs.size(), 2); // the run went on to its end
    QCOMPARE(w.GetProject().IterationCount, wexa::kProbabilisticIterations);

    w.Prompts().Clear();
    w.Prompts().YesAnswer = true;
    w.Prompts().SaveAnswer = SaveChoice::Cancel;
    const auto lastTotal = w.GetProject().TotalNpvResults[0][0];
    w.View().SetRunSeed(99);
    w.Click(wexa::ui::FormButton::RunSimulation);
    QVERIFY(w.View().Running());
    QVERIFY(!w.Frame().close()); // stopped, then Cancel on saving the changes
    QVERIFY(!w.View().Running());
    w.Prompts().TakeQuestion(QStringLiteral("Wexa"));
    w.Prompts().TakeSaveQuestion(QStringLiteral("rural-two-lane.wxa"));
    QVERIFY(w.Prompts().Dialogs.isEmpty());
    QCOMPARE(w.GetProject().TotalNpvResults[0][0], lastTotal);
    QCOMPARE(w.Frame().statusBar()->currentMessage(), QStringLiteral("Run cancelled."));
    QVERIFY(w.Frame().isVisible());
}

// The run may end while the question is open: the question closes, the
// report and charts do not cover it, and the window closes, asked once.
void RunExportTest::aRunEndingWhileTheCloseQuestionIsOpenAnswersIt() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    w.Prompts().YesAnswer = false; // the user has not answered yet
    w.Prompts().WhileQuestionShown = [&w] {
        QSignalSpy held(&w.View(), &wexa::ui::CWexaView::RunEndHeld);
        QVERIFY(held.wait(60000));
    };
    w.Click(wexa::ui::FormButton::RunSimulation);
    QVERIFY(w.View().Running());
    QVERIFY(w.Frame().close());
    w.Prompts().TakeQuestion(QStringLiteral("Wexa"));
    QCOMPARE(w.Prompts().QuestionsClosed, 1);
    QVERIFY(w.Prompts().Dialogs.isEmpty());
    QVERIFY(!w.View().Running());
    QCOMPARE(w.GetProject().IterationCount, 0);
}

// Cancel (or Esc) stops a run: no report, no chart, the results as they
// were, and the status bar says so. While it works, only Cancel is usable.
// The largest project's run lasts long enough that the cancel always
// arrives while it works.
void RunExportTest::cancelStopsTheRunAndKeepsTheResults() {
    Window w;
    QVERIFY(w.Active);
    const QString largest = w.Path(QStringLiteral("largest.wxa"));
    QVERIFY(wexa::WriteProjectFile(largest.toStdString(),
                                   *wexa::bench::LargestProject(wexa::bench::kQueueingAadt)));
    w.Prompts().OpenAnswer = largest;
    QVERIFY(w.Doc().Open());
    // Its work zones' days were never stored by the work-zone dialog.
    w.Prompts().YesAnswer = true;
    const auto runAnyway = [&] {
        w.Prompts().TakeQuestion(QStringLiteral("Work Zone Timing Not Stored"));
    };
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    QVERIFY(w.Run());
    runAnyway();
    const auto lastTotal = w.GetProject().TotalNpvResults[0][0];
    w.Prompts().Clear();
    w.View().SetRunSeed(99);

    QWidget* cancel = w.Find(wexa::ui::FormButton::CancelRun);
    QVERIFY(!cancel->isEnabled());
    for (const bool escape : {false, true}) {
        QVERIFY(w.Run([&] {
            w.Click(wexa::ui::FormButton::RunSimulation);
            QVERIFY(cancel->isEnabled());
            QVERIFY(!w.Find(wexa::ui::FormButton::RunSimulation)->isEnabled());
            QVERIFY(!w.Box(wexa::forms::FormField::ProjectNumber)->isEnabled());
            QVERIFY(!w.Frame().Actions().Save->isEnabled());
            QVERIFY(!w.Frame().Actions().Execute->isEnabled());
            if (escape) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                w.Click(wexa::ui::FormButton::CancelRun);
            }
        }));
        runAnyway();
        QVERIFY2(w.Prompts().Dialogs.isEmpty(), escape ? "Esc" : "Cancel");
        QCOMPARE(w.GetProject().TotalNpvResults[0][0], lastTotal);
        QCOMPARE(w.Frame().statusBar()->currentMessage(), QStringLiteral("Run cancelled."));
        QVERIFY(!cancel->isEnabled());
        QVERIFY(w.Box(wexa::forms::FormField::ProjectNumber)->isEnabled());
        QVERIFY(w.Frame().Actions().Save->isEnabled());
    }
}

void RunExportTest::browsePutsTheChosenFileIntoTheNameBox() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    w.Prompts().Clear();
    const QString report = w.Path(QStringLiteral("browsed.txt"));
    w.Prompts().FileAnswer = report;
    w.Prompts().OnDialog = [](QDialog& dialog) {
        if (dialog.windowTitle() == kChartWindow) {
            return;
        }
        PressButton(dialog, QStringLiteral("Browse to Find Folder"));
        PressButton(dialog, QStringLiteral("Export"));
    };
    w.Run();
    QCOMPARE(w.Prompts().FileRequests.size(), 1u);
    const wexa::forms::FileNameRequest& asked = w.Prompts().FileRequests[0];
    QCOMPARE(asked.InitialName, std::string("*.xls"));
    QVERIFY(!asked.MustExist);
    QCOMPARE(asked.Filters.size(), 3u);
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Export Successful!")});
    QVERIFY(ReadAll(report).startsWith("Wexa\r\n"));
}

// The export ends the run's progress, exported or cancelled: the chart
// window opens on an empty bar.
void RunExportTest::progressBarIsEmptyWhenTheChartWindowOpens() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    auto* bar = qobject_cast<QProgressBar*>(w.View().Control(wexa::ui::FormButton::RunProgress));
    QVERIFY(bar != nullptr);
    for (const bool exported : {false, true}) {
        w.Prompts().Clear();
        int atExport = -1;
        int atChart = -1;
        w.Prompts().OnDialog = [&](QDialog& dialog) {
            if (dialog.windowTitle() == kChartWindow) {
                atChart = bar->value();
                return;
            }
            atExport = bar->value();
            if (exported) {
                dialog.findChild<QLineEdit*>(QStringLiteral("FileName"))
                    ->setText(w.Path(QStringLiteral("report.xls")));
                PressButton(dialog, QStringLiteral("Export"));
            } else {
                dialog.reject();
            }
        };
        w.Run();
        QCOMPARE(w.Prompts().Dialogs.size(), 2);
        QCOMPARE(w.Prompts().TakeCaptions(),
                 exported ? QStringList{QStringLiteral("Export Successful!")} : QStringList());
        QCOMPARE(atExport, bar->maximum()); // the run's last step
        QCOMPARE(atChart, 0);
        QCOMPARE(bar->value(), 0);
    }
}

// Days the work-zone dialog never stored: the window names the activity and
// asks; No runs nothing, Yes runs on the stored figures.
void RunExportTest::staleStoredTimingIsAskedAboutBeforeTheRun() {
    Window w;
    QVERIFY(w.Active);
    OpenExample(w);
    w.GetProject().ActivityDaysToComplete[wexa::ActivitySlot(2, 3)] = 0;
    w.Prompts().YesAnswer = false;
    ExportTo(w, QString());
    QVERIFY(!w.Run());
    QVERIFY(w.Prompts()
                .TakeQuestion(QStringLiteral("Work Zone Timing Not Stored"))
                .Text.startsWith(QStringLiteral(
                    "Alternative 2, work activity 3: 0 days to complete are stored")));
    QVERIFY(w.Prompts().Dialogs.isEmpty());
    QCOMPARE(w.GetProject().IterationCount, 0);

    w.Prompts().Clear();
    w.Prompts().YesAnswer = true;
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    QVERIFY(w.Run());
    w.Prompts().TakeQuestion(QStringLiteral("Work Zone Timing Not Stored"));
    QCOMPARE(w.Prompts().Dialogs.size(), 2);
    QCOMPARE(w.GetProject().IterationCount, wexa::kProbabilisticIterations);
}

QTEST_MAIN(RunExportTest)
#include "RunExportTest.moc"
