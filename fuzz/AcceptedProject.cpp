#include "AcceptedProject.h"

#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"
#include "model/Capacities.h"
#include "model/Conversions.h"
#include "model/ProjectFile.h"
#include "simulation/AnalysisRun.h"
#include "simulation/ProjectChecks.h"
#include "userdelay/UserCostEvaluation.h"

#include <cstdint>
#include <cstdlib>
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

// An accepted figure is a whole number of dollars below 2^53 either way,
// where every whole dollar is a double (a saturated 64-bit limit is far
// outside). Past it a total of 5e18 missed its parts by $659.
bool Exact(std::int64_t npv) {
    constexpr auto kLimit = static_cast<std::int64_t>(kExactWholeLimit);
    return npv > -kLimit && npv < kLimit;
}

// The total is the agency and the user figure added before they were made
// whole, so it can differ from their sum by the rounding of each: the sum of
// the unrounded figures is off by at most 1/2 (doubles below 2^53 are at
// most 1 apart), each of the three roundings by 1/2, and the salvage credit
// taken from agency and total can part them by 1 more (a truncation on
// either side of 0, or a tie rounded to even only one of them). Below 2^53
// nothing else can: any other difference is a figure that is no result.
bool TotalIsTheSum(std::int64_t agency, std::int64_t user, std::int64_t total) {
    const std::int64_t difference = agency + user - total;
    return difference >= -3 && difference <= 3;
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
            Require(Exact(agency) && Exact(user) && Exact(total));
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
