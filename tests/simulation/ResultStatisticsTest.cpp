#include "simulation/ResultStatistics.h"

#include "simulation/NamedCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace wexa {
namespace {

constexpr int kN = kProbabilisticIterations;
using Points = std::array<int, kPercentilePoints>;

// The valid NPVs of the tables, by rank v among the valid iterations: agency
// rises with v, user falls (so its row sorts in the other order), total runs
// through negative values well below the marks.
Int64 AgencyValue(int v) {
    return 1000 + 3 * v;
}
Int64 UserValue(int v) {
    return 500000 - 7 * v;
}
Int64 TotalValue(int v) {
    return 10 * v - 20000;
}

struct Results {
    std::unique_ptr<Project> project = std::make_unique<Project>();
    std::unique_ptr<IterationStatusTable> statuses = std::make_unique<IterationStatusTable>();

    Results() { project->IterationCount = kN; }

    void Mark(int a, int i, IterationStatus status, Int64 agency, Int64 user, Int64 total) {
        (*statuses)[a][i] = status;
        project->AgencyNpvResults[a][i] = agency;
        project->UserNpvResults[a][i] = user;
        project->TotalNpvResults[a][i] = total;
    }

    // Failures, then gridlocks, then valid iterations, scattered over the
    // columns by a fixed permutation so the sort has work to do.
    void Fill(int a, int failures, int gridlocks) {
        for (int r = 0; r < kN; ++r) {
            const int column = static_cast<int>((r * 2749LL) % kN);
            const int v = r - failures - gridlocks;
            if (r < failures) {
                Mark(a, column, IterationStatus::Failure, -2, -2, -2);
            } else if (v < 0) {
                Mark(a, column, IterationStatus::Gridlock, -1, -1, -1);
            } else {
                Mark(a, column, IterationStatus::Valid, AgencyValue(v), UserValue(v),
                     TotalValue(v));
            }
        }
    }

    void Compute(int alternatives) {
        project->NumberOfAlternatives = alternatives;
        ComputeResultStatistics(*project, *statuses);
    }
};

struct PointCase {
    const char* name;
    int failures;
    int gridlocks;
    Points indices;
    double success;
};

class PercentilePointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(PercentilePointTest, ReadsElevenPointsOfTheValidNpvs) {
    const PointCase& c = GetParam();
    const int invalid = c.failures + c.gridlocks;
    const int valid = kN - invalid;
    Results run;
    run.Fill(0, c.failures, c.gridlocks);
    const auto before = std::make_unique<Project>(*run.project);
    run.Compute(1);
    const Project& p = *run.project;

    for (const auto* table : {&p.AgencyNpvResults, &p.UserNpvResults, &p.TotalNpvResults}) {
        const auto& row = (*table)[0];
        EXPECT_TRUE(
            std::all_of(row.begin(), row.begin() + c.failures, [](Int64 x) { return x == -2; }));
        EXPECT_TRUE(std::all_of(row.begin() + c.failures, row.begin() + invalid,
                                [](Int64 x) { return x == -1; }));
        EXPECT_TRUE(std::is_sorted(row.begin() + invalid, row.end()));
    }
    EXPECT_TRUE(std::is_permutation(p.UserNpvResults[0].begin(), p.UserNpvResults[0].end(),
                                    before->UserNpvResults[0].begin()));

