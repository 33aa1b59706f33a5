#include "results/ResultsPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

// A letter page at 300 dots per inch with a line height that suits it.
constexpr PageSize kLetter{2550, 3300, 50};
constexpr PageSize kA4{2480, 3508, 50};
constexpr int kAxisY = 3300 - 340;
constexpr int kPlotHeight = 3300 - 1360;

using Commands = std::vector<PageCommand>;

std::vector<const PageCommand*> OfShape(const Commands& page, PageShape shape) {
    std::vector<const PageCommand*> found;
    for (const PageCommand& c : page) {
        if (c.Shape == shape) {
            found.push_back(&c);
        }
    }
    return found;
}

// The text whose top-left corner is at (x, y), if any.
std::optional<std::string> TextAt(const Commands& page, int x, int y) {
    for (const PageCommand* c : OfShape(page, PageShape::Text)) {
        if (c->Points[0] == PagePoint{x, y}) {
            return c->Text;
        }
    }
    return std::nullopt;
}

// Where `text` is written; (-1, -1) when it is not.
PagePoint PlaceOf(const Commands& page, const std::string& text) {
    for (const PageCommand* c : OfShape(page, PageShape::Text)) {
        if (c->Text == text) {
            return c->Points[0];
        }
    }
    return {-1, -1};
}

// The 21 value labels from the bottom of the axis up.
std::vector<std::string> ValueLabels(const Commands& page, PageSize size) {
    const int tick = (size.Height - 1360) / 20;
    std::vector<std::string> labels;
    for (int k = 0; k <= 20; ++k) {
        labels.push_back(TextAt(page, 170, size.Height - 340 - k * tick).value_or("<none>"));
    }
    return labels;
}

class ResultsPageTest : public ::testing::Test {
protected:
    // A probabilistic result for `alternative` (0-based) of the chosen cost
    // type: percentiles rising in equal steps to `max`, every point scaled
    // by the share of valid iterations.
    void
    SetCurve(int alternative, Int64 max, double validShare,
             PercentileTable<Int64> Project::*percentiles = &Project::AgencyNpvPercentiles,
             PercentileTable<double> Project::*cumulative = &Project::AgencyCumulativePercents) {
        for (int j = 0; j < kPercentilePoints; ++j) {
            ((*p_).*percentiles)[alternative][j] = max / 10 * j + (j == 10 ? max % 10 : 0);
            ((*p_).*cumulative)[alternative][j] = j * validShare * 0.1;
        }
    }
    void Probabilistic(int alternatives) {
        p_->AnalysisType = kProbabilisticAnalysis;
        p_->NumberOfAlternatives = alternatives;
        p_->IterationCount = kProbabilisticIterations;
        p_->ValidCounts.fill(kProbabilisticIterations);
    }
    void Deterministic(std::vector<Int64> agency) {
        p_->AnalysisType = kDeterministicAnalysis;
        p_->NumberOfAlternatives = static_cast<Int32>(agency.size());
        p_->IterationCount = 1;
        for (std::size_t a = 0; a < agency.size(); ++a) {
            p_->AgencyNpvResults[a][0] = agency[a];
        }
    }
    [[nodiscard]] Commands Page(PageSize size = kLetter) const {
        return MakeResultsPage(*p_, size);
    }

    std::unique_ptr<Project> p_ = std::make_unique<Project>();
};

