#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "decision/BaseCase.h"
#include "model/ProjectFile.h"
#include "support/CliResult.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdint>
#include <functional>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

using ::testing::HasSubstr;
using Json = nlohmann::json;

using testing::kNpvKinds;
using testing::kRuralExample;

using testing::CliResult;

CliResult Sensitivity(const SensitivityCommandOptions& options, RunFeedback* feedback = nullptr) {
    return testing::Capture(
        [&](Output output) { return SensitivityCommand(options, output, feedback); });
}

using testing::RunCli;

Json SensitivityJson(const SensitivityCommandOptions& options) {
    const CliResult result = Sensitivity(options);
    EXPECT_EQ(result.status, kExitSuccess) << result.err;
    return Json::parse(result.out);
}

std::unique_ptr<Project> Read(const std::string& path) {
    auto project = std::make_unique<Project>();
    EXPECT_TRUE(ReadProjectFile(path, *project));
    return project;
}

// The base case of `project` with `change` made, saved and run by `run` as a
// user would: the alternatives of its JSON.
Json RunBaseCase(const testing::TempFolder& folder, const Project& project,
                 const std::function<void(Project&)>& change) {
    auto base = std::make_unique<Project>(project);
    MakeBaseCase(*base);
    change(*base);
    const std::string json = folder.File("base.json");
    const CliResult run =
        RunCli({testing::WriteProject(folder, "base.wxa", *base), std::nullopt, 1u, json});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    return Json::parse(testing::ReadText(json)).at("alternatives");
}

Json RunAtRate(const testing::TempFolder& folder, const Project& project, double rate) {
    return RunBaseCase(folder, project, [rate](Project& p) { p.DiscountRateMean = rate; });
}

std::int64_t Npv(const Json& run, std::size_t alternative, const char* kind) {
    return run[alternative].at(kind).at("npv")[0].get<std::int64_t>();
}

// The sign of NPV(1) - NPV(2).
int OrderOf(std::int64_t first, std::int64_t second) {
    return (first > second) - (first < second);
}

// Every point is the run of the base case at its rate, bit for bit. Each
// change of order has the order one way at its bracket's low end and the
// other way at its high end, with the alternative cheaper at each end; a
// kind whose order differs between the ends of the range has one, and the
// text says what the JSON says.
TEST(SensitivityCommand, PointsAndBreakEvensAgreeWithRunsOfTheBaseCase) {
    testing::TempFolder folder;
    const auto project = Read(kRuralExample);
    SensitivityCommandOptions options{kRuralExample, "3", "5", "0.5", {}, {}, true};
    const Json rates = SensitivityJson(options).at("rates");
    const Json& points = rates.at("points");
    ASSERT_EQ(points.size(), 5U);
    for (std::size_t k = 0; k < points.size(); ++k) {
        EXPECT_EQ(points[k].at("rate"), 3.0 + 0.5 * static_cast<double>(k));
        const Json run = RunAtRate(folder, *project, points[k].at("rate"));
        for (std::size_t a = 0; a < run.size(); ++a) {
            const Json& alternative = points[k].at("alternatives").at(a);
            EXPECT_EQ(alternative.at("status"), run[a].at("status")[0]);
            for (const char* kind : kNpvKinds) {
                EXPECT_EQ(alternative.at(kind), Npv(run, a, kind)) << kind;
            }
        }
    }

    options.json = false;
    const CliResult text = Sensitivity(options);
    for (const char* kind : kNpvKinds) {
        const auto orderAt = [&](const Json& alternatives) {
            return OrderOf(alternatives[0].at(kind).get<std::int64_t>(),
                           alternatives[1].at(kind).get<std::int64_t>());
        };
        int changes = 0;
        for (const Json& change : rates.at("breakEven")) {
            if (change.at("kind") != kind) {
                continue;
            }
            ++changes;
            const Json low = RunAtRate(folder, *project, change.at("low"));
            const Json high = RunAtRate(folder, *project, change.at("high"));
            const int lowOrder = OrderOf(Npv(low, 0, kind), Npv(low, 1, kind));
            EXPECT_EQ(lowOrder, -OrderOf(Npv(high, 0, kind), Npv(high, 1, kind)));
            const int cheaperBelow = lowOrder < 0 ? 1 : 2;
            EXPECT_EQ(change.at("cheaperBelow"), cheaperBelow) << kind;
            EXPECT_EQ(change.at("cheaperAbove"), 3 - cheaperBelow) << kind;
            std::ostringstream said;
            said << ": below " << std::fixed << std::setprecision(4)
                 << change.at("rate").get<double>() << " % Alt " << cheaperBelow
                 << " is cheaper, above it Alt " << 3 - cheaperBelow << '\n';
            EXPECT_THAT(text.out, HasSubstr(said.str()));
        }
        const bool turns =
            orderAt(points.front().at("alternatives")) != orderAt(points.back().at("alternatives"));
        EXPECT_EQ(changes > 0, turns) << kind;
    }
    EXPECT_THAT(text.out, HasSubstr("Alt 1 and Alt 2, WZ User NPV: Alt 1 is cheaper at every "
                                    "rate from 3 % to 5 %\n"));
}

