#include "simulation/AnalysisRun.h"

#include "model/Conversions.h"
#include "model/RoundValue.h"
#include "simulation/Distributions.h"
#include "simulation/ProjectUserCosts.h"
#include "simulation/RandomSource.h"
#include "userdelay/TrafficDemand.h"
#include "userdelay/UserCostEvaluation.h"

#include <cmath>
#include <optional>

namespace wexa {
namespace {

constexpr Int64 kGridlockMark = -1;
constexpr Int64 kFailureMark = -2;

// What one iteration of one alternative ends with.
struct AlternativeOutcome {
    IterationStatus Status = IterationStatus::Valid;
    Int64 Agency = 0;
    Int64 User = 0;
    Int64 Total = 0;
};

// Everything an iteration reads that does not change during the run.
struct RunInputs {
    InputDistribution DiscountRate;
    InputDistribution TrafficGrowth;
    UserCostRates Rates;
};

class AnalysisRunner {
public:
    AnalysisRunner(Project& project, AnalysisWorkspace& workspace)
        : p_(project),
          day_(workspace.Day), inputs_{{project.DiscountRateKind, project.DiscountRateMin,
                                        project.DiscountRateMean, project.DiscountRateMax},
                                       {project.TrafficGrowthKind, project.TrafficGrowthMin,
                                        project.TrafficGrowthMean, project.TrafficGrowthMax},
                                       UserCostRatesOf(project)} {}

    void SetSeed(std::optional<std::uint32_t> seed) { random_.SeedRandom(seed); }
    [[nodiscard]] std::uint32_t State() const { return random_.State(); }

    // Draws the iteration's rates, shared by all alternatives: the discount
    // and growth rates take the same uniform and the two branches of one
    // normal pair.
    void DrawRates() {
        const double u1 = random_.DrawUniform();
        const double u2 = random_.DrawUniform();
        const auto [zs, zc] = DrawNormalPair(u1, u2);
        discountRate_ = DrawFromDistribution(inputs_.DiscountRate, u1, zs, random_);
        growthRate_ = DrawFromDistribution(inputs_.TrafficGrowth, u1, zc, random_);
    }
    [[nodiscard]] double DiscountRate() const { return discountRate_; }
    [[nodiscard]] double GrowthRate() const { return growthRate_; }

    // Walks the alternative's activities until one reaches the end of the
    // analysis period.
    AlternativeOutcome RunAlternative(int alternative) {
        const int activities = p_.AlternativeActivityCount[alternative];
        bidItemNpv_ = 0.0;
        timeRelatedNpv_ = 0.0;
        userNpv_ = 0.0;
        double year = 0.0;
        double previousInterval = 0.0;
        for (int j = 0; j < activities; ++j) {
            const int slot = alternative * kActivitiesPerAlternative + j;
            const double u1 = random_.DrawUniform();
            const double u2 = random_.DrawUniform();
            const double zs = DrawNormalPair(u1, u2).first;
            double interval = DrawFromDistribution(YearsToNext(slot), u1, zs, random_);
            if (interval < 0.0) {
                interval = 0.0;
            }
            year = j == 0 ? 0.0 : year + previousInterval;
            RoundValue(year, 0);
            previousInterval = interval;

            const ActivityCosts costs = RunActivity(slot, year);
            if (year + interval >= p_.AnalysisPeriod) {
                return Close(costs, year, interval);
            }
        }
        return {IterationStatus::Failure, kFailureMark, kFailureMark, kFailureMark};
    }

private:
    struct ActivityCosts {
        bool Gridlock = false;
        double Agency = 0.0; // running results after this activity
        double User = 0.0;
        double Total = 0.0;
        double UndiscountedAgencyCost = 0.0; // this activity's, for the salvage credit
    };

    [[nodiscard]] InputDistribution YearsToNext(int slot) const {
        return {p_.ActivityYearsKind[slot], static_cast<double>(p_.ActivityYearsMin[slot]),
                static_cast<double>(p_.ActivityYearsExpected[slot]),
                static_cast<double>(p_.ActivityYearsMax[slot])};
    }

