#include "cli/Commands.h"
#include "decision/BaseCase.h"
#include "model/ProjectFile.h"
#include "support/CliResult.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::cli::cashflow_test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using Json = nlohmann::json;

testing::CliResult Cashflow(const CashflowOptions& options) {
    return testing::Capture([&](Output output) { return CashflowCommand(options, output); });
}

Json CashflowJson(const std::string& path) {
    const testing::CliResult result = Cashflow({path, 1u, std::nullopt, true});
    EXPECT_EQ(result.status, kExitSuccess) << result.err;
    return Json::parse(result.out);
}

// What `run --json` says of `path` (with the base case of a probabilistic
// project run in its place): each alternative's status and NPVs.
Json RunJson(const testing::TempFolder& folder, const std::string& path) {
    auto project = std::make_unique<Project>();
    EXPECT_TRUE(ReadProjectFile(path, *project));
    if (project->AnalysisType == kProbabilisticAnalysis) {
        MakeBaseCase(*project);
    }
    const std::string json = folder.File("run.json");
    const testing::CliResult run = testing::RunCli(
        {testing::WriteProject(folder, "case.wxa", *project), std::nullopt, 1u, json});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    return Json::parse(testing::ReadText(json)).at("alternatives");
}

class CashflowOfExample : public ::testing::TestWithParam<std::string> {};

// The JSON has every key in its place, and each alternative's NPVs are what
// `run --json` stores for the same run, to the dollar, or null with its status.
TEST_P(CashflowOfExample, JsonAgreesWithRun) {
    testing::TempFolder folder;
    const Json stream = CashflowJson(GetParam());
    const Json run = RunJson(folder, GetParam());
    auto project = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(GetParam(), *project));
    EXPECT_EQ(stream.at("basis"),
              project->AnalysisType == kProbabilisticAnalysis ? "base case" : "deterministic");
    EXPECT_EQ(stream.at("analysisPeriod"), project->AnalysisPeriod);
    EXPECT_TRUE(stream.at("discountRate").is_number());
    const Json& alternatives = stream.at("alternatives");
    ASSERT_EQ(alternatives.size(), run.size());
    for (std::size_t a = 0; a < run.size(); ++a) {
        SCOPED_TRACE(a);
        const Json& alternative = alternatives[a];
        EXPECT_EQ(alternative.at("number"), a + 1);
        EXPECT_EQ(alternative.at("status"), run[a].at("status")[0]);
        const bool valid = alternative.at("status") == "valid";
        EXPECT_EQ(alternative.at("npv").is_null(), !valid);
        for (const char* kind : testing::kNpvKinds) {
            if (valid) {
                EXPECT_EQ(alternative.at("npv").at(kind), run[a].at(kind).at("npv")[0]) << kind;
            }
        }
        ASSERT_FALSE(alternative.at("activities").empty());
        for (const Json& row : alternative.at("activities")) {
            for (const char* key : {"activity", "year", "status", "bidItemCost", "timeRelatedCost",
                                    "userCost", "discountFactor"}) {
                EXPECT_TRUE(row.contains(key)) << key;
            }
            for (const char* kind : testing::kNpvKinds) {
                EXPECT_TRUE(row.at("presentValue").at(kind).is_number()) << kind;
            }
        }
        if (!alternative.at("salvage").is_null()) {
            for (const char* key : {"fraction", "amount", "presentValue"}) {
                EXPECT_TRUE(alternative.at("salvage").at(key).is_number()) << key;
            }
        }
    }
    const Json& years = stream.at("years");
    ASSERT_EQ(years.size(), static_cast<std::size_t>(project->AnalysisPeriod) + 1);
    for (std::size_t year = 0; year < years.size(); ++year) {
        EXPECT_EQ(years[year].at("year"), year);
        for (const Json& entry : years[year].at("alternatives")) {
            for (const char* key : {"number", "agency", "user", "total", "presentAgency",
                                    "presentUser", "presentTotal"}) {
                EXPECT_TRUE(entry.contains(key)) << key;
            }
        }
    }
}