// Each end of a tornado input is the base case with that one input set.
TEST(SensitivityCommand, TornadoEndsAreRunsOfTheBaseCaseWithOneInputMoved) {
    testing::TempFolder folder;
    const auto project = Read(kRuralExample);
    const Json tornado =
        SensitivityJson({kRuralExample, "4", "4", "1", "10", {}, true}).at("tornado");
    EXPECT_EQ(tornado.at("pair"), Json::array({1, 2}));
    using Set = std::function<void(Project&, double)>;
    const std::vector<std::pair<std::string, Set>> inputs{
        {"Discount rate", [](Project& p, double v) { p.DiscountRateMean = v; }},
        {"Base-year AADT", [](Project& p, double v) { p.BaseYearAADT = static_cast<Int32>(v); }},
    };
    for (const auto& [name, set] : inputs) {
        const auto input = std::find_if(tornado.at("inputs").begin(), tornado.at("inputs").end(),
                                        [&](const Json& i) { return i.at("name") == name; });
        ASSERT_NE(input, tornado.at("inputs").end()) << name;
        for (const std::string side : {"Low", "High"}) {
            const double value = input->at(side == "Low" ? "low" : "high");
            const Json run = RunBaseCase(folder, *project, [&](Project& p) { set(p, value); });
            for (std::size_t a = 0; a < run.size(); ++a) {
                EXPECT_EQ(input->at("alternatives")[a].at("total" + side), Npv(run, a, "total"))
                    << name << " " << side;
            }
            EXPECT_EQ(input->at("difference" + side), Npv(run, 0, "total") - Npv(run, 1, "total"))
                << name << " " << side;
        }
    }
}

// The second alternative's third work zone lets 100 vehicles an hour through
// all day: its queue never clears in the base case, nor at any rate. Its
// figures are null at every rate, never the run's marks, and in the tornado
// wherever it is not valid; its pair has no break-even and reads as not
// comparable, and the tornado has no pair.
TEST(SensitivityCommand, AGridlockedAlternativeHasAStatusNotFigures) {
    testing::TempFolder folder;
    auto project = Read(kRuralExample);
    const int slot = ActivitySlot(2, 3);
    project->ActivityWorkZoneCapacity[slot] = 100.0;
    project->ActivityStartHour[slot] = 0;
    project->ActivityStopHour[slot] = 0;
    project->ActivityHoursInEffect[slot] = 24;
    const std::string path = testing::WriteProject(folder, "gridlock.wxa", *project);
    const Json json = SensitivityJson({path, "2", "6", "2", {}, {}, true});
    for (const Json& point : json.at("rates").at("points")) {
        const Json& second = point.at("alternatives")[1];
        EXPECT_EQ(second.at("status"), "gridlock");
        for (const char* kind : kNpvKinds) {
            EXPECT_TRUE(second.at(kind).is_null()) << kind;
        }
    }
    EXPECT_TRUE(json.at("rates").at("breakEven").empty());
    const Json& tornado = json.at("tornado");
    EXPECT_EQ(tornado.at("pair"), Json::array());
    for (const Json& input : tornado.at("inputs")) {
        const Json& second = input.at("alternatives")[1];
        for (const std::string side : {"Low", "High"}) {
            EXPECT_EQ(second.at("total" + side).is_null(), second.at("status" + side) != "valid");
        }
    }

    const CliResult text = Sensitivity({path, "2", "6", "2", {}, {}, false});
    ASSERT_EQ(text.status, kExitSuccess) << text.err;
    EXPECT_THAT(text.out,
                HasSubstr("Alt 1 and Alt 2, Total NPV: not comparable (Alt 2: gridlock)"));
    EXPECT_THAT(text.out, ::testing::ContainsRegex("\n  2 +gridlock\n"));
}

