#pragma once

#include "forms/FormEffects.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wexa::forms {

// FormEffects that remember every call instead of showing anything: the fake
// the form-logic tests inject.
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

    void ShowControl(std::string_view control, bool visible) override {
        Visible.insert_or_assign(std::string(control), visible);
        Events.push_back((visible ? "show:" : "hide:") + std::string(control));
    }

    void EnableControl(std::string_view control, bool enabled) override {
        Enabled.insert_or_assign(std::string(control), enabled);
        Events.push_back((enabled ? "enable:" : "disable:") + std::string(control));
    }

    std::optional<std::string> AskFileName(const FileNameRequest& request) override {
        FileRequests.push_back(request);
        Events.push_back("ask-file:" + request.InitialName);
        return FileAnswer;
    }

    bool AskYesNo(std::string_view message, std::string_view caption) override {
        Questions.push_back({std::string(message), std::string(caption), MessageIcon::Exclamation});
        Events.push_back("ask:" + std::string(caption));
        return YesAnswer;
    }

    // True unless the control was last hidden (or disabled): controls start
    // visible and enabled, as the window lays them out.
    [[nodiscard]] bool IsVisible(std::string_view control) const {
        const auto it = Visible.find(control);
        return it == Visible.end() || it->second;
    }
    [[nodiscard]] bool IsEnabled(std::string_view control) const {
        const auto it = Enabled.find(control);
        return it == Enabled.end() || it->second;
    }

    // Forgets the calls; the visible and enabled states stay, as they would on
    // a screen.
    void Clear() {
        Messages.clear();
        Focus.clear();
        Events.clear();
        FileRequests.clear();
        Questions.clear();
    }

    std::vector<Message> Messages;
    std::vector<std::string> Focus;
    // The last state each control was given.
    std::map<std::string, bool, std::less<>> Visible;
    std::map<std::string, bool, std::less<>> Enabled;
    // The file dialogs asked for, and what the user picks in each: a full
    // path, or nothing for Cancel.
    std::vector<FileNameRequest> FileRequests;
    std::optional<std::string> FileAnswer;
    // The Yes/No questions asked, and the answer to each: Yes unless a test
    // says No.
    std::vector<Message> Questions;
    bool YesAnswer = true;
    // Every call in the order they came, as "message:CAPTION",
    // "focus:CONTROL", "show:"/"hide:CONTROL", "enable:"/"disable:CONTROL",
    // "ask-file:INITIAL NAME" and "ask:CAPTION", for the tests where the
    // order matters.
    std::vector<std::string> Events;
};

} // namespace wexa::forms
