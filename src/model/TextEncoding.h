#pragma once

#include <span>
#include <string>
#include <string_view>

namespace wexa {

// Strings live in memory as UTF-8; project files and reports carry them as
// 8-bit Windows-1252 text. The five byte values 1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control characters of the same
// number, so any byte string survives a decode and an encode unchanged.

// Every byte decodes to exactly one character; this never fails.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view bytes);

// A character that 1252 cannot hold becomes '?', and so does every byte of
// text that is not well-formed UTF-8 (one '?' per offending byte).
[[nodiscard]] std::string Utf8ToWindows1252(std::string_view utf8);

// UTF-16 code units (already in host order) to UTF-8. A surrogate without
// its partner becomes '?'.
[[nodiscard]] std::string Utf16ToUtf8(std::span<const char16_t> units);

// UTF-8 to UTF-16 code units. Every byte of text that is not well-formed
// UTF-8 becomes one '?'.
[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view utf8);

// UTF-8 text as it may go on one line of a terminal or a message box: every
// control character (U+0000-U+001F, U+007F and U+0080-U+009F, which a
// terminal acts on or which break the line) becomes \xNN, NN its code in
// hex; everything else is kept. A name or description from a file or the
// command line is shown through this, so no escape sequence in it reaches
// the terminal.
[[nodiscard]] std::string PrintableText(std::string_view text);

} // namespace wexa
