#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

// Where the command line's output goes, and what it refuses to read: the
// real program, so the argument parser and the exit status are part of it.
// Every run is bounded by `timeout`, so a read or write that blocks fails the
// test instead of hanging it.

namespace wexa::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

const std::string kUrbanExample = std::string(WEXA_EXAMPLES_DIR) + "/urban-freeway.wxa";
constexpr int kTimedOut = 124;

struct ProgramResult {
    int status;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

class OutputPathsTest : public ::testing::Test {
protected:
    // Runs wexa-cli with `arguments` (already quoted) and standard output
    // and error caught in files, unless `stdoutTo` sends standard output
    // elsewhere (a shell redirection).
    ProgramResult Run(const std::string& arguments, const std::string& stdoutTo = "") {
        const std::string out = folder_.File("stdout.txt");
        const std::string err = folder_.File("stderr.txt");
        const std::string command = "timeout 20 " + std::string(WEXA_CLI_PATH) + " " + arguments +
                                    (stdoutTo.empty() ? " >" + Quoted(out) : " " + stdoutTo) +
                                    " 2>" + Quoted(err);
        const int status = std::system(command.c_str());
        ProgramResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out),
                             ReadText(err)};
        fs::remove(out);
        fs::remove(err);
        return result;
    }

    std::string Project(const std::string& name = "project.wxa") {
        const std::string path = folder_.File(name);
        if (!fs::exists(path)) {
            fs::copy_file(kUrbanExample, path);
        }
        return path;
    }

    std::string RunArguments(const std::string& project) {
        return "run " + Quoted(project) + " --seed 5";
    }

    TempFolder folder_;
};

TEST_F(OutputPathsTest, DevicesAreWrittenInPlaceAndStayDevices) {
    const ProgramResult toNull = Run(RunArguments(Project()) + " -o /dev/null --json /dev/null");
    // One device for two outputs is two outputs in one file.
    EXPECT_EQ(toNull.status, 2);
    const ProgramResult report = Run(RunArguments(Project()) + " -o /dev/null");
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_TRUE(fs::is_character_file(fs::status("/dev/null")));

    // The report through standard output into a pipe, before the summary.
    const ProgramResult piped =
        Run(RunArguments(Project()) + " -o /dev/stdout", "| cat >" + Quoted(folder_.File("p.txt")));
    EXPECT_EQ(piped.status, 0) << piped.err;
    const std::string text = ReadText(folder_.File("p.txt"));
    EXPECT_THAT(text, HasSubstr("Filename: /dev/stdout\r\n"));
    EXPECT_LT(text.find("Filename:"), text.find("Alternative 1"));
}

TEST_F(OutputPathsTest, AFifoIsWrittenWhenReadAndRefusedAtOnceWhenNot) {
    const std::string fifo = folder_.File("report.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ProgramResult unread = Run(RunArguments(Project()) + " -o " + Quoted(fifo));
    EXPECT_EQ(unread.status, 2);
    EXPECT_THAT(unread.err, HasSubstr("no program is reading from it"));

    // A reader that is there first takes the whole report, however long. A
    // writer of the test's own keeps the reader from seeing the end of the
    // data before the program has even started.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const int keepOpen = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(keepOpen, 0);
    ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) & ~O_NONBLOCK);
    std::string received;
    std::thread drain([&] {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(reader, buffer, sizeof buffer)) > 0) {
            received.append(buffer, static_cast<std::size_t>(got));
        }
    });
    const ProgramResult read = Run(RunArguments(Project()) + " -o " + Quoted(fifo));
    ::close(keepOpen);
    drain.join();
    ::close(reader);
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_THAT(received, HasSubstr("Filename: " + fifo + "\r\n"));
    EXPECT_TRUE(fs::is_fifo(fs::status(fifo)));
}

