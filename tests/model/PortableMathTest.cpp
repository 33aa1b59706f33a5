#include "model/PortableMath.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <gnu/libc-version.h>

#include <cmath>
#endif

namespace wexa {
namespace {

using testing::Bits;

double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// One call and glibc's result, as tests/data/libm/make-expectations.sh wrote
// them.
struct Expectation {
    std::string function;
    double x = 0;
    double y = 0; // pow's exponent
    std::uint64_t result = 0;
};

std::vector<Expectation> ReadExpectations(const std::string& build) {
    std::filesystem::path file = std::filesystem::path(WEXA_LIBM_DATA_DIR) / build;
    file += ".txt";
    std::ifstream in(file);
    std::vector<Expectation> calls;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        Expectation call;
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        words >> call.function >> std::hex >> x;
        if (call.function == "pow") {
            words >> y;
        }
        words >> call.result;
        call.x = FromBits(x);
        call.y = FromBits(y);
        calls.push_back(call);
    }
    return calls;
}

using Unary = double (*)(double);
using Binary = double (*)(double, double);

struct Functions {
    Binary pow;
    Unary log;
    Unary sin;
    Unary cos;
};

double Call(const Functions& functions, const Expectation& call) {
    if (call.function == "pow") {
        return functions.pow(call.x, call.y);
    }
    const Unary unary = call.function == "log"   ? functions.log
                        : call.function == "sin" ? functions.sin
                                                 : functions.cos;
    return unary(call.x);
}

// Every call of the file gives glibc's bits; the first few that do not are
// named.
void ExpectGlibcBits(const std::string& build, const Functions& functions) {
    const std::vector<Expectation> calls = ReadExpectations(build);
    ASSERT_EQ(calls.size(), 2400U) << build << ".txt is missing or cut short";
    int wrong = 0;
    for (const Expectation& call : calls) {
        const std::uint64_t got = Bits(Call(functions, call));
        if (got != call.result && ++wrong <= 5) {
            std::ostringstream arguments;
            arguments << std::hexfloat << call.x;
            if (call.function == "pow") {
                arguments << ", " << call.y;
            }
            ADD_FAILURE() << build << " " << call.function << "(" << arguments.str() << ") gives "
                          << std::hex << got << ", glibc " << call.result;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << calls.size() << " calls in " << build << ".txt";
}

// The arguments include, for each function, 400 where glibc's two builds
// round apart: the calls a compiler that fused other operations than GCC
// does when it builds glibc would get wrong first.
TEST(PortableMath, EachBuildGivesTheBitsOfGlibcsOwn) {
    ExpectGlibcBits("sse2", {wexa_pow_sse2, wexa_log_sse2, wexa_sin_sse2, wexa_cos_sse2});
    if (wexa_libm_uses_fma() == 0) {
        GTEST_SKIP() << "no FMA and AVX2 here: the FMA build cannot run";
    }
    ExpectGlibcBits("fma", {wexa_pow_fma, wexa_log_fma, wexa_sin_fma, wexa_cos_fma});
}

// What the program calls is the build glibc would choose on this processor.
TEST(PortableMath, TheProgramCallsTheBuildGlibcChoosesHere) {
    ExpectGlibcBits(wexa_libm_uses_fma() != 0 ? "fma" : "sse2", {Pow, Log, Sin, Cos});
}

#ifdef __GLIBC__
// Where the system's C library is the one the functions were taken from,
// they agree with it over many more arguments of the kinds the program
// passes, whichever build this processor runs.
TEST(PortableMath, AgreesWithTheSystemsGlibc236) {
    if (std::string(gnu_get_libc_version()) != "2.36") {
        GTEST_SKIP() << "glibc " << gnu_get_libc_version() << " here, not 2.36";
    }
    std::mt19937_64 source(2026);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int wrong = 0;
    for (int i = 0; i < 250000; ++i) {
        const double rate = 1.0 + (unit(source) - 0.3) * 0.4;
        const double years =
            static_cast<double>(source() % 120) + (i % 2 == 0 ? unit(source) * 60 : 0);
        const double u = unit(source) + 0x1p-60;
        const double angle =
            i % 10 == 0 ? (unit(source) - 0.5) * 1e6 : 6.283185307178 * unit(source);
        wrong += Bits(Pow(rate, years)) != Bits(std::pow(rate, years));
        wrong += Bits(Log(u)) != Bits(std::log(u));
        wrong += Bits(Sin(angle)) != Bits(std::sin(angle));
        wrong += Bits(Cos(angle)) != Bits(std::cos(angle));
    }
    EXPECT_EQ(wrong, 0) << "of a million calls";
}
#endif

} // namespace
} // namespace wexa
