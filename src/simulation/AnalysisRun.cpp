#include "simulation/AnalysisRun.h"

#include "model/Conversions.h"
#include "model/PortableMath.h"
#include "model/RoundValue.h"
#include "simulation/Distributions.h"
#include "simulation/PerYearMemo.h"
#include "simulation/ProjectChecks.h"
#include "simulation/ProjectUserCosts.h"
#include "simulation/RandomSource.h"
#include "simulation/UnusableResult.h"
#include "simulation/WorkZoneDays.h"
#include "userdelay/TrafficDemand.h"
#include "userdelay/UserCostEvaluation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

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
    ActivityWorkZoneDays WorkZoneDays;
};

// Walks the activities of one iteration. A figure that cannot be represented
// (see UnusableResult) stops the walk: the runner records it, returns at
// once, and the caller asks Unusable() after every alternative.
class AnalysisRunner {
public:
    AnalysisRunner(const Project& project, AnalysisWorkspace& workspace)
        : p_(project), day_(workspace.Day), memo_(workspace.UserCosts),
          volumes_(workspace.Volumes), inputs_{{project.DiscountRateKind, project.DiscountRateMin,
                                                project.DiscountRateMean, project.DiscountRateMax},
                                               {project.TrafficGrowthKind, project.TrafficGrowthMin,
                                                project.TrafficGrowthMean,
                                                project.TrafficGrowthMax},
                                               UserCostRatesOf(project),
                                               WorkZoneDaysOf(project)} {}

    void SetSeed(std::optional<std::uint32_t> seed) { random_.SeedRandom(seed); }
    [[nodiscard]] std::uint32_t State() const { return random_.State(); }
    [[nodiscard]] int PricedActivities() const { return inputs_.WorkZoneDays.PricedSlots; }

    // Draws the iteration's rates, shared by all alternatives: the discount
    // and growth rates take the same uniform and the two branches of one
    // normal pair.
    void DrawRates() {
        const double u1 = random_.DrawUniform();
        const double u2 = random_.DrawUniform();
        const bool normal = TakesNormalDeviate(inputs_.DiscountRate.Kind) ||
                            TakesNormalDeviate(inputs_.TrafficGrowth.Kind);
        const auto [zs, zc] = normal ? DrawNormalPair(u1, u2) : std::pair{0.0, 0.0};
        discountRate_ = DrawFromDistribution(inputs_.DiscountRate, u1, zs, random_);
        growthRate_ = DrawFromDistribution(inputs_.TrafficGrowth, u1, zc, random_);
        factors_.Forget();
        aadts_.Forget();
    }
    [[nodiscard]] double DiscountRate() const { return discountRate_; }
    [[nodiscard]] double GrowthRate() const { return growthRate_; }

    // Records the alternatives of the iteration about to run in `record`;
    // null records nothing.
    void RecordInto(RunRecord* record) { record_ = record; }

    // What stopped the run, if anything did.
    [[nodiscard]] const std::optional<UnusableResult>& Unusable() const { return unusable_; }

    // Walks the alternative's activities until one reaches the end of the
    // analysis period.
    AlternativeOutcome RunAlternative(int alternative) {
        // Two copies of the walk, so that one without a record does not even
        // test for one.
        return record_ == nullptr ? Walk<false>(alternative) : RecordedWalk(alternative);
    }

private:
    // Once a run at most: kept out of the way of the walk every iteration
    // takes, which the compiler then lays out as it did before records.
    [[gnu::cold, gnu::noinline]] AlternativeOutcome RecordedWalk(int alternative) {
        return Walk<true>(alternative);
    }

