#include "model/AtomicFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace wexa {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

TEST(AtomicFile, CreatesTheFileWithExactlyTheBytes) {
    TempFolder folder;
    const std::vector<unsigned char> bytes = {0x00, 0xFF, '\r', '\n', 0x1A};
    ASSERT_TRUE(WriteFileAtomically(folder / "new.bin", bytes).Ok);
    EXPECT_EQ(ReadText(folder / "new.bin"), std::string("\0\xFF\r\n\x1A", 5));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"new.bin"});
}

TEST(AtomicFile, ReplacesAnExistingFileWhole) {
    TempFolder folder;
    const fs::path target = folder / "report.txt";
    WriteText(target, "an older and much longer report");
    ASSERT_TRUE(WriteFileAtomically(target, std::string_view("new")).Ok);
    EXPECT_EQ(ReadText(target), "new");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.txt"});
}

TEST(AtomicFile, ATargetThatIsAFolderStaysAsItWasAndNoTemporaryIsLeft) {
    TempFolder folder;
    const fs::path target = folder / "taken";
    fs::create_directory(target);
    WriteText(target / "inside.txt", "keep");

    const FileResult result = WriteFileAtomically(target, std::string_view("data"));
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find(target.string()), std::string::npos) << result.Message;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(ReadText(target / "inside.txt"), "keep");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"taken"});
}

TEST(AtomicFile, AMissingFolderIsReportedAndNothingIsCreated) {
    TempFolder folder;
    const fs::path target = folder / "missing" / "file.txt";
    const FileResult result = WriteFileAtomically(target, std::string_view("data"));
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find(target.string()), std::string::npos) << result.Message;
    EXPECT_NE(result.Message.find("folder does not exist"), std::string::npos) << result.Message;
    EXPECT_TRUE(folder.Entries().empty());
}

} // namespace
} // namespace wexa
