#include "results/ExportDialog.h"
#include "forms/CaseNames.h"
#include "forms/FileNameRequest.h"
#include "forms/RecordingEffects.h"
#include "model/Project.h"
#include "report/FormattedReport.h"
#include "results/ReportExport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

namespace fs = std::filesystem;
using testing::ByCaseName;

constexpr std::time_t kRunTime = 1709424000; // 3 March 2024

struct FilterCase {
    std::string name;
    std::string filter;
    std::vector<std::string> labels;
    std::vector<std::vector<std::string>> patterns;
    std::string nameFilters;
};

class FileFilterTest : public ::testing::TestWithParam<FilterCase> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, FileFilterTest,
    ::testing::Values(
        FilterCase{"report_export",
                   "Excel Files (*.xls) |*.xls|Text (*.txt) |*.txt|All Files (*.*) |*.*||",
                   {"Excel Files", "Text", "All Files"},
                   {{"*.xls"}, {"*.txt"}, {"*"}},
                   "Excel Files (*.xls);;Text (*.txt);;All Files (*)"},
        FilterCase{"several_patterns",
                   "Sheets (*.xls;*.csv)|*.xls; *.csv|Plain|*.txt||",
                   {"Sheets", "Plain"},
                   {{"*.xls", "*.csv"}, {"*.txt"}},
                   "Sheets (*.xls *.csv);;Plain (*.txt)"},
        // A label whose parentheses say something else keeps them.
        FilterCase{"other_parentheses",
                   "Data (old)|*.dst",
                   {"Data (old)"},
                   {{"*.dst"}},
                   "Data (old) (*.dst)"}),
    ByCaseName());

TEST_P(FileFilterTest, KeepsTheEntriesInOrderForTheToolkit) {
    const FilterCase& c = GetParam();
    const std::vector<FileFilter> filters = ParseFileFilter(c.filter);
    ASSERT_EQ(filters.size(), c.labels.size());
    for (std::size_t i = 0; i < filters.size(); ++i) {
        EXPECT_EQ(filters[i].Label, c.labels[i]) << i;
        EXPECT_EQ(filters[i].Patterns, c.patterns[i]) << i;
    }
    EXPECT_EQ(NameFilterList(filters), c.nameFilters);
}

TEST(ExportDialog, ExportWithoutANameIsRefusedAndStaysOpen) {
    RecordingEffects effects;
    ExportDialog dialog("");
    EXPECT_FALSE(dialog.PressExport(effects));
    const auto shown = effects.TakeMessage("Can Not Export");
    EXPECT_EQ(shown.Text, "Filename has not been selected");
    EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
    EXPECT_EQ(effects.Focus, std::vector<std::string>{"FileName"});

    effects.Clear();
    dialog.FileName() = " "; // any other name is taken as it is
    EXPECT_TRUE(dialog.PressExport(effects));
    EXPECT_TRUE(effects.Events.empty());
}

TEST(ExportDialog, BrowseAsksForAnyFileAndTakesTheChosenPath) {
    RecordingEffects effects;
    ExportDialog dialog("/home/ann/last.xls");
    EXPECT_EQ(dialog.FileName(), "/home/ann/last.xls");

    effects.FileAnswer.reset(); // Cancel in the file dialog
    dialog.Browse(effects);
    EXPECT_EQ(dialog.FileName(), "/home/ann/last.xls");

    effects.FileAnswer = "/home/ann/run 2.txt";
    dialog.Browse(effects);
    EXPECT_EQ(dialog.FileName(), "/home/ann/run 2.txt");

    ASSERT_EQ(effects.FileRequests.size(), 2u);
    const FileNameRequest& request = effects.FileRequests[1];
    EXPECT_EQ(request.InitialName, "*.xls");
    EXPECT_EQ(NameFilterList(request.Filters), "Excel Files (*.xls);;Text (*.txt);;All Files (*)");
    EXPECT_FALSE(request.MustExist);
    EXPECT_FALSE(request.ConfirmOverwrite); // the note warns instead
    EXPECT_TRUE(request.DefaultSuffix.empty());
}

