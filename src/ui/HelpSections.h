#pragma once

#include <QString>

#include <array>

class QWidget;

namespace wexa::ui {

class Prompts;

// The user guide (docs/user-guide.html, built into the program) is cut
// into sections, one per group of the main form and per dialog, each with an
// anchor of this name.
namespace HelpSection {
inline constexpr char Contents[] = "contents";
inline constexpr char General[] = "general";
inline constexpr char Traffic[] = "traffic";
inline constexpr char Alternative[] = "alternative";
inline constexpr char Activity[] = "activity";
inline constexpr char Execute[] = "execute";
inline constexpr char BidItems[] = "bid-items";
inline constexpr char TimeRelated[] = "time-related";
inline constexpr char HourlyDistribution[] = "hourly-distribution";
inline constexpr char AddedTimeCosts[] = "added-time-costs";
inline constexpr char DelayCostRates[] = "delay-cost-rates";
inline constexpr char Export[] = "export";
inline constexpr char WorkZone[] = "work-zone";
inline constexpr char ResultChart[] = "result-chart";
inline constexpr char Comparison[] = "comparison";
inline constexpr char QueueGraph[] = "queue-graph";
inline constexpr char Printing[] = "printing";
inline constexpr char Sensitivity[] = "sensitivity";
inline constexpr char ExpenditureStream[] = "expenditure-stream";
inline constexpr char AnalysisDocument[] = "analysis-document";
inline constexpr std::array All{Contents,          General,         Traffic,
                                Alternative,       Activity,        Execute,
                                BidItems,          TimeRelated,     Export,
                                WorkZone,          ResultChart,     Comparison,
                                QueueGraph,        Printing,        HourlyDistribution,
                                AddedTimeCosts,    DelayCostRates,  Sensitivity,
                                ExpenditureStream, AnalysisDocument};
} // namespace HelpSection

// Where the guide lives inside the program.
inline QString UserGuideUrl() {
    return QStringLiteral("qrc:/help/user-guide.html");
}

// Marks `widget` and everything in it as belonging to a section of the
// guide, and gives it the note that Shift+F1 pops up.
void SetHelpSection(QWidget& widget, const char* section, const QString& whatsThis);

// The section of the innermost marked widget around `widget` (itself
// included); the contents when none is marked.
[[nodiscard]] QString HelpSectionOf(const QWidget* widget);

// F1 in `window` opens the guide at the section of the control that has the
// keyboard focus; Shift+F1 turns the pointer into a question mark, and the
// control clicked next pops up its note. Every window and dialog has both,
// since a modal dialog blocks the main window's keys.
void AddHelpKeys(QWidget& window, Prompts& prompts);

} // namespace wexa::ui
