#pragma once

#include "model/BuiltInTables.h"
#include "model/Capacities.h"

#include <array>
#include <cstdint>
#include <string>

namespace wexa {

// Who owns what: there is one Project per running program. The main form
// view owns it; dialogs work on copies of the fields they edit and hand them
// back on OK. The slot arrays are the data; the "current form" fields below are
// copies of the current alternative's and activity's slots, kept in step by the
// form logic.
//
// Every container has its fixed capacity from construction on. Strings are
// UTF-8 in memory (the project file stores them in an 8-bit code page).
// The object is large (the result tables alone take about half a megabyte):
// allocate it on the heap.

using Int32 = std::int32_t;
using Int64 = std::int64_t;

template <typename T> using PerAlternative = std::array<T, kMaxAlternatives>;
template <typename T> using PerActivity = std::array<T, kActivitySlots>;
template <typename T> using PerBidItem = std::array<T, kBidItemSlots>;
template <typename T> using PerTimeItem = std::array<T, kTimeItemSlots>;
using HourlyTable = std::array<double, kHours>;
using SpeedTable = std::array<double, kSpeedRows>;
using Captions = std::array<std::string, 3>;
template <typename T>
using PercentileTable = std::array<std::array<T, kPercentilePoints>, kMaxAlternatives>;
using NpvResultTable = std::array<std::array<Int64, kProbabilisticIterations>, kMaxAlternatives>;

// Position in the distribution lists of the form.
enum DistributionKind : Int32 {
    kNormal = 0,
    kTruncatedNormal = 1,
    kUniform = 2,
    kTriangular = 3,
    kDeterministic = 4,
};

// The include/exclude lists of the project and of each activity.
enum UserCostMode : Int32 { kIncludeUserCosts = 0, kExcludeUserCosts = 1 };

enum AnalysisKind : Int32 { kProbabilisticAnalysis = 0, kDeterministicAnalysis = 1 };

enum TimeItemUnit : Int32 { kPerDay = 0, kPerHour = 1 };

inline const std::string kDefaultItemDescription = "Enter Brief Description...";

struct Project {
    Project();

    // Slot counts, kept as fields because the program has always carried them.
    Int32 ActivitySlots = kActivitySlots;
    Int32 BidItemSlots = kBidItemSlots;
    Int32 TimeItemSlots = kTimeItemSlots;

    // --- General project inputs ---
    std::string ProjectNumber = "0";
    std::string ProjectDescription = "Enter Brief Description Here";
    Int32 AnalysisPeriod = 35;
    double ProjectLength = 1.0;
    Int32 NumberOfLanes = 1;
    Int32 PostedSpeedLimit = 55;
    Int32 NumberOfAlternatives = 1;
    Int32 DiscountRateKind = kNormal;
    double DiscountRateMin = 2.0;
    double DiscountRateMean = 4.0;
    double DiscountRateMax = 6.0;
    Int32 AnalysisType = kProbabilisticAnalysis;

    // --- Traffic and roadway capacity inputs ---
    Int32 TrafficType = 0; // 0 Rural, 1 Urban, 2 Specific
    Int32 Terrain = 0;     // 0 Level, 1 Rolling, 2 Mountainous
    Int32 BaseYearAADT = 100;
    Int32 MaximumAADT = 100000;
    double PercentTrucks = 10.0;
    double PercentSUTrucks = 5.0;
    double PercentCUTrucks = 5.0;
    Int32 TrafficGrowthKind = kNormal;
    double TrafficGrowthMin = 2.0;
    double TrafficGrowthMean = 4.0;
    double TrafficGrowthMax = 6.0;
    double TruckEquivalencyFactor = 1.5;
    double RecreationalVehicleFactor = 1.0;
    double HeavyVehicleFactor = 0.95238;
    double LaneWidthFactor = 1.0;
    double MaxServiceFlowRate = 0.0; // set by the constructor from NumberOfLanes
    double ServiceFlowRate = 0.0;    // set by the constructor from the product formula
    Int32 ProjectUserCostMode = kIncludeUserCosts;

