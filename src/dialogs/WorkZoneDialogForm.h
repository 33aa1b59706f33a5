#pragma once

#include "forms/DialogBoxes.h"
#include "forms/HandlerLatch.h"
#include "forms/QueueGraph.h"
#include "forms/WorkZoneTiming.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace wexa::forms {

// The names of the work-zone dialog's boxes that WorkZoneControl leaves out:
// those the user only reads, and the two directional shares.
namespace WorkZoneBox {
inline constexpr std::string_view Alternative = "Alternative";
inline constexpr std::string_view Activity = "Activity";
inline constexpr std::string_view Year = "Year";
inline constexpr std::string_view Aadt = "Aadt";
inline constexpr std::string_view RequiredTime = "RequiredTime";
inline constexpr std::string_view StopHour = "StopHour";
inline constexpr std::string_view Days = "Days";
inline constexpr std::string_view InboundPercent = "InboundPercent";
inline constexpr std::string_view OutboundPercent = "OutboundPercent";
inline constexpr std::string_view Total = "Total";
inline constexpr std::string_view TotalPercent = "TotalPercent";
// Row `row` (0-based) of the cost summary: "Cost[2]", "Percent[2]".
[[nodiscard]] std::string Cost(int row);
[[nodiscard]] std::string Percent(int row);
} // namespace WorkZoneBox

// The texts of the work-zone dialog's boxes, top to bottom.
struct WorkZoneDialogBoxes {
    std::string Alternative;
    std::string Activity;
    std::string Year;
    std::string Aadt;
    std::string RequiredTime;
    std::string MobilizationHours; // editable
    std::string StartHour;         // editable
    std::string HoursInEffect;     // editable
    std::string StopHour;
    std::string Days;
    std::string InboundPercent;  // editable
    std::string OutboundPercent; // editable
    std::array<std::string, kCostComponentCount> Costs;
    std::array<std::string, kCostComponentCount> Percents;
    std::string Total;
    std::string TotalPercent;
    // The cost summary is that of a timing priced before the one shown.
    bool FiguresOutOfDate = false;
};

// The work-zone timing dialog as its window drives it: the logic
// (WorkZoneTimingDialog) behind the texts of its boxes. While the logic is
// refused (figures that are not results) the cost summary boxes are empty.
//
// Before each handler the window writes what its editable boxes hold into
// Boxes(); the handler reads them (a text that is not a number is refused
// with "Please enter an integer." or "Please enter a number." and its box
// keeps its last accepted value), applies its rule and writes every box
// again, which the window then shows. The check of a box the user left runs
// even when another box's text was refused, so no unchecked timing stays on
// screen; the buttons act only when every text was read. Handlers run one at
// a time: a focus change that a message box causes while one runs does
// nothing (HandlerLatch).
class WorkZoneDialogForm {
public:
    explicit WorkZoneDialogForm(WorkZoneDialogInputs inputs);

    // Loads and prices the activity (WorkZoneTimingDialog::Open) and writes
    // the boxes.
    void Open(FormEffects& effects);

    void LeaveStartHour(FormEffects& effects);
    void LeaveHoursInEffect(FormEffects& effects);
    void LeaveMobilization(FormEffects& effects);
    void CalculateCosts(FormEffects& effects);
    void FindOptimum(FormEffects& effects);
    // "OK": true when every text was read and the figures shown are results;
    // the window then closes the dialog and the opener stores the result with
    // StoreInto. Figures of an earlier timing are never kept: OK prices the
    // timing shown first, and stays open when that pricing is refused or
    // gridlocks, so the user sees what would be stored. A refused evaluation
    // shows its message again.
    [[nodiscard]] bool PressOk(FormEffects& effects);
    // "Graph Queue Length": what the graph shows, or nothing when a text was
    // refused (or another handler runs).
    [[nodiscard]] std::optional<QueueGraphContent> GraphQueueLength(FormEffects& effects);

    bool StoreInto(Project& project) const { return logic_.StoreInto(project); }

    [[nodiscard]] WorkZoneDialogBoxes& Boxes() { return boxes_; }
    [[nodiscard]] const WorkZoneDialogBoxes& Boxes() const { return boxes_; }
    [[nodiscard]] const WorkZoneTimingDialog& Logic() const { return logic_; }

private:
    // Runs `rule(allRead)` between a read and a write of the boxes.
    template <typename Rule> bool Handle(FormEffects& effects, Rule&& rule);
    // A button's handler: `act` only when every text was read.
    template <typename Act> bool Press(FormEffects& effects, Act&& act);
    void ReadBoxes(BoxReader& reader);
    void WriteBoxes();

    WorkZoneTimingDialog logic_;
    WorkZoneDialogBoxes boxes_;
    HandlerLatch latch_;
};

} // namespace wexa::forms
