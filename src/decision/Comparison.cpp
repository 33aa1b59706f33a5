#include "decision/Comparison.h"

#include "simulation/AnnualCost.h"

#include <algorithm>
#include <span>
#include <vector>

namespace wexa {
namespace {

// A whole number of units per compared iteration that every tie of 1 to 4
// alternatives divides evenly: the shares are then counted exactly in
// integers, and each probability is one division at the end.
constexpr int kShareUnits = 12;
constexpr bool EveryTieDivides(int units) {
    for (int ties = 1; ties <= kMaxAlternatives; ++ties) {
        if (units % ties != 0) {
            return false;
        }
    }
    return true;
}
static_assert(EveryTieDivides(kShareUnits));

// What every part of the comparison reads, with the counts already clamped.
struct RunView {
    const AnalysisWorkspace& Workspace;
    int Alternatives = 0;
    int Iterations = 0;
    int Years = 0;

    [[nodiscard]] bool Valid(int a, int i) const {
        return Workspace.Statuses[a][i] == IterationStatus::Valid;
    }
    [[nodiscard]] bool EveryoneValid(int i) const {
        for (int a = 0; a < Alternatives; ++a) {
            if (!Valid(a, i)) {
                return false;
            }
        }
        return true;
    }
};

// Scratch of one run's length, allocated once per comparison; the loops only
// clear and refill it.
struct Scratch {
    std::vector<double> Reals;
    std::vector<Int64> Npvs;
    // Each iteration's factor from NPV to EUAC, shared by every alternative
    // and kind.
    std::vector<std::optional<AnnualCostFactor>> Factors;

