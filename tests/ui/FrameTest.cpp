// The main window's frame: menus, toolbar, status bar and the commands that
// do not touch the project file.
#include "WindowFixture.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using wexa::ui::testing::Window;

namespace {

// Texts of the actions in order; a separator is "|".
QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    return texts;
}

} // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void menusAndToolbarHoldTheCommandsInOrder();
    void viewMenuTogglesToolbarAndStatusBar();
    void disclaimerAndAboutOpenTheirDialogs();
    void executeRunsTheAnalysisAsTheFormsButtonDoes();
};

void FrameTest::menusAndToolbarHoldTheCommandsInOrder() {
    Window w;
    const QList<QAction*> menus = w.Frame().menuBar()->actions();
    QCOMPARE(Texts(menus), (QStringList{"&File", "&View", "&Help"}));
    QCOMPARE(
        Texts(menus[0]->menu()->actions()),
        (QStringList{"&Open...", "&Save", "Save &As...", "|", "&Print...", "Print Pre&view", "|",
                     "Recent File", "Recent File", "Recent File", "Recent File", "|", "E&xit"}));
    QCOMPARE(Texts(menus[1]->menu()->actions()),
             (QStringList{"&Toolbar", "&Status Bar", "Disclaimer"}));
    QCOMPARE(Texts(menus[2]->menu()->actions()),
             (QStringList{"&Help Topics", "|", "&About Wexa..."}));
    auto* toolBar = w.Frame().findChild<QToolBar*>();
    QCOMPARE(Texts(toolBar->actions()), (QStringList{"&Open...", "&Save", "Save &As...", "|",
                                                     "Execute", "|", "&About Wexa..."}));
    for (QAction* action : toolBar->actions()) {
        QVERIFY(action->isSeparator() || !action->icon().isNull());
    }
    QCOMPARE(w.Frame().Actions().Open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(w.Frame().Actions().Execute->toolTip(), QStringLiteral("Execute"));
    QCOMPARE(w.Frame().Actions().Execute->statusTip(),
             QStringLiteral("Execute the Wexa after all inputs have been entered"));
}

void FrameTest::viewMenuTogglesToolbarAndStatusBar() {
    Window w;
    auto* toolBar = w.Frame().findChild<QToolBar*>();
    w.Frame().Actions().ToggleToolBar->trigger();
    QVERIFY(toolBar->isHidden());
    QVERIFY(!w.Frame().Actions().ToggleToolBar->isChecked());
    w.Frame().Actions().ToggleStatusBar->trigger();
    QVERIFY(w.Frame().statusBar()->isHidden());
    w.Frame().Actions().ToggleToolBar->trigger();
    QVERIFY(!toolBar->isHidden());
    QVERIFY(w.Frame().Actions().ToggleToolBar->isChecked());
}

void FrameTest::disclaimerAndAboutOpenTheirDialogs() {
    Window w;
    w.Frame().Actions().ViewDisclaimer->trigger();
    w.Frame().Actions().About->trigger();
    QCOMPARE(w.Prompts().Dialogs, (QStringList{"DISCLAIMER - Wexa", "About Wexa"}));
}

void FrameTest::executeRunsTheAnalysisAsTheFormsButtonDoes() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    QVERIFY(w.Doc().Open());
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    w.Frame().Actions().Execute->trigger();
    QCOMPARE(w.Prompts().Dialogs,
             (QStringList{"Simulation Complete - Export Formatted Data to Designated File",
                          "Wexa Graphing Window"}));
    QCOMPARE(w.GetProject().IterationCount, 5000);
}

QTEST_MAIN(FrameTest)
#include "FrameTest.moc"