    [[nodiscard]] double DiscountFactor(double year) const {
        return std::pow(1.0 + discountRate_ * 0.01, year);
    }

    ActivityCosts RunActivity(int slot, double year) {
        const double factor = DiscountFactor(year);
        const double variability = p_.ActivityAgencyCostVariability[slot];
        double bid = p_.ActivityBidItemTotal[slot];
        VaryRealByPercent(bid, variability, random_.DrawUniform());
        bidItemNpv_ += bid / factor;

        ActivityCosts costs;
        costs.UndiscountedAgencyCost = bid;
        if (p_.ActivityUserCostModes[slot] == kIncludeUserCosts) {
            const RunUserCost user = PriceWorkZone(slot, year);
            if (user.Gridlock) {
                // The mark lives only in the running results: a later
                // activity recomputes them from the sums, which keep this
                // activity's bid cost but neither its user nor its
                // time-related cost.
                costs.Gridlock = true;
                costs.Agency = costs.User = costs.Total = -1.0;
                return costs;
            }
            userNpv_ += user.UserCost / factor;
            costs.UndiscountedAgencyCost = bid + VaryTimeRelatedCosts(slot, factor);
        }
        costs.Agency = timeRelatedNpv_ + bidItemNpv_;
        costs.User = userNpv_;
        costs.Total = costs.Agency + costs.User;
        return costs;
    }

    RunUserCost PriceWorkZone(int slot, double year) {
        const int aadt =
            GrowAadt(p_.BaseYearAADT, p_.PercentTrucks, p_.PercentCUTrucks, p_.PercentSUTrucks,
                     TruncateToInt32(year), growthRate_, p_.MaximumAADT);
        // The queue chain leaves the volumes as it found them, so an AADT
        // seen last time (a capped one, typically) keeps its volumes.
        if (aadt != volumesAadt_) {
            SplitHourlyVolumes(aadt, p_.HourlyAADTPercent, p_.HourlyInboundPercent,
                               p_.HourlyOutboundPercent, day_.Inbound.Volume, day_.Outbound.Volume);
            volumesAadt_ = aadt;
        }
        const WorkZoneCapacities capacities = ComputeWorkZoneCapacities(
            p_.ActivityWorkZoneLanes[slot], p_.ActivityWorkZoneCapacity[slot],
            p_.ActivityDissipationCapacity[slot], p_.NumberOfLanes);
        const int hours = VaryIntByPercent(p_.ActivityRequiredTime[slot],
                                           p_.ActivityTimeVariability[slot], random_.DrawUniform());
        const int days = ComputeDaysToComplete(hours, p_.ActivityHoursInEffect[slot],
                                               p_.ActivityMobilizationHours[slot]);
        const QueueScenario scenario{p_.ServiceFlowRate, capacities.WorkZone,
                                     capacities.Dissipation, p_.PostedSpeedLimit};
        const UserCostInputs costInputs{p_.PercentSUTrucks,
                                        p_.PercentCUTrucks,
                                        p_.PostedSpeedLimit,
                                        p_.ActivityWorkZoneSpeed[slot],
                                        WorkZoneAddedTimePerVehicle(p_.ActivityWorkZoneLength[slot],
                                                                    p_.ActivityWorkZoneSpeed[slot],
                                                                    p_.PostedSpeedLimit),
                                        days,
                                        p_.ActivityInboundPercent[slot],
                                        p_.ActivityOutboundPercent[slot]};
        return EvaluateRunUserCost(day_, scenario, p_.ActivityStartHour[slot],
                                   p_.ActivityStopHour[slot], inputs_.Rates, costInputs);
    }

    // The three time-related items, each varied on its own uniform, priced on
    // the stored hours or days (not the varied ones); returns their
    // undiscounted sum in row order.
    double VaryTimeRelatedCosts(int slot, double factor) {
        const double variability = p_.ActivityAgencyCostVariability[slot];
        double sum = 0.0;
        for (int row = 0; row < kTimeItemsPerActivity; ++row) {
            const int item = TimeItemSlot(slot, row);
            const double quantity = p_.TimeItemUnits[item] == kPerHour
                                        ? static_cast<double>(p_.ActivityRequiredTime[slot])
                                        : static_cast<double>(p_.ActivityDaysToComplete[slot]);
            double cost = quantity * p_.TimeItemUnitPrices[item];
            VaryRealByPercent(cost, variability, random_.DrawUniform());
            timeRelatedNpv_ += cost / factor;
            sum = row == 0 ? cost : sum + cost;
        }
        return sum;
    }