    template <bool Recording> AlternativeOutcome Walk(int alternative) {
        const int activities = p_.AlternativeActivityCount[alternative];
        bidItemNpv_ = 0.0;
        timeRelatedNpv_ = 0.0;
        userNpv_ = 0.0;
        double year = 0.0;
        if constexpr (Recording) {
            recorded_ = &record_->Alternatives[alternative];
            *recorded_ = RecordedAlternative{};
        }
        for (int j = 0; j < activities; ++j) {
            const int slot = alternative * kActivitiesPerAlternative + j;
            const double u1 = random_.DrawUniform();
            const double u2 = random_.DrawUniform();
            const InputDistribution years = YearsToNext(slot);
            const double zs = TakesNormalDeviate(years.Kind) ? DrawNormalPair(u1, u2).first : 0.0;
            double interval = DrawFromDistribution(years, u1, zs, random_);
            if (interval < 0.0) {
                interval = 0.0;
            }
            // The next activity's year is this one's plus the interval,
            // rounded to whole years.
            const double nextYear = Rounded(year + interval, 0);
            if (j + 1 < activities && year + interval < p_.AnalysisPeriod) {
                PrefetchDay(slot + 1, nextYear);
            }

            const ActivityCosts costs = RunActivity<Recording>(slot, year);
            if (unusable_) {
                return {};
            }
            if (year + interval >= p_.AnalysisPeriod) {
                return Recorded<Recording>(Close<Recording>(costs, slot, year, interval));
            }
            year = nextYear;
        }
        return Recorded<Recording>(
            {IterationStatus::Failure, kFailureMark, kFailureMark, kFailureMark});
    }

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

    [[nodiscard]] double DiscountFactor(double year) {
        return factors_.Get(year, [&] { return Pow(1.0 + discountRate_ * 0.01, year); });
    }

    // The next activity's year is known before this one is priced: its
    // remembered day, if any, can be on its way from memory meanwhile. A
    // hint only; the AADT is what that activity will find for its year.
    void PrefetchDay(int slot, double year) {
        if (p_.ActivityUserCostModes[slot] != kIncludeUserCosts) {
            return;
        }
        const int aadt = GrownAadt(year);
        if (aadt >= 0) {
            memo_.Prefetch(inputs_.WorkZoneDays.SharedSlot[slot], aadt);
        }
    }

    // Inlined by hand: each copy of the walk calls these (see RunAlternative).
    [[nodiscard, gnu::always_inline]] int GrownAadt(double year) {
        return aadts_.Get(year, [&] {
            return GrowAadt(p_.BaseYearAADT, p_.PercentTrucks, p_.PercentCUTrucks,
                            p_.PercentSUTrucks, TruncateToInt32(year), growthRate_, p_.MaximumAADT);
        });
    }

    // The row of the activity being priced when the iteration is recorded,
    // else null.
    template <bool Recording>
    RecordedActivity* RecordActivity(int slot, double year, double factor) {
        if constexpr (!Recording) {
            return nullptr;
        }
        RecordedActivity& row = recorded_->Activities[recorded_->ActivityCount++];
        row.Activity = slot % kActivitiesPerAlternative + 1;
        row.Year = year;
        row.DiscountFactor = factor;
        return &row;
    }

    template <bool Recording> AlternativeOutcome Recorded(const AlternativeOutcome& outcome) {
        if constexpr (Recording) {
            recorded_->Status = outcome.Status;
            recorded_->AgencyNpv = outcome.Agency;
            recorded_->UserNpv = outcome.User;
            recorded_->TotalNpv = outcome.Total;
        }
        return outcome;
    }

    template <bool Recording> ActivityCosts RunActivity(int slot, double year) {
        const double factor = DiscountFactor(year);
        RecordedActivity* const row = RecordActivity<Recording>(slot, year, factor);
        const double variability = p_.ActivityAgencyCostVariability[slot];
        double bid = p_.ActivityBidItemTotal[slot];
        VaryRealByPercent(bid, variability, random_.DrawUniform());
        const double bidPresent = bid / factor;
        bidItemNpv_ += bidPresent;
        if constexpr (Recording) {
            row->BidItemCost = bid;
            row->BidItemPresentValue = bidPresent;
        }

        ActivityCosts costs;
        costs.UndiscountedAgencyCost = bid;
        if (!Representable(ResultFigure::AgencyCost, bid, slot, year)) {
            return costs;
        }
        if (p_.ActivityUserCostModes[slot] == kIncludeUserCosts) {
            aadt_ = GrownAadt(year);
            if (aadt_ < 0) {
                Stop(ResultFigure::GrownAadt, aadt_, slot, year);
                return costs;
            }
            const RunUserCost user = PriceWorkZone(slot);
            if (user.Gridlock) {
                // The mark lives only in the running results: a later
                // activity recomputes them from the sums, which keep this
                // activity's bid cost but neither its user nor its
                // time-related cost.
                costs.Gridlock = true;
                if constexpr (Recording) {
                    row->Gridlock = true;
                }
                costs.Agency = costs.User = costs.Total = -1.0;
                return costs;
            }
            if (!Representable(ResultFigure::UserCost, user.UserCost, slot, year)) {
                return costs;
            }
            const double userPresent = user.UserCost / factor;
            userNpv_ += userPresent;
            const double timeRelated = VaryTimeRelatedCosts<Recording>(slot, factor, row);
            if constexpr (Recording) {
                row->UserCost = user.UserCost;
                row->UserPresentValue = userPresent;
                row->TimeRelatedCost = timeRelated;
            }
            if (!Representable(ResultFigure::AgencyCost, timeRelated, slot, year)) {
                return costs;
            }
            costs.UndiscountedAgencyCost = bid + timeRelated;
        }
        costs.Agency = timeRelatedNpv_ + bidItemNpv_;
        costs.User = userNpv_;
        costs.Total = costs.Agency + costs.User;
        // Checked here rather than only where they are stored, so that the
        // activity that makes them unusable is the one named.
        (void)(Representable(ResultFigure::AgencyNpv, costs.Agency, slot, year) &&
               Representable(ResultFigure::UserNpv, costs.User, slot, year) &&
               Representable(ResultFigure::TotalNpv, costs.Total, slot, year));
        return costs;
    }

