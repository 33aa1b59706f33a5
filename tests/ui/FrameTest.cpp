// The main window's frame: menus, toolbar, status bar and the commands that
// do not touch the project file.
#include "WindowFixture.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using wexa::ui::testing::PressButton;
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

// True when some pixel of the picture is clearly coloured rather than grey.
bool HasColour(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.alpha() > 128 && pixel.hsvSaturation() > 100 && pixel.value() > 60) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void menusAndToolbarHoldTheCommandsInOrder();
    void toolbarIconsTellTheCommandsApart();
    void viewMenuTogglesToolbarAndStatusBar();
    void disclaimerAndAboutOpenTheirDialogs();
    void executeRunsTheAnalysisAsTheFormsButtonDoes();
    void aRunsSeedIsShownAndCanBeFixedForTheProject();
};

void FrameTest::menusAndToolbarHoldTheCommandsInOrder() {
    Window w;
    const QList<QAction*> menus = w.Frame().menuBar()->actions();
    QCOMPARE(Texts(menus), (QStringList{"&File", "&View", "&Help"}));
    QCOMPARE(Texts(menus[0]->menu()->actions()),
             (QStringList{"&New", "&Open...", "&Save", "Save &As...", "|", "&Print...",
                          "Print Pre&view", "&Export Analysis Document...", "|", "Recent File",
                          "Recent File", "Recent File", "Recent File", "|", "E&xit"}));
    QCOMPARE(Texts(menus[1]->menu()->actions()),
             (QStringList{"&Toolbar", "&Status Bar", "Disclaimer", "|", "Se&nsitivity",
                          "&Run Options..."}));
    QCOMPARE(Texts(menus[2]->menu()->actions()),
             (QStringList{"&Help Topics", "|", "&About Wexa..."}));
    auto* toolBar = w.Frame().findChild<QToolBar*>();
    QCOMPARE(Texts(toolBar->actions()), (QStringList{"&New", "&Open...", "&Save", "Save &As...",
                                                     "|", "Execute", "|", "&About Wexa..."}));
    QCOMPARE(w.Frame().Actions().New->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(w.Frame().Actions().Open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(w.Frame().Actions().Execute->toolTip(), QStringLiteral("Execute"));
    QCOMPARE(w.Frame().Actions().Execute->statusTip(),
             QStringLiteral("Execute the Wexa after all inputs have been entered"));
}

// Every toolbar button has a picture of its own; Save As's is in colour, not
// greyed out, and About's is no help bubble.
void FrameTest::toolbarIconsTellTheCommandsApart() {
    Window w;
    auto* toolBar = w.Frame().findChild<QToolBar*>();
    const QSize size = toolBar->iconSize();
    QList<QImage> pictures;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
        const QImage picture = action->icon().pixmap(size).toImage();
        QVERIFY2(!pictures.contains(picture), qPrintable(action->text()));
        pictures << picture;
    }
    // Save As is no greyed-out Save.
    QVERIFY(HasColour(w.Frame().Actions().SaveAs->icon().pixmap(size).toImage()));
    const QImage question =
        w.Frame().style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(size).toImage();
    QVERIFY(w.Frame().Actions().About->icon().pixmap(size).toImage() != question);
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
    QString aboutText;
    w.Prompts().OnDialog = [&aboutText](QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            aboutText += label->text();
        }
    };
    w.Frame().Actions().ViewDisclaimer->trigger();
    aboutText.clear();
    w.Frame().Actions().About->trigger();
    QCOMPARE(w.Prompts().Dialogs, (QStringList{"DISCLAIMER - Wexa", "About Wexa"}));
    // The project's version, as CMake has it, whatever the application
    // object was told.
    QVERIFY2(aboutText.contains(QStringLiteral("Wexa Version " WEXA_EXPECTED_VERSION "<")),
             qPrintable(aboutText));
}

void FrameTest::executeRunsTheAnalysisAsTheFormsButtonDoes() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    QVERIFY(w.Doc().Open());
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    QVERIFY(w.Run([&] { w.Frame().Actions().Execute->trigger(); }));
    QCOMPARE(w.Prompts().Dialogs,
             (QStringList{"Simulation Complete - Export Formatted Data to Designated File",
                          "Wexa Graphing Window"}));
    QCOMPARE(w.GetProject().IterationCount, 5000);
}

// The seed of each run shows in the graphing window and the status bar; Run
// Options fixes it, so the next run repeats the last one, and the choice goes
// with the project file in the settings, not in the file.
void FrameTest::aRunsSeedIsShownAndCanBeFixedForTheProject() {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("settings.ini"));
    const QString project = folder.filePath(QStringLiteral("rural.wxa"));
    QVERIFY(QFile::copy(QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa"), project));
    wexa::Int64 firstMedian = 0;
    {
        Window w(settings);
        QVERIFY(w.Active);
        QVERIFY(w.Doc().OpenFile(project));
        QString note;
        w.Prompts().OnDialog = [&note](QDialog& dialog) {
            if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("RunNote"))) {
                note = label->text();
            }
            dialog.reject();
        };
        QVERIFY(w.Run());
        const auto seed = w.View().ShownRunSeed();
        QVERIFY(seed.has_value());
        QCOMPARE(note, QStringLiteral("Seed of this run: %1 (from the clock; View > Run Options "
                                      "repeats it)")
                           .arg(*seed));
        QCOMPARE(w.Frame().statusBar()->currentMessage(), note);
        firstMedian = w.GetProject().TotalNpvPercentiles[0][5];

        w.Prompts().OnDialog = [](QDialog& dialog) {
            PressButton(dialog, QStringLiteral("Last Run's Seed"));
            dialog.accept();
        };
        w.Frame().Actions().RunOptions->trigger();
        QCOMPARE(w.View().RunSeed(), seed);
        // A text that is no seed is refused and the choice kept.
        w.Prompts().OnDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("Seed"))->setText(QStringLiteral("-1"));
            dialog.accept();
        };
        w.Frame().Actions().RunOptions->trigger();
        QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Seed Error")).Text,
                 QStringLiteral("The seed must be a whole number from 0 to 4294967295."));
        QCOMPARE(w.View().RunSeed(), seed);
    }
    Window w(settings);
    QVERIFY(w.Active);
    QVERIFY(!w.View().RunSeed().has_value());
    QVERIFY(w.Doc().OpenFile(project));
    QVERIFY(w.View().RunSeed().has_value());
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    QVERIFY(w.Run());
    QCOMPARE(w.GetProject().TotalNpvPercentiles[0][5], firstMedian);
    QVERIFY(w.Frame().statusBar()->currentMessage().endsWith(
        QStringLiteral("(fixed in View > Run Options)")));
}

QTEST_MAIN(FrameTest)
#include "FrameTest.moc"
