#pragma once

#include "forms/FormEffects.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <source_location>
#include <string>
#include <utility>
#include <vector>

namespace wexa::forms {

// FormEffects that remember every call instead of showing anything: the fake
// the form-logic tests inject.
//
// Message boxes and questions are strict: a test takes each one it caused
// (TakeMessage, TakeMessages, TakeQuestion), and one that no test took fails
// the test, with its caption and text, at Clear() or when the effects go at
// the test's end. So a box that no one expected cannot pass unseen.
class RecordingEffects final : public FormEffects {
public:
    struct Message {
        std::string Text;
        std::string Caption;
        MessageIcon Icon;
    };

    RecordingEffects() = default;
    RecordingEffects(const RecordingEffects&) = delete;
    RecordingEffects& operator=(const RecordingEffects&) = delete;
    ~RecordingEffects() override { ExpectAllTaken(std::nullopt); }

    void ShowMessage(std::string_view message, std::string_view caption,
                     MessageIcon icon) override {
        messages_.push_back({std::string(message), std::string(caption), icon});
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
        questions_.push_back(
            {std::string(message), std::string(caption), MessageIcon::Exclamation});
        Events.push_back("ask:" + std::string(caption));
        return YesAnswer;
    }

    // The oldest message not yet taken, which must have `caption`: taking
    // them one by one checks their order too.
    Message TakeMessage(std::string_view caption,
                        std::source_location at = std::source_location::current()) {
        return TakeOldest(messages_, "message", caption, at);
    }
    // Every message not yet taken, oldest first.
    [[nodiscard]] std::vector<Message> TakeMessages() { return std::exchange(messages_, {}); }
    // The captions of TakeMessages().
    [[nodiscard]] std::vector<std::string> TakeCaptions() {
        std::vector<std::string> captions;
        for (const Message& message : TakeMessages()) {
            captions.push_back(message.Caption);
        }
        return captions;
    }
    // The oldest Yes/No question not yet taken, which must have `caption`.
    Message TakeQuestion(std::string_view caption,
                         std::source_location at = std::source_location::current()) {
        return TakeOldest(questions_, "question", caption, at);
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

    // Forgets the calls, once every message and question so far has been
    // taken; the visible and enabled states stay, as they would on a screen.
    void Clear(std::source_location at = std::source_location::current()) {
        ExpectAllTaken(at);
        Focus.clear();
        Events.clear();
        FileRequests.clear();
    }

    std::vector<std::string> Focus;
    // The last state each control was given.
    std::map<std::string, bool, std::less<>> Visible;
    std::map<std::string, bool, std::less<>> Enabled;
    // The file dialogs asked for, and what the user picks in each: a full
    // path, or nothing for Cancel.
    std::vector<FileNameRequest> FileRequests;
    std::optional<std::string> FileAnswer;
    // The answer to every Yes/No question: Yes unless a test says No.
    bool YesAnswer = true;
    // Every call in the order they came, as "message:CAPTION",
    // "focus:CONTROL", "show:"/"hide:CONTROL", "enable:"/"disable:CONTROL",
    // "ask-file:INITIAL NAME" and "ask:CAPTION", for the tests where the
    // order matters.
    std::vector<std::string> Events;

private:
    static Message TakeOldest(std::vector<Message>& pending, std::string_view kind,
                              std::string_view caption, std::source_location at) {
        if (pending.empty()) {
            ADD_FAILURE_AT(at.file_name(), static_cast<int>(at.line()))
                << "expected the " << kind << " \"" << caption << "\", but none is left";
            return {};
        }
        Message oldest = std::move(pending.front());
        pending.erase(pending.begin());
        if (oldest.Caption != caption) {
            ADD_FAILURE_AT(at.file_name(), static_cast<int>(at.line()))
                << "expected the " << kind << " \"" << caption << "\", the next one is \""
                << oldest.Caption << "\": " << oldest.Text;
        }
        return oldest;
    }

    // Fails the test, at `at` or at its end, on every box no test took.
    void ExpectAllTaken(std::optional<std::source_location> at) {
        for (const auto& [kind, pending] :
             {std::pair{"message", &messages_}, std::pair{"question", &questions_}}) {
            for (const Message& left : std::exchange(*pending, {})) {
                const std::string report = std::string("no test took the ") + kind + " \"" +
                                           left.Caption + "\": " + left.Text;
                if (at) {
                    ADD_FAILURE_AT(at->file_name(), static_cast<int>(at->line())) << report;
                } else {
                    ADD_FAILURE() << report << " (left when the test ended)";
                }
            }
        }
    }

    std::vector<Message> messages_;
    std::vector<Message> questions_;
};

} // namespace wexa::forms
