#pragma once

#include "model/Project.h"

#include <nlohmann/json.hpp>

#include <string>

namespace wexa::cli {

// The JSON form of a project: one key per saved field, under the field's code
// name, in file order. Per-slot fields are arrays over their slots; a field
// with several values per record (a caption triple, reserved reals) is an
// array of its values. Reals are written so that they read back to the same
// bits; the non-finite ones, which JSON numbers cannot hold, as the strings
// "NaN", "Infinity" and "-Infinity".
[[nodiscard]] nlohmann::ordered_json ProjectToJson(const Project& project);

// The inverse: every key present sets its field; fields left out keep the
// value they have in project. An unknown key, a value of the wrong type or an
// array of the wrong length is refused: the result is false, error names the
// field, and project is left unchanged.
[[nodiscard]] bool ProjectFromJson(const nlohmann::json& json, Project& project,
                                   std::string& error);

} // namespace wexa::cli
