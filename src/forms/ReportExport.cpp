#include "forms/ReportExport.h"

#include "forms/ExportDialogText.h"
#include "report/FormattedReport.h"

#include <filesystem>

namespace wexa::forms {

bool ExportReportFile(Project& project, const std::string& fileName,
                      const IterationStatusTable& statuses, std::time_t analysisTime,
                      FormEffects& effects) {
    project.ExportFileName = fileName;
    const FileResult written =
        WriteReport(std::filesystem::path(fileName), project, statuses, analysisTime);
    if (written) {
        effects.ShowMessage(ExportMessage::Exported.Message, ExportMessage::Exported.Caption,
                            MessageIcon::Information);
    } else {
        effects.ShowMessage(written.Message, ExportMessage::FailedCaption,
                            MessageIcon::Exclamation);
    }
    return written.Ok;
}

} // namespace wexa::forms
