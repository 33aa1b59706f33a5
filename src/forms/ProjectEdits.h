#pragma once

#include "model/Project.h"

#include <vector>

namespace wexa::forms {

// What of a project is the user's work, for telling whether the project holds
// changes that are not saved: compare the content taken after saving or
// opening with the content now.
//
// It is every value the project file keeps, with two exceptions that are not
// edits:
// - where the form is: the current alternative and activity (and the
//   numbers and copies that follow them), so that browsing with "Next
//   Alternative" and "Next Work Activity" changes nothing. The copies the
//   form shows count as written into their slots, so a value the user
//   changed in a copy is an edit even before it reaches its slot, and
//   showing another slot is not;
// - the expected years of the activities, which stepping through the
//   activities recomputes from the years to the next activity.
[[nodiscard]] std::vector<unsigned char> EditedContent(const Project& project);

} // namespace wexa::forms
