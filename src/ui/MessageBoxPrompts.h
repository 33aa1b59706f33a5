#pragma once

#include "ui/Prompts.h"

#include "ui/HelpWindow.h"

#include <QPointer>

class QMessageBox;
class QWidget;

namespace wexa::ui {

// The program's Prompts: real modal message boxes and file dialogs, centred
// on the main window once it is known.
class MessageBoxPrompts final : public Prompts {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const QString& message, const QString& caption,
                     forms::MessageIcon icon) override;
    bool AskYesNo(const QString& message, const QString& caption) override;
    void CloseQuestion() override;
    SaveChoice AskSaveChanges(const QString& documentName) override;
    // No is the default button: Enter alone drops nothing.
    std::optional<QString> AskFileName(const forms::FileNameRequest& request) override;
    int RunDialog(QDialog& dialog) override;
    // Beside the main window, or on top of a modal dialog while one is open.
    void ShowHelp(const QString& section) override;

private:
    QWidget* parent_ = nullptr;
    QPointer<CHelpWindow> help_;
    QPointer<QMessageBox> question_;
};

} // namespace wexa::ui
