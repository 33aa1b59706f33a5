#pragma once

#include "forms/DialogBoxes.h"
#include "model/FieldLabels.h"

#include <string>
#include <string_view>

namespace wexa::forms {

// The texts of the "Hourly Traffic Distributions and Directional Split"
// dialog; its "OK" and "Cancel" are in DialogLabels.h.

namespace HourlyDistributionMessage {
inline constexpr MessageText Inbound{
    "The percent inbound must be between 0 and 100.\nPlease Adjust.", "Percent Inbound Error"};
inline constexpr MessageText Sum{"The hourly percent of AADT do not add to 100.\nPlease Adjust.",
                                 "Percent AADT Error"};
// A distribution file that cannot be written names the file and says why.
inline constexpr std::string_view SaveFailedCaption = "Save Error";
} // namespace HourlyDistributionMessage

namespace HourlyDistributionLabel {
inline constexpr std::string_view Title = DialogTitle::HourlyDistribution;
inline constexpr std::string_view AmGroup = "AM Hours";
inline constexpr std::string_view PmGroup = "PM Hours";
inline constexpr std::string_view Hour = "Hour";
inline constexpr std::string_view AADT = FieldLabel::HourlyAADT;
inline constexpr std::string_view Inbound = FieldLabel::HourlyInbound;
inline constexpr std::string_view Outbound = FieldLabel::HourlyOutbound;
inline constexpr std::string_view SumButton = "Sum AADT";
inline constexpr std::string_view Total = "Total:";
inline constexpr std::string_view OffBy = "Off By:";
inline constexpr std::string_view Percent = "%";
inline constexpr std::string_view Import = "Import Distribution";
inline constexpr std::string_view Save = "Save Distribution";
inline constexpr std::string_view Reminder = "Remember to Save Distribution";

// The row label of hour h (0..23): "0-1" .. "23-24".
[[nodiscard]] inline std::string HourRow(int hour) {
    return HourRange(hour);
}
} // namespace HourlyDistributionLabel

// What the file dialogs of "Save Distribution" and "Import Distribution"
// start with, the type list in the desktop platform's notation.
inline constexpr std::string_view kDistributionInitialName = "*.dst";
inline constexpr std::string_view kDistributionFileFilter =
    "Distribution Files (*.dst) |*.dst|All Files (*.*) |*.*||";

// Controls the dialog logic moves the focus to (see FormEffects); hours
// counted from 0.
namespace HourlyDistributionControl {
[[nodiscard]] inline std::string AADT(int hour) {
    return RowControl("AADTPercent", hour);
}
[[nodiscard]] inline std::string Inbound(int hour) {
    return RowControl("InboundPercent", hour);
}
[[nodiscard]] inline std::string Outbound(int hour) {
    return RowControl("OutboundPercent", hour);
}
inline constexpr std::string_view Total = "Total";
inline constexpr std::string_view OffBy = "OffBy";
} // namespace HourlyDistributionControl

} // namespace wexa::forms
