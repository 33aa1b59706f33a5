#include "forms/WorkZoneTiming.h"
#include "WorkZoneProjects.h"
#include "forms/RecordingEffects.h"
#include "forms/WorkZoneDialogText.h"
#include "model/PortableMath.h"
#include "model/ProjectFile.h"
#include "simulation/ProjectUserCosts.h"
#include "userdelay/QueueModel.h"
#include "userdelay/TrafficDemand.h"
#include "userdelay/UserCostEvaluation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;

// The costs of one timing, priced straight from the stored slot values with
// the user-delay operations, as a reference the dialog must agree with bit
// for bit.
UserCostBreakdown ReferenceBreakdown(const Project& p, int start, int stop, int hours,
                                     int mobilization) {
    const int aadt = GrowAadt(p.BaseYearAADT, p.PercentTrucks, p.PercentCUTrucks, p.PercentSUTrucks,
                              p.ActivityYears[kSlot], p.TrafficGrowthMean, p.MaximumAADT);
    auto day = std::make_unique<QueueDay>();
    SplitHourlyVolumes(aadt, p.HourlyAADTPercent, p.HourlyInboundPercent, p.HourlyOutboundPercent,
                       day->Inbound.Volume, day->Outbound.Volume);
    const WorkZoneCapacities capacities =
        ComputeWorkZoneCapacities(p.ActivityWorkZoneLanes[kSlot], p.ActivityWorkZoneCapacity[kSlot],
                                  p.ActivityDissipationCapacity[kSlot], p.NumberOfLanes);
    const QueueScenario scenario{p.ServiceFlowRate, capacities.WorkZone, capacities.Dissipation,
                                 p.PostedSpeedLimit};
    const UserCostInputs inputs{
        p.PercentSUTrucks,
        p.PercentCUTrucks,
        p.PostedSpeedLimit,
        p.ActivityWorkZoneSpeed[kSlot],
        WorkZoneAddedTimePerVehicle(p.ActivityWorkZoneLength[kSlot], p.ActivityWorkZoneSpeed[kSlot],
                                    p.PostedSpeedLimit),
        ComputeDaysToComplete(p.ActivityRequiredTime[kSlot], hours, mobilization),
        p.ActivityInboundPercent[kSlot],
        p.ActivityOutboundPercent[kSlot]};
    return EvaluateDialogUserCost(*day, scenario, start, stop, UserCostRatesOf(p), inputs)
        .Breakdown;
}

void ExpectSameBreakdown(const UserCostBreakdown& actual, const UserCostBreakdown& expected) {
    EXPECT_EQ(actual.Components, expected.Components);
    EXPECT_EQ(actual.Total, expected.Total);
    EXPECT_EQ(actual.Percentages, expected.Percentages);
    EXPECT_EQ(actual.TotalPercentage, expected.TotalPercentage);
    EXPECT_EQ(actual.Gridlock, expected.Gridlock);
}

// Rural traffic heavy enough that a daytime work zone builds a queue.
std::unique_ptr<Project> QueueingProject() {
    auto p = std::make_unique<Project>();
    p->NumberOfAlternatives = kAlternative;
    p->AlternativeActivityCount[kAlternative - 1] = kActivity;
    p->CurrentAlternative = p->ActivityAlternative = kAlternative;
    p->CurrentActivity = kActivity;
    p->CurrentActivityIndex = kSlot;
    p->BaseYearAADT = 30000;
    p->ActivityYears[kSlot] = p->ActivityYear = 5;
    p->ActivityRequiredTime[kSlot] = p->RequiredTime = 70;
    StoreTiming(*p, 8, 7, 15, 0);
    return p;
}

// A project whose demand exceeds what the road carries in a day, with or
// without a work zone: every evaluation gridlocks.
std::unique_ptr<Project> GridlockProject() {
    auto p = ProjectWithDemand(200000, EvenShares());
    StoreTiming(*p, 8, 7, 15, 0);
    return p;
}

WorkZoneTimingDialog OpenedOnForm(const Project& p, RecordingEffects& effects) {
    WorkZoneTimingDialog dialog(WorkZoneDialogInputs::FromForm(p));
    dialog.Open(effects);
    return dialog;
}

