#include "forms/FileNameRequest.h"

#include "model/TextEncoding.h"

#include <utility>

namespace wexa::forms {

namespace {

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string> PatternsOf(std::string_view patterns) {
    std::vector<std::string> result;
    while (!patterns.empty()) {
        const auto end = patterns.find(';');
        const std::string_view pattern = Trim(patterns.substr(0, end));
        if (!pattern.empty()) {
            result.emplace_back(pattern == "*.*" ? "*" : pattern);
        }
        patterns = end == std::string_view::npos ? std::string_view() : patterns.substr(end + 1);
    }
    return result;
}

// The label without a trailing "(...)" that only repeats the patterns: the
// toolkit's list writes the patterns itself.
std::string LabelOf(std::string_view label, const std::vector<std::string>& patterns) {
    label = Trim(label);
    const auto open = label.rfind('(');
    if (open != std::string_view::npos && label.back() == ')' &&
        PatternsOf(label.substr(open + 1, label.size() - open - 2)) == patterns) {
        label = Trim(label.substr(0, open));
    }
    return std::string(label);
}

} // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
    std::vector<FileFilter> filters;
    std::size_t at = 0;
    while (at < filter.size()) {
        const auto labelEnd = filter.find('|', at);
        const std::string_view label = filter.substr(at, labelEnd - at);
        if (labelEnd == std::string_view::npos || Trim(label).empty()) {
            break;
        }
        const auto patternsEnd = filter.find('|', labelEnd + 1);
        const std::string_view patterns = filter.substr(
            labelEnd + 1, patternsEnd == std::string_view::npos ? std::string_view::npos
                                                                : patternsEnd - labelEnd - 1);
        std::vector<std::string> matched = PatternsOf(patterns);
        std::string shown = LabelOf(label, matched);
        filters.push_back({std::move(shown), std::move(matched)});
        if (patternsEnd == std::string_view::npos) {
            break;
        }
        at = patternsEnd + 1;
    }
    return filters;
}

std::string NameFilterList(const std::vector<FileFilter>& filters) {
    std::string list;
    for (const FileFilter& filter : filters) {
        if (!list.empty()) {
            list += ";;";
        }
        list += filter.Label + " (";
        for (std::size_t i = 0; i < filter.Patterns.size(); ++i) {
            list += (i == 0 ? "" : " ") + filter.Patterns[i];
        }
        list += ")";
    }
    return list;
}

std::string NotWrittenMessage(std::string_view what, const std::string& fileName,
                              const std::string& reason) {
    return "The " + std::string(what) + " could not be saved to \"" + PrintableText(fileName) +
           "\":\n" + reason + "\nNothing was written.";
}

} // namespace wexa::forms
