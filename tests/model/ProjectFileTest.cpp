#include "model/ProjectFile.h"
#include "ByteBuilder.h"
#include "model/ProjectSchema.h"
#include "model/TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace wexa {
namespace {

using testing::Bytes;

std::unique_ptr<Project> NewProject() {
    return std::make_unique<Project>();
}

// Every saved value set to something different, drawn from a seeded
// generator: negative integers, reals of any bit pattern (NaN, infinities,
// negative zero and subnormals included) and 8-bit strings, with a few of
// every length form unless only short ones are asked for.
std::unique_ptr<Project> RandomProject(std::uint32_t seed, bool longStrings = true) {
    auto project = NewProject();
    std::mt19937_64 random(seed);
    int stringIndex = 0;
    ForEachSavedValue(*project, [&](auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, Int32>) {
            value = static_cast<Int32>(random());
        } else if constexpr (std::is_same_v<T, double>) {
            value = std::bit_cast<double>(random());
        } else {
            // Mostly short strings, and a few of each longer prefix form.
            static constexpr std::size_t kSpecialLengths[] = {0, 254, 255, 65533, 65534, 70000};
            const std::size_t length = longStrings && stringIndex < 6
                                           ? kSpecialLengths[stringIndex]
                                           : static_cast<std::size_t>(random() % 40);
            ++stringIndex;
            std::string onDisk(length, '\0');
            for (char& c : onDisk) {
                c = static_cast<char>(random());
            }
            value = Windows1252ToUtf8(onDisk);
        }
        return true;
    });
    return project;
}

TEST(ProjectFile, EveryValueSurvivesAWriteAndARead) {
    for (const std::uint32_t seed : {1U, 2U, 3U}) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        const auto original = RandomProject(seed);
        const Bytes written = WriteProjectBytes(*original);

        auto loaded = NewProject();
        const FileResult result = ReadProjectBytes(written, *loaded);
        ASSERT_TRUE(result.Ok) << result.Message;
        // Every value has one encoding and the strings are all 8-bit text, so
        // equal bytes mean equal values, NaN payloads included.
        const Bytes rewritten = WriteProjectBytes(*loaded);
        EXPECT_TRUE(rewritten == written)
            << "sizes " << written.size() << " and " << rewritten.size();
    }
}

TEST(ProjectFile, ReadingKeepsTheFieldsThatAreNotSaved) {
    const Bytes file = WriteProjectBytes(*RandomProject(4));
    auto project = NewProject();
    project->ProgressText = "running";
    project->ExportFileName = "report.txt";
    project->IterationCount = 5000;
    project->RuralAADTPercent[3] = -1.0;
    project->TotalNpvResults[2][4999] = 123456789;
    project->SuccessPercent = 42.0;

    ASSERT_TRUE(ReadProjectBytes(file, *project).Ok);
    EXPECT_EQ(project->ProgressText, "running");
    EXPECT_EQ(project->ExportFileName, "report.txt");
    EXPECT_EQ(project->IterationCount, 5000);
    EXPECT_EQ(project->RuralAADTPercent[3], -1.0);
    EXPECT_EQ(project->TotalNpvResults[2][4999], 123456789);
    EXPECT_EQ(project->SuccessPercent, 42.0);
}

TEST(ProjectFile, ValuesAreTakenWithoutRangeChecks) {
    auto odd = NewProject();
    odd->NumberOfAlternatives = 7;
    odd->AlternativeActivityCount[0] = 0;
    odd->DiscountRateKind = 9;
    odd->PostedSpeedLimit = -5;
    odd->ActivityStartHour[39] = 99;
    odd->ActivityUserCostModes[0] = 3;
    const Bytes file = WriteProjectBytes(*odd);

    auto loaded = NewProject();
    ASSERT_TRUE(ReadProjectBytes(file, *loaded).Ok);
    EXPECT_EQ(loaded->NumberOfAlternatives, 7);
    EXPECT_EQ(loaded->AlternativeActivityCount[0], 0);
    EXPECT_EQ(loaded->DiscountRateKind, 9);
    EXPECT_EQ(loaded->PostedSpeedLimit, -5);
    EXPECT_EQ(loaded->ActivityStartHour[39], 99);
    EXPECT_EQ(loaded->ActivityUserCostModes[0], 3);
}

TEST(ProjectFile, BytesAfterTheLastFieldAreIgnored) {
    const auto original = RandomProject(5);
    const Bytes written = WriteProjectBytes(*original);
    Bytes file = written;
    file.insert(file.end(), {0xFF, 0xFF, 0xFF, 0x00, 0x01, 0x02});

    auto loaded = NewProject();
    ASSERT_TRUE(ReadProjectBytes(file, *loaded).Ok);
    EXPECT_TRUE(WriteProjectBytes(*loaded) == written);
}