TEST(WorkZoneOpeningTest, PricesTheStoredTimingWithoutAButton) {
    auto p = QueueingProject();
    RecordingEffects effects;
    const WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);

    EXPECT_EQ(dialog.Fields().StartHour, 8);
    EXPECT_EQ(dialog.Fields().HoursInEffect, 7);
    EXPECT_EQ(dialog.Fields().StopHour, 15);
    EXPECT_EQ(dialog.Days(), 10); // 70 hours at 7 a day
    // Five years at the mean growth of 4 percent.
    EXPECT_EQ(dialog.Aadt(), static_cast<int>(std::floor(30000 * Pow(1.04, 5.0) + 0.5)));
    EXPECT_EQ(dialog.Capacities().WorkZone, 1260);
    EXPECT_EQ(dialog.Capacities().Dissipation, 1700);

    ASSERT_FALSE(dialog.Gridlock());
    EXPECT_GT(dialog.Breakdown().Total, 0.0);
    EXPECT_GT(dialog.Breakdown().Components[6], 0.0) << "the zone should queue traffic";
    EXPECT_EQ(dialog.Breakdown().TotalPercentage, 100.0);
    ExpectSameBreakdown(dialog.Breakdown(), ReferenceBreakdown(*p, 8, 15, 7, 0));

    // The grown AADT stops at the maximum.
    p->MaximumAADT = 31000;
    EXPECT_EQ(OpenedOnForm(*p, effects).Aadt(), 31000);
}

TEST(WorkZoneOpeningTest, FormCopiesFeedTheWindowAndSlotsTheCommandLine) {
    auto p = QueueingProject();
    // The form shows values that differ from what the slot stores.
    p->WorkZoneLanes = 2;
    p->RequiredTime = 140;
    p->ActivityYear = 0;
    RecordingEffects effects;
    const WorkZoneTimingDialog fromForm = OpenedOnForm(*p, effects);
    EXPECT_EQ(fromForm.Capacities().WorkZone, 2520);
    EXPECT_EQ(fromForm.Days(), 20);
    EXPECT_EQ(fromForm.Aadt(), 30000);

    WorkZoneTimingDialog stored(WorkZoneDialogInputs::FromStoredActivity(*p, 2, 3));
    stored.Open(effects);
    EXPECT_EQ(stored.Capacities().WorkZone, 1260);
    EXPECT_EQ(stored.Days(), 10);
    ExpectSameBreakdown(stored.Breakdown(), ReferenceBreakdown(*p, 8, 15, 7, 0));
}

TEST(WorkZoneOpeningTest, UnusableStoredTimingStartsFromTheDefaultsWithANotice) {
    struct Stored {
        int start, hours, stop, mobilization;
    };
    for (const Stored bad : {Stored{30, 7, 13, 0}, Stored{8, 0, 8, 0}, Stored{8, 7, 15, 7}}) {
        auto p = QueueingProject();
        StoreTiming(*p, bad.start, bad.hours, bad.stop, bad.mobilization);
        p->ActivityInboundPercent[kSlot] = 60.0;
        RecordingEffects effects;
        const WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);

        EXPECT_EQ(effects.TakeMessage("Work Zone User Costs").Icon, MessageIcon::Information)
            << bad.start << " " << bad.hours;
        EXPECT_TRUE(effects.Focus.empty());
        const WorkZoneTimingFields& f = dialog.Fields();
        EXPECT_EQ(f.StartHour, 8);
        EXPECT_EQ(f.HoursInEffect, 7);
        EXPECT_EQ(f.StopHour, 15);
        EXPECT_EQ(f.MobilizationHours, 0);
        EXPECT_EQ(f.InboundPercent, 60.0); // the directional shares are kept
        EXPECT_EQ(dialog.Days(), 10);
        ExpectSameBreakdown(dialog.Breakdown(), ReferenceBreakdown(*p, 8, 15, 7, 0));
    }
}

TEST(WorkZoneOpeningTest, UsableEdgesOfTheStoredTimingAreKept) {
    auto p = QueueingProject();
    StoreTiming(*p, 23, 24, 23, 40); // around the clock: any mobilization
    RecordingEffects effects;
    const WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects); // and no defaults notice
    EXPECT_EQ(dialog.Fields().StartHour, 23);
    EXPECT_EQ(dialog.Fields().MobilizationHours, 40);
    EXPECT_EQ(dialog.Days(), 5); // (70 + 40) / 24 rounded up
}

template <typename Slots>
void ExpectSlotsEqual(const Slots& after, const Slots& before, int exceptSlot) {
    for (int slot = 0; slot < kActivitySlots; ++slot) {
        if (slot != exceptSlot) {
            EXPECT_EQ(after[slot], before[slot]) << "slot " << slot;
        }
    }
}

