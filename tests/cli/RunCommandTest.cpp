#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "model/PathText.h"
#include "model/ProjectFile.h"
#include "model/TextEncoding.h"
#include "support/CliResult.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

using ::testing::HasSubstr;

using testing::kUrbanExample;
using testing::RunCli;

// The report without its date line, which is the only line allowed to differ
// between two runs.
std::string WithoutDateLine(const std::string& report) {
    const auto start = report.find("Date of Analysis:");
    const auto end = report.find('\n', start);
    return report.substr(0, start) + report.substr(end + 1);
}

TEST(RunCommand, SameSeedGivesTheSameReportAndJson) {
    testing::TempFolder folder;
    const RunOptions first{kUrbanExample, folder.File("first.xls"), 2027u,
                           folder.File("first.json")};
    const RunOptions second{kUrbanExample, folder.File("second.xls"), 2027u,
                            folder.File("second.json")};
    const testing::CliResult a = RunCli(first);
    const testing::CliResult b = RunCli(second);
    ASSERT_EQ(a.status, kExitSuccess) << a.err;
    ASSERT_EQ(b.status, kExitSuccess) << b.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(testing::ReadText(folder.File("first.json")),
              testing::ReadText(folder.File("second.json")));

    std::string reportA = WithoutDateLine(testing::ReadText(folder.File("first.xls")));
    std::string reportB = WithoutDateLine(testing::ReadText(folder.File("second.xls")));
    // Each report names the file it was written to, as given.
    EXPECT_THAT(reportA, HasSubstr("Filename: " + folder.File("first.xls") + "\r\n"));
    reportB.replace(reportB.find("second.xls"), 10, "first.xls");
    EXPECT_EQ(reportA, reportB);
}

// Ctrl+C through the real signal: the run stops, nothing lands, not even a
// staged temporary file, and a second Ctrl+C would end the program at once.
TEST(RunCommand, CtrlCStopsTheRunAndWritesNothing) {
    testing::TempFolder folder;
    const RunOptions options{kUrbanExample, folder.File("report.xls"), 2027u,
                             folder.File("run.json")};
    RunFeedback interrupt;
    std::ostringstream out;
    std::ostringstream err;
    {
        const InterruptWatch watch(interrupt);
        ASSERT_EQ(std::raise(SIGINT), 0);
        EXPECT_EQ(RunCommand(options, {out, err}, &interrupt), kExitCancelled);
        const auto second = std::signal(SIGINT, SIG_IGN);
        EXPECT_EQ(second, SIG_DFL);
    }
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "wexa-cli: Run cancelled. Nothing was written.\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

    // A program started with Ctrl+C ignored keeps ignoring it.
    const auto before = std::signal(SIGINT, SIG_IGN);
    RunFeedback ignored;
    {
        const InterruptWatch watch(ignored);
        ASSERT_EQ(std::raise(SIGINT), 0);
    }
    EXPECT_FALSE(ignored.Cancelled());
    EXPECT_EQ(std::signal(SIGINT, before), SIG_IGN);
}

TEST(RunCommand, JsonHoldsEveryIterationInOrderAndThePercentiles) {
    testing::TempFolder folder;
    const testing::CliResult result =
        RunCli({kUrbanExample, std::nullopt, 11u, folder.File("run.json")});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const auto json = nlohmann::json::parse(testing::ReadText(folder.File("run.json")));
    EXPECT_EQ(json.at("analysisType"), "probabilistic");
    EXPECT_EQ(json.at("iterationCount"), 5000);
    EXPECT_EQ(json.at("seed"), 11);
    EXPECT_EQ(json.at("discountRate").size(), 5000u);
    EXPECT_EQ(json.at("growthRate").size(), 5000u);
    ASSERT_EQ(json.at("alternatives").size(), 3u);
    for (const auto& alternative : json.at("alternatives")) {
        const int failures = alternative.at("failures");
        const int gridlocks = alternative.at("gridlocks");
        EXPECT_EQ(failures + gridlocks + alternative.at("valid").get<int>(), 5000);
        for (const char* cost : {"agency", "user", "total"}) {
            const auto& block = alternative.at(cost);
            ASSERT_EQ(block.at("npv").size(), 5000u);
            ASSERT_EQ(block.at("percentiles").size(), 11u);
            ASSERT_EQ(block.at("cumulativePercents").size(), 11u);
            // Iteration order, not sorted: the median percentile is one of the values.
            const auto& npv = block.at("npv");
            EXPECT_FALSE(std::is_sorted(npv.begin(), npv.end())) << cost;
            EXPECT_NE(std::find(npv.begin(), npv.end(), block.at("percentiles")[5]), npv.end());
        }
        // Total = agency + user, iteration by iteration, for every valid iteration.
        for (std::size_t i = 0; i < 5000; i += 499) {
            const std::int64_t agency = alternative.at("agency").at("npv")[i];
            if (agency >= 0) {
                const std::int64_t user = alternative.at("user").at("npv")[i];
                const std::int64_t total = alternative.at("total").at("npv")[i];
                EXPECT_LE(std::abs(total - (agency + user)), 1);
            }
        }
    }
}

