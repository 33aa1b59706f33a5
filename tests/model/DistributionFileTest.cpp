#include "model/DistributionFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace wexa {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

HourlyTrafficDistribution RuralTable() {
    const auto project = std::make_unique<Project>();
    LoadBuiltInHourlyTable(*project, 0);
    return HourlyTrafficDistribution::CopyOf(*project);
}

// A table whose every value differs from the rural one, to see a refused
// read leave the table as it was.
HourlyTrafficDistribution MarkedTable() {
    HourlyTrafficDistribution table;
    table.HourlyAADTPercent.fill(-1.0);
    table.HourlyInboundPercent.fill(-2.0);
    table.HourlyOutboundPercent.fill(-3.0);
    return table;
}

// The text of 72 numbers: hour h holds h + 0.25, 50 + h / 4 and 50 - h / 4,
// every number on its own line.
std::string OneNumberPerLine() {
    std::string text;
    for (int h = 0; h < kHours; ++h) {
        text += std::to_string(h) + ".25\n" + std::to_string(50.0 + h / 4.0) + "\n" +
                std::to_string(50.0 - h / 4.0) + "\n";
    }
    return text;
}

TEST(DistributionFile, RuralTableFirstLineAndShape) {
    const std::string text = DistributionFileText(RuralTable());
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "1.80\t48.00\t52.00\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 48);
    EXPECT_EQ(text.substr(text.size() - 18), "\n2.30\t47.00\t53.00\n");
}

TEST(DistributionFile, TwoDecimalsRoundAsPrintfDoes) {
    HourlyTrafficDistribution table = MarkedTable();
    table.HourlyAADTPercent[0] = 2.345678;
    table.HourlyInboundPercent[0] = -0.004; // printf keeps the sign of a negative zero
    table.HourlyOutboundPercent[0] = 123456.789;
    const std::string text = DistributionFileText(table);
    EXPECT_EQ(text.substr(0, text.find('\n')), "2.35\t-0.00\t123456.79");
}

TEST(DistributionFile, DecimalPointIsIndependentOfTheLocale) {
    // A locale with a decimal comma, where one is installed; the text must
    // not change either way.
    const std::string before = DistributionFileText(RuralTable());
    const bool switched = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const std::string during = DistributionFileText(RuralTable());
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(during, before) << "locale switched: " << switched;
    EXPECT_EQ(during.find(','), std::string::npos);
}

TEST(DistributionFile, WriteAndReadBackGiveTheTableToTwoDecimals) {
    TempFolder folder;
    const HourlyTrafficDistribution rural = RuralTable();
    ASSERT_TRUE(WriteDistributionFile(folder / "rural.dst", rural).Ok);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"rural.dst"});

    HourlyTrafficDistribution read = MarkedTable();
    const FileResult result = ReadDistributionFile(folder / "rural.dst", read);
    ASSERT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(read, rural);
}

TEST(DistributionFile, NameWithoutExtensionIsWrittenAsGiven) {
    TempFolder folder;
    ASSERT_TRUE(WriteDistributionFile(folder / "peak", RuralTable()).Ok);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"peak"});
}

TEST(DistributionFile, FailedWriteNamesTheFileAndKeepsTheOldOne) {
    TempFolder folder;
    const auto missingFolder = folder / "no-such-folder" / "table.dst";
    const FileResult result = WriteDistributionFile(missingFolder, RuralTable());
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find(missingFolder.string()), std::string::npos) << result.Message;

    // An old table that may not be replaced keeps every byte.
    const auto old = folder / "old.dst";
    WriteText(old, "an older table");
    std::filesystem::permissions(old, std::filesystem::perms::owner_read);
    const FileResult refused = WriteDistributionFile(old, RuralTable());
    EXPECT_FALSE(refused.Ok);
    EXPECT_NE(refused.Message.find(old.string()), std::string::npos) << refused.Message;
    EXPECT_EQ(ReadText(old), "an older table");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.dst"});
}

TEST(DistributionFile, LineBreaksCarryNoMeaning) {
    HourlyTrafficDistribution oneLine = MarkedTable();
    HourlyTrafficDistribution spread = MarkedTable();
    std::string lines;
    for (int h = 0; h < kHours; ++h) {
        lines += std::to_string(h) + ".25\t" + std::to_string(50.0 + h / 4.0) + "\t" +
                 std::to_string(50.0 - h / 4.0) + "\n";
    }
    ASSERT_TRUE(ParseDistributionText(lines, oneLine).Ok);
    ASSERT_TRUE(ParseDistributionText(OneNumberPerLine(), spread).Ok);
    EXPECT_EQ(spread, oneLine);
    EXPECT_EQ(spread.HourlyAADTPercent[23], 23.25);
    EXPECT_EQ(spread.HourlyInboundPercent[23], 55.75);
    EXPECT_EQ(spread.HourlyOutboundPercent[23], 44.25);

    // Any white space of the C locale separates, also around the numbers.
    std::string mixed = "\r\n \v\f" + OneNumberPerLine() + "\r\n\t ";
    for (char& c : mixed) {
        c = c == '\n' ? ' ' : c;
    }
    HourlyTrafficDistribution blanks = MarkedTable();
    ASSERT_TRUE(ParseDistributionText(mixed, blanks).Ok);
    EXPECT_EQ(blanks, oneLine);
}

