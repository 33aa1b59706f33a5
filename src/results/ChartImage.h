#pragma once

#include "forms/FileNameRequest.h"

#include <optional>
#include <string>

namespace wexa::forms {

// "Save Image..." of the chart windows: the chart written as a picture for a
// report or a slide, as a PNG bitmap or an SVG drawing.
enum class ImageFormat { Png, Svg };

inline constexpr char kSaveImageCaption[] = "Save Image";

// What the file dialog is asked for: a new or existing name, PNG first.
[[nodiscard]] FileNameRequest ChartImageRequest();

// The file a chosen name is written to and in which format: ".png" and
// ".svg" (any case) decide the format, a name without a suffix gets ".png".
struct ImageTarget {
    std::string FileName;
    ImageFormat Format = ImageFormat::Png;
};
// Nothing for a name with any other suffix: writing PNG bytes under another
// picture type's name would give a file no viewer reads.
[[nodiscard]] std::optional<ImageTarget> ChartImageTarget(const std::string& chosen);

// The messages after the attempt.
[[nodiscard]] std::string ImageSuffixMessage(const std::string& chosen);
[[nodiscard]] std::string ImageNotWrittenMessage(const std::string& fileName,
                                                 const std::string& reason);

} // namespace wexa::forms
