#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "forms/ActivityFields.h"
#include "model/PortableMath.h"
#include "model/ProjectFile.h"
#include "support/CliResult.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

using ::testing::HasSubstr;
using Json = nlohmann::json;

using testing::kUrbanExample;
constexpr std::uint32_t kSeed = 7;

using testing::CliResult;

CliResult Compare(const CompareOptions& options, RunFeedback* feedback = nullptr) {
    return testing::Capture(
        [&](Output output) { return CompareCommand(options, output, feedback); });
}

std::unique_ptr<Project> UrbanExample() {
    auto project = std::make_unique<Project>();
    EXPECT_TRUE(ReadProjectFile(kUrbanExample, *project));
    return project;
}

// The urban example with a fourth alternative: a copy of the first whose
// last work zone stays up round the clock, so that it gridlocks in the
// iterations whose traffic grows fast. The first and the fourth keep their
// schedules and agency costs fixed, so their agency NPVs tie wherever both
// are valid; the second still fails in some iterations.
std::unique_ptr<Project> TiesGridlocksAndFailures() {
    auto p = UrbanExample();
    p->NumberOfAlternatives = 4;
    p->AlternativeActivityCount[3] = p->AlternativeActivityCount[0];
    p->MaximumAADT = 90000;
    for (int j = 1; j <= p->AlternativeActivityCount[0]; ++j) {
        forms::CopyActivitySlot(*p, ActivitySlot(1, j), ActivitySlot(4, j));
        for (const int slot : {ActivitySlot(1, j), ActivitySlot(4, j)}) {
            p->ActivityYearsKind[slot] = kDeterministic;
            p->ActivityAgencyCostVariability[slot] = 0.0;
        }
    }
    const int last = ActivitySlot(4, p->AlternativeActivityCount[3]);
    p->ActivityStartHour[last] = 0;
    p->ActivityStopHour[last] = 23;
    p->ActivityWorkZoneCapacity[last] = 1550.0;
    return p;
}

// --- The comparison worked out again from the run's JSON, the plain way ---

struct RunTables {
    int alternatives = 0;
    int iterations = 0;
    int period = 0;
    std::vector<std::vector<bool>> valid;                    // [a][i]
    std::vector<std::vector<std::vector<std::int64_t>>> npv; // [kind][a][i]
    std::vector<double> rates;                               // [i]
};

using testing::kNpvKinds;

RunTables TablesOf(const Json& run, int period) {
    RunTables t;
    t.alternatives = static_cast<int>(run.at("alternatives").size());
    t.iterations = run.at("iterationCount");
    t.period = period;
    t.rates = run.at("discountRate").get<std::vector<double>>();
    t.npv.resize(kNpvKinds.size());
    for (const Json& alternative : run.at("alternatives")) {
        std::vector<bool> valid;
        for (const Json& status : alternative.at("status")) {
            valid.push_back(status == "valid");
        }
        t.valid.push_back(valid);
        for (std::size_t k = 0; k < kNpvKinds.size(); ++k) {
            t.npv[k].push_back(
                alternative.at(kNpvKinds[k]).at("npv").get<std::vector<std::int64_t>>());
        }
    }
    return t;
}

// Nearest rank by a full sort.
template <typename T> T AtPercentile(std::vector<T> values, int percentile) {
    std::sort(values.begin(), values.end());
    const std::size_t position = (static_cast<std::size_t>(percentile) * values.size() + 99) / 100;
    return values[position - 1];
}

void ExpectSpread(const Json& json, const std::vector<double>& values,
                  const std::array<const char*, 4>& keys) {
    if (values.empty()) {
        for (const char* key : keys) {
            EXPECT_TRUE(json.at(key).is_null()) << key;
        }
        return;
    }
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    EXPECT_EQ(json.at(keys[0]).get<double>(), sum / static_cast<double>(values.size()));
    EXPECT_EQ(json.at(keys[1]).get<double>(), AtPercentile(values, 10));
    EXPECT_EQ(json.at(keys[2]).get<double>(), AtPercentile(values, 50));
    EXPECT_EQ(json.at(keys[3]).get<double>(), AtPercentile(values, 90));
}

// Shares are summed as fractions here and counted in whole units in the
// program: the two may differ in the last bits.
constexpr double kShareTolerance = 1e-12;

