#include "model/PortableMath.h"

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
#include <cstdlib>
#include <regex>
#endif

namespace wexa {
namespace {

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// One call and the result of glibc's SSE2 build, as
// tests/data/libm/make-expectations.sh wrote them in sse2.txt.
struct Expectation {
    std::string function;
    double x = 0;
    double y = 0; // pow's exponent
    std::uint64_t result = 0;
};

std::vector<Expectation> ReadExpectations() {
    std::ifstream in(std::filesystem::path(WEXA_LIBM_DATA_DIR) / "sse2.txt");
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

double Call(const Expectation& call) {
    if (call.function == "pow") {
        return Pow(call.x, call.y);
    }
    return call.function == "log"   ? Log(call.x)
           : call.function == "sin" ? Sin(call.x)
                                    : Cos(call.x);
}

// The arguments include, for each function, 400 where glibc's SSE2 and FMA
// builds round apart: the calls a build that fused anything, by the
// compiler's choice or by glibc's own fused paths, would get wrong first.
// The library is built once, so every machine gives these bits, with or
// without FMA, x86-64 or ARM.
TEST(PortableMath, GivesTheBitsOfGlibcsSse2BuildOnEveryMachine) {
    const std::vector<Expectation> calls = ReadExpectations();
    ASSERT_EQ(calls.size(), 2400U) << "sse2.txt is missing or cut short";
    int wrong = 0;
    for (const Expectation& call : calls) {
        const std::uint64_t got = Bits(Call(call));
        if (got != call.result && ++wrong <= 5) {
            std::ostringstream arguments;
            arguments << std::hexfloat << call.x;
            if (call.function == "pow") {
                arguments << ", " << call.y;
            }
            ADD_FAILURE() << call.function << "(" << arguments.str() << ") gives " << std::hex
                          << got << ", glibc " << call.result;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << calls.size() << " calls in sse2.txt";
}

#ifdef __GLIBC__
// Whether glibc.cpu.hwcaps in the text of GLIBC_TUNABLES (null when it is
// not set) turns the feature off, as glibc.cpu.hwcaps=-AVX2,-FMA does FMA.
bool TunablesTurnOff(const char* tunables, const std::string& feature) {
    if (tunables == nullptr) {
        return false;
    }
    const std::regex hwcaps("(^|:)glibc\\.cpu\\.hwcaps=([^:]*)");
    std::cmatch match;
    if (!std::regex_search(tunables, match, hwcaps)) {
        return false;
    }
    std::istringstream features(match[2].str());
    std::string item;
    while (std::getline(features, item, ',')) {
        if (item == "-" + feature) {
            return true;
        }
    }
    return false;
}

TEST(PortableMath, ReadsWhichFeaturesGlibcTunablesTurnOff) {
    struct Case {
        const char* tunables;
        const char* feature;
        bool off;
    };
    const Case cases[] = {
        {nullptr, "FMA", false},
        {"glibc.cpu.hwcaps=-AVX2,-FMA", "FMA", true},
        {"glibc.cpu.hwcaps=-AVX2,-FMA", "AVX2", true},
        {"glibc.cpu.hwcaps=-AVX2,-FMA", "FMA4", false},
        {"glibc.cpu.hwcaps=-FMA4", "FMA", false},
        {"glibc.cpu.hwcaps=FMA", "FMA", false},
        {"glibc.malloc.check=3:glibc.cpu.hwcaps=-AVX2", "AVX2", true},
        {"glibc.cpu.hwcaps=-AVX2:glibc.malloc.check=3", "AVX2", true},
        {"glibc.cpu.hwcaps=-AVX2:glibc.malloc.check=-FMA", "FMA", false},
        {"glibc.cpu.x86_hwcaps=-FMA", "FMA", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TunablesTurnOff(c.tunables, c.feature), c.off)
            << (c.tunables != nullptr ? c.tunables : "(unset)") << ", " << c.feature;
    }
}

// Empty when the system's glibc runs the build of these functions that
// the library's equals (its SSE2 build, or the same code in AVX encoding);
// otherwise why not. glibc chooses as it loads: its FMA build where FMA and
// AVX2 are usable, else its FMA4 build where FMA4 is (as its
// sysdeps/x86_64/fpu/multiarch does); other processors have only a fused
// build.
std::string WhyGlibcRunsAnotherBuild() {
#if defined(__x86_64__)
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    const auto usable = [tunables](bool present, const char* feature) {
        return present && !TunablesTurnOff(tunables, feature);
    };
    if (usable(__builtin_cpu_supports("fma") != 0, "FMA") &&
        usable(__builtin_cpu_supports("avx2") != 0, "AVX2")) {
        return "this processor has FMA and AVX2, so glibc runs its FMA build; the ctest entry "
               "PortableMath.AgreesWithTheSystemsGlibc236.Sse2 runs this test with "
               "GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA,-FMA4";
    }
    if (usable(__builtin_cpu_supports("fma4") != 0, "FMA4")) {
        return "this processor has FMA4, so glibc runs its FMA4 build";
    }
    return "";
#else
    return "glibc is built with fused multiply-add for this processor";
#endif
}

// Where the system's C library is the one the functions were taken from
// and runs the build they equal, they agree with it over many more
// arguments of the kinds the program passes.
TEST(PortableMath, AgreesWithTheSystemsGlibc236) {
    if (std::string(gnu_get_libc_version()) != "2.36") {
        GTEST_SKIP() << "glibc " << gnu_get_libc_version() << " here, not 2.36";
    }
    if (const std::string why = WhyGlibcRunsAnotherBuild(); !why.empty()) {
        GTEST_SKIP() << why;
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
