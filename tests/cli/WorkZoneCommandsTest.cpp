#include "cli/Commands.h"
#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"
#include "model/ProjectFile.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace wexa::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::TempFolder;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

template <typename Command> Result Run(Command command) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(Output{out, err});
    return {status, out.str(), err.str()};
}

Result RunWorkZone(const std::string& path, int alternative, int activity, bool findOptimum,
                   bool json) {
    return Run([&](Output io) {
        return WorkZoneCommand({path, alternative, activity, findOptimum, json}, io);
    });
}

Result RunOptimize(const std::string& path, const std::string& outputPath) {
    return Run([&](Output io) { return OptimizeCommand(path, outputPath, io); });
}

// Alternative 1: two priced activities on busy rural traffic (one queues in
// its stored daytime timing). Alternative 2: an activity that excludes user
// costs, and one whose around-the-clock zone of 100 vehicles an hour
// gridlocks at every start hour. The form's copies hold other values than
// the slots: the commands must not read them.
std::unique_ptr<Project> SampleProject() {
    auto p = std::make_unique<Project>();
    p->BaseYearAADT = 30000;
    p->NumberOfAlternatives = 2;
    p->AlternativeActivityCount = {2, 2, 1, 1};
    const auto time = [&](int slot, int year, int start, int hours, int stop) {
        p->ActivityYears[slot] = year;
        p->ActivityRequiredTime[slot] = 70;
        p->ActivityStartHour[slot] = start;
        p->ActivityHoursInEffect[slot] = hours;
        p->ActivityStopHour[slot] = stop;
    };
    time(ActivitySlot(1, 1), 5, 8, 7, 15);
    time(ActivitySlot(1, 2), 12, 12, 6, 18);
    time(ActivitySlot(2, 1), 20, 8, 7, 15);
    p->ActivityUserCostModes[ActivitySlot(2, 1)] = kExcludeUserCosts;
    time(ActivitySlot(2, 2), 0, 5, 24, 5);
    p->ActivityWorkZoneCapacity[ActivitySlot(2, 2)] = 100.0;
    p->WorkZoneLanes = 2;
    p->RequiredTime = 500;
    p->ActivityYear = 30;
    return p;
}

// What the dialog shows for the same stored activity.
std::unique_ptr<forms::WorkZoneTimingDialog> Dialog(const Project& p, int alternative, int activity,
                                                    bool findOptimum) {
    auto dialog = std::make_unique<forms::WorkZoneTimingDialog>(
        forms::WorkZoneDialogInputs::FromStoredActivity(p, alternative, activity));
    forms::NoticeCollector effects;
    dialog->Open(effects);
    if (findOptimum) {
        dialog->FindOptimumStart(effects);
    }
    return dialog;
}

class WorkZoneCommandTest : public ::testing::Test {
protected:
    WorkZoneCommandTest() : project_(SampleProject()) { Save(); }

    void Save() { ASSERT_TRUE(WriteProjectFile(Path(), *project_)); }
    std::string Path() const { return folder_.File("project.wxa"); }

    TempFolder folder_;
    std::unique_ptr<Project> project_;
};