TEST(DistributionFile, NumbersAsScanfReadsThem) {
    std::string text = "+1.5 -2 .5 5. 1e1 2.5E-1";
    for (int n = 6; n < 72; ++n) {
        text += " 0";
    }
    HourlyTrafficDistribution table = MarkedTable();
    ASSERT_TRUE(ParseDistributionText(text, table).Ok);
    EXPECT_EQ(table.HourlyAADTPercent[0], 1.5);
    EXPECT_EQ(table.HourlyInboundPercent[0], -2.0);
    EXPECT_EQ(table.HourlyOutboundPercent[0], 0.5);
    EXPECT_EQ(table.HourlyAADTPercent[1], 5.0);
    EXPECT_EQ(table.HourlyInboundPercent[1], 10.0);
    EXPECT_EQ(table.HourlyOutboundPercent[1], 0.25);
}

// Only the first 72 numbers are the table: a 73rd number, a note or a
// second table after them is not read.
TEST(DistributionFile, WhatFollowsTheSeventySecondNumberIsIgnored) {
    HourlyTrafficDistribution plain = MarkedTable();
    ASSERT_TRUE(ParseDistributionText(OneNumberPerLine(), plain).Ok);
    for (const std::string& tail :
         {std::string("99.5\n"), std::string("# saved on Monday\n"), std::string("nan abc 1,5"),
          OneNumberPerLine(), std::string("\0tail", 5)}) {
        HourlyTrafficDistribution table = MarkedTable();
        const FileResult result = ParseDistributionText(OneNumberPerLine() + tail, table);
        EXPECT_TRUE(result.Ok) << tail << ": " << result.Message;
        EXPECT_EQ(table, plain) << tail;
    }
    // Glued to the 72nd number, text makes that word no number.
    HourlyTrafficDistribution glued = MarkedTable();
    std::string text = OneNumberPerLine();
    text.back() = '%';
    EXPECT_FALSE(ParseDistributionText(text, glued).Ok);
    EXPECT_EQ(glued, MarkedTable());
}

// Every text without 72 finite numbers at its start is refused with one
// message and leaves the table as it was.
class RefusedDistributionText : public ::testing::TestWithParam<std::string> {};

TEST_P(RefusedDistributionText, LeavesTheTableUnchanged) {
    HourlyTrafficDistribution table = MarkedTable();
    const FileResult result = ParseDistributionText(GetParam(), table);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Message, "The distribution file could not be read: it must hold 72 numbers.");
    EXPECT_EQ(table, MarkedTable());
}

std::string Numbers(int count, const std::string& then = "") {
    std::string text;
    for (int n = 0; n < count; ++n) {
        text += "12.5 ";
    }
    return text + then;
}

INSTANTIATE_TEST_SUITE_P(
    DistributionFile, RefusedDistributionText,
    ::testing::Values("", "   \n\t", Numbers(71), Numbers(71, "abc"),
                      Numbers(12, "x") + Numbers(60), Numbers(71, "nan"), Numbers(71, "inf"),
                      Numbers(71, "-infinity"), Numbers(71, "1e400"), Numbers(71, "0x1p3"),
                      Numbers(71, "5,5"), Numbers(71, "1.5.2"), Numbers(71, "++1"),
                      Numbers(71, "+"), Numbers(71, "-"), Numbers(71, "# a comment"),
                      Numbers(36, std::string("\0", 1)) + Numbers(36), Numbers(71, "1\x80")));

TEST(DistributionFile, UnreadableFileIsNamedAndTheTableKept) {
    TempFolder folder;
    HourlyTrafficDistribution table = MarkedTable();
    const FileResult missing = ReadDistributionFile(folder / "absent.dst", table);
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Message.find((folder / "absent.dst").string()), std::string::npos);

    const FileResult directory = ReadDistributionFile(folder.Path(), table);
    EXPECT_FALSE(directory.Ok);
    EXPECT_NE(directory.Message.find(folder.Path().string()), std::string::npos);
    EXPECT_EQ(table, MarkedTable());
}

TEST(DistributionFile, HugeFileIsRefusedUnreadAndShortFileWithTheCountMessage) {
    TempFolder folder;
    // 72 good numbers followed by more blanks than a distribution can need.
    WriteText(folder / "padded.dst",
              OneNumberPerLine() + std::string(kMaxDistributionFileBytes, ' '));
    HourlyTrafficDistribution table = MarkedTable();
    const FileResult huge = ReadDistributionFile(folder / "padded.dst", table);
    EXPECT_FALSE(huge.Ok);
    EXPECT_NE(huge.Message.find("too large"), std::string::npos) << huge.Message;
    EXPECT_NE(huge.Message.find("padded.dst"), std::string::npos);

    WriteText(folder / "short.dst", "1.80\t48.00\t52.00\n");
    const FileResult shortFile = ReadDistributionFile(folder / "short.dst", table);
    EXPECT_EQ(shortFile.Message, kDistributionNumberCountMessage);
    EXPECT_EQ(table, MarkedTable());
    EXPECT_EQ(ReadText(folder / "short.dst"), "1.80\t48.00\t52.00\n");
}

TEST(DistributionFile, CopiesToAndFromTheProjectColumnByColumn) {
    auto project = std::make_unique<Project>();
    HourlyTrafficDistribution table = MarkedTable();
    table.HourlyInboundPercent[5] = 61.0;
    table.CopyInto(*project);
    EXPECT_EQ(project->HourlyAADTPercent[0], -1.0);
    EXPECT_EQ(project->HourlyInboundPercent[5], 61.0);
    EXPECT_EQ(project->HourlyOutboundPercent[23], -3.0);
    EXPECT_EQ(HourlyTrafficDistribution::CopyOf(*project), table);
}

} // namespace
} // namespace wexa
