#include "forms/ProjectEdits.h"

#include "forms/ActivityFields.h"
#include "model/ProjectFile.h"

#include <memory>

namespace wexa::forms {

namespace {

// The copies of the current alternative and activity written into their
// slots, as the form's handlers write them.
void StoreCopies(Project& p) {
    StoreActivityFields(p);
    if (const auto alternative = CurrentAlternativeIndex(p)) {
        p.AlternativeActivityCount[*alternative] = p.NumberOfActivities;
        p.AlternativeDescriptions[*alternative] = p.AlternativeDescription;
    }
}

// The same place for every project: the first activity of the first
// alternative, its copies loaded, and none of the derived years.
void ShowFirstSlot(Project& p) {
    p.CurrentAlternative = p.ActivityAlternative = p.ResultAlternative = 1;
    p.CurrentActivity = 1;
    p.CurrentActivityIndex = 0;
    p.ActivityYears.fill(0);
    LoadActivityFields(p);
    p.NumberOfActivities = p.AlternativeActivityCount[0];
    p.AlternativeDescription = p.AlternativeDescriptions[0];
    // Follow the kind and how the form was reached.
    p.YearsToNextCaptions = {};
}

} // namespace

std::vector<unsigned char> EditedContent(const Project& project) {
    // The project is large: the copy lives on the heap.
    auto content = std::make_unique<Project>(project);
    StoreCopies(*content);
    ShowFirstSlot(*content);
    return WriteProjectBytes(*content);
}

} // namespace wexa::forms
