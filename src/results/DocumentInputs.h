#pragma once

#include "model/Project.h"
#include "results/DocumentContent.h"

#include <string>
#include <vector>

namespace wexa::forms {

// The "Inputs" section of the analysis document: what the analysis was run
// on, in the labels of the main form and its dialogs. The general, traffic
// and hourly inputs; the cost rates where they differ from the shipped ones
// (one sentence when none does); each declared alternative with each of its
// declared activities (years to the next, bid items with their total,
// time-related items, the work zone, the stored days and work-zone user
// cost); last the given warnings under "Warnings", left out when there are
// none. Stored text is shown with its control characters escaped, and so are
// the warnings.
[[nodiscard]] DocumentSection InputsSection(const Project& project,
                                            const std::vector<std::string>& warnings);

} // namespace wexa::forms