// The text names the basis, has a table per alternative with its NPV line,
// and the year table; -o writes the year table as CSV, a line per year.
TEST_P(CashflowOfExample, TextAndCsvCarryTheSameStream) {
    testing::TempFolder folder;
    const Json stream = CashflowJson(GetParam());
    const std::string csv = folder.File("years.csv");
    const testing::CliResult text = Cashflow({GetParam(), 1u, csv, false});
    ASSERT_EQ(text.status, kExitSuccess) << text.err;
    EXPECT_THAT(text.out, HasSubstr(stream.at("basis") == "base case"
                                        ? "Basis: base case (every input at its middle value"
                                        : "Basis: deterministic run"));
    for (const Json& alternative : stream.at("alternatives")) {
        std::ostringstream heading;
        heading << "\nAlternative " << alternative.at("number").get<int>() << ": "
                << alternative.at("status").get<std::string>() << '\n';
        EXPECT_THAT(text.out, HasSubstr(heading.str()));
        if (!alternative.at("npv").is_null()) {
            std::ostringstream npv;
            npv << "NPV: agency " << alternative.at("npv").at("agency").get<std::int64_t>()
                << ", user " << alternative.at("npv").at("user").get<std::int64_t>() << ", total "
                << alternative.at("npv").at("total").get<std::int64_t>() << '\n';
            EXPECT_THAT(text.out, HasSubstr(npv.str()));
        }
    }
    EXPECT_THAT(text.out, HasSubstr("\nYear by year"));

    const std::string written = testing::ReadText(csv);
    std::vector<std::string> lines;
    std::istringstream in(written);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), stream.at("years").size() + 1);
    EXPECT_THAT(lines.front(), HasSubstr("Year,Alt "));
    // The last year carries the salvage credits; its CSV cells read back as
    // the JSON's figures, to the bit.
    std::vector<double> cells;
    std::istringstream last(lines.back());
    for (std::string cell; std::getline(last, cell, ',');) {
        cells.push_back(std::stod(cell));
    }
    for (const Json& entry : stream.at("years").back().at("alternatives")) {
        EXPECT_THAT(cells, Contains(entry.at("presentTotal").get<double>()));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, CashflowOfExample,
                         ::testing::Values(testing::kRuralExample, testing::kUrbanExample));

// A project `run` refuses is refused with the same status and message, and
// no CSV is written; a CSV path that cannot be written is refused before
// anything runs.
TEST(CashflowCommand, RefusesAsRunDoes) {
    struct Refused {
        const char* Name;
        void (*Damage)(Project&);
    };
    const std::vector<Refused> cases{
        {"SevenAlternatives", [](Project& p) { p.NumberOfAlternatives = 7; }},
        {"OffCentreNormalDiscountRate", [](Project& p) { p.DiscountRateMean = 4.5; }},
        {"BidPast2To53", [](Project& p) { p.ActivityBidItemTotal[ActivitySlot(1, 1)] = 5e18; }},
        {"ShortDeterministicSchedule",
         [](Project& p) {
             p.AnalysisType = kDeterministicAnalysis;
             p.ActivityYearsExpected[ActivitySlot(1, 1)] = 1;
             p.AlternativeActivityCount[0] = 1;
         }},
    };
    for (const Refused& refused : cases) {
        SCOPED_TRACE(refused.Name);
        testing::TempFolder folder;
        auto project = std::make_unique<Project>();
        ASSERT_TRUE(ReadProjectFile(testing::kUrbanExample, *project));
        refused.Damage(*project);
        const std::string path = testing::WriteProject(folder, "bad.wxa", *project);
        const testing::CliResult run = testing::RunCli({path, std::nullopt, 1u, std::nullopt});
        const testing::CliResult cashflow = Cashflow({path, 1u, folder.File("y.csv"), true});
        EXPECT_EQ(run.status, kExitRefused);
        EXPECT_EQ(cashflow.status, run.status);
        EXPECT_EQ(cashflow.err, run.err);
        EXPECT_TRUE(cashflow.out.empty());
        EXPECT_EQ(folder.Entries().size(), 1u) << "only the project file is there";
    }

    testing::TempFolder folder;
    const testing::CliResult missing = Cashflow({folder.File("none.wxa"), 1u, std::nullopt, true});
    EXPECT_EQ(missing.status, kExitFileError);
    const testing::CliResult intoFolder =
        Cashflow({testing::kRuralExample, 1u, folder.Path().string(), true});
    EXPECT_EQ(intoFolder.status, kExitFileError);
    EXPECT_TRUE(intoFolder.out.empty());
}

} // namespace
} // namespace wexa::cli::cashflow_test