    for (int k = 0; k < kPercentilePoints; ++k) {
        const int q = c.indices[k] - invalid; // rank among the valid NPVs
        EXPECT_EQ(p.AgencyNpvPercentiles[0][k], AgencyValue(q)) << "point " << k;
        EXPECT_EQ(p.UserNpvPercentiles[0][k], UserValue(valid - 1 - q)) << "point " << k;
        EXPECT_EQ(p.TotalNpvPercentiles[0][k], TotalValue(q)) << "point " << k;
        // k tenths of the success percentage, within 4 ulps: the table is
        // k * success * 0.1, which need not be the nearest real to k * success / 10.
        EXPECT_DOUBLE_EQ(p.AgencyCumulativePercents[0][k], k * c.success / 10) << "point " << k;
        EXPECT_EQ(p.UserCumulativePercents[0][k], p.AgencyCumulativePercents[0][k]);
        EXPECT_EQ(p.TotalCumulativePercents[0][k], p.AgencyCumulativePercents[0][k]);
    }
    EXPECT_EQ(p.SuccessPercent, c.success);
}

// The indices of the eleven points in the sorted rows.
constexpr Points kAllValid{0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 4999};
constexpr Points kHundredInvalid{100, 590, 1080, 1570, 2060, 2550, 3040, 3530, 4020, 4510, 4999};
// 499.9 k + 1 truncates to 500 k.
constexpr Points kOneInvalid{1, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 4999};
constexpr Points kOnlyTheLast{4999, 4999, 4999, 4999, 4999, 4999, 4999, 4999, 4999, 4999, 4999};

// 4999 valid iterations of 5000 are a whole 99 percent, 1 is 0 percent.
INSTANTIATE_TEST_SUITE_P(Counts, PercentilePointTest,
                         ::testing::Values(PointCase{"AllValid", 0, 0, kAllValid, 100.0},
                                           PointCase{"HundredInvalid", 60, 40, kHundredInvalid,
                                                     98.0},
                                           PointCase{"OneGridlock", 0, 1, kOneInvalid, 99.0},
                                           PointCase{"OneValid", 4000, 999, kOnlyTheLast, 0.0}),
                         [](const auto& info) { return info.param.name; });

TEST(ResultStatisticsTest, NegativeValidNpvsAreRankedAsValuesNotMarks) {
    Results run;
    for (int i = 0; i < kN; ++i) {
        run.Mark(0, i, IterationStatus::Valid, 100 + i, 100 + i, 100 + i);
    }
    for (const int i : {10, 20}) {
        run.Mark(0, i, IterationStatus::Failure, -2, -2, -2);
    }
    run.Mark(0, 30, IterationStatus::Gridlock, -1, -1, -1);
    run.Mark(0, 0, IterationStatus::Valid, -1, -1, -1);
    run.Mark(0, 1, IterationStatus::Valid, -2, -2, -2);
    run.Mark(0, 2, IterationStatus::Valid, -500, -500, -500);
    run.Compute(1);

    const auto& row = run.project->TotalNpvResults[0];
    const std::array<Int64, 7> head{-2, -2, -1, -500, -2, -1, 103};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), row.begin()));
    EXPECT_EQ(run.project->TotalNpvPercentiles[0][0], -500);
    EXPECT_EQ(run.project->TotalNpvPercentiles[0][10], 100 + kN - 1);
    EXPECT_EQ(run.project->SuccessPercent, 99.0); // 4997 of 5000
}

TEST(ResultStatisticsTest, RowOfEqualValuesStaysAsItIs) {
    Results run;
    for (int i = 0; i < kN; ++i) {
        run.Mark(0, i, IterationStatus::Valid, 42, 42, 42);
    }
    run.Compute(1);
    const auto& row = run.project->AgencyNpvResults[0];
    EXPECT_TRUE(std::all_of(row.begin(), row.end(), [](Int64 x) { return x == 42; }));
    EXPECT_EQ(run.project->AgencyNpvPercentiles[0],
              (std::array<Int64, kPercentilePoints>{42, 42, 42, 42, 42, 42, 42, 42, 42, 42, 42}));
}

TEST(ResultStatisticsTest, AlternativeWithoutValidIterationGetsZeros) {
    const std::array<Int64, kPercentilePoints> zeros{};
    const std::array<double, kPercentilePoints> noPercents{};
    for (const int empty : {0, 1}) {
        Results run;
        run.Fill(empty, 3000, 2000);
        run.Fill(1 - empty, 60, 40);
        run.project->AgencyNpvPercentiles[empty].fill(77);
        run.project->TotalCumulativePercents[empty].fill(77.0);
        run.Compute(2);
        const Project& p = *run.project;
        EXPECT_EQ(p.AgencyNpvPercentiles[empty], zeros);
        EXPECT_EQ(p.TotalCumulativePercents[empty], noPercents);
        // Each alternative keeps its own percentages; SuccessPercent is the last one's.
        EXPECT_EQ(p.TotalCumulativePercents[1 - empty][10], 98.0);
        EXPECT_EQ(p.SuccessPercent, empty == 1 ? 0.0 : 98.0) << "empty alternative " << empty;
    }
}

TEST(ResultStatisticsTest, TouchesOnlyDeclaredAlternativesAndIterations) {
    Results run;
    run.Fill(0, 0, 0);
    run.Fill(1, 0, 0);
    run.project->IterationCount = 100;
    run.project->UserNpvPercentiles[1].fill(77);
    const auto before = std::make_unique<Project>(*run.project);
    run.Compute(1);
    const Project& p = *run.project;
    EXPECT_TRUE(std::is_sorted(p.AgencyNpvResults[0].begin(), p.AgencyNpvResults[0].begin() + 100));
    EXPECT_TRUE(std::equal(p.AgencyNpvResults[0].begin() + 100, p.AgencyNpvResults[0].end(),
                           before->AgencyNpvResults[0].begin() + 100));
    EXPECT_EQ(p.AgencyNpvResults[1], before->AgencyNpvResults[1]);
    EXPECT_EQ(p.UserNpvPercentiles[1], before->UserNpvPercentiles[1]);

    // Counts beyond the tables are clamped to them, not followed.
    run.project->IterationCount = 2 * kN;
    run.Compute(kMaxAlternatives + 5);
    EXPECT_EQ(p.SuccessPercent, 100.0);
    EXPECT_TRUE(std::is_sorted(p.TotalNpvResults[1].begin(), p.TotalNpvResults[1].end()));
    EXPECT_EQ(p.AgencyNpvPercentiles[1][10], AgencyValue(kN - 1));
}

} // namespace
} // namespace wexa
