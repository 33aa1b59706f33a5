// "Sensitivity": opened from the View menu and from the graphing window on
// the urban freeway example, its run off the window's thread, a refused
// entry and Cancel.
#include "ui/SensitivityWindow.h"
#include "WindowFixture.h"
#include "results/SensitivityForm.h"
#include "ui/ChartAdapter.h"
#include "ui/Graph.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

using wexa::ui::CSensitivityWindow;
using wexa::ui::testing::PressButton;
using wexa::ui::testing::Window;
namespace control = wexa::forms::SensitivityControl;

namespace {

// The example open in the main window (as a deterministic analysis if
// asked), and its sensitivity window opened from the View menu; the run it
// starts as it opens is left working.
CSensitivityWindow* OpenOnExample(Window& w,
                                  wexa::AnalysisKind kind = wexa::kProbabilisticAnalysis) {
    auto project = std::make_unique<wexa::Project>();
    const QString path = w.Path(QStringLiteral("example.wxa"));
    if (!wexa::ReadProjectFile(WEXA_EXAMPLES_DIR "/urban-freeway.wxa", *project)) {
        return nullptr;
    }
    project->AnalysisType = kind;
    w.Prompts().OpenAnswer = path;
    if (!wexa::WriteProjectFile(path.toStdString(), *project) || !w.Doc().Open()) {
        return nullptr;
    }
    w.Frame().Actions().Sensitivity->trigger();
    return w.View().Sensitivity();
}

bool WaitForEnd(CSensitivityWindow& window) {
    QSignalSpy ended(&window, &CSensitivityWindow::RunEnded);
    return !window.Running() || ended.wait(30000);
}

} // namespace

class SensitivityWindowTest : public QObject {
    Q_OBJECT
private slots:
    void viewMenuOpensTheWindowAndItsRunDrawsBothCharts();
    void graphingWindowOpensTheSameWindow();
    void refusedStepIsReportedAndNothingRuns();
    void cancelLeavesTheLastResultAndAnotherProjectNone();
};

