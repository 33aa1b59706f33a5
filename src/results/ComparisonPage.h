#pragma once

#include "results/AlternativeColours.h"
#include "results/ChartContent.h"
#include "results/ComparisonRun.h"

#include <string>
#include <vector>

namespace wexa::forms {

// The comparison view of the graphing window, as texts: what every cell of
// its tables says, for one kind of cost. The window only lays them out, and
// "Save Tables..." writes the same tables, so what is saved is what is read.

// A bar drawn in a cell: `Share` (0 to 1) of the cell's width, in the
// colour of the row's alternative.
struct CellBar {
    double Share = 0.0;
    PageColor Colour;
};

struct TextTable {
    std::string Title;
    std::string Corner; // heading of the column of row names
    std::vector<std::string> Columns;
    std::vector<std::string> RowNames;
    std::vector<std::vector<std::string>> Cells; // [row][column]
    int BarColumn = -1;                          // the column of bars, if any; its cells are empty
    std::vector<CellBar> Bars{};                 // [row], when there is a column of bars
};

// On screen the dollars are grouped by thousands; in a file they are plain
// digits, so that a spreadsheet reads them as numbers.
enum class NumberStyle { Screen, File };

struct ComparisonPage {
    std::string Heading;
    // What the tables come to, in one sentence: the alternative most often
    // the cheapest, and the choice at the risk percentile. Empty when there
    // is nothing to compare.
    std::string Summary;
    // Says why there is nothing to compare; then only the NPV and EUAC table
    // is shown.
    std::string Notice;
    std::string Compared; // how many iterations were compared
    std::string LeftOut;  // how many were not, and by which alternative; may be empty
    TextTable Cheapest;   // the last column is a bar of the chance
    TextTable Pairwise;
    TextTable Differences;
    TextTable Annual; // NPV and EUAC
    std::string Choice;
};

// "Agency Costs", "Work Zone User Costs" or "Total Costs", as the graphing
// window's buttons name them.
[[nodiscard]] const char* CostKindName(CostKind kind);

// The graphing window's cost selection as the kind compared: all cost
// components compare the total.
[[nodiscard]] CostKind ComparedKind(int costSelection);

// "Compared iterations: 4990 of 5000, ..." and "Left out: 10; alternative 2
// gridlocked or failed in 10." (empty when none was), as the command line
// says them too.
[[nodiscard]] std::string ComparedIterationsText(const Comparison& comparison);
[[nodiscard]] std::string LeftOutText(const Comparison& comparison);

[[nodiscard]] ComparisonPage MakeComparisonPage(const ComparisonFigures& figures, CostKind kind,
                                                NumberStyle style = NumberStyle::Screen);

// Every table of the three kinds of cost in one CSV file, a section per kind
// and table, each opened by a line naming it.
[[nodiscard]] std::string ComparisonCsv(const ComparisonFigures& figures);

// Shown in place of the comparison when the window opens on results that
// no run of this session left (a project just opened): the comparison needs
// every iteration, and only the run holds them.
inline constexpr char kNoRunNotice[] =
    "The comparison needs the iterations of a run: run the simulation to see it.";

// "Save Tables...": the CSV file of ComparisonCsv.
inline constexpr char kSaveTablesCaption[] = "Save Tables";
inline constexpr char kComparisonFileName[] = "comparison.csv";

} // namespace wexa::forms
