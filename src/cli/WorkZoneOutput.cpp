#include "cli/WorkZoneOutput.h"

#include "cli/TextFormat.h"
#include "forms/WorkZoneDialogText.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace wexa::cli {

namespace {

namespace Label = forms::WorkZoneLabel;

std::string Fixed(double value, int decimals) {
    char buffer[400]; // room for the widest double printed in full
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    padded.resize(std::max(width, text.size()), ' ');
    return padded;
}

class Table {
public:
    explicit Table(std::ostream& out) : out_(out) {}

    void Row(std::string_view label, const std::string& value, std::string_view unit = {}) {
        out_ << PadRight(label, kLabelWidth) << ' ' << value;
        if (!unit.empty()) {
            out_ << ' ' << unit;
        }
        out_ << '\n';
    }

    void CostRow(std::string_view label, double cost, const std::string& percent) {
        out_ << PadRight(label, kCostLabelWidth) << PadLeft(Fixed(cost, 0), kCostWidth)
             << PadLeft(percent, kPercentWidth) << '\n';
    }

    void CostHeader() {
        out_ << PadRight(Label::ComponentColumn, kCostLabelWidth)
             << PadLeft(Label::CostColumn, kCostWidth)
             << PadLeft(Label::PercentColumn, kPercentWidth) << '\n';
    }

private:
    static constexpr std::size_t kLabelWidth = Label::Days.size();
    static constexpr std::size_t kCostLabelWidth = 26;
    static constexpr std::size_t kCostWidth = 16;
    static constexpr std::size_t kPercentWidth = 18;
    std::ostream& out_;
};

} // namespace

nlohmann::ordered_json WorkZoneToJson(const forms::WorkZoneTimingDialog& dialog) {
    const forms::WorkZoneDialogInputs& in = dialog.Inputs();
    const forms::WorkZoneTimingFields& fields = dialog.Fields();
    const UserCostBreakdown& costs = dialog.Breakdown();
    nlohmann::ordered_json json;
    json["alternative"] = in.Alternative;
    json["activity"] = in.Activity;
    json["year"] = in.ActivityYear;
    json["aadt"] = dialog.Aadt();
    json["inboundVolume"] = dialog.InboundVolume();
    json["outboundVolume"] = dialog.OutboundVolume();
    json["workZoneCapacity"] = dialog.Capacities().WorkZone;
    json["dissipationCapacity"] = dialog.Capacities().Dissipation;
    json["days"] = dialog.Days();
    json["startHour"] = fields.StartHour;
    json["stopHour"] = fields.StopHour;
    json["hoursInEffect"] = fields.HoursInEffect;
    json["gridlock"] = dialog.Gridlock();
    json["components"] = costs.Components;
    json["total"] = costs.Total;
    json["percentages"] = costs.Percentages;
    json["totalPercentage"] = costs.TotalPercentage;
    json["inboundQueueLength"] = dialog.InboundQueueLength();
    json["outboundQueueLength"] = dialog.OutboundQueueLength();
    return json;
}

void WriteWorkZoneText(std::ostream& out, const forms::WorkZoneTimingDialog& dialog,
                       const forms::NoticeCollector& notices) {
    const forms::WorkZoneDialogInputs& in = dialog.Inputs();
    const forms::WorkZoneTimingFields& fields = dialog.Fields();
    const UserCostBreakdown& costs = dialog.Breakdown();
    Table table(out);
    out << forms::kWorkZoneDialogTitle << "\n\n";
    table.Row(Label::Alternative, FormatNumber(in.Alternative));
    table.Row(Label::Activity, FormatNumber(in.Activity));
    table.Row(Label::Year, FormatNumber(in.ActivityYear));
    table.Row(Label::Aadt, FormatNumber(dialog.Aadt()));
    table.Row(Label::RequiredTime, FormatNumber(in.RequiredTime), Label::Hours);
    table.Row(Label::Mobilization, FormatNumber(fields.MobilizationHours), Label::HoursPerDay);
    out << '\n' << Label::TimingGroup << '\n';
    table.Row(Label::StartHour, FormatNumber(fields.StartHour));
    table.Row(Label::HoursInEffect, FormatNumber(fields.HoursInEffect));
    table.Row(Label::StopHour, FormatNumber(fields.StopHour));
    table.Row(Label::Days, FormatNumber(dialog.Days()));
    out << '\n' << Label::Directions << '\n';
    table.Row(Label::Inbound, FormatNumber(fields.InboundPercent));
    table.Row(Label::Outbound, FormatNumber(fields.OutboundPercent));

    out << '\n' << Label::CostGroup << '\n';
    table.CostHeader();
    for (int i = 0; i < kCostComponentCount; ++i) {
        table.CostRow(Label::Components[i], costs.Components[i], Fixed(costs.Percentages[i], 2));
    }
    table.CostRow(Label::Total, costs.Total, Fixed(costs.TotalPercentage, 0));

    for (const auto& notice : notices.Notices) {
        out << '\n' << notice.Caption << ":\n" << notice.Text << '\n';
    }
}

} // namespace wexa::cli
