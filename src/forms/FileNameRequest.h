#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wexa::forms {

// One entry of a file dialog's type list.
struct FileFilter {
    // What the list shows, without the patterns: "Excel Files".
    std::string Label;
    // Shell patterns a file name is matched against, as on this system:
    // "*.xls"; "*" for every file.
    std::vector<std::string> Patterns;
};

// What the window's file dialog is asked for (FormEffects::AskFileName).
struct FileNameRequest {
    // The text the name box starts with; it may be a pattern such as "*.xls".
    std::string InitialName;
    // The type list in order; the first entry is selected.
    std::vector<FileFilter> Filters;
    // True when only an existing file may be chosen.
    bool MustExist = true;
    // True when choosing an existing file asks before it is replaced.
    bool ConfirmOverwrite = false;
    // Appended to a name typed without one; empty for none.
    std::string DefaultSuffix;
};

// The type list written as the desktop platform's filter string, label and
// patterns alternating between bars and the list ending at an empty label:
// "Excel Files (*.xls) |*.xls|All Files (*.*) |*.*||". Labels lose the
// blanks around them and a trailing "(...)" that repeats the patterns.
// Patterns are separated by ';' there; "*.*", which matches every name on
// that platform, becomes "*", because here it would leave out every file
// whose name has no dot.
[[nodiscard]] std::vector<FileFilter> ParseFileFilter(std::string_view filter);

// The type list as the toolkit's file dialog takes it: one entry
// "Label (pattern pattern)" per filter, entries joined by ";;".
[[nodiscard]] std::string NameFilterList(const std::vector<FileFilter>& filters);

// The message after a file the user chose could not be written: `what`
// ("chart", "comparison") names what was not saved, `reason` says why.
[[nodiscard]] std::string NotWrittenMessage(std::string_view what, const std::string& fileName,
                                            const std::string& reason);

} // namespace wexa::forms
