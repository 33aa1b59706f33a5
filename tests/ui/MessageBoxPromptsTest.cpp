// The program's own prompts, with real modal boxes: what each box shows and
// which answer its buttons give back. Every other window test answers
// through PresetPrompts; this one runs the boxes the user sees.
#include "ui/MessageBoxPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

using wexa::forms::MessageIcon;
using wexa::ui::SaveChoice;

Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(SaveChoice)

namespace {

constexpr int kModalWait = 5000; // ms for a modal box to come up

// Closes every modal widget still open, innermost first: a box that `act`
// left open, or that a failed check returned from, would otherwise keep the
// test waiting for ever.
void RejectOpenModals() {
    for (int guard = 0; guard < 4; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
}

// Acts on the modal widget the next prompt opens, a W, from inside its
// event loop, as the user would; Seen() says whether it came. A modal that
// takes longer than kModalWait fails the test, and whatever is still open
// when the act ends is rejected, so no check can leave the test blocked.
template <typename W> class OnNextModal {
public:
    explicit OnNextModal(std::function<void(W&)> act) {
        QTimer::singleShot(0, &context_, [this, act = std::move(act)] {
            struct Closer {
                ~Closer() { RejectOpenModals(); }
            } closer;
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() != nullptr, kModalWait);
            seen_ = true;
            auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
            QVERIFY2(modal != nullptr, "the modal widget is of another kind");
            act(*modal);
        });
    }

    [[nodiscard]] bool Seen() const { return seen_; }

private:
    QObject context_; // a pending act goes with the test that scheduled it
    bool seen_ = false;
};

// The box says `text` under `title`, with `icon` and exactly `buttons`.
void VerifyBox(const QMessageBox& box, const QString& title, const QString& text,
               QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    QCOMPARE(box.windowTitle(), title);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.icon(), icon);
    QCOMPARE(box.standardButtons(), buttons);
}

void Press(QMessageBox& box, QMessageBox::StandardButton button) {
    QAbstractButton* shown = box.button(button);
    QVERIFY2(shown != nullptr, "the box has no such button");
    shown->click();
}

} // namespace

class MessageBoxPromptsTest : public QObject {
    Q_OBJECT
private slots:
    void showMessageHasOkAndTheIconOfItsKind_data();
    void showMessageHasOkAndTheIconOfItsKind();
    void aLongCaptionFitsTheBoxOfAShortMessage();
    void askYesNoWarnsAndEnterAloneAnswersNo_data();
    void askYesNoWarnsAndEnterAloneAnswersNo();
    void askSaveChangesMapsEachButton_data();
    void askSaveChangesMapsEachButton();
    void askFileNameOpensOrSavesAsRequested_data();
    void askFileNameOpensOrSavesAsRequested();
    void runDialogReturnsTheDialogsResult_data();
    void runDialogReturnsTheDialogsResult();

private:
    QWidget window_; // the main window the boxes are centred on
    wexa::ui::MessageBoxPrompts prompts_;
};

void MessageBoxPromptsTest::showMessageHasOkAndTheIconOfItsKind_data() {
    QTest::addColumn<MessageIcon>("kind");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("refusal") << MessageIcon::Exclamation << QMessageBox::Warning;
    QTest::newRow("notice") << MessageIcon::Information << QMessageBox::Information;
}

void MessageBoxPromptsTest::showMessageHasOkAndTheIconOfItsKind() {
    QFETCH(MessageIcon, kind);
    QFETCH(QMessageBox::Icon, icon);
    prompts_.SetParent(&window_);
    OnNextModal<QMessageBox> answer([&](QMessageBox& box) {
        VerifyBox(box, QStringLiteral("Length Error"),
                  QStringLiteral("The work zone is longer than the project."), icon,
                  QMessageBox::Ok);
        QCOMPARE(box.parentWidget(), &window_);
        Press(box, QMessageBox::Ok);
    });
    prompts_.ShowMessage(QStringLiteral("The work zone is longer than the project."),
                         QStringLiteral("Length Error"), kind);
    QVERIFY(answer.Seen());
}

void MessageBoxPromptsTest::aLongCaptionFitsTheBoxOfAShortMessage() {
    prompts_.SetParent(&window_);
    OnNextModal<QMessageBox> answer([&](QMessageBox& box) {
        // The caption and, beside it, the title bar's icon and buttons.
        QVERIFY(box.width() > box.fontMetrics().horizontalAdvance(box.windowTitle()) + 100);
        Press(box, QMessageBox::Ok);
    });
    prompts_.ShowMessage(QStringLiteral("Below -100."), QStringLiteral("Discount Rate Range Error"),
                         MessageIcon::Exclamation);
    QVERIFY(answer.Seen());
}

void MessageBoxPromptsTest::askYesNoWarnsAndEnterAloneAnswersNo_data() {
    QTest::addColumn<QMessageBox::StandardButton>("pressed");
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
}

