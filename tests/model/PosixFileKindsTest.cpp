// What a POSIX file system has and Windows' has not: FIFOs, devices under
// /dev, sockets, links made by any user, and permission bits for owner,
// group and others. Built on POSIX systems only.
#include "FileResultText.h"
#include "model/AtomicFile.h"
#include "model/DistributionFile.h"
#include "model/FileIo.h"
#include "model/OutputTarget.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace wexa {
namespace {

namespace fs = std::filesystem;
using testing::Mentions;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

TEST(OutputFiles, AFifoIsWrittenInPlaceWhenSomeoneReadsIt) {
    TempFolder folder;
    const fs::path fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    ASSERT_TRUE(WriteFileAtomically(fifo, std::string_view("through the pipe")).Ok);
    char buffer[64] = {};
    const ssize_t got = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0), "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fs::status(fifo)));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"pipe"});
}

TEST(OutputFiles, AFifoNobodyReadsIsRefusedAtOnce) {
    TempFolder folder;
    const fs::path fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const FileResult result = WriteFileAtomically(fifo, std::string_view("x"));
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find("no program is reading"), std::string::npos) << result.Message;
    EXPECT_TRUE(fs::is_fifo(fs::status(fifo)));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"pipe"});
}

TEST(OutputFiles, TheNullDeviceStaysADevice) {
    ASSERT_TRUE(WriteFileAtomically("/dev/null", std::string_view("discarded")).Ok);
    EXPECT_TRUE(fs::is_character_file(fs::status("/dev/null")));
}

TEST(OutputFiles, RefusesWhatIsNotAWritableFileAndLeavesItAsItWas) {
    TempFolder folder;
    const fs::path readOnly = folder / "read-only.wxa";
    WriteText(readOnly, "keep");
    fs::permissions(readOnly,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path dangling = folder / "dangling";
    fs::create_symlink(folder / "nowhere", dangling);
    const fs::path loop = folder / "loop";
    fs::create_symlink(loop, loop);
    const fs::path socketPath = folder / "socket";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::vector<std::string> before = folder.Entries();

    const struct {
        fs::path Path;
        const char* Reason;
    } cases[] = {{readOnly, "read-only"},
                 {dangling, "does not exist"},
                 {loop, "loops"},
                 {socketPath, "not a file"},
                 {folder.Path(), "folder"}};
    for (const auto& c : cases) {
        const FileResult result = WriteFileAtomically(c.Path, std::string_view("x"));
        EXPECT_FALSE(result.Ok) << c.Path;
        EXPECT_TRUE(Mentions(result, c.Path)) << result.Message;
        EXPECT_NE(result.Message.find(c.Reason), std::string::npos) << result.Message;
    }
    ::close(listener);
    EXPECT_EQ(ReadText(readOnly), "keep");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
    EXPECT_EQ(folder.Entries(), before);

    EXPECT_FALSE(WriteFileAtomically("", std::string_view("x")).Ok);
}

TEST(OutputFiles, ALinkToALinkToAFileStaysALinkAndTheFileIsReplaced) {
    TempFolder folder;
    WriteText(folder / "real.wxa", "old");
    fs::create_symlink(folder / "real.wxa", folder / "first");
    fs::create_symlink("first", folder / "second");
    ASSERT_TRUE(WriteFileAtomically(folder / "second", std::string_view("new")).Ok);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "second")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "first")));
    EXPECT_EQ(ReadText(folder / "real.wxa"), "new");
}

TEST(SameFile, SeesOneFileThroughLinksAndDevices) {
    TempFolder folder;
    const fs::path file = folder / "project.wxa";
    WriteText(file, "p");
    fs::create_symlink(file, folder / "link.wxa");
    EXPECT_TRUE(SameFile(file, folder / "link.wxa"));
    EXPECT_FALSE(SameFile(folder / "link.wxa", folder / "new.xls"));
    EXPECT_TRUE(SameFile("/dev/stdout", "/dev/stdout"));
}