TEST(ProjectFile, AWideStringIsReadAndWrittenBackInEightBits) {
    const Bytes defaults = WriteProjectBytes(*NewProject());
    // The project description starts at byte 52 and takes 29 bytes.
    Bytes file(defaults.begin(), defaults.begin() + 52);
    file.insert(file.end(), {0xFF, 0xFE, 0xFF, 0x03, 'H', 0x00, 0xAC, 0x20, 0x00, 0x4E});
    file.insert(file.end(), defaults.begin() + 52 + 29, defaults.end());

    auto loaded = NewProject();
    ASSERT_TRUE(ReadProjectBytes(file, *loaded).Ok);
    EXPECT_EQ(loaded->ProjectDescription, "H\u20AC\u4E00");
    const Bytes rewritten = WriteProjectBytes(*loaded);
    EXPECT_EQ(Bytes(rewritten.begin() + 52, rewritten.begin() + 56), (Bytes{0x03, 'H', 0x80, '?'}));
}

// Refusal must leave the target exactly as it was: every saved value and
// the fields that are never saved.
class RefusedFile : public ::testing::Test {
protected:
    void ExpectRefused(const Bytes& file) {
        const FileResult result = ReadProjectBytes(file, *target_);
        ASSERT_FALSE(result.Ok) << "a file of " << file.size() << " bytes was accepted";
        ASSERT_EQ(result.Message, kUnexpectedFileFormat);
        ASSERT_TRUE(WriteProjectBytes(*target_) == before_) << "file of " << file.size();
        ASSERT_EQ(target_->ProgressText, "untouched");
    }

    std::unique_ptr<Project> target_ = [] {
        auto project = RandomProject(99, false);
        project->ProgressText = "untouched";
        return project;
    }();
    Bytes before_ = WriteProjectBytes(*target_);
};

// Section starts in a default file, from the record sizes of the layout.
constexpr std::size_t kSectionStarts[] = {0, 504, 756, 2356, 6956, 30556, 35236, 35812};

TEST_F(RefusedFile, FileCutAnywhereIsRefused) {
    const Bytes whole = WriteProjectBytes(*NewProject());
    std::vector<std::size_t> cuts;
    // Every cut in the first and the last sections, a few bytes either side
    // of every section start, and a stride through the rest.
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const bool nearStart =
            std::any_of(std::begin(kSectionStarts), std::end(kSectionStarts),
                        [cut](std::size_t start) { return cut + 3 >= start && cut <= start + 3; });
        if (cut < 504 || cut >= 35236 || nearStart || cut % 37 == 0) {
            cuts.push_back(cut);
        }
    }
    for (const std::size_t cut : cuts) {
        ExpectRefused(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    }
}

struct BadPrefix {
    const char* name;
    Bytes prefix;
};

class OverlongPrefix : public RefusedFile, public ::testing::WithParamInterface<BadPrefix> {};

TEST_P(OverlongPrefix, IsRefusedWithoutReadingFurther) {
    // In place of the project description (byte 52, 29 bytes), with the
    // rest of a good file after it.
    const Bytes defaults = WriteProjectBytes(*NewProject());
    Bytes file(defaults.begin(), defaults.begin() + 52);
    file.insert(file.end(), GetParam().prefix.begin(), GetParam().prefix.end());
    file.insert(file.end(), defaults.begin() + 52 + 29, defaults.end());
    ExpectRefused(file);
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, OverlongPrefix,
    ::testing::Values(BadPrefix{"FourGigabytes", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      BadPrefix{"OneMegabyte", {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00}},
                      BadPrefix{"WideTwoGigaUnits",
                                {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80}},
                      BadPrefix{"NestedWide", {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RefusedFile, RandomFilesShorterThanAnyProjectAreRefused) {
    // With every string empty a project is as short as a file can be.
    auto shortest = NewProject();
    ForEachSavedValue(*shortest, [](auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            value.clear();
        }
        return true;
    });
    const std::size_t minimum = WriteProjectBytes(*shortest).size();

    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        Bytes file(random() % minimum);
        for (unsigned char& byte : file) {
            byte = static_cast<unsigned char>(random());
        }
        ExpectRefused(file);
    }
}

TEST_F(RefusedFile, DamagedFilesAreEitherReadWholeOrRefused) {
    const Bytes good = WriteProjectBytes(*NewProject());
    std::mt19937 random(11);
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        Bytes file = good;
        for (int flips = 0; flips < 4; ++flips) {
            file[random() % file.size()] = static_cast<unsigned char>(random());
        }
        auto project = NewProject();
        const auto unchanged = WriteProjectBytes(*project);
        if (!ReadProjectBytes(file, *project).Ok) {
            ++refused;
            ASSERT_TRUE(WriteProjectBytes(*project) == unchanged);
            continue;
        }
        // Read whole: every field holds what the file holds, so writing the
        // project gives the damaged file again, up to its last field.
        const Bytes written = WriteProjectBytes(*project);
        ASSERT_LE(written.size(), file.size()) << "file " << i;
        ASSERT_TRUE(std::equal(written.begin(), written.end(), file.begin())) << "file " << i;
    }
    EXPECT_GT(refused, 0) << "no damage hit a string length";
    EXPECT_LT(refused, 300) << "no damaged file was read at all";
}

} // namespace
} // namespace wexa