TEST_F(ResultsPageTest, TitleBlockListsTheAlternativesWithTheirKeyLines) {
    Probabilistic(4);
    p_->ProjectDescription = "Route 9 overlay";
    const std::vector<std::string> descriptions{"Mill and overlay", "Reconstruct", "Whitetopping",
                                                "Crack seal"};
    for (int a = 0; a < 4; ++a) {
        p_->AlternativeDescriptions[a] = descriptions[a];
        SetCurve(a, 1000, 100);
    }
    const Commands page = Page();
    EXPECT_EQ(TextAt(page, 220, 70), "Wexa");
    EXPECT_EQ(TextAt(page, 220, 170), "Project Description:");
    EXPECT_EQ(TextAt(page, 1020, 170), "Route 9 overlay");
    EXPECT_EQ(TextAt(page, 220, 270), "Alt");
    EXPECT_EQ(TextAt(page, 520, 270), "Description");
    std::vector<PagePen> keyPens;
    for (const PageCommand* line : OfShape(page, PageShape::Line)) {
        if (line->Points[1].X == 120) {
            keyPens.push_back(line->Pen);
            const int n = static_cast<int>(keyPens.size());
            const int y = 70 + (n + 4) * 50;
            EXPECT_EQ(TextAt(page, 220, y), std::to_string(n));
            EXPECT_EQ(TextAt(page, 520, y), descriptions[n - 1]);
            EXPECT_EQ(line->Points[0], (PagePoint{200, y + 25}));
            EXPECT_EQ(line->Points[1], (PagePoint{120, y + 25}));
        }
    }
    const std::vector<PagePen> expected{
        {8, {0, 0, 0}}, {8, {128, 0, 0}}, {8, {0, 0, 128}}, {8, {0, 128, 0}}};
    EXPECT_EQ(keyPens, expected);
    // The last line of the block ends above the separator.
    EXPECT_LT(70 + 8 * 50 + 50, page::kSeparatorY);
}

TEST_F(ResultsPageTest, SecondHeaderLineIsEmptyBeforeAnyExportAndNamesTheReportAfter) {
    EXPECT_EQ(TextAt(Page(), 220, 120), "");
    p_->ExportFileName = "/home/ann/route9.txt";
    EXPECT_EQ(TextAt(Page(), 220, 120), "/home/ann/route9.txt");
}

// Frame, separator and axes follow the page, and nothing is drawn outside
// the frame, on letter and on A4 paper and in both kinds of run.
TEST_F(ResultsPageTest, EverythingLiesInsideTheFrame) {
    for (const PageSize size : {kLetter, kA4}) {
        for (const bool deterministic : {false, true}) {
            SCOPED_TRACE(::testing::Message() << size.Width << " x " << size.Height
                                              << (deterministic ? " deterministic" : ""));
            if (deterministic) {
                Deterministic({900, 450, -1, 0});
            } else {
                Probabilistic(4);
                for (int a = 0; a < 4; ++a) {
                    SetCurve(a, 1'000'000 * (a + 1), 100 - a);
                }
            }
            const Commands page = Page(size);
            const auto rectangles = OfShape(page, PageShape::Rectangle);
            ASSERT_EQ(rectangles.size(), 1u);
            EXPECT_EQ(rectangles[0]->Points[0], (PagePoint{20, 20}));
            EXPECT_EQ(rectangles[0]->Points[1], (PagePoint{size.Width - 20, size.Height - 40}));
            const auto lines = OfShape(page, PageShape::Line);
            const auto has = [&](PagePoint a, PagePoint b) {
                return std::any_of(lines.begin(), lines.end(), [&](const PageCommand* c) {
                    return c->Points[0] == a && c->Points[1] == b && c->Pen == kThinPen;
                });
            };
            const int axisY = size.Height - 340;
            EXPECT_TRUE(has({20, 820}, {size.Width - 20, 820}));
            EXPECT_TRUE(has({520, axisY}, {520, 1020}));
            EXPECT_TRUE(has({520, axisY}, {size.Width - 320, axisY}));
            EXPECT_EQ(TextAt(page, 170, 920), "NPV ($)");
            EXPECT_EQ(TextAt(page, 820, 920), "Agency Costs - All Alternatives");
            for (const PageCommand& c : page) {
                for (const PagePoint& point : c.Points) {
                    EXPECT_GE(point.X, 20);
                    EXPECT_LE(point.X, size.Width - 20);
                    EXPECT_GE(point.Y, 20);
                    EXPECT_LE(point.Y, size.Height - 40);
                }
            }
        }
    }
}

