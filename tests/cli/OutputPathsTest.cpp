#include "support/CliResult.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

using testing::kUrbanExample;
constexpr int kTimedOut = 124;

using ProgramResult = testing::CliResult;

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

    // Runs wexa-cli with `arguments` in one shell line, with `before` ahead of
    // it (a limit, a reader started first) and `after` behind the group
    // holding it (a pipe, a redirection): the program's own status and
    // standard error come back whatever the rest of the line does.
    ProgramResult RunInShell(const std::string& arguments, const std::string& before,
                             const std::string& after) {
        const std::string err = folder_.File("stderr.txt");
        const std::string status = folder_.File("status.txt");
        const std::string command = "{ " + before + " timeout 20 " + std::string(WEXA_CLI_PATH) +
                                    " " + arguments + " 2>" + Quoted(err) + "; echo $? >" +
                                    Quoted(status) + "; } " + after;
        std::system(command.c_str());
        ProgramResult result{std::stoi("0" + ReadText(status)), "", ReadText(err)};
        fs::remove(err);
        fs::remove(status);
        return result;
    }

    // The files left in the folder besides the project, a staged copy
    // included.
    std::vector<std::string> Outputs() const {
        std::vector<std::string> names;
        for (const std::string& name : folder_.Entries()) {
            if (name != "project.wxa") {
                names.push_back(name);
            }
        }
        std::sort(names.begin(), names.end());
        return names;
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

// Standard output and error are the program's own descriptors, whatever is
// behind them: a file they are appended to gets the report after what it
// held and stays the same file, never replaced by a new one.
TEST_F(OutputPathsTest, TheProgramsOwnDescriptorsAreWrittenWhereTheyStand) {
    const std::string log = folder_.File("log.txt");
    const std::string link = folder_.File("to-stdout.xls");
    fs::create_symlink("/dev/stdout", link);
    for (const std::string& name : {std::string("/dev/stdout"), std::string("/dev/fd/1"),
                                    std::string("/proc/self/fd/1"), link}) {
        WriteText(log, "earlier\n");
        struct stat before {};
        ASSERT_EQ(::stat(log.c_str(), &before), 0);
        const ProgramResult result =
            Run(RunArguments(Project()) + " -o " + Quoted(name), ">>" + Quoted(log));
        EXPECT_EQ(result.status, 0) << name << result.err;
        struct stat after {};
        ASSERT_EQ(::stat(log.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
        const std::string text = ReadText(log);
        EXPECT_EQ(text.rfind("earlier\nWexa", 0), 0U) << name;
        EXPECT_THAT(text, HasSubstr("Filename: " + name + "\r\n"));
        EXPECT_LT(text.find("Filename:"), text.find("Probabilistic analysis")) << name;
    }
    const ProgramResult toError = Run(RunArguments(Project()) + " -o /dev/stderr");
    EXPECT_EQ(toError.status, 0) << toError.err;
    EXPECT_THAT(toError.err, HasSubstr("Filename: /dev/stderr\r\n"));
    EXPECT_THAT(toError.out, HasSubstr("Probabilistic analysis"));
}

// A stream that cannot take all of its output (a reader that stops, a size
// limit) is a write error with a message, not a silent end of the program:
// no file is replaced, nothing staged is left behind, and the message says
// what did get written. The JSON is far larger than a pipe holds, so the
// reader stops while the program still writes.
TEST_F(OutputPathsTest, AStreamThatFailsLeavesEveryFileAsItWas) {
    const std::string fifo = folder_.File("reader.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string report = folder_.File("report.xls");
    const std::string json = folder_.File("run.json");
    const std::string readTen = "head -c 10 <" + Quoted(fifo) + " >/dev/null & ";
    const struct {
        const char* Name;
        std::string Arguments;
        std::string Before;
        std::string After;
        const char* Reason;
        const char* Written;
    } cases[] = {
        // The reader has gone before the program starts.
        {"closed pipe", " --json " + Quoted(json) + " -o /dev/stdout", "sleep 0.5;", "| true",
         "reading from it stopped", "Nothing was written."},
        {"FIFO read in part", " -o " + Quoted(report) + " --json " + Quoted(fifo), readTen,
         ">/dev/null", "reading from it stopped", "Nothing was written."},
        {"FIFO after the standard output", " -o /dev/stdout --json " + Quoted(fifo), readTen,
         ">/dev/null", "reading from it stopped", "/dev/stdout was written; nothing else was."},
        {"size limit", " -o " + Quoted(report) + " --json " + Quoted(json), "ulimit -f 100;",
         ">/dev/null", "larger than the system lets", "Nothing was written."},
    };
    for (const auto& c : cases) {
        WriteText(report, "old report");
        WriteText(json, "old json");
        const ProgramResult result =
            RunInShell(RunArguments(Project()) + c.Arguments, c.Before, c.After);
        EXPECT_EQ(result.status, 2) << c.Name;
        EXPECT_THAT(result.err, HasSubstr(c.Reason)) << c.Name;
        EXPECT_THAT(result.err, HasSubstr(c.Written)) << c.Name;
        EXPECT_EQ(ReadText(report), "old report") << c.Name;
        EXPECT_EQ(ReadText(json), "old json") << c.Name;
        EXPECT_EQ(Outputs(), (std::vector<std::string>{"reader.fifo", "report.xls", "run.json"}))
            << c.Name;
    }
}

// Printing to a reader that has gone is a failure the user hears of.
TEST_F(OutputPathsTest, StandardOutputThatCannotBeWrittenIsAnError) {
    const ProgramResult result = RunInShell("show " + Quoted(Project()), "sleep 0.5;", "| true");
    EXPECT_EQ(result.status, 2);
    EXPECT_THAT(result.err, HasSubstr("unable to write to standard output"));
}

// A name holding a terminal's escape sequence is echoed escaped by every
// message that names it.
TEST_F(OutputPathsTest, MessagesEscapeTheControlCharactersOfANamedFile) {
    const std::string hostile = folder_.File("a\x1B[2Jb.wxa");
    fs::copy_file(kUrbanExample, hostile);
    const std::string shown = "a\\x1B[2Jb.wxa";
    for (const std::string& arguments :
         {RunArguments(Project()) + " -o " + Quoted(folder_.File("\x1B]0;x\x07/r.xls")),
          RunArguments(Project()) + " -o " + Quoted(hostile + "x") + " --json " +
              Quoted(hostile + "x"),
          RunArguments(hostile) + " -o " + Quoted(hostile),
          "show " + Quoted(folder_.File("\x1B[2Jmissing.wxa"))}) {
        const ProgramResult result = Run(arguments);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_EQ(result.err.find('\x1B'), std::string::npos) << result.err;
        EXPECT_THAT(result.err, HasSubstr("\\x1B")) << result.err;
    }
    EXPECT_THAT(Run(RunArguments(hostile) + " -o " + Quoted(hostile)).err,
                HasSubstr(shown + " is the file being read"));
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
