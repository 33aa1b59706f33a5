#include "report/FormattedReport.h"

#include "simulation/NamedCases.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wexa {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kSundayMarch3 = 1709438706; // 2024-03-03 04:05:06 UTC

// The report prints local time; the tests pin the zone and put it back after.
class UtcZone {
public:
    UtcZone() {
        if (const char* zone = std::getenv("TZ")) {
            previous_ = zone;
        }
        SetZone("UTC0");
    }
    ~UtcZone() { SetZone(previous_ ? previous_->c_str() : nullptr); }
    UtcZone(const UtcZone&) = delete;
    UtcZone& operator=(const UtcZone&) = delete;

private:
    // A null zone removes the variable. Windows' C library spells both calls
    // its own way.
    static void SetZone(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone != nullptr ? zone : "");
        _tzset();
#else
        if (zone != nullptr) {
            setenv("TZ", zone, 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
#endif
    }

private:
    std::optional<std::string> previous_;
};

std::string Rule(int underscores) {
    return std::string(static_cast<std::size_t>(underscores), '_');
}

// Expected text is written with bare line feeds; the file has CR LF.
std::string Crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

// The report from the first `from` up to, not including, the next `to`.
std::string Between(const std::string& report, std::string_view from, std::string_view to) {
    const std::size_t start = report.find(from);
    const std::size_t end = start == std::string::npos ? start : report.find(to, start);
    if (end == std::string::npos) {
        ADD_FAILURE() << "no \"" << from << "\" followed by \"" << to << "\"";
        return {};
    }
    return report.substr(start, end - start);
}

int Occurrences(const std::string& text, std::string_view what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

struct ReportCase {
    std::unique_ptr<Project> project = std::make_unique<Project>();
    std::unique_ptr<IterationStatusTable> statuses = std::make_unique<IterationStatusTable>();

    explicit ReportCase(AnalysisKind kind) { project->AnalysisType = kind; }

    void SetResult(int a, IterationStatus status, Int64 agency, Int64 user, Int64 total) {
        (*statuses)[a][0] = status;
        project->AgencyNpvResults[a][0] = agency;
        project->UserNpvResults[a][0] = user;
        project->TotalNpvResults[a][0] = total;
    }

    [[nodiscard]] std::string Report(std::time_t when = kSundayMarch3) const {
        UtcZone utc;
        return FormatReport(*project, *statuses, "C:\\out\\report.xls", when);
    }
};

TEST(FormattedReport, HeaderAndAlternativesInWindows1252WithCrLf) {
    ReportCase c(kDeterministicAnalysis);
    Project& p = *c.project;
    p.ProjectNumber = "P-7";
    p.ProjectDescription = "Mill and fill\nI-80 \u20AC \u2713"; // euro sign, check mark
    p.AnalysisPeriod = 40;
    p.ProjectLength = 12.5;
    p.NumberOfLanes = 2;
    p.PostedSpeedLimit = 65;
    p.NumberOfAlternatives = 2;
    p.AlternativeDescriptions[0] = "Concrete";
    p.AlternativeDescriptions[1] = "Two\r\nlines";

    const std::string expected = Crlf("Wexa\n"
                                      "Date of Analysis: Sun Mar  3 04:05:06 2024\n"
                                      "Filename: C:\\out\\report.xls\n" +
                                      Rule(33) +
                                      "\n***GENERAL PROJECT INFORMATION***\n\n"
                                      "Type of Analysis:        Deterministic\n"
                                      "Project Number:          P-7\n"
                                      "Project Description:     Mill and fill\nI-80 \x80 ?\n"
                                      "Analysis Period:         40 years\n"
                                      "Project Length:          12.50 miles\n"
                                      "Number of Lanes:         2 (each direction)\n"
                                      "Posted Speed Limit:      65 mph\n"
                                      "Number of Alternatives:  2\n\n\n" +
                                      Rule(40) +
                                      "\n***ALTERNATIVE SPECIFIC INFORMATION***\n\n"
                                      "Alternative\t\tDescription\n"
                                      "1\t\tConcrete\n"
                                      "2\t\tTwo\n") +
                                 "lines\r\n"; // a CR LF typed by the user keeps one CR
    EXPECT_EQ(Between(c.Report(), "Wexa", "\r\n" + Rule(19) + "\r\n***DETERMINISTIC"), expected);
}

TEST(FormattedReport, DateLineHasTheCtimeShapeAndTheTypeFollowsTheAnalysis) {
    ReportCase c(kProbabilisticAnalysis);
    const std::string report = c.Report(1735171199); // 2024-12-25 23:59:59 UTC
    EXPECT_NE(report.find("\r\nDate of Analysis: Wed Dec 25 23:59:59 2024\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nType of Analysis:        Probabilistic\r\n"), std::string::npos);
}

TEST(FormattedReport, DeterministicTableChoosesGridlockByStatus) {
    ReportCase c(kDeterministicAnalysis);
    c.project->NumberOfAlternatives = 4;
    c.SetResult(0, IterationStatus::Valid, -1, 5, 4);
    c.SetResult(1, IterationStatus::Gridlock, -1, -1, -1);
    c.SetResult(2, IterationStatus::Failure, -2, -2, -2);
    c.SetResult(3, IterationStatus::Valid, 10737418240, 8589934597, 19327352837);

    EXPECT_EQ(Between(c.Report(), "\r\n" + Rule(19) + "\r\n***DETERMINISTIC",
                      Rule(19) + "\r\n***DISCOUNT"),
              Crlf("\n" + Rule(19) +
                   "\n***DETERMINISTIC COST ANALYSIS***\n"
                   "Net Present Value ($)\n"
                   "Alt\tAgency\tWZ\tTotal\n"
                   "1\t-1\t5\t4\n"
                   "2\t<<<GRIDLOCK>>>\n"
                   "3\t-2\t-2\t-2\n"
                   "4\t10737418240\t8589934597\t19327352837\n"));
}

struct ProbabilisticCase : ReportCase {
    ProbabilisticCase() : ReportCase(kProbabilisticAnalysis) {
        Project& p = *project;
        p.NumberOfAlternatives = 2;
        p.IterationCount = kProbabilisticIterations;
        p.FailureCounts = {250, 4000, 0, 0};
        p.GridlockCounts = {1, 1000, 0, 0};
        p.ValidCounts = {4749, 0, 0, 0};
        for (int k = 0; k < kPercentilePoints; ++k) {
            p.AgencyCumulativePercents[0][k] = 9.5 * k;
            p.UserCumulativePercents[0][k] = 9.5 * k;
            p.TotalCumulativePercents[0][k] = 9.5 * k;
            p.AgencyNpvPercentiles[0][k] = 3000000000 + 100 * k;
            p.UserNpvPercentiles[0][k] = 70 + k;
            p.TotalNpvPercentiles[0][k] = 800 + k;
        }
    }
};

TEST(FormattedReport, ProbabilisticSharesAndPercentileTables) {
    ProbabilisticCase c;
    const std::string report = c.Report();

    EXPECT_EQ(Between(report, "\r\n" + Rule(27) + "\r\n***PROBABILISTIC", "\r\nPercentile"),
              Crlf("\n" + Rule(27) +
                   "\n***PROBABILISTIC COST ANALYSIS***\n"
                   "Alt\t%Failure\t%Gridlock\n"
                   "1\t5.00\t0.02\n"
                   "2\t80.00\t20.00\n"));

    // The second alternative has no valid iteration: its NPV cells say so.
    EXPECT_EQ(Between(report, "\r\nPercentile NPV ($) of Agency", "\r\nPercentile NPV ($) of Work"),
              Crlf("\nPercentile NPV ($) of Agency Costs\n"
                   "Alt 1\t\tAlt 2\t\t\n"
                   "Cum. %\tNPV($)\tCum. %\tNPV($)\t\n"
                   "0.00\t3000000000\t0.00\tn/a\t\n"
                   "9.50\t3000000100\t0.00\tn/a\t\n"
                   "19.00\t3000000200\t0.00\tn/a\t\n"
                   "28.50\t3000000300\t0.00\tn/a\t\n"
                   "38.00\t3000000400\t0.00\tn/a\t\n"
                   "47.50\t3000000500\t0.00\tn/a\t\n"
                   "57.00\t3000000600\t0.00\tn/a\t\n"
                   "66.50\t3000000700\t0.00\tn/a\t\n"
                   "76.00\t3000000800\t0.00\tn/a\t\n"
                   "85.50\t3000000900\t0.00\tn/a\t\n"
                   "95.00\t3000001000\t0.00\tn/a\t\n\n"));
    EXPECT_NE(report.find(Crlf("\nPercentile NPV ($) of Work Zone User Costs\n"
                               "Alt 1\t\tAlt 2\t\t\n"
                               "Cum. %\tNPV($)\tCum. %\tNPV($)\t\n"
                               "0.00\t70\t0.00\tn/a\t\n")),
              std::string::npos);
    EXPECT_NE(report.find(Crlf("Percentile NPV ($) of Total Costs\n"
                               "Alt 1\t\tAlt 2\t\t\n"
                               "Cum. %\tNPV($)\tCum. %\tNPV($)\t\n"
                               "0.00\t800\t0.00\tn/a\t\n"
                               "9.50\t801\t0.00\tn/a\t\n")),
              std::string::npos);
    EXPECT_LT(report.find("of Work Zone User Costs"), report.find("of Total Costs"));
}

TEST(FormattedReport, ARunWithoutIterationsHasNoShares) {
    ProbabilisticCase c;
    c.project->IterationCount = 0;
    EXPECT_NE(c.Report().find("\r\n1\t0.00\t0.00\r\n2\t0.00\t0.00\r\n"), std::string::npos);
}

struct DistributionCase {
    const char* name;
    Int32 kind;
    const char* percentBlock;
    const char* yearsBlock;
};

class DistributionBlocks : public ::testing::TestWithParam<DistributionCase> {};

TEST_P(DistributionBlocks, PrintTheLinesOfTheirKind) {
    const DistributionCase& d = GetParam();
    ReportCase c(kDeterministicAnalysis);
    Project& p = *c.project;
    p.DiscountRateKind = d.kind;
    p.DiscountRateMin = 1.5;
    p.DiscountRateMean = 4.25;
    p.DiscountRateMax = 7.0;
    p.ActivityYearsKind[0] = d.kind;
    p.ActivityYearsMin[0] = 3;
    p.ActivityYearsExpected[0] = 12;
    p.ActivityYearsMax[0] = 20;
    const std::string report = c.Report();

    EXPECT_EQ(Between(report, "***DISCOUNT RATE***", Rule(46)),
              Crlf(std::string("***DISCOUNT RATE***\n\n") + d.percentBlock));
    EXPECT_EQ(Between(report, "Years Before Next Work->", "Work Zone Timing"),
              Crlf(std::string("Years Before Next Work->\n") + d.yearsBlock));
}

INSTANTIATE_TEST_SUITE_P(
    FormattedReport, DistributionBlocks,
    ::testing::Values(
        DistributionCase{"Normal", kNormal,
                         "Distribution:  Normal\nMinimum:       1.50%\nMean:          4.25%\n"
                         "Maximum:       7.00%\n\n",
                         "Distribution:  Normal\nMinimum:       3\nMean:          12\n"
                         "Maximum:       20\n\n"},
        DistributionCase{"TruncatedNormal", kTruncatedNormal,
                         "Distribution:       Truncated Normal\nExpected:           4.25%\n"
                         "Standard Deviation: 1.50%\n\n",
                         "Distribution:       Truncated Normal\nExpected:           12\n"
                         "Standard Deviation: 3\n\n"},
        DistributionCase{"Uniform", kUniform,
                         "Distribution:  Uniform\nMinimum:       1.50%\nDefault:       4.25%\n"
                         "Maximum:       7.00%\n\n",
                         "Distribution:  Uniform\nMinimum:       3\nDefault:       12\n"
                         "Maximum:       20\n\n"},
        DistributionCase{"Triangular", kTriangular,
                         "Distribution:  Triangular\nMinimum:       1.50%\nMost Likely:   4.25%\n"
                         "Maximum:       7.00%\n\n",
                         "Distribution:  Triangular\nMinimum:       3\nMost Likely:   12\n"
                         "Maximum:       20\n\n"},
        DistributionCase{"Deterministic", kDeterministic,
                         "Distribution:  None - Deterministic\nValue:         4.25%\n\n",
                         "Distribution:  None - Deterministic\nValue:         12\n\n"},
        DistributionCase{"UnknownKind", 5, "\n", "\n"},
        DistributionCase{"NegativeKind", -1, "\n", "\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormattedReport, TrafficSectionLeavesOutAnUnknownTerrain) {
    ReportCase c(kDeterministicAnalysis);
    c.project->TrafficType = 1;
    c.project->Terrain = 3;
    c.project->BaseYearAADT = 25000;
    c.project->PercentTrucks = 12.5;
    EXPECT_EQ(Between(c.Report(), "***TRAFFIC", "Traffic Growth Rate"),
              Crlf("***TRAFFIC INFORMATION and ROADWAY CAPACITY***\n\n"
                   "Project Type:    Urban\n"
                   "Base AADT:       25000 (bi-directional)\n"
                   "Max AADT:        100000 (bi-directional)\n"
                   "Trucks:          12.50%\n"
                   "Single Units:    5.00%\n"
                   "Comb. Units:     5.00%\n\n"
                   "Max Service Flow Rate:       2200 pcphpl (each direction)\n"
                   "RV Factor:                   1.00\n"
                   "Truck Equivalency Factor:    1.50\n"
                   "HV Factor:                   0.95\n"
                   "LW Factor:                   1.00\n"
                   "Service Flow Rate:           2095 vph (each direction)\n\n"));
}

// Alternative 1 with two activities: the first includes user costs, the
// second excludes them.
ReportCase WorkZoneCase() {
    ReportCase c(kDeterministicAnalysis);
    Project& p = *c.project;
    p.AlternativeActivityCount[0] = 2;
    p.ActivityDescriptions[0] = "Initial construction";
    p.ActivityYears[0] = 0;
    p.ActivityYearsKind[0] = kDeterministic;
    p.ActivityYearsExpected[0] = 15;
    p.ActivityStartHour[0] = 20;
    p.ActivityStopHour[0] = 5;
    p.ActivityWorkZoneLanes[0] = 1;
    p.ActivityWorkZoneLength[0] = 1.25;
    p.ActivityWorkZoneSpeed[0] = 45;
    p.ActivityWorkZoneCapacity[0] = 1340;
    p.ActivityDissipationCapacity[0] = 1800;
    p.ActivityRequiredTime[0] = 20;
    p.ActivityTimeVariability[0] = 10;
    p.ActivityMobilizationHours[0] = 1;
    p.ActivityDaysToComplete[0] = 3;
    p.ActivityInboundPercent[0] = 100;
    p.ActivityOutboundPercent[0] = 50;
    p.ActivityBidItemTotal[0] = 4575;
    p.ActivityWorkZoneUserCost[0] = 123456.78;

    auto bid = [&p](int row, double quantity, Int32 unit, double price, Int32 code, double cost,
                    const char* description) {
        p.BidItemQuantities[row] = quantity;
        p.BidItemUnits[row] = unit;
        p.BidItemUnitPrices[row] = price;
        p.BidItemCodes[row] = code;
        p.BidItemCosts[row] = cost;
        p.BidItemDescriptions[row] = description;
    };
    bid(0, 100, 2, 45.5, 203, 4550, "Excavation");
    bid(1, 0, 1, 99, 1, 0, "Priced but no quantity");
    bid(2, 2.5, 9, 10, 7, 25, "Odd unit");
    bid(3, -1, 0, 10, 8, -10, "Negative quantity");

    auto item = [&p](int slot, Int32 unit, double price, const char* description) {
        p.TimeItemUnits[slot] = unit;
        p.TimeItemUnitPrices[slot] = price;
        p.TimeItemDescriptions[slot] = description;
    };
    item(0, kPerDay, 250, "Traffic control");
    item(1, kPerHour, 12.5, "Arrow board");
    item(2, kPerHour, 0, "Unpriced");

    const int second = ActivitySlot(1, 2);
    p.ActivityUserCostModes[second] = kExcludeUserCosts;
    p.ActivityDaysToComplete[second] = 5;
    p.ActivityRequiredTime[second] = 8;
    item(TimeItemSlot(second, 0), 2, 40, "Flagger"); // the list's blank entry
    return c;
}

TEST(FormattedReport, WorkZoneSectionOfAnActivity) {
    const std::string report = WorkZoneCase().Report();
    EXPECT_EQ(Between(report, "\r\n" + Rule(36) + "\r\n***WORK", "\r\n\r\n<<<WORK ZONE 2>>>"),
              Crlf("\n" + Rule(36) +
                   "\n***WORK ZONE SPECIFIC INFORMATION***\n\n\n"
                   ">>>ALTERNATIVE 1<<<\n\n\n"
                   "<<<WORK ZONE 1>>>\n"
                   "Description:            Initial construction\n\n"
                   "Expected Year of Work:  0\n"
                   "Years Before Next Work->\n"
                   "Distribution:  None - Deterministic\n"
                   "Value:         15\n\n"
                   "Work Zone Timing (24-hour Clock)\n"
                   "Start Time:  20\n"
                   "Stop Time:   5\n\n"
                   "Number of Lanes:        1 (each direction)\n"
                   "Length:                 1.25 miles\n"
                   "Speed Limit:            45 mph\n"
                   "Capacity:               1340 vphpl\n"
                   "Dissipation Capacity:   1800 vphpl\n"
                   "Required Hours:         20\n"
                   "Reqd Hours Variability: 10 %\n"
                   "Daily Mobilization:     1 hrs/day\n"
                   "Required Days:          3\n"
                   "Percent of Days Restricted Traffic: 100% (Inbound)    50% (Outbound)\n\n"
                   "Cost Summary (Future Dollars)\n"
                   "-----------------------------\n"
                   "Agency Bid Item Costs:       $           4575.00\n"
                   "Agency Time Related Costs:   $           1000.00\n"
                   "Work Zone User Costs:        $         123456.78\n"
                   "\nBid Item Costs (Future Dollars)\n"
                   "-------------------------------\n"
                   "Qty\tUnits\tUnit Price($)\tCode\tCost($)\tDescription\n"
                   "100.00\tcu. yd\t45.50\t203\t4550.00\tExcavation\n"
                   "2.50\t\t10.00\t7\t25.00\tOdd unit\n"
                   "\n\nTime Related Item Costs (Future Dollars)\n"
                   "----------------------------------------\n"
                   "Units\tUnit Price($)\tDescription\n"
                   "Days\t250.00\tTraffic control\n"
                   "Hours\t12.50\tArrow board\n"));
}

TEST(FormattedReport, ExcludedActivityStillShowsItsTimeRelatedCost) {
    const std::string second = Between(WorkZoneCase().Report(), "<<<WORK ZONE 2>>>", Rule(50));
    // The blank unit is charged by the day (5 days x 40), and labelled so.
    EXPECT_NE(second.find("\r\nAgency Time Related Costs:   $            200.00\r\n"),
              std::string::npos);
    EXPECT_NE(second.find("\r\nUnits\tUnit Price($)\tDescription\r\nDays\t40.00\tFlagger\r\n"),
              std::string::npos);
}

TEST(FormattedReport, CountsBeyondTheArraysAreClamped) {
    ReportCase c(kDeterministicAnalysis);
    c.project->NumberOfAlternatives = 9;
    c.project->AlternativeActivityCount = {25, -4, 1, 1};
    const std::string report = c.Report();
    EXPECT_NE(report.find("\r\nNumber of Alternatives:  9\r\n"), std::string::npos);
    EXPECT_EQ(Occurrences(report, ">>>ALTERNATIVE "), 4);
    EXPECT_EQ(Occurrences(report, "<<<WORK ZONE "), 10 + 0 + 1 + 1);
    EXPECT_NE(report.find("\r\n4\t0\t0\t0\r\n" + Rule(19) + "\r\n***DISCOUNT RATE***"),
              std::string::npos);
}

TEST(FormattedReport, EndsWithTheCostTablesAndTheRowForHour23) {
    ReportCase c(kDeterministicAnalysis);
    Project& p = *c.project;
    p.AddedTimePassengerCar[16] = 1.5;
    p.AddedCostCombinationTruck[16] = 1e308; // hundreds of digits, printed whole
    p.IdlingCostPassengerCar = 1.23456;
    p.HourlyAADTPercent[23] = 1.25;
    p.HourlyInboundPercent[23] = 0.5;
    p.HourlyOutboundPercent[23] = 0.75;
    const std::string report = c.Report();

    const std::size_t row80 = report.find("\r\n80\t1.50\t");
    ASSERT_NE(row80, std::string::npos);
    const std::size_t rowEnd = report.find("\r\n", row80 + 2);
    const std::string lastCell = report.substr(report.rfind('\t', rowEnd) + 1);
    // 1e308 with two decimals: 309 digits, the point and two zeros, no cut.
    EXPECT_EQ(lastCell.substr(0, lastCell.find('\r')).size(), 312U);
    EXPECT_EQ(lastCell.substr(0, 20), "10000000000000000109");
    EXPECT_NE(report.find(Crlf("\nIdling\nCosts\n($/Veh-Hour)\t1.2346\t")), std::string::npos);
    EXPECT_NE(report.find(Crlf("\n" + Rule(33) +
                               "\n***HOURLY TRAFFIC DISTRIBUTION***\n"
                               "\nHour\t%AADT\t%In\t%Out\n0 to 1\t")),
              std::string::npos);
    const std::string last = "\r\n23 to 24\t1.25\t0.50\t0.75\r\n";
    ASSERT_GE(report.size(), last.size());
    EXPECT_EQ(report.substr(report.size() - last.size()), last);
    // No line feed anywhere without its carriage return.
    for (std::size_t at = report.find('\n'); at != std::string::npos;
         at = report.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && report[at - 1] == '\r') << "bare line feed at " << at;
    }
}

TEST(FormattedReport, WriteReplacesAnExistingFileWithTheReport) {
    testing::TempFolder folder;
    const fs::path target = folder / "report.xls";
    testing::WriteText(target, std::string(100000, 'x'));
    ReportCase c(kDeterministicAnalysis);
    UtcZone utc;

    ASSERT_TRUE(WriteReport(target, *c.project, *c.statuses, kSundayMarch3).Ok);
    EXPECT_EQ(testing::ReadText(target),
              FormatReport(*c.project, *c.statuses, target.string(), kSundayMarch3));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.xls"});
}

TEST(FormattedReport, AFailedWriteNamesTheFileAndLeavesNothing) {
    testing::TempFolder folder;
    const fs::path target = folder / "taken.xls";
    fs::create_directory(target);
    ReportCase c(kDeterministicAnalysis);

    const FileResult result = WriteReport(target, *c.project, *c.statuses, kSundayMarch3);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find(target.string()), std::string::npos) << result.Message;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"taken.xls"});
}

} // namespace
} // namespace wexa