TEST_F(ResultsPageTest, DeterministicLabelsFourSlotsAndDrawsBarsForTheAlternativesThatExist) {
    Deterministic({600'000, 1'200'000});
    p_->GraphPlotMode = 1; // the one-alternative plot is for curves only
    const Commands page = Page();
    const int s = (2550 - 640) / 4;
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(TextAt(page, n * s - s / 2 + 320, kAxisY + 50), std::to_string(n));
    }
    EXPECT_EQ(PlaceOf(page, "Alternatives"), (PagePoint{2 * s - s / 2 + 320, kAxisY + 150}));
    EXPECT_EQ(TextAt(page, 820, 920), "Agency Costs - All Alternatives");
    EXPECT_TRUE(OfShape(page, PageShape::Polyline).empty());

    const auto bars = OfShape(page, PageShape::Bar);
    ASSERT_EQ(bars.size(), 2u);
    for (int a = 0; a < 2; ++a) {
        const int left = s / 2 + 320 + a * s;
        EXPECT_EQ(bars[a]->Points[0].X, left);
        EXPECT_EQ(bars[a]->Points[1], (PagePoint{left + 50, kAxisY}));
        EXPECT_EQ(bars[a]->Pen.Color, (PageColor{0, 0, 0}));
    }
    // The larger value reaches the top of the axis, the other half-way.
    EXPECT_NEAR(bars[1]->Points[0].Y, 1020, 1);
    EXPECT_NEAR(bars[0]->Points[0].Y, kAxisY - kPlotHeight / 2, 1);
    const std::vector<std::string> labels = ValueLabels(page, kLetter);
    EXPECT_EQ(labels[0], "0");
    EXPECT_EQ(labels[10], "6e+05");
    EXPECT_EQ(labels[20], "1.2e+06");
}

TEST_F(ResultsPageTest, DeterministicGridlockAndFailureShowTheirNamesInsteadOfBars) {
    Deterministic({400, -1, -2, -1});
    p_->GridlockCounts = {0, 1, 0, 0};
    p_->FailureCounts = {0, 0, 1, 0};
    // The fourth is a valid NPV of -1 dollars: a bar on the axis, not a mark.
    const Commands page = Page();
    const int s = (2550 - 640) / 4;
    EXPECT_EQ(TextAt(page, s / 2 + 320 + s, kAxisY - 50), "Gridlock");
    EXPECT_EQ(TextAt(page, s / 2 + 320 + 2 * s, kAxisY - 50), "Failure");
    const auto bars = OfShape(page, PageShape::Bar);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0]->Points[0], (PagePoint{s / 2 + 320, 1020}));
    EXPECT_EQ(bars[1]->Points[0], (PagePoint{s / 2 + 320 + 3 * s, kAxisY}));
    EXPECT_EQ(ValueLabels(page, kLetter)[20], "4e+02");
}

TEST_F(ResultsPageTest, DeterministicMarksBeforeADeterministicRunAreReadFromTheValues) {
    Deterministic({-1, -2});
    p_->IterationCount = 0;
    const Commands page = Page();
    EXPECT_NE(PlaceOf(page, "Gridlock").X, -1);
    EXPECT_NE(PlaceOf(page, "Failure").X, -1);
    EXPECT_TRUE(OfShape(page, PageShape::Bar).empty());
}

