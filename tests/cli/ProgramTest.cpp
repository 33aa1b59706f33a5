#include "support/CliResult.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

using ::testing::HasSubstr;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

// AddressSanitizer reserves far more address space than a test may limit.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

using ProgramResult = testing::CliResult;

// The real program with its arguments (quoted for the shell by the caller),
// after the shell commands in `before` (a resource limit).
ProgramResult RunProgram(const TempFolder& folder, const std::string& arguments,
                         const std::string& before = "") {
    const std::string command = before + WEXA_CLI_PATH + " " + arguments + " >'" +
                                folder.File("out") + "' 2>'" + folder.File("err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(folder / "out"),
            ReadText(folder / "err")};
}

TEST(Program, AnUnknownCommandIsNamedWithTheCommands) {
    TempFolder folder;
    const ProgramResult bogus = RunProgram(folder, "bogus file.wxa");
    EXPECT_EQ(bogus.status, 2);
    EXPECT_THAT(bogus.err, HasSubstr("unknown command \"bogus\""));
    EXPECT_THAT(bogus.err, HasSubstr("new, show, import, workzone, optimize, run"));
    EXPECT_EQ(bogus.out, "");

    // The name is echoed like any text from the input: short, and with no
    // control sequence reaching the terminal.
    const ProgramResult escape = RunProgram(folder, "\"$(printf '\\033[2J')\"");
    EXPECT_EQ(escape.status, 2);
    EXPECT_THAT(escape.err, HasSubstr("unknown command \"\\x1B[2J\""));

    // Without any command, or with an unknown option, CLI11 says what is missing.
    EXPECT_THAT(RunProgram(folder, "").err, HasSubstr("A subcommand is required"));
    EXPECT_EQ(RunProgram(folder, "--bogus").status, 2);
}

// The options reach the command: the seed and percentile come back in the
// JSON; a percentile that is not a whole number from 1 to 100 is a usage error.
TEST(Program, CompareTakesItsOptions) {
    TempFolder folder;
    const std::string example = std::string("'") + WEXA_EXAMPLES_DIR + "/urban-freeway.wxa'";
    const ProgramResult json =
        RunProgram(folder, "compare " + example + " --seed 9 --risk-percentile 100 --json");
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, HasSubstr("\"seed\": 9,"));
    EXPECT_THAT(json.out, HasSubstr("\"riskPercentile\": 100,"));

    const ProgramResult text = RunProgram(folder, "compare " + example + " --seed 9");
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("Choice at the 50th percentile: alternative "));

    for (const char* bad : {"0", "101", "abc", "50.5"}) {
        const ProgramResult usage =
            RunProgram(folder, "compare " + example + " --risk-percentile " + bad);
        EXPECT_EQ(usage.status, 2) << bad;
        EXPECT_EQ(usage.out, "") << bad;
        EXPECT_NE(usage.err, "") << bad;
    }
    EXPECT_EQ(RunProgram(folder, "compare").status, 2);
}

// The options reach the command as typed; one that is not a number is a
// usage error.
TEST(Program, SensitivityTakesItsOptions) {
    TempFolder folder;
    const std::string example = std::string("'") + WEXA_EXAMPLES_DIR + "/rural-two-lane.wxa'";
    const ProgramResult json =
        RunProgram(folder, "sensitivity " + example +
                               " --from 3 --to 5 --step 0.5 --swing 10 --pair 2,1 --json");
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_THAT(json.out, HasSubstr("\"from\": 3.0,\n    \"to\": 5.0,\n    \"step\": 0.5,"));
    EXPECT_THAT(json.out, HasSubstr("\"swing\": 10.0,"));
    EXPECT_THAT(json.out, HasSubstr("\"pair\": [\n      2,\n      1\n    ],"));

    const ProgramResult usage = RunProgram(folder, "sensitivity " + example + " --step abc");
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
    EXPECT_THAT(usage.err, HasSubstr("--step takes a number such as 2.5, not \"abc\"."));
}

// Every numeric option takes plain decimal text and nothing else: an empty
// value was seed 0 or a percentile "not 0", and hexadecimal was read as a
// number. Each is a usage error naming the option and the text, before the
// project is read or run.
TEST(Program, NumericOptionsTakePlainDecimalTextOnly) {
    struct Case {
        const char* arguments;
        const char* said;
    };
    const std::vector<Case> cases{
        {"run P --seed ''", R"(--seed takes a whole number from 0 to 4294967295, not "".)"},
        {"run P --seed 0x10", R"(--seed takes a whole number from 0 to 4294967295, not "0x10".)"},
        {"run P --seed -1", R"(--seed takes a whole number from 0 to 4294967295, not "-1".)"},
        {"run P --seed 4294967296", R"(not "4294967296".)"},
        {"compare P --seed 1e3", R"(--seed takes a whole number from 0 to 4294967295, not "1e3".)"},
        {"compare P --risk-percentile ''",
         R"(--risk-percentile takes a whole number such as 2, not "".)"},
        {"compare P --risk-percentile 0x10",
         R"(--risk-percentile takes a whole number such as 2, not "0x10".)"},
        {"workzone P --alternative 0x1 --activity 1",
         R"(--alternative takes a whole number such as 2, not "0x1".)"},
        {"workzone P --alternative 1 --activity ''",
         R"(--activity takes a whole number such as 2, not "".)"},
        {"sensitivity P --from 0x10", R"(--from takes a number such as 2.5, not "0x10".)"},
        {"sensitivity P --swing inf", R"(--swing takes a number such as 2.5, not "inf".)"},
    };
    TempFolder folder;
    const std::string example = std::string("'") + WEXA_EXAMPLES_DIR + "/rural-two-lane.wxa'";
    for (const Case& c : cases) {
        std::string arguments = c.arguments;
        arguments.replace(arguments.find(" P "), 3, " " + example + " ");
        const ProgramResult result = RunProgram(folder, arguments);
        EXPECT_EQ(result.status, 2) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
        EXPECT_THAT(result.err, HasSubstr(c.said)) << c.arguments;
    }
    // Plain decimal text, a sign included, still reaches the command.
    const ProgramResult plus =
        RunProgram(folder, "compare " + example + " --seed +9 --risk-percentile 90 --json");
    EXPECT_EQ(plus.status, 0) << plus.err;
    EXPECT_THAT(plus.out, HasSubstr("\"seed\": 9,"));
    EXPECT_THAT(plus.out, HasSubstr("\"riskPercentile\": 90,"));
}

TEST(Program, RunningOutOfMemoryIsReportedNotACrash) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "the address space cannot be limited under AddressSanitizer";
    }
    TempFolder folder;
    // 12 MB of text cannot even be read in 16 MB of address space.
    WriteText(folder / "big.json",
              "{\"ProjectDescription\": \"" + std::string(12'000'000, 'x') + "\"}");
    const ProgramResult result = RunProgram(
        folder, "import '" + folder.File("big.json") + "' -o '" + folder.File("big.wxa") + "'",
        "ulimit -v 16000; ");
    EXPECT_EQ(result.status, 3);
    EXPECT_THAT(result.err, HasSubstr("wexa-cli: stopped by an unexpected error: out of memory"));
    EXPECT_FALSE(std::filesystem::exists(folder / "big.wxa"));
}

TEST(Program, VersionIsTheProjectVersion) {
    TempFolder folder;
    const ProgramResult version = RunProgram(folder, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "wexa-cli " WEXA_EXPECTED_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

} // namespace
} // namespace wexa::cli
