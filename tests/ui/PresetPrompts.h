#pragma once

#include "ui/Prompts.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace wexa::ui::testing {

// Prompts that show nothing: every box is recorded and answered from the
// presets, so a test drives the window without ever waiting on a modal box.
class PresetPrompts final : public Prompts {
public:
    struct Message {
        QString Text;
        QString Caption;
        forms::MessageIcon Icon;
    };
    void ShowMessage(const QString& message, const QString& caption,
                     forms::MessageIcon icon) override {
        Messages.push_back({message, caption, icon});
        if (WhileMessageShown) {
            WhileMessageShown();
        }
    }
    bool AskYesNo(const QString& message, const QString& caption) override {
        Questions.push_back({message, caption, forms::MessageIcon::Exclamation});
        return YesAnswer;
    }
    SaveChoice AskSaveChanges(const QString& documentName) override {
        SaveQuestions.append(documentName);
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

    [[nodiscard]] QStringList Captions() const {
        QStringList captions;
        for (const Message& m : Messages) {
            captions.append(m.Caption);
        }
        return captions;
    }
    void Clear() {
        Messages.clear();
        SaveQuestions.clear();
        Questions.clear();
        FileRequests.clear();
        Dialogs.clear();
        HelpSections.clear();
    }

    std::vector<Message> Messages;
    // Runs inside ShowMessage, as the user's time with a real box would.
    std::function<void()> WhileMessageShown;
    // Yes/No questions and the answer to every one of them.
    std::vector<Message> Questions;
    bool YesAnswer = true;
    QStringList SaveQuestions;
    SaveChoice SaveAnswer = SaveChoice::Cancel;
    std::vector<forms::FileNameRequest> FileRequests;
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAsAnswer;
    std::optional<QString> FileAnswer;
    QStringList Dialogs;
    std::function<void(QDialog&)> OnDialog;
    QStringList HelpSections;
};

} // namespace wexa::ui::testing
