#include "forms/DocumentState.h"

#include "forms/ProjectEdits.h"
#include "model/PathText.h"

#include <filesystem>
#include <utility>

namespace wexa::forms {

namespace {

constexpr char kUntitled[] = "Untitled";

} // namespace

DocumentState::DocumentState(const Project& project) : saved_(EditedContent(project)) {}

std::string DocumentState::Title() const {
    return path_.empty() ? kUntitled : TextFromPath(PathFromText(path_).filename());
}

std::string DocumentState::FrameTitle() const {
    // Until New, Open or Save names the document, the program's name leads.
    if (!named_) {
        return "Wexa - Untitled[*]";
    }
    return Title() + "[*] - Wexa";
}

std::string DocumentState::SaveAsName() const {
    return path_.empty() ? kUntitled : path_;
}

void DocumentState::SetPath(std::string path) {
    path_ = std::move(path);
    named_ = true;
}

bool DocumentState::MarkEdited() {
    return SetModified(true);
}

bool DocumentState::CheckForEdits(const Project& project) {
    // Once modified, only saving clears the mark: no need to compare.
    return !modified_ && EditedContent(project) != saved_ && SetModified(true);
}

bool DocumentState::MarkSaved(const Project& project) {
    saved_ = EditedContent(project);
    return SetModified(false);
}

bool DocumentState::MayDrop(const std::function<SaveChoice(const std::string& title)>& ask,
                            const std::function<bool()>& save) const {
    if (!modified_) {
        return true;
    }
    switch (ask(Title())) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool DocumentState::SetModified(bool modified) {
    const bool changed = modified_ != modified;
    modified_ = modified;
    return changed;
}

} // namespace wexa::forms