class ReportExportTest : public ::testing::Test {
protected:
    ReportExportTest() { project_->AnalysisType = kDeterministicAnalysis; }

    // The run's end: the dialog on the last name, the user's choice, and
    // the export when the dialog closes with "Export".
    bool ExportAs(const std::string& typed) {
        ExportDialog dialog(project_->ExportFileName);
        dialog.FileName() = typed;
        if (!dialog.PressExport(effects_)) {
            return false;
        }
        return ExportReportFile(*project_, dialog.FileName(), projectFile_, *statuses_, kRunTime,
                                effects_);
    }

    wexa::testing::TempFolder folder_;
    std::string projectFile_; // the open project's file, none when untitled
    std::unique_ptr<Project> project_ = std::make_unique<Project>();
    std::unique_ptr<IterationStatusTable> statuses_ = std::make_unique<IterationStatusTable>();
    RecordingEffects effects_;
};

TEST_F(ReportExportTest, TheOpenProjectsOwnFileIsRefusedAndKept) {
    projectFile_ = folder_.File("project.wxa");
    wexa::testing::WriteText(projectFile_, "the project");
    // Another name for the same file, which every system can make.
    std::filesystem::create_hard_link(projectFile_, folder_.File("link.wxa"));
    for (const std::string& name : {projectFile_, folder_.File("link.wxa")}) {
        EXPECT_FALSE(ExportAs(name)) << name;
        const auto shown = effects_.TakeMessage("Can Not Export");
        EXPECT_NE(shown.Text.find("it is the project file that is open"), std::string::npos)
            << name;
    }
    EXPECT_EQ(wexa::testing::ReadText(projectFile_), "the project");
    EXPECT_EQ(project_->ExportFileName, folder_.File("link.wxa")); // offered again next time
}

TEST_F(ReportExportTest, SuccessIsAnnouncedAfterTheReportIsWritten) {
    const std::string target = folder_.File("report.xls");
    wexa::testing::WriteText(target, "an older report, longer than the new one will be....");

    ASSERT_TRUE(ExportAs(target));

    EXPECT_EQ(wexa::testing::ReadText(target),
              FormatReport(*project_, *statuses_, target, kRunTime));
    const auto shown = effects_.TakeMessage("Export Successful!");
    EXPECT_EQ(shown.Text, "Data has been exported to designated file");
    EXPECT_EQ(shown.Icon, MessageIcon::Information);
    EXPECT_EQ(project_->ExportFileName, target);
    // The next run's dialog starts with it.
    EXPECT_EQ(ExportDialog(project_->ExportFileName).FileName(), target);
}

TEST_F(ReportExportTest, AFailedWriteNamesTheFileAndAnnouncesNoSuccess) {
    const std::string target = folder_.File("taken.xls");
    fs::create_directory(target);

    EXPECT_FALSE(ExportAs(target));

    const auto shown = effects_.TakeMessage("Can Not Export");
    EXPECT_NE(shown.Text.find(target), std::string::npos) << shown.Text;
    EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"taken.xls"});
    // Kept, so that the next dialog offers the name to correct.
    EXPECT_EQ(project_->ExportFileName, target);
}

TEST_F(ReportExportTest, AnEmptyNameOrCancelWritesNothing) {
    project_->ExportFileName = folder_.File("last.xls");
    EXPECT_FALSE(ExportAs(""));
    EXPECT_EQ(effects_.TakeCaptions(), std::vector<std::string>{"Can Not Export"});

    {
        // Browse, then Cancel: the dialog is dropped without an export.
        ExportDialog dialog(project_->ExportFileName);
        effects_.FileAnswer = folder_.File("chosen.xls");
        dialog.Browse(effects_);
    }
    EXPECT_EQ(project_->ExportFileName, folder_.File("last.xls"));
    EXPECT_TRUE(folder_.Entries().empty());
}

} // namespace
} // namespace wexa::forms
