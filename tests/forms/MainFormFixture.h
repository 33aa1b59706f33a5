#pragma once

#include "forms/ActivityFields.h"
#include "forms/FormText.h"
#include "forms/MainForm.h"
#include "forms/MemoryFormView.h"
#include "forms/RecordingEffects.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace wexa::forms::testing {

// A main form on a fresh project whose controls are memory: tests type into
// boxes, leave them and press buttons as a user would, and read back what
// the form shows and what the project holds.
class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() : form_(*project_, view_, effects_) {
        form_.Start();
        effects_.Clear();
    }

    void Type(FormField box, std::string text) { view_.Type(box, std::move(text)); }
    void Leave(FormField box, std::string text) {
        Type(box, std::move(text));
        form_.LeaveBox(box);
    }
    // Shows what the test changed in the project directly, as a handler's
    // closing write would.
    void Show() { form_.ShowForm(); }

    // Makes the form show `activity` of `alternative`, with the copies loaded
    // from that slot, as navigation leaves them.
    void ShowActivityAt(int alternative, int activity) {
        Project& p = *project_;
        p.NumberOfAlternatives = std::max(p.NumberOfAlternatives, alternative);
        p.AlternativeActivityCount[alternative - 1] =
            std::max(p.AlternativeActivityCount[alternative - 1], activity);
        p.CurrentAlternative = p.ActivityAlternative = alternative;
        p.NumberOfActivities = p.AlternativeActivityCount[alternative - 1];
        p.CurrentActivity = activity;
        p.CurrentActivityIndex = ActivitySlot(alternative, activity);
        LoadActivityFields(p);
        Show();
    }

    // A deterministic analysis, its question answered, whose one activity
    // spans the 35-year analysis period: a run of it goes through.
    void MakeDeterministicRunnable() {
        view_.Select(FormField::AnalysisType, kDeterministicAnalysis);
        form_.ClickAnalysisType(kDeterministicAnalysis);
        effects_.TakeQuestion("Type of Analysis");
        Leave(FormField::YearsToNextExpected, "35");
    }
    // "Run Simulation" with a fixed seed, both halves on this thread.
    RunEnd Run() {
        const auto job = form_.StartRun(*workspace_, 1);
        job->Run();
        return form_.FinishRun(*job);
    }

    std::unique_ptr<Project> project_ = std::make_unique<Project>();
    MemoryFormView view_;
    RecordingEffects effects_;
    MainForm form_;
    std::unique_ptr<AnalysisWorkspace> workspace_ = std::make_unique<AnalysisWorkspace>();
};

} // namespace wexa::forms::testing
