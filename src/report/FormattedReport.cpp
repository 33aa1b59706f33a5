#include "report/FormattedReport.h"

#include "model/AtomicFile.h"
#include "model/Capacities.h"
#include "model/PathText.h"
#include "model/TextEncoding.h"
#include "report/LocalTime.h"
#include "simulation/AgencyCost.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <span>

namespace wexa {
namespace {

// The report as it is built: UTF-8 with bare line feeds, like the program's
// strings, so the encoding and the line ends are settled once at the end.
class ReportText {
public:
    // printf into the text. A value such as %.2f of 1e308 runs to hundreds of
    // characters, so the length is measured first instead of guessing a buffer.
    [[gnu::format(printf, 2, 3)]] void Printf(const char* format, ...) {
        std::va_list arguments;
        va_start(arguments, format);
        std::va_list measuring;
        va_copy(measuring, arguments);
        const int length = std::vsnprintf(nullptr, 0, format, measuring);
        va_end(measuring);
        if (length > 0) {
            const std::size_t start = text_.size();
            text_.resize(start + static_cast<std::size_t>(length) + 1);
            std::vsnprintf(text_.data() + start, static_cast<std::size_t>(length) + 1, format,
                           arguments);
            text_.resize(start + static_cast<std::size_t>(length));
        }
        va_end(arguments);
    }

    [[nodiscard]] const std::string& Text() const { return text_; }