TEST_F(WorkZoneCommandTest, JsonHasExactlyTheKeysInOrderAndTheDialogsFigures) {
    const Result result = RunWorkZone(Path(), 1, 1, false, true);
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    EXPECT_EQ(result.err, "");
    const auto json = nlohmann::ordered_json::parse(result.out);
    std::vector<std::string> keys;
    for (const auto& item : json.items()) {
        keys.push_back(item.key());
    }
    EXPECT_THAT(keys, ElementsAre("alternative", "activity", "year", "aadt", "inboundVolume",
                                  "outboundVolume", "workZoneCapacity", "dissipationCapacity",
                                  "days", "startHour", "stopHour", "hoursInEffect", "gridlock",
                                  "components", "total", "percentages", "totalPercentage",
                                  "inboundQueueLength", "outboundQueueLength"));

    const auto dialog = Dialog(*project_, 1, 1, false);
    EXPECT_EQ(json["year"], 5); // the slot's year, not the form's 30
    EXPECT_EQ(json["aadt"], dialog->Aadt());
    EXPECT_EQ(json["workZoneCapacity"], 1260); // the slot's one lane, not the form's two
    EXPECT_EQ(json["days"], 10);               // the slot's 70 hours, not the form's 500
    EXPECT_EQ(json["startHour"], 8);
    EXPECT_EQ(json["stopHour"], 15);
    EXPECT_EQ(json["gridlock"], false);
    // Doubles come back to the same bits.
    EXPECT_EQ(json["total"].get<double>(), dialog->Breakdown().Total);
    EXPECT_GT(json["total"].get<double>(), 0.0);
    EXPECT_EQ(json["components"].get<CostComponents>(), dialog->Breakdown().Components);
    EXPECT_EQ((json["percentages"].get<std::array<double, kCostComponentCount>>()),
              dialog->Breakdown().Percentages);
    EXPECT_EQ(json["inboundVolume"].get<HourlyVolumes>(), dialog->InboundVolume());
    EXPECT_EQ(json["inboundQueueLength"].get<PerHour<double>>(), dialog->InboundQueueLength());
    EXPECT_EQ(json["outboundQueueLength"].get<PerHour<double>>(), dialog->OutboundQueueLength());
}

TEST_F(WorkZoneCommandTest, FindOptimumReportsWhatTheDialogsSearchShows) {
    const Result result = RunWorkZone(Path(), 1, 1, true, true);
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    const auto dialog = Dialog(*project_, 1, 1, true);
    EXPECT_EQ(json["startHour"], dialog->Fields().StartHour);
    EXPECT_NE(json["startHour"], 8);
    EXPECT_EQ(json["total"].get<double>(), dialog->Breakdown().Total);
}

TEST_F(WorkZoneCommandTest, GridlockIsAResultNotAnError) {
    const Result json = RunWorkZone(Path(), 2, 2, false, true);
    ASSERT_EQ(json.status, kExitSuccess) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed["gridlock"], true);
    EXPECT_EQ(parsed["total"], -1.0);
    EXPECT_EQ(parsed["totalPercentage"], -1.0);

    const Result text = RunWorkZone(Path(), 2, 2, false, false);
    ASSERT_EQ(text.status, kExitSuccess);
    EXPECT_THAT(text.out, HasSubstr("Gridlock:\nThe traffic demand and work zone\n"));
    EXPECT_THAT(text.out, HasSubstr("Under current conditions,a 24-hour queue"));
}

TEST_F(WorkZoneCommandTest, PlainOutputIsATableUnderTheDialogsLabels) {
    const Result result = RunWorkZone(Path(), 1, 1, false, false);
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const auto dialog = Dialog(*project_, 1, 1, false);
    for (const std::string label : {"Alternative #:", "Work Activity #:", "Year:", "Stop Hour",
                                    "Queue Idle Time:", "Total Cost ($)", "Percent of Total"}) {
        EXPECT_THAT(result.out, HasSubstr(label));
    }
    // Simple expressions, as GoogleTest has on every system.
    EXPECT_THAT(result.out, ::testing::ContainsRegex("\nTraffic Volume, AADT: +" +
                                                     std::to_string(dialog->Aadt()) + "\n"));
    char total[64];
    std::snprintf(total, sizeof total, "\nTotal: +%.0f +100\n$", dialog->Breakdown().Total);
    EXPECT_THAT(result.out, ::testing::ContainsRegex(total));
}

