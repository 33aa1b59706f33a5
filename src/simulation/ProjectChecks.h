#pragma once

#include "model/Project.h"
#include "simulation/CheckFailure.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace wexa {

// Structural checks: values a project file can carry (files are not
// range-checked on loading) that the analysis run or the work-zone evaluation
// cannot use, because they would index outside a table, divide by nothing or
// turn every figure into NaN. Each returns the first failure, captioned
// "Project Data Error", with a message naming the field (and the alternative
// and activity where there is one); nullopt when everything passes.
//
// Callers run them in this order: the project, then each alternative they
// use, then each of its activities they use. CheckUsedStructure does exactly
// that for everything the analysis run visits.

inline constexpr const char* kProjectDataErrorCaption = "Project Data Error";

// The rule an activity's work-zone speed breaks when it is above the posted
// speed; the run, `workzone` and the work-zone dialog state it alike.
inline constexpr const char* kWorkZoneFasterThanPosted =
    "The work zone speed limit must not be above the posted speed limit.";

// A discount rate at or below this (percent) leaves a discount factor of 0,
// or one that changes sign from year to year.
inline constexpr double kLowestDiscountRate = -100.0;

// How the messages name an activity ("Alternative 2, work activity 3: ") and
// write a real (up to 15 significant digits).
[[nodiscard]] std::string ActivityPlace(int alternative, int activity);
[[nodiscard]] std::string DescribeReal(double value);

// A value of a dialog as the messages name it, by its label in the label
// table and the dialog's title: "\"Unit Price\" in the \"Costs Dependent on
// Time of Construction\" dialog".
[[nodiscard]] std::string LabelInDialog(std::string_view label, std::string_view title);
// Several of one dialog: "\"A\", \"B\" and \"C\" in the \"T\" dialog".
[[nodiscard]] std::string LabelsInDialog(std::initializer_list<std::string_view> labels,
                                         std::string_view title);

// Project-level values: the declared counts, lanes, service flow rate, posted
// speed, base AADT, analysis period, every project real and table the run
// reads being finite, the AADT cap, and the discount rate a deterministic run
// uses when it is fixed.
[[nodiscard]] std::optional<CheckFailure> CheckProjectStructure(const Project& project);

// The declared activity count of one alternative (numbered from 1). A number
// outside 1..4 is refused, not read.
[[nodiscard]] std::optional<CheckFailure> CheckAlternativeStructure(const Project& project,
                                                                    int alternative);

// One activity slot (0-based, as stored). Every used activity: its user-cost
// mode, its reals, and its agency cost and required time variabilities within
// 0..100 %. With includesUserCosts also its work zone: speed (not above the
// project's posted speed), start
// and stop hours, hours in effect, mobilization and lanes, and the required
// hours and days its time-related costs are priced on. A slot outside the
// arrays is refused, not read.
[[nodiscard]] std::optional<CheckFailure>
CheckActivityStructure(const Project& project, int activitySlot, bool includesUserCosts);

// The daily timing of a work zone as stored for an activity: start and stop
// hours 0..23, 1..24 hours in effect, and a mobilization time that is not
// negative and, below 24 hours a day, leaves working time. `where` opens the
// message (for example "Alternative 1, work activity 2: ").
[[nodiscard]] std::optional<CheckFailure> CheckWorkZoneTiming(int startHour, int stopHour,
                                                              int hoursInEffect,
                                                              int mobilizationHours,
                                                              const std::string& where = {});

// Which of the declared activities a walk over the project checks.
enum class CheckedActivities {
    // Everything the analysis run reads: every declared activity, its work
    // zone only when its mode includes user costs.
    EveryDeclared,
    // Only what pricing the work zones reads: activities that exclude user
    // costs are skipped (a mode that is neither include nor exclude is still
    // refused).
    PricedOnly,
};

// The project, then every declared alternative and its declared activities.
[[nodiscard]] std::optional<CheckFailure>
CheckUsedStructure(const Project& project,
                   CheckedActivities activities = CheckedActivities::EveryDeclared);

} // namespace wexa
