#include "simulation/ResultStatistics.h"

#include "model/Conversions.h"

#include <algorithm>
#include <span>

namespace wexa {
namespace {

using Row = std::array<Int64, kProbabilisticIterations>;
using StatusRow = std::array<IterationStatus, kProbabilisticIterations>;

// The order of the groups in a sorted row.
constexpr std::array<IterationStatus, 3> kGroupOrder{
    IterationStatus::Failure, IterationStatus::Gridlock, IterationStatus::Valid};

// Points 1..9 sit at these fractions of the valid iterations; the constants
// are the nearest reals, as the results were always computed with them.
constexpr std::array<double, 9> kTenths{0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

// Sorts the first `count` cells of the row: each status group in turn, in
// kGroupOrder, ascending within the group. The statuses stay with the
// iterations, not with the sorted cells, so the row is rebuilt through the
// scratch buffer rather than sorted in place.
void SortRowByStatus(Row& row, const StatusRow& statuses, int count, Row& scratch) {
    auto filled = scratch.begin();
    for (const IterationStatus group : kGroupOrder) {
        const auto groupStart = filled;
        for (int i = 0; i < count; ++i) {
            if (statuses[i] == group) {
                *filled++ = row[i];
            }
        }
        std::sort(groupStart, filled);
    }
    std::copy(scratch.begin(), filled, row.begin());
}

// Index of percentile point 0..10 in a sorted row whose valid NPVs start
// after `invalid` marks. Needs at least one valid iteration.
int PointIndex(int point, int valid, int invalid) {
    if (point == 0) {
        return invalid;
    }
    if (point == kPercentilePoints - 1) {
        return valid - 1 + invalid;
    }
    return TruncateToInt32(valid * kTenths[point - 1] + invalid);
}

} // namespace

void ComputeResultStatistics(Project& project, const IterationStatusTable& statuses) {
    const int iterations = std::clamp(project.IterationCount, 0, kProbabilisticIterations);
    const int alternatives = std::clamp(project.NumberOfAlternatives, 0, kMaxAlternatives);

    NpvResultTable* const npvTables[] = {&project.AgencyNpvResults, &project.UserNpvResults,
                                         &project.TotalNpvResults};
    PercentileTable<Int64>* const percentileTables[] = {
        &project.AgencyNpvPercentiles, &project.UserNpvPercentiles, &project.TotalNpvPercentiles};
    PercentileTable<double>* const cumulativeTables[] = {&project.AgencyCumulativePercents,
                                                         &project.UserCumulativePercents,
                                                         &project.TotalCumulativePercents};

    Row scratch; // 40 KB on the stack, so a run allocates nothing here
    for (int a = 0; a < alternatives; ++a) {
        const StatusRow& status = statuses[a];
        const int valid = static_cast<int>(
            std::count(status.begin(), status.begin() + iterations, IterationStatus::Valid));
        const int invalid = iterations - valid;

        // A whole percentage: 4999 valid iterations of 5000 give 99.
        // NOLINTNEXTLINE(bugprone-integer-division): the truncation is the rule
        const double success = iterations > 0 ? static_cast<double>(100 * valid / iterations) : 0.0;
        project.SuccessPercent = success;

        for (int table = 0; table < 3; ++table) {
            Row& row = (*npvTables[table])[a];
            SortRowByStatus(row, status, iterations, scratch);
            for (int point = 0; point < kPercentilePoints; ++point) {
                (*percentileTables[table])[a][point] =
                    valid > 0 ? row[PointIndex(point, valid, invalid)] : 0;
                (*cumulativeTables[table])[a][point] = point * success * 0.1;
            }
        }
    }
}

} // namespace wexa
