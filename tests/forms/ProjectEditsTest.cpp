// What counts as an edit when the window decides whether the project holds
// unsaved changes: browsing does not, anything the user changes does.
#include "forms/ProjectEdits.h"
#include "CaseNames.h"
#include "MainFormFixture.h"
#include "model/ProjectFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;
using F = FormField;

// Two alternatives of three activities; the years of activity 2 and 3 are
// stale (their predecessors' years to the next activity changed since they
// were last computed), as in a file saved right after such an edit.
class ProjectEditsTest : public MainFormTest {
protected:
    ProjectEditsTest() {
        Project& p = *project_;
        p.NumberOfAlternatives = 2;
        p.AlternativeActivityCount = {3, 3, 1, 1};
        p.NumberOfActivities = 3;
        p.ActivityYearsExpected[0] = 12;
        p.ActivityYearsExpected[1] = 15;
        p.ActivityWorkZoneLength[1] = 0.5;
        p.AlternativeDescriptions[1] = "Concrete";
        ShowActivityAt(1, 1);
        before_ = EditedContent(p);
    }

    [[nodiscard]] bool Edited() const { return EditedContent(*project_) != before_; }

    std::vector<unsigned char> before_;
};

TEST_F(ProjectEditsTest, BrowsingIsNoEdit) {
    const auto savedBefore = WriteProjectBytes(*project_);
    for (int i = 0; i < 4; ++i) {
        form_.NextWorkActivity();
    }
    form_.NextAlternative();
    form_.NextWorkActivity();
    // Browsing did change what a file would hold: where the form is and the
    // recomputed years.
    EXPECT_NE(WriteProjectBytes(*project_), savedBefore);
    EXPECT_EQ(project_->ActivityYears[2], 27);
    EXPECT_EQ(project_->CurrentAlternative, 2);
    EXPECT_FALSE(Edited());
    form_.NextAlternative();
    EXPECT_EQ(view_.Text(F::WorkZoneLength), "1");
    EXPECT_FALSE(Edited());
}

struct EditCase {
    const char* name;
    std::function<void(MainForm&, MemoryFormView&, Project&)> edit;
    const char* question = nullptr; // the caption of what the edit asks first
};

class EveryEditTest : public ProjectEditsTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EveryEditTest, IsSeen) {
    // Away from the first slot, so that a copy and its slot differ in place.
    form_.NextWorkActivity();
    ASSERT_FALSE(Edited());
    GetParam().edit(form_, view_, *project_);
    if (GetParam().question != nullptr) {
        effects_.TakeQuestion(GetParam().question);
    }
    EXPECT_TRUE(Edited());
}

void Leave(MainForm& form, MemoryFormView& view, F box, std::string text) {
    view.Type(box, std::move(text));
    form.LeaveBox(box);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EveryEditTest,
    ::testing::Values(
        EditCase{"activity box left", [](MainForm& f, MemoryFormView& v,
                                         Project&) { Leave(f, v, F::WorkZoneLength, "2"); }},
        // Stored in its slot only when the list loses the focus.
        EditCase{"years kind picked",
                 [](MainForm& f, MemoryFormView& v, Project&) {
                     v.Select(F::YearsToNextKind, kTriangular);
                     f.SelectDistributionKind(Distribution::YearsToNext);
                 }},
        EditCase{"copy of a value before it reaches its slot",
                 [](MainForm& f, MemoryFormView& v, Project&) {
                     v.Type(F::RequiredTime, "30");
                     f.CollectForm();
                 }},
        EditCase{"number of activities", [](MainForm& f, MemoryFormView& v,
                                            Project&) { Leave(f, v, F::NumberOfActivities, "5"); }},
        EditCase{"alternative description",
                 [](MainForm& f, MemoryFormView& v, Project&) {
                     Leave(f, v, F::AlternativeDescription, "Asphalt");
                 }},
        EditCase{"bid item of another activity",
                 [](MainForm&, MemoryFormView&, Project& p) { p.BidItemQuantities[55] = 3; }},
        EditCase{"project box", [](MainForm& f, MemoryFormView& v,
                                   Project&) { Leave(f, v, F::AnalysisPeriod, "40"); }},
        EditCase{"analysis type",
                 [](MainForm& f, MemoryFormView& v, Project&) {
                     v.Select(F::AnalysisType, kDeterministicAnalysis);
                     f.ClickAnalysisType(kDeterministicAnalysis);
                 },
                 "Type of Analysis"}),
    ByCaseName());

} // namespace
} // namespace wexa::forms
