#pragma once

#include "model/Project.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wexa::forms {

// Whether what the work-zone dialog stored for each activity still holds
// before a run. The run prices an activity's per-day time-related items with
// its stored days to complete, and the report prints its stored days and
// work-zone user cost; only the dialog's OK stores them. An activity that
// was never timed in the dialog, or whose inputs changed since, therefore
// runs and reports on figures that are not its own. The window asks before
// it runs such a project, the command line warns and runs.

// One included activity whose stored figures the run would use as they are.
struct StaleTiming {
    int Alternative = 0; // numbered from 1
    int Activity = 0;
    // 0 days stored while a per-day time-related item carries a price: the
    // item adds nothing to the agency cost.
    bool PerDayItemsUnpriced = false;
    // The dialog, opened on the stored timing, computes other days or
    // another user cost than those stored (false when it cannot price it).
    bool OutOfDate = false;
    Int32 StoredDays = 0;
    double StoredUserCost = 0;
    Int32 DialogDays = 0;
    double DialogUserCost = 0;
};

// Every declared activity that includes work-zone user costs, evaluated
// once as the dialog evaluates its stored timing (WorkZoneTimingDialog on
// the stored activity). Nothing when the project fails the run's structural
// checks: the run refuses it with its own message.
[[nodiscard]] std::vector<StaleTiming> FindStaleTimings(const Project& project);

// One line per activity, naming it and what is wrong.
[[nodiscard]] std::vector<std::string> DescribeStaleTimings(const std::vector<StaleTiming>& stale);

// The question the window asks before such a run: the first
// kStaleTimingsNamed activities, how many more there are, the advice, and
// whether to run anyway. It stays a box that fits on a screen, however many
// activities are stale.
[[nodiscard]] std::string StaleTimingQuestion(const std::vector<StaleTiming>& stale);
inline constexpr std::size_t kStaleTimingsNamed = 5;

inline constexpr const char* kStaleTimingCaption = "Work Zone Timing Not Stored";
// What the user can do about it, after the lines.
inline constexpr const char* kStaleTimingAdvice =
    "The run prices per-day time-related costs with the stored days. Open \"Work Zone Timing "
    "and Costs\" for each activity named and press OK to store what it computes.";

} // namespace wexa::forms
