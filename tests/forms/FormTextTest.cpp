#include "forms/FormText.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wexa::forms {
namespace {

using testing::ByCaseName;

enum class Parser { Integer, Real, Unsigned };

// What a text reads as in a box of each kind; nullopt when it is refused.
struct ParseCase {
    const char* name;
    Parser parser;
    std::string text;
    std::optional<double> value;
};

std::optional<double> Parse(Parser parser, const std::string& text) {
    if (parser == Parser::Real) {
        return ParseReal(text);
    }
    if (parser == Parser::Unsigned) {
        const auto value = ParseUnsigned(text);
        return value ? std::optional<double>(*value) : std::nullopt;
    }
    const auto value = ParseInteger(text);
    return value ? std::optional<double>(*value) : std::nullopt;
}

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, AcceptsWellFormedNumbersOnly) {
    EXPECT_EQ(Parse(GetParam().parser, GetParam().text), GetParam().value);
}

constexpr Parser kInt = Parser::Integer;
constexpr Parser kReal = Parser::Real;
constexpr Parser kUnsigned = Parser::Unsigned;
constexpr std::nullopt_t kRefused = std::nullopt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ParseTest, ::testing::Values(
    ParseCase{"int plain", kInt, "55", 55}, ParseCase{"int negative", kInt, "-12", -12},
    ParseCase{"int plus sign", kInt, "+7", 7}, ParseCase{"int minus zero", kInt, "-0", 0},
    ParseCase{"int blanks around", kInt, " \t42 \t", 42},
    ParseCase{"int largest", kInt, "2147483647", INT_MAX},
    ParseCase{"int smallest", kInt, "-2147483648", INT_MIN},
    ParseCase{"int one past largest", kInt, "2147483648", kRefused},
    ParseCase{"int far past largest", kInt, "99999999999999999999", kRefused},
    ParseCase{"int one past smallest", kInt, "-2147483649", kRefused},
    ParseCase{"int empty", kInt, "", kRefused}, ParseCase{"int blanks only", kInt, "   ", kRefused},
    ParseCase{"int trailing letters", kInt, "12abc", kRefused},
    ParseCase{"int fraction", kInt, "5.0", kRefused}, ParseCase{"int exponent", kInt, "1e3", kRefused},
    ParseCase{"int inner blank", kInt, "5 5", kRefused}, ParseCase{"int two signs", kInt, "+-5", kRefused},
    ParseCase{"int sign alone", kInt, "-", kRefused}, ParseCase{"int hexadecimal", kInt, "0x10", kRefused},
    ParseCase{"int line break after", kInt, "5\n", kRefused},
    ParseCase{"real plain", kReal, "2.5", 2.5}, ParseCase{"real integer", kReal, "7", 7.0},
    ParseCase{"real leading point", kReal, ".5", 0.5}, ParseCase{"real trailing point", kReal, "5.", 5.0},
    ParseCase{"real exponent", kReal, "1e3", 1000.0}, ParseCase{"real plus sign", kReal, "+0.25", 0.25},
    ParseCase{"real negative", kReal, "-1.5", -1.5}, ParseCase{"real blanks around", kReal, "\t 4.0 ", 4.0},
    ParseCase{"real subnormal", kReal, "4.94065645841247e-324", 4.94065645841247e-324},
    ParseCase{"real empty", kReal, "", kRefused}, ParseCase{"real trailing letters", kReal, "1.5x", kRefused},
    ParseCase{"real dangling exponent", kReal, "1e", kRefused},
    ParseCase{"real decimal comma", kReal, "1,5", kRefused}, ParseCase{"real overflow", kReal, "1e400", kRefused},
    ParseCase{"real underflow to zero", kReal, "1e-400", kRefused},
    ParseCase{"real infinity", kReal, "inf", kRefused},
    ParseCase{"real negative infinity", kReal, "-infinity", kRefused},
    ParseCase{"real not a number", kReal, "nan", kRefused},
    ParseCase{"real hexadecimal", kReal, "0x1p3", kRefused}, ParseCase{"real two signs", kReal, "+-1", kRefused},
    ParseCase{"unsigned zero", kUnsigned, " 0 ", 0}, ParseCase{"unsigned largest", kUnsigned, "4294967295", 4294967295.0},
    ParseCase{"unsigned one past largest", kUnsigned, "4294967296", kRefused},
    ParseCase{"unsigned negative", kUnsigned, "-1", kRefused}, ParseCase{"unsigned fraction", kUnsigned, "7.5", kRefused}),
    ByCaseName());
// clang-format on

// The form shows reals as printf's "%.15g" does (the tests run in the C
// locale, so printf is a fair oracle), and what it shows reads back as the
// same value rounded to 15 digits.
TEST(FormatRealTest, ShowsFifteenSignificantDigitsAndReadsBack) {
    for (const double value : {0.0, -0.0, 1.0, 100.0 / 105.0, 0.1 + 0.2, 2095.0, 1e20, -1e-7,
                               123456789012345678.0, 1.0 / 3.0, 4.94065645841247e-324, 1e300}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15g", value);
        const std::string shown = FormatReal(value);
        EXPECT_EQ(shown, expected);
        const auto back = ParseReal(shown);
        ASSERT_TRUE(back.has_value()) << shown;
        EXPECT_EQ(FormatReal(*back), shown);
    }
}

} // namespace
TEST(Ordinal, EndsAsItIsSaid) {
    const std::vector<std::pair<int, std::string>> cases{
        {1, "1st"},   {2, "2nd"},     {3, "3rd"},     {4, "4th"},     {10, "10th"},   {11, "11th"},
        {12, "12th"}, {13, "13th"},   {21, "21st"},   {22, "22nd"},   {23, "23rd"},   {50, "50th"},
        {90, "90th"}, {100, "100th"}, {101, "101st"}, {111, "111th"}, {112, "112th"}, {0, "0th"}};
    for (const auto& [n, said] : cases) {
        EXPECT_EQ(Ordinal(n), said);
    }
}

} // namespace wexa::forms
