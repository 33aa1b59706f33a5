#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "cli/NumericOption.h"
#include "cli/TextFormat.h"
#include "model/FileOps.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The first word after the program name when it names no command (CLI11
// then only says that a command is required).
std::optional<std::string> UnknownCommand(const CLI::App& app) {
    if (!app.get_subcommands().empty()) {
        return std::nullopt;
    }
    const std::vector<std::string> words = app.remaining();
    if (words.empty() || words.front().starts_with('-')) {
        return std::nullopt;
    }
    return words.front();
}

int ReportUnknownCommand(const CLI::App& app, const std::string& command) {
    std::string names;
    for (const CLI::App* subcommand : app.get_subcommands([](const CLI::App*) { return true; })) {
        names += (names.empty() ? "" : ", ") + subcommand->get_name();
    }
    std::cerr << "wexa-cli: unknown command \"" << wexa::cli::EchoedText(command)
              << "\"; the commands are " << names << ".\nRun with --help for more information.\n";
    return wexa::cli::kExitFileError;
}

// CLI11 uses its own exit codes for parse errors; wexa-cli reports every
// usage error as 2.
int ExitForParseError(CLI::App& app, const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : wexa::cli::kExitFileError;
}

// Keeps an option's text as typed, when it is given: the command reads it,
// so that a malformed value gets its own message rather than CLI11's (or a
// conversion CLI11 would allow, such as "" or hexadecimal).
CLI::Option* AddTyped(CLI::App* command, const char* name, std::optional<std::string>& text,
                      const char* type, const char* help) {
    return command
        ->add_option_function<std::string>(
            name, [&text](const std::string& typed) { text = typed; }, help)
        ->type_name(type);
}

// Reads a numeric option kept as typed, if it was given, into `value`;
// false once a malformed value has been reported.
template <typename Number, typename Value>
bool ReadTyped(wexa::cli::Output output, const char* name, const std::optional<std::string>& text,
               Value& value) {
    if (!text) {
        return true;
    }
    const std::optional<Number> number = wexa::cli::ReadNumericOption<Number>(output, name, *text);
    if (number) {
        value = *number;
    }
    return number.has_value();
}

