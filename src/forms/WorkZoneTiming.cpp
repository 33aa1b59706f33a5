#include "forms/WorkZoneTiming.h"

#include "forms/WorkZoneDialogText.h"
#include "model/Capacities.h"
#include "model/Conversions.h"
#include "simulation/ProjectChecks.h"
#include "simulation/ProjectUserCosts.h"
#include "userdelay/QueueModel.h"

#include <cstdint>
#include <utility>

namespace wexa::forms {

namespace {

// Everything the dialog takes from the project whether it is opened from the
// form or on a stored activity.
WorkZoneDialogInputs ProjectWideInputs(const Project& p, int alternative, int activity) {
    WorkZoneDialogInputs in;
    in.Alternative = alternative;
    in.Activity = activity;
    in.Slot = IsValidActivity(alternative, activity) ? ActivitySlot(alternative, activity) : -1;
    in.ProjectDescription = p.ProjectDescription;
    in.BaseYearAADT = p.BaseYearAADT;
    in.MaximumAADT = p.MaximumAADT;
    in.PercentTrucks = p.PercentTrucks;
    in.PercentSUTrucks = p.PercentSUTrucks;
    in.PercentCUTrucks = p.PercentCUTrucks;
    in.TrafficGrowthMean = p.TrafficGrowthMean;
    in.HourlyAADTPercent = p.HourlyAADTPercent;
    in.HourlyInboundPercent = p.HourlyInboundPercent;
    in.HourlyOutboundPercent = p.HourlyOutboundPercent;
    in.ServiceFlowRate = p.ServiceFlowRate;
    in.NumberOfLanes = p.NumberOfLanes;
    in.PostedSpeedLimit = p.PostedSpeedLimit;
    in.Rates = UserCostRatesOf(p);
    if (in.Slot >= 0) {
        const int s = in.Slot;
        in.StoredTiming = {p.ActivityStartHour[s],      p.ActivityHoursInEffect[s],
                           p.ActivityStopHour[s],       p.ActivityMobilizationHours[s],
                           p.ActivityInboundPercent[s], p.ActivityOutboundPercent[s]};
    }
    return in;
}

void Refuse(FormEffects& effects, std::string_view message, std::string_view caption,
            std::string_view control) {
    effects.ShowMessage(message, caption, MessageIcon::Exclamation);
    effects.MoveFocus(control);
}

// Sums of two typed hours can reach past 32 bits.
std::int64_t Sum(int a, int b) {
    return std::int64_t{a} + std::int64_t{b};
}

} // namespace

WorkZoneDialogInputs WorkZoneDialogInputs::FromForm(const Project& p) {
    WorkZoneDialogInputs in = ProjectWideInputs(p, p.CurrentAlternative, p.CurrentActivity);
    in.ActivityYear = p.ActivityYear;
    in.RequiredTime = p.RequiredTime;
    in.WorkZoneLanes = p.WorkZoneLanes;
    in.WorkZoneCapacity = p.WorkZoneCapacity;
    in.WorkZoneDissipationCapacity = p.WorkZoneDissipationCapacity;
    in.WorkZoneLength = p.WorkZoneLength;
    in.WorkZoneSpeedLimit = p.WorkZoneSpeedLimit;
    return in;
}

WorkZoneDialogInputs WorkZoneDialogInputs::FromStoredActivity(const Project& p, int alternative,
                                                              int activity) {
    WorkZoneDialogInputs in = ProjectWideInputs(p, alternative, activity);
    if (in.Slot >= 0) {
        const int s = in.Slot;
        in.ActivityYear = p.ActivityYears[s];
        in.RequiredTime = p.ActivityRequiredTime[s];
        in.WorkZoneLanes = p.ActivityWorkZoneLanes[s];
        in.WorkZoneCapacity = p.ActivityWorkZoneCapacity[s];
        in.WorkZoneDissipationCapacity = p.ActivityDissipationCapacity[s];
        in.WorkZoneLength = p.ActivityWorkZoneLength[s];
        in.WorkZoneSpeedLimit = p.ActivityWorkZoneSpeed[s];
    }
    return in;
}

int StopHourFor(int startHour, int hours) {
    const std::int64_t stop = Sum(startHour, hours) % kHours;
    return static_cast<int>(stop < 0 ? stop + kHours : stop);
}

WorkZoneTimingDialog::WorkZoneTimingDialog(WorkZoneDialogInputs inputs)
    : inputs_(std::move(inputs)) {}

void WorkZoneTimingDialog::Open(FormEffects& effects) {
    const WorkZoneTimingFields& stored = inputs_.StoredTiming;
    if (const auto unusable = CheckWorkZoneTiming(stored.StartHour, stored.StopHour,
                                                  stored.HoursInEffect, stored.MobilizationHours)) {
        // Timing that the dialog's own field checks would never let through
        // would price nonsense (or divide by no working hours): start from
        // the dialog's defaults instead and say so.
        fields_ = WorkZoneTimingFields{};
        fields_.InboundPercent = stored.InboundPercent;
        fields_.OutboundPercent = stored.OutboundPercent;
        effects.ShowMessage("The work zone timing stored for this activity cannot be used:\n" +
                                unusable->Message +
                                "\n\nThe timing starts from the defaults instead: start hour 8, "
                                "7 hours in effect, stop hour 15 and no daily "
                                "mobilization/demobilization.",
                            kWorkZoneDialogTitle, MessageIcon::Information);
    } else {
        fields_ = stored;
    }

    aadt_ = GrowAadt(inputs_.BaseYearAADT, inputs_.PercentTrucks, inputs_.PercentCUTrucks,
                     inputs_.PercentSUTrucks, inputs_.ActivityYear, inputs_.TrafficGrowthMean,
                     inputs_.MaximumAADT);
    SplitHourlyVolumes(aadt_, inputs_.HourlyAADTPercent, inputs_.HourlyInboundPercent,
                       inputs_.HourlyOutboundPercent, inboundVolume_, outboundVolume_);
    capacities_ =
        ComputeWorkZoneCapacities(inputs_.WorkZoneLanes, inputs_.WorkZoneCapacity,
                                  inputs_.WorkZoneDissipationCapacity, inputs_.NumberOfLanes);
    UpdateDays();
    addedTimePerVehicle_ = WorkZoneAddedTimePerVehicle(
        inputs_.WorkZoneLength, inputs_.WorkZoneSpeedLimit, inputs_.PostedSpeedLimit);
    EvaluateTiming(effects);
}

void WorkZoneTimingDialog::CalculateCosts(FormEffects& effects) {
    EvaluateTiming(effects);
}

void WorkZoneTimingDialog::FindOptimumStart(FormEffects& effects) {
    if (RefuseNegativeAadt(effects)) {
        return;
    }
    const WorkZoneTimingFields before = fields_;
    LoadVolumes();
    const QueueScenario scenario = Scenario();
    const UserCostInputs costInputs = CostInputs();
    double best = 0;
    int bestStart = -1;
    for (int start = 0; start < kHours; ++start) {
        fields_.StartHour = start;
        UpdateStopHour();
        const WorkZoneTrial trial = EvaluateWorkZoneOnly(day_, scenario, start, fields_.StopHour,
                                                         inputs_.Rates, costInputs);
        // A total that is no number would never compare as cheaper, and one
        // at 2^53 or beyond is no exact result either: the search cannot choose.
        if (!trial.Gridlock && !IsExactWholeRange(trial.Total)) {
            fields_ = before;
            RefuseFigure(effects, ResultFigure::UserCost, trial.Total);
            return;
        }
        // The first usable trial sets the mark (rather than a large sentinel,
        // which a real total could exceed); later ones must beat it strictly,
        // so the earliest start wins a tie.
        if (!trial.Gridlock && (bestStart < 0 || trial.Total < best)) {
            best = trial.Total;
            bestStart = start;
        }
    }
    if (bestStart < 0) {
        refusal_.reset();
        breakdown_ = GridlockBreakdown();
        priced_ = fields_;
        ShowGridlock(effects);
        return;
    }
    fields_.StartHour = bestStart;
    UpdateStopHour();
    EvaluateTiming(effects);
}

void WorkZoneTimingDialog::LeaveStartHour(FormEffects& effects) {
    if (fields_.StartHour < 0 || fields_.StartHour > kHours - 1) {
        Refuse(effects, WorkZoneMessage::StartHour, WorkZoneMessage::StartHourCaption,
               WorkZoneControl::StartHour);
        fields_.StartHour = 0;
    }
    UpdateStopHour();
}

void WorkZoneTimingDialog::LeaveHoursInEffect(FormEffects& effects) {
    int& hours = fields_.HoursInEffect;
    int& mobilization = fields_.MobilizationHours;
    if (hours != kHours) {
        if (hours < 1 || hours > kHours || Sum(hours, mobilization) > kHours) {
            Refuse(effects, WorkZoneMessage::HoursInEffect, WorkZoneMessage::TimingCaption,
                   WorkZoneControl::HoursInEffect);
            mobilization = 0;
            hours = 1;
        }
        if (mobilization >= hours) {
            Refuse(effects, WorkZoneMessage::MobilizationBelowHours, WorkZoneMessage::TimingCaption,
                   WorkZoneControl::MobilizationHours);
            mobilization = 0;
        }
    }
    UpdateStopHour();
    UpdateDays();
}

void WorkZoneTimingDialog::LeaveMobilization(FormEffects& effects) {
    const int hours = fields_.HoursInEffect;
    int& mobilization = fields_.MobilizationHours;
    if (hours != kHours) {
        const auto check = [&](bool refused, std::string_view message) {
            if (refused) {
                Refuse(effects, message, WorkZoneMessage::TimingCaption,
                       WorkZoneControl::MobilizationHours);
                mobilization = 0;
            }
        };
        check(mobilization < 0 || mobilization > kHours - 1, WorkZoneMessage::MobilizationRange);
        check(Sum(hours, mobilization) > kHours, WorkZoneMessage::MobilizationPlusHours);
        check(mobilization >= hours, WorkZoneMessage::MobilizationBelowHours);
    }
    UpdateDays();
}

bool WorkZoneTimingDialog::StoreInto(Project& p) const {
    const int s = inputs_.Slot;
    if (s < 0 || s >= kActivitySlots || refusal_ || !FiguresCurrent()) {
        return false;
    }
    p.ActivityStartHour[s] = fields_.StartHour;
    p.ActivityStopHour[s] = fields_.StopHour;
    p.ActivityHoursInEffect[s] = fields_.HoursInEffect;
    p.ActivityWorkZoneUserCost[s] = breakdown_.Total;
    p.ActivityDaysToComplete[s] = days_;
    p.ActivityInboundPercent[s] = fields_.InboundPercent;
    p.ActivityOutboundPercent[s] = fields_.OutboundPercent;
    p.ActivityMobilizationHours[s] = fields_.MobilizationHours;
    return true;
}

QueueGraphContent WorkZoneTimingDialog::QueueGraph() const {
    return MakeQueueGraph(inputs_.ProjectDescription, inputs_.Alternative, inputs_.Activity,
                          inboundMiles_, outboundMiles_);
}

void WorkZoneTimingDialog::EvaluateTiming(FormEffects& effects) {
    if (RefuseNegativeAadt(effects)) {
        return;
    }
    LoadVolumes();
    const QueueScenario scenario = Scenario();
    const UserCostInputs costInputs = CostInputs();
    const DialogEvaluation evaluation = EvaluateDialogUserCost(
        day_, scenario, fields_.StartHour, fields_.StopHour, inputs_.Rates, costInputs);
    // Refused before the graph takes the lengths: that day was not priced.
    if (const auto unusable = FirstUnrepresentableFigure(evaluation.Breakdown)) {
        RefuseFigure(effects, ResultFigure::UserCost, *unusable);
        return;
    }
    refusal_.reset();
    breakdown_ = evaluation.Breakdown;
    priced_ = fields_;
    // The graph keeps showing the last work-zone day that was priced in full;
    // a gridlock may have come from the baseline alone, after it was priced.
    if (evaluation.WorkZoneDayPriced) {
        inboundMiles_ = evaluation.InboundQueueLength;
        outboundMiles_ = evaluation.OutboundQueueLength;
    }
    if (breakdown_.Gridlock) {
        ShowGridlock(effects);
    }
}

void WorkZoneTimingDialog::ShowGridlock(FormEffects& effects) {
    Refuse(effects, WorkZoneMessage::Gridlock, WorkZoneMessage::GridlockCaption,
           WorkZoneControl::StartHour);
}

void WorkZoneTimingDialog::RefuseFigure(FormEffects& effects, ResultFigure figure, double value) {
    UnusableResult unusable;
    unusable.Figure = figure;
    unusable.Value = value;
    unusable.Alternative = inputs_.Alternative;
    unusable.Activity = inputs_.Activity;
    unusable.Year = inputs_.ActivityYear;
    unusable.Aadt = aadt_;
    unusable.GrowthRate = inputs_.TrafficGrowthMean;
    refusal_ = DescribeUnusableResult(unusable);
    breakdown_ = UserCostBreakdown{};
    effects.ShowMessage(refusal_->Message, refusal_->Caption, MessageIcon::Exclamation);
}

bool WorkZoneTimingDialog::RefuseNegativeAadt(FormEffects& effects) {
    if (aadt_ >= 0) {
        return false;
    }
    RefuseFigure(effects, ResultFigure::GrownAadt, aadt_);
    return true;
}

void WorkZoneTimingDialog::LoadVolumes() {
    day_.Inbound.Volume = inboundVolume_;
    day_.Outbound.Volume = outboundVolume_;
}

QueueScenario WorkZoneTimingDialog::Scenario() const {
    return QueueScenario{inputs_.ServiceFlowRate, capacities_.WorkZone, capacities_.Dissipation,
                         inputs_.PostedSpeedLimit};
}

UserCostInputs WorkZoneTimingDialog::CostInputs() const {
    return UserCostInputs{inputs_.PercentSUTrucks,  inputs_.PercentCUTrucks,
                          inputs_.PostedSpeedLimit, inputs_.WorkZoneSpeedLimit,
                          addedTimePerVehicle_,     days_,
                          fields_.InboundPercent,   fields_.OutboundPercent};
}

void WorkZoneTimingDialog::UpdateStopHour() {
    fields_.StopHour = StopHourFor(fields_.StartHour, fields_.HoursInEffect);
}

void WorkZoneTimingDialog::UpdateDays() {
    days_ = ComputeDaysToComplete(inputs_.RequiredTime, fields_.HoursInEffect,
                                  fields_.MobilizationHours);
}

} // namespace wexa::forms