    // 8-bit text with CR LF line ends. A line feed that already follows a
    // carriage return (a description typed with CR LF) keeps its one CR.
    [[nodiscard]] std::string Finish() const {
        const std::string bytes = Utf8ToWindows1252(text_);
        std::string out;
        out.reserve(bytes.size() + bytes.size() / 16);
        char previous = '\0';
        for (const char c : bytes) {
            if (c == '\n' && previous != '\r') {
                out += '\r';
            }
            out += c;
            previous = c;
        }
        return out;
    }

private:
    std::string text_;
};

// Loop bounds from the project's counts, kept inside the fixed arrays.
int AlternativesToPrint(const Project& project) {
    return std::clamp(project.NumberOfAlternatives, 0, kMaxAlternatives);
}
int ActivitiesToPrint(const Project& project, int alternativeIndex) {
    return std::clamp(project.AlternativeActivityCount[alternativeIndex], 0,
                      kActivitiesPerAlternative);
}

// The entry of a list at a stored position, or `fallback` for a position the
// list does not have.
template <std::size_t N>
const char* ListEntry(const std::array<const char*, N>& list, int position, const char* fallback) {
    if (position < 0 || position >= static_cast<int>(N)) {
        return fallback;
    }
    return list[static_cast<std::size_t>(position)];
}

// "Www Mmm dd hh:mm:ss yyyy" as ctime writes it: the day of the month is
// padded with a space, not a zero.
void WriteDateLine(ReportText& out, std::time_t analysisTime) {
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                         "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm local{};
    if (!ToLocalTime(analysisTime, local)) {
        // Only a time beyond the calendar's range gets here.
        out.Printf("Date of Analysis: unknown\n");
        return;
    }
    out.Printf("Date of Analysis: %.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
               ListEntry(kDays, local.tm_wday, "???"), ListEntry(kMonths, local.tm_mon, "???"),
               local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, 1900 + local.tm_year);
}

void WriteHeader(ReportText& out, const Project& project, std::string_view fileName,
                 std::time_t analysisTime) {
    out.Printf("Wexa\n");
    WriteDateLine(out, analysisTime);
    out.Printf("Filename: %.*s\n", static_cast<int>(fileName.size()), fileName.data());
    out.Printf("_________________________________\n");
    out.Printf("***GENERAL PROJECT INFORMATION***\n\n");
    out.Printf("Type of Analysis:        %s", project.AnalysisType != kProbabilisticAnalysis
                                                  ? "Deterministic\n"
                                                  : "Probabilistic\n");
    out.Printf("Project Number:          %s\n", project.ProjectNumber.c_str());
    out.Printf("Project Description:     %s\n", project.ProjectDescription.c_str());
    out.Printf("Analysis Period:         %d years\n", project.AnalysisPeriod);
    out.Printf("Project Length:          %.2f miles\n", project.ProjectLength);
    out.Printf("Number of Lanes:         %d (each direction)\n", project.NumberOfLanes);
    out.Printf("Posted Speed Limit:      %d mph\n", project.PostedSpeedLimit);
    out.Printf("Number of Alternatives:  %d\n\n", project.NumberOfAlternatives);
}

void WriteAlternatives(ReportText& out, const Project& project) {
    out.Printf("\n________________________________________\n");
    out.Printf("***ALTERNATIVE SPECIFIC INFORMATION***\n\n");
    out.Printf("Alternative\t\tDescription\n");
    for (int a = 0; a < AlternativesToPrint(project); ++a) {
        out.Printf("%d\t\t%s\n", a + 1, project.AlternativeDescriptions[a].c_str());
    }
}

void WriteDeterministicResults(ReportText& out, const Project& project,
                               const IterationStatusTable& statuses) {
    out.Printf("\n___________________\n");
    out.Printf("***DETERMINISTIC COST ANALYSIS***\n");
    out.Printf("Net Present Value ($)\n");
    out.Printf("Alt\tAgency\tWZ\tTotal\n");
    for (int a = 0; a < AlternativesToPrint(project); ++a) {
        if (statuses[a][0] == IterationStatus::Gridlock) {
            out.Printf("%d\t<<<GRIDLOCK>>>\n", a + 1);
        } else {
            out.Printf("%d\t%" PRId64 "\t%" PRId64 "\t%" PRId64 "\n", a + 1,
                       project.AgencyNpvResults[a][0], project.UserNpvResults[a][0],
                       project.TotalNpvResults[a][0]);
        }
    }
}

// Share of the run's iterations, in percent; a run without iterations has
// none of anything.
double PercentOfIterations(const Project& project, Int32 count) {
    if (project.IterationCount <= 0) {
        return 0.0;
    }
    return 100.0 * count / project.IterationCount;
}

void WritePercentileTable(ReportText& out, const Project& project, const char* title,
                          const PercentileTable<double>& cumulativePercents,
                          const PercentileTable<Int64>& npvPercentiles) {
    const int alternatives = AlternativesToPrint(project);
    out.Printf("%s", title);
    for (int a = 0; a < alternatives; ++a) {
        out.Printf("Alt %d\t\t", a + 1);
    }
    out.Printf("\n");
    for (int a = 0; a < alternatives; ++a) {
        out.Printf("Cum. %%\tNPV($)\t");
    }
    out.Printf("\n");
    for (int k = 0; k < kPercentilePoints; ++k) {
        for (int a = 0; a < alternatives; ++a) {
            if (project.ValidCounts[a] > 0) {
                out.Printf("%.2f\t%" PRId64 "\t", cumulativePercents[a][k], npvPercentiles[a][k]);
            } else {
                // No valid iteration: the stored points are placeholders, not data.
                out.Printf("%.2f\tn/a\t", cumulativePercents[a][k]);
            }
        }
        out.Printf("\n");
    }
    out.Printf("\n");
}

void WriteProbabilisticResults(ReportText& out, const Project& project) {
    out.Printf("\n___________________________\n");
    out.Printf("***PROBABILISTIC COST ANALYSIS***\n");
    out.Printf("Alt\t%%Failure\t%%Gridlock\n");
    for (int a = 0; a < AlternativesToPrint(project); ++a) {
        out.Printf("%d\t%.2f\t%.2f\n", a + 1,
                   PercentOfIterations(project, project.FailureCounts[a]),
                   PercentOfIterations(project, project.GridlockCounts[a]));
    }
    WritePercentileTable(out, project, "\nPercentile NPV ($) of Agency Costs\n",
                         project.AgencyCumulativePercents, project.AgencyNpvPercentiles);
    WritePercentileTable(out, project, "\nPercentile NPV ($) of Work Zone User Costs\n",
                         project.UserCumulativePercents, project.UserNpvPercentiles);
    WritePercentileTable(out, project, "\nPercentile NPV ($) of Total Costs\n",
                         project.TotalCumulativePercents, project.TotalNpvPercentiles);
}

// One line of a distribution block: its label and which of the three values
// (first, second, third) it shows.
struct DistributionLine {
    const char* Label;
    int Value;
};

struct DistributionLayout {
    const char* Heading;
    std::span<const DistributionLine> Lines;
};

constexpr std::array<DistributionLine, 3> kNormalLines = {
    {{"Minimum:       ", 0}, {"Mean:          ", 1}, {"Maximum:       ", 2}}};
constexpr std::array<DistributionLine, 2> kTruncatedNormalLines = {
    {{"Expected:           ", 1}, {"Standard Deviation: ", 0}}};
constexpr std::array<DistributionLine, 3> kUniformLines = {
    {{"Minimum:       ", 0}, {"Default:       ", 1}, {"Maximum:       ", 2}}};
constexpr std::array<DistributionLine, 3> kTriangularLines = {
    {{"Minimum:       ", 0}, {"Most Likely:   ", 1}, {"Maximum:       ", 2}}};
constexpr std::array<DistributionLine, 1> kDeterministicLines = {{{"Value:         ", 1}}};

// Indexed by DistributionKind.
constexpr std::array<DistributionLayout, 5> kDistributionLayouts = {{
    {"Distribution:  Normal\n", kNormalLines},
    {"Distribution:       Truncated Normal\n", kTruncatedNormalLines},
    {"Distribution:  Uniform\n", kUniformLines},
    {"Distribution:  Triangular\n", kTriangularLines},
    {"Distribution:  None - Deterministic\n", kDeterministicLines},
}};

// The block of one distribution, its three values already formatted. A kind
// the program does not know prints only the closing blank line.
void WriteDistribution(ReportText& out, Int32 kind, const std::array<std::string, 3>& values) {
    if (kind >= 0 && kind < static_cast<Int32>(kDistributionLayouts.size())) {
        const DistributionLayout& layout = kDistributionLayouts[static_cast<std::size_t>(kind)];
        out.Printf("%s", layout.Heading);
        for (const DistributionLine& line : layout.Lines) {
            out.Printf("%s%s\n", line.Label, values[static_cast<std::size_t>(line.Value)].c_str());
        }
    }
    out.Printf("\n");
}

std::string Formatted(const char* format, double value) {
    ReportText text;
    text.Printf(format, value);
    return text.Text();
}

void WritePercentDistribution(ReportText& out, Int32 kind, double first, double second,
                              double third) {
    WriteDistribution(
        out, kind,
        {Formatted("%.2f%%", first), Formatted("%.2f%%", second), Formatted("%.2f%%", third)});
}

void WriteYearsDistribution(ReportText& out, Int32 kind, Int32 first, Int32 second, Int32 third) {
    WriteDistribution(out, kind,
                      {std::to_string(first), std::to_string(second), std::to_string(third)});
}

void WriteDiscountRate(ReportText& out, const Project& project) {
    out.Printf("___________________\n");
    out.Printf("***DISCOUNT RATE***\n\n");
    WritePercentDistribution(out, project.DiscountRateKind, project.DiscountRateMin,
                             project.DiscountRateMean, project.DiscountRateMax);
}

void WriteTraffic(ReportText& out, const Project& project) {
    static constexpr std::array<const char*, 3> kProjectTypes = {
        "Project Type:    Rural\n", "Project Type:    Urban\n", "Project Type:    Specific\n"};
    static constexpr std::array<const char*, 3> kTerrains = {"Terrain:         Level\n\n",
                                                             "Terrain:         Rolling\n\n",
                                                             "Terrain:         Mountainous\n\n"};
    out.Printf("______________________________________________\n");
    out.Printf("***TRAFFIC INFORMATION and ROADWAY CAPACITY***\n\n");
    out.Printf("%s", ListEntry(kProjectTypes, project.TrafficType, ""));
    out.Printf("%s", ListEntry(kTerrains, project.Terrain, ""));
    out.Printf("Base AADT:       %d (bi-directional)\n"
               "Max AADT:        %d (bi-directional)\n",
               project.BaseYearAADT, project.MaximumAADT);
    out.Printf("Trucks:          %.2f%%\n"
               "Single Units:    %.2f%%\n"
               "Comb. Units:     %.2f%%\n\n",
               project.PercentTrucks, project.PercentSUTrucks, project.PercentCUTrucks);
    out.Printf("Max Service Flow Rate:       %.0f pcphpl (each direction)\n"
               "RV Factor:                   %.2f\n"
               "Truck Equivalency Factor:    %.2f\n"
               "HV Factor:                   %.2f\n"
               "LW Factor:                   %.2f\n"
               "Service Flow Rate:           %.0f vph (each direction)\n\n",
               project.MaxServiceFlowRate, project.RecreationalVehicleFactor,
               project.TruckEquivalencyFactor, project.HeavyVehicleFactor, project.LaneWidthFactor,
               project.ServiceFlowRate);
    out.Printf("Traffic Growth Rate\n");
    WritePercentDistribution(out, project.TrafficGrowthKind, project.TrafficGrowthMin,
                             project.TrafficGrowthMean, project.TrafficGrowthMax);
}

// A list of an activity's items under its heading: only the rows whose
// amount (a quantity or a price) is above 0; 0, a negative amount or
// not-a-number leaves the row out.
template <typename WriteRow>
void WriteItemList(ReportText& out, const char* heading, std::span<const double> amounts,
                   int firstSlot, WriteRow writeRow) {
    out.Printf("%s", heading);
    for (std::size_t row = 0; row < amounts.size(); ++row) {
        if (amounts[row] > 0.0) {
            writeRow(firstSlot + static_cast<int>(row));
        }
    }
}

void WriteBidItems(ReportText& out, const Project& project, int act) {
    static constexpr std::array<const char*, 6> kUnits = {"mile", "sq. yd", "cu. yd",
                                                          "ton",  "foot",   "other"};
    const int first = BidItemSlot(act, 0);
    WriteItemList(out,
                  "\nBid Item Costs (Future Dollars)\n"
                  "-------------------------------\n"
                  "Qty\tUnits\tUnit Price($)\tCode\tCost($)\tDescription\n",
                  std::span(project.BidItemQuantities).subspan(first, kBidItemsPerActivity), first,
                  [&](int bid) {
                      out.Printf("%.2f\t", project.BidItemQuantities[bid]);
                      out.Printf("%s\t", ListEntry(kUnits, project.BidItemUnits[bid], ""));
                      out.Printf("%.2f\t%d\t%.2f\t%s\n", project.BidItemUnitPrices[bid],
                                 project.BidItemCodes[bid], project.BidItemCosts[bid],
                                 project.BidItemDescriptions[bid].c_str());
                  });
}

void WriteTimeItems(ReportText& out, const Project& project, int act) {
    const int first = TimeItemSlot(act, 0);
    WriteItemList(out,
                  "\n\nTime Related Item Costs (Future Dollars)\n"
                  "----------------------------------------\n"
                  "Units\tUnit Price($)\tDescription\n",
                  std::span(project.TimeItemUnitPrices).subspan(first, kTimeItemsPerActivity),
                  first, [&](int item) {
                      // The label follows the cost rule: only an hourly item is
                      // priced by the hour; every other unit, the list's blank
                      // entry included, by the day.
                      out.Printf("%s",
                                 project.TimeItemUnits[item] == kPerHour ? "Hours\t" : "Days\t");
                      out.Printf("%.2f\t%s\n", project.TimeItemUnitPrices[item],
                                 project.TimeItemDescriptions[item].c_str());
                  });
}

void WriteActivity(ReportText& out, const Project& project, int activityNumber, int act) {
    out.Printf("\n\n<<<WORK ZONE %d>>>\n", activityNumber);
    out.Printf("Description:            %s\n\n", project.ActivityDescriptions[act].c_str());
    out.Printf("Expected Year of Work:  %d\n", project.ActivityYears[act]);
    out.Printf("Years Before Next Work->\n");
    WriteYearsDistribution(out, project.ActivityYearsKind[act], project.ActivityYearsMin[act],
                           project.ActivityYearsExpected[act], project.ActivityYearsMax[act]);
    out.Printf("Work Zone Timing (24-hour Clock)\n");
    out.Printf("Start Time:  %d\n", project.ActivityStartHour[act]);
    out.Printf("Stop Time:   %d\n\n", project.ActivityStopHour[act]);
    out.Printf("Number of Lanes:        %d (each direction)\n", project.ActivityWorkZoneLanes[act]);
    out.Printf("Length:                 %.2f miles\n", project.ActivityWorkZoneLength[act]);
    out.Printf("Speed Limit:            %d mph\n", project.ActivityWorkZoneSpeed[act]);
    out.Printf("Capacity:               %.0f vphpl\n", project.ActivityWorkZoneCapacity[act]);
    out.Printf("Dissipation Capacity:   %.0f vphpl\n", project.ActivityDissipationCapacity[act]);
    out.Printf("Required Hours:         %d\n", project.ActivityRequiredTime[act]);
    out.Printf("Reqd Hours Variability: %.0f %%\n", project.ActivityTimeVariability[act]);
    out.Printf("Daily Mobilization:     %d hrs/day\n", project.ActivityMobilizationHours[act]);
    out.Printf("Required Days:          %d\n", project.ActivityDaysToComplete[act]);
    out.Printf("Percent of Days Restricted Traffic: %.0f%% (Inbound)    %.0f%% (Outbound)\n\n",
               project.ActivityInboundPercent[act], project.ActivityOutboundPercent[act]);
    out.Printf("Cost Summary (Future Dollars)\n");
    out.Printf("-----------------------------\n");
    out.Printf("Agency Bid Item Costs:       $%18.2f\n", project.ActivityBidItemTotal[act]);
    // Shown for every activity, also one whose user costs the run leaves out.
    out.Printf("Agency Time Related Costs:   $");
    out.Printf("%18.2f\n", ActivityTimeRelatedCost(project, act));
    out.Printf("Work Zone User Costs:        $%18.2f\n", project.ActivityWorkZoneUserCost[act]);
    WriteBidItems(out, project, act);
    WriteTimeItems(out, project, act);
}

void WriteWorkZones(ReportText& out, const Project& project) {
    out.Printf("____________________________________\n");
    out.Printf("***WORK ZONE SPECIFIC INFORMATION***\n");
    for (int a = 0; a < AlternativesToPrint(project); ++a) {
        out.Printf("\n\n");
        out.Printf(">>>ALTERNATIVE %d<<<\n", a + 1);
        for (int w = 0; w < ActivitiesToPrint(project, a); ++w) {
            WriteActivity(out, project, w + 1, ActivitySlot(a + 1, w + 1));
        }
    }
}

void WriteCostTables(ReportText& out, const Project& project) {
    out.Printf("\n__________________________________________________\n");
    out.Printf("***ADDED TIME, VEHICLE RUNNING AND IDLING COSTS***\n");
    out.Printf("\n\tAdded Time(Hr/1000 Stops)\t\t\tAdded Cost($/1000 Stops)\n");
    out.Printf("Initial\t\tSingle\tComb.\t\tSingle\tComb.\n");
    out.Printf("Speed\tPass.\tUnit\tUnit\tPass.\tUnit\tUnit\n");
    out.Printf("(mph)\tCars\tTrucks\tTrucks\tCars\tTrucks\tTrucks\n");
    for (int s = 0; s < kSpeedRows; ++s) {
        out.Printf("%d\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\n", 5 * s,
                   project.AddedTimePassengerCar[s], project.AddedTimeSingleUnitTruck[s],
                   project.AddedTimeCombinationTruck[s], project.AddedCostPassengerCar[s],
                   project.AddedCostSingleUnitTruck[s], project.AddedCostCombinationTruck[s]);
    }
    out.Printf("\nIdling\nCosts\n($/Veh-Hour)\t%.4f\t%.4f\t%.4f\n", project.IdlingCostPassengerCar,
               project.IdlingCostSingleUnitTruck, project.IdlingCostCombinationTruck);
}

void WriteHourlyDistribution(ReportText& out, const Project& project) {
    out.Printf("\n_________________________________\n");
    out.Printf("***HOURLY TRAFFIC DISTRIBUTION***\n");
    out.Printf("\nHour\t%%AADT\t%%In\t%%Out\n");
    for (int h = 0; h < kHours; ++h) {
        out.Printf("%d to %d\t%.2f\t%.2f\t%.2f\n", h, h + 1, project.HourlyAADTPercent[h],
                   project.HourlyInboundPercent[h], project.HourlyOutboundPercent[h]);
    }
}

} // namespace

std::string FormatReport(const Project& project, const IterationStatusTable& statuses,
                         std::string_view fileName, std::time_t analysisTime) {
    ReportText out;
    WriteHeader(out, project, fileName, analysisTime);
    WriteAlternatives(out, project);
    if (project.AnalysisType != kProbabilisticAnalysis) {
        WriteDeterministicResults(out, project, statuses);
    } else {
        WriteProbabilisticResults(out, project);
    }
    WriteDiscountRate(out, project);
    WriteTraffic(out, project);
    WriteWorkZones(out, project);
    WriteCostTables(out, project);
    WriteHourlyDistribution(out, project);
    return out.Finish();
}

FileResult WriteReport(const std::filesystem::path& path, const Project& project,
                       const IterationStatusTable& statuses, std::time_t analysisTime) {
    return WriteFileAtomically(path,
                               FormatReport(project, statuses, TextFromPath(path), analysisTime));
}

} // namespace wexa
