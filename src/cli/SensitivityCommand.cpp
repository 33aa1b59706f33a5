#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/NumericOption.h"
#include "cli/ProjectRun.h"
#include "cli/SensitivityOutput.h"
#include "cli/TextFormat.h"
#include "decision/Sensitivity.h"
#include "forms/FormText.h"
#include "simulation/ProjectChecks.h"

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
    const auto number = ReadNumericOption<double>(output, name, *text);
    if (!number) {
        return kExitFileError;
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

// A value as the user gave it, or the default that stood in for it.
std::string AsGiven(const std::optional<std::string>& text, double value) {
    return text ? *text : FormatNumber(value);
}

std::string StepAllowed(const RateRange& range) {
    const double smallest = SmallestStep(range);
    if (!(smallest > 0.0)) {
        return "greater than 0";
    }
    return "at least " + FormatNumber(smallest) + ", for at most " +
           std::to_string(kMaxSweepPoints) + " rates from " + FormatNumber(range.From) + " to " +
           FormatNumber(range.To);
}

// A range the sweep cannot take, named by the option to put right. (The
// numbers read are finite; the faults of a number that is not are the
// window's, and fall to the same options.)
UsageError CheckRange(const SensitivityCommandOptions& options, Output output,
                      const RateRange& range) {
    int points = 0;
    const std::optional<RateRangeFault> fault = FindRateRangeFault(range, points);
    if (!fault) {
        return std::nullopt;
    }
    switch (*fault) {
    case RateRangeFault::FromNotFinite:
    case RateRangeFault::FromTooLow:
        return ReportOutOfRange(output, "--from",
                                "a rate greater than " + FormatNumber(kLowestDiscountRate) +
                                    " (percent)",
                                AsGiven(options.from, range.From));
    case RateRangeFault::ToNotFinite:
    case RateRangeFault::ToBelowFrom:
        return ReportOutOfRange(output, "--to",
                                "a rate no lower than --from (" + FormatNumber(range.From) + ")",
                                AsGiven(options.to, range.To));
    case RateRangeFault::StepNotFinite:
    case RateRangeFault::StepNotAboveZero:
    case RateRangeFault::TooManyRates:
        break;
    }
    return ReportOutOfRange(output, "--step", StepAllowed(range),
                            AsGiven(options.step, range.Step));
}

std::string PairAllowed(int alternatives) {
    return "two different alternatives from 1 to " + std::to_string(alternatives);
}

// The options whose ranges do not depend on the project, checked before it
// is read.
UsageError CheckOptions(const SensitivityCommandOptions& options, Output output,
                        const SensitivityOptions& settings) {
    if (const UsageError error = CheckRange(options, output, settings.Range)) {
        return error;
    }
    if (!SwingInRange(settings.Tornado.SwingPercent)) {
        return ReportOutOfRange(output, "--swing",
                                "a percentage from 0 to " + FormatNumber(kMaxSwingPercent),
                                AsGiven(options.swing, settings.Tornado.SwingPercent));
    }
    if (settings.Tornado.Pair && !PairInRange(*settings.Tornado.Pair, kMaxAlternatives)) {
        return ReportOutOfRange(output, "--pair", PairAllowed(kMaxAlternatives), *options.pair);
    }
    return std::nullopt;
}

// The pair against the alternatives the project has. A count outside
// 1..kMaxAlternatives is the project's fault, which the run reports.
UsageError CheckPairInProject(const SensitivityCommandOptions& options, Output output,
                              const SensitivityOptions& settings, const Project& project) {
    const int alternatives = project.NumberOfAlternatives;
    if (!settings.Tornado.Pair || alternatives < 1 || alternatives > kMaxAlternatives ||
        PairInRange(*settings.Tornado.Pair, alternatives)) {
        return std::nullopt;
    }
    if (alternatives == 1) {
        return ReportFileError(output, "--pair needs two alternatives, but the project has one.");
    }
    return ReportOutOfRange(output, "--pair",
                            PairAllowed(alternatives) + ", the alternatives of the project",
                            *options.pair);
}

} // namespace

int SensitivityCommand(const SensitivityCommandOptions& options, Output output,
                       RunFeedback* feedback) {
    SensitivityOptions settings;
    if (const UsageError error = ReadOptions(options, output, settings)) {
        return *error;
    }
    if (const UsageError error = CheckOptions(options, output, settings)) {
        return *error;
    }
    const auto project = ReadProjectToRun(options.projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    if (const UsageError error = CheckPairInProject(options, output, settings, *project)) {
        return *error;
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
