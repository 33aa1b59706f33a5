#include "results/ChartImage.h"
#include "model/PathText.h"
#include "model/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace wexa::forms {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

FileNameRequest ChartImageRequest() {
    return FileNameRequest{
        .InitialName = "chart.png",
        .Filters = {{"PNG Images", {"*.png"}}, {"SVG Drawings", {"*.svg"}}, {"All Files", {"*"}}},
        .MustExist = false,
        .ConfirmOverwrite = true,
        .DefaultSuffix = "png"};
}

std::optional<ImageTarget> ChartImageTarget(const std::string& chosen) {
    const std::filesystem::path path = PathFromText(chosen);
    if (!path.has_filename()) {
        return std::nullopt;
    }
    const std::string suffix = Lower(TextFromPath(path.extension()));
    if (suffix.empty()) {
        return ImageTarget{chosen + ".png", ImageFormat::Png};
    }
    if (suffix == ".png") {
        return ImageTarget{chosen, ImageFormat::Png};
    }
    if (suffix == ".svg") {
        return ImageTarget{chosen, ImageFormat::Svg};
    }
    return std::nullopt;
}

std::string ImageSuffixMessage(const std::string& chosen) {
    return "The chart can be saved as a PNG image (.png) or an SVG drawing (.svg).\n\"" +
           PrintableText(chosen) + "\" is neither; nothing was written.";
}

std::string ImageNotWrittenMessage(const std::string& fileName, const std::string& reason) {
    return NotWrittenMessage("chart", fileName, reason);
}

} // namespace wexa::forms
