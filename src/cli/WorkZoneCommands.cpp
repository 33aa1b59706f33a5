#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "cli/Commands.h"
#include "cli/OutputPaths.h"
#include "cli/TextFormat.h"
#include "cli/WorkZoneOutput.h"
#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"
#include "model/Capacities.h"
#include "model/PathText.h"
#include "model/ProjectFile.h"
#include "simulation/ProjectChecks.h"

#include <memory>
#include <optional>
#include <sstream>
#include <string>

// workzone and optimize compute from the project as stored in the file: the
// activity's slot arrays, not the form's copies, and none of the main form's
// checks before the dialog. What the analysis run could not use is refused
// as the run refuses it (exit 1), and so is an evaluation whose figures are
// not results (the dialog's refusal: nothing is printed or written); numbers
// that name no activity are usage errors (exit 2).

namespace wexa::cli {

namespace {

int Refuse(Output output, const CheckFailure& failure) {
    return ReportRefusal(output, failure.Caption, failure.Message);
}

// The project and the one activity the command prices, checked in the order
// the run checks them; the numbers are checked against what the project
// declares once the declaration itself is known to be usable.
std::optional<int> CheckWorkZoneRequest(const Project& p, const WorkZoneOptions& options,
                                        Output output) {
    if (auto failure = CheckProjectStructure(p)) {
        return Refuse(output, *failure);
    }
    if (options.alternative > p.NumberOfAlternatives) {
        return ReportFileError(output, "--alternative " + std::to_string(options.alternative) +
                                           ": the project declares only " +
                                           std::to_string(p.NumberOfAlternatives) +
                                           " alternative(s).");
    }
    if (auto failure = CheckAlternativeStructure(p, options.alternative)) {
        return Refuse(output, *failure);
    }
    const int activities = p.AlternativeActivityCount[options.alternative - 1];
    if (options.activity > activities) {
        return ReportFileError(output, "--activity " + std::to_string(options.activity) +
                                           ": alternative " + std::to_string(options.alternative) +
                                           " declares only " + std::to_string(activities) +
                                           " work activit" + (activities == 1 ? "y." : "ies."));
    }
    const int slot = ActivitySlot(options.alternative, options.activity);
    if (auto failure = CheckActivityStructure(p, slot, true)) {
        return Refuse(output, *failure);
    }
    return std::nullopt;
}

std::string ActivityName(int alternative, int activity) {
    return "Alternative " + std::to_string(alternative) + ", activity " + std::to_string(activity);
}

} // namespace

int WorkZoneCommand(const WorkZoneOptions& options, Output output) {
    if (options.alternative < 1 || options.alternative > kMaxAlternatives) {
        return ReportFileError(output, "--alternative " + std::to_string(options.alternative) +
                                           ": an alternative number is 1 to 4.");
    }
    if (options.activity < 1 || options.activity > kActivitiesPerAlternative) {
        return ReportFileError(output, "--activity " + std::to_string(options.activity) +
                                           ": a work activity number is 1 to 10.");
    }
    const auto project = ReadProjectOrReport(options.projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    if (const auto refused = CheckWorkZoneRequest(*project, options, output)) {
        return *refused;
    }

    forms::NoticeCollector notices;
    forms::WorkZoneTimingDialog dialog(forms::WorkZoneDialogInputs::FromStoredActivity(
        *project, options.alternative, options.activity));
    dialog.Open(notices);
    if (options.findOptimum) {
        // As in the dialog, only what the search shows is reported.
        notices.Notices.clear();
        dialog.FindOptimumStart(notices);
    }
    if (const auto& refusal = dialog.Refusal()) {
        return Refuse(output, *refusal);
    }
    if (options.json) {
        output.out << WorkZoneToJson(dialog).dump() << '\n';
    } else {
        WriteWorkZoneText(output.out, dialog, notices);
    }
    return kExitSuccess;
}

int OptimizeCommand(const std::string& projectPath, const std::string& outputPath, Output output) {
    if (const auto refused = CheckOutputPaths(output, {projectPath}, {outputPath})) {
        return *refused;
    }
    const auto project = ReadProjectOrReport(projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    // Activities that exclude user costs are left alone, so their values
    // are not looked at.
    if (const auto failure = CheckUsedStructure(*project, CheckedActivities::PricedOnly)) {
        return Refuse(output, *failure);
    }

    forms::NoticeCollector ignored; // the gridlock notice becomes the line below
    // Printed only once the file is written: a refusal or a failed write
    // reports no results.
    std::ostringstream results;
    for (int alternative = 1; alternative <= project->NumberOfAlternatives; ++alternative) {
        for (int activity = 1; activity <= project->AlternativeActivityCount[alternative - 1];
             ++activity) {
            const std::string name = ActivityName(alternative, activity);
            if (project->ActivityUserCostModes[ActivitySlot(alternative, activity)] !=
                kIncludeUserCosts) {
                results << name << ": user costs excluded, left as it was\n";
                continue;
            }
            // Each dialog works on the project as the earlier activities left
            // it; none of them reads another activity's slot.
            forms::WorkZoneTimingDialog dialog(
                forms::WorkZoneDialogInputs::FromStoredActivity(*project, alternative, activity));
            dialog.Open(ignored);
            dialog.FindOptimumStart(ignored);
            if (const auto& refusal = dialog.Refusal()) {
                return Refuse(output, *refusal);
            }
            dialog.StoreInto(*project);
            const forms::WorkZoneTimingFields& fields = dialog.Fields();
            if (dialog.Gridlock()) {
                // The baseline does not depend on the start hour, so a gridlock
                // after the search means no start hour escapes it.
                results << name << ": every start hour gridlocks (user cost -1)\n";
            } else {
                results << name << ": start hour " << fields.StartHour << ", stop hour "
                        << fields.StopHour << ", user cost "
                        << FormatNumber(dialog.Breakdown().Total) << '\n';
            }
        }
    }

    const FileResult written = WriteProjectFile(PathFromText(outputPath), *project);
    if (!written) {
        return ReportNotWritten(output, written);
    }
    output.out << results.str();
    return kExitSuccess;
}

} // namespace wexa::cli
