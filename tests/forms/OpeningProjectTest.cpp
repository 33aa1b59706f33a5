// Opening a project after another: the form shows exactly the opened project,
// and an edit lands in the activity on screen.
#include "MainFormFixture.h"
#include "forms/FieldChecks.h"
#include "model/ProjectFile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>

namespace wexa::forms::testing {
namespace {

std::filesystem::path Example(const std::string& name) {
    return std::filesystem::path(WEXA_EXAMPLES_DIR) / (name + ".wxa");
}

class OpeningProjectTest : public MainFormTest {
protected:
    // What the window does for File > Open: the form read, the file opened,
    // the form shown again.
    void Open(const std::filesystem::path& path) {
        form_.CollectForm();
        ASSERT_TRUE(OpenProjectFile(path, *project_));
        form_.AfterLoad();
    }

    // Walks the form as far from activity 1 of alternative 1 as it goes, then
    // leaves a work-zone length the check before the work-zone dialog refuses
    // typed in its box.
    void WanderAndRefuse() {
        for (int a = 1; a < project_->NumberOfAlternatives; ++a) {
            form_.NextAlternative();
        }
        for (int w = 1; w < project_->NumberOfActivities; ++w) {
            form_.NextWorkActivity();
        }
        Leave(FormField::WorkZoneLength, "99");
        EXPECT_FALSE(form_.CheckWorkZoneDialog());
        effects_.TakeMessage("Length Error");
        Type(FormField::WorkZoneLength, "98");
    }

    // Every control as the form must show `path`: its saved fields, the
    // activity it names with that activity's stored values, and a new
    // project's values for what the file does not hold.
    static FormState Expected(const std::filesystem::path& path) {
        auto expected = std::make_unique<Project>();
        EXPECT_TRUE(ReadProjectFile(path, *expected));
        Project& p = *expected;
        p.NumberOfActivities = p.AlternativeActivityCount[p.CurrentAlternative - 1];
        p.AlternativeDescription = p.AlternativeDescriptions[p.CurrentAlternative - 1];
        p.CurrentActivityIndex = ActivitySlot(p.CurrentAlternative, p.CurrentActivity);
        LoadActivityFields(p);
        FormState state;
        WriteFormFields(p, state);
        return state;
    }

    void ExpectFormShows(const std::filesystem::path& path) {
        const FormState expected = Expected(path);
        for (const FormFieldInfo& info : FormFields()) {
            EXPECT_TRUE(SameValue(view_.Shown, expected, info.Field))
                << info.Name << " shows \"" << view_.Text(info.Field) << "\" ("
                << view_.Position(info.Field) << "), expected \"" << expected.Text(info.Field)
                << "\" (" << expected.Position(info.Field) << ")";
        }
    }

    // A deterministic copy of the rural example, every variability 0.
    std::filesystem::path DeterministicExample() {
        auto p = std::make_unique<Project>();
        EXPECT_TRUE(ReadProjectFile(Example("rural-two-lane"), *p));
        p->AnalysisType = kDeterministicAnalysis;
        p->ActivityAgencyCostVariability.fill(0.0);
        p->ActivityTimeVariability.fill(0.0);
        const std::filesystem::path path = folder_ / "deterministic.wxa";
        EXPECT_TRUE(WriteProjectFile(path, *p));
        return path;
    }

    wexa::testing::TempFolder folder_;
};

TEST_F(OpeningProjectTest, ShowsTheOpenedProjectAndEditsLandInItsActivity) {
    const std::filesystem::path rural = Example("rural-two-lane");
    const std::filesystem::path urban = Example("urban-freeway");
    const struct {
        std::filesystem::path First;
        std::filesystem::path Second;
    } cases[] = {{urban, urban}, {rural, urban}, {urban, rural}, {DeterministicExample(), urban}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.First.filename().string() + " then " + c.Second.filename().string());
        Open(c.First);
        WanderAndRefuse();
        Open(c.Second);
        ExpectFormShows(c.Second);

        const auto before = std::make_unique<Project>(*project_);
        const int slot = ActivitySlot(project_->CurrentAlternative, project_->CurrentActivity);
        Leave(FormField::RequiredTime, "2700");
        EXPECT_EQ(project_->ActivityRequiredTime[slot], 2700);
        // Nothing but the activity on screen, its copy and its days changed.
        before->RequiredTime = project_->RequiredTime;
        before->ActivityRequiredTime[slot] = project_->ActivityRequiredTime[slot];
        before->ActivityDaysToComplete[slot] = project_->ActivityDaysToComplete[slot];
        EXPECT_TRUE(*before == *project_);
    }
}

TEST_F(OpeningProjectTest, AStoredPositionOutsideTheProjectShowsTheNearestActivity) {
    auto p = std::make_unique<Project>();
    ASSERT_TRUE(ReadProjectFile(Example("urban-freeway"), *p));
    p->CurrentAlternative = 9;
    p->CurrentActivity = -4;
    const std::filesystem::path path = folder_ / "outside.wxa";
    ASSERT_TRUE(WriteProjectFile(path, *p));
    Open(path);
    EXPECT_EQ(project_->CurrentAlternative, p->NumberOfAlternatives);
    EXPECT_EQ(project_->CurrentActivity, 1);
    EXPECT_EQ(view_.Text(FormField::RequiredTime),
              std::to_string(p->ActivityRequiredTime[ActivitySlot(p->NumberOfAlternatives, 1)]));
}

// Tabbing through a project just opened changes nothing and asks nothing:
// a box left as it was shown is no edit.
TEST_F(OpeningProjectTest, LeavingEveryBoxUntouchedIsNoEdit) {
    for (const char* name : {"rural-two-lane", "urban-freeway"}) {
        SCOPED_TRACE(name);
        Open(Example(name));
        const auto opened = std::make_unique<Project>(*project_);
        for (const FormFieldInfo& info : FormFields()) {
            if (HasLeaveHandler(info.Field)) {
                form_.LeaveBox(info.Field);
            }
        }
        EXPECT_TRUE(*opened == *project_);
    }
}

} // namespace
} // namespace wexa::forms::testing
