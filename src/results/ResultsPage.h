#pragma once

#include "model/Project.h"
#include "results/AlternativeColours.h"

#include <string>
#include <string_view>
#include <vector>

namespace wexa::forms {

// The printed results page as plain drawing commands, so that what the page
// shows is decided (and tested) without a display; the window's painter only
// carries the commands out on a printer, a preview or an image.
//
// Coordinates are page pixels: origin at the top left of the printable area,
// y downwards. The fixed offsets of the layout were made for a page of
// 300 dots per inch, so the painter draws in those units and scales them to
// its device.

struct PagePoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

// Width 0 is the thin pen: the finest line the device draws well.
struct PagePen {
    int Width = 0;
    PageColor Color;
    friend bool operator==(const PagePen&, const PagePen&) = default;
};

inline constexpr PagePen kThinPen{0, {0, 0, 0}};

// The wide pen of alternative 1..4, in its colour (AlternativeColour); the
// thin pen for any other number.
[[nodiscard]] PagePen AlternativePen(int alternative);

enum class PageShape {
    Line,      // Points[0] to Points[1]
    Rectangle, // outline, corners Points[0] and Points[1]
    Bar,       // filled in the pen's colour, corners Points[0] and Points[1]
    Polyline,  // through all Points
    Text,      // Text with its top-left corner at Points[0]
};

struct PageCommand {
    PageShape Shape = PageShape::Line;
    PagePen Pen = kThinPen;
    std::vector<PagePoint> Points;
    std::string Text;
};

struct PageSize {
    int Width = 0;      // W
    int Height = 0;     // H
    int LineHeight = 0; // L: character height plus external leading
};

// Fixed places of the layout, in page pixels.
namespace page {
inline constexpr int kSeparatorY = 820;
inline constexpr int kValueAxisX = 520;
inline constexpr int kPlotTop = 1020;
// The category axis lies this far above the bottom of the page.
inline constexpr int kAxisFromBottom = 340;
} // namespace page

// The whole page for the project's last results, in drawing order: frame,
// title block with the alternatives and their key lines, separator, axes,
// captions, category and value labels, then the data (bars of a
// deterministic run, cumulative-percentage curves of a probabilistic one).
//
// Results the page cannot draw as values are not drawn as values: a
// deterministic gridlock or schedule failure shows "Gridlock" or "Failure"
// in its slot instead of a bar; an alternative without a valid iteration has
// no curve and says so in the title block; a plotted alternative outside
// 1..NumberOfAlternatives plots nothing; values below 0 sit on the category
// axis, and a largest value of 0 draws everything on it. Only the first four
// alternatives exist, whatever NumberOfAlternatives holds, and a cost type
// other than 1 (work-zone user) or 2 (total) shows agency costs.
[[nodiscard]] std::vector<PageCommand> MakeResultsPage(const Project& project, PageSize size);

// A page holds results only after a run of the project on screen; before
// one, printing says so instead of drawing a page of zeros.
[[nodiscard]] inline bool HasResultsToPrint(const Project& project) {
    return project.IterationCount > 0;
}
inline constexpr std::string_view kNoResultsCaption = "Print";
inline constexpr std::string_view kNoResultsMessage =
    "There are no results to print yet.\nRun the analysis first (Run Simulation).";

// A value label: two significant digits in general notation, fixed or
// exponent form ("0", "50", "1.5e+05"), the same in every locale.
[[nodiscard]] std::string ValueLabelText(double value);

} // namespace wexa::forms
