#pragma once

#include "forms/FormEffects.h"

#include <QString>

#include <optional>

class QDialog;

namespace wexa::ui {

// The answer to "Save changes to NAME?".
enum class SaveChoice { Save, Discard, Cancel };

// Every modal box the window shows goes through this one interface: message
// boxes, the question before unsaved changes are dropped, the file dialogs
// and the small fixed dialogs (disclaimer, About). The window gets it
// injected; the program's implementation shows real boxes, the widget tests
// one that records each call and answers from presets, so no test ever waits
// on a modal box.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button and the given icon.
    virtual void ShowMessage(const QString& message, const QString& caption,
                             forms::MessageIcon icon) = 0;

    // Asked before the project on screen is replaced or the program ends
    // while it holds changes that are not saved.
    virtual SaveChoice AskSaveChanges(const QString& documentName) = 0;

    // The project file to open, or nothing when the user cancelled.
    virtual std::optional<QString> AskOpenFileName() = 0;

    // Where to save the project, starting from `suggestedPath`; nothing when
    // the user cancelled. A name typed without extension gets ".wxa".
    virtual std::optional<QString> AskSaveFileName(const QString& suggestedPath) = 0;

    // Runs a modal dialog to its end.
    virtual void RunDialog(QDialog& dialog) = 0;
};

} // namespace wexa::ui
