#pragma once

#include "forms/FileNameRequest.h"
#include "simulation/AnalysisChecks.h"
#include "simulation/CheckFailure.h"

#include <optional>
#include <string>
#include <string_view>

namespace wexa::forms {

enum class MessageIcon { Exclamation, Information };

// The one seam between the form logic and the screen. The window implements it
// with modal message boxes and keyboard focus; tests record the calls.
//
// Controls are named by strings: on the main form, the code name of the
// Project field the control edits ("WorkZoneLength", "NumberOfAlternatives"),
// so that a CheckFailure's FocusField can be passed on as it is; a dialog
// names its own controls with the constants it publishes (WorkZoneControl for
// the work-zone timing dialog). The window maps each name to its widget.
class FormEffects {
public:
    virtual ~FormEffects() = default;

    // A modal message box with an OK button; returns when it is closed.
    virtual void ShowMessage(std::string_view message, std::string_view caption,
                             MessageIcon icon) = 0;

    // Gives the keyboard focus to the named control.
    virtual void MoveFocus(std::string_view control) = 0;

    // Shows or hides the named control. A hidden control keeps its value and
    // is still exchanged; only the user no longer sees it.
    virtual void ShowControl(std::string_view control, bool visible) = 0;

    // Lets the user edit or press the named control, or greys it out.
    virtual void EnableControl(std::string_view control, bool enabled) = 0;

    // Asks for a file name with the platform's modal file dialog: the chosen
    // full path, or nothing when the user cancelled. Not pure, so that an
    // implementation without file dialogs needs nothing: it answers nothing.
    virtual std::optional<std::string> AskFileName(const FileNameRequest& /*request*/) {
        return std::nullopt;
    }

    // A modal question with the buttons Yes and No and a warning icon: true
    // for Yes. Asked before a step the user may want to stop: a run on
    // figures that look out of date, or a switch that clears typed values.
    // Every implementation answers it: what a screenless caller should
    // answer depends on the question, so there is no default.
    virtual bool AskYesNo(std::string_view message, std::string_view caption) = 0;
};

// A refused value as the window shows it: an exclamation message box, then the
// focus on the control of the field, if any control shows it.
void ShowCheckFailure(FormEffects& effects, const CheckFailure& failure);

// A refused run as every window shows it: each message in turn, then the
// focus on the control the last one names. A cancelled run shows nothing.
void ShowRunRefusal(FormEffects& effects, const RunRefusal& refusal);

} // namespace wexa::forms
