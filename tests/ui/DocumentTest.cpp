// The main window's file commands: saving and opening through the window,
// the question before unsaved changes are dropped, the title and the
// recent-file list.
#include "WindowFixture.h"
#include "app/RecentFiles.h"
#include "ui/FormButtons.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>

using wexa::forms::FormField;
using wexa::ui::SaveChoice;
using wexa::ui::testing::Window;
using F = FormField;

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void startsUntitledAndUnmodified();
    void saveThenOpenRoundTripsTheProject();
    void newAfterAnEditAsksToSave();
    void closingAfterAnEditAsksAndCancelKeepsTheWindow();
    void openAfterAnEditAsksBeforeAskingForTheFile();
    void failedOpenIsReportedAndChangesNothing();
    void openingWhatIsNotAFileIsRefusedWithoutWaiting();
    void recentListKeepsTheFourNewestFiles();
    void recentFileThatCannotBeFoundIsOfferedForRemoval();
    void browsingIsNoEdit();
    void anEditAfterReopeningLandsInTheActivityOnScreen();
    void recentEntriesAreShortenedToThirtyCharacters_data();
    void recentEntriesAreShortenedToThirtyCharacters();
};

void DocumentTest::startsUntitledAndUnmodified() {
    Window w;
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("Wexa - Untitled[*]"));
    QVERIFY(!w.Frame().isWindowModified());
    // Showing a box's value again or moving through the form is no edit.
    w.Box(F::ProjectLength)->setFocus(Qt::TabFocusReason);
    w.LeaveFocus();
    QTest::mouseClick(w.View().findChild<QWidget*>(QStringLiteral("AnalysisType0")),
                      Qt::LeftButton);
    QVERIFY(!w.Doc().IsModified());
    // A list entry that changes the project does, even the one shown: the
    // terrain recomputes the heavy vehicle factor, whose default is rounded.
    w.Pick(F::Terrain, 0);
    QVERIFY(w.Frame().isWindowModified());
}

void DocumentTest::saveThenOpenRoundTripsTheProject() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::ProjectDescription, QStringLiteral("Route 9 – résumé of works"));
    w.Enter(F::ProjectLength, QStringLiteral("3.25"));
    w.Enter(F::NumberOfAlternatives, QStringLiteral("2"));
    QVERIFY(w.Frame().isWindowModified());

    const QString path = w.Path(QStringLiteral("route9"));
    w.Prompts().SaveAsAnswer = path + QStringLiteral(".wxa");
    w.Frame().Actions().Save->trigger();
    QCOMPARE(w.Prompts().FileRequests.size(), 1u);
    QVERIFY(!w.Prompts().FileRequests[0].MustExist);
    QVERIFY(w.Prompts().FileRequests[0].ConfirmOverwrite);
    QVERIFY(QFile::exists(path + QStringLiteral(".wxa")));
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("route9.wxa[*] - Wexa"));
    QVERIFY(!w.Frame().isWindowModified());

    w.Enter(F::ProjectDescription, QStringLiteral("changed"));
    w.Enter(F::ProjectLength, QStringLiteral("9"));
    w.Prompts().SaveAnswer = SaveChoice::Discard;
    w.Prompts().OpenAnswer = path + QStringLiteral(".wxa");
    w.Frame().Actions().Open->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("route9.wxa"));
    QCOMPARE(w.Text(F::ProjectDescription), QStringLiteral("Route 9 – résumé of works"));
    QCOMPARE(w.Text(F::ProjectLength), QStringLiteral("3.25"));
    QCOMPARE(w.Text(F::NumberOfAlternatives), QStringLiteral("2"));
    QCOMPARE(w.GetProject().ProjectLength, 3.25);
    QVERIFY(!w.Frame().isWindowModified());
}

void DocumentTest::newAfterAnEditAsksToSave() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::ProjectDescription, QStringLiteral("kept"));
    w.Prompts().SaveAnswer = SaveChoice::Cancel;
    w.Frame().Actions().New->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("Wexa - Untitled[*]"));
    QVERIFY(w.Frame().isWindowModified());

    w.Prompts().SaveAnswer = SaveChoice::Discard;
    w.Frame().Actions().New->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("Untitled[*] - Wexa"));
    QVERIFY(!w.Frame().isWindowModified());
    // New keeps every value of the project.
    QCOMPARE(w.Text(F::ProjectDescription), QStringLiteral("kept"));

    // Save as the answer saves first, through Save As for an untitled project.
    w.Enter(F::ProjectDescription, QStringLiteral("saved first"));
    w.Prompts().SaveAnswer = SaveChoice::Save;
    w.Prompts().SaveAsAnswer = w.Path(QStringLiteral("first.wxa"));
    w.Frame().Actions().New->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    QVERIFY(QFile::exists(w.Path(QStringLiteral("first.wxa"))));
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("Untitled[*] - Wexa"));
}

