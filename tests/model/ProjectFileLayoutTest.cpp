// The byte layout of the project file, checked against bytes built by hand
// from the published layout, not through the code under test.
#include "ByteBuilder.h"
#include "model/ProjectFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace wexa {
namespace {

using testing::ByteBuilder;
using testing::Bytes;

// Sizes of one record of each section with every string at its default.
constexpr std::size_t kSection1Bytes = 504;
constexpr std::size_t kAlternativeBytes = 63;
constexpr std::size_t kTimingBytes = 40;
constexpr std::size_t kActivityBytes = 115;
constexpr std::size_t kBidItemBytes = 59;
constexpr std::size_t kTimeItemBytes = 39;
constexpr std::size_t kHourBytes = 24;
constexpr std::size_t kSpeedRowBytes = 48;

void ExpectBytesAt(const Bytes& file, std::size_t offset, const Bytes& expected, const char* what) {
    ASSERT_LE(offset + expected.size(), file.size()) << what << " runs past the end";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(file[offset + i], expected[i])
            << what << ": first difference at byte " << i << " (file offset " << offset + i << ")";
    }
}

const std::string kItem = "Enter Brief Description...";

TEST(ProjectFileLayout, DefaultProjectIsWrittenByteForByte) {
    const Bytes file = WriteProjectBytes(*std::make_unique<Project>());
    EXPECT_EQ(file.size(), 36628U);

    const Bytes start = {0x64, 0x00, 0x00, 0x00, 0xA0, 0x86, 0x01, 0x00,
                         0x23, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x40,  // 6.0
                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x40,  // 4.0
                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40}; // 2.0
    ExpectBytesAt(file, 0, start, "start of the file");
    ExpectBytesAt(file, 52, ByteBuilder().Text("Enter Brief Description Here").Get(),
                  "project description");
    EXPECT_EQ(file[52], 0x1C);

    // clang-format off
    const Bytes section1 = ByteBuilder()
                               .Int(100).Int(100000).Int(35).Int(0)
                               .Real(6.0).Real(4.0).Real(2.0)
                               .Int(1).Int(1).Int(55)
                               .Text("Enter Brief Description Here").Real(1.0).Text("0")
                               .Int(0).Int(0).Int(0)
                               .Real(1.5).Real(0.95238).Real(1.0).Real(2200.0)
                               .Real(5.0).Real(5.0).Real(10.0).Real(1.0).Real(2095.0)
                               .Int(0).Real(6.0).Real(4.0).Real(2.0)
                               .Real(1260.0).Real(1700.0).Int(1).Real(1.0).Int(40)
                               .Int(1).Int(0).Int(0).Int(0).Int(0)
                               .Text(kItem).Int(0).Int(1).Real(0.0)
                               .Int(1).Int(1).Int(1).Int(1).Int(0)
                               .Real(0.0).Real(0.0).Real(0.0).Real(0.0)
                               .Real(0.0).Real(0.0).Real(0.0).Real(0.0)
                               .Int(0)
                               .Text("Min").Text("Mean").Text("Max")
                               .Text("Min").Text("Mean").Text("Max")
                               .Text("Min").Text("Mean").Text("Max")
                               .Real(0.8248).Real(0.6927).Real(0.7681)
                               .Real(22.31).Real(18.54).Real(11.58)
                               .Text(kItem).Int(0)
                               .Get();
    // clang-format on
    ASSERT_EQ(section1.size(), kSection1Bytes);
    ExpectBytesAt(file, 0, section1, "section 1");

    const Bytes alternative =
        ByteBuilder().Int(1).Real(0.0).Real(0.0).Real(0.0).Real(0.0).Text(kItem).Get();
    const Bytes timing =
        ByteBuilder().Int(0).Int(1).Int(1).Real(0.0).Int(0).Real(100.0).Real(100.0).Get();
    // clang-format off
    const Bytes activity = ByteBuilder()
                               .Text(kItem).Int(0).Int(0).Int(0).Int(0).Int(0).Int(1)
                               .Real(0.0).Int(0).Real(0.0).Int(1).Int(0).Real(1.0).Int(40)
                               .Real(1700.0).Real(1260.0).Real(10.0)
                               .Get();
    // clang-format on
    const Bytes bidItem =
        ByteBuilder().Text(kItem).Real(0.0).Real(0.0).Real(0.0).Int(0).Int(0).Get();
    const Bytes timeItem = ByteBuilder().Real(0.0).Int(0).Text(kItem).Get();
    ASSERT_EQ(alternative.size(), kAlternativeBytes);
    ASSERT_EQ(timing.size(), kTimingBytes);
    ASSERT_EQ(activity.size(), kActivityBytes);
    ASSERT_EQ(bidItem.size(), kBidItemBytes);
    ASSERT_EQ(timeItem.size(), kTimeItemBytes);

    struct Records {
        const char* what;
        const Bytes& record;
        std::size_t count;
    };
    std::size_t offset = kSection1Bytes;
    for (const Records& section :
         {Records{"alternative", alternative, 4}, Records{"timing", timing, 40},
          Records{"activity", activity, 40}, Records{"bid item", bidItem, 400},
          Records{"time item", timeItem, 120}}) {
        for (std::size_t i = 0; i < section.count; ++i) {
            ExpectBytesAt(file, offset, section.record, section.what);
            offset += section.record.size();
        }
    }

    // The rural table, hour 0 and hour 23.
    ExpectBytesAt(file, offset, ByteBuilder().Real(1.8).Real(48.0).Real(52.0).Get(), "hour 0");
    ExpectBytesAt(file, offset + 23 * kHourBytes,
                  ByteBuilder().Real(2.3).Real(47.0).Real(53.0).Get(), "hour 23");
    offset += 24 * kHourBytes;
    ExpectBytesAt(file, offset, Bytes(kSpeedRowBytes, 0x00), "speed 0");
    ExpectBytesAt(
        file, offset + kSpeedRowBytes,
        ByteBuilder().Real(33.62).Real(1.10).Real(9.25).Real(0.73).Real(2.70).Real(1.02).Get(),
        "speed 5");
    ExpectBytesAt(file, offset + 16 * kSpeedRowBytes,
                  ByteBuilder()
                      .Real(1231.87)
                      .Real(69.41)
                      .Real(257.64)
                      .Real(11.74)
                      .Real(156.85)
                      .Real(8.17)
                      .Get(),
                  "speed 80");
    EXPECT_EQ(offset + 17 * kSpeedRowBytes, file.size());
}