    // --- Alternatives ---
    PerAlternative<std::string> AlternativeDescriptions;
    PerAlternative<Int32> AlternativeActivityCount{};
    PerAlternative<std::array<double, 4>> AlternativeReserved{};

    // --- Work activities, slot = (alternative - 1) * 10 + (activity - 1) ---
    PerActivity<std::string> ActivityDescriptions;
    PerActivity<Int32> ActivityUserCostModes{};
    PerActivity<Int32> ActivityYearsKind{};
    PerActivity<Int32> ActivityYearsMin{};
    PerActivity<Int32> ActivityYearsExpected{};
    PerActivity<Int32> ActivityYearsMax{};
    PerActivity<Int32> ActivityYears{};
    PerActivity<Int32> ActivityRequiredTime{};
    PerActivity<double> ActivityTimeVariability{};
    PerActivity<double> ActivityAgencyCostVariability{};
    PerActivity<double> ActivityWorkZoneLength{};
    PerActivity<Int32> ActivityWorkZoneSpeed{};
    PerActivity<double> ActivityWorkZoneCapacity{};
    PerActivity<double> ActivityDissipationCapacity{};
    PerActivity<Int32> ActivityWorkZoneLanes{};
    PerActivity<Int32> ActivityStartHour{};
    PerActivity<Int32> ActivityStopHour{};
    PerActivity<Int32> ActivityHoursInEffect{};
    PerActivity<Int32> ActivityMobilizationHours{};
    PerActivity<Int32> ActivityDaysToComplete{};
    PerActivity<double> ActivityInboundPercent{};
    PerActivity<double> ActivityOutboundPercent{};
    PerActivity<double> ActivityWorkZoneUserCost{};
    PerActivity<double> ActivityBidItemTotal{};

    // --- Bid items, slot = activity slot * 10 + row ---
    PerBidItem<double> BidItemQuantities{};
    PerBidItem<Int32> BidItemUnits{}; // 0 mile, 1 sq yd, 2 cu yd, 3 ton, 4 foot, 5 other
    PerBidItem<Int32> BidItemCodes{};
    PerBidItem<std::string> BidItemDescriptions;
    PerBidItem<double> BidItemUnitPrices{};
    PerBidItem<double> BidItemCosts{};

    // --- Time-related items, slot = activity slot * 3 + row ---
    PerTimeItem<Int32> TimeItemUnits{}; // TimeItemUnit
    PerTimeItem<std::string> TimeItemDescriptions;
    PerTimeItem<double> TimeItemUnitPrices{};

    // --- Hourly traffic distribution used by every work-zone calculation ---
    HourlyTable HourlyAADTPercent{};
    HourlyTable HourlyInboundPercent{};
    HourlyTable HourlyOutboundPercent{};
    // Built-in tables (not saved).
    HourlyTable RuralAADTPercent{};
    HourlyTable RuralInboundPercent{};
    HourlyTable RuralOutboundPercent{};
    HourlyTable UrbanAADTPercent{};
    HourlyTable UrbanInboundPercent{};
    HourlyTable UrbanOutboundPercent{};

    // --- Added time and running cost per 1000 stops, row = initial speed / 5 ---
    SpeedTable AddedCostCombinationTruck{};
    SpeedTable AddedTimeCombinationTruck{};
    SpeedTable AddedCostSingleUnitTruck{};
    SpeedTable AddedTimeSingleUnitTruck{};
    SpeedTable AddedCostPassengerCar{};
    SpeedTable AddedTimePassengerCar{};
    // Dollars per vehicle-hour.
    double IdlingCostCombinationTruck = kDefaultIdlingCostCombinationTruck;
    double IdlingCostPassengerCar = kDefaultIdlingCostPassengerCar;
    double IdlingCostSingleUnitTruck = kDefaultIdlingCostSingleUnitTruck;
    // Value of time, dollars per vehicle-hour.
    double DelayRateCombinationTruck = kDefaultDelayRateCombinationTruck;
    double DelayRatePassengerCar = kDefaultDelayRatePassengerCar;
    double DelayRateSingleUnitTruck = kDefaultDelayRateSingleUnitTruck;