TEST_F(ResultsPageTest, AllAlternativesScaleToTheLargestHundredthPercentile) {
    Probabilistic(3);
    p_->GraphCostType = 2;
    const auto total = &Project::TotalNpvPercentiles;
    const auto totalShare = &Project::TotalCumulativePercents;
    SetCurve(0, 800'000, 100, total, totalShare);
    SetCurve(1, 1'234'567, 98, total, totalShare);
    SetCurve(2, 300'000, 95, total, totalShare);
    const Commands page = Page();
    EXPECT_EQ(TextAt(page, 820, 920), "Total Costs - All Alternatives");
    const int s = (2550 - 840) / 10;
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(TextAt(page, 520 + k * s, kAxisY + 50), std::to_string(10 * k));
    }
    EXPECT_EQ(PlaceOf(page, "Cumulative Percentage (%)"),
              (PagePoint{520 + 2 * s - s / 2, kAxisY + 150}));

    const auto curves = OfShape(page, PageShape::Polyline);
    ASSERT_EQ(curves.size(), 3u);
    const double shares[] = {100, 98, 95};
    for (int a = 0; a < 3; ++a) {
        SCOPED_TRACE(a + 1);
        const PageCommand& curve = *curves[a];
        EXPECT_EQ(curve.Pen, AlternativePen(a + 1));
        ASSERT_EQ(curve.Points.size(), 11u);
        EXPECT_EQ(curve.Points.front(), (PagePoint{520, kAxisY}));
        // Each curve ends at its own share of valid iterations.
        EXPECT_EQ(curve.Points.back().X, 520 + static_cast<int>((2550 - 840) * shares[a] * 0.01));
    }
    EXPECT_NEAR(curves[1]->Points.back().Y, 1020, 1);
    EXPECT_NEAR(curves[0]->Points.back().Y, kAxisY - kPlotHeight * 800'000.0 / 1'234'567, 1);
    const std::vector<std::string> labels = ValueLabels(page, kLetter);
    EXPECT_EQ(labels[0], "0");
    EXPECT_EQ(labels[4], "2.5e+05"); // 4 x 61728.35
    EXPECT_EQ(labels[20], "1.2e+06");
}

TEST_F(ResultsPageTest, EachCurveIsNumberedAtItsFirstPoint) {
    Probabilistic(2);
    SetCurve(0, 1000, 100);
    SetCurve(1, 2000, 100);
    p_->AgencyNpvPercentiles[1][0] = 1000; // starts half-way up
    const Commands page = Page();
    const auto curves = OfShape(page, PageShape::Polyline);
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[1]->Points[0].Y, kAxisY - kPlotHeight / 2);
    EXPECT_EQ(PlaceOf(page, "1"), (PagePoint{220, 320})); // its row in the title block
    EXPECT_EQ(TextAt(page, 530, kAxisY + 10), "1");
    EXPECT_EQ(TextAt(page, 530, kAxisY - kPlotHeight / 2 + 10), "2");
}

TEST_F(ResultsPageTest, OneAlternativeIsDrawnThinWithItsNumberAfterTheCaption) {
    Probabilistic(3);
    p_->GraphPlotMode = 1;
    p_->GraphAlternative = 2;
    for (int a = 0; a < 3; ++a) {
        SetCurve(a, 5000 * (a + 1), 90);
    }
    const Commands page = Page();
    EXPECT_EQ(TextAt(page, 820, 920), "Agency Costs - Alternative:");
    EXPECT_EQ(TextAt(page, 1020, 970), "2");
    const auto curves = OfShape(page, PageShape::Polyline);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0]->Pen, kThinPen);
    EXPECT_EQ(curves[0]->Points.back().X, 520 + static_cast<int>(1710 * 90.0 * 0.01));
    EXPECT_NEAR(curves[0]->Points.back().Y, 1020, 1);
    // Only the plotted alternative's number is by the curve: none at its start.
    EXPECT_EQ(TextAt(page, 530, kAxisY + 10), std::nullopt);

    p_->GraphCostType = 1;
    SetCurve(1, 10000, 90, &Project::UserNpvPercentiles, &Project::UserCumulativePercents);
    const Commands user = Page();
    EXPECT_EQ(TextAt(user, 820, 920), "Work Zone User Costs - Alternative:");
    EXPECT_EQ(TextAt(user, 1220, 970), "2");
}

// The step of the one-alternative labels is a whole twentieth of the
// largest value, so the top label can fall short of it.
TEST_F(ResultsPageTest, OneAlternativeLabelsStepByAWholeTwentieth) {
    Probabilistic(1);
    p_->GraphPlotMode = 1;
    SetCurve(0, 39, 100);
    std::vector<std::string> expected;
    for (int k = 0; k <= 20; ++k) {
        expected.push_back(std::to_string(k));
    }
    EXPECT_EQ(ValueLabels(Page(), kLetter), expected);
}

