#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ProjectRun.h"
#include "cli/SensitivityOutput.h"
#include "cli/TextFormat.h"
#include "forms/FormText.h"
#include "simulation/Sensitivity.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace wexa::cli {
namespace {

// An exit status once a malformed value has been reported; none when every
// value given could be read.
using UsageError = std::optional<int>;

UsageError ReadReal(Output output, std::string_view name, const std::optional<std::string>& text,
                    double& value) {
    if (!text) {
        return std::nullopt;
    }
    const auto number = forms::ParseReal(*text);
    if (!number) {
        return ReportFileError(output, std::string(name) + " takes a number such as 2.5, not \"" +
                                           EchoedText(*text) + "\".");
    }
    value = *number;
    return std::nullopt;
}

// Numbers from 1 as the user knows them, from 0 as the core counts; a number
// below 1 becomes -1, which the core refuses as no alternative, without the
// subtraction overflowing.
int FromZero(std::int32_t number) {
    return number > 0 ? number - 1 : -1;
}

UsageError ReadPair(Output output, const std::optional<std::string>& text,
                    std::optional<std::array<int, 2>>& pair) {
    if (!text) {
        return std::nullopt;
    }
    const std::string_view typed = *text;
    const auto comma = typed.find(',');
    const auto a = forms::ParseInteger(typed.substr(0, comma));
    const auto b = comma == std::string_view::npos ? std::nullopt
                                                   : forms::ParseInteger(typed.substr(comma + 1));
    if (!a || !b) {
        return ReportFileError(output, "--pair takes two alternative numbers separated by a "
                                       "comma, such as 1,2, not \"" +
                                           EchoedText(*text) + "\".");
    }
    pair = std::array<int, 2>{FromZero(*a), FromZero(*b)};
    return std::nullopt;
}

UsageError ReadOptions(const SensitivityCommandOptions& options, Output output,
                       SensitivityOptions& settings) {
    for (const auto& [name, text, value] :
         {std::tuple{"--from", &options.from, &settings.Range.From},
          std::tuple{"--to", &options.to, &settings.Range.To},
          std::tuple{"--step", &options.step, &settings.Range.Step},
          std::tuple{"--swing", &options.swing, &settings.Tornado.SwingPercent}}) {
        if (const UsageError error = ReadReal(output, name, *text, *value)) {
            return error;
        }
    }
    return ReadPair(output, options.pair, settings.Tornado.Pair);
}

} // namespace

int SensitivityCommand(const SensitivityCommandOptions& options, Output output,
                       RunFeedback* feedback) {
    SensitivityOptions settings;
    if (const UsageError error = ReadOptions(options, output, settings)) {
        return *error;
    }
    const auto project = ReadProjectToRun(options.projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    Sensitivity sensitivity;
    if (const auto refusal = RunSensitivity(*project, settings, sensitivity, feedback)) {
        return ReportRunRefusal(output, *refusal);
    }
    // A Ctrl+C after the last run still stops the command whole.
    if (feedback != nullptr && feedback->Cancelled()) {
        return ReportCancelled(output);
    }
    if (options.json) {
        output.out << SensitivityToJson(sensitivity).dump(2) << '\n';
    } else {
        WriteSensitivityText(output.out, options.projectPath, *project, sensitivity);
    }
    return kExitSuccess;
}

} // namespace wexa::cli
