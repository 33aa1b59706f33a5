#pragma once

#include "ui/Prompts.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <optional>
#include <source_location>
#include <utility>
#include <vector>

namespace wexa::ui::testing {

// Prompts that show nothing: every box is recorded and answered from the
// presets, so a test drives the window without ever waiting on a modal box.
//
// Message boxes, Yes/No questions and save questions are strict: a test
// takes each one it caused (TakeMessage, TakeQuestion, TakeSaveQuestion...),
// and one that no test took fails the test, with its caption and text, at
// Clear() or when the prompts go at the test's end. So a box that no one
// expected cannot pass unseen.
class PresetPrompts final : public Prompts {
public:
    struct Message {
        QString Text;
        QString Caption;
        forms::MessageIcon Icon;
    };

    PresetPrompts() = default;
    PresetPrompts(const PresetPrompts&) = delete;
    PresetPrompts& operator=(const PresetPrompts&) = delete;
    // Outside a test function (the picture programs) no one takes the boxes.
    ~PresetPrompts() override {
        if (QTest::currentTestFunction() != nullptr) {
            FailOnUntaken("left when the test ended", std::source_location::current());
        }
    }

    void ShowMessage(const QString& message, const QString& caption,
                     forms::MessageIcon icon) override {
        messages_.push_back({message, caption, icon});
        if (WhileMessageShown) {
            WhileMessageShown();
        }
    }
    bool AskYesNo(const QString& message, const QString& caption) override {
        questions_.push_back({message, caption, forms::MessageIcon::Exclamation});
        asking_ = true;
        closed_ = false;
        if (WhileQuestionShown) {
            WhileQuestionShown();
        }
        asking_ = false;
        return YesAnswer && !closed_;
    }
    void CloseQuestion() override {
        closed_ = asking_;
        QuestionsClosed += asking_ ? 1 : 0;
    }
    SaveChoice AskSaveChanges(const QString& documentName) override {
        saveQuestions_.push_back(documentName);
        return SaveAnswer;
    }
    // Open and save dialogs of project files are answered apart, so a test
    // can preset both; other requests get FileAnswer.
    std::optional<QString> AskFileName(const forms::FileNameRequest& request) override {
        FileRequests.push_back(request);
        if (request.DefaultSuffix == "wxa") {
            return request.MustExist ? OpenAnswer : SaveAsAnswer;
        }
        return FileAnswer;
    }
    // The dialog is not shown: OnDialog may act on it as the user would
    // (fill it in, press its buttons); its result is what it ended with.
    int RunDialog(QDialog& dialog) override {
        Dialogs.append(dialog.windowTitle());
        if (OnDialog) {
            OnDialog(dialog);
        }
        return dialog.result();
    }

    void ShowHelp(const QString& section) override { HelpSections.append(section); }

    // The oldest message not yet taken, which must have `caption`: taking
    // them one by one checks their order too.
    Message TakeMessage(const QString& caption,
                        std::source_location at = std::source_location::current()) {
        return TakeOldest(messages_, "message", caption, at);
    }
    // The captions of every message not yet taken, oldest first.
    [[nodiscard]] QStringList TakeCaptions() {
        QStringList captions;
        for (const Message& message : std::exchange(messages_, {})) {
            captions.append(message.Caption);
        }
        return captions;
    }
    // The oldest Yes/No question not yet taken, which must have `caption`.
    Message TakeQuestion(const QString& caption,
                         std::source_location at = std::source_location::current()) {
        return TakeOldest(questions_, "question", caption, at);
    }
    // The oldest "Save changes?" question not yet taken, which must name
    // `documentName`.
    void TakeSaveQuestion(const QString& documentName,
                          std::source_location at = std::source_location::current()) {
        TakeOldest(saveQuestions_, "save question", documentName, at);
    }

    // Every box no test took, as "kind \"caption\": text".
    [[nodiscard]] QStringList Untaken() const {
        QStringList untaken;
        for (const Message& m : messages_) {
            untaken.append(Describe("message", m));
        }
        for (const Message& m : questions_) {
            untaken.append(Describe("question", m));
        }
        for (const QString& document : saveQuestions_) {
            untaken.append(Describe("save question", document));
        }
        return untaken;
    }

    // Forgets the calls, once every box so far has been taken.
    void Clear(std::source_location at = std::source_location::current()) {
        FailOnUntaken("not taken before Clear()", at);
        FileRequests.clear();
        Dialogs.clear();
        HelpSections.clear();
    }

    // Run inside ShowMessage and AskYesNo, as the user's time with a real
    // box would.
    std::function<void()> WhileMessageShown;
    std::function<void()> WhileQuestionShown;
    // Questions the program closed while they were open.
    int QuestionsClosed = 0;
    // The answers to every Yes/No and every save question.
    bool YesAnswer = true;
    SaveChoice SaveAnswer = SaveChoice::Cancel;
    std::vector<forms::FileNameRequest> FileRequests;
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAsAnswer;
    std::optional<QString> FileAnswer;
    QStringList Dialogs;
    std::function<void(QDialog&)> OnDialog;
    QStringList HelpSections;

private:
    bool asking_ = false;
    bool closed_ = false;

    static QString Describe(const char* kind, const Message& m) {
        return QStringLiteral("%1 \"%2\": %3").arg(QLatin1String(kind), m.Caption, m.Text);
    }
    static QString Describe(const char* kind, const QString& document) {
        return QStringLiteral("%1 \"%2\"").arg(QLatin1String(kind), document);
    }
    static QString NameOf(const Message& m) { return m.Caption; }
    static QString NameOf(const QString& document) { return document; }

    template <typename Box>
    static Box TakeOldest(std::vector<Box>& pending, const char* kind, const QString& name,
                          const std::source_location& at) {
        if (pending.empty()) {
            Fail(QStringLiteral("expected the %1 \"%2\", but none is left")
                     .arg(QLatin1String(kind), name),
                 at);
            return {};
        }
        Box oldest = std::move(pending.front());
        pending.erase(pending.begin());
        if (NameOf(oldest) != name) {
            Fail(QStringLiteral("expected the %1 \"%2\", the next one is %3")
                     .arg(QLatin1String(kind), name, Describe(kind, oldest)),
                 at);
        }
        return oldest;
    }

    void FailOnUntaken(const char* when, const std::source_location& at) {
        for (const QString& box : Untaken()) {
            Fail(QStringLiteral("no test took the %1 (%2)").arg(box, QLatin1String(when)), at);
        }
        messages_.clear();
        questions_.clear();
        saveQuestions_.clear();
    }

    static void Fail(const QString& report, const std::source_location& at) {
        QTest::qFail(qPrintable(report), at.file_name(), static_cast<int>(at.line()));
    }

    std::vector<Message> messages_;
    std::vector<Message> questions_;
    std::vector<QString> saveQuestions_;
};

} // namespace wexa::ui::testing
