#include "model/TextEncoding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace wexa {
namespace {

TEST(TextEncoding, EveryByteDecodesToItsOwnCharacterAndEncodesBack) {
    std::set<std::string> decodedForms;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        const std::string utf8 = Windows1252ToUtf8(original);
        decodedForms.insert(utf8);
        EXPECT_EQ(Utf8ToWindows1252(utf8), original) << "byte " << byte;
    }
    EXPECT_EQ(decodedForms.size(), 256U) << "two bytes decode to the same character";
}

struct Decoding {
    unsigned char byte;
    std::string utf8;
};

class DecodeByte : public ::testing::TestWithParam<Decoding> {};

TEST_P(DecodeByte, GivesTheWindows1252Character) {
    const std::string onDisk(1, static_cast<char>(GetParam().byte));
    EXPECT_EQ(Windows1252ToUtf8(onDisk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, DecodeByte,
    ::testing::Values(Decoding{0x41, "A"}, Decoding{0x00, std::string(1, '\0')},
                      Decoding{0x80, "\u20AC"}, Decoding{0x8A, "\u0160"}, Decoding{0x99, "\u2122"},
                      Decoding{0x9F, "\u0178"}, Decoding{0xA0, "\u00A0"}, Decoding{0xE9, "\u00E9"},
                      Decoding{0xFF, "\u00FF"},
                      // The five bytes 1252 leaves undefined keep their number.
                      Decoding{0x81, "\xC2\x81"}, Decoding{0x8D, "\xC2\x8D"},
                      Decoding{0x8F, "\xC2\x8F"}, Decoding{0x90, "\xC2\x90"},
                      Decoding{0x9D, "\xC2\x9D"}));

struct Encoding {
    std::string utf8;
    std::string onDisk;
};

class EncodeText : public ::testing::TestWithParam<Encoding> {};

TEST_P(EncodeText, WritesWhat1252CanHoldAndAQuestionMarkOtherwise) {
    EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().onDisk);
}

INSTANTIATE_TEST_SUITE_P(Representable, EncodeText,
                         ::testing::Values(Encoding{"", ""},
                                           Encoding{"Caf\u00E9 \u20AC!", "Caf\xE9 \x80!"},
                                           Encoding{"\u017D\u0153\u2014", "\x8E\x9C\x97"}));

// CJK, outside the BMP, a C1 control that has no byte of its own, Latin
// Extended-A.
INSTANTIATE_TEST_SUITE_P(NotIn1252, EncodeText,
                         ::testing::Values(Encoding{"\u65E5\u672C", "??"},
                                           Encoding{"a\U0001F600z", "a?z"}, Encoding{"\u0080", "?"},
                                           Encoding{"\u0100", "?"}));

// One question mark per byte that is not part of a well-formed sequence: a
// sequence cut after its lead byte, cut before a letter, a lone continuation
// byte, a byte never valid, overlong forms, an encoded surrogate, and a
// code point above U+10FFFF.
INSTANTIATE_TEST_SUITE_P(MalformedUtf8, EncodeText,
                         ::testing::Values(Encoding{"\xC3", "?"}, Encoding{"\xE2\x82z", "??z"},
                                           Encoding{"\x80", "?"}, Encoding{"a\xFFz", "a?z"},
                                           Encoding{"\xC0\x80", "??"},
                                           Encoding{"\xE0\x80\xAF", "???"},
                                           Encoding{"\xED\xA0\x80", "???"},
                                           Encoding{"\xF4\x90\x80\x80", "????"}));

struct Utf16Case {
    std::u16string units;
    std::string utf8;
};

class DecodeUtf16 : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(DecodeUtf16, JoinsPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(GetParam().units), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, DecodeUtf16,
    ::testing::Values(Utf16Case{u"", ""}, Utf16Case{u"Hi \u00E9\u20AC", "Hi \u00E9\u20AC"},
                      Utf16Case{{0xD83D, 0xDE00}, "\U0001F600"},
                      Utf16Case{{0xDBFF, 0xDFFF}, "\U0010FFFF"},
                      Utf16Case{{0xD800, u'A'}, "?A"},   // high without its low
                      Utf16Case{{u'A', 0xD800}, "A?"},   // high at the very end
                      Utf16Case{{0xDC00}, "?"},          // low alone
                      Utf16Case{{0xDE00, 0xD83D}, "??"}, // pair in the wrong order
                      Utf16Case{{0xD83D, 0xD83D, 0xDE00}, "?\U0001F600"}));

class EncodeUtf16 : public ::testing::TestWithParam<Utf16Case> {};

// The same pairs read the other way: well-formed text gives its units, and
// going back gives the text again.
TEST_P(EncodeUtf16, GivesTheUnitsOfWellFormedText) {
    EXPECT_EQ(Utf8ToUtf16(GetParam().utf8), GetParam().units);
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(GetParam().utf8)), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EncodeUtf16,
    ::testing::Values(Utf16Case{u"", ""}, Utf16Case{u"Hi \u00E9\u20AC", "Hi \u00E9\u20AC"},
                      Utf16Case{u"Stra\u00DFe \u6771\u4EAC", "Stra\u00DFe \u6771\u4EAC"},
                      Utf16Case{{0xD83D, 0xDE00}, "\U0001F600"},
                      Utf16Case{{0xDBFF, 0xDFFF}, "\U0010FFFF"}, Utf16Case{{0xFFFF}, "\uFFFF"},
                      Utf16Case{std::u16string(1, u'\0'), std::string(1, '\0')}));

// One '?' per byte that is not part of a well-formed sequence, as the
// encoding to 1252 does; what follows is read on.
TEST(EncodeUtf16, ReplacesEveryMalformedByte) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a?b");
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"?"); // cut short at the end
    EXPECT_EQ(Utf8ToUtf16("\xE6\x9D"
                          "A"),
              u"??A");                                   // cut short before a letter
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"??");           // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"???");      // an encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"????"); // above U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\x80\xC3\xA9"), u"?\u00E9");  // stray continuation byte
}

} // namespace
} // namespace wexa