void DocumentTest::closingAfterAnEditAsksAndCancelKeepsTheWindow() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(F::ProjectNumber, QStringLiteral("STP-0042"));
    w.Prompts().SaveAnswer = SaveChoice::Cancel;
    w.Frame().Actions().Exit->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    QVERIFY(w.Frame().isVisible());
    w.Prompts().SaveAnswer = SaveChoice::Discard;
    w.Frame().Actions().Exit->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    QVERIFY(!w.Frame().isVisible());
}

void DocumentTest::openAfterAnEditAsksBeforeAskingForTheFile() {
    Window w;
    QVERIFY(w.Active);
    const QString saved = w.Path(QStringLiteral("saved.wxa"));
    w.Enter(F::ProjectNumber, QStringLiteral("on disk"));
    w.Prompts().SaveAsAnswer = saved;
    w.Frame().Actions().SaveAs->trigger();
    w.Enter(F::ProjectNumber, QStringLiteral("typed since"));

    // Cancel at the question: no file dialog, the edit stays.
    w.Prompts().SaveAnswer = SaveChoice::Cancel;
    w.Prompts().OpenAnswer = saved;
    w.Frame().Actions().Open->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("saved.wxa"));
    const auto asksForAProject = [&w] {
        return std::count_if(w.Prompts().FileRequests.begin(), w.Prompts().FileRequests.end(),
                             [](const auto& request) { return request.MustExist; });
    };
    QCOMPARE(asksForAProject(), 0);
    QCOMPARE(w.Text(F::ProjectNumber), QStringLiteral("typed since"));
    QVERIFY(w.Frame().isWindowModified());

    // Discard: the file is opened as it was saved.
    w.Prompts().SaveAnswer = SaveChoice::Discard;
    w.Frame().Actions().Open->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("saved.wxa"));
    QCOMPARE(asksForAProject(), 1);
    QCOMPARE(w.Text(F::ProjectNumber), QStringLiteral("on disk"));
    QVERIFY(!w.Frame().isWindowModified());
}

void DocumentTest::failedOpenIsReportedAndChangesNothing() {
    Window w;
    QVERIFY(w.Active);
    const QString path = w.Path(QStringLiteral("short.wxa"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x64\x00\x00\x00", 4);
    file.close();
    w.Enter(F::ProjectLength, QStringLiteral("7.5"));
    const std::vector<unsigned char> before = wexa::WriteProjectBytes(w.GetProject());

    w.Prompts().SaveAnswer = SaveChoice::Discard;
    w.Prompts().OpenAnswer = path;
    w.Frame().Actions().Open->trigger();
    w.Prompts().TakeSaveQuestion(QStringLiteral("Untitled"));
    QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Wexa")).Text,
             path + QStringLiteral(": Unexpected file format."));
    QVERIFY(wexa::WriteProjectBytes(w.GetProject()) == before);
    QCOMPARE(w.Text(F::ProjectLength), QStringLiteral("7.5"));
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("Untitled[*] - Wexa"));
    QVERIFY(w.Recent().isEmpty());
}