TEST_F(OutputPathsTest, AnInputIsNeverItsOwnOutput) {
    const std::string project = Project();
    const std::string before = ReadText(project);
    const std::string link = folder_.File("link.wxa");
    fs::create_symlink(project, link);
    for (const std::string& arguments :
         {RunArguments(project) + " -o " + Quoted(project),
          RunArguments(project) + " --json " + Quoted(project),
          RunArguments(project) + " -o " + Quoted(link),
          "optimize " + Quoted(project) + " -o " + Quoted(project)}) {
        const ProgramResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_THAT(result.err, HasSubstr("is the file being read")) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
    EXPECT_EQ(ReadText(project), before);

    const std::string json = folder_.File("source.json");
    WriteText(json, "{}");
    const ProgramResult import = Run("import " + Quoted(json) + " -o " + Quoted(json));
    EXPECT_EQ(import.status, 2);
    EXPECT_EQ(ReadText(json), "{}");
}

TEST_F(OutputPathsTest, EmptyAndDuplicateOutputNamesAreUsageErrors) {
    for (const std::string& arguments :
         {RunArguments(Project()) + " -o ''", RunArguments(Project()) + " --json ''",
          std::string("new ''"), "import " + Quoted(folder_.File("x.json")) + " -o ''",
          RunArguments(Project()) + " -o " + Quoted(folder_.File("same")) + " --json " +
              Quoted(folder_.File("same"))}) {
        const ProgramResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_THAT(result.err, HasSubstr("othing was written")) << arguments << result.err;
    }
    EXPECT_FALSE(fs::exists(folder_.File("same")));
}

TEST_F(OutputPathsTest, WhenOneOutputFailsNeitherIsWrittenAndNoSummaryIsPrinted) {
    const std::string report = folder_.File("ok.xls");
    const ProgramResult result = Run(RunArguments(Project()) + " -o " + Quoted(report) +
                                     " --json " + Quoted(folder_.File("missing/run.json")));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("missing/run.json"));
    EXPECT_FALSE(fs::exists(report));
}

TEST_F(OutputPathsTest, ReadOnlyFilesFoldersAndBrokenLinksAreRefusedAndKept) {
    const std::string readOnly = folder_.File("locked.xls");
    WriteText(readOnly, "last year's report");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    const std::string dangling = folder_.File("dangling.xls");
    fs::create_symlink(folder_.File("nowhere.xls"), dangling);
    for (const std::string& target : {readOnly, dangling, folder_.Path().string()}) {
        const ProgramResult result = Run(RunArguments(Project()) + " -o " + Quoted(target));
        EXPECT_EQ(result.status, 2) << target;
        EXPECT_THAT(result.err, HasSubstr(target));
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(ReadText(readOnly), "last year's report");
    EXPECT_FALSE(fs::exists(folder_.File("nowhere.xls")));

    // A link to a file stays a link; the file behind it gets the report.
    const std::string real = folder_.File("real.xls");
    WriteText(real, "old");
    fs::create_symlink(real, folder_.File("link.xls"));
    EXPECT_EQ(Run(RunArguments(Project()) + " -o " + Quoted(folder_.File("link.xls"))).status, 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_.File("link.xls"))));
    EXPECT_THAT(ReadText(real), HasSubstr("Filename: "));
}

TEST_F(OutputPathsTest, APathThatIsNotAFileIsRefusedWithoutWaiting) {
    const std::string fifo = folder_.File("waiting.wxa");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string out = Quoted(folder_.File("out.wxa"));
    for (const std::string& arguments :
         {"show " + Quoted(fifo), "show " + Quoted(fifo) + " --json", RunArguments(fifo),
          "workzone " + Quoted(fifo) + " --alternative 1 --activity 1",
          "optimize " + Quoted(fifo) + " -o " + out, "import " + Quoted(fifo) + " -o " + out,
          std::string("show /dev/zero"), "show " + Quoted(folder_.Path().string())}) {
        const ProgramResult result = Run(arguments);
        EXPECT_NE(result.status, kTimedOut) << arguments << " waited on its input";
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_THAT(result.err, HasSubstr("Unable to read from")) << arguments;
    }
    EXPECT_FALSE(fs::exists(folder_.File("out.wxa")));
}

} // namespace
} // namespace wexa::cli