    // The activity that reaches the end of the analysis period closes the
    // alternative, less the value of its service life beyond that end.
    AlternativeOutcome Close(const ActivityCosts& costs, double year, double interval) {
        double agency = Rounded(costs.Agency, 0);
        const double user = Rounded(costs.User, 0);
        double total = Rounded(costs.Total, 0);
        if (costs.Gridlock) {
            return {IterationStatus::Gridlock, kGridlockMark, kGridlockMark, kGridlockMark};
        }
        // A zero interval leaves no service life to credit.
        const double salvage = interval == 0.0 ? 0.0
                                               : (year + interval - p_.AnalysisPeriod) *
                                                     costs.UndiscountedAgencyCost / interval /
                                                     DiscountFactor(p_.AnalysisPeriod);
        agency = agency - salvage;
        total = total - salvage;
        return {IterationStatus::Valid, TruncateToInt64(agency), TruncateToInt64(user),
                TruncateToInt64(total)};
    }

    Project& p_;
    QueueDay& day_;
    const RunInputs inputs_;
    RandomSource random_;
    double discountRate_ = 0.0;
    double growthRate_ = 0.0;
    double bidItemNpv_ = 0.0;
    double timeRelatedNpv_ = 0.0;
    double userNpv_ = 0.0;
    std::optional<int> volumesAadt_; // the AADT whose volumes the queue day holds
};

void StoreOutcome(Project& p, AnalysisWorkspace& w, int alternative, int iteration,
                  const AlternativeOutcome& outcome) {
    p.AgencyNpvResults[alternative][iteration] = outcome.Agency;
    p.UserNpvResults[alternative][iteration] = outcome.User;
    p.TotalNpvResults[alternative][iteration] = outcome.Total;
    w.Statuses[alternative][iteration] = outcome.Status;
    if (outcome.Status == IterationStatus::Gridlock) {
        ++p.GridlockCounts[alternative];
    } else if (outcome.Status == IterationStatus::Failure) {
        ++p.FailureCounts[alternative];
    }
}

} // namespace

std::optional<RunRefusal> RunAnalysis(Project& p, AnalysisWorkspace& w,
                                      const AnalysisOptions& options) {
    if (auto refusal = CheckAnalysisInputs(p)) {
        return refusal;
    }
    p.IterationCount = p.AnalysisType == kProbabilisticAnalysis ? kProbabilisticIterations : 1;
    AnalysisRunner runner(p, w);
    runner.SetSeed(options.Seed);
    w.Seed = runner.State();
    p.GridlockCounts.fill(0);
    p.FailureCounts.fill(0);

    for (int i = 0; i < p.IterationCount; ++i) {
        runner.DrawRates();
        w.DiscountRates[i] = runner.DiscountRate();
        w.GrowthRates[i] = runner.GrowthRate();
        for (int a = 0; a < p.NumberOfAlternatives; ++a) {
            StoreOutcome(p, w, a, i, runner.RunAlternative(a));
        }
        if (options.Progress != nullptr) {
            options.Progress->IterationDone(i + 1, p.IterationCount);
        }
    }

    for (int a = 0; a < kMaxAlternatives; ++a) {
        p.ValidCounts[a] = p.IterationCount - p.FailureCounts[a] - p.GridlockCounts[a];
        p.InvalidCounts[a] = p.FailureCounts[a] + p.GridlockCounts[a];
    }
    w.AgencyInIterationOrder = p.AgencyNpvResults;
    w.UserInIterationOrder = p.UserNpvResults;
    w.TotalInIterationOrder = p.TotalNpvResults;
    if (p.AnalysisType == kProbabilisticAnalysis) {
        ComputeResultStatistics(p, w.Statuses);
    }
    return std::nullopt;
}

} // namespace wexa
