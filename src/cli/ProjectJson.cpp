#include "cli/ProjectJson.h"

#include <cmath>
#include <limits>

namespace wexa::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::string_view kNaN = "NaN";
constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kNegativeInfinity = "-Infinity";

ordered_json RealToJson(double value) {
    if (std::isnan(value)) {
        return kNaN;
    }
    if (std::isinf(value)) {
        return value > 0 ? kInfinity : kNegativeInfinity;
    }
    return value;
}

std::optional<double> RealFromJson(const json& value) {
    if (value.is_number()) {
        return value.get<double>();
    }
    if (value.is_string()) {
        const auto& text = value.get_ref<const std::string&>();
        if (text == kNaN) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        if (text == kInfinity) {
            return std::numeric_limits<double>::infinity();
        }
        if (text == kNegativeInfinity) {
            return -std::numeric_limits<double>::infinity();
        }
    }
    return std::nullopt;
}

std::optional<Int32> Int32FromJson(const json& value) {
    if (value.is_number_integer()) { // also true for unsigned numbers
        if (value.is_number_unsigned()) {
            const auto number = value.get<std::uint64_t>();
            if (number <= static_cast<std::uint64_t>(std::numeric_limits<Int32>::max())) {
                return static_cast<Int32>(number);
            }
            return std::nullopt;
        }
        const auto number = value.get<std::int64_t>();
        if (number >= std::numeric_limits<Int32>::min() &&
            number <= std::numeric_limits<Int32>::max()) {
            return static_cast<Int32>(number);
        }
    }
    return std::nullopt;
}

// One value of a field to JSON.
ordered_json ValueToJson(const SavedField& field, const Project& project, int record, int element) {
    return VisitSavedValue(field, project, record, element, [](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, double>) {
            return RealToJson(value);
        } else {
            return ordered_json(value);
        }
    });
}

// One value of a field from JSON; false when the JSON value has the wrong type.
bool ValueFromJson(const SavedField& field, const json& value, Project& project, int record,
                   int element) {
    return VisitSavedValue(field, project, record, element, [&value](auto& target) {
        using T = std::decay_t<decltype(target)>;
        if constexpr (std::is_same_v<T, double>) {
            const auto real = RealFromJson(value);
            if (real) {
                target = *real;
            }
            return real.has_value();
        } else if constexpr (std::is_same_v<T, Int32>) {
            const auto integer = Int32FromJson(value);
            if (integer) {
                target = *integer;
            }
            return integer.has_value();
        } else {
            if (value.is_string()) {
                target = value.get<std::string>();
            }
            return value.is_string();
        }
    });
}

// A record's values of a field: a scalar, or an array when the field has
// several values per record.
ordered_json RecordToJson(const SavedField& field, const Project& project, int record) {
    if (field.Width == 1) {
        return ValueToJson(field, project, record, 0);
    }
    ordered_json values = ordered_json::array();
    for (int element = 0; element < field.Width; ++element) {
        values.push_back(ValueToJson(field, project, record, element));
    }
    return values;
}

bool RecordFromJson(const SavedField& field, const json& value, Project& project, int record) {
    if (field.Width == 1) {
        return ValueFromJson(field, value, project, record, 0);
    }
    if (!value.is_array() || value.size() != static_cast<std::size_t>(field.Width)) {
        return false;
    }
    for (int element = 0; element < field.Width; ++element) {
        if (!ValueFromJson(field, value[static_cast<std::size_t>(element)], project, record,
                           element)) {
            return false;
        }
    }
    return true;
}

const char* TypeName(FieldType type) {
    switch (type) {
    case FieldType::Int32:
        return "a whole number";
    case FieldType::Real:
        return "a number";
    case FieldType::String:
        break;
    }
    return "a string";
}

} // namespace

ordered_json ProjectToJson(const Project& project) {
    ordered_json result = ordered_json::object();
    for (const SavedSection& section : SavedSections()) {
        for (const SavedField& field : section.Fields) {
            if (section.Records == 1) {
                result[std::string(field.Name)] = RecordToJson(field, project, 0);
                continue;
            }
            ordered_json records = ordered_json::array();
            for (int record = 0; record < section.Records; ++record) {
                records.push_back(RecordToJson(field, project, record));
            }
            result[std::string(field.Name)] = std::move(records);
        }
    }
    return result;
}

std::optional<JsonField> FindJsonField(std::string_view key) {
    for (const SavedSection& section : SavedSections()) {
        for (const SavedField& field : section.Fields) {
            if (field.Name == key) {
                return JsonField{&section, &field};
            }
        }
    }
    return std::nullopt;
}

bool FieldFromJson(JsonField field, const json& value, Project& project) {
    const int records = field.Section->Records;
    if (records == 1) {
        return RecordFromJson(*field.Field, value, project, 0);
    }
    if (!value.is_array() || value.size() != static_cast<std::size_t>(records)) {
        return false;
    }
    for (int record = 0; record < records; ++record) {
        if (!RecordFromJson(*field.Field, value[static_cast<std::size_t>(record)], project,
                            record)) {
            return false;
        }
    }
    return true;
}

std::string ExpectedShape(JsonField field) {
    const int width = field.Field->Width;
    const int records = field.Section->Records;
    std::string value =
        width == 1 ? std::string(TypeName(field.Field->Type))
                   : "an array of " + std::to_string(width) + " x " + TypeName(field.Field->Type);
    if (records == 1) {
        return value;
    }
    return "an array of " + std::to_string(records) + " entries, each " + value;
}

} // namespace wexa::cli