void ExpectKindFollowsFromTheRun(const Json& kind, const RunTables& t, std::size_t k, int risk) {
    const auto& npv = t.npv[k];
    std::vector<double> cheapest(static_cast<std::size_t>(t.alternatives), 0.0);
    int compared = 0;
    for (int i = 0; i < t.iterations; ++i) {
        bool all = true;
        for (int a = 0; a < t.alternatives; ++a) {
            all = all && t.valid[a][i];
        }
        if (!all) {
            continue;
        }
        ++compared;
        std::int64_t lowest = npv[0][i];
        for (int a = 0; a < t.alternatives; ++a) {
            lowest = std::min(lowest, npv[a][i]);
        }
        const auto ties = std::count_if(npv.begin(), npv.end(),
                                        [&](const auto& row) { return row[i] == lowest; });
        for (int a = 0; a < t.alternatives; ++a) {
            cheapest[a] += npv[a][i] == lowest ? 1.0 / static_cast<double>(ties) : 0.0;
        }
    }
    EXPECT_EQ(kind.at("comparedIterations"), compared);
    EXPECT_EQ(kind.at("leftOut"), t.iterations - compared);
    for (int a = 0; a < t.alternatives; ++a) {
        const Json& entry = kind.at("cheapest").at(a);
        EXPECT_EQ(entry.at("number"), a + 1);
        if (compared == 0) {
            EXPECT_TRUE(entry.at("probability").is_null());
        } else {
            EXPECT_NEAR(entry.at("probability").get<double>(), cheapest[a] / compared,
                        kShareTolerance);
        }
    }

    std::size_t row = 0;
    for (int a = 0; a < t.alternatives; ++a) {
        for (int b = 0; b < t.alternatives; ++b) {
            if (a == b) {
                continue;
            }
            const Json& pair = kind.at("pairwise").at(row++);
            SCOPED_TRACE(::testing::Message() << kNpvKinds[k] << " " << a + 1 << "-" << b + 1);
            EXPECT_EQ(pair.at("a"), a + 1);
            EXPECT_EQ(pair.at("b"), b + 1);
            std::vector<double> differences;
            double lower = 0.0;
            for (int i = 0; i < t.iterations; ++i) {
                if (t.valid[a][i] && t.valid[b][i]) {
                    differences.push_back(static_cast<double>(npv[a][i]) -
                                          static_cast<double>(npv[b][i]));
                    lower += npv[a][i] < npv[b][i] ? 1.0 : (npv[a][i] == npv[b][i] ? 0.5 : 0.0);
                }
            }
            EXPECT_EQ(pair.at("iterations"), differences.size());
            if (differences.empty()) {
                EXPECT_TRUE(pair.at("probabilityALower").is_null());
            } else {
                EXPECT_NEAR(pair.at("probabilityALower").get<double>(),
                            lower / static_cast<double>(differences.size()), kShareTolerance);
            }
            ExpectSpread(pair, differences,
                         {"meanDifference", "p10Difference", "p50Difference", "p90Difference"});
        }
    }
    EXPECT_EQ(row, kind.at("pairwise").size());

    std::optional<int> choice;
    std::int64_t chosenNpv = 0;
    for (int a = 0; a < t.alternatives; ++a) {
        std::vector<double> euac;
        std::vector<std::int64_t> valid;
        const double n = t.period;
        for (int i = 0; i < t.iterations; ++i) {
            if (!t.valid[a][i]) {
                continue;
            }
            valid.push_back(npv[a][i]);
            if (t.rates[i] <= -100.0) {
                continue;
            }
            const double rate = t.rates[i] * 0.01;
            const double growth = Pow(1.0 + rate, n);
            const double value = static_cast<double>(npv[a][i]);
            euac.push_back(growth == 1.0 ? value / n : value * (rate * growth / (growth - 1.0)));
        }
        EXPECT_EQ(kind.at("euac").at(a).at("number"), a + 1);
        ExpectSpread(kind.at("euac").at(a), euac, {"mean", "p10", "p50", "p90"});
        if (!valid.empty() && (!choice || AtPercentile(valid, risk) < chosenNpv)) {
            choice = a + 1;
            chosenNpv = AtPercentile(valid, risk);
        }
    }
    EXPECT_EQ(kind.at("riskChoice"), choice ? Json(*choice) : Json(nullptr));
}