// The eight per-activity values OK writes agree between two projects, except
// in one slot (-1: in every slot).
void ExpectSameTimings(const Project& after, const Project& before, int exceptSlot) {
    ExpectSlotsEqual(after.ActivityStartHour, before.ActivityStartHour, exceptSlot);
    ExpectSlotsEqual(after.ActivityStopHour, before.ActivityStopHour, exceptSlot);
    ExpectSlotsEqual(after.ActivityHoursInEffect, before.ActivityHoursInEffect, exceptSlot);
    ExpectSlotsEqual(after.ActivityMobilizationHours, before.ActivityMobilizationHours, exceptSlot);
    ExpectSlotsEqual(after.ActivityDaysToComplete, before.ActivityDaysToComplete, exceptSlot);
    ExpectSlotsEqual(after.ActivityInboundPercent, before.ActivityInboundPercent, exceptSlot);
    ExpectSlotsEqual(after.ActivityOutboundPercent, before.ActivityOutboundPercent, exceptSlot);
    ExpectSlotsEqual(after.ActivityWorkZoneUserCost, before.ActivityWorkZoneUserCost, exceptSlot);
}

TEST(WorkZoneOkTest, WritesTheEightValuesAtTheActivityAndNothingElse) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    dialog.Fields().StartHour = 20;
    dialog.LeaveStartHour(effects);
    dialog.Fields().HoursInEffect = 9;
    dialog.Fields().MobilizationHours = 2;
    dialog.LeaveHoursInEffect(effects);
    dialog.Fields().InboundPercent = 70.0;
    dialog.Fields().OutboundPercent = 30.0;
    dialog.CalculateCosts(effects);
    ASSERT_TRUE(effects.TakeMessages().empty());

    auto after = std::make_unique<Project>(*p);
    ASSERT_TRUE(dialog.StoreInto(*after));
    EXPECT_EQ(after->ActivityStartHour[kSlot], 20);
    EXPECT_EQ(after->ActivityHoursInEffect[kSlot], 9);
    EXPECT_EQ(after->ActivityStopHour[kSlot], 5);
    EXPECT_EQ(after->ActivityMobilizationHours[kSlot], 2);
    EXPECT_EQ(after->ActivityDaysToComplete[kSlot], 10); // 70 hours at 7 working hours a day
    EXPECT_EQ(after->ActivityInboundPercent[kSlot], 70.0);
    EXPECT_EQ(after->ActivityOutboundPercent[kSlot], 30.0);
    EXPECT_EQ(after->ActivityWorkZoneUserCost[kSlot], dialog.Breakdown().Total);
    p->ActivityInboundPercent[kSlot] = 70.0;
    p->ActivityOutboundPercent[kSlot] = 30.0;
    EXPECT_EQ(after->ActivityWorkZoneUserCost[kSlot], ReferenceBreakdown(*p, 20, 5, 9, 2).Total);

    // The other slots keep what they held.
    ExpectSameTimings(*after, *p, kSlot);
}

// The total priced for one timing is never stored with another.
TEST(WorkZoneOkTest, ChangedTimingWithoutRecalculationIsNotStored) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    dialog.Fields().StartHour = 2;
    dialog.LeaveStartHour(effects);
    EXPECT_FALSE(dialog.FiguresCurrent());
    auto after = std::make_unique<Project>(*p);
    EXPECT_FALSE(dialog.StoreInto(*after));
    EXPECT_TRUE(*after == *p);
    dialog.CalculateCosts(effects);
    EXPECT_TRUE(dialog.FiguresCurrent());
    ASSERT_TRUE(dialog.StoreInto(*after));
    EXPECT_EQ(after->ActivityStartHour[kSlot], 2);
}

TEST(WorkZoneOkTest, CancelLeavesTheProjectAsItWas) {
    const auto p = QueueingProject();
    const auto untouched = QueueingProject();
    RecordingEffects effects;
    {
        WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
        dialog.Fields().StartHour = 30;
        dialog.LeaveStartHour(effects);
        effects.TakeMessage("Start Time Error");
        dialog.FindOptimumStart(effects);
        dialog.Fields().InboundPercent = 5.0;
        dialog.CalculateCosts(effects);
        // Cancel: the dialog is dropped without StoreInto.
    }
    ExpectSameTimings(*p, *untouched, -1);
}

