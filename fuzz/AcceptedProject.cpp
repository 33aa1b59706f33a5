#include "AcceptedProject.h"

#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"
#include "model/Capacities.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"
#include "simulation/ProjectChecks.h"
#include "userdelay/UserCostEvaluation.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

namespace wexa::fuzz {

using forms::ForEachPricedActivity;
using forms::NoticeCollector;
using forms::WorkZoneDialogInputs;
using forms::WorkZoneTimingDialog;
namespace {

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A refused evaluation shows no figures; an accepted one shows only figures
// that are results.
void CheckWorkZone(const forms::WorkZoneTimingDialog& dialog) {
    if (!dialog.Refusal() && !dialog.Gridlock()) {
        Require(!FirstUnrepresentableFigure(dialog.Breakdown()).has_value());
    }
}

void EvaluateWorkZones(const Project& project) {
    if (CheckUsedStructure(project, CheckedActivities::PricedOnly)) {
        return; // refused as the command line refuses it
    }
    bool searched = false;
    ForEachPricedActivity(project, [&](int alternative, int activity) {
        NoticeCollector ignored;
        WorkZoneTimingDialog dialog(
            WorkZoneDialogInputs::FromStoredActivity(project, alternative, activity));
        dialog.Open(ignored);
        CheckWorkZone(dialog);
        if (!searched) {
            // The search prices all 24 start hours: once per input is
            // enough to reach it without slowing the fuzzer down.
            searched = true;
            dialog.FindOptimumStart(ignored);
            CheckWorkZone(dialog);
        }
    });
}

bool Saturated(std::int64_t npv) {
    return npv == std::numeric_limits<std::int64_t>::min() ||
           npv == std::numeric_limits<std::int64_t>::max();
}

// The total is the agency and the user figure added before they were made
// whole, so it can differ from their sum by the rounding of each, and by the
// spacing of doubles where the figures are that large. A figure that was
// not a number or out of range before it was made whole breaks this.
__extension__ using Int128 = __int128; // the sum of two 64-bit figures

bool TotalIsTheSum(std::int64_t agency, std::int64_t user, std::int64_t total) {
    const Int128 sum = Int128{agency} + user;
    const Int128 difference = sum > total ? sum - total : total - sum;
    const Int128 magnitude = total < 0 ? -Int128{total} : Int128{total};
    return difference <= 2 + (magnitude >> 48);
}

void RunDeterministically(const Project& accepted) {
    auto project = std::make_unique<Project>(accepted);
    project->AnalysisType = kDeterministicAnalysis;
    const auto before = WriteProjectBytes(*project);
    const auto resultsBefore = std::make_unique<Project>(*project);
    auto workspace = std::make_unique<AnalysisWorkspace>();
    if (RunAnalysis(*project, *workspace, {1u, nullptr})) {
        Require(project->AgencyNpvResults == resultsBefore->AgencyNpvResults &&
                project->UserNpvResults == resultsBefore->UserNpvResults &&
                project->TotalNpvResults == resultsBefore->TotalNpvResults &&
                project->ValidCounts == resultsBefore->ValidCounts);
        return;
    }
    Require(WriteProjectBytes(*project) == before); // a run changes no input
    for (int a = 0; a < project->NumberOfAlternatives; ++a) {
        if (workspace->Statuses[a][0] == IterationStatus::Valid) {
            const std::int64_t agency = project->AgencyNpvResults[a][0];
            const std::int64_t user = project->UserNpvResults[a][0];
            const std::int64_t total = project->TotalNpvResults[a][0];
            Require(!Saturated(agency) && !Saturated(user) && !Saturated(total));
            Require(TotalIsTheSum(agency, user, total));
        }
    }
}

} // namespace

void ExerciseAcceptedProject(const Project& project) {
    EvaluateWorkZones(project);
    RunDeterministically(project);
}

} // namespace wexa::fuzz