// The run's JSON, written by `run --json` for the same project and seed.
Json RunJson(const testing::TempFolder& folder, const std::string& project) {
    std::ostringstream out;
    std::ostringstream err;
    const std::string path = folder.File("run.json");
    EXPECT_EQ(RunCommand({project, std::nullopt, kSeed, path}, {out, err}), kExitSuccess);
    return Json::parse(testing::ReadText(path));
}

TEST(CompareCommand, FiguresFollowFromTheRunsIterations) {
    testing::TempFolder folder;
    const auto project = TiesGridlocksAndFailures();
    const std::string path = testing::WriteProject(folder, "mixed.wxa", *project);
    const Json run = RunJson(folder, path);
    const RunTables tables = TablesOf(run, project->AnalysisPeriod);

    // The project is what it is meant to be.
    const Json& alternatives = run.at("alternatives");
    EXPECT_GT(alternatives[1].at("failures").get<int>(), 0);
    EXPECT_GT(alternatives[3].at("gridlocks").get<int>(), 0);
    EXPECT_GT(alternatives[3].at("valid").get<int>(), 0);
    int agencyTies = 0;
    for (int i = 0; i < tables.iterations; ++i) {
        agencyTies +=
            tables.valid[0][i] && tables.valid[3][i] && tables.npv[0][0][i] == tables.npv[0][3][i];
    }
    EXPECT_GT(agencyTies, 0);

    for (const int risk : {1, 75, 100}) {
        SCOPED_TRACE(::testing::Message() << "risk percentile " << risk);
        const CliResult result = Compare({path, kSeed, risk, true});
        ASSERT_EQ(result.status, kExitSuccess) << result.err;
        const Json comparison = Json::parse(result.out);
        EXPECT_EQ(comparison.at("seed"), kSeed);
        EXPECT_EQ(comparison.at("riskPercentile"), risk);
        for (std::size_t k = 0; k < kNpvKinds.size(); ++k) {
            ExpectKindFollowsFromTheRun(comparison.at("kinds").at(kNpvKinds[k]), tables, k, risk);
        }
    }
}

TEST(CompareCommand, JsonShape) {
    testing::TempFolder folder;
    const std::string path =
        testing::WriteProject(folder, "mixed.wxa", *TiesGridlocksAndFailures());
    const CliResult result = Compare({path, kSeed, 50, true});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const auto json = nlohmann::ordered_json::parse(result.out);

    const auto keys = [](const nlohmann::ordered_json& object) {
        std::vector<std::string> names;
        for (const auto& item : object.items()) {
            names.push_back(item.key());
        }
        return names;
    };
    using Keys = std::vector<std::string>;
    EXPECT_EQ(keys(json), (Keys{"analysisType", "iterationCount", "seed", "riskPercentile",
                                "comparable", "kinds"}));
    EXPECT_EQ(json.at("analysisType"), "probabilistic");
    EXPECT_EQ(json.at("iterationCount"), 5000);
    EXPECT_EQ(json.at("comparable"), true);
    EXPECT_EQ(keys(json.at("kinds")), (Keys{"agency", "user", "total"}));
    for (const auto& [name, kind] : json.at("kinds").items()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(keys(kind), (Keys{"comparedIterations", "leftOut", "leftOutBy", "cheapest",
                                    "pairwise", "euac", "riskChoice"}));
        EXPECT_TRUE(kind.at("comparedIterations").is_number_integer());
        EXPECT_TRUE(kind.at("leftOut").is_number_integer());
        EXPECT_TRUE(kind.at("riskChoice").is_number_integer());
        ASSERT_EQ(kind.at("cheapest").size(), 4u);
        EXPECT_EQ(keys(kind.at("cheapest")[0]), (Keys{"number", "probability"}));
        ASSERT_EQ(kind.at("pairwise").size(), 12u);
        EXPECT_EQ(keys(kind.at("pairwise")[0]),
                  (Keys{"a", "b", "probabilityALower", "iterations", "meanDifference",
                        "p10Difference", "p50Difference", "p90Difference"}));
        ASSERT_EQ(kind.at("euac").size(), 4u);
        EXPECT_EQ(keys(kind.at("euac")[3]), (Keys{"number", "mean", "p10", "p50", "p90"}));
        // Which alternatives made the left-out iterations: the gridlocks
        // and failures of each.
        ASSERT_EQ(kind.at("leftOutBy").size(), 4u);
        EXPECT_EQ(keys(kind.at("leftOutBy")[0]), (Keys{"number", "iterations"}));
        EXPECT_EQ(kind.at("leftOutBy")[0].at("iterations"), 0);
        EXPECT_GT(kind.at("leftOutBy")[3].at("iterations").get<int>(), 0);
    }
}