TEST(WorkZoneOkTest, NoSlotMeansNothingIsStored) {
    auto p = QueueingProject();
    p->CurrentAlternative = 5;
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    EXPECT_EQ(dialog.Fields().StartHour, 8); // defaults, with the notice
    effects.TakeMessage("Work Zone User Costs");
    const auto before = std::make_unique<Project>(*p);
    EXPECT_FALSE(dialog.StoreInto(*p));
    ExpectSameTimings(*p, *before, -1);
}

// --- gridlock --------------------------------------------------------------

void ExpectGridlockShown(const WorkZoneTimingDialog& dialog, RecordingEffects& effects) {
    ASSERT_TRUE(dialog.Gridlock());
    const UserCostBreakdown& b = dialog.Breakdown();
    for (int i = 0; i < kCostComponentCount; ++i) {
        EXPECT_EQ(b.Components[i], -1.0);
        EXPECT_EQ(b.Percentages[i], -1.0);
    }
    EXPECT_EQ(b.Total, -1.0);
    EXPECT_EQ(b.TotalPercentage, -1.0);
    const auto shown = effects.TakeMessage("Gridlock");
    EXPECT_EQ(shown.Text, "The traffic demand and work zone\ntiming are creating a gridlock "
                          "problem.\n\nUnder current conditions,a 24-hour queue\nwill form and "
                          "never clear.");
    EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
    ASSERT_FALSE(effects.Focus.empty());
    EXPECT_EQ(effects.Focus.back(), WorkZoneControl::StartHour);
}

TEST(WorkZoneGridlockTest, GridlockOnOpeningShowsMinusOneAndOkStoresIt) {
    const auto p = GridlockProject();
    RecordingEffects effects;
    const WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    ExpectGridlockShown(dialog, effects);

    auto after = std::make_unique<Project>(*p);
    ASSERT_TRUE(dialog.StoreInto(*after));
    EXPECT_EQ(after->ActivityWorkZoneUserCost[kSlot], -1.0);
    EXPECT_EQ(after->ActivityStartHour[kSlot], 8);
}

TEST(WorkZoneGridlockTest, FindOptimumWhereEveryStartGridlocksEndsOnHour23) {
    const auto p = GridlockProject();
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    effects.TakeMessage("Gridlock");
    effects.Clear();
    dialog.FindOptimumStart(effects);
    ExpectGridlockShown(dialog, effects);
    EXPECT_EQ(dialog.Fields().StartHour, 23);
    EXPECT_EQ(dialog.Fields().StopHour, 6); // 23 + 7 hours
    auto after = std::make_unique<Project>(*p);
    ASSERT_TRUE(dialog.StoreInto(*after));
    EXPECT_EQ(after->ActivityWorkZoneUserCost[kSlot], -1.0);
    EXPECT_EQ(after->ActivityStartHour[kSlot], 23);
}

// --- Find Optimum ----------------------------------------------------------

TEST(WorkZoneOptimumTest, TiedCheapestStartsGoToTheEarliest) {
    // No traffic from 3:00 to 11:00: a 6-hour zone starting at 3, 4 or 5 costs
    // nothing; every other start catches traffic and costs more.
    HourShares shares{};
    for (int h = 0; h < kHours; ++h) {
        shares[h] = (h >= 3 && h <= 10) ? 0.0 : 6.25;
    }
    auto p = ProjectWithDemand(10000, shares);
    StoreTiming(*p, 12, 6, 18, 0);
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    EXPECT_GT(dialog.Breakdown().Total, 0.0);

    dialog.FindOptimumStart(effects);
    EXPECT_EQ(dialog.Fields().StartHour, 3);
    EXPECT_EQ(dialog.Fields().StopHour, 9);
    EXPECT_EQ(dialog.Breakdown().Total, 0.0);
    ExpectSameBreakdown(dialog.Breakdown(), ReferenceBreakdown(*p, 3, 9, 6, 0));
}

TEST(WorkZoneOptimumTest, FindsTheCheapestOfAll24Starts) {
    const auto p = QueueingProject();
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    dialog.FindOptimumStart(effects);
    ASSERT_FALSE(dialog.Gridlock());

    // Every start priced in full on its own: none is cheaper, and no earlier
    // start is as cheap.
    const int best = dialog.Fields().StartHour;
    const double bestTotal = dialog.Breakdown().Total;
    ExpectSameBreakdown(dialog.Breakdown(), ReferenceBreakdown(*p, best, (best + 7) % 24, 7, 0));
    for (int start = 0; start < kHours; ++start) {
        const UserCostBreakdown other = ReferenceBreakdown(*p, start, (start + 7) % 24, 7, 0);
        if (other.Gridlock) {
            continue;
        }
        if (start < best) {
            EXPECT_GT(other.Total, bestTotal) << start;
        } else {
            EXPECT_GE(other.Total, bestTotal) << start;
        }
    }
    EXPECT_LT(bestTotal, ReferenceBreakdown(*p, 8, 15, 7, 0).Total);
}