void DocumentTest::openingWhatIsNotAFileIsRefusedWithoutWaiting() {
    Window w;
    QVERIFY(w.Active);
    const QString fifo = w.Path(QStringLiteral("waiting.wxa"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = w.Path(QStringLiteral("folder.wxa"));
    QVERIFY(QDir().mkdir(folder));

    // By the Open dialog, and as a file named on the command line or in the
    // recent list is opened.
    w.Prompts().OpenAnswer = fifo;
    w.Frame().Actions().Open->trigger();
    QVERIFY(!w.Doc().OpenFile(folder));
    const QString fifoRefused = w.Prompts().TakeMessage(QStringLiteral("Wexa")).Text;
    QVERIFY(fifoRefused.contains(fifo));
    QVERIFY(fifoRefused.contains(QStringLiteral("not a file")));
    QVERIFY(w.Prompts().TakeMessage(QStringLiteral("Wexa")).Text.contains(folder));
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("Untitled[*] - Wexa"));
    QVERIFY(w.Recent().isEmpty());
}

void DocumentTest::recentListKeepsTheFourNewestFiles() {
    Window w;
    QVERIFY(w.Active);
    QVERIFY(!w.Frame().Actions().RecentFiles[0]->isEnabled());
    for (int i = 1; i <= 5; ++i) {
        w.Prompts().SaveAsAnswer = w.Path(QStringLiteral("p%1.wxa").arg(i));
        w.Frame().Actions().SaveAs->trigger();
    }
    const QStringList expected{w.Path("p5.wxa"), w.Path("p4.wxa"), w.Path("p3.wxa"),
                               w.Path("p2.wxa")};
    QCOMPARE(w.Recent(), expected);
    w.Settings().beginGroup(QStringLiteral("Recent File List"));
    QCOMPARE(w.Settings().value(QStringLiteral("File1")).toString(), expected[0]);
    QCOMPARE(w.Settings().value(QStringLiteral("File4")).toString(), expected[3]);
    w.Settings().endGroup();
    QVERIFY(w.Frame().Actions().RecentFiles[3]->text().startsWith(QStringLiteral("&4 ")));

    // Opening a listed file moves it to the top; the list is read back by
    // the next window.
    w.Frame().Actions().RecentFiles[2]->trigger();
    QCOMPARE(w.Recent().first(), expected[2]);
    Window next(w.Settings().fileName());
    QCOMPARE(next.Recent().first(), expected[2]);
}

void DocumentTest::recentFileThatCannotBeFoundIsOfferedForRemoval() {
    Window w;
    QVERIFY(w.Active);
    for (const char* name : {"gone.wxa", "here.wxa"}) {
        w.Prompts().SaveAsAnswer = w.Path(QLatin1String(name));
        w.Frame().Actions().SaveAs->trigger();
    }
    QVERIFY(QFile::remove(w.Path(QStringLiteral("gone.wxa"))));
    QAction* gone = w.Frame().Actions().RecentFiles[1];
    QVERIFY(gone->text().endsWith(QStringLiteral("gone.wxa")));
    w.Prompts().Clear();

    // No: the entry stays, and nothing is opened or reported.
    w.Prompts().YesAnswer = false;
    gone->trigger();
    const QString question = w.Prompts().TakeQuestion(QStringLiteral("Wexa")).Text;
    QVERIFY(question.contains(w.Path(QStringLiteral("gone.wxa"))));
    QVERIFY(question.contains(QStringLiteral("Remove")));
    QCOMPARE(w.Recent().size(), 2);
    QCOMPARE(w.Frame().windowTitle(), QStringLiteral("here.wxa[*] - Wexa"));

    // Yes: it leaves the list, the menu and the settings store.
    w.Prompts().YesAnswer = true;
    gone->trigger();
    w.Prompts().TakeQuestion(QStringLiteral("Wexa"));
    QCOMPARE(w.Recent(), QStringList{w.Path(QStringLiteral("here.wxa"))});
    QVERIFY(!w.Frame().Actions().RecentFiles[1]->isVisible());
    QCOMPARE(Window(w.Settings().fileName()).Recent(), w.Recent());

    // A file that is there is opened without a question.
    w.Prompts().Clear();
    w.Frame().Actions().RecentFiles[0]->trigger();
}

// Moving through the alternatives and activities of a project just opened
// leaves it unmodified, even where stepping recomputes an expected year.
void DocumentTest::browsingIsNoEdit() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    QVERIFY(w.Doc().Open());
    QVERIFY(w.GetProject().NumberOfAlternatives > 1);
    for (int alternative = 0; alternative <= w.GetProject().NumberOfAlternatives; ++alternative) {
        for (int activity = 0; activity <= w.GetProject().NumberOfActivities; ++activity) {
            w.Click(wexa::ui::FormButton::NextWorkActivity);
        }
        w.Click(wexa::ui::FormButton::NextAlternative);
    }
    QVERIFY(!w.Doc().IsModified());
    QVERIFY(!w.Frame().isWindowModified());
    // An edit after browsing still counts.
    w.Enter(F::ProjectDescription, QStringLiteral("changed"));
    QVERIFY(w.Doc().IsModified());
}

void DocumentTest::anEditAfterReopeningLandsInTheActivityOnScreen() {
    Window w;
    QVERIFY(w.Active);
    const QString urban = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    QVERIFY(w.Doc().OpenFile(urban));
    w.Click(wexa::ui::FormButton::NextAlternative);
    QCOMPARE(w.GetProject().CurrentAlternative, 2);
    QVERIFY(w.Doc().OpenFile(urban));
    const wexa::Project& p = w.GetProject();
    QCOMPARE(p.CurrentAlternative, 1);
    const int shown = wexa::ActivitySlot(1, 1);
    const int other = wexa::ActivitySlot(2, 1);
    const wexa::Int32 otherHours = p.ActivityRequiredTime[other];
    QCOMPARE(w.Text(F::RequiredTime), QString::number(p.ActivityRequiredTime[shown]));
    // A description longer than its box is readable whole in its tooltip.
    QCOMPARE(w.Box(F::ActivityDescription)->toolTip(),
             QString::fromStdString(p.ActivityDescriptions[shown]));
    w.Enter(F::RequiredTime, QStringLiteral("2700"));
    QCOMPARE(p.ActivityRequiredTime[shown], 2700);
    QCOMPARE(p.ActivityRequiredTime[other], otherHours);
    QVERIFY(w.Doc().IsModified());
}

void DocumentTest::recentEntriesAreShortenedToThirtyCharacters_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short enough") << "/home/ann/route9.wxa"
                                  << "/home/ann/route9.wxa";
    QTest::newRow("leading folders left out") << "/home/ann/projects/district 4/route9.wxa"
                                              << "…/district 4/route9.wxa";
    QTest::newRow("only the name fits") << "/srv/a-very-long-folder-name/route-nine-overlay.wxa"
                                        << "…/route-nine-overlay.wxa";
    QTest::newRow("name alone too long") << "/p/route-nine-mill-and-overlay-with-widening.wxa"
                                         << "route-nine-mill-and-overlay-w…";
}

void DocumentTest::recentEntriesAreShortenedToThirtyCharacters() {
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(wexa::app::ShortenedPath(path), shown);
    QVERIFY(wexa::app::ShortenedPath(path).size() <= 30);
}

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
