#pragma once

#include "forms/RecordingEffects.h"

#include <functional>

namespace wexa::forms::testing {

// The message boxes a check shows move the focus; the window reports that as
// other boxes losing the focus while the handler still runs. These effects
// record every call and run OnMessage while a message is up, so a test can
// send those reports where the window would.
class ReentrantEffects final : public FormEffects {
public:
    void ShowMessage(std::string_view message, std::string_view caption,
                     MessageIcon icon) override {
        Recorded.ShowMessage(message, caption, icon);
        if (OnMessage) {
            OnMessage();
        }
    }
    void MoveFocus(std::string_view control) override { Recorded.MoveFocus(control); }
    void ShowControl(std::string_view control, bool visible) override {
        Recorded.ShowControl(control, visible);
    }
    void EnableControl(std::string_view control, bool enabled) override {
        Recorded.EnableControl(control, enabled);
    }
    bool AskYesNo(std::string_view message, std::string_view caption) override {
        return Recorded.AskYesNo(message, caption);
    }

    RecordingEffects Recorded;
    std::function<void()> OnMessage;
};

} // namespace wexa::forms::testing
