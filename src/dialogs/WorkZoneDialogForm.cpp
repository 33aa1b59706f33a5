#include "dialogs/WorkZoneDialogForm.h"

#include "forms/WorkZoneDialogText.h"

#include <utility>

namespace wexa::forms {

std::string WorkZoneBox::Cost(int row) {
    return RowControl("Cost", row);
}

std::string WorkZoneBox::Percent(int row) {
    return RowControl("Percent", row);
}

WorkZoneDialogForm::WorkZoneDialogForm(WorkZoneDialogInputs inputs) : logic_(std::move(inputs)) {
    WriteBoxes();
}

template <typename Rule> bool WorkZoneDialogForm::Handle(FormEffects& effects, Rule&& rule) {
    return latch_.Run(
        [&] {
            BoxReader reader(effects);
            ReadBoxes(reader);
            return reader.AllRead();
        },
        rule, [this] { WriteBoxes(); });
}

template <typename Act> bool WorkZoneDialogForm::Press(FormEffects& effects, Act&& act) {
    return Handle(effects, [&](bool allRead) {
        if (allRead) {
            act();
        }
    });
}

void WorkZoneDialogForm::Open(FormEffects& effects) {
    // Nothing to read yet: the boxes show what the logic was made with.
    latch_.Run([] { return true; }, [&](bool) { logic_.Open(effects); }, [this] { WriteBoxes(); });
}

void WorkZoneDialogForm::LeaveStartHour(FormEffects& effects) {
    Handle(effects, [&](bool) { logic_.LeaveStartHour(effects); });
}

void WorkZoneDialogForm::LeaveHoursInEffect(FormEffects& effects) {
    Handle(effects, [&](bool) { logic_.LeaveHoursInEffect(effects); });
}

void WorkZoneDialogForm::LeaveMobilization(FormEffects& effects) {
    Handle(effects, [&](bool) { logic_.LeaveMobilization(effects); });
}

void WorkZoneDialogForm::CalculateCosts(FormEffects& effects) {
    Press(effects, [&] { logic_.CalculateCosts(effects); });
}

void WorkZoneDialogForm::FindOptimum(FormEffects& effects) {
    Press(effects, [&] { logic_.FindOptimumStart(effects); });
}

bool WorkZoneDialogForm::PressOk(FormEffects& effects) {
    bool refused = false;
    const bool allRead = Press(effects, [&] {
        if (!logic_.FiguresCurrent()) {
            logic_.CalculateCosts(effects);
            refused = logic_.Refusal().has_value() || logic_.Gridlock();
        } else if (const auto& refusal = logic_.Refusal()) {
            // Nothing to hand back: say why again and stay open, so that the
            // user changes the timing or cancels.
            effects.ShowMessage(refusal->Message, refusal->Caption, MessageIcon::Exclamation);
            refused = true;
        }
    });
    return allRead && !refused;
}

std::optional<QueueGraphContent> WorkZoneDialogForm::GraphQueueLength(FormEffects& effects) {
    std::optional<QueueGraphContent> graph;
    Press(effects, [&] { graph = logic_.QueueGraph(); });
    return graph;
}

void WorkZoneDialogForm::ReadBoxes(BoxReader& reader) {
    WorkZoneTimingFields& f = logic_.Fields();
    reader.Read(boxes_.MobilizationHours, f.MobilizationHours, WorkZoneControl::MobilizationHours);
    reader.Read(boxes_.StartHour, f.StartHour, WorkZoneControl::StartHour);
    reader.Read(boxes_.HoursInEffect, f.HoursInEffect, WorkZoneControl::HoursInEffect);
    reader.Read(boxes_.InboundPercent, f.InboundPercent, WorkZoneBox::InboundPercent);
    reader.Read(boxes_.OutboundPercent, f.OutboundPercent, WorkZoneBox::OutboundPercent);
}

void WorkZoneDialogForm::WriteBoxes() {
    const WorkZoneDialogInputs& in = logic_.Inputs();
    const WorkZoneTimingFields& f = logic_.Fields();
    const UserCostBreakdown& costs = logic_.Breakdown();
    WorkZoneDialogBoxes& b = boxes_;
    b.Alternative = BoxText(Int32{in.Alternative});
    b.Activity = BoxText(Int32{in.Activity});
    b.Year = BoxText(Int32{in.ActivityYear});
    b.Aadt = BoxText(Int32{logic_.Aadt()});
    b.RequiredTime = BoxText(Int32{in.RequiredTime});
    b.MobilizationHours = BoxText(Int32{f.MobilizationHours});
    b.StartHour = BoxText(Int32{f.StartHour});
    b.HoursInEffect = BoxText(Int32{f.HoursInEffect});
    b.StopHour = BoxText(Int32{f.StopHour});
    b.Days = BoxText(Int32{logic_.Days()});
    b.InboundPercent = BoxText(f.InboundPercent);
    b.OutboundPercent = BoxText(f.OutboundPercent);
    // A refused evaluation has no figures: the cost summary stays empty.
    const bool shown = !logic_.Refusal().has_value();
    const auto text = [shown](double value) { return shown ? BoxText(value) : std::string(); };
    for (int row = 0; row < kCostComponentCount; ++row) {
        b.Costs[row] = text(costs.Components[row]);
        b.Percents[row] = text(costs.Percentages[row]);
    }
    b.Total = text(costs.Total);
    b.TotalPercent = text(costs.TotalPercentage);
    b.FiguresOutOfDate = shown && !logic_.FiguresCurrent();
}

} // namespace wexa::forms