    // --- Caption strings above the three columns of each distribution ---
    Captions DiscountRateCaptions{"Min", "Mean", "Max"};
    Captions TrafficGrowthCaptions{"Min", "Mean", "Max"};
    Captions YearsToNextCaptions{"Min", "Mean", "Max"};

    // --- The alternative and activity the form shows, and copies of their fields ---
    Int32 CurrentAlternative = 1;
    Int32 CurrentActivity = 1;
    Int32 ActivityAlternative = 1;
    Int32 CurrentActivityIndex = 0;
    Int32 NumberOfActivities = 1;
    std::string AlternativeDescription = kDefaultItemDescription;
    std::string ActivityDescription = kDefaultItemDescription;
    Int32 ActivityUserCostMode = kIncludeUserCosts;
    Int32 YearsToNextKind = kNormal;
    Int32 YearsToNextMin = 0;
    Int32 YearsToNextExpected = 0;
    Int32 YearsToNextMax = 0;
    Int32 ActivityYear = 0;
    Int32 RequiredTime = 1;
    double RequiredTimeVariability = 0.0;
    double AgencyCostVariability = 10.0;
    double WorkZoneLength = 1.0;
    Int32 WorkZoneSpeedLimit = 40;
    double WorkZoneCapacity = 1260.0;
    double WorkZoneDissipationCapacity = 1700.0;
    Int32 WorkZoneLanes = 1;

    // --- Display, option and bookkeeping fields ---
    Int32 ResultAlternative = 1;
    double ResultBidItemCost = 0.0;
    double ResultTimeRelatedCost = 0.0;
    double ResultWorkZoneUserCost = 0.0;
    double ResultTotalCost = 0.0;
    double ResultBidItemPercent = 0.0;
    double ResultTimeRelatedPercent = 0.0;
    double ResultWorkZoneUserPercent = 0.0;
    double ResultTotalPercent = 0.0;
    Int32 GraphPlotMode = 0; // 0 all alternatives, 1 one alternative
    Int32 GraphAlternative = 1;
    Int32 GraphCostType = 0; // 0 agency, 1 work-zone user, 2 total
    Int32 CopyFromAlternative = 1;
    Int32 CopyFromActivity = 1;
    std::string ProgressText;   // not saved
    std::string ExportFileName; // not saved
    Int32 ReservedInt = 0;      // kept in the file, read by nothing else
    Int32 IterationCount = 0;   // set by the run, not saved

    // --- Results of the last run (never saved) ---
    PerAlternative<Int32> GridlockCounts{};
    PerAlternative<Int32> FailureCounts{};
    PerAlternative<Int32> ValidCounts{};
    PerAlternative<Int32> InvalidCounts{};
    PercentileTable<Int64> AgencyNpvPercentiles{};
    PercentileTable<Int64> UserNpvPercentiles{};
    PercentileTable<Int64> TotalNpvPercentiles{};
    PercentileTable<double> AgencyCumulativePercents{};
    PercentileTable<double> UserCumulativePercents{};
    PercentileTable<double> TotalCumulativePercents{};
    NpvResultTable AgencyNpvResults{};
    NpvResultTable UserNpvResults{};
    NpvResultTable TotalNpvResults{};
    double SuccessPercent = 100.0;

    // Field by field; a NaN in a field makes two projects differ.
    friend bool operator==(const Project&, const Project&) = default;
};

// Copies the built-in table of a traffic type (0 rural, 1 urban) into the
// current hourly table. Any other type ("Specific") leaves the table as the
// user edited it.
void LoadBuiltInHourlyTable(Project& project, int trafficType);

// The six added time and cost columns and the three idling costs, as shipped.
void LoadDefaultAddedTimeCosts(Project& project);

// The three values of time, as shipped.
void LoadDefaultDelayCostRates(Project& project);

} // namespace wexa