// A value outside its option's range is a usage error found before the
// project is read (the missing file is never reported), except a pair beyond
// the alternatives of the project, found once it is read: exit 2, the option
// and what it allows on standard error, nothing printed.
TEST(SensitivityCommand, ValuesOutsideTheirRangesAreUsageErrors) {
    testing::TempFolder folder;
    const std::string missing = folder.File("none.wxa");
    struct Case {
        SensitivityCommandOptions options;
        const char* message;
    };
    const std::vector<Case> cases{
        {{missing, {}, {}, "0", {}, {}, true},
         "--step must be at least 0.01, for at most 1001 rates from 0 to 10, not 0."},
        {{missing, {}, {}, "-0.5", {}, {}, false},
         "--step must be at least 0.01, for at most 1001 rates from 0 to 10, not -0.5."},
        {{missing, "0", "100", "0.05", {}, {}, true},
         "--step must be at least 0.1, for at most 1001 rates from 0 to 100, not 0.05."},
        {{missing, "5", "5", "0", {}, {}, true}, "--step must be greater than 0, not 0."},
        {{missing, "3", "2", {}, {}, {}, false},
         "--to must be a rate no lower than --from (3), not 2."},
        {{missing, {}, "-1", {}, {}, {}, false},
         "--to must be a rate no lower than --from (0), not -1."},
        {{missing, "-100", {}, {}, {}, {}, true},
         "--from must be a rate greater than -100 (percent), not -100."},
        {{missing, {}, {}, {}, "200", {}, true},
         "--swing must be a percentage from 0 to 100, not 200."},
        {{missing, {}, {}, {}, "-5", {}, true},
         "--swing must be a percentage from 0 to 100, not -5."},
        {{missing, {}, {}, {}, {}, "1,1", true},
         "--pair must be two different alternatives from 1 to 4, not 1,1."},
        {{missing, {}, {}, {}, {}, "0,2", true},
         "--pair must be two different alternatives from 1 to 4, not 0,2."},
        {{missing, {}, {}, {}, {}, "1,5", false},
         "--pair must be two different alternatives from 1 to 4, not 1,5."},
        {{kRuralExample, {}, {}, {}, {}, "1,3", true},
         "--pair must be two different alternatives from 1 to 2, the alternatives of the "
         "project, not 1,3."},
        // Values that are no numbers at all.
        {{missing, {}, {}, {}, {}, "x", true}, "--pair takes two alternative"},
        {{missing, {}, {}, {}, {}, "1,", true}, "not \"1,\"."},
        {{missing, "abc", {}, {}, {}, {}, true}, "--from takes a number"},
        {{missing, {}, "nan", {}, {}, {}, true}, "--to takes a number"},
    };
    for (const Case& c : cases) {
        const CliResult result = Sensitivity(c.options);
        EXPECT_EQ(result.status, kExitFileError) << c.message;
        EXPECT_THAT(result.err, ::testing::StartsWith("wexa-cli: "));
        EXPECT_THAT(result.err, HasSubstr(c.message));
        EXPECT_EQ(result.out, "") << c.message;
    }
    EXPECT_TRUE(folder.Entries().empty()) << "nothing is written";
}