// Each alternative ends with the status of every iteration, after the
// fields it always had; the counts and the marks in the NPVs agree with it.
TEST(RunCommand, JsonHoldsTheStatusOfEveryIteration) {
    testing::TempFolder folder;
    const testing::CliResult result =
        RunCli({kUrbanExample, std::nullopt, 11u, folder.File("run.json")});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const auto json = nlohmann::ordered_json::parse(testing::ReadText(folder.File("run.json")));
    for (const auto& alternative : json.at("alternatives")) {
        std::vector<std::string> keys;
        for (const auto& item : alternative.items()) {
            keys.push_back(item.key());
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"number", "description", "failures", "gridlocks",
                                                  "valid", "agency", "user", "total", "status"}));
        const auto& status = alternative.at("status");
        ASSERT_EQ(status.size(), 5000u);
        const auto count = [&](const char* name) {
            return static_cast<int>(std::count(status.begin(), status.end(), name));
        };
        EXPECT_EQ(count("valid"), alternative.at("valid").get<int>());
        EXPECT_EQ(count("gridlock"), alternative.at("gridlocks").get<int>());
        EXPECT_EQ(count("failure"), alternative.at("failures").get<int>());
        for (std::size_t i = 0; i < status.size(); ++i) {
            if (status[i] == "failure") {
                EXPECT_EQ(alternative.at("total").at("npv")[i], -2) << i;
            }
        }
    }
    // The example's second alternative fails in some iterations.
    EXPECT_GT(json.at("alternatives")[1].at("failures").get<int>(), 0);
}

TEST(RunCommand, DeterministicRunHasNoPercentiles) {
    testing::TempFolder folder;
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(kUrbanExample, *project));
    project->AnalysisType = kDeterministicAnalysis;
    ASSERT_TRUE(WriteProjectFile(folder.File("det.wxa"), *project));
    const testing::CliResult result =
        RunCli({folder.File("det.wxa"), std::nullopt, 1u, folder.File("det.json")});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const auto json = nlohmann::json::parse(testing::ReadText(folder.File("det.json")));
    EXPECT_EQ(json.at("analysisType"), "deterministic");
    EXPECT_EQ(json.at("iterationCount"), 1);
    EXPECT_EQ(json.at("alternatives")[0].at("agency").at("npv").size(), 1u);
    EXPECT_TRUE(json.at("alternatives")[0].at("agency").at("percentiles").is_null());
    EXPECT_THAT(result.out, HasSubstr("Deterministic analysis, 1 iteration"));
}