TEST_F(WorkZoneCommandTest, UnusableValuesAreRefusedWithStatusOne) {
    struct Case {
        std::function<void(Project&)> spoil;
        int alternative;
        int activity;
        std::string named;
    };
    const std::vector<Case> cases{
        {[](Project& p) { p.NumberOfLanes = 0; }, 1, 1, "\"Number of Lanes\" is 0"},
        {[](Project& p) { p.AlternativeActivityCount[0] = 12; }, 1, 1,
         "Alternative 1: \"Number of Construction/Rehabilitation/ Maintenance Activities Scheduled "
         "over Analysis Period (include original construction)\" is 12"},
        {[](Project& p) { p.ActivityStartHour[ActivitySlot(1, 2)] = 30; }, 1, 2,
         "Alternative 1, work activity 2: \"Start Hour\" in the \"Work Zone User Costs\" dialog is "
         "30"},
        // An activity that excludes user costs is still priced on request,
        // so its work zone must be usable.
        {[](Project& p) { p.ActivityWorkZoneSpeed[ActivitySlot(2, 1)] = 42; }, 2, 1,
         "Alternative 2, work activity 1: \"Work Zone Speed Limit\" is 42"}};
    for (const Case& c : cases) {
        project_ = SampleProject();
        c.spoil(*project_);
        Save();
        const Result result = RunWorkZone(Path(), c.alternative, c.activity, false, true);
        EXPECT_EQ(result.status, kExitRefused) << c.named;
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err, HasSubstr("Project Data Error: "));
        EXPECT_THAT(result.err, HasSubstr(c.named));
    }
}

TEST_F(WorkZoneCommandTest, NumbersThatNameNoActivityAreUsageErrors) {
    struct Case {
        int alternative;
        int activity;
        std::string said;
    };
    for (const Case& c :
         {Case{0, 1, "--alternative 0"}, Case{5, 1, "--alternative 5"}, Case{1, 0, "--activity 0"},
          Case{1, 11, "--activity 11"}, Case{3, 1, "declares only 2 alternative"},
          Case{1, 3, "declares only 2 work activities"}}) {
        const Result result = RunWorkZone(Path(), c.alternative, c.activity, false, false);
        EXPECT_EQ(result.status, kExitFileError) << c.said;
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err, HasSubstr(c.said));
    }
}

TEST_F(WorkZoneCommandTest, FileErrorsNameTheFile) {
    const Result missing = RunWorkZone(folder_.File("absent.wxa"), 1, 1, false, false);
    EXPECT_EQ(missing.status, kExitFileError);
    EXPECT_THAT(missing.err, HasSubstr("absent.wxa"));

    const auto bytes = ReadBytes(Path());
    testing::WriteText(folder_.File("short.wxa"), std::string(bytes.begin(), bytes.begin() + 500));
    const Result shortFile = RunWorkZone(folder_.File("short.wxa"), 1, 1, false, false);
    EXPECT_EQ(shortFile.status, kExitFileError);
    EXPECT_THAT(shortFile.err, HasSubstr("short.wxa"));
    EXPECT_THAT(shortFile.err, HasSubstr("Unexpected file format."));

    const Result optimize = RunOptimize(folder_.File("short.wxa"), folder_.File("out.wxa"));
    EXPECT_EQ(optimize.status, kExitFileError);
    EXPECT_THAT(optimize.err, HasSubstr("Unexpected file format."));
}

