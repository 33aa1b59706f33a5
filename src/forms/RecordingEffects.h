#pragma once

#include "forms/FormEffects.h"

#include <string>
#include <vector>

namespace wexa::forms {

// FormEffects that remember every call instead of showing anything: the fake
// the form-logic and widget tests inject, and what the command line uses to
// collect the notices a dialog would have shown.
class RecordingEffects final : public FormEffects {
public:
    struct Message {
        std::string Text;
        std::string Caption;
        MessageIcon Icon;
    };

    void ShowMessage(std::string_view message, std::string_view caption,
                     MessageIcon icon) override {
        Messages.push_back({std::string(message), std::string(caption), icon});
        Events.push_back("message:" + std::string(caption));
    }

    void MoveFocus(std::string_view control) override {
        Focus.emplace_back(control);
        Events.push_back("focus:" + std::string(control));
    }

    void Clear() {
        Messages.clear();
        Focus.clear();
        Events.clear();
    }

    std::vector<Message> Messages;
    std::vector<std::string> Focus;
    // Both kinds of call in the order they came, as "message:CAPTION" and
    // "focus:CONTROL", for the tests where the order matters.
    std::vector<std::string> Events;
};

} // namespace wexa::forms