    explicit Scratch(const RunView& run) {
        const auto length = static_cast<std::size_t>(run.Iterations);
        Reals.reserve(length);
        Npvs.reserve(length);
        Factors.reserve(length);
        for (int i = 0; i < run.Iterations; ++i) {
            Factors.push_back(AnnualCostFactor::At(run.Workspace.DiscountRates[i], run.Years));
        }
    }
};

void CountLeftOut(const RunView& run, Comparison& c) {
    for (int i = 0; i < run.Iterations; ++i) {
        if (run.EveryoneValid(i)) {
            ++c.ComparedIterations;
        }
        for (int a = 0; a < run.Alternatives; ++a) {
            c.LeftOutBy[a] += run.Valid(a, i) ? 0 : 1;
        }
    }
    c.LeftOut = run.Iterations - c.ComparedIterations;
}

void CompareCheapest(const RunView& run, const NpvResultTable& npv, CostComparison& out) {
    PerAlternative<int> units{};
    int compared = 0;
    for (int i = 0; i < run.Iterations; ++i) {
        if (!run.EveryoneValid(i)) {
            continue;
        }
        ++compared;
        Int64 lowest = npv[0][i];
        for (int a = 1; a < run.Alternatives; ++a) {
            lowest = std::min(lowest, npv[a][i]);
        }
        int ties = 0;
        for (int a = 0; a < run.Alternatives; ++a) {
            ties += npv[a][i] == lowest ? 1 : 0;
        }
        for (int a = 0; a < run.Alternatives; ++a) {
            units[a] += npv[a][i] == lowest ? kShareUnits / ties : 0;
        }
    }
    if (compared == 0) {
        return;
    }
    for (int a = 0; a < run.Alternatives; ++a) {
        out.CheapestProbability[a] =
            static_cast<double>(units[a]) / (static_cast<double>(kShareUnits) * compared);
    }
}

// Fills the pair (a, b) and its mirror (b, a) from one pass: the iterations,
// ties and differences are the same, seen from the other side.
void ComparePair(const RunView& run, const NpvResultTable& npv, int a, int b, CostComparison& out,
                 Scratch& scratch) {
    int halves = 0; // a lower: 2, a tie: 1
    scratch.Reals.clear();
    for (int i = 0; i < run.Iterations; ++i) {
        if (!run.Valid(a, i) || !run.Valid(b, i)) {
            continue;
        }
        const Int64 npvA = npv[a][i];
        const Int64 npvB = npv[b][i];
        halves += npvA < npvB ? 2 : (npvA == npvB ? 1 : 0);
        scratch.Reals.push_back(static_cast<double>(npvA) - static_cast<double>(npvB));
    }
    PairComparison& ab = out.Pairs[a][b];
    PairComparison& ba = out.Pairs[b][a];
    ab.Iterations = ba.Iterations = static_cast<int>(scratch.Reals.size());
    if (ab.Iterations == 0) {
        return;
    }
    const double halfIterations = 2.0 * ab.Iterations;
    ab.ProbabilityALower = static_cast<double>(halves) / halfIterations;
    ba.ProbabilityALower = static_cast<double>(2 * ab.Iterations - halves) / halfIterations;
    const auto spreads = SummarizeBothWaysInPlace(scratch.Reals);
    ab.Difference = spreads->Values;
    ba.Difference = spreads->Negated;
}

void CompareEuac(const RunView& run, const NpvResultTable& npv, int a, CostComparison& out,
                 Scratch& scratch) {
    scratch.Reals.clear();
    for (int i = 0; i < run.Iterations; ++i) {
        if (!run.Valid(a, i)) {
            continue;
        }
        const auto& factor = scratch.Factors[static_cast<std::size_t>(i)];
        if (!factor) {
            continue;
        }
        if (const auto euac = factor->Of(static_cast<double>(npv[a][i]))) {
            scratch.Reals.push_back(*euac);
        }
    }
    out.EuacIterations[a] = static_cast<int>(scratch.Reals.size());
    out.Euac[a] = SummarizeInPlace(scratch.Reals);
}

std::optional<Int64> NpvAtPercentile(const RunView& run, const NpvResultTable& npv, int a,
                                     int percentile, Scratch& scratch) {
    scratch.Npvs.clear();
    for (int i = 0; i < run.Iterations; ++i) {
        if (run.Valid(a, i)) {
            scratch.Npvs.push_back(npv[a][i]);
        }
    }
    return ValueAtNearestRank<Int64>(scratch.Npvs, percentile);
}

void ChooseAtRisk(const RunView& run, const NpvResultTable& npv, int percentile,
                  CostComparison& out, Scratch& scratch) {
    for (int a = 0; a < run.Alternatives; ++a) {
        out.NpvAtRisk[a] = NpvAtPercentile(run, npv, a, percentile, scratch);
        // Strictly lower, so a tie keeps the lower index.
        if (out.NpvAtRisk[a] &&
            (!out.RiskChoice || *out.NpvAtRisk[a] < *out.NpvAtRisk[*out.RiskChoice])) {
            out.RiskChoice = a;
        }
    }
}

CostComparison CompareKind(const RunView& run, const NpvResultTable& npv, int percentile,
                           bool comparable, Scratch& scratch) {
    CostComparison out;
    for (int a = 0; a < run.Alternatives; ++a) {
        CompareEuac(run, npv, a, out, scratch);
    }
    if (!comparable) {
        return out;
    }
    CompareCheapest(run, npv, out);
    for (int a = 0; a < run.Alternatives; ++a) {
        for (int b = a + 1; b < run.Alternatives; ++b) {
            ComparePair(run, npv, a, b, out, scratch);
        }
    }
    ChooseAtRisk(run, npv, percentile, out, scratch);
    return out;
}

} // namespace

const NpvResultTable& NpvsInIterationOrder(const AnalysisWorkspace& workspace, CostKind kind) {
    switch (kind) {
    case CostKind::Agency:
        return workspace.AgencyInIterationOrder;
    case CostKind::User:
        return workspace.UserInIterationOrder;
    case CostKind::Total:
        break;
    }
    return workspace.TotalInIterationOrder;
}

Comparison CompareAlternatives(const Project& project, const AnalysisWorkspace& workspace,
                               int riskPercentile) {
    Comparison c;
    c.Alternatives = std::clamp(project.NumberOfAlternatives, 0, kMaxAlternatives);
    c.Iterations = std::clamp(project.IterationCount, 0, kProbabilisticIterations);
    c.Probabilistic = project.AnalysisType == kProbabilisticAnalysis;
    c.RiskPercentile = std::clamp(riskPercentile, 1, 100);

    const RunView run{workspace, c.Alternatives, c.Iterations, project.AnalysisPeriod};
    if (!c.NothingToCompare()) {
        CountLeftOut(run, c);
    }
    Scratch scratch(run);
    for (const CostKind kind : kAllCostKinds) {
        c.Kinds[static_cast<std::size_t>(kind)] =
            CompareKind(run, NpvsInIterationOrder(workspace, kind), c.RiskPercentile,
                        !c.NothingToCompare(), scratch);
    }
    return c;
}

} // namespace wexa
