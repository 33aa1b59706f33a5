#include "model/ProjectSchema.h"

#include <array>
#include <cstddef>
#include <tuple>

namespace wexa {
namespace {

template <typename Member> struct MemberTraits;
template <typename Value> struct MemberTraits<Value Project::*> { using Type = Value; };
template <auto Member> using MemberType = typename MemberTraits<decltype(Member)>::Type;

template <typename T>
constexpr bool kIsScalar =
    std::is_same_v<T, Int32> || std::is_same_v<T, double> || std::is_same_v<T, std::string>;

template <auto Member> void* ValueAt(Project& project, int, int) {
    return &(project.*Member);
}

template <auto Member> void* ElementAt(Project& project, int, int element) {
    return &(project.*Member)[element];
}

template <auto Member> void* SlotAt(Project& project, int record, int) {
    return &(project.*Member)[record];
}

template <auto Member> void* SlotElementAt(Project& project, int record, int element) {
    return &(project.*Member)[record][element];
}

// A field of the single-record section: one value, or a fixed row of values.
template <auto Member> consteval SavedField Field(std::string_view name) {
    using Type = MemberType<Member>;
    if constexpr (kIsScalar<Type>) {
        return {name, FieldTypeOf<Type>(), 1, &ValueAt<Member>};
    } else {
        return {name, FieldTypeOf<typename Type::value_type>(),
                static_cast<int>(std::tuple_size_v<Type>), &ElementAt<Member>};
    }
}

// A field of a section of Records records: an array with exactly one entry
// per record, checked here so no record number can reach past an array.
template <auto Member, std::size_t Records> consteval SavedField SlotField(std::string_view name) {
    using Type = MemberType<Member>;
    static_assert(std::tuple_size_v<Type> == Records, "one array entry per record");
    using Entry = typename Type::value_type;
    if constexpr (kIsScalar<Entry>) {
        return {name, FieldTypeOf<Entry>(), 1, &SlotAt<Member>};
    } else {
        return {name, FieldTypeOf<typename Entry::value_type>(),
                static_cast<int>(std::tuple_size_v<Entry>), &SlotElementAt<Member>};
    }
}

// The names are the Project's member names, spelled once.
#define WEXA_FIELD(member) Field<&Project::member>(#member)
#define WEXA_SLOT(member) SlotField<&Project::member, kRecords>(#member)

namespace project_fields {
constexpr SavedField kFields[] = {
    WEXA_FIELD(BaseYearAADT),
    WEXA_FIELD(MaximumAADT),
    WEXA_FIELD(AnalysisPeriod),
    WEXA_FIELD(DiscountRateKind),
    WEXA_FIELD(DiscountRateMax),
    WEXA_FIELD(DiscountRateMean),
    WEXA_FIELD(DiscountRateMin),
    WEXA_FIELD(NumberOfLanes),
    WEXA_FIELD(NumberOfAlternatives),
    WEXA_FIELD(PostedSpeedLimit),
    WEXA_FIELD(ProjectDescription),
    WEXA_FIELD(ProjectLength),
    WEXA_FIELD(ProjectNumber),
    WEXA_FIELD(TrafficType),
    WEXA_FIELD(ProjectUserCostMode),
    WEXA_FIELD(Terrain),
    WEXA_FIELD(TruckEquivalencyFactor),
    WEXA_FIELD(HeavyVehicleFactor),
    WEXA_FIELD(LaneWidthFactor),
    WEXA_FIELD(MaxServiceFlowRate),
    WEXA_FIELD(PercentCUTrucks),
    WEXA_FIELD(PercentSUTrucks),
    WEXA_FIELD(PercentTrucks),
    WEXA_FIELD(RecreationalVehicleFactor),
    WEXA_FIELD(ServiceFlowRate),
    WEXA_FIELD(TrafficGrowthKind),
    WEXA_FIELD(TrafficGrowthMax),
    WEXA_FIELD(TrafficGrowthMean),
    WEXA_FIELD(TrafficGrowthMin),
    WEXA_FIELD(WorkZoneCapacity),
    WEXA_FIELD(WorkZoneDissipationCapacity),
    WEXA_FIELD(WorkZoneLanes),
    WEXA_FIELD(WorkZoneLength),
    WEXA_FIELD(WorkZoneSpeedLimit),
    WEXA_FIELD(NumberOfActivities),
    WEXA_FIELD(YearsToNextKind),
    WEXA_FIELD(YearsToNextMax),
    WEXA_FIELD(YearsToNextExpected),
    WEXA_FIELD(YearsToNextMin),
    WEXA_FIELD(ActivityDescription),
    WEXA_FIELD(ActivityUserCostMode),
    WEXA_FIELD(RequiredTime),
    WEXA_FIELD(RequiredTimeVariability),
    WEXA_FIELD(CurrentAlternative),
    WEXA_FIELD(CurrentActivity),
    WEXA_FIELD(ActivityAlternative),
    WEXA_FIELD(ResultAlternative),
    WEXA_FIELD(ReservedInt),
    WEXA_FIELD(ResultBidItemCost),
    WEXA_FIELD(ResultTimeRelatedCost),
    WEXA_FIELD(ResultWorkZoneUserCost),
    WEXA_FIELD(ResultTotalCost),
    WEXA_FIELD(ResultTimeRelatedPercent),
    WEXA_FIELD(ResultBidItemPercent),
    WEXA_FIELD(ResultWorkZoneUserPercent),
    WEXA_FIELD(ResultTotalPercent),
    WEXA_FIELD(ActivityYear),
    WEXA_FIELD(DiscountRateCaptions),
    WEXA_FIELD(TrafficGrowthCaptions),
    WEXA_FIELD(YearsToNextCaptions),
    WEXA_FIELD(IdlingCostCombinationTruck),
    WEXA_FIELD(IdlingCostPassengerCar),
    WEXA_FIELD(IdlingCostSingleUnitTruck),
    WEXA_FIELD(DelayRateCombinationTruck),
    WEXA_FIELD(DelayRateSingleUnitTruck),
    WEXA_FIELD(DelayRatePassengerCar),
    WEXA_FIELD(AlternativeDescription),
    WEXA_FIELD(AnalysisType),
};
} // namespace project_fields

namespace alternatives {
constexpr std::size_t kRecords = kMaxAlternatives;
constexpr SavedField kFields[] = {
    WEXA_SLOT(AlternativeActivityCount),
    WEXA_SLOT(AlternativeReserved),
    WEXA_SLOT(AlternativeDescriptions),
};
} // namespace alternatives

namespace activity_timing {
constexpr std::size_t kRecords = kActivitySlots;
constexpr SavedField kFields[] = {
    WEXA_SLOT(ActivityStartHour),       WEXA_SLOT(ActivityStopHour),
    WEXA_SLOT(ActivityHoursInEffect),   WEXA_SLOT(ActivityWorkZoneUserCost),
    WEXA_SLOT(ActivityDaysToComplete),  WEXA_SLOT(ActivityInboundPercent),
    WEXA_SLOT(ActivityOutboundPercent),
};
} // namespace activity_timing

namespace activities {
constexpr std::size_t kRecords = kActivitySlots;
constexpr SavedField kFields[] = {
    WEXA_SLOT(ActivityDescriptions),
    WEXA_SLOT(ActivityUserCostModes),
    WEXA_SLOT(ActivityYearsKind),
    WEXA_SLOT(ActivityYearsMax),
    WEXA_SLOT(ActivityYearsMin),
    WEXA_SLOT(ActivityYearsExpected),
    WEXA_SLOT(ActivityRequiredTime),
    WEXA_SLOT(ActivityTimeVariability),
    WEXA_SLOT(ActivityMobilizationHours),
    WEXA_SLOT(ActivityBidItemTotal),
    WEXA_SLOT(ActivityWorkZoneLanes),
    WEXA_SLOT(ActivityYears),
    WEXA_SLOT(ActivityWorkZoneLength),
    WEXA_SLOT(ActivityWorkZoneSpeed),
    WEXA_SLOT(ActivityDissipationCapacity),
    WEXA_SLOT(ActivityWorkZoneCapacity),
    WEXA_SLOT(ActivityAgencyCostVariability),
};
} // namespace activities

namespace bid_items {
constexpr std::size_t kRecords = kBidItemSlots;
constexpr SavedField kFields[] = {
    WEXA_SLOT(BidItemDescriptions), WEXA_SLOT(BidItemCosts), WEXA_SLOT(BidItemQuantities),
    WEXA_SLOT(BidItemUnitPrices),   WEXA_SLOT(BidItemUnits), WEXA_SLOT(BidItemCodes),
};
} // namespace bid_items

namespace time_items {
constexpr std::size_t kRecords = kTimeItemSlots;
constexpr SavedField kFields[] = {
    WEXA_SLOT(TimeItemUnitPrices),
    WEXA_SLOT(TimeItemUnits),
    WEXA_SLOT(TimeItemDescriptions),
};
} // namespace time_items

namespace hourly {
constexpr std::size_t kRecords = kHours;
constexpr SavedField kFields[] = {
    WEXA_SLOT(HourlyAADTPercent),
    WEXA_SLOT(HourlyInboundPercent),
    WEXA_SLOT(HourlyOutboundPercent),
};
} // namespace hourly

namespace speed_rows {
constexpr std::size_t kRecords = kSpeedRows;
constexpr SavedField kFields[] = {
    WEXA_SLOT(AddedCostCombinationTruck), WEXA_SLOT(AddedTimeCombinationTruck),
    WEXA_SLOT(AddedCostSingleUnitTruck),  WEXA_SLOT(AddedTimeSingleUnitTruck),
    WEXA_SLOT(AddedCostPassengerCar),     WEXA_SLOT(AddedTimePassengerCar),
};
} // namespace speed_rows

#undef WEXA_FIELD
#undef WEXA_SLOT

constexpr std::array kSections = {
    SavedSection{"Project", 1, project_fields::kFields},
    SavedSection{"Alternatives", alternatives::kRecords, alternatives::kFields},
    SavedSection{"ActivityTiming", activity_timing::kRecords, activity_timing::kFields},
    SavedSection{"Activities", activities::kRecords, activities::kFields},
    SavedSection{"BidItems", bid_items::kRecords, bid_items::kFields},
    SavedSection{"TimeItems", time_items::kRecords, time_items::kFields},
    SavedSection{"HourlyDistribution", hourly::kRecords, hourly::kFields},
    SavedSection{"AddedTimeCosts", speed_rows::kRecords, speed_rows::kFields},
};

} // namespace

std::span<const SavedSection> SavedSections() {
    return kSections;
}

} // namespace wexa