    // Prices the work zone on the traffic of aadt_, or finds its day priced
    // before at that traffic, by this activity or one with the same day.
    [[gnu::always_inline]] RunUserCost PriceWorkZone(int slot) {
        const int hours = VaryIntByPercent(p_.ActivityRequiredTime[slot],
                                           p_.ActivityTimeVariability[slot], random_.DrawUniform());
        const int days = ComputeDaysToComplete(hours, p_.ActivityHoursInEffect[slot],
                                               p_.ActivityMobilizationHours[slot]);
        const int sharedSlot = inputs_.WorkZoneDays.SharedSlot[slot];
        if (memo_.Find(sharedSlot, aadt_, known_)) {
            return RunUserCostOverDays(known_, days);
        }
        // The queue chain leaves the volumes as it found them, so an AADT
        // seen last time (a capped one, typically) keeps its volumes.
        if (aadt_ != volumesAadt_) {
            volumes_.Load(aadt_, day_.Inbound.Volume, day_.Outbound.Volume);
            volumesAadt_ = aadt_;
        }
        const WorkZoneDay& zone = inputs_.WorkZoneDays.Days[slot];
        const RunDayCosts priced = PriceRunDays(day_, zone.Scenario, zone.StartHour, zone.StopHour,
                                                inputs_.Rates, zone.Inputs);
        memo_.Store(sharedSlot, aadt_, priced);
        return RunUserCostOverDays(priced, days);
    }

    // The three time-related items, each varied on its own uniform, priced on
    // the stored hours or days (not the varied ones); returns their
    // undiscounted sum in row order.
    template <bool Recording>
    double VaryTimeRelatedCosts(int slot, double factor, RecordedActivity* recorded) {
        const double variability = p_.ActivityAgencyCostVariability[slot];
        double sum = 0.0;
        for (int row = 0; row < kTimeItemsPerActivity; ++row) {
            const int item = TimeItemSlot(slot, row);
            const double quantity = p_.TimeItemUnits[item] == kPerHour
                                        ? static_cast<double>(p_.ActivityRequiredTime[slot])
                                        : static_cast<double>(p_.ActivityDaysToComplete[slot]);
            double cost = quantity * p_.TimeItemUnitPrices[item];
            VaryRealByPercent(cost, variability, random_.DrawUniform());
            const double present = cost / factor;
            timeRelatedNpv_ += present;
            sum = row == 0 ? cost : sum + cost;
            if constexpr (Recording) {
                recorded->TimeRelatedCosts[row] = cost;
                recorded->TimeRelatedPresentValues[row] = present;
            }
        }
        return sum;
    }