// Distinct values in every field of section 1 and of one record per section,
// set member by member in the order a reader of the Project would expect, so
// every place where the file's order differs shows up.
TEST(ProjectFileLayout, FieldsAreWrittenInFileOrder) {
    auto p = std::make_unique<Project>();
    p->BaseYearAADT = 101;
    p->MaximumAADT = 102;
    p->AnalysisPeriod = 103;
    p->DiscountRateKind = 104;
    p->DiscountRateMin = 1.5;
    p->DiscountRateMean = 2.5;
    p->DiscountRateMax = 3.5;
    p->NumberOfLanes = 105;
    p->NumberOfAlternatives = 106;
    p->PostedSpeedLimit = 107;
    p->ProjectDescription = "project";
    p->ProjectLength = 4.5;
    p->ProjectNumber = "number";
    p->TrafficType = 108;
    p->Terrain = 109;
    p->ProjectUserCostMode = 110;
    p->PercentTrucks = 5.5;
    p->PercentSUTrucks = 6.5;
    p->PercentCUTrucks = 7.5;
    p->TruckEquivalencyFactor = 8.5;
    p->RecreationalVehicleFactor = 9.5;
    p->HeavyVehicleFactor = 10.5;
    p->LaneWidthFactor = 11.5;
    p->MaxServiceFlowRate = 12.5;
    p->ServiceFlowRate = 13.5;
    p->TrafficGrowthKind = 111;
    p->TrafficGrowthMin = 14.5;
    p->TrafficGrowthMean = 15.5;
    p->TrafficGrowthMax = 16.5;
    p->WorkZoneLength = 17.5;
    p->WorkZoneSpeedLimit = 112;
    p->WorkZoneCapacity = 18.5;
    p->WorkZoneDissipationCapacity = 19.5;
    p->WorkZoneLanes = 113;
    p->NumberOfActivities = 114;
    p->YearsToNextKind = 115;
    p->YearsToNextMin = 116;
    p->YearsToNextExpected = 117;
    p->YearsToNextMax = 118;
    p->ActivityDescription = "activity";
    p->ActivityUserCostMode = 119;
    p->RequiredTime = 120;
    p->RequiredTimeVariability = 20.5;
    p->CurrentAlternative = 121;
    p->CurrentActivity = 122;
    p->ActivityAlternative = 123;
    p->ResultAlternative = 124;
    p->ReservedInt = 125;
    p->ResultBidItemCost = 21.5;
    p->ResultTimeRelatedCost = 22.5;
    p->ResultWorkZoneUserCost = 23.5;
    p->ResultTotalCost = 24.5;
    p->ResultBidItemPercent = 25.5;
    p->ResultTimeRelatedPercent = 26.5;
    p->ResultWorkZoneUserPercent = 27.5;
    p->ResultTotalPercent = 28.5;
    p->ActivityYear = 126;
    p->DiscountRateCaptions = {"x1", "x2", "x3"};
    p->TrafficGrowthCaptions = {"g1", "g2", "g3"};
    p->YearsToNextCaptions = {"y1", "y2", "y3"};
    p->IdlingCostPassengerCar = 29.5;
    p->IdlingCostSingleUnitTruck = 30.5;
    p->IdlingCostCombinationTruck = 31.5;
    p->DelayRatePassengerCar = 32.5;
    p->DelayRateSingleUnitTruck = 33.5;
    p->DelayRateCombinationTruck = 34.5;
    p->AlternativeDescription = "alternative";
    p->AnalysisType = 127;

    const int alternative = 2;
    p->AlternativeActivityCount[alternative] = 7;
    p->AlternativeReserved[alternative] = {0.25, 0.5, 0.75, 1.25};
    p->AlternativeDescriptions[alternative] = "third";

    const int slot = ActivitySlot(2, 3);
    p->ActivityStartHour[slot] = 8;
    p->ActivityStopHour[slot] = 15;
    p->ActivityHoursInEffect[slot] = 7;
    p->ActivityMobilizationHours[slot] = 2;
    p->ActivityDaysToComplete[slot] = 9;
    p->ActivityInboundPercent[slot] = 60.5;
    p->ActivityOutboundPercent[slot] = 39.5;
    p->ActivityWorkZoneUserCost[slot] = 1234.5;
    p->ActivityDescriptions[slot] = "mill and fill";
    p->ActivityUserCostModes[slot] = 1;
    p->ActivityYearsKind[slot] = 3;
    p->ActivityYearsMin[slot] = 4;
    p->ActivityYearsExpected[slot] = 5;
    p->ActivityYearsMax[slot] = 6;
    p->ActivityYears[slot] = 14;
    p->ActivityRequiredTime[slot] = 48;
    p->ActivityTimeVariability[slot] = 12.5;
    p->ActivityAgencyCostVariability[slot] = 15.5;
    p->ActivityWorkZoneLength[slot] = 2.25;
    p->ActivityWorkZoneSpeed[slot] = 45;
    p->ActivityWorkZoneCapacity[slot] = 1150.5;
    p->ActivityDissipationCapacity[slot] = 1650.5;
    p->ActivityWorkZoneLanes[slot] = 2;
    p->ActivityBidItemTotal[slot] = 99999.5;

    const int bidItem = BidItemSlot(slot, 5);
    p->BidItemQuantities[bidItem] = 3.5;
    p->BidItemUnits[bidItem] = 2;
    p->BidItemCodes[bidItem] = 4711;
    p->BidItemDescriptions[bidItem] = "asphalt";
    p->BidItemUnitPrices[bidItem] = 80.25;
    p->BidItemCosts[bidItem] = 280.875;

    const int timeItem = TimeItemSlot(slot, 1);
    p->TimeItemUnits[timeItem] = 1;
    p->TimeItemDescriptions[timeItem] = "traffic control";
    p->TimeItemUnitPrices[timeItem] = 950.5;

    const int hour = 5;
    p->HourlyAADTPercent[hour] = 2.25;
    p->HourlyInboundPercent[hour] = 61.5;
    p->HourlyOutboundPercent[hour] = 38.5;

    const int speedRow = 9;
    p->AddedTimePassengerCar[speedRow] = 1.25;
    p->AddedTimeSingleUnitTruck[speedRow] = 2.25;
    p->AddedTimeCombinationTruck[speedRow] = 3.25;
    p->AddedCostPassengerCar[speedRow] = 4.25;
    p->AddedCostSingleUnitTruck[speedRow] = 5.25;
    p->AddedCostCombinationTruck[speedRow] = 6.25;

    const Bytes file = WriteProjectBytes(*p);

    // clang-format off
    const Bytes section1 = ByteBuilder()
                               .Int(101).Int(102).Int(103).Int(104)
                               .Real(3.5).Real(2.5).Real(1.5)
                               .Int(105).Int(106).Int(107)
                               .Text("project").Real(4.5).Text("number")
                               .Int(108).Int(110).Int(109)
                               .Real(8.5).Real(10.5).Real(11.5).Real(12.5)
                               .Real(7.5).Real(6.5).Real(5.5).Real(9.5).Real(13.5)
                               .Int(111).Real(16.5).Real(15.5).Real(14.5)
                               .Real(18.5).Real(19.5).Int(113).Real(17.5).Int(112)
                               .Int(114).Int(115).Int(118).Int(117).Int(116)
                               .Text("activity").Int(119).Int(120).Real(20.5)
                               .Int(121).Int(122).Int(123).Int(124).Int(125)
                               .Real(21.5).Real(22.5).Real(23.5).Real(24.5)
                               .Real(26.5).Real(25.5).Real(27.5).Real(28.5)
                               .Int(126)
                               .Text("x1").Text("x2").Text("x3")
                               .Text("g1").Text("g2").Text("g3")
                               .Text("y1").Text("y2").Text("y3")
                               .Real(31.5).Real(29.5).Real(30.5)
                               .Real(34.5).Real(33.5).Real(32.5)
                               .Text("alternative").Int(127)
                               .Get();
    // clang-format on
    ExpectBytesAt(file, 0, section1, "section 1");

    std::size_t offset = section1.size() + alternative * kAlternativeBytes;
    const Bytes alternativeRecord =
        ByteBuilder().Int(7).Real(0.25).Real(0.5).Real(0.75).Real(1.25).Text("third").Get();
    ExpectBytesAt(file, offset, alternativeRecord, "alternative 3");
    offset += alternativeRecord.size() + (3 - alternative) * kAlternativeBytes;

    const Bytes timingRecord =
        ByteBuilder().Int(8).Int(15).Int(7).Real(1234.5).Int(9).Real(60.5).Real(39.5).Get();
    ExpectBytesAt(file, offset + slot * kTimingBytes, timingRecord, "timing of slot 12");
    offset += 40 * kTimingBytes;

    // clang-format off
    const Bytes activityRecord = ByteBuilder()
                                     .Text("mill and fill").Int(1).Int(3).Int(6).Int(4).Int(5)
                                     .Int(48).Real(12.5).Int(2).Real(99999.5).Int(2).Int(14)
                                     .Real(2.25).Int(45).Real(1650.5).Real(1150.5).Real(15.5)
                                     .Get();
    // clang-format on
    offset += slot * kActivityBytes;
    ExpectBytesAt(file, offset, activityRecord, "activity slot 12");
    offset += activityRecord.size() + (39 - slot) * kActivityBytes;

    // clang-format off
    const Bytes bidRecord = ByteBuilder()
                                .Text("asphalt").Real(280.875).Real(3.5).Real(80.25).Int(2)
                                .Int(4711)
                                .Get();
    // clang-format on
    offset += bidItem * kBidItemBytes;
    ExpectBytesAt(file, offset, bidRecord, "bid item 125");
    offset += bidRecord.size() + (399 - bidItem) * kBidItemBytes;

    const Bytes timeRecord = ByteBuilder().Real(950.5).Int(1).Text("traffic control").Get();
    offset += timeItem * kTimeItemBytes;
    ExpectBytesAt(file, offset, timeRecord, "time item 37");
    offset += timeRecord.size() + (119 - timeItem) * kTimeItemBytes;

    ExpectBytesAt(file, offset + hour * kHourBytes,
                  ByteBuilder().Real(2.25).Real(61.5).Real(38.5).Get(), "hour 5");
    offset += 24 * kHourBytes;
    ExpectBytesAt(
        file, offset + speedRow * kSpeedRowBytes,
        ByteBuilder().Real(6.25).Real(3.25).Real(5.25).Real(2.25).Real(4.25).Real(1.25).Get(),
        "speed 45");
    EXPECT_EQ(offset + 17 * kSpeedRowBytes, file.size());
}

} // namespace
} // namespace wexa