void SensitivityWindowTest::viewMenuOpensTheWindowAndItsRunDrawsBothCharts() {
    Window w;
    CSensitivityWindow* window = OpenOnExample(w);
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Sensitivity"));
    QVERIFY(window->Running());
    QVERIFY(WaitForEnd(*window));

    const wexa::forms::ChartContent& rates = window->RateChart().Content();
    QCOMPARE(rates.Series.size(), 3u);
    QCOMPARE(rates.Series[0].Points.size(), 101u);
    QCOMPARE(rates.Title, w.GetProject().ProjectDescription);
    QVERIFY(!rates.Rules.empty());
    QVERIFY(window->BreakEvenText().contains(QStringLiteral("Alt 1 and Alt 2: ")));
    const wexa::forms::ChartContent& tornado = window->TornadoChart().Content();
    QVERIFY(tornado.Notice.empty());
    QVERIFY(!tornado.Series[0].Points.empty());
    // At the size it opens, the example's tornado needs no scrolling: its
    // axis and key are in sight with every row and the line under them.
    QCOMPARE(window->size(), QSize(1180, 800));
    window->Views().setCurrentIndex(1);
    QApplication::processEvents();
    auto* page = qobject_cast<QScrollArea*>(window->Views().currentWidget());
    QVERIFY(page != nullptr);
    QCOMPARE(page->verticalScrollBar()->maximum(), 0);
    QVERIFY(window->TornadoChart().Footnote().isVisible());

    // Save Data writes the figures of the tab shown.
    w.Prompts().FileAnswer = w.Path(QStringLiteral("tornado.csv"));
    PressButton(*window, QStringLiteral("Save Data..."));
    QFile csv(w.Path(QStringLiteral("tornado.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readAll().contains("Base case difference,"));
    // F1 and Help open the window's own section of the guide.
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    PressButton(*window, QStringLiteral("Help"));
    QCOMPARE(w.Prompts().HelpSections, (QStringList{"sensitivity", "sensitivity"}));

    // Once made, the window is raised again rather than made twice.
    w.Frame().Actions().Sensitivity->trigger();
    QCOMPARE(w.View().Sensitivity(), window);
    QVERIFY(!window->Running());
}

void SensitivityWindowTest::graphingWindowOpensTheSameWindow() {
    Window w;
    // A deterministic run is enough to reach the graphing window.
    CSensitivityWindow* window = OpenOnExample(w, wexa::kDeterministicAnalysis);
    QVERIFY(window != nullptr && WaitForEnd(*window));
    window->close();
    QAction* menu = w.Frame().Actions().Sensitivity;
    bool disabledWhileRunning = false;
    connect(&w.View(), &wexa::ui::CWexaView::RunStarted, this,
            [&] { disabledWhileRunning = !menu->isEnabled(); });
    bool modalOverGraph = false;
    w.Prompts().OnDialog = [&](QDialog& dialog) {
        if (qobject_cast<wexa::ui::CGraph*>(&dialog) != nullptr) {
            // Shown modal, as the program runs it.
            dialog.setModal(true);
            dialog.show();
            PressButton(dialog, QStringLiteral("Sensitivity"));
            modalOverGraph = window->isVisible() && window->isModal();
            QVERIFY(WaitForEnd(*window));
            window->close();
        }
        dialog.reject();
    };
    QVERIFY(w.Run());
    QVERIFY(disabledWhileRunning);
    QVERIFY(menu->isEnabled());
    QCOMPARE(w.View().Sensitivity(), window);
    QVERIFY(modalOverGraph);
    // From the menu again it is an ordinary window beside the main one.
    menu->trigger();
    QVERIFY(!window->isModal());
    QVERIFY(WaitForEnd(*window));
}

void SensitivityWindowTest::refusedStepIsReportedAndNothingRuns() {
    Window w;
    CSensitivityWindow* window = OpenOnExample(w);
    QVERIFY(window != nullptr && WaitForEnd(*window));
    const wexa::Sensitivity* result = window->Form().Result();
    auto* step = window->findChild<QLineEdit*>(QLatin1String(control::Step));
    wexa::ui::testing::TypeInto(*step, QStringLiteral("1e"));
    PressButton(*window, QStringLiteral("&Run"));
    const auto message = w.Prompts().TakeMessage(QStringLiteral("Discount Rate Range Error"));
    QVERIFY(message.Text.contains(QStringLiteral("numbers")));
    QVERIFY(!window->Running());
    QCOMPARE(window->focusWidget(), step);
    QCOMPARE(window->Form().Result(), result);
    QCOMPARE(step->text(), QStringLiteral("1e")); // kept for the correction
}

void SensitivityWindowTest::cancelLeavesTheLastResultAndAnotherProjectNone() {
    Window w;
    CSensitivityWindow* window = OpenOnExample(w);
    QVERIFY(window != nullptr && window->Running());
    // Esc during the first run: nothing to draw, and the charts say so.
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(WaitForEnd(*window));
    QVERIFY(window->isVisible());
    QCOMPARE(window->Form().Result(), nullptr);
    QVERIFY(!window->TornadoChart().Content().Notice.empty());

    window->Run();
    QVERIFY(WaitForEnd(*window));
    const wexa::Sensitivity* result = window->Form().Result();
    QVERIFY(result != nullptr);
    window->Run();
    PressButton(*window, QStringLiteral("Cancel"));
    QVERIFY(WaitForEnd(*window));
    QCOMPARE(window->Form().Result(), result);
    QCOMPARE(window->RateChart().Content().Series.size(), 3u);

    // Another project opened: the figures of this one go, and so does the
    // end of a run still working on it.
    window->Run();
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    QVERIFY(w.Doc().Open());
    QVERIFY(WaitForEnd(*window));
    QCOMPARE(window->Form().Result(), nullptr);
    QVERIFY(window->RateChart().Content().Series.empty());
    QVERIFY(!window->RateChart().Content().Notice.empty());
}

QTEST_MAIN(SensitivityWindowTest)
#include "SensitivityWindowTest.moc"
