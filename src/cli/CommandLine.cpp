#include "cli/CommandLine.h"

#ifdef _WIN32
#include "model/TextEncoding.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <span>
#endif

namespace wexa::cli {

#ifdef _WIN32
namespace {

std::string Utf8FromWide(const wchar_t* wide) {
    const std::u16string units(wide, wide + std::wcslen(wide));
    return Utf16ToUtf8(std::span<const char16_t>(units.data(), units.size()));
}

} // namespace

std::vector<std::string> ArgumentsAsText(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    // The C library and the shell split a command line by the same rules;
    // should they ever disagree on the count, the arguments main() had stand.
    if (wide == nullptr || count != argc) {
        if (wide != nullptr) {
            LocalFree(wide);
        }
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        arguments.push_back(Utf8FromWide(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

Utf8Console::Utf8Console() {
    const UINT current = GetConsoleOutputCP();
    if (current != 0 && current != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        previous_ = current;
    }
}

Utf8Console::~Utf8Console() {
    if (previous_ != 0) {
        SetConsoleOutputCP(previous_);
    }
}
#else
std::vector<std::string> ArgumentsAsText(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;
#endif

} // namespace wexa::cli