// A refused project, a percentile outside 1..100 and a missing file end the
// command as `run` ends: exit 1 with caption and message, exit 2.
TEST(CompareCommand, RefusalsAndUsageErrors) {
    testing::TempFolder folder;
    auto bad = UrbanExample();
    bad->AlternativeActivityCount[2] = 11;
    const std::string badPath = testing::WriteProject(folder, "bad.wxa", *bad);
    const CliResult refused = Compare({badPath, kSeed, 50, false});
    EXPECT_EQ(refused.status, kExitRefused);
    EXPECT_THAT(refused.err, HasSubstr("Alternative 3: \"Number of Construction"));
    EXPECT_EQ(refused.out, "");

    for (const int risk : {0, 101, -5}) {
        const CliResult usage = Compare({kUrbanExample, kSeed, risk, true});
        EXPECT_EQ(usage.status, kExitFileError) << risk;
        EXPECT_THAT(usage.err, HasSubstr("--risk-percentile must be a whole number from 1 to 100"));
        EXPECT_EQ(usage.out, "");
    }

    const CliResult missing = Compare({folder.File("none.wxa"), kSeed, 50, false});
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_THAT(missing.err, HasSubstr("none.wxa"));
}

TEST(CompareCommand, CtrlCStopsItAndPrintsNothing) {
    RunFeedback interrupt;
    const InterruptWatch watch(interrupt);
    ASSERT_EQ(std::raise(SIGINT), 0);
    const CliResult result = Compare({kUrbanExample, kSeed, 50, false}, &interrupt);
    EXPECT_EQ(result.status, kExitCancelled);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("Run cancelled."));
}

// Every row of a table (up to the next heading, which starts with a letter)
// as wide as its heading.
void ExpectAligned(const std::string& text, const std::string& heading) {
    std::istringstream lines(text.substr(text.find(heading)));
    std::string line;
    std::getline(lines, line);
    const std::size_t width = line.size();
    int rows = 0;
    while (std::getline(lines, line) && !line.empty() &&
           std::isalpha(static_cast<unsigned char>(line[0])) == 0) {
        EXPECT_EQ(line.size(), width) << line;
        ++rows;
    }
    EXPECT_GT(rows, 0) << heading;
}

TEST(CompareCommand, TextIsAlignedAndNamesWhatWasLeftOut) {
    testing::TempFolder folder;
    const std::string path =
        testing::WriteProject(folder, "mixed.wxa", *TiesGridlocksAndFailures());
    const CliResult text = Compare({path, kSeed, 90, false});
    ASSERT_EQ(text.status, kExitSuccess) << text.err;
    const Json json = Json::parse(Compare({path, kSeed, 90, true}).out);
    const Json& total = json.at("kinds").at("total");

    EXPECT_THAT(text.out, HasSubstr("Probabilistic analysis, 5000 iterations, seed 7\n"));
    EXPECT_THAT(text.out,
                HasSubstr("Compared iterations: " +
                          std::to_string(total.at("comparedIterations").get<int>()) + " of 5000"));
    // The first alternative never gridlocks nor fails, so the second is
    // named first.
    EXPECT_THAT(text.out,
                HasSubstr("Left out: " + std::to_string(total.at("leftOut").get<int>()) +
                          "; alternative 2 gridlocked or failed in " +
                          std::to_string(total.at("leftOutBy")[1].at("iterations").get<int>())));
    EXPECT_THAT(text.out, HasSubstr("Choice at the 90th percentile: alternative " +
                                    std::to_string(total.at("riskChoice").get<int>()) + ", NPV $"));
    for (const char* section : {"Agency cost", "WZ User cost", "Total cost"}) {
        EXPECT_THAT(text.out, HasSubstr(std::string("\n") + section + "\n"));
    }
    ExpectAligned(text.out, "Alt  Cheapest");
    ExpectAligned(text.out, "Pair  P(a < b)");
}