// Days and user costs the work-zone dialog never stored are named on
// standard error; the run goes on with them, as the file says.
TEST(RunCommand, WarnsOfStoredDaysTheWorkZoneDialogWouldNotStoreAndRunsOn) {
    testing::TempFolder folder;
    const testing::CliResult stored =
        RunCli({kUrbanExample, folder.File("stored.xls"), 5u, std::nullopt});
    ASSERT_EQ(stored.status, kExitSuccess) << stored.err;
    EXPECT_EQ(stored.err, "");

    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(kUrbanExample, *project));
    // What the example stores is what the dialog computes (ExamplesTest).
    const auto days = [&](int a, int w) {
        return std::to_string(project->ActivityDaysToComplete[ActivitySlot(a, w)]);
    };
    const auto cost = [&](int a, int w, double add = 0.0) {
        return "$" + std::to_string(static_cast<std::int64_t>(
                         project->ActivityWorkZoneUserCost[ActivitySlot(a, w)] + add));
    };
    const std::string expected =
        "wexa-cli: warning: Alternative 1, work activity 3: 0 days to complete are stored, so "
        "its per-day time-related costs add nothing to the agency cost; its stored work zone "
        "timing gives " +
        days(1, 3) + " days and a work zone user cost of " + cost(1, 3) + ", but 0 days and " +
        cost(1, 3) +
        " are stored.\n"
        "wexa-cli: warning: Alternative 3, work activity 2: Its stored work zone timing gives " +
        days(3, 2) + " days and a work zone user cost of " + cost(3, 2) + ", but " + days(3, 2) +
        " days and " + cost(3, 2, 1.0) +
        " are stored.\n"
        "wexa-cli: warning: The run prices per-day time-related costs with the stored days. "
        "Open \"Work Zone Timing and Costs\" for each activity named and press OK to store "
        "what it computes.\n";
    project->ActivityDaysToComplete[ActivitySlot(1, 3)] = 0;
    project->ActivityWorkZoneUserCost[ActivitySlot(3, 2)] += 1.0;
    ASSERT_TRUE(WriteProjectFile(folder.File("stale.wxa"), *project));
    const testing::CliResult stale =
        RunCli({folder.File("stale.wxa"), folder.File("stale.xls"), 5u, std::nullopt});
    ASSERT_EQ(stale.status, kExitSuccess) << stale.err;
    EXPECT_EQ(stale.err, expected);
    // The crew priced by the day adds nothing for the activity stored with 0
    // days: alternative 1 costs the agency less than as stored.
    EXPECT_THAT(testing::ReadText(folder.File("stale.xls")),
                HasSubstr("Required Days:          0"));
    EXPECT_NE(stale.out, stored.out);
}

struct Damage {
    const char* name;
    void (*apply)(Project&);
    const char* named;
};

void PrintTo(const Damage& damage, std::ostream* os) {
    *os << damage.name;
}

class RefusedRun : public ::testing::TestWithParam<Damage> {};

