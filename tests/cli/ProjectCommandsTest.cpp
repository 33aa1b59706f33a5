#include "cli/Commands.h"
#include "cli/JsonInput.h"
#include "cli/ProjectJson.h"
#include "model/ProjectFile.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

namespace wexa::cli {
namespace {

using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

struct Captured {
    std::ostringstream out;
    std::ostringstream err;
    Output Streams() { return {out, err}; }
};

// A project whose saved fields differ from the defaults almost everywhere,
// with values that are easy to get wrong: non-finite and negative reals,
// extreme integers, text beyond ASCII and strings past the one-byte prefix.
std::unique_ptr<Project> UnusualProject() {
    auto p = std::make_unique<Project>();
    p->BaseYearAADT = 23456;
    p->MaximumAADT = std::numeric_limits<Int32>::max();
    p->NumberOfAlternatives = 7; // files are not range-checked
    p->DiscountRateMin = -0.0;
    p->DiscountRateMax = std::numeric_limits<double>::quiet_NaN();
    p->TrafficGrowthMean = std::numeric_limits<double>::infinity();
    p->TrafficGrowthMin = -std::numeric_limits<double>::infinity();
    p->ProjectLength = 0.1 + 0.2; // needs all 17 digits to read back
    p->ProjectDescription = "Route 9 \xE2\x80\x93 caf\xC3\xA9 \xE2\x82\xAC";
    p->ProjectNumber = std::string(300, 'x');
    p->ReservedInt = std::numeric_limits<Int32>::min();
    p->DiscountRateCaptions = {"a", "", "c"};
    for (int i = 0; i < kActivitySlots; ++i) {
        p->ActivityStartHour[i] = i - 20;
        p->ActivityWorkZoneUserCost[i] = 1234.5 * i;
        p->ActivityDescriptions[i] = "Activity " + std::to_string(i);
    }
    p->AlternativeReserved[3] = {1.5, -2.5, 1e300, 5e-324};
    p->BidItemCodes[399] = -7;
    p->TimeItemDescriptions[119] = "last";
    p->HourlyOutboundPercent[23] = 99.125;
    p->AddedTimePassengerCar[16] = 8.171717;
    return p;
}

TEST(NewCommand, WritesTheDefaultProject) {
    TempFolder folder;
    Captured io;
    ASSERT_EQ(NewCommand(folder.File("new.wxa"), io.Streams()), kExitSuccess) << io.err.str();
    const auto bytes = ReadBytes(folder.File("new.wxa"));
    EXPECT_EQ(bytes.size(), 36628u);
    EXPECT_EQ(bytes, WriteProjectBytes(Project{}));
}

TEST(ShowAndImport, JsonRoundTripGivesIdenticalBytes) {
    TempFolder folder;
    const auto project = UnusualProject();
    ASSERT_TRUE(WriteProjectFile(folder.File("in.wxa"), *project));

    Captured shown;
    ASSERT_EQ(ShowCommand(folder.File("in.wxa"), true, shown.Streams()), kExitSuccess);
    WriteText(folder.File("in.json"), shown.out.str());
    Captured imported;
    ASSERT_EQ(ImportCommand(folder.File("in.json"), folder.File("out.wxa"), imported.Streams()),
              kExitSuccess)
        << imported.err.str();

    EXPECT_EQ(ReadBytes(folder.File("out.wxa")), ReadBytes(folder.File("in.wxa")));
}

TEST(ShowAndImport, JsonNamesFieldsAndShapesArrays) {
    const auto project = UnusualProject();
    const auto json = ProjectToJson(*project);
    EXPECT_EQ(json.at("BaseYearAADT"), 23456);
    EXPECT_EQ(json.at("DiscountRateMax"), "NaN");
    EXPECT_EQ(json.at("TrafficGrowthMin"), "-Infinity");
    EXPECT_EQ(json.at("DiscountRateCaptions").size(), 3u);
    EXPECT_EQ(json.at("ActivityStartHour").size(), 40u);
    EXPECT_EQ(json.at("ActivityStartHour")[39], 19);
    EXPECT_EQ(json.at("AlternativeReserved").size(), 4u);
    EXPECT_EQ(json.at("AlternativeReserved")[3].size(), 4u);
    EXPECT_EQ(json.at("BidItemCodes").size(), 400u);
    EXPECT_EQ(json.at("HourlyOutboundPercent").size(), 24u);
    EXPECT_EQ(json.at("AddedTimePassengerCar").size(), 17u);
    EXPECT_EQ(json.at("ProjectDescription"), project->ProjectDescription);
    // Fields that are not saved are not part of the JSON form either.
    EXPECT_FALSE(json.contains("RuralAADTPercent"));
    EXPECT_FALSE(json.contains("AgencyNpvResults"));
}

TEST(ImportCommand, FieldsLeftOutKeepTheirDefaults) {
    TempFolder folder;
    std::string hours = "8";
    for (int i = 1; i < kActivitySlots; ++i) {
        hours += ",9";
    }
    WriteText(folder.File("p.json"),
              R"({"BaseYearAADT": 5000, "ActivityStartHour": [)" + hours + "]}");
    Captured io;
    ASSERT_EQ(ImportCommand(folder.File("p.json"), folder.File("p.wxa"), io.Streams()),
              kExitSuccess)
        << io.err.str();

    Project expected;
    expected.BaseYearAADT = 5000;
    expected.ActivityStartHour.fill(9);
    expected.ActivityStartHour[0] = 8;
    EXPECT_EQ(ReadBytes(folder.File("p.wxa")), WriteProjectBytes(expected));
}

// A JSON file written on Windows ends its lines with CR LF; the project is
// the same.
TEST(ImportCommand, LinesEndedWithCarriageReturnsGiveTheSameProject) {
    TempFolder folder;
    WriteText(folder.File("lf.json"),
              "{\n \"BaseYearAADT\": 5000,\n \"ProjectDescription\": \"A\"\n}\n");
    WriteText(folder.File("crlf.json"),
              "{\r\n \"BaseYearAADT\": 5000,\r\n \"ProjectDescription\": \"A\"\r\n}\r\n");
    for (const char* name : {"lf", "crlf"}) {
        Captured io;
        ASSERT_EQ(ImportCommand(folder.File(std::string(name) + ".json"),
                                folder.File(std::string(name) + ".wxa"), io.Streams()),
                  kExitSuccess)
            << io.err.str();
    }
    EXPECT_EQ(ReadBytes(folder.File("crlf.wxa")), ReadBytes(folder.File("lf.wxa")));
}

struct RefusedImport {
    const char* json;
    const char* named; // what the message must name
};

void PrintTo(const RefusedImport& refused, std::ostream* out) {
    *out << refused.json;
}

class ImportRefusal : public ::testing::TestWithParam<RefusedImport> {};

TEST_P(ImportRefusal, NamesTheFieldAndWritesNothing) {
    TempFolder folder;
    WriteText(folder.File("bad.json"), GetParam().json);
    WriteText(folder.File("existing.wxa"), "keep me");
    Captured io;
    EXPECT_EQ(ImportCommand(folder.File("bad.json"), folder.File("existing.wxa"), io.Streams()),
              kExitFileError);
    EXPECT_THAT(io.err.str(), HasSubstr(GetParam().named));
    const auto kept = ReadBytes(folder.File("existing.wxa"));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "keep me");
}

INSTANTIATE_TEST_SUITE_P(
    BadFields, ImportRefusal,
    ::testing::Values(RefusedImport{R"({"BaseYearAADT": 1, "Bogus": 2})", "\"Bogus\""},
                      RefusedImport{R"({"BaseYearAADT": 1.5})", "\"BaseYearAADT\""},
                      RefusedImport{R"({"BaseYearAADT": 3000000000})", "\"BaseYearAADT\""},
                      RefusedImport{R"({"PercentTrucks": "ten"})", "\"PercentTrucks\""},
                      RefusedImport{R"({"ProjectNumber": 12})", "\"ProjectNumber\""},
                      RefusedImport{R"({"ActivityStartHour": [1, 2]})", "\"ActivityStartHour\""},
                      RefusedImport{R"({"DiscountRateCaptions": ["a", "b"]})",
                                    "\"DiscountRateCaptions\""},
                      RefusedImport{R"({"BaseYearAADT": 1,)", "bad.json"},
                      RefusedImport{R"([1, 2, 3])", "bad.json"}));

// Faults the parser meets part way: refused as soon as they are read.
INSTANTIATE_TEST_SUITE_P(
    BadText, ImportRefusal,
    ::testing::Values(
        RefusedImport{R"({"BaseYearAADT": 1, "PercentTrucks": 2, "BaseYearAADT": 1})",
                      "bad.json: field \"BaseYearAADT\" is given more than once"},
        RefusedImport{R"({"DiscountRateMean": 1e400})",
                      "field \"DiscountRateMean\" holds a number out of range: 1e400"},
        RefusedImport{R"({"BaseYearAADT": -1e400})",
                      "field \"BaseYearAADT\" holds a number out of range: -1e400"},
        RefusedImport{R"({"ActivityStartHour": [1, 2, 3e999, 4]})",
                      "field \"ActivityStartHour\" holds a number out of range: 3e999"},
        // Numbers a double holds still meet the field's own check.
        RefusedImport{R"({"BaseYearAADT": 99999999999999999999})",
                      "field \"BaseYearAADT\" must be a whole number"},
        RefusedImport{R"({"BaseYearAADT": 1e300})",
                      "field \"BaseYearAADT\" must be a whole number"},
        RefusedImport{R"({"BaseYearAADT": {"BaseYearAADT": 1}})",
                      "field \"BaseYearAADT\" must be a whole number"},
        RefusedImport{R"({"AlternativeReserved": [[1, 2, 3, 4], [[1]], 5, 6]})",
                      "field \"AlternativeReserved\" must be an array of 4 entries, each an array "
                      "of 4 x a number"},
        RefusedImport{R"("BaseYearAADT")", "the file must hold one JSON object"},
        RefusedImport{R"({"BaseYearAADT": 1} {})", "bad.json: not valid JSON"}));

// One line of the error output, checked to hold the text and to be short
// beyond the file's name (whose length depends on the system's temporary
// folder).
void ExpectOneShortLine(const std::string& err, const std::string& holds, const std::string& file) {
    EXPECT_THAT(err, HasSubstr(holds));
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err.substr(0, 300);
    EXPECT_LT(err.size(), 170u + file.size()) << err.substr(0, 300);
}

TEST(ImportCommand, HugeKeysNumbersAndArraysAreRefusedInOneShortLine) {
    TempFolder folder;
    const std::string sixty(60, '9');
    const std::string json = folder.File("huge.json");
    const auto refusal = [&](const std::string& text) {
        WriteText(json, text);
        Captured io;
        EXPECT_EQ(ImportCommand(json, folder.File("out.wxa"), io.Streams()), kExitFileError);
        return io.err.str();
    };

    ExpectOneShortLine(refusal("{\"" + std::string(100'000, '9') + "\": 1}"),
                       "unknown field \"" + sixty + "...\"", json);
    ExpectOneShortLine(refusal("{\"\\u001b[2J\": 1}"), "unknown field \"\\x1B[2J\"", json);
    ExpectOneShortLine(refusal("{\"BaseYearAADT\": " + std::string(100'000, '9') + "}"),
                       "field \"BaseYearAADT\" holds a number out of range: " + sixty + "...;",
                       json);

    std::string codes = "{\"BidItemCodes\": [1";
    for (int i = 0; i < 1'000'000; ++i) {
        codes += ",1";
    }
    ExpectOneShortLine(refusal(codes + "]}"),
                       "field \"BidItemCodes\" must be an array of 400 entries", json);
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.wxa")));
}

TEST(ImportCommand, RefusesAFileOverTheLimitBeforeParsing) {
    TempFolder folder;
    // Sparse files of zero bytes, which are not JSON: a file that is read at
    // all reaches the parser and is refused there.
    const auto zeros = [&folder](const std::string& name, std::uintmax_t size) {
        std::ofstream(folder / name).put('\0');
        std::filesystem::resize_file(folder / name, size);
        return folder.File(name);
    };
    WriteText(folder.File("existing.wxa"), "keep me");

    Captured over;
    EXPECT_EQ(ImportCommand(zeros("over.json", kMaxProjectJsonBytes + 1),
                            folder.File("existing.wxa"), over.Streams()),
              kExitFileError);
    EXPECT_THAT(over.err.str(), HasSubstr("over.json: the file is larger than 64 MiB"));

    Captured at;
    EXPECT_EQ(ImportCommand(zeros("at.json", kMaxProjectJsonBytes), folder.File("existing.wxa"),
                            at.Streams()),
              kExitFileError);
    EXPECT_THAT(at.err.str(), HasSubstr("at.json: not valid JSON"));

    // Other read failures keep their own message.
    Captured missing;
    EXPECT_EQ(
        ImportCommand(folder.File("none.json"), folder.File("existing.wxa"), missing.Streams()),
        kExitFileError);
    EXPECT_THAT(missing.err.str(), HasSubstr("Cannot find this file."));

    EXPECT_EQ(ReadText(folder.File("existing.wxa")), "keep me");
}

TEST(ImportCommand, NumbersWithinRangeKeepTheirValue) {
    TempFolder folder;
    WriteText(folder.File("p.json"), R"({"DiscountRateMean": 1e300, "DiscountRateMin": -1.5e308,
        "ProjectLength": 4.9e-324, "BaseYearAADT": 2147483647, "ReservedInt": -2147483648,
        "DiscountRateMax": 0.0000000000000000000000000000000000000000000000000000000001e60})");
    Captured io;
    ASSERT_EQ(ImportCommand(folder.File("p.json"), folder.File("p.wxa"), io.Streams()),
              kExitSuccess)
        << io.err.str();
    auto expected = std::make_unique<Project>();
    expected->DiscountRateMean = 1e300;
    expected->DiscountRateMin = -1.5e308;
    expected->ProjectLength = 4.9e-324;
    expected->BaseYearAADT = std::numeric_limits<Int32>::max();
    expected->ReservedInt = std::numeric_limits<Int32>::min();
    expected->DiscountRateMax = 0.0000000000000000000000000000000000000000000000000000000001e60;
    EXPECT_EQ(ReadBytes(folder.File("p.wxa")), WriteProjectBytes(*expected));
}

TEST(ShowCommand, FileErrorsNameTheFile) {
    TempFolder folder;
    Captured missing;
    EXPECT_EQ(ShowCommand(folder.File("none.wxa"), false, missing.Streams()), kExitFileError);
    EXPECT_THAT(missing.err.str(), HasSubstr("none.wxa"));

    auto bytes = WriteProjectBytes(Project{});
    bytes.resize(bytes.size() - 1);
    WriteText(folder.File("short.wxa"), std::string(bytes.begin(), bytes.end()));
    Captured truncated;
    EXPECT_EQ(ShowCommand(folder.File("short.wxa"), true, truncated.Streams()), kExitFileError);
    EXPECT_THAT(truncated.err.str(), HasSubstr("short.wxa"));
    EXPECT_THAT(truncated.err.str(), HasSubstr("Unexpected file format."));
    EXPECT_TRUE(truncated.out.str().empty());
}

TEST(ShowCommand, ListsDeclaredAlternativesAndSurvivesOutOfRangeCounts) {
    TempFolder folder;
    auto project = std::make_unique<Project>();
    project->NumberOfAlternatives = 2;
    project->AlternativeActivityCount = {2, 11, 1, 1};
    project->ActivityDescriptions[1] = "Overlay";
    ASSERT_TRUE(WriteProjectFile(folder.File("p.wxa"), *project));
    Captured io;
    ASSERT_EQ(ShowCommand(folder.File("p.wxa"), false, io.Streams()), kExitSuccess);
    const std::string text = io.out.str();
    EXPECT_THAT(text, HasSubstr("Work Activity 2: Overlay"));
    EXPECT_THAT(text, HasSubstr("The number of activities, 11, is outside 1..10"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("Alternative 3")));

    project->NumberOfAlternatives = 7;
    ASSERT_TRUE(WriteProjectFile(folder.File("p.wxa"), *project));
    Captured seven;
    ASSERT_EQ(ShowCommand(folder.File("p.wxa"), false, seven.Streams()), kExitSuccess);
    EXPECT_THAT(seven.out.str(), HasSubstr("The number of alternatives, 7, is outside 1..4"));
}

// Each line of show is one field, so no stored text may break it or reach
// the terminal as a control sequence; the JSON form keeps the text exactly.
TEST(ShowCommand, EscapesControlCharactersOfStoredText) {
    using namespace std::string_literals;
    TempFolder folder;
    auto project = std::make_unique<Project>();
    project->NumberOfAlternatives = 1;
    project->AlternativeActivityCount[0] = 1;
    const int activity = ActivitySlot(1, 1);
    const std::string description = "a\tb\nc\0d\x1B[2J\xC2\x9D caf\xC3\xA9 \xE2\x82\xAC"s;
    project->ProjectDescription = description;
    project->ProjectNumber = "N\x07";
    project->AlternativeDescriptions[0] = "A\x07";
    project->ActivityDescriptions[activity] = "W\x07";
    project->BidItemDescriptions[BidItemSlot(activity, 0)] = "B\x07";
    project->BidItemQuantities[BidItemSlot(activity, 0)] = 1;
    project->TimeItemDescriptions[TimeItemSlot(activity, 0)] = "T\x07";
    project->TimeItemUnitPrices[TimeItemSlot(activity, 0)] = 1;
    ASSERT_TRUE(WriteProjectFile(folder.File("p.wxa"), *project));

    Captured text;
    ASSERT_EQ(ShowCommand(folder.File("p.wxa"), false, text.Streams()), kExitSuccess);
    const std::string shown = text.out.str();
    EXPECT_THAT(shown, HasSubstr(" a\\x09b\\x0Ac\\x00d\\x1B[2J\\x9D caf\xC3\xA9 \xE2\x82\xAC\n"));
    for (const char* field : {"N\\x07\n", ": A\\x07\n", ": W\\x07\n", ": B\\x07, ", ": T\\x07, "}) {
        EXPECT_THAT(shown, HasSubstr(field));
    }
    const auto raw = std::count_if(shown.begin(), shown.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\n';
    });
    EXPECT_EQ(raw, 0);

    Captured json;
    ASSERT_EQ(ShowCommand(folder.File("p.wxa"), true, json.Streams()), kExitSuccess);
    EXPECT_EQ(nlohmann::json::parse(json.out.str()).at("ProjectDescription"), description);
}

} // namespace
} // namespace wexa::cli
