#include "cli/TextFormat.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace wexa::cli {
namespace {

TEST(PrintableText, EscapesEveryControlCharacterAndKeepsOtherText) {
    using namespace std::string_literals;
    // C0 controls (NUL included), DEL and the C1 controls U+0080 and U+009F.
    EXPECT_EQ(PrintableText("a\0b\tc\nd\x1B[1m\x7F"s), "a\\x00b\\x09c\\x0Ad\\x1B[1m\\x7F");
    EXPECT_EQ(PrintableText("\xC2\x80|\xC2\x9F"), "\\x80|\\x9F");
    // U+00A0 and up, and characters whose later bytes lie in 80-9F (the euro
    // sign is E2 82 AC), are text.
    const std::string text = "caf\xC3\xA9 \xE2\x82\xAC 5 \xC2\xA0\\x41 \xF0\x9F\x98\x80";
    EXPECT_EQ(PrintableText(text), text);
    EXPECT_EQ(PrintableText(""), "");
}

TEST(EchoedText, CutsAfterSixtyCharactersNotBytes) {
    const std::string sixty(60, 'k');
    EXPECT_EQ(EchoedText(sixty), sixty);
    EXPECT_EQ(EchoedText(sixty + "z"), sixty + "...");
    EXPECT_EQ(EchoedText(std::string(100'000, 'k')), sixty + "...");

    std::string accents;
    for (int i = 0; i < 61; ++i) {
        accents += "\xC3\xA9"; // two bytes, one character
    }
    EXPECT_EQ(EchoedText(accents.substr(0, 120)), accents.substr(0, 120));
    EXPECT_EQ(EchoedText(accents), accents.substr(0, 120) + "...");

    // Control characters count as one and are escaped within the cut.
    EXPECT_EQ(EchoedText(std::string(59, 'k') + "\x1B\x1B"), std::string(59, 'k') + "\\x1B...");
}

TEST(FormatFixed, RoundsTheExactValueAndKeepsEveryDigit) {
    EXPECT_EQ(FormatFixed(1234.5678, 2), "1234.57");
    EXPECT_EQ(FormatFixed(-90262.49, 2), "-90262.49");
    EXPECT_EQ(FormatFixed(-622820.0, 0), "-622820");
    // 2.5 is exact and rounds to even; 0.125 is exact too.
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.12");
    // 1e300 in full: a 1 and 300 digits, no exponent.
    EXPECT_EQ(FormatFixed(1e300, 0).size(), 301u);
    EXPECT_EQ(FormatFixed(-1.7976931348623157e308, 2).size(), 1u + 309u + 3u);
}

TEST(WriteTable, ColumnsAsWideAsTheirWidestCell) {
    std::ostringstream out;
    WriteTable(out, {{"Name", "Value", "Note"}, {"a", "12345", "x"}, {"longer", "1"}}, 1);
    EXPECT_EQ(out.str(), "Name    Value  Note\n"
                         "a       12345     x\n"
                         "longer      1\n");
}

} // namespace
} // namespace wexa::cli