TEST_P(RefusedRun, ExitsOneWithCaptionAndMessageAndWritesNoReport) {
    testing::TempFolder folder;
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(kUrbanExample, *project));
    GetParam().apply(*project);
    ASSERT_TRUE(WriteProjectFile(folder.File("bad.wxa"), *project));
    const testing::CliResult result =
        RunCli({folder.File("bad.wxa"), folder.File("r.xls"), 1u, folder.File("r.json")});
    EXPECT_EQ(result.status, kExitRefused);
    EXPECT_THAT(result.err, HasSubstr(GetParam().named));
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(folder.Entries().size() == 1u) << "only the project file is there";
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusedRun,
    ::testing::Values(
        Damage{"SevenAlternatives", [](Project& p) { p.NumberOfAlternatives = 7; },
               "Project Data Error"},
        Damage{"StartHourThirty", [](Project& p) { p.ActivityStartHour[ActivitySlot(2, 2)] = 30; },
               "Alternative 2, work activity 2: \"Start Hour\" in the \"Work Zone User Costs\" "
               "dialog is 30"},
        Damage{"ElevenActivities", [](Project& p) { p.AlternativeActivityCount[2] = 11; },
               "Alternative 3: \"Number of Construction/Rehabilitation/ Maintenance Activities "
               "Scheduled over Analysis Period (include original construction)\" is 11"},
        Damage{"OffCentreNormalDiscountRate", [](Project& p) { p.DiscountRateMean = 4.5; },
               "Discount Rate Error: There is an error in the discount rate data.\nThe mean must "
               "be centered"},
        // Inputs that pass as numbers but give figures that are not results.
        Damage{"InfiniteUserCost", [](Project& p) { p.DelayRatePassengerCar = 1e305; },
               "Project Data Error: Alternative 1, work activity 1: the work zone user cost"},
        Damage{"UserCostPast64Bits", [](Project& p) { p.DelayRatePassengerCar = 1e100; },
               "beyond the whole dollar amounts that are exact"},
        // Past 2^53 dollars a total missed its agency and user parts by $659.
        Damage{"BidPast2To53",
               [](Project& p) { p.ActivityBidItemTotal[ActivitySlot(1, 1)] = 5e18; },
               "Project Data Error: Alternative 1, work activity 1: the agency cost of the "
               "activity in year 0 (iteration 1) comes out as 5.085009308145"},
        // Meaningless inputs the form refuses: they gave negative NPVs.
        Damage{"AgencyCostVariability250",
               [](Project& p) { p.ActivityAgencyCostVariability[ActivitySlot(2, 1)] = 250.0; },
               "Alternative 2, work activity 1: \"Agency Cost Variability\" is 250: it must be "
               "between 0 and 100."},
        Damage{"RequiredTimeVariability150",
               [](Project& p) { p.ActivityTimeVariability[ActivitySlot(1, 1)] = 150.0; },
               "Alternative 1, work activity 1: \"Required Time Variability\" is 150: it must "
               "be between 0 and 100."},
        Damage{"WorkZoneFasterThanPosted",
               [](Project& p) {
                   p.ActivityWorkZoneSpeed[ActivitySlot(1, 1)] = p.PostedSpeedLimit + 5;
               },
               "Alternative 1, work activity 1: The work zone speed limit must not be above the "
               "posted speed limit."},
        Damage{"DeterministicDiscountRateMinus100",
               [](Project& p) {
                   p.AnalysisType = kDeterministicAnalysis;
                   p.DiscountRateKind = kDeterministic;
                   p.DiscountRateMean = -100.0;
               },
               "Project Data Error: \"Discount Rate (%)\" value is -100"},
        Damage{"LowestAadtCap", [](Project& p) { p.MaximumAADT = INT32_MIN; },
               "Project Data Error: \"Maximum AADT\" is -2147483648"},
        Damage{"LowestRequiredTime",
               [](Project& p) { p.ActivityRequiredTime[ActivitySlot(1, 1)] = INT32_MIN; },
               "Alternative 1, work activity 1: \"Required Time to Complete Work Activity\" is "
               "-2147483648"},
        Damage{
            "LowestDaysToComplete",
            [](Project& p) { p.ActivityDaysToComplete[ActivitySlot(1, 1)] = INT32_MIN; },
            "Alternative 1, work activity 1: \"Days to Complete Work Activity Based on Work Zone "
            "Timing\" in the \"Work Zone User Costs\" dialog is -2147483648"},
        Damage{"GrowthMinus350",
               [](Project& p) {
                   p.TrafficGrowthKind = kDeterministic;
                   p.TrafficGrowthMean = -350.0;
               },
               "at a traffic growth rate of -350 % a year comes out as an AADT below 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunCommand, FileErrorsExitTwoNamingTheFile) {
    testing::TempFolder folder;
    const testing::CliResult missing =
        RunCli({folder.File("none.wxa"), std::nullopt, std::nullopt, std::nullopt});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_THAT(missing.err, HasSubstr("none.wxa"));

    std::filesystem::create_directory(folder.File("a-folder"));
    const testing::CliResult unwritable =
        RunCli({kUrbanExample, folder.File("a-folder"), 3u, std::nullopt});
    EXPECT_EQ(unwritable.status, kExitFileError);
    EXPECT_THAT(unwritable.err, HasSubstr("a-folder"));
}

// Names are the program's text (UTF-8) on every system: a project, a report
// and a JSON file in a folder named in other scripts are read and written
// under those names. The report names its file as given, in the report's
// 1252 text.
TEST(RunCommand, ReadsAndWritesFilesNamedInAnyScript) {
    testing::TempFolder folder;
    const std::string where = folder.File(testing::Utf8Text(u8"Überführung 東京"));
    std::filesystem::create_directory(PathFromText(where));
    const std::string project = where + testing::Utf8Text(u8"/Straße.wxa");
    std::filesystem::copy_file(kUrbanExample, PathFromText(project));

    const std::string report = where + testing::Utf8Text(u8"/報告.xls");
    const std::string json = where + testing::Utf8Text(u8"/結果.json");
    const testing::CliResult run = RunCli({project, report, 5u, json});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::filesystem::path folderPath =
        folder.Path() / std::filesystem::path(u8"Überführung 東京");
    EXPECT_THAT(testing::ReadText(folderPath / std::filesystem::path(u8"報告.xls")),
                HasSubstr(Utf8ToWindows1252("Filename: " + report + "\r\n")));
    EXPECT_FALSE(testing::ReadText(folderPath / std::filesystem::path(u8"結果.json")).empty());

    const testing::CliResult missing =
        RunCli({where + testing::Utf8Text(u8"/無い.wxa"), std::nullopt, 1u, std::nullopt});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_THAT(missing.err, HasSubstr(where + testing::Utf8Text(u8"/無い.wxa")));
}

} // namespace
} // namespace wexa::cli