// The ends of each range are taken: a step that gives exactly 1001 rates, a
// swing of 0 and of 100, and a pair in either order.
TEST(SensitivityCommand, ValuesAtTheEndsOfTheirRangesRun) {
    const Json most = SensitivityJson({kRuralExample, "0", "1", "0.001", "0", {}, true});
    EXPECT_EQ(most.at("rates").at("points").size(), 1001U);
    EXPECT_EQ(most.at("tornado").at("swing"), 0.0);
    const Json json = SensitivityJson({kRuralExample, "4", "4", "1", "100", "2,1", true});
    EXPECT_EQ(json.at("rates").at("points").size(), 1U);
    EXPECT_EQ(json.at("tornado").at("pair"), Json::array({2, 1}));
}

// A project the run refuses, and a missing file, end it as they end `run`.
TEST(SensitivityCommand, RefusalsAreTheRuns) {
    testing::TempFolder folder;
    auto bad = Read(kRuralExample);
    bad->AlternativeActivityCount[1] = 11;
    const std::string path = testing::WriteProject(folder, "bad.wxa", *bad);
    for (const std::string& file : {path, folder.File("none.wxa")}) {
        const CliResult run = RunCli({file, std::nullopt, 1u, std::nullopt});
        EXPECT_EQ(run.status, file == path ? kExitRefused : kExitFileError);
        const CliResult result = Sensitivity({file, {}, {}, {}, {}, {}, true});
        EXPECT_EQ(result.status, run.status);
        EXPECT_EQ(result.err, run.err);
        EXPECT_EQ(result.out, "");
    }
}

// Faults of the project as stored that its base case would hide (every
// distribution fixed at its middle value): `run` refuses them, and so does
// `sensitivity`, with the same captions and messages, before drawing a
// tornado line such as "Discount rate 6 % / 2 %".
TEST(SensitivityCommand, ProjectsTheRunRefusesAsStoredAreRefusedAlike) {
    struct Fault {
        void (*spoil)(Project&);
        const char* caption;
    };
    const std::vector<Fault> faults{
        {[](Project& p) {
             p.DiscountRateKind = kNormal;
             p.DiscountRateMin = 6.0;
             p.DiscountRateMean = 4.0;
             p.DiscountRateMax = 2.0;
         },
         "Discount Rate Error"},
        {[](Project& p) {
             p.TrafficGrowthKind = kNormal;
             p.TrafficGrowthMin = 3.0;
             p.TrafficGrowthMean = 2.0;
             p.TrafficGrowthMax = 1.0;
         },
         "Traffic Growth Rate Error"},
        {[](Project& p) { p.DiscountRateKind = 5; }, "Discount Rate Error"},
        {[](Project& p) { p.TrafficGrowthKind = -1; }, "Traffic Growth Rate Error"},
    };
    testing::TempFolder folder;
    for (const Fault& fault : faults) {
        auto bad = Read(kRuralExample);
        fault.spoil(*bad);
        const std::string path = testing::WriteProject(folder, "bad.wxa", *bad);
        const CliResult run = RunCli({path, std::nullopt, 1u, std::nullopt});
        EXPECT_EQ(run.status, kExitRefused) << fault.caption;
        EXPECT_THAT(run.err, HasSubstr(fault.caption));
        for (const bool json : {false, true}) {
            const CliResult result = Sensitivity({path, {}, {}, {}, {}, {}, json});
            EXPECT_EQ(result.status, kExitRefused) << fault.caption;
            EXPECT_EQ(result.err, run.err);
            EXPECT_EQ(result.out, "");
        }
    }
}

TEST(SensitivityCommand, CtrlCStopsItAndPrintsNothing) {
    RunFeedback interrupt;
    const InterruptWatch watch(interrupt);
    ASSERT_EQ(std::raise(SIGINT), 0);
    const CliResult result = Sensitivity({kRuralExample, {}, {}, {}, {}, {}, true}, &interrupt);
    EXPECT_EQ(result.status, kExitCancelled);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("Run cancelled."));
}

} // namespace
} // namespace wexa::cli
