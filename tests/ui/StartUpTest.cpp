// Start-up: the disclaimer before the main window, and a project file named
// on the command line.
#include "PresetPrompts.h"
#include "app/MainFrame.h"
#include "app/WexaApp.h"
#include "forms/FormField.h"
#include "ui/WexaView.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using wexa::ui::testing::PresetPrompts;

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void disclaimerComesBeforeTheWindow();
    void projectFileFromTheCommandLineIsOpened();
    void unreadableFileFromTheCommandLineStartsUntitled();

private:
    QTemporaryDir folder_;
};

void StartUpTest::disclaimerComesBeforeTheWindow() {
    QSettings settings(folder_.filePath(QStringLiteral("a.ini")), QSettings::IniFormat);
    PresetPrompts prompts;
    wexa::app::CMainFrame frame(prompts, settings);
    bool windowShownDuringDisclaimer = true;
    prompts.OnDialog = [&](QDialog&) { windowShownDuringDisclaimer = frame.isVisible(); };
    wexa::app::ShowMainWindow(frame, prompts, {});
    QCOMPARE(prompts.Dialogs, QStringList{QStringLiteral("DISCLAIMER - Wexa")});
    QVERIFY(!windowShownDuringDisclaimer);
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.windowTitle(), QStringLiteral("Wexa - Untitled[*]"));
    // The user starts typing in the form's first box.
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QCOMPARE(QApplication::focusWidget(),
             frame.View().Control(wexa::forms::NameOf(wexa::forms::FormField::ProjectNumber)));
}

void StartUpTest::projectFileFromTheCommandLineIsOpened() {
    QSettings settings(folder_.filePath(QStringLiteral("b.ini")), QSettings::IniFormat);
    PresetPrompts prompts;
    wexa::app::CMainFrame frame(prompts, settings);
    wexa::app::ShowMainWindow(frame, prompts,
                              {QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa")});
    QCOMPARE(frame.windowTitle(), QStringLiteral("urban-freeway.wxa[*] - Wexa"));
    const auto* aadt = qobject_cast<QLineEdit*>(
        frame.View().Control(wexa::forms::NameOf(wexa::forms::FormField::BaseYearAADT)));
    QCOMPARE(aadt->text().toInt(), frame.View().GetProject().BaseYearAADT);
    QVERIFY(frame.View().GetProject().BaseYearAADT != wexa::Project().BaseYearAADT);
}

void StartUpTest::unreadableFileFromTheCommandLineStartsUntitled() {
    QSettings settings(folder_.filePath(QStringLiteral("c.ini")), QSettings::IniFormat);
    PresetPrompts prompts;
    wexa::app::CMainFrame frame(prompts, settings);
    wexa::app::ShowMainWindow(frame, prompts, {folder_.filePath(QStringLiteral("missing.wxa"))});
    QVERIFY(
        prompts.TakeMessage(QStringLiteral("Wexa")).Text.contains(QStringLiteral("missing.wxa")));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled[*] - Wexa"));
    QVERIFY(frame.isVisible());
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