TEST(CompareCommand, OneAlternativeHasNothingToCompare) {
    testing::TempFolder folder;
    auto project = UrbanExample();
    project->NumberOfAlternatives = 1;
    const std::string path = testing::WriteProject(folder, "one.wxa", *project);

    const CliResult text = Compare({path, kSeed, 50, false});
    ASSERT_EQ(text.status, kExitSuccess) << text.err;
    EXPECT_THAT(text.out, HasSubstr("Only one alternative: nothing to compare.\n"));
    EXPECT_THAT(text.out, ::testing::Not(HasSubstr("Pair")));
    EXPECT_THAT(text.out, ::testing::Not(HasSubstr("Cheapest")));
    // The EUAC of the one alternative is still there.
    EXPECT_THAT(text.out, HasSubstr("Alt  EUAC mean ($)"));

    const Json json = Json::parse(Compare({path, kSeed, 50, true}).out);
    EXPECT_EQ(json.at("comparable"), false);
    for (const char* kind : kNpvKinds) {
        const Json& k = json.at("kinds").at(kind);
        EXPECT_TRUE(k.at("pairwise").empty());
        EXPECT_TRUE(k.at("cheapest")[0].at("probability").is_null());
        EXPECT_TRUE(k.at("riskChoice").is_null());
        EXPECT_TRUE(k.at("euac")[0].at("mean").is_number());
    }
}

// The third alternative's schedule never reaches the end of the analysis
// period: it fails in every iteration, so no iteration is compared, and
// its figures are null, never 0, while the other two still meet.
TEST(CompareCommand, AnAlternativeThatAlwaysFails) {
    testing::TempFolder folder;
    auto project = UrbanExample();
    project->AlternativeActivityCount[2] = 1;
    project->ActivityYearsKind[ActivitySlot(3, 1)] = kDeterministic;
    const std::string path = testing::WriteProject(folder, "fails.wxa", *project);
    const CliResult result = Compare({path, kSeed, 50, true});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const Json json = Json::parse(result.out);
    const Json& total = json.at("kinds").at("total");
    EXPECT_EQ(total.at("comparedIterations"), 0);
    EXPECT_EQ(total.at("leftOut"), 5000);
    EXPECT_EQ(total.at("leftOutBy")[2].at("iterations"), 5000);
    EXPECT_TRUE(total.at("cheapest")[0].at("probability").is_null());
    EXPECT_TRUE(total.at("euac")[2].at("mean").is_null());
    // Pair 1-2 first; pair 1-3 is the second row.
    EXPECT_GT(total.at("pairwise")[0].at("iterations").get<int>(), 0);
    EXPECT_EQ(total.at("pairwise")[1].at("iterations"), 0);
    EXPECT_TRUE(total.at("pairwise")[1].at("meanDifference").is_null());
    EXPECT_NE(total.at("riskChoice"), 3);

    const CliResult text = Compare({path, kSeed, 50, false});
    EXPECT_THAT(text.out, HasSubstr("Compared iterations: 0 of 5000"));
    EXPECT_THAT(text.out, HasSubstr("  1       n/a"));
}

// A deterministic run: one iteration, shares of 1 or 0, single differences.
TEST(CompareCommand, DeterministicRun) {
    testing::TempFolder folder;
    auto project = UrbanExample();
    project->AnalysisType = kDeterministicAnalysis;
    const std::string path = testing::WriteProject(folder, "det.wxa", *project);
    const Json run = RunJson(folder, path);
    const CliResult result = Compare({path, kSeed, 50, true});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const Json json = Json::parse(result.out);
    EXPECT_EQ(json.at("analysisType"), "deterministic");
    EXPECT_EQ(json.at("iterationCount"), 1);
    for (std::size_t k = 0; k < kNpvKinds.size(); ++k) {
        ExpectKindFollowsFromTheRun(json.at("kinds").at(kNpvKinds[k]),
                                    TablesOf(run, project->AnalysisPeriod), k, 50);
        for (const Json& pair : json.at("kinds").at(kNpvKinds[k]).at("pairwise")) {
            EXPECT_EQ(pair.at("meanDifference"), pair.at("p10Difference"));
            EXPECT_EQ(pair.at("meanDifference"), pair.at("p90Difference"));
        }
    }
    const CliResult text = Compare({path, kSeed, 50, false});
    EXPECT_THAT(text.out, HasSubstr("Deterministic analysis, 1 iteration, seed"));
    EXPECT_THAT(text.out, ::testing::ContainsRegex("Alt  Cheapest  +EUAC \\(\\$\\)\n"));
    EXPECT_THAT(text.out, HasSubstr("\nChoice: alternative "));
}

} // namespace
} // namespace wexa::cli
