#include "decision/Tornado.h"

#include "decision/Sensitivity.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace wexa {
namespace {

std::unique_ptr<Project> Example(const std::string& name) {
    auto p = std::make_unique<Project>();
    EXPECT_TRUE(ReadProjectFile(std::string(WEXA_EXAMPLES_DIR) + "/" + name + ".wxa", *p).Ok);
    return p;
}

Tornado Build(const Project& p, const TornadoOptions& options = {}) {
    BaseCaseRunner runner(p, nullptr);
    Tornado t;
    const auto refusal = BuildTornado(p, runner, options, t);
    EXPECT_FALSE(refusal.has_value()) << refusal->Messages.back().Message;
    return t;
}

// The base case with one input at one end, written from the project's own
// fields as a user would change them, not from the tornado's settings.
std::unique_ptr<Project> ChangedBaseCase(const Project& p, const TornadoInput& in, bool high,
                                         double swing) {
    auto c = std::make_unique<Project>(p);
    MakeBaseCase(*c);
    const int s = in.Slot;
    const auto end = [&](Int32 kind, double first, double middle, double third) {
        if (kind == kTruncatedNormal) {
            return high ? middle + third : middle - third;
        }
        return high ? third : first;
    };
    const double sign = high ? 1.0 : -1.0;
    switch (in.Kind) {
    case TornadoInputKind::DiscountRate:
        c->DiscountRateMean =
            end(p.DiscountRateKind, p.DiscountRateMin, p.DiscountRateMean, p.DiscountRateMax);
        break;
    case TornadoInputKind::TrafficGrowth:
        c->TrafficGrowthMean =
            end(p.TrafficGrowthKind, p.TrafficGrowthMin, p.TrafficGrowthMean, p.TrafficGrowthMax);
        break;
    case TornadoInputKind::YearsToNext:
        c->ActivityYearsExpected[s] =
            static_cast<Int32>(end(p.ActivityYearsKind[s], p.ActivityYearsMin[s],
                                   p.ActivityYearsExpected[s], p.ActivityYearsMax[s]));
        break;
    case TornadoInputKind::AgencyCost: {
        const double f = high ? p.ActivityAgencyCostVariability[s] * 0.01 + 1
                              : 1 - p.ActivityAgencyCostVariability[s] * 0.01;
        c->ActivityBidItemTotal[s] *= f;
        for (int row = 0; row < 3; ++row) {
            c->TimeItemUnitPrices[s * 3 + row] *= f;
        }
        break;
    }
    case TornadoInputKind::RequiredTime:
        c->ActivityRequiredTime[s] = static_cast<Int32>(std::trunc(
            p.ActivityRequiredTime[s] * (1 + sign * p.ActivityTimeVariability[s] * 0.01)));
        break;
    case TornadoInputKind::BaseYearAadt:
        c->BaseYearAADT =
            static_cast<Int32>(std::trunc(p.BaseYearAADT * (1 + sign * swing * 0.01)));
        break;
    case TornadoInputKind::ValueOfTime:
        for (double* rate : {&c->DelayRateCombinationTruck, &c->DelayRatePassengerCar,
                             &c->DelayRateSingleUnitTruck}) {
            *rate *= 1 + sign * swing * 0.01;
        }
        break;
    }
    return c;
}

class TornadoOfExample : public ::testing::TestWithParam<const char*> {};

TEST_P(TornadoOfExample, EveryEndIsTheBaseCaseRunWithThatInputChanged) {
    const auto p = Example(GetParam());
    const Tornado t = Build(*p, {.SwingPercent = 15.0, .Pair = std::nullopt});
    ASSERT_GT(t.Bars.size(), 10U);
    auto w = std::make_unique<AnalysisWorkspace>();
    int ran = 0;
    for (const TornadoBar& bar : t.Bars) {
        ASSERT_NE(bar.Status, TornadoStatus::Gridlock) << bar.Input.Name;
        bool refused = false;
        for (const bool high : {false, true}) {
            auto direct = ChangedBaseCase(*p, bar.Input, high, 15.0);
            const auto refusal = RunAnalysis(*direct, *w, {99, nullptr});
            refused = refused || refusal.has_value();
            if (refusal || bar.Status != TornadoStatus::Ok) {
                continue;
            }
            const CaseOutcome& end = high ? bar.AtHigh : bar.AtLow;
            for (int a = 0; a < p->NumberOfAlternatives; ++a) {
                EXPECT_EQ(end.Of(CostKind::Total, a), direct->TotalNpvResults[a][0])
                    << bar.Input.Name << (high ? " high" : " low") << " alt " << a + 1;
            }
        }
        // Years that leave an alternative short of the period are refused.
        EXPECT_EQ(bar.Status == TornadoStatus::Refused, refused) << bar.Input.Name;
        ran += bar.Status == TornadoStatus::Ok ? 1 : 0;
    }
    EXPECT_GT(ran, 10);
}

INSTANTIATE_TEST_SUITE_P(Examples, TornadoOfExample,
                         ::testing::Values("rural-two-lane", "urban-freeway"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

TEST(TornadoInputList, TakesTheStoredEndsAndScalesAndLeavesOutWhatCannotMove) {
    auto p = std::make_unique<Project>();
    p->NumberOfAlternatives = 1;
    p->AlternativeActivityCount[0] = 2;
    p->DiscountRateKind = kTruncatedNormal; // deviation 1, expected 4, half-width 1.5
    p->DiscountRateMin = 1.0;
    p->DiscountRateMax = 1.5;
    p->TrafficGrowthKind = kDeterministic;
    p->ActivityYearsKind[0] = kTriangular;
    p->ActivityYearsMin[0] = 8;
    p->ActivityYearsExpected[0] = 10;
    p->ActivityYearsMax[0] = 15;
    p->ActivityBidItemTotal[0] = 1000.0;
    p->ActivityAgencyCostVariability[0] = 10.0;
    p->ActivityRequiredTime[0] = 10;
    p->ActivityTimeVariability[0] = 15.0;
    // The second activity: fixed years, nothing to price, no time variability.
    p->ActivityYearsKind[1] = kUniform;
    p->ActivityYearsMin[1] = p->ActivityYearsExpected[1] = p->ActivityYearsMax[1] = 30;
    p->ActivityAgencyCostVariability[1] = 10.0;
    p->ActivityRequiredTime[1] = 10;
    p->BaseYearAADT = 1234;

    const auto inputs = TornadoInputs(*p, 20.0);
    std::vector<std::string> names;
    for (const auto& in : inputs) {
        names.push_back(in.Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Discount rate", "Alt 1, activity 1: years to next",
                                               "Alt 1, activity 1: agency cost",
                                               "Alt 1, activity 1: required time", "Base-year AADT",
                                               "Value of time"}));
    ASSERT_EQ(inputs.size(), 6U);
    const auto ends = [&](std::size_t i) {
        return std::array<double, 3>{inputs[i].Low, inputs[i].Expected, inputs[i].High};
    };
    EXPECT_EQ(ends(0), (std::array<double, 3>{2.5, 4.0, 5.5}));
    EXPECT_EQ(ends(1), (std::array<double, 3>{8, 10, 15}));
    EXPECT_EQ(ends(2), (std::array<double, 3>{90, 100, 110}));
    EXPECT_EQ(inputs[2].LowFactor, 1 - 10.0 * 0.01);
    EXPECT_EQ(inputs[2].HighFactor, 10.0 * 0.01 + 1);
    EXPECT_EQ(ends(3), (std::array<double, 3>{8, 10, 11})); // 8.5 and 11.5 truncated
    EXPECT_EQ(ends(4), (std::array<double, 3>{987, 1234, 1480}));
    EXPECT_EQ(ends(5), (std::array<double, 3>{80, 100, 120}));

    EXPECT_EQ(TornadoInputs(*p, 0.0).size(), 4U); // no swing: AADT and value of time stay
}

// Three alternatives of two activities, 15 and 5 years long, that differ in
// the first activity's bid. Alternative 2's first activity may last from 5
// to 25 years; alternative 1's second may cost half as much or half as much
// again; the discount rate lies between 2 % and 6 %.
std::unique_ptr<Project> TwoAlternatives() {
    auto p = std::make_unique<Project>();
    p->AnalysisType = kProbabilisticAnalysis;
    p->AnalysisPeriod = 20;
    p->NumberOfAlternatives = 3;
    p->DiscountRateKind = kUniform; // 2 to 6
    p->TrafficGrowthKind = kDeterministic;
    p->ActivityUserCostModes.fill(kExcludeUserCosts);
    p->ActivityYearsKind.fill(kDeterministic);
    p->ActivityAgencyCostVariability.fill(0.0);
    p->ActivityTimeVariability.fill(0.0);
    for (int a = 1; a <= 3; ++a) {
        p->AlternativeActivityCount[a - 1] = 2;
        p->ActivityYearsExpected[ActivitySlot(a, 1)] = 15;
        p->ActivityYearsExpected[ActivitySlot(a, 2)] = 5;
        p->ActivityBidItemTotal[ActivitySlot(a, 1)] = 1e5 * a;
        p->ActivityBidItemTotal[ActivitySlot(a, 2)] = 1e5;
    }
    const int moved = ActivitySlot(2, 1);
    p->ActivityYearsKind[moved] = kNormal;
    p->ActivityYearsMin[moved] = 5;
    p->ActivityYearsMax[moved] = 25;
    p->ActivityAgencyCostVariability[ActivitySlot(1, 2)] = 50.0;
    return p;
}

TEST(Tornado, PairsTheTwoCheapestAndSortsByHowFarTheirDifferenceMoves) {
    const auto p = TwoAlternatives();
    const Tornado t = Build(*p, {.SwingPercent = 0.0, .Pair = std::nullopt});
    ASSERT_TRUE(t.Pair.has_value());
    EXPECT_EQ(*t.Pair, (std::array<int, 2>{0, 1})); // the third costs most
    ASSERT_TRUE(t.BaseDifference.has_value());
    EXPECT_EQ(*t.BaseDifference, t.Base.Of(CostKind::Total, 0) - t.Base.Of(CostKind::Total, 1));

    // Years 5 leave alternative 2 short of the period: the run refuses it,
    // in its own words, and the bar goes last.
    ASSERT_EQ(t.Bars.size(), 3U);
    const TornadoBar& refused = t.Bars.back();
    EXPECT_EQ(refused.Input.Name, "Alt 2, activity 1: years to next");
    EXPECT_EQ(refused.Status, TornadoStatus::Refused);
    ASSERT_FALSE(refused.Refusal.empty());
    EXPECT_EQ(refused.Refusal.back().Caption, "Scheduled Work Zone Error");
    for (std::size_t i = 0; i + 1 < t.Bars.size(); ++i) {
        const TornadoBar& bar = t.Bars[i];
        ASSERT_EQ(bar.Status, TornadoStatus::Ok);
        ASSERT_TRUE(bar.DifferenceLow && bar.DifferenceHigh);
        EXPECT_EQ(*bar.DifferenceLow,
                  bar.AtLow.Of(CostKind::Total, 0) - bar.AtLow.Of(CostKind::Total, 1));
        EXPECT_EQ(bar.Swing,
                  std::abs(static_cast<double>(*bar.DifferenceHigh - *bar.DifferenceLow)));
        if (i > 0) {
            EXPECT_GE(t.Bars[i - 1].Swing, bar.Swing);
        }
    }

    const Tornado chosen = Build(*p, {.SwingPercent = 0.0, .Pair = std::array<int, 2>{2, 0}});
    ASSERT_TRUE(chosen.BaseDifference.has_value());
    EXPECT_EQ(*chosen.BaseDifference,
              chosen.Base.Of(CostKind::Total, 2) - chosen.Base.Of(CostKind::Total, 0));
}

// A work zone on one lane at 100 vehicles an hour, all day.
TEST(Tornado, AnInputThatGridlocksAnAlternativeIsShownAsSuch) {
    auto p = std::make_unique<Project>();
    p->NumberOfAlternatives = 1;
    p->AnalysisPeriod = 20;
    p->AlternativeActivityCount[0] = 1;
    p->ActivityYearsKind[0] = kDeterministic;
    p->ActivityYearsExpected[0] = 20;
    p->ActivityWorkZoneCapacity[0] = 100.0;
    p->ActivityStartHour[0] = 0;
    p->ActivityStopHour[0] = 0;
    p->ActivityHoursInEffect[0] = 24;
    p->ActivityRequiredTime[0] = 48;
    p->BaseYearAADT = 4000; // gridlocks at half as much again
    const Tornado t = Build(*p, {.SwingPercent = 50.0, .Pair = std::nullopt});
    ASSERT_TRUE(t.Base.Valid(0));
    EXPECT_FALSE(t.Pair.has_value()); // one alternative: no pair
    ASSERT_EQ(t.Bars.size(), 4U);
    const TornadoBar& aadt = t.Bars.back();
    EXPECT_EQ(aadt.Input.Name, "Base-year AADT");
    EXPECT_EQ(aadt.Status, TornadoStatus::Gridlock);
    EXPECT_EQ(aadt.AtHigh.Status[0], IterationStatus::Gridlock);
    EXPECT_TRUE(aadt.AtLow.Valid(0));
    // Without a pair the bars are sorted by the total NPV they move.
    EXPECT_GT(t.Bars[0].Swing, 0.0);
    EXPECT_EQ(t.Bars[0].Swing,
              std::abs(static_cast<double>(t.Bars[0].AtHigh.Of(CostKind::Total, 0) -
                                           t.Bars[0].AtLow.Of(CostKind::Total, 0))));
}

TEST(Tornado, ChecksItsOptions) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(CheckTornadoOptions({20.0, std::nullopt}, 1).has_value());
    EXPECT_FALSE(CheckTornadoOptions({0.0, std::array<int, 2>{1, 0}}, 2).has_value());
    for (const double swing : {-1.0, 100.5, nan}) {
        EXPECT_TRUE(CheckTornadoOptions({swing, std::nullopt}, 2).has_value()) << swing;
    }
    for (const auto pair :
         {std::array<int, 2>{0, 0}, std::array<int, 2>{0, 2}, std::array<int, 2>{-1, 1}}) {
        EXPECT_TRUE(CheckTornadoOptions({20.0, pair}, 2).has_value()) << pair[0] << pair[1];
    }
}

TEST(Sensitivity, OneProgressOverTheSweepAndTheTornado) {
    const auto p = TwoAlternatives();
    RunFeedback feedback;
    Sensitivity s;
    ASSERT_FALSE(
        RunSensitivity(*p, {{0.0, 1.0, 0.5}, {0.0, std::nullopt}}, s, &feedback).has_value());
    EXPECT_EQ(s.Rates.Points.size(), 3U);
    EXPECT_EQ(s.Tornado.Bars.size(), 3U);
    EXPECT_EQ(feedback.Current().Done, 3 + 1 + 2 * 3);
    EXPECT_EQ(feedback.Current().Total, feedback.Current().Done);

    RunFeedback cancelled;
    cancelled.Cancel();
    Sensitivity untouched;
    const auto refusal = RunSensitivity(*p, {}, untouched, &cancelled);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->Cancelled);
    EXPECT_TRUE(untouched.Rates.Points.empty());
}

} // namespace
} // namespace wexa
