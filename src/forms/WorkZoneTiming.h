#pragma once

#include "forms/FormEffects.h"
#include "forms/QueueGraph.h"
#include "model/Project.h"
#include "simulation/CheckFailure.h"
#include "simulation/UnusableResult.h"
#include "userdelay/QueueDay.h"
#include "userdelay/TrafficDemand.h"
#include "userdelay/UserCostComponents.h"
#include "userdelay/UserCostEvaluation.h"

#include <optional>
#include <string>

namespace wexa::forms {

// The logic of the work-zone timing and costs dialog: it prices one activity's
// work zone with the mean traffic growth rate, lets the user change the daily
// timing, searches the cheapest start hour and hands the timing and the cost
// back on OK. The window moves text between its boxes and Fields(), calls the
// handler of each button or box it leaves, and shows the values read here.
//
// Who owns what: the dialog works on copies (WorkZoneDialogInputs) and on its
// own working arrays (one QueueDay, reused by every evaluation, so pricing a
// timing or a start-hour trial allocates nothing). Nothing reaches the
// project until StoreInto, which the window calls on OK; Cancel simply drops
// the object.
//
// Figures that are not results (a cost that is not a finite number or reaches
// 2^53 dollars either way, a grown AADT below 0 or not finite) are never shown or
// stored: the evaluation that met them shows a "Project Data Error" message
// instead, and the dialog stays refused until an evaluation gives figures
// again.

// What the user edits. Before each handler the window writes what its boxes
// hold here; after it, it shows these values again.
struct WorkZoneTimingFields {
    int StartHour = 8;
    int HoursInEffect = 7;
    int StopHour = 15; // read-only on the form
    int MobilizationHours = 0;
    double InboundPercent = 0; // percent of the days the zone affects each direction
    double OutboundPercent = 0;

    friend bool operator==(const WorkZoneTimingFields&, const WorkZoneTimingFields&) = default;
};

// The copies the dialog is handed.
struct WorkZoneDialogInputs {
    // What the main form hands over: the current alternative and activity and
    // the form's copies of the activity's work-zone values, as the window shows
    // them.
    [[nodiscard]] static WorkZoneDialogInputs FromForm(const Project& project);
    // The activity as stored in its slot arrays (numbers from 1), for callers
    // that work on a project file rather than on the form.
    [[nodiscard]] static WorkZoneDialogInputs FromStoredActivity(const Project& project,
                                                                 int alternative, int activity);

    int Alternative = 0;
    int Activity = 0;
    int Slot = -1; // the activity slot; -1 when the numbers name none
    std::string ProjectDescription;

    int BaseYearAADT = 0;
    int MaximumAADT = 0;
    double PercentTrucks = 0;
    double PercentSUTrucks = 0;
    double PercentCUTrucks = 0;
    double TrafficGrowthMean = 0;
    HourlyPercents HourlyAADTPercent{};
    HourlyPercents HourlyInboundPercent{};
    HourlyPercents HourlyOutboundPercent{};
    double ServiceFlowRate = 0;
    int NumberOfLanes = 0;
    int PostedSpeedLimit = 0;
    UserCostRates Rates;

    int ActivityYear = 0;
    int RequiredTime = 0;
    int WorkZoneLanes = 0;
    double WorkZoneCapacity = 0;
    double WorkZoneDissipationCapacity = 0;
    double WorkZoneLength = 0;
    int WorkZoneSpeedLimit = 0;
    // The timing stored at the slot (all 0 when there is no slot).
    WorkZoneTimingFields StoredTiming{0, 0, 0, 0, 0, 0};
};

// Calls f(alternative, activity), both numbered from 1, for every declared
// activity whose work zone is priced, in the order of the schedule.
template <typename F> void ForEachPricedActivity(const Project& p, F&& f) {
    for (int alternative = 1; alternative <= p.NumberOfAlternatives; ++alternative) {
        for (int activity = 1; activity <= p.AlternativeActivityCount[alternative - 1];
             ++activity) {
            if (p.ActivityUserCostModes[ActivitySlot(alternative, activity)] == kIncludeUserCosts) {
                f(alternative, activity);
            }
        }
    }
}

class WorkZoneTimingDialog {
public:
    explicit WorkZoneTimingDialog(WorkZoneDialogInputs inputs);

    // Loads the stored timing (or, when it is out of range, the defaults, with
    // an information message), the activity-year AADT, volumes, capacities and
    // days, and prices the timing (or refuses, see Refusal).
    void Open(FormEffects& effects);