TEST_F(WorkZoneCommandTest, OptimizeStoresWhatOkStoresAfterFindOptimum) {
    const Result result = RunOptimize(Path(), folder_.File("out.wxa"));
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    // The file is the original project with what OK stores after "Find
    // Optimum" in each priced activity, and nothing else changed: the
    // excluded activity (2, 1) is left as it was.
    auto expected = std::make_unique<Project>(*project_);
    for (const auto& [alternative, activity] : {std::pair{1, 1}, {1, 2}, {2, 2}}) {
        ASSERT_TRUE(Dialog(*project_, alternative, activity, true)->StoreInto(*expected));
    }
    EXPECT_EQ(expected->ActivityWorkZoneUserCost[ActivitySlot(2, 2)], -1.0);
    EXPECT_EQ(expected->ActivityStartHour[ActivitySlot(2, 2)], 23);
    EXPECT_EQ(ReadBytes(folder_.File("out.wxa")), WriteProjectBytes(*expected));

    const auto best = Dialog(*project_, 1, 1, true);
    EXPECT_THAT(result.out, HasSubstr("Alternative 1, activity 1: start hour " +
                                      std::to_string(best->Fields().StartHour) + ", stop hour " +
                                      std::to_string(best->Fields().StopHour)));
    EXPECT_THAT(result.out, HasSubstr("Alternative 2, activity 1: user costs excluded"));
    EXPECT_THAT(result.out, HasSubstr("Alternative 2, activity 2: every start hour gridlocks"));
}

TEST_F(WorkZoneCommandTest, OptimizeRefusesBeforeWritingAnything) {
    project_->ActivityMobilizationHours[ActivitySlot(1, 2)] = 6; // as long as the 6-hour day
    Save();
    const Result result = RunOptimize(Path(), folder_.File("out.wxa"));
    EXPECT_EQ(result.status, kExitRefused);
    EXPECT_THAT(result.err,
                HasSubstr("Alternative 1, work activity 2: \"Daily Mobilization/Demobilization\""));
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder_.File("out.wxa")));

    // An excluded activity is left alone, so its work zone is not checked;
    // a mode that is neither include nor exclude is refused.
    project_ = SampleProject();
    project_->ActivityStartHour[ActivitySlot(2, 1)] = 99;
    Save();
    EXPECT_EQ(RunOptimize(Path(), folder_.File("out.wxa")).status, kExitSuccess);
    project_->ActivityUserCostModes[ActivitySlot(2, 1)] = 3;
    Save();
    EXPECT_EQ(RunOptimize(Path(), folder_.File("out.wxa")).status, kExitRefused);
}

// Figures that are not results (costs that are not finite or reach 2^53
// dollars, traffic below 0 or not finite) and a work zone faster than the
// road are refused in every output form: the refusal on standard error,
// nothing on standard output, exit 1.
TEST_F(WorkZoneCommandTest, FiguresThatAreNotResultsAreRefused) {
    struct Case {
        void (*spoil)(Project&);
        int activity;
        std::string said;
    };
    const std::vector<Case> cases{
        {[](Project& p) { p.DelayRatePassengerCar = 1e305; }, 1,
         "Project Data Error: Alternative 1, work activity 1: the work zone user cost of the "
         "activity in year 5 comes out"},
        {[](Project& p) { p.DelayRatePassengerCar = 1e100; }, 2,
         "Alternative 1, work activity 2: the work zone user cost of the activity in year 12 "
         "comes out as"},
        {[](Project& p) { p.TrafficGrowthMean = -350.0; }, 1,
         "Alternative 1, work activity 1: the traffic grown to year 5 at a traffic growth rate of "
         "-350 %"},
        // Within 64 bits but past 2^53 dollars, where whole dollars are
        // not exact.
        {[](Project& p) { p.DelayRatePassengerCar = 5e14; }, 1,
         "beyond the whole dollar amounts that are exact (below 2^53"},
        // Traffic grown to -infinity was priced at the AADT cap.
        {[](Project& p) {
             p.TrafficGrowthMean = -1e26;
             p.ActivityYears[ActivitySlot(1, 1)] = 13;
         },
         1,
         "Alternative 1, work activity 1: the traffic grown to year 13 at a traffic growth rate "
         "of -1e+26 % a year comes out as an AADT below 0 or no finite number at all"},
        // A work zone faster than the road gave negative user costs.
        {[](Project& p) { p.ActivityWorkZoneSpeed[ActivitySlot(1, 1)] = p.PostedSpeedLimit + 5; },
         1,
         "Project Data Error: Alternative 1, work activity 1: The work zone speed limit must not "
         "be above the posted speed limit."}};
    for (const Case& c : cases) {
        project_ = SampleProject();
        c.spoil(*project_);
        Save();
        for (const bool findOptimum : {false, true}) {
            for (const bool json : {false, true}) {
                const Result result = RunWorkZone(Path(), 1, c.activity, findOptimum, json);
                EXPECT_EQ(result.status, kExitRefused) << c.said;
                EXPECT_EQ(result.out, "") << c.said;
                EXPECT_THAT(result.err, HasSubstr(c.said));
            }
        }
    }
}

