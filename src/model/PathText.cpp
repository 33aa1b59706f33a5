#include "model/PathText.h"

#include "model/TextEncoding.h"

#include <span>

namespace wexa {

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows paths are UTF-16");

std::filesystem::path PathFromText(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    return std::filesystem::path(std::wstring(units.begin(), units.end()));
}

std::string TextFromPath(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    const std::u16string units(native.begin(), native.end());
    return Utf16ToUtf8(std::span<const char16_t>(units.data(), units.size()));
}
#else
std::filesystem::path PathFromText(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

std::string TextFromPath(const std::filesystem::path& path) {
    return path.native();
}
#endif

std::string DisplayPath(const std::filesystem::path& path) {
    return PrintableText(TextFromPath(path));
}

} // namespace wexa
