#include "forms/WorkZoneDialogChecks.h"

#include "forms/FormField.h"

#include <array>
#include <string>

namespace wexa::forms {

namespace {

struct DialogCheck {
    bool (*Fails)(const Project&);
    const char* Message;
    const char* Caption;
    FormField Focus;
};

// clang-format off
const std::array<DialogCheck, 5> kChecks{{
    {[](const Project& p) { return p.PercentSUTrucks + p.PercentCUTrucks != p.PercentTrucks; },
     "The percent single units and percent combination units\ndo not add to the percent of "
     "trucks.\nPlease Adjust.",
     "Traffic Distribution Error", FormField::PercentTrucks},
    {[](const Project& p) { return p.WorkZoneLength > p.ProjectLength; },
     "The length of the work zone must be less than the length of the project.\nPlease adjust.",
     "Length Error", FormField::WorkZoneLength},
    {[](const Project& p) { return p.WorkZoneSpeedLimit > p.PostedSpeedLimit; },
     // The run's check of the stored activity states the same rule
     // (kWorkZoneFasterThanPosted).
     "The work zone speed limit must not be above the posted speed limit.\nPlease adjust.",
     "Speed Limit Error", FormField::WorkZoneSpeedLimit},
    {[](const Project& p) {
         return p.NumberOfLanes * p.WorkZoneDissipationCapacity > p.ServiceFlowRate ||
                p.WorkZoneLanes * p.WorkZoneCapacity > p.WorkZoneLanes * p.WorkZoneDissipationCapacity;
     },
     "The work zone dissipation capacity must not exceed the service flow rate (per lane),\nand "
     "must be above the work zone capacity.\nPlease adjust.",
     "Dissipation Capacity Error", FormField::WorkZoneDissipationCapacity},
    {[](const Project& p) { return p.WorkZoneLanes > p.NumberOfLanes; },
     "The number of work zone lanes must be less than the number of project lanes.\nPlease "
     "adjust.",
     "Number of Lanes Error", FormField::WorkZoneLanes},
}};
// clang-format on

} // namespace

std::optional<CheckFailure> CheckBeforeWorkZoneDialog(const Project& project) {
    for (const DialogCheck& check : kChecks) {
        if (check.Fails(project)) {
            return CheckFailure{check.Message, check.Caption, std::string(NameOf(check.Focus))};
        }
    }
    return std::nullopt;
}

} // namespace wexa::forms