TEST(ReadWholeFile, RefusesWhatIsNotARegularFileWithoutWaiting) {
    TempFolder folder;
    const fs::path fifo = folder / "pipe.wxa";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(fifo, folder / "link.wxa");
    std::vector<unsigned char> bytes = {1, 2, 3};

    for (const fs::path& path : {fifo, folder / "link.wxa", fs::path("/dev/null")}) {
        const FileResult result = ReadWholeFile(path, 1024, bytes);
        EXPECT_FALSE(result.Ok);
        EXPECT_TRUE(Mentions(result, path)) << result.Message;
        EXPECT_NE(result.Message.find("not a file"), std::string::npos) << result.Message;
    }
    const FileResult folderRead = ReadWholeFile(folder.Path(), 1024, bytes);
    EXPECT_NE(folderRead.Message.find("folder"), std::string::npos) << folderRead.Message;
    EXPECT_EQ(bytes, (std::vector<unsigned char>{1, 2, 3}));
}

TEST(ReadWholeFile, ReadsAFileThroughALinkUpToTheLimit) {
    TempFolder folder;
    WriteText(folder / "data", std::string(100, 'x'));
    fs::create_symlink(folder / "data", folder / "link");
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(ReadWholeFile(folder / "link", 100, bytes).Ok);
    EXPECT_EQ(bytes.size(), 100U);
    const FileResult tooLarge = ReadWholeFile(folder / "link", 99, bytes);
    EXPECT_NE(tooLarge.Message.find("too large"), std::string::npos) << tooLarge.Message;
}

TEST(DistributionFile, AFifoIsRefusedWithoutWaitingAndTheTableKept) {
    TempFolder folder;
    // A FIFO would block a reader until someone wrote to it.
    ASSERT_EQ(::mkfifo((folder / "pipe.dst").c_str(), 0600), 0);
    HourlyTrafficDistribution table;
    table.HourlyAADTPercent.fill(-1.0);
    const HourlyTrafficDistribution before = table;
    const FileResult fifo = ReadDistributionFile(folder / "pipe.dst", table);
    EXPECT_FALSE(fifo.Ok);
    EXPECT_NE(fifo.Message.find("not a file"), std::string::npos) << fifo.Message;
    EXPECT_EQ(table, before);
}

TEST(AtomicFile, ReplacesAnExistingFileAndKeepsItsPermissions) {
    TempFolder folder;
    const fs::path target = folder / "report.txt";
    WriteText(target, "an older and much longer report");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);

    ASSERT_TRUE(WriteFileAtomically(target, std::string_view("new")).Ok);
    EXPECT_EQ(ReadText(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, mode);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"report.txt"});
}

// The owner's file stays the owner's: replaced by an administrator, a file
// of another user keeps its owner, group and mode, set-group bit included,
// so its owner can still read it and nobody else can.
TEST(AtomicFile, AReplacedFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only an administrator may give a file to another user";
    }
    TempFolder folder;
    const fs::path target = folder / "theirs.xls";
    const uid_t owner = 65534; // nobody
    const gid_t group = 65534;
    for (const mode_t mode : {mode_t{0640}, mode_t{02604}}) {
        WriteText(target, "their report");
        ASSERT_EQ(::chown(target.c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);

        ASSERT_TRUE(WriteFileAtomically(target, std::string_view("new")).Ok);
        struct stat status {};
        ASSERT_EQ(::stat(target.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, owner);
        EXPECT_EQ(status.st_gid, group);
        EXPECT_EQ(status.st_mode & 07777, mode);
        EXPECT_EQ(ReadText(target), "new");
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"theirs.xls"});
}

TEST(AtomicFile, WritesThroughASymbolicLink) {
    TempFolder folder;
    const fs::path real = folder / "real.wxa";
    const fs::path link = folder / "link.wxa";
    WriteText(real, "old");
    fs::create_symlink(real, link);

    ASSERT_TRUE(WriteFileAtomically(link, std::string_view("new")).Ok);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(ReadText(real), "new");
}

} // namespace
} // namespace wexa
