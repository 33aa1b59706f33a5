#pragma once

#include "model/Project.h"
#include "model/ProjectSchema.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace wexa::cli {

// The JSON form of a project: one key per saved field, under the field's code
// name, in file order. Per-slot fields are arrays over their slots; a field
// with several values per record (a caption triple, reserved reals) is an
// array of its values. Reals are written so that they read back to the same
// bits; the non-finite ones, which JSON numbers cannot hold, as the strings
// "NaN", "Infinity" and "-Infinity".
[[nodiscard]] nlohmann::ordered_json ProjectToJson(const Project& project);

// Reading the JSON form is done field by field (see JsonInput.h): a key
// names a saved field, and the key's value sets it.
struct JsonField {
    const SavedSection* Section;
    const SavedField* Field;
};

// The field a top-level key names; nothing for a key that names no saved field.
[[nodiscard]] std::optional<JsonField> FindJsonField(std::string_view key);

// Sets the field from its value; false when the value has the wrong type or
// shape (an array of the wrong length, say), and then the field may have been
// set in part.
[[nodiscard]] bool FieldFromJson(JsonField field, const nlohmann::json& value, Project& project);

// What a value of the field must be, for the message refusing one: "a number",
// "an array of 40 entries, each a whole number".
[[nodiscard]] std::string ExpectedShape(JsonField field);

} // namespace wexa::cli
