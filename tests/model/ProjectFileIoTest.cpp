#include "model/ProjectFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace wexa {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteText;

class ProjectFileOnDisk : public ::testing::Test {
protected:
    // A project that differs from the defaults, to see it is left alone.
    ProjectFileOnDisk() {
        target->BaseYearAADT = 5555;
        target->ProjectDescription = "before";
    }

    void ExpectRefused(const FileResult& result, const std::string& fragment) {
        EXPECT_FALSE(result.Ok);
        EXPECT_NE(result.Message.find(fragment), std::string::npos) << result.Message;
        EXPECT_EQ(target->BaseYearAADT, 5555);
        EXPECT_EQ(target->ProjectDescription, "before");
    }

    TempFolder folder;
    std::unique_ptr<Project> target = std::make_unique<Project>();
};

TEST_F(ProjectFileOnDisk, SavedProjectOpensWithTheSameValues) {
    const fs::path path = folder / "road.wxa";
    auto saved = std::make_unique<Project>();
    saved->ProjectDescription = "Route 9 overlay \u00BD mile";
    saved->BidItemCosts[399] = 12.5;
    ASSERT_TRUE(WriteProjectFile(path, *saved).Ok);

    ASSERT_TRUE(ReadProjectFile(path, *target).Ok);
    EXPECT_EQ(target->ProjectDescription, "Route 9 overlay \u00BD mile");
    EXPECT_EQ(target->BidItemCosts[399], 12.5);
    EXPECT_EQ(target->BaseYearAADT, 100);
}

// Opened as a project of its own, a file leaves nothing of the project held
// before: what the file does not hold takes a new project's value. A file
// that cannot be opened changes nothing.
TEST_F(ProjectFileOnDisk, OpenedProjectKeepsNothingOfThePreviousOne) {
    const fs::path path = folder / "road.wxa";
    auto saved = std::make_unique<Project>();
    saved->BaseYearAADT = 7000;
    ASSERT_TRUE(WriteProjectFile(path, *saved).Ok);
    target->AgencyCostVariability = 0.0;
    target->CurrentActivityIndex = 17;
    target->CopyFromActivity = 3;
    target->IterationCount = 5000;

    ExpectRefused(OpenProjectFile(folder / "nowhere.wxa", *target), "nowhere.wxa");
    EXPECT_EQ(target->CurrentActivityIndex, 17);
    ASSERT_TRUE(OpenProjectFile(path, *target).Ok);
    EXPECT_TRUE(*target == *saved);
}

TEST_F(ProjectFileOnDisk, MissingFileIsNamed) {
    const fs::path path = folder / "nowhere.wxa";
    ExpectRefused(ReadProjectFile(path, *target), path.string() + "\nCannot find this file.");
}

TEST_F(ProjectFileOnDisk, FolderIsNotReadAsAFile) {
    const fs::path path = folder / "project.wxa";
    fs::create_directory(path);
    ExpectRefused(ReadProjectFile(path, *target), path.string());
}

TEST_F(ProjectFileOnDisk, ShortFileIsAnUnexpectedFormat) {
    const fs::path path = folder / "short.wxa";
    WriteText(path, std::string("\x64\x00\x00\x00", 4));
    ExpectRefused(ReadProjectFile(path, *target),
                  path.string() + ": " + std::string(kUnexpectedFileFormat));
}

TEST_F(ProjectFileOnDisk, HugeFileIsRefusedBeforeItIsRead) {
    const fs::path path = folder / "huge.wxa";
    WriteText(path, "");
    fs::resize_file(path, kMaxProjectFileBytes + 1); // sparse: costs no disk space
    ExpectRefused(ReadProjectFile(path, *target), path.string());
}

TEST_F(ProjectFileOnDisk, ProjectTooLargeToOpenAgainIsNotWritten) {
    const fs::path path = folder / "kept.wxa";
    ASSERT_TRUE(WriteProjectFile(path, *target).Ok);
    const auto sizeBefore = fs::file_size(path);

    auto huge = std::make_unique<Project>();
    huge->ProjectDescription.assign(kMaxProjectFileBytes, 'x');
    const FileResult result = WriteProjectFile(path, *huge);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find(path.string()), std::string::npos) << result.Message;
    EXPECT_EQ(fs::file_size(path), sizeBefore);
}

TEST_F(ProjectFileOnDisk, FailedSaveNamesTheFileAndCreatesNothing) {
    const fs::path path = folder / "no such folder" / "road.wxa";
    const FileResult result = WriteProjectFile(path, *target);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find(path.string()), std::string::npos) << result.Message;
    EXPECT_TRUE(folder.Entries().empty());
}

} // namespace
} // namespace wexa