// --- the sign of the costs ---------------------------------------------------

struct Speeds {
    const char* name;
    int posted;
    int zone;
    bool queueDelay; // a queue slower than the road adds travel time
};

class WorkZoneCostSignTest : public ::testing::TestWithParam<Speeds> {};

// Every component is a count times rates that are not negative, times a
// speed change, an added time through the zone or a queue delay: none is
// below 0 while the zone is no faster than the road, even on a road posted
// at 5 mph (a faster zone, which made them negative, is refused before any
// pricing). On the 5 mph road the queue moves faster than the traffic
// upstream and adds no time, rather than saving some.
TEST_P(WorkZoneCostSignTest, NoComponentIsBelowZero) {
    auto p = QueueingProject();
    p->PostedSpeedLimit = GetParam().posted;
    p->WorkZoneSpeedLimit = GetParam().zone;
    RecordingEffects effects;
    const WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    ASSERT_FALSE(dialog.Refusal().has_value());
    EXPECT_EQ(dialog.Breakdown().Components[6] > 0.0, GetParam().queueDelay);
    for (const double component : dialog.Breakdown().Components) {
        EXPECT_GE(component, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, WorkZoneCostSignTest,
                         ::testing::Values(Speeds{"SlowestRoadAndZone", 5, 5, false},
                                           Speeds{"SlowZoneOnAFastRoad", 55, 5, true},
                                           Speeds{"ZoneAsFastAsTheRoad", 80, 80, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- figures that are not results ------------------------------------------

struct NoResult {
    const char* name;
    void (*spoil)(Project&);
    const char* said; // part of the message
};

void PrintTo(const NoResult& c, std::ostream* os) {
    *os << c.name;
}

class WorkZoneNoResultTest : public ::testing::TestWithParam<NoResult> {
protected:
    WorkZoneNoResultTest() : p(QueueingProject()) { GetParam().spoil(*p); }

    // The next message, the refusal; its text.
    std::string ExpectRefusalShown(RecordingEffects& effects) const {
        const auto shown = effects.TakeMessage("Project Data Error");
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
        EXPECT_THAT(shown.Text, ::testing::HasSubstr(GetParam().said));
        return shown.Text;
    }

    // OK hands nothing back: the project stays as it was, byte for byte.
    void ExpectNothingStored(const WorkZoneTimingDialog& dialog) const {
        auto after = std::make_unique<Project>(*p);
        EXPECT_FALSE(dialog.StoreInto(*after));
        EXPECT_EQ(WriteProjectBytes(*after), WriteProjectBytes(*p));
    }

    std::unique_ptr<Project> p;
};

TEST_P(WorkZoneNoResultTest, OpeningShowsTheRefusalAndOkStoresNothing) {
    RecordingEffects effects;
    const WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    const std::string shown = ExpectRefusalShown(effects);
    ASSERT_TRUE(dialog.Refusal().has_value());
    EXPECT_EQ(dialog.Refusal()->Message, shown);
    ExpectNothingStored(dialog);
}

TEST_P(WorkZoneNoResultTest, FindOptimumRefusesAndKeepsTheTimingItStartedFrom) {
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    ExpectRefusalShown(effects);
    dialog.FindOptimumStart(effects);
    ExpectRefusalShown(effects);
    EXPECT_EQ(dialog.Fields().StartHour, 8);
    EXPECT_EQ(dialog.Fields().StopHour, 15);
    ExpectNothingStored(dialog);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Figures, WorkZoneNoResultTest, ::testing::Values(
    NoResult{"UserCostNotFinite", [](Project& p) { p.DelayRatePassengerCar = 1e305; },
             "Alternative 2, work activity 3: the work zone user cost of the activity in year 5 comes out"},
    NoResult{"UserCostPast64Bits", [](Project& p) { p.DelayRatePassengerCar = 1e100; },
             "beyond the whole dollar amounts that are exact"},
    // -1e24 to the 13th power is past the doubles: the traffic is -infinity,
    // which was taken for a number above the cap and priced at the cap.
    NoResult{"TrafficNotFinite", [](Project& p) { p.TrafficGrowthMean = -1e26; p.ActivityYears[kSlot] = p.ActivityYear = 13; },
             "Alternative 2, work activity 3: the traffic grown to year 13 at a traffic growth rate of -1e+26 % a year comes out as an AADT below 0 or no finite number at all"},
    NoResult{"TrafficBelowZero", [](Project& p) { p.TrafficGrowthMean = -350.0; },
             "Alternative 2, work activity 3: the traffic grown to year 5 at a traffic growth rate of -350 %"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The refusal lasts only as long as the figures it was about: a timing whose
// costs are results again is shown and can be kept.
TEST(WorkZoneNoResultTest, FiguresThatAreResultsAgainEndTheRefusal) {
    auto p = QueueingProject();
    p->DelayRatePassengerCar = 1e100;
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);
    ASSERT_TRUE(dialog.Refusal().has_value());

    // Applied to neither direction, the work zone costs nobody anything.
    dialog.Fields().InboundPercent = 0.0;
    dialog.Fields().OutboundPercent = 0.0;
    effects.TakeMessage("Project Data Error");
    dialog.CalculateCosts(effects);
    EXPECT_FALSE(dialog.Refusal().has_value());
    EXPECT_EQ(dialog.Breakdown().Total, 0.0);
    auto after = std::make_unique<Project>(*p);
    ASSERT_TRUE(dialog.StoreInto(*after));
    EXPECT_EQ(after->ActivityWorkZoneUserCost[kSlot], 0.0);
}

// --- queue graph -----------------------------------------------------------

bool ZoneDayGridlocks(const Project& p, int start, int stop) {
    auto day = std::make_unique<QueueDay>();
    SplitHourlyVolumes(p.BaseYearAADT, p.HourlyAADTPercent, p.HourlyInboundPercent,
                       p.HourlyOutboundPercent, day->Inbound.Volume, day->Outbound.Volume);
    const WorkZoneCapacities capacities = ComputeWorkZoneCapacities(
        p.WorkZoneLanes, p.WorkZoneCapacity, p.WorkZoneDissipationCapacity, p.NumberOfLanes);
    return RunQueueChain(
        *day, {p.ServiceFlowRate, capacities.WorkZone, capacities.Dissipation, p.PostedSpeedLimit},
        start, stop);
}

TEST(WorkZoneGraphTest, SeriesFollowTheLastWorkZoneDayPricedInFull) {
    // One peak hour of 2700 vehicles each way at 17:00 and 100 in every other
    // hour. The zone has two lanes (2520 an hour) and a standing queue
    // discharges at nothing: around the clock the zone's short queue clears,
    // while the road without the zone never clears its peak queue.
    HourShares shares{};
    shares.fill(2.0);
    shares[17] = 54.0;
    auto p = ProjectWithDemand(10000, shares);
    SetWorkZoneLanes(*p, 2);
    SetDissipationCapacity(*p, 0.0);
    StoreTiming(*p, 0, 24, 0, 0);
    RecordingEffects effects;
    WorkZoneTimingDialog dialog = OpenedOnForm(*p, effects);

    // The gridlock came from the baseline: the graph shows the zone's day.
    ExpectGridlockShown(dialog, effects);
    const PerHour<double> zoneDay = dialog.InboundQueueLength();
    EXPECT_GT(zoneDay[17], 0.0);
    EXPECT_EQ(zoneDay[12], 0.0);
    EXPECT_EQ(dialog.OutboundQueueLength(), zoneDay);

    // A one-hour zone just before the peak: the queue the zone leaves meets
    // the peak on a road that discharges nothing, so the zone's own day
    // gridlocks before its queue lengths exist, and the graph keeps the
    // previous day.
    dialog.Fields().HoursInEffect = 1;
    dialog.LeaveHoursInEffect(effects);
    dialog.Fields().StartHour = 16;
    dialog.LeaveStartHour(effects);
    ASSERT_TRUE(ZoneDayGridlocks(*p, 16, 17));
    dialog.CalculateCosts(effects);
    ASSERT_TRUE(dialog.Gridlock());
    effects.TakeMessage("Gridlock");
    EXPECT_EQ(dialog.InboundQueueLength(), zoneDay);

    const QueueGraphContent graph = dialog.QueueGraph();
    EXPECT_EQ(graph.Series[0].Miles, zoneDay);
    EXPECT_EQ(graph.Series[1].Miles, dialog.OutboundQueueLength());
    EXPECT_EQ(graph.Subtitle, "Alt 2 - WZ 3");
    EXPECT_EQ(graph.Title, p->ProjectDescription);
}

} // namespace
} // namespace wexa::forms
