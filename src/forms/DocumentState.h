#pragma once

#include "model/Project.h"

#include <functional>
#include <string>
#include <vector>

namespace wexa::forms {

// The answer to "Save changes to NAME?".
enum class SaveChoice { Save, Discard, Cancel };

// What the window's document decides: the project file's name, whether the
// project holds changes not yet saved, and the window title. It holds no
// project; the window shows it the project when an edit must be told from
// browsing, and carries out what it decides: the questions, the file, the
// title.
//
// Unsaved changes are never dropped without a question: New, Open and
// closing the window ask "Save changes to NAME?" first when the project is
// modified, and Cancel stops them.
class DocumentState {
public:
    // Not yet named, unmodified, and `project` as saved.
    explicit DocumentState(const Project& project);

    // "Untitled" or the file's name.
    [[nodiscard]] std::string Title() const;
    // The main window's title, with "[*]" where the modified mark goes:
    // "Wexa - Untitled" at start-up, "NAME - Wexa" once the document has
    // been named by New, Open or Save.
    [[nodiscard]] std::string FrameTitle() const;
    // The name Save As offers: the file's full path, or "Untitled".
    [[nodiscard]] std::string SaveAsName() const;
    // The file's full path; empty while untitled.
    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] bool IsModified() const { return modified_; }

    // Names the document after `path` (empty: untitled): New, a file read or
    // written, and a read that failed, which leaves the project untitled.
    // The modified mark stays.
    void SetPath(std::string path);

    // Those below return true when the modified mark changed.

    // The user changed a value.
    bool MarkEdited();
    // A handler ended: the project is modified when what the user edits
    // (EditedContent) differs from what was saved, so browsing is no change.
    bool CheckForEdits(const Project& project);
    // The project as it is now counts as saved.
    bool MarkSaved(const Project& project);

    // The question before the project is dropped, asked through `ask` with
    // the title only when the project is modified; Save saves through
    // `save` first. True when the caller may go on: nothing to save, saved,
    // or discarded.
    [[nodiscard]] bool MayDrop(const std::function<SaveChoice(const std::string& title)>& ask,
                               const std::function<bool()>& save) const;

private:
    bool SetModified(bool modified);

    std::string path_;
    bool named_ = false;
    bool modified_ = false;
    std::vector<unsigned char> saved_;
};

} // namespace wexa::forms
