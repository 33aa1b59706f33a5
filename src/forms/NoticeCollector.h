#pragma once

#include "forms/FormEffects.h"

#include <string>
#include <vector>

namespace wexa::forms {

// FormEffects for a caller without a screen (the command line, the checks
// before a run): the messages a dialog would show are kept, in order, for
// the caller to print or drop; focus and visibility mean nothing there. No
// one is there to answer, so every question is declined and every file
// dialog cancelled.
class NoticeCollector final : public FormEffects {
public:
    struct Notice {
        std::string Text;
        std::string Caption;
    };

    void ShowMessage(std::string_view message, std::string_view caption,
                     MessageIcon /*icon*/) override {
        Notices.push_back({std::string(message), std::string(caption)});
    }
    void MoveFocus(std::string_view /*control*/) override {}
    void ShowControl(std::string_view /*control*/, bool /*visible*/) override {}
    void EnableControl(std::string_view /*control*/, bool /*enabled*/) override {}
    bool AskYesNo(std::string_view /*message*/, std::string_view /*caption*/) override {
        return false;
    }

    std::vector<Notice> Notices;
};

} // namespace wexa::forms