    // The activity that reaches the end of the analysis period closes the
    // alternative, less the value of its service life beyond that end.
    template <bool Recording>
    AlternativeOutcome Close(const ActivityCosts& costs, int slot, double year, double interval) {
        double agency = Rounded(costs.Agency, 0);
        const double user = Rounded(costs.User, 0);
        double total = Rounded(costs.Total, 0);
        if (costs.Gridlock) {
            return {IterationStatus::Gridlock, kGridlockMark, kGridlockMark, kGridlockMark};
        }
        // A zero interval leaves no service life to credit.
        RecordedSalvage credit;
        if (interval != 0.0) {
            const double beyond = year + interval - p_.AnalysisPeriod;
            credit.Fraction = beyond / interval;
            credit.Amount = beyond * costs.UndiscountedAgencyCost / interval;
            credit.DiscountFactor = DiscountFactor(p_.AnalysisPeriod);
            credit.PresentValue = credit.Amount / credit.DiscountFactor;
        }
        const double salvage = credit.PresentValue;
        if constexpr (Recording) {
            recorded_->Salvage = credit;
        }
        agency = agency - salvage;
        total = total - salvage;
        if (!Representable(ResultFigure::AgencyNpv, agency, slot, year) ||
            !Representable(ResultFigure::TotalNpv, total, slot, year)) {
            return {};
        }
        return {IterationStatus::Valid, TruncateToInt64(agency), TruncateToInt64(user),
                TruncateToInt64(total)};
    }

    // True when the figure is an exact whole-dollar amount once rounded
    // (below 2^53), so that a total stays its agency and user parts;
    // otherwise the run stops on it. A few comparisons, and no allocation.
    bool Representable(ResultFigure figure, double value, int slot, double year) {
        if (IsExactWholeRange(value)) {
            return true;
        }
        Stop(figure, value, slot, year);
        return false;
    }

    void Stop(ResultFigure figure, double value, int slot, double year) {
        unusable_ = UnusableResult{figure,
                                   value,
                                   slot / kActivitiesPerAlternative + 1,
                                   slot % kActivitiesPerAlternative + 1,
                                   year,
                                   aadt_,
                                   growthRate_,
                                   discountRate_,
                                   0};
    }

    const Project& p_;
    QueueDay& day_;
    UserCostMemo& memo_;
    HourlyVolumeMemo& volumes_;
    const RunInputs inputs_;
    RandomSource random_;
    double discountRate_ = 0.0;
    double growthRate_ = 0.0;
    PerYearMemo<double> factors_;
    PerYearMemo<int> aadts_;
    double bidItemNpv_ = 0.0;
    double timeRelatedNpv_ = 0.0;
    double userNpv_ = 0.0;
    RunDayCosts known_;              // a day found in the memo
    int aadt_ = 0;                   // the AADT of the activity last priced
    std::optional<int> volumesAadt_; // the AADT whose volumes the queue day holds
    std::optional<UnusableResult> unusable_;
    RunRecord* record_ = nullptr;             // the iteration's record, when asked for
    RecordedAlternative* recorded_ = nullptr; // the alternative being walked, then
};

// Counts by outcome, kept with the run until it has finished.
struct OutcomeCounts {
    PerAlternative<Int32> Gridlocks{};
    PerAlternative<Int32> Failures{};
};

// The run fills the workspace's tables in iteration order; the project sees
// them only once every iteration has been computed.
void StoreOutcome(AnalysisWorkspace& w, OutcomeCounts& counts, int alternative, int iteration,
                  const AlternativeOutcome& outcome) {
    w.AgencyInIterationOrder[alternative][iteration] = outcome.Agency;
    w.UserInIterationOrder[alternative][iteration] = outcome.User;
    w.TotalInIterationOrder[alternative][iteration] = outcome.Total;
    w.Statuses[alternative][iteration] = outcome.Status;
    if (outcome.Status == IterationStatus::Gridlock) {
        ++counts.Gridlocks[alternative];
    } else if (outcome.Status == IterationStatus::Failure) {
        ++counts.Failures[alternative];
    }
}

// Hands a finished run's results to the project. Cells of alternatives and
// iterations the run did not compute keep what they held, in the project and
// (copied back from it) in the workspace.
void PublishResults(Project& p, AnalysisWorkspace& w, const OutcomeCounts& counts, int iterations) {
    p.IterationCount = iterations;
    p.GridlockCounts = counts.Gridlocks;
    p.FailureCounts = counts.Failures;
    for (int a = 0; a < kMaxAlternatives; ++a) {
        p.ValidCounts[a] = p.IterationCount - p.FailureCounts[a] - p.GridlockCounts[a];
        p.InvalidCounts[a] = p.FailureCounts[a] + p.GridlockCounts[a];
    }
    const std::array<std::pair<NpvResultTable*, NpvResultTable*>, 3> tables{
        {{&w.AgencyInIterationOrder, &p.AgencyNpvResults},
         {&w.UserInIterationOrder, &p.UserNpvResults},
         {&w.TotalInIterationOrder, &p.TotalNpvResults}}};
    for (const auto& [computed, stored] : tables) {
        for (int a = 0; a < p.NumberOfAlternatives; ++a) {
            std::copy_n((*computed)[a].begin(), iterations, (*stored)[a].begin());
        }
        *computed = *stored;
    }
}

