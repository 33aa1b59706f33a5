#include "model/ProjectSchema.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace wexa {
namespace {

struct Located {
    const SavedSection* section = nullptr;
    const SavedField* field = nullptr;
};

Located Find(std::string_view name) {
    for (const SavedSection& section : SavedSections()) {
        for (const SavedField& field : section.Fields) {
            if (field.Name == name) {
                return {&section, &field};
            }
        }
    }
    return {};
}

std::set<const void*> SavedAddresses(const Project& project) {
    std::set<const void*> addresses;
    ForEachSavedValue(project, [&addresses](const auto& value) {
        addresses.insert(&value);
        return true;
    });
    return addresses;
}

TEST(ProjectSchema, EverySavedValueIsADistinctPlaceInsideTheProject) {
    const auto project = std::make_unique<Project>();
    const auto* begin = reinterpret_cast<const unsigned char*>(project.get());
    const auto* end = begin + sizeof(Project);
    std::size_t visits = 0;
    ForEachSavedValue(*project, [&](const auto& value) {
        const auto* at = reinterpret_cast<const unsigned char*>(&value);
        EXPECT_TRUE(at >= begin && at < end);
        ++visits;
        return true;
    });
    // Per record: 74 project values; 1 + 4 + 1 per alternative; 7 timing and
    // 17 other values per activity; 6 per bid item; 3 per time item; 3 per
    // hour; 6 per speed row.
    const std::size_t expected =
        74 + 4 * 6 + 40 * 7 + 40 * 17 + 400 * 6 + 120 * 3 + 24 * 3 + 17 * 6;
    EXPECT_EQ(visits, expected);
    EXPECT_EQ(SavedAddresses(*project).size(), expected) << "two values share a place";
}

TEST(ProjectSchema, FieldsThatAreNotSavedStayOutOfTheTable) {
    const auto project = std::make_unique<Project>();
    const std::set<const void*> saved = SavedAddresses(*project);
    const auto expectOutside = [&saved](const auto& member, const char* name) {
        const auto* first = reinterpret_cast<const unsigned char*>(&member);
        const auto* last = first + sizeof(member);
        for (const void* address : saved) {
            const auto* at = static_cast<const unsigned char*>(address);
            ASSERT_FALSE(at >= first && at < last) << name << " is in the saved table";
        }
    };
    expectOutside(project->ProgressText, "ProgressText");
    expectOutside(project->ExportFileName, "ExportFileName");
    expectOutside(project->IterationCount, "IterationCount");
    expectOutside(project->SuccessPercent, "SuccessPercent");
    expectOutside(project->RuralAADTPercent, "RuralAADTPercent");
    expectOutside(project->UrbanOutboundPercent, "UrbanOutboundPercent");
    expectOutside(project->GridlockCounts, "GridlockCounts");
    expectOutside(project->TotalNpvResults, "TotalNpvResults");
    expectOutside(project->AgencyCumulativePercents, "AgencyCumulativePercents");
    expectOutside(project->GraphPlotMode, "GraphPlotMode");
    expectOutside(project->CopyFromActivity, "CopyFromActivity");
    expectOutside(project->ActivitySlots, "ActivitySlots");
}

TEST(ProjectSchema, SectionsHaveTheFixedRecordCountsAndUniqueFieldNames) {
    std::vector<int> records;
    std::set<std::string_view> names;
    std::size_t fields = 0;
    for (const SavedSection& section : SavedSections()) {
        records.push_back(section.Records);
        for (const SavedField& field : section.Fields) {
            names.insert(field.Name);
            ++fields;
        }
    }
    EXPECT_EQ(records, (std::vector<int>{1, 4, 40, 40, 400, 120, 24, 17}));
    EXPECT_EQ(names.size(), fields) << "a field name is used twice";
}

TEST(ProjectSchema, TypedAccessReachesTheNamedMember) {
    auto project = std::make_unique<Project>();
    const Located aadt = Find("BaseYearAADT");
    const Located start = Find("ActivityStartHour");
    const Located captions = Find("YearsToNextCaptions");
    const Located reserved = Find("AlternativeReserved");
    ASSERT_NE(aadt.field, nullptr);
    ASSERT_NE(start.field, nullptr);
    ASSERT_NE(captions.field, nullptr);
    ASSERT_NE(reserved.field, nullptr);
    EXPECT_EQ(captions.field->Width, 3);
    EXPECT_EQ(reserved.field->Width, 4);

    SavedValue<Int32>(*aadt.field, *project, 0) = 1234;
    SavedValue<Int32>(*start.field, *project, 12) = 8;
    SavedValue<std::string>(*captions.field, *project, 0, 2) = "  +/-";
    SavedValue<double>(*reserved.field, *project, 3, 1) = 0.5;

    EXPECT_EQ(project->BaseYearAADT, 1234);
    EXPECT_EQ(project->ActivityStartHour[12], 8);
    EXPECT_EQ(project->YearsToNextCaptions[2], "  +/-");
    EXPECT_EQ(project->AlternativeReserved[3][1], 0.5);

    const Project& readOnly = *project;
    const bool sawConstValue = VisitSavedValue(*start.field, readOnly, 12, 0, [](auto& value) {
        static_assert(std::is_const_v<std::remove_reference_t<decltype(value)>>);
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, Int32>) {
            return value == 8;
        } else {
            return false;
        }
    });
    EXPECT_TRUE(sawConstValue);
}

} // namespace
} // namespace wexa
