#include "app/DocumentExport.h"

#include "model/PathText.h"
#include "model/ProjectFile.h"
#include "results/DocumentJob.h"
#include "simulation/AnalysisRun.h"
#include "ui/DocumentPdf.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace wexa::app {
namespace {

constexpr char kOption[] = "--export-document";
constexpr char kUsage[] = "usage: wexa --export-document PROJECT.wxa -o OUT.pdf [--seed N] "
                          "[--risk-percentile P]\n";

struct ExportArguments {
    QString Project;
    QString Output;
    std::optional<std::uint32_t> Seed;
    int RiskPercentile = kDefaultRiskPercentile;
};

void Say(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

int UsageError(const std::string& why) {
    Say("wexa: " + why + "\n");
    Say(kUsage);
    return 2;
}

int Refused(const std::string& why) {
    Say("wexa: " + why + "\n");
    return 1;
}

// Reads the arguments; a message when they are wrong.
std::optional<std::string> ReadArguments(const QStringList& arguments, ExportArguments& read) {
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        const bool hasValue = k + 1 < arguments.size();
        if (argument == QLatin1String(kOption) || argument == QLatin1String("-o") ||
            argument == QLatin1String("--seed") || argument == QLatin1String("--risk-percentile")) {
            if (!hasValue) {
                return argument.toStdString() + " needs a value";
            }
            const QString& value = arguments[++k];
            bool ok = true;
            if (argument == QLatin1String(kOption)) {
                read.Project = value;
            } else if (argument == QLatin1String("-o")) {
                read.Output = value;
            } else if (argument == QLatin1String("--seed")) {
                read.Seed = value.toUInt(&ok);
            } else {
                read.RiskPercentile = value.toInt(&ok);
                ok = ok && read.RiskPercentile >= 1 && read.RiskPercentile <= 100;
            }
            if (!ok) {
                return argument.toStdString() + ": '" + value.toStdString() + "' is not allowed";
            }
        } else {
            return "unknown argument '" + argument.toStdString() + "'";
        }
    }
    if (read.Project.isEmpty()) {
        return "no project named";
    }
    if (read.Output.isEmpty()) {
        return "no output named (-o OUT.pdf)";
    }
    return std::nullopt;
}

} // namespace

int ExportDocument(const QStringList& arguments) {
    ExportArguments read;
    if (const auto wrong = ReadArguments(arguments, read)) {
        return UsageError(*wrong);
    }
    if (const auto problem =
            forms::DocumentTargetProblem(read.Output.toStdString(), read.Project.toStdString())) {
        return Refused(*problem);
    }
    auto project = std::make_unique<Project>();
    if (const FileResult opened =
            OpenProjectFile(PathFromText(read.Project.toStdString()), *project);
        !opened.Ok) {
        return Refused(opened.Message);
    }
    auto workspace = std::make_unique<AnalysisWorkspace>();
    if (const auto refusal = RunAnalysis(*project, *workspace, {read.Seed, nullptr})) {
        return Refused(refusal->Messages.empty() ? "the run was refused."
                                                 : refusal->Messages.back().Message);
    }
    const forms::KeptRun kept(*project, *workspace);
    forms::DocumentJob job(kept, ui::MakeDocumentRequest(read.Project, read.RiskPercentile));
    job.Run();
    if (const FileResult written = ui::WriteDocumentPdf(job.Document(), read.Output.toStdString());
        !written.Ok) {
        return Refused(written.Message);
    }
    return 0;
}

} // namespace wexa::app
