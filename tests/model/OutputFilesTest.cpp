#include "model/OutputFiles.h"
#include "FileResultText.h"
#include "model/AtomicFile.h"
#include "model/FileIo.h"
#include "model/OutputTarget.h"
#include "model/TextEncoding.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace wexa {
namespace {

namespace fs = std::filesystem;
using testing::Mentions;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

// The real file system, with one chosen step failing as a full disk, an I/O
// error or a vanished folder would make it fail.
class FailingOps final : public FileOps {
public:
    enum class Step { None, Create, Write, KeepOwner, Sync, Close, Rename, SyncFolder };
    explicit FailingOps(Step failing, int failOnCall = 1)
        : failing_(failing), failOn_(failOnCall) {}

    std::error_code OpenForReading(const fs::path& path, int& handle) override {
        return real_.OpenForReading(path, handle);
    }
    std::error_code Read(int handle, unsigned char* data, std::size_t size,
                         std::size_t& got) override {
        return real_.Read(handle, data, size, got);
    }
    std::error_code CreateNew(const fs::path& path, int& handle) override {
        return Fails(Step::Create) ? Error(std::errc::permission_denied)
                                   : real_.CreateNew(path, handle);
    }
    std::error_code CheckWritable(const fs::path& path) override {
        return real_.CheckWritable(path);
    }
    std::error_code OpenInPlace(const fs::path& path, int& handle) override {
        return real_.OpenInPlace(path, handle);
    }
    std::error_code Write(int handle, const unsigned char* data, std::size_t size) override {
        return Fails(Step::Write) ? Error(std::errc::no_space_on_device)
                                  : real_.Write(handle, data, size);
    }
    std::error_code KeepOwnerAndMode(const fs::path& original, const fs::path& temporary,
                                     int handle) override {
        // As for a user who may not give a file another user's name.
        return Fails(Step::KeepOwner) ? Error(std::errc::operation_not_permitted)
                                      : real_.KeepOwnerAndMode(original, temporary, handle);
    }
    std::error_code Sync(int handle) override {
        return Fails(Step::Sync) ? Error(std::errc::io_error) : real_.Sync(handle);
    }
    std::error_code Close(int handle) override {
        const std::error_code closed = real_.Close(handle); // the handle goes either way
        return Fails(Step::Close) ? Error(std::errc::io_error) : closed;
    }
    std::error_code Rename(const fs::path& from, const fs::path& to) override {
        return Fails(Step::Rename) ? Error(std::errc::io_error) : real_.Rename(from, to);
    }
    std::error_code SyncFolder(const fs::path& folder) override {
        return Fails(Step::SyncFolder) ? Error(std::errc::io_error) : real_.SyncFolder(folder);
    }
    void Remove(const fs::path& path) override { real_.Remove(path); }

private:
    static std::error_code Error(std::errc code) { return std::make_error_code(code); }
    bool Fails(Step step) { return step == failing_ && ++calls_ == failOn_; }

    FileOps& real_ = SystemFileOps();
    Step failing_;
    int failOn_;
    int calls_ = 0;
};

struct FailingStepCase {
    const char* Name;
    FailingOps::Step Step;
};

class FailingStep : public ::testing::TestWithParam<FailingStepCase> {};

TEST_P(FailingStep, LeavesTheOldFileAndNoTemporaryAndNamesTheTarget) {
    TempFolder folder;
    const fs::path target = folder / "project.wxa";
    WriteText(target, "the work of a week");
    FailingOps ops(GetParam().Step);

    const FileResult result = WriteFileAtomically(target, std::string_view("new"), ops);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(Mentions(result, target)) << result.Message;
    EXPECT_EQ(ReadText(target), "the work of a week");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"project.wxa"});
}

