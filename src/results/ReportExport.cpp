#include "results/ReportExport.h"

#include "model/OutputTarget.h"
#include "model/PathText.h"
#include "model/TextEncoding.h"
#include "report/FormattedReport.h"
#include "results/ExportDialogText.h"

#include <filesystem>

namespace wexa::forms {

bool ExportReportFile(Project& project, const std::string& fileName, const std::string& projectFile,
                      const IterationStatusTable& statuses, std::time_t analysisTime,
                      FormEffects& effects) {
    project.ExportFileName = fileName;
    if (!projectFile.empty() && SameFile(PathFromText(fileName), PathFromText(projectFile))) {
        effects.ShowMessage("Unable to write to " + PrintableText(fileName) +
                                ", it is the project file that is open: the report would "
                                "replace the project. Please choose another file name.",
                            ExportMessage::FailedCaption, MessageIcon::Exclamation);
        return false;
    }
    const FileResult written = WriteReport(PathFromText(fileName), project, statuses, analysisTime);
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