// The activity whose figures are not results comes after one that was
// optimised: still nothing is printed, and the output file is not touched.
TEST_F(WorkZoneCommandTest, OptimizeRefusesFiguresThatAreNotResultsAndWritesNothing) {
    testing::WriteText(folder_.File("out.wxa"), "earlier");
    project_->TrafficGrowthMean = -350.0;
    project_->ActivityYears[ActivitySlot(1, 1)] = 4; // an even year: traffic above 0
    project_->ActivityYears[ActivitySlot(1, 2)] = 13;
    Save();
    const Result result = RunOptimize(Path(), folder_.File("out.wxa"));
    EXPECT_EQ(result.status, kExitRefused);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("Project Data Error: Alternative 1, work activity 2: the "
                                      "traffic grown to year 13"));
    EXPECT_EQ(testing::ReadText(folder_.File("out.wxa")), "earlier");

    project_ = SampleProject();
    project_->DelayRatePassengerCar = 1e305;
    Save();
    const Result infinite = RunOptimize(Path(), folder_.File("out.wxa"));
    EXPECT_EQ(infinite.status, kExitRefused);
    EXPECT_EQ(infinite.out, "");
    EXPECT_THAT(infinite.err, HasSubstr("the work zone user cost"));
    EXPECT_EQ(testing::ReadText(folder_.File("out.wxa")), "earlier");
}

TEST_F(WorkZoneCommandTest, OptimizePrintsNoResultsWhenTheFileCannotBeWritten) {
    std::filesystem::create_directory(folder_.File("a-folder"));
    const Result result = RunOptimize(Path(), folder_.File("a-folder"));
    EXPECT_EQ(result.status, kExitFileError);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("a-folder"));
}

// The real program through a POSIX shell (on Windows, scripts/windows-build.sh
// runs it instead): exit statuses through the argument parser, and the same
// bytes from two runs.
#ifndef _WIN32
int RunProgram(const std::string& arguments) {
    const std::string command = std::string(WEXA_CLI_PATH) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(WorkZoneCommandTest, ProgramExitStatusesAndRepeatableOutput) {
    const std::string file = "'" + Path() + "'";
    EXPECT_EQ(RunProgram("workzone " + file + " --alternative 1 --activity 2 --json"), 0);
    EXPECT_EQ(RunProgram("workzone " + file + " --alternative 1"), 2); // --activity missing
    EXPECT_EQ(RunProgram("workzone " + file + " --alternative x --activity 1"), 2);
    EXPECT_EQ(RunProgram("workzone " + file + " --alternative 9 --activity 1"), 2);

    const std::string first = folder_.File("first.wxa");
    const std::string second = folder_.File("second.wxa");
    ASSERT_EQ(RunProgram("optimize " + file + " -o '" + first + "'"), 0);
    ASSERT_EQ(RunProgram("optimize " + file + " -o '" + second + "'"), 0);
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
    EXPECT_NE(ReadBytes(first), ReadBytes(Path()));

    project_->PostedSpeedLimit = 57;
    Save();
    EXPECT_EQ(RunProgram("optimize " + file + " -o '" + first + "'"), 1);
    EXPECT_EQ(RunProgram("workzone " + file + " --alternative 1 --activity 1"), 1);
}
#endif

} // namespace
} // namespace wexa::cli
