#pragma once

#include "model/Project.h"

#include <cassert>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace wexa {

// The saved fields of a Project, in the order of the project file. The file
// reader, the file writer and the JSON exporter all walk this one table, so a
// field added here reaches every format at once.
//
// A section holds Records records; each record holds every field of the
// section once, in order; a field holds Width values of its type in a row
// (a caption triple, the four reserved reals of an alternative). The first
// section is a single record of project-level fields.

enum class FieldType { Int32, Real, String };

struct SavedField {
    std::string_view Name; // the field's name in the Project, e.g. "BaseYearAADT"
    FieldType Type;
    int Width; // values per record
    // Address of one value: an Int32, a double or a std::string as Type says.
    // record must be below the section's Records and element below Width.
    void* (*At)(Project& project, int record, int element);
};

struct SavedSection {
    std::string_view Name;
    int Records;
    std::span<const SavedField> Fields;
};

// All sections in file order.
[[nodiscard]] std::span<const SavedSection> SavedSections();

template <typename T> [[nodiscard]] consteval FieldType FieldTypeOf() {
    if constexpr (std::is_same_v<T, Int32>) {
        return FieldType::Int32;
    } else if constexpr (std::is_same_v<T, double>) {
        return FieldType::Real;
    } else {
        static_assert(std::is_same_v<T, std::string>, "saved values are Int32, double or string");
        return FieldType::String;
    }
}

// One value, typed: T must be the field's type (Int32, double or std::string).
template <typename T>
[[nodiscard]] T& SavedValue(const SavedField& field, Project& project, int record,
                            int element = 0) {
    assert(field.Type == FieldTypeOf<T>());
    return *static_cast<T*>(field.At(project, record, element));
}

template <typename T>
[[nodiscard]] const T& SavedValue(const SavedField& field, const Project& project, int record,
                                  int element = 0) {
    // The accessor only computes an address; nothing is written through it.
    return SavedValue<T>(field, const_cast<Project&>(project), record, element);
}

// Calls visitor with the value as Int32&, double& or std::string& (const
// references for a const Project) and returns what the visitor returns.
template <typename ProjectType, typename Visitor>
requires std::is_same_v<std::remove_const_t<ProjectType>, Project>
decltype(auto) VisitSavedValue(const SavedField& field, ProjectType& project, int record,
                               int element, Visitor&& visitor) {
    if (field.Type == FieldType::Int32) {
        return visitor(SavedValue<Int32>(field, project, record, element));
    }
    if (field.Type == FieldType::Real) {
        return visitor(SavedValue<double>(field, project, record, element));
    }
    return visitor(SavedValue<std::string>(field, project, record, element));
}

// Visits every saved value in file order. The visitor returns false to stop;
// the walk then returns false.
template <typename ProjectType, typename Visitor>
requires std::is_same_v<std::remove_const_t<ProjectType>, Project>
bool ForEachSavedValue(ProjectType& project, Visitor&& visitor) {
    for (const SavedSection& section : SavedSections()) {
        for (int record = 0; record < section.Records; ++record) {
            for (const SavedField& field : section.Fields) {
                for (int element = 0; element < field.Width; ++element) {
                    if (!VisitSavedValue(field, project, record, element, visitor)) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

} // namespace wexa
