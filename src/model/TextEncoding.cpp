#include "model/TextEncoding.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>

namespace wexa {
namespace {

// Characters of the bytes 0x80..0x9F. The rest of the upper half is
// Latin-1, so its byte equals its code point.
constexpr std::array<char32_t, 32> kBytes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

constexpr char kReplacement = '?';

char32_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kBytes80To9F[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> EncodeCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kBytes80To9F.size(); ++i) {
        if (kBytes80To9F[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

struct DecodedCharacter {
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: the text does not start with a well-formed sequence
};

// Accepts exactly the well-formed sequences: no overlong forms, no encoded
// surrogates, nothing above U+10FFFF.
DecodedCharacter DecodeUtf8(std::string_view text) {
    const auto byteAt = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    // The range the second byte must lie in; later bytes are 0x80..0xBF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (text.size() < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(i);
        if (next < low || next > high) {
            return {};
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {codePoint, length};
}

// Calls `take` with each character of the text in turn, and with nullopt for
// each byte that is not part of a well-formed sequence.
template <typename Take> void ForEachCharacter(std::string_view utf8, Take take) {
    while (!utf8.empty()) {
        const DecodedCharacter decoded = DecodeUtf8(utf8);
        if (decoded.length == 0) {
            take(std::nullopt);
            utf8.remove_prefix(1);
        } else {
            take(decoded.codePoint);
            utf8.remove_prefix(decoded.length);
        }
    }
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// C0 controls and DEL are single bytes in UTF-8.
bool IsControlByte(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

// The C1 controls U+0080-U+009F are the byte C2 followed by 80-9F.
bool IsC1ControlAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
           static_cast<unsigned char>(text[i + 1]) >= 0x80;
}

void AppendHexEscape(std::string& out, unsigned char code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(code));
    out += buffer;
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(out, DecodeByte(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    ForEachCharacter(utf8, [&out](std::optional<char32_t> codePoint) {
        const std::optional<unsigned char> byte =
            codePoint ? EncodeCodePoint(*codePoint) : std::nullopt;
        out.push_back(byte ? static_cast<char>(*byte) : kReplacement);
    });
    return out;
}

std::string Utf16ToUtf8(std::span<const char16_t> units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            const char32_t high = unit - 0xD800;
            const char32_t low = units[i + 1] - 0xDC00;
            AppendUtf8(out, 0x10000 + ((high << 10) | low));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out.push_back(kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    ForEachCharacter(utf8, [&out](std::optional<char32_t> codePoint) {
        if (!codePoint) {
            out.push_back(kReplacement);
        } else if (*codePoint < 0x10000) {
            out.push_back(static_cast<char16_t>(*codePoint));
        } else {
            const char32_t offset = *codePoint - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
        }
    });
    return out;
}

std::string PrintableText(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsC1ControlAt(text, i)) {
            AppendHexEscape(printable, static_cast<unsigned char>(text[++i]));
        } else if (IsControlByte(static_cast<unsigned char>(text[i]))) {
            AppendHexEscape(printable, static_cast<unsigned char>(text[i]));
        } else {
            printable += text[i];
        }
    }
    return printable;
}

} // namespace wexa
