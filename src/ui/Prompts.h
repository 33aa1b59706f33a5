#pragma once

#include "forms/DocumentState.h"
#include "forms/FileNameRequest.h"
#include "forms/FormEffects.h"

#include <QString>

#include <optional>

class QDialog;

namespace wexa::ui {

using SaveChoice = forms::SaveChoice;

// Every modal box the window shows goes through this one interface: message
// boxes, the question before unsaved changes are dropped, the file dialogs
// and the window's own dialogs. The window gets it
// injected; the program's implementation shows real boxes, the widget tests
// one that records each call and answers from presets, so no test ever waits
// on a modal box.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button and the given icon.
    virtual void ShowMessage(const QString& message, const QString& caption,
                             forms::MessageIcon icon) = 0;

    // A question with Yes and No and a warning icon: true for Yes.
    virtual bool AskYesNo(const QString& message, const QString& caption) = 0;
    // Closes the question AskYesNo shows, when one is open, as if No was
    // answered: for a question that what happened meanwhile made moot.
    virtual void CloseQuestion() = 0;

    // Asked before the project on screen is replaced or the program ends
    // while it holds changes that are not saved.
    virtual SaveChoice AskSaveChanges(const QString& documentName) = 0;

    // A file dialog: the chosen full path, or nothing when the user
    // cancelled.
    virtual std::optional<QString> AskFileName(const forms::FileNameRequest& request) = 0;

    // Runs a modal dialog to its end; its result (QDialog::Accepted or
    // Rejected).
    virtual int RunDialog(QDialog& dialog) = 0;

    // Shows the user guide at a section (HelpSections.h).
    virtual void ShowHelp(const QString& section) = 0;
};

} // namespace wexa::ui