int RunProgram(int argc, char** argv) {
    using namespace wexa::cli;
    CLI::App app{"Wexa command line: life-cycle cost analysis of pavement design alternatives",
                 "wexa-cli"};
    app.require_subcommand(1);
    // CLI11 reads "/name" as an option on Windows; a file name such as
    // /data/project.wxa is a file there too, and the options are the same
    // on every system.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("wexa-cli ") + WEXA_VERSION,
                         "Print the version and exit");
    const Output output{std::cout, std::cerr};
    int status = kExitSuccess;

    std::string projectPath;
    std::string outputPath;
    bool json = false;

    CLI::App* newCmd = app.add_subcommand("new", "Write a project with every default");
    newCmd->add_option("FILE", projectPath, "Project file to write (.wxa)")->required();
    newCmd->callback([&] { status = NewCommand(projectPath, output); });

    CLI::App* showCmd = app.add_subcommand("show", "Print the project's inputs");
    showCmd->add_option("FILE", projectPath, "Project file (.wxa)")->required();
    showCmd->add_flag("--json", json, "Print every saved field as JSON");
    showCmd->callback([&] { status = ShowCommand(projectPath, json, output); });

    std::string jsonPath;
    CLI::App* importCmd = app.add_subcommand("import", "Make a project from its JSON form");
    importCmd->add_option("FILE", jsonPath, "JSON file as printed by show --json")->required();
    importCmd->add_option("-o,--output", outputPath, "Project file to write (.wxa)")->required();
    importCmd->callback([&] { status = ImportCommand(jsonPath, outputPath, output); });

    WorkZoneOptions workZone;
    std::optional<std::string> alternativeText;
    std::optional<std::string> activityText;
    CLI::App* workZoneCmd = app.add_subcommand(
        "workzone", "Work-zone user costs of one activity, as the timing dialog shows them");
    workZoneCmd->add_option("FILE", workZone.projectPath, "Project file (.wxa)")->required();
    AddTyped(workZoneCmd, "--alternative", alternativeText, "A", "Alternative number (1-4)")
        ->required();
    AddTyped(workZoneCmd, "--activity", activityText, "W", "Work activity number (1-10)")
        ->required();
    workZoneCmd->add_flag("--find-optimum", workZone.findOptimum,
                          "Search the cheapest start hour first");
    workZoneCmd->add_flag("--json", workZone.json, "Print the figures as JSON");
    workZoneCmd->callback([&] {
        if (!ReadTyped<std::int32_t>(output, "--alternative", alternativeText,
                                     workZone.alternative) ||
            !ReadTyped<std::int32_t>(output, "--activity", activityText, workZone.activity)) {
            status = kExitFileError;
            return;
        }
        status = WorkZoneCommand(workZone, output);
    });

    CLI::App* optimizeCmd = app.add_subcommand(
        "optimize", "Set the cheapest start hour of every activity with work-zone user costs");
    optimizeCmd->add_option("FILE", projectPath, "Project file (.wxa)")->required();
    optimizeCmd->add_option("-o,--output", outputPath, "Project file to write (.wxa)")->required();
    optimizeCmd->callback([&] { status = OptimizeCommand(projectPath, outputPath, output); });

    RunOptions run;
    std::optional<std::string> seedText;
    CLI::App* runCmd = app.add_subcommand("run", "Run the analysis and write the formatted report");
    runCmd->add_option("FILE", run.projectPath, "Project file (.wxa)")->required();
    std::string reportPath;
    CLI::Option* reportOption =
        runCmd->add_option("-o,--output", reportPath, "Formatted report to write");
    AddTyped(runCmd, "--seed", seedText, "N",
             "Seed of the random source, 0 to 4294967295 (default: the clock)");
    std::string runJsonPath;
    CLI::Option* jsonOption =
        runCmd->add_option("--json", runJsonPath, "Write the results as JSON to this file");
    runCmd->callback([&] {
        // An option given with an empty name is refused by the command, not
        // taken as no option at all.
        if (reportOption->count() > 0) {
            run.reportPath = reportPath;
        }
        if (jsonOption->count() > 0) {
            run.jsonPath = runJsonPath;
        }
        if (!ReadTyped<std::uint32_t>(output, "--seed", seedText, run.seed)) {
            status = kExitFileError;
            return;
        }
        wexa::RunFeedback interrupt;
        const InterruptWatch watch(interrupt);
        status = RunCommand(run, output, &interrupt);
    });

    CompareOptions compare;
    std::optional<std::string> compareSeedText;
    std::optional<std::string> riskText;
    CLI::App* compareCmd = app.add_subcommand(
        "compare", "Run the analysis and compare the alternatives iteration by iteration");
    compareCmd->add_option("FILE", compare.projectPath, "Project file (.wxa)")->required();
    AddTyped(compareCmd, "--seed", compareSeedText, "N",
             "Seed of the random source, 0 to 4294967295 (default: the clock)");
    AddTyped(compareCmd, "--risk-percentile", riskText, "P",
             "Choose the alternative with the lowest NPV at this percentile (1-100, default 50)");
    compareCmd->add_flag("--json", compare.json, "Print the comparison as JSON");
    compareCmd->callback([&] {
        if (!ReadTyped<std::uint32_t>(output, "--seed", compareSeedText, compare.seed) ||
            !ReadTyped<std::int32_t>(output, "--risk-percentile", riskText,
                                     compare.riskPercentile)) {
            status = kExitFileError;
            return;
        }
        wexa::RunFeedback interrupt;
        const InterruptWatch watch(interrupt);
        status = CompareCommand(compare, output, &interrupt);
    });

    SensitivityCommandOptions sensitivity;
    CLI::App* sensitivityCmd = app.add_subcommand(
        "sensitivity", "Sweep the base case over discount rates and rank its inputs in a tornado");
    sensitivityCmd->add_option("FILE", sensitivity.projectPath, "Project file (.wxa)")->required();
    // The command reads the values itself, so that a malformed one gets its
    // own message; kept as typed, and only when given.
    const auto typed = [&](const char* name, std::optional<std::string>& value, const char* type,
                           const char* help) { AddTyped(sensitivityCmd, name, value, type, help); };
    typed("--from", sensitivity.from, "R",
          "First discount rate in percent, above -100 (default 0)");
    typed("--to", sensitivity.to, "R",
          "Last discount rate in percent, not below --from (default 10)");
    typed("--step", sensitivity.step, "R",
          "Step between the rates in percentage points, above 0 and leaving at most 1001 rates "
          "(default 0.1)");
    typed("--swing", sensitivity.swing, "PCT",
          "How far the tornado moves inputs without a range of their own, percent from 0 to 100 "
          "(default 20)");
    typed("--pair", sensitivity.pair, "A,B",
          "Two different alternatives (1-4, of the project) whose difference the tornado ranks "
          "(default: the two cheapest)");
    sensitivityCmd->add_flag("--json", sensitivity.json, "Print the figures as JSON");
    sensitivityCmd->callback([&] {
        wexa::RunFeedback interrupt;
        const InterruptWatch watch(interrupt);
        status = SensitivityCommand(sensitivity, output, &interrupt);
    });

    CashflowOptions cashflow;
    std::optional<std::string> cashflowSeedText;
    CLI::App* cashflowCmd = app.add_subcommand(
        "cashflow", "The expenditure stream: each alternative's costs by activity and by year");
    cashflowCmd->add_option("FILE", cashflow.projectPath, "Project file (.wxa)")->required();
    AddTyped(cashflowCmd, "--seed", cashflowSeedText, "N",
             "Seed of the random source, 0 to 4294967295 (default: the clock)");
    std::string csvPath;
    CLI::Option* csvOption =
        cashflowCmd->add_option("-o,--output", csvPath, "Year-by-year table to write (CSV)");
    cashflowCmd->add_flag("--json", cashflow.json, "Print the stream as JSON");
    cashflowCmd->callback([&] {
        if (csvOption->count() > 0) {
            cashflow.csvPath = csvPath;
        }
        if (!ReadTyped<std::uint32_t>(output, "--seed", cashflowSeedText, cashflow.seed)) {
            status = kExitFileError;
            return;
        }
        wexa::RunFeedback interrupt;
        const InterruptWatch watch(interrupt);
        status = CashflowCommand(cashflow, output, &interrupt);
    });

    const std::vector<std::string> arguments = ArgumentsAsText(argc, argv);
    std::vector<const char*> words;
    for (const std::string& argument : arguments) {
        words.push_back(argument.c_str());
    }
    try {
        app.parse(static_cast<int>(words.size()), words.data());
    } catch (const CLI::ParseError& error) {
        if (const auto command = UnknownCommand(app)) {
            return ReportUnknownCommand(app, *command);
        }
        return ExitForParseError(app, error);
    }
    return status;
}

// Every failure the commands foresee is reported where it happens; what
// reaches here (memory exhausted, a fault of ours) still gets a message
// and a status a script can tell apart, instead of an abort.
int ReportUnexpected(std::string_view what) {
    std::cerr << "wexa-cli: stopped by an unexpected error: " << what << '\n';
    return wexa::cli::kExitUnexpected;
}

} // namespace

// What went to standard output and could not all be written (a reader that
// stopped, a full disk) is a failure the user hears of, not a success.
int CheckStandardOutput(int status) {
    if (std::cout.flush()) {
        return status;
    }
    std::cerr << "wexa-cli: unable to write to standard output; what it received is "
                 "incomplete.\n";
    return status == wexa::cli::kExitSuccess ? wexa::cli::kExitFileError : status;
}

int main(int argc, char** argv) {
    const wexa::cli::Utf8Console console;
    wexa::TreatFailedWritesAsErrors();
    try {
        return CheckStandardOutput(RunProgram(argc, argv));
    } catch (const std::bad_alloc&) {
        return ReportUnexpected("out of memory");
    } catch (const std::exception& error) {
        return ReportUnexpected(error.what());
    } catch (...) {
        return ReportUnexpected("unknown exception");
    }
}
