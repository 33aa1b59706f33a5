// The window's document rules without the window: the title, the modified
// mark, and the question before unsaved changes are dropped.
#include "forms/DocumentState.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace wexa::forms {
namespace {

class DocumentStateTest : public ::testing::Test {
protected:
    // The project is large: it lives on the heap.
    std::unique_ptr<Project> project_ = std::make_unique<Project>();
    DocumentState doc_{*project_};
};

TEST_F(DocumentStateTest, TitleFollowsTheFileOnceNamed) {
    EXPECT_EQ(doc_.FrameTitle(), "Wexa - Untitled[*]");
    EXPECT_EQ(doc_.SaveAsName(), "Untitled");
    // New names the document without a file.
    doc_.SetPath("");
    EXPECT_EQ(doc_.FrameTitle(), "Untitled[*] - Wexa");
    doc_.SetPath("/home/ann/district 4/route9.wxa");
    EXPECT_EQ(doc_.Title(), "route9.wxa");
    EXPECT_EQ(doc_.FrameTitle(), "route9.wxa[*] - Wexa");
    EXPECT_EQ(doc_.SaveAsName(), "/home/ann/district 4/route9.wxa");
}

TEST_F(DocumentStateTest, ModifiedUntilSavedAndBrowsingIsNoEdit) {
    EXPECT_FALSE(doc_.IsModified());
    // Showing another alternative changes nothing the user edits.
    project_->CurrentAlternative = 2;
    EXPECT_FALSE(doc_.CheckForEdits(*project_));
    EXPECT_FALSE(doc_.IsModified());

    project_->ProjectDescription = "changed";
    EXPECT_TRUE(doc_.CheckForEdits(*project_));
    EXPECT_TRUE(doc_.IsModified());
    // The mark changes once; naming the document, as a failed read does,
    // keeps it.
    EXPECT_FALSE(doc_.CheckForEdits(*project_));
    EXPECT_FALSE(doc_.MarkEdited());
    doc_.SetPath("");
    EXPECT_TRUE(doc_.IsModified());

    // Saving makes the project as it is now the one compared with.
    EXPECT_TRUE(doc_.MarkSaved(*project_));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_FALSE(doc_.CheckForEdits(*project_));
    EXPECT_TRUE(doc_.MarkEdited());
    EXPECT_TRUE(doc_.IsModified());
}

struct DropCase {
    const char* name;
    bool modified;
    SaveChoice answer;
    bool saveSucceeds;
    bool asked;
    bool saved;
    bool goesOn;
};

class DropQuestionTest : public DocumentStateTest,
                         public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropQuestionTest, AsksOnlyWhenModifiedAndFollowsTheAnswer) {
    const DropCase& c = GetParam();
    doc_.SetPath("/projects/route9.wxa");
    if (c.modified) {
        doc_.MarkEdited();
    }
    std::optional<std::string> askedAbout;
    bool saved = false;
    const bool goesOn = doc_.MayDrop(
        [&](const std::string& title) {
            askedAbout = title;
            return c.answer;
        },
        [&] {
            saved = true;
            return c.saveSucceeds;
        });
    EXPECT_EQ(askedAbout.has_value(), c.asked);
    if (askedAbout) {
        EXPECT_EQ(*askedAbout, "route9.wxa");
    }
    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(goesOn, c.goesOn);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DropQuestionTest,
    ::testing::Values(DropCase{"nothing to save", false, SaveChoice::Cancel, false, false, false,
                               true},
                      DropCase{"saved", true, SaveChoice::Save, true, true, true, true},
                      // Save As cancelled, or the write failed: the project stays.
                      DropCase{"save failed", true, SaveChoice::Save, false, true, true, false},
                      DropCase{"discarded", true, SaveChoice::Discard, true, true, false, true},
                      DropCase{"cancelled", true, SaveChoice::Cancel, true, true, false, false}),
    testing::ByCaseName());

} // namespace
} // namespace wexa::forms
