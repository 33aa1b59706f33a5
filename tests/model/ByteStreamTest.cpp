#include "model/ByteStream.h"
#include "ByteBuilder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace wexa {
namespace {

using testing::ByteBuilder;
using testing::Bytes;

Bytes Concat(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(ByteStream, NumbersAreLittleEndian) {
    ByteWriter writer;
    writer.Write(std::int32_t{100});
    writer.Write(std::int32_t{-2});
    writer.Write(6.0);
    EXPECT_EQ(writer.Bytes(), (Bytes{0x64, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, //
                                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x40}));
}

TEST(ByteStream, RealsKeepEveryBit) {
    const std::vector<std::uint64_t> patterns = {
        std::bit_cast<std::uint64_t>(-0.0),
        std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity()),
        std::bit_cast<std::uint64_t>(-std::numeric_limits<double>::infinity()),
        std::bit_cast<std::uint64_t>(std::numeric_limits<double>::denorm_min()),
        0x7FF8000000000001ULL, // quiet NaN with a payload
        0xFFF0000000000001ULL, // signalling NaN, sign set
    };
    ByteWriter writer;
    for (const std::uint64_t bits : patterns) {
        writer.Write(std::bit_cast<double>(bits));
    }
    ByteReader reader(writer.Bytes());
    for (const std::uint64_t bits : patterns) {
        double value = 0.0;
        ASSERT_TRUE(reader.Read(value));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), bits);
    }
    EXPECT_EQ(reader.Remaining(), 0U);
}

struct PrefixCase {
    std::size_t length;
    Bytes prefix;
};

class StringPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(StringPrefix, IsWrittenInTheShortestFormAndReadBack) {
    const std::string text(GetParam().length, 'x');
    ByteWriter writer;
    writer.Write(text);
    const Bytes expected = Concat(GetParam().prefix, Bytes(text.begin(), text.end()));
    ASSERT_EQ(writer.Bytes().size(), expected.size());
    EXPECT_TRUE(writer.Bytes() == expected) << "prefix differs for length " << text.size();

    ByteReader reader(writer.Bytes());
    std::string read;
    ASSERT_TRUE(reader.Read(read));
    EXPECT_EQ(read, text);
    EXPECT_EQ(reader.Remaining(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StringPrefix,
    ::testing::Values(PrefixCase{0, {0x00}}, PrefixCase{1, {0x01}}, PrefixCase{254, {0xFE}},
                      PrefixCase{255, {0xFF, 0xFF, 0x00}}, PrefixCase{256, {0xFF, 0x00, 0x01}},
                      PrefixCase{65533, {0xFF, 0xFD, 0xFF}},
                      // 0xFFFE marks a wide string and 0xFFFF the 32-bit form, so
                      // 65534 is the first length that needs 32 bits.
                      PrefixCase{65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                      PrefixCase{65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
                      PrefixCase{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

TEST(ByteStream, EveryWindows1252ByteSurvivesAReadAndAWrite) {
    Bytes all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<unsigned char>(byte));
    }
    const Bytes file = Concat({0xFF, 0x00, 0x01}, all);
    ByteReader reader(file);
    std::string text;
    ASSERT_TRUE(reader.Read(text));
    ByteWriter writer;
    writer.Write(text);
    EXPECT_TRUE(writer.Bytes() == file);
}

TEST(ByteStream, TextOutside1252IsWrittenAsQuestionMarks) {
    ByteWriter writer;
    writer.Write(std::string_view("\u20AC \u65E5"));
    EXPECT_EQ(writer.Bytes(), (Bytes{0x03, 0x80, ' ', '?'}));
}

struct WideCase {
    const char* name;
    Bytes file;
    std::string text;
};

class WideString : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideString, IsReadAsUtf8AndConsumesExactlyItsBytes) {
    // A number after the string shows the reader stopped at the right byte.
    const Bytes file = Concat(GetParam().file, {0x2A, 0x00, 0x00, 0x00});
    ByteReader reader(file);
    std::string text;
    std::int32_t after = 0;
    ASSERT_TRUE(reader.Read(text));
    ASSERT_TRUE(reader.Read(after));
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(after, 42);
}

Bytes WideRepeated(Bytes prefix, std::size_t count, unsigned char unit) {
    for (std::size_t i = 0; i < count; ++i) {
        prefix.push_back(unit);
        prefix.push_back(0x00);
    }
    return prefix;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WideString,
    ::testing::Values(
        WideCase{"Empty", {0xFF, 0xFE, 0xFF, 0x00}, ""},
        WideCase{"Latin", {0xFF, 0xFE, 0xFF, 0x03, 'H', 0x00, 'i', 0x00, 0xE9, 0x00}, "Hi\u00E9"},
        WideCase{"SurrogatePair", {0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}, "\U0001F600"},
        WideCase{"UnpairedSurrogate", {0xFF, 0xFE, 0xFF, 0x02, 0x00, 0xD8, 'A', 0x00}, "?A"},
        WideCase{"SixteenBitCount", WideRepeated({0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01}, 256, 'w'),
                 std::string(256, 'w')},
        WideCase{
            "ThirtyTwoBitCount",
            WideRepeated({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}, 65535, 'w'),
            std::string(65535, 'w')}),
    [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    Bytes file;
};

class MalformedString : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedString, FailsAndLeavesTheTargetAlone) {
    ByteReader reader(GetParam().file);
    std::string text = "unchanged";
    EXPECT_FALSE(reader.Read(text));
    EXPECT_EQ(text, "unchanged");
    // The failure sticks, even for a read that would fit in what is left.
    std::string next = "also unchanged";
    EXPECT_FALSE(reader.Read(next));
    EXPECT_EQ(next, "also unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedString,
    ::testing::Values(
        MalformedCase{"Empty", {}}, MalformedCase{"ShortText", {0x05, 'a', 'b'}},
        MalformedCase{"CutInSixteenBitLength", {0xFF, 0x00}},
        MalformedCase{"CutInThirtyTwoBitLength", {0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        MalformedCase{"ClaimsFourGigabytes", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}},
        MalformedCase{"ClaimsOneMegabyte", {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00, 'a'}},
        MalformedCase{"WideCutInCount", {0xFF, 0xFE, 0xFF}},
        MalformedCase{"WideShortUnits", {0xFF, 0xFE, 0xFF, 0x03, 'A', 0x00, 'B'}},
        // 2^31 units would be 2^32 bytes: the size check must not overflow.
        MalformedCase{"WideClaimsTwoGigaUnits",
                      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'A', 0x00}},
        MalformedCase{"NestedWide", {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 'A', 0x00}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ByteStream, ReadingPastTheEndOfNumbersFails) {
    const Bytes threeBytes = {0x01, 0x02, 0x03};
    ByteReader reader(threeBytes);
    std::int32_t integer = 7;
    double real = 7.0;
    EXPECT_FALSE(reader.Read(integer));
    EXPECT_FALSE(reader.Read(real));
    EXPECT_EQ(integer, 7);
    EXPECT_EQ(real, 7.0);
    // The failure sticks: the bytes would hold a one-character string.
    std::string text = "unchanged";
    EXPECT_FALSE(reader.Read(text));
    EXPECT_EQ(text, "unchanged");
}

} // namespace
} // namespace wexa
