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
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using wexa::ui::testing::PresetPrompts;

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void disclaimerComesBeforeTheWindow();
    void projectFileFromTheCommandLineIsOpened();
    void unreadableFileFromTheCommandLineStartsUntitled();
    void versionAndHelpAreAnsweredWithoutADisplay();

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

// The real program, on a platform it cannot open (X without a display),
// where making the application object would end it with an error.
void StartUpTest::versionAndHelpAreAnsweredWithoutADisplay() {
    const auto start = [](const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(WEXA_APP_PATH), arguments);
        const bool ended = program.waitForFinished(30000);
        return std::tuple{ended && program.exitStatus() == QProcess::NormalExit ? program.exitCode()
                                                                                : -1,
                          QString::fromUtf8(program.readAllStandardOutput()),
                          QString::fromUtf8(program.readAllStandardError())};
    };
    const auto [versionStatus, version, versionErrors] = start({QStringLiteral("--version")});
    QCOMPARE(versionStatus, 0);
    QCOMPARE(version, QStringLiteral("wexa " WEXA_EXPECTED_VERSION "\n"));
    QCOMPARE(versionErrors, QString());

    const auto [helpStatus, help, helpErrors] = start({QStringLiteral("--help")});
    QCOMPARE(helpStatus, 0);
    QVERIFY2(help.startsWith(QStringLiteral("Usage: wexa [PROJECT.wxa]\n")), qPrintable(help));
    QCOMPARE(helpErrors, QString());

    // Anything else is the window's: here it cannot open, and says so.
    const auto [windowStatus, window, windowErrors] =
        start({QStringLiteral("--version"), QStringLiteral("project.wxa")});
    QVERIFY(windowStatus != 0);
    QCOMPARE(window, QString());
    QVERIFY2(windowErrors.contains(QStringLiteral("xcb")), qPrintable(windowErrors));
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
