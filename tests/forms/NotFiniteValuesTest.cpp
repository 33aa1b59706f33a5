// A value that is not finite (from a project file, or an overflowing
// computation) never shows as "nan" or "inf": its box is empty and is
// refused as no number until the user types one. And the widest texts the
// dialogs size their boxes by are the widest the writer gives.
#include "MainFormFixture.h"
#include "forms/DialogBoxes.h"
#include "forms/FormText.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;
using F = FormField;

using wexa::testing::kInfinity;
using wexa::testing::kNaN;

TEST(NotFiniteTextTest, IsWrittenEmpty) {
    for (const double value : {kNaN, -kNaN, kInfinity, -kInfinity}) {
        EXPECT_EQ(FormatReal(value), "") << value;
        EXPECT_EQ(BoxText(value), "") << value;
    }
    EXPECT_EQ(FormatReal(-0.5), "-0.5");
}

TEST_F(MainFormTest, NotFiniteValueShowsEmptyAndIsRefusedUntilRetyped) {
    project_->WorkZoneLength = kNaN;
    project_->ServiceFlowRate = kInfinity;
    Show();
    EXPECT_EQ(view_.Text(F::WorkZoneLength), "");
    EXPECT_EQ(view_.Text(F::ServiceFlowRate), "");

    // Leaving it untouched is no edit; the next read of the form refuses it.
    form_.LeaveBox(F::WorkZoneLength);
    EXPECT_TRUE(effects_.TakeMessages().empty());
    Leave(F::ProjectLength, "2");
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"WorkZoneLength"});
    EXPECT_EQ(view_.Text(F::WorkZoneLength), "");

    effects_.Clear();
    Leave(F::WorkZoneLength, "0.5");
    EXPECT_EQ(project_->ActivityWorkZoneLength[0], 0.5);
}

TEST(NotFiniteTextTest, DialogBoxOfAValueThatIsNotFiniteIsRefused) {
    RecordingEffects effects;
    BoxReader reader(effects);
    double value = kNaN;
    reader.Read(BoxText(value), value, "Quantity[0]");
    EXPECT_FALSE(reader.AllRead());
    EXPECT_EQ(effects.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects.Focus, std::vector<std::string>{"Quantity[0]"});

    // A finite value shown and not touched stays exactly.
    BoxReader again(effects);
    double kept = 0.1 + 0.2;
    again.Read(BoxText(kept), kept, "Quantity[1]");
    EXPECT_TRUE(again.AllRead());
    EXPECT_EQ(kept, 0.1 + 0.2);
}

TEST(WidestTextTest, NoValueIsWiderThanItsBoxAllows) {
    EXPECT_EQ(FormatInteger(std::numeric_limits<Int32>::min()), kWidestInteger);
    // Figures of the cost summary stay within the 64-bit range.
    constexpr double kLargestFigure = 9223372036854774784.0;
    for (const double figure : {kLargestFigure, -kLargestFigure, -123456789012345.0,
                                -1234567890123456.0, -0.01, -33.33, -1.5e-5}) {
        EXPECT_LE(FormatReal(figure).size(), kWidestFigure.size()) << FormatReal(figure);
    }
    EXPECT_EQ(FormatReal(-9.22337203685478e18), kWidestFigure);
    for (const double real :
         {-std::numeric_limits<double>::max(), -std::numeric_limits<double>::denorm_min(),
          -1.23456789012345e-300, -0.000123456789012345, -1.0 / 3.0}) {
        EXPECT_LE(FormatReal(real).size(), kWidestReal.size()) << FormatReal(real);
    }
}

} // namespace
} // namespace wexa::forms