TEST_F(ResultsPageTest, PlottedAlternativeOutsideTheProjectPlotsNothing) {
    Probabilistic(2);
    p_->GraphPlotMode = 1;
    SetCurve(0, 1000, 100);
    SetCurve(1, 2000, 100);
    for (const Int32 alternative : {0, 3, 5, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(alternative);
        p_->GraphAlternative = alternative;
        const Commands page = Page();
        EXPECT_TRUE(OfShape(page, PageShape::Polyline).empty());
        EXPECT_EQ(TextAt(page, 820, 920), "Agency Costs - Alternative:");
        EXPECT_EQ(TextAt(page, 1020, 970), std::nullopt);
        EXPECT_EQ(ValueLabels(page, kLetter), std::vector<std::string>(21, "0"));
    }
}

TEST_F(ResultsPageTest, ZeroMaximumDrawsOnTheAxis) {
    // Work-zone user costs all excluded: every NPV is 0, every iteration valid.
    Probabilistic(2);
    p_->GraphCostType = 1;
    SetCurve(0, 0, 100, &Project::UserNpvPercentiles, &Project::UserCumulativePercents);
    SetCurve(1, 0, 100, &Project::UserNpvPercentiles, &Project::UserCumulativePercents);
    for (const Int32 mode : {0, 1}) {
        p_->GraphPlotMode = mode;
        const Commands page = Page();
        const auto curves = OfShape(page, PageShape::Polyline);
        ASSERT_EQ(curves.size(), mode == 0 ? 2u : 1u);
        for (const PageCommand* curve : curves) {
            for (const PagePoint& point : curve->Points) {
                EXPECT_EQ(point.Y, kAxisY);
            }
        }
        EXPECT_EQ(ValueLabels(page, kLetter), std::vector<std::string>(21, "0"));
    }
    Deterministic({0, 0, 0});
    const Commands deterministic = Page();
    const auto bars = OfShape(deterministic, PageShape::Bar);
    ASSERT_EQ(bars.size(), 3u);
    for (const PageCommand* bar : bars) {
        EXPECT_EQ(bar->Points[0].Y, kAxisY);
    }
}

TEST_F(ResultsPageTest, AlternativeWithoutValidIterationHasNoCurveAndSaysSo) {
    Probabilistic(3);
    p_->AlternativeDescriptions = {"A", "B", "C", ""};
    SetCurve(0, 1000, 100);
    SetCurve(2, 4000, 0); // 10 valid iterations of 5000: a share of 0 whole percent
    p_->ValidCounts = {5000, 0, 10, 0};
    const Commands page = Page();
    const auto curves = OfShape(page, PageShape::Polyline);
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0]->Pen, AlternativePen(1));
    EXPECT_EQ(curves[1]->Pen, AlternativePen(3));
    EXPECT_EQ(TextAt(page, 520, 70 + 5 * 50), "A");
    EXPECT_EQ(TextAt(page, 520, 70 + 6 * 50), "B (no valid iteration)");
    EXPECT_EQ(TextAt(page, 520, 70 + 7 * 50), "C");
    EXPECT_EQ(ValueLabels(page, kLetter)[20], "4e+03");

    // Before any run there is nothing to tell apart: the tables are drawn.
    p_->IterationCount = 0;
    p_->ValidCounts.fill(0);
    const Commands before = Page();
    EXPECT_EQ(OfShape(before, PageShape::Polyline).size(), 3u);
    EXPECT_EQ(TextAt(before, 520, 70 + 6 * 50), "B");
}

TEST_F(ResultsPageTest, ValuesFromAProjectFileOutsideTheirRangesStayOnThePage) {
    Probabilistic(4);
    SetCurve(0, 1000, 100);
    p_->AgencyNpvPercentiles[0][0] = -5000; // a valid negative NPV
    p_->NumberOfAlternatives = 9;
    p_->GraphCostType = 7;
    const Commands page = Page();
    EXPECT_EQ(TextAt(page, 820, 920), "Agency Costs - All Alternatives");
    EXPECT_EQ(TextAt(page, 220, 70 + 8 * 50), "4");
    EXPECT_EQ(TextAt(page, 220, 70 + 9 * 50), std::nullopt);
    const auto curves = OfShape(page, PageShape::Polyline);
    ASSERT_FALSE(curves.empty());
    EXPECT_EQ(curves[0]->Points[0].Y, kAxisY);

    p_->NumberOfAlternatives = -3;
    EXPECT_EQ(TextAt(Page(), 220, 70 + 5 * 50), std::nullopt);
}

TEST(ValueLabelTextTest, TwoSignificantDigitsInGeneralNotation) {
    EXPECT_EQ(ValueLabelText(0), "0");
    EXPECT_EQ(ValueLabelText(1.5), "1.5");
    EXPECT_EQ(ValueLabelText(95), "95");
    EXPECT_EQ(ValueLabelText(150), "1.5e+02");
    EXPECT_EQ(ValueLabelText(61728.35), "6.2e+04");
    EXPECT_EQ(ValueLabelText(1'200'000), "1.2e+06");
    EXPECT_EQ(ValueLabelText(-2500), "-2.5e+03");
}

} // namespace
} // namespace wexa::forms