    // "Calculate Costs": prices the timing in Fields() with the traffic picture
    // the opening and the field checks left.
    void CalculateCosts(FormEffects& effects);

    // "Find Optimum": tries the 24 start hours with the current hours in
    // effect and keeps the one whose work-zone day costs least, the earliest
    // on a tie; then prices it in full. When every start hour gridlocks, the
    // last one tried (23) stays shown in the gridlock state. A trial whose
    // cost is not a result ends the search refused, on the timing it started
    // from.
    void FindOptimumStart(FormEffects& effects);

    // Checks of the three editable timing boxes, run when each loses the
    // focus; a refused value is replaced and the focus goes back.
    void LeaveStartHour(FormEffects& effects);
    void LeaveHoursInEffect(FormEffects& effects);
    void LeaveMobilization(FormEffects& effects);

    // OK: writes the timing, the total shown (-1 after a gridlock), the days
    // and the directional shares into the activity's slot. False, and nothing
    // written, when the dialog has no slot, is refused, or its figures are
    // not those of the timing in Fields().
    bool StoreInto(Project& project) const;

    // Whether the cost summary was priced for the timing and shares now in
    // Fields(): false once one of them changed until the next pricing.
    [[nodiscard]] bool FiguresCurrent() const { return priced_ == fields_; }

    // "Graph Queue Length": the queue lengths of the last work-zone day priced
    // in full (from the opening, "Calculate Costs" or "Find Optimum").
    [[nodiscard]] QueueGraphContent QueueGraph() const;

    WorkZoneTimingFields& Fields() { return fields_; }
    [[nodiscard]] const WorkZoneTimingFields& Fields() const { return fields_; }
    [[nodiscard]] const WorkZoneDialogInputs& Inputs() const { return inputs_; }

    [[nodiscard]] int Aadt() const { return aadt_; }
    [[nodiscard]] const HourlyVolumes& InboundVolume() const { return inboundVolume_; }
    [[nodiscard]] const HourlyVolumes& OutboundVolume() const { return outboundVolume_; }
    [[nodiscard]] const WorkZoneCapacities& Capacities() const { return capacities_; }
    [[nodiscard]] int Days() const { return days_; }

    // The cost summary as shown: components and total in whole dollars,
    // percentages to two decimals, the total percentage whole; -1 everywhere
    // after a gridlock.
    [[nodiscard]] const UserCostBreakdown& Breakdown() const { return breakdown_; }
    [[nodiscard]] bool Gridlock() const { return breakdown_.Gridlock; }

    // Why the last evaluation has no figures to show (caption "Project Data
    // Error"); nullopt when it has. While refused the breakdown is all 0 and
    // means nothing.
    [[nodiscard]] const std::optional<CheckFailure>& Refusal() const { return refusal_; }

    [[nodiscard]] const PerHour<double>& InboundQueueLength() const { return inboundMiles_; }
    [[nodiscard]] const PerHour<double>& OutboundQueueLength() const { return outboundMiles_; }

private:
    void EvaluateTiming(FormEffects& effects);
    void ShowGridlock(FormEffects& effects);
    void RefuseFigure(FormEffects& effects, ResultFigure figure, double value);
    // Refuses, and true, when the activity year's traffic is below 0.
    bool RefuseNegativeAadt(FormEffects& effects);
    void LoadVolumes();
    [[nodiscard]] QueueScenario Scenario() const;
    [[nodiscard]] UserCostInputs CostInputs() const;
    void UpdateStopHour();
    void UpdateDays();

    WorkZoneDialogInputs inputs_;
    WorkZoneTimingFields fields_;
    int aadt_ = 0;
    HourlyVolumes inboundVolume_{};
    HourlyVolumes outboundVolume_{};
    WorkZoneCapacities capacities_{};
    int days_ = 0;
    double addedTimePerVehicle_ = 0;
    UserCostBreakdown breakdown_{};
    // The fields breakdown_ was priced for.
    std::optional<WorkZoneTimingFields> priced_;
    std::optional<CheckFailure> refusal_;
    PerHour<double> inboundMiles_{};
    PerHour<double> outboundMiles_{};
    QueueDay day_{};
};

// The stop hour of a zone that starts at `startHour` and stays `hours` hours,
// on the 24-hour clock; always 0..23.
[[nodiscard]] int StopHourFor(int startHour, int hours);

} // namespace wexa::forms