void MessageBoxPromptsTest::askYesNoWarnsAndEnterAloneAnswersNo() {
    QFETCH(QMessageBox::StandardButton, pressed);
    QFETCH(bool, yes);
    OnNextModal<QMessageBox> answer([&](QMessageBox& box) {
        VerifyBox(box, QStringLiteral("Type of Analysis"),
                  QStringLiteral("Switch to a deterministic analysis?"), QMessageBox::Warning,
                  QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
        Press(box, pressed);
    });
    QCOMPARE(prompts_.AskYesNo(QStringLiteral("Switch to a deterministic analysis?"),
                               QStringLiteral("Type of Analysis")),
             yes);
    QVERIFY(answer.Seen());
}

void MessageBoxPromptsTest::askSaveChangesMapsEachButton_data() {
    QTest::addColumn<QMessageBox::StandardButton>("pressed");
    QTest::addColumn<SaveChoice>("choice");
    QTest::newRow("save") << QMessageBox::Save << SaveChoice::Save;
    QTest::newRow("discard") << QMessageBox::Discard << SaveChoice::Discard;
    QTest::newRow("cancel") << QMessageBox::Cancel << SaveChoice::Cancel;
}

void MessageBoxPromptsTest::askSaveChangesMapsEachButton() {
    QFETCH(QMessageBox::StandardButton, pressed);
    QFETCH(SaveChoice, choice);
    OnNextModal<QMessageBox> answer([&](QMessageBox& box) {
        VerifyBox(box, QStringLiteral("Wexa"), QStringLiteral("Save changes to route9.wxa?"),
                  QMessageBox::Warning,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(box.defaultButton(), box.button(QMessageBox::Save));
        Press(box, pressed);
    });
    QCOMPARE(prompts_.AskSaveChanges(QStringLiteral("route9.wxa")), choice);
    QVERIFY(answer.Seen());
}

void MessageBoxPromptsTest::askFileNameOpensOrSavesAsRequested_data() {
    QTest::addColumn<bool>("opening");
    QTest::addColumn<QString>("typed"); // empty: Cancel
    QTest::addColumn<QString>("chosen");
    QTest::newRow("open") << true << "route9.wxa"
                          << "route9.wxa";
    QTest::newRow("save adds the suffix") << false << "route10"
                                          << "route10.wxa";
    QTest::newRow("cancelled") << true << QString() << QString();
}

void MessageBoxPromptsTest::askFileNameOpensOrSavesAsRequested() {
    QFETCH(bool, opening);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("route9.wxa")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    wexa::forms::FileNameRequest request;
    request.Filters = {{"Wexa Projects", {"*.wxa"}}, {"All Files", {"*"}}};
    request.MustExist = opening;
    request.ConfirmOverwrite = !opening;
    request.DefaultSuffix = "wxa";
    OnNextModal<QFileDialog> answer([&](QFileDialog& dialog) {
        QCOMPARE(dialog.windowTitle(),
                 opening ? QStringLiteral("Open") : QStringLiteral("Save As"));
        QCOMPARE(dialog.acceptMode(), opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        QCOMPARE(dialog.fileMode(), opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        QCOMPARE(dialog.testOption(QFileDialog::DontConfirmOverwrite), opening);
        QCOMPARE(dialog.defaultSuffix(), QStringLiteral("wxa"));
        QCOMPARE(dialog.nameFilters(), (QStringList{QStringLiteral("Wexa Projects (*.wxa)"),
                                                    QStringLiteral("All Files (*)")}));
        if (typed.isEmpty()) {
            dialog.reject();
            return;
        }
        dialog.setDirectory(folder.path());
        dialog.selectFile(typed);
        static_cast<QDialog&>(dialog).accept(); // as its Open or Save button does
    });
    const std::optional<QString> path = prompts_.AskFileName(request);
    QVERIFY(answer.Seen());
    if (chosen.isEmpty()) {
        QVERIFY(!path.has_value());
    } else {
        QVERIFY(path.has_value());
        QCOMPARE(QDir::cleanPath(*path), QDir::cleanPath(folder.filePath(chosen)));
    }
}

void MessageBoxPromptsTest::runDialogReturnsTheDialogsResult_data() {
    QTest::addColumn<int>("result");
    QTest::newRow("accepted") << int(QDialog::Accepted);
    QTest::newRow("rejected") << int(QDialog::Rejected);
}

void MessageBoxPromptsTest::runDialogReturnsTheDialogsResult() {
    QFETCH(int, result);
    QDialog dialog;
    OnNextModal<QDialog> answer([&](QDialog& modal) {
        QCOMPARE(&modal, &dialog);
        dialog.done(result);
    });
    QCOMPARE(prompts_.RunDialog(dialog), result);
    QVERIFY(answer.Seen());
}

QTEST_MAIN(MessageBoxPromptsTest)
#include "MessageBoxPromptsTest.moc"
