#pragma once

#include <nlohmann/json.hpp>

#include <optional>

namespace wexa::cli {

// A figure that may be missing: null in JSON, never 0.
template <typename T> nlohmann::ordered_json OrNull(const std::optional<T>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

} // namespace wexa::cli