void StartRecord(RunRecord& record, const Project& p, double discountRate, double growthRate) {
    record.Filled = true;
    record.DiscountRate = discountRate;
    record.GrowthRate = growthRate;
    record.AnalysisPeriod = p.AnalysisPeriod;
    record.AlternativeCount = p.NumberOfAlternatives;
}

RunRefusal Refuse(const UnusableResult& unusable) {
    return RunRefusal{{DescribeUnusableResult(unusable)}};
}

} // namespace

std::optional<RunRefusal> RunAnalysis(Project& p, AnalysisWorkspace& w,
                                      const AnalysisOptions& options) {
    if (auto refusal = CheckAnalysisInputs(p)) {
        return refusal;
    }
    const bool probabilistic = p.AnalysisType == kProbabilisticAnalysis;
    const int iterations = probabilistic ? kProbabilisticIterations : 1;
    w.Volumes.Reset(p.HourlyAADTPercent, p.HourlyInboundPercent, p.HourlyOutboundPercent);
    AnalysisRunner runner(p, w);
    // Each priced activity meets at most one traffic level an iteration.
    w.UserCosts.Prepare(std::int64_t{iterations} * runner.PricedActivities());
    runner.SetSeed(options.Seed);
    w.Seed = runner.State();
    OutcomeCounts counts;

    for (int i = 0; i < iterations; ++i) {
        const bool recorded = options.Record != nullptr && options.Record->Iteration == i;
        runner.RecordInto(recorded ? options.Record : nullptr);
        runner.DrawRates();
        if (recorded) {
            StartRecord(*options.Record, p, runner.DiscountRate(), runner.GrowthRate());
        }
        w.DiscountRates[i] = runner.DiscountRate();
        w.GrowthRates[i] = runner.GrowthRate();
        // The checks before the run vouch for a fixed rate; a deterministic
        // run of another kind still draws its one rate.
        if (!probabilistic && !(runner.DiscountRate() > kLowestDiscountRate)) {
            UnusableResult rate;
            rate.Figure = ResultFigure::DiscountRate;
            rate.DiscountRate = runner.DiscountRate();
            return Refuse(rate);
        }
        for (int a = 0; a < p.NumberOfAlternatives; ++a) {
            const AlternativeOutcome outcome = runner.RunAlternative(a);
            if (runner.Unusable()) {
                UnusableResult unusable = *runner.Unusable();
                unusable.Iteration = probabilistic ? i + 1 : 0;
                return Refuse(unusable);
            }
            StoreOutcome(w, counts, a, i, outcome);
        }
        if (options.Feedback != nullptr) {
            options.Feedback->SetProgress(i + 1, iterations);
            if (options.Feedback->Cancelled()) {
                return RunRefusal{.Messages = {}, .Cancelled = true};
            }
        }
    }

    PublishResults(p, w, counts, iterations);
    if (probabilistic) {
        ComputeResultStatistics(p, w.Statuses);
    }
    return std::nullopt;
}

void CopyRunResults(const Project& from, Project& to) {
    to.IterationCount = from.IterationCount;
    to.GridlockCounts = from.GridlockCounts;
    to.FailureCounts = from.FailureCounts;
    to.ValidCounts = from.ValidCounts;
    to.InvalidCounts = from.InvalidCounts;
    to.AgencyNpvPercentiles = from.AgencyNpvPercentiles;
    to.UserNpvPercentiles = from.UserNpvPercentiles;
    to.TotalNpvPercentiles = from.TotalNpvPercentiles;
    to.AgencyCumulativePercents = from.AgencyCumulativePercents;
    to.UserCumulativePercents = from.UserCumulativePercents;
    to.TotalCumulativePercents = from.TotalCumulativePercents;
    to.AgencyNpvResults = from.AgencyNpvResults;
    to.UserNpvResults = from.UserNpvResults;
    to.TotalNpvResults = from.TotalNpvResults;
    to.SuccessPercent = from.SuccessPercent;
}

} // namespace wexa
