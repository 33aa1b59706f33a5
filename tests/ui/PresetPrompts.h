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
    SaveChoice AskSaveChanges(const QString& documentName) override {
        SaveQuestions.append(documentName);
        return SaveAnswer;
    }
    std::optional<QString> AskOpenFileName() override { return OpenAnswer; }
    std::optional<QString> AskSaveFileName(const QString& suggestedPath) override {
        SaveSuggestions.append(suggestedPath);
        return SaveAsAnswer;
    }
    void RunDialog(QDialog& dialog) override { Dialogs.append(dialog.windowTitle()); }

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
        SaveSuggestions.clear();
        Dialogs.clear();
    }

    std::vector<Message> Messages;
    // Runs inside ShowMessage, as the user's time with a real box would.
    std::function<void()> WhileMessageShown;
    QStringList SaveQuestions;
    SaveChoice SaveAnswer = SaveChoice::Cancel;
    std::optional<QString> OpenAnswer;
    QStringList SaveSuggestions;
    std::optional<QString> SaveAsAnswer;
    QStringList Dialogs;
};

} // namespace wexa::ui::testing