TEST_P(FailingStep, CreatesNoNewFile) {
    TempFolder folder;
    FailingOps ops(GetParam().Step);
    EXPECT_FALSE(WriteFileAtomically(folder / "new.xls", std::string_view("report"), ops).Ok);
    EXPECT_TRUE(folder.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingStep,
                         ::testing::Values(FailingStepCase{"Create", FailingOps::Step::Create},
                                           FailingStepCase{"Write", FailingOps::Step::Write},
                                           FailingStepCase{"KeepOwner",
                                                           FailingOps::Step::KeepOwner},
                                           FailingStepCase{"Sync", FailingOps::Step::Sync},
                                           FailingStepCase{"Close", FailingOps::Step::Close},
                                           FailingStepCase{"Rename", FailingOps::Step::Rename}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(OutputFiles, AFailedFolderSyncIsNotCalledASuccess) {
    TempFolder folder;
    FailingOps ops(FailingOps::Step::SyncFolder);
    const FileResult result = WriteFileAtomically(folder / "r.xls", std::string_view("x"), ops);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(Mentions(result, folder / "r.xls")) << result.Message;
}

TEST(OutputFiles, NothingIsReplacedUnlessEveryOutputIsWritten) {
    TempFolder folder;
    const fs::path report = folder / "report.xls";
    const fs::path json = folder / "run.json";
    WriteText(report, "old report");
    WriteText(json, "old json");
    {
        // The second temporary's write fails: the first must not land.
        FailingOps ops(FailingOps::Step::Write, 2);
        OutputFiles output(ops);
        ASSERT_TRUE(output.Add(report, std::string_view("new report")).Ok);
        EXPECT_FALSE(output.Add(json, std::string_view("new json")).Ok);
    }
    EXPECT_EQ(ReadText(report), "old report");
    EXPECT_EQ(ReadText(json), "old json");

    {
        // The second output cannot be written at all (no such folder).
        OutputFiles output;
        ASSERT_TRUE(output.Add(folder / "fresh.xls", std::string_view("new")).Ok);
        EXPECT_FALSE(output.Add(folder / "missing" / "run.json", std::string_view("x")).Ok);
    }
    EXPECT_EQ(folder.Entries().size(), 2U); // report.xls and run.json only

    OutputFiles output;
    ASSERT_TRUE(output.Add(report, std::string_view("new report")).Ok);
    ASSERT_TRUE(output.Add(json, std::string_view("new json")).Ok);
    EXPECT_EQ(ReadText(report), "old report"); // not before the commit
    ASSERT_TRUE(output.Commit().Ok);
    EXPECT_EQ(ReadText(report), "new report");
    EXPECT_EQ(ReadText(json), "new json");
    EXPECT_EQ(folder.Entries().size(), 2U);
}

// What every system's files must do: replace an existing file whole under a
// name in any script, refuse a read-only file and a folder and leave them as
// they were, and know one file under other names.
TEST(OutputFiles, ReplacesAFileNamedInAnyScriptAndRefusesWhatIsNotWritable) {
    TempFolder folder;
    const fs::path named = folder.Path() / fs::path(u8"Straße Überführung 東京.xls");
    WriteText(named, "an older and much longer report");
    {
        // The staged copy beside it keeps the name's characters.
        OutputFiles output;
        ASSERT_TRUE(output.Add(named, std::string_view("new")).Ok);
        std::u8string staged;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
            if (entry.path() != named) {
                staged = entry.path().filename().u8string();
            }
        }
        EXPECT_EQ(staged.rfind(u8"." + named.filename().u8string() + u8".", 0), 0U)
            << "staged as another name";
        ASSERT_TRUE(output.Commit().Ok);
    }
    EXPECT_EQ(ReadText(named), "new");

    const fs::path readOnly = folder / "read-only.wxa";
    WriteText(readOnly, "keep");
    fs::permissions(readOnly,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::vector<std::string> before = folder.Entries();
    for (const auto& [path, reason] :
         {std::pair{readOnly, "read-only"}, std::pair{folder.Path(), "folder"}}) {
        const FileResult result = WriteFileAtomically(path, std::string_view("x"));
        EXPECT_FALSE(result.Ok) << path;
        EXPECT_TRUE(Mentions(result, path)) << result.Message;
        EXPECT_NE(result.Message.find(reason), std::string::npos) << result.Message;
    }
    EXPECT_EQ(ReadText(readOnly), "keep");
    EXPECT_EQ(folder.Entries(), before);
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
}

// A name as long as the system allows is written, new or over an old file:
// the staged copy beside it keeps within the limit, cut between characters,
// and is gone once the file is in place.
TEST(OutputFiles, WritesNamesUpToTheLongestTheSystemAllows) {
#ifdef _WIN32
    GTEST_SKIP() << "paths beyond 260 characters need long paths enabled on Windows";
#endif
    std::string accents;
    for (int i = 0; i < 127; ++i) {
        accents += testing::Utf8Text(u8"é");
    }
    const std::string names[] = {std::string(237, 'a'), std::string(238, 'b'),
                                 std::string(255, 'c'), accents + "x", accents.substr(0, 252)};
    for (const std::string& name : names) {
        TempFolder folder;
        const fs::path target = folder / name;
        for (const bool existing : {false, true}) {
            OutputFiles output;
            const std::string text = existing ? "again" : "first";
            ASSERT_TRUE(output.Add(target, std::string_view(text)).Ok) << name.size();
            for (const std::string& entry : folder.Entries()) {
                if (entry != name) {
                    EXPECT_LE(entry.size(), 255U) << entry;
                    // Every character whole: the name reads back as UTF-8.
                    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(entry)), entry) << entry;
                }
            }
            ASSERT_TRUE(output.Commit().Ok) << name.size();
            EXPECT_EQ(ReadText(target), text);
            EXPECT_EQ(folder.Entries(), std::vector<std::string>{name});
        }
    }
}

TEST(SameFile, SeesOneFileUnderOtherNames) {
    TempFolder folder;
    const fs::path file = folder / "project.wxa";
    WriteText(file, "p");
    fs::create_hard_link(file, folder / "hard.wxa");
    fs::create_directory(folder / "sub");
    EXPECT_TRUE(SameFile(file, folder / "hard.wxa"));
    EXPECT_TRUE(SameFile(file, folder / "sub" / ".." / "project.wxa"));
    EXPECT_TRUE(SameFile(folder / "new.xls", folder / "sub" / ".." / "new.xls"));
    EXPECT_FALSE(SameFile(file, folder / "new.xls"));
    EXPECT_FALSE(SameFile(folder / "a.xls", folder / "b.xls"));
}

} // namespace
} // namespace wexa
