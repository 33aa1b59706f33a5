#pragma once

#include "forms/FileNameRequest.h"
#include "forms/FormEffects.h"

#include <string>
#include <utility>

namespace wexa::forms {

// The logic of the report export dialog ("Simulation Complete - Export
// Formatted Data to Designated File"), shown at the end of every run: it
// only chooses the file name. Writing the report is ExportReportFile, which
// the window calls when the dialog closed with "Export"; after "Cancel" it
// writes nothing.
//
// How the window drives it: the file-name box shows FileName(); the window
// writes the box's text there before "Export" and shows FileName() again
// after "Browse to Find Folder".
class ExportDialog {
public:
    // Prefilled with the last confirmed name (the project's ExportFileName).
    explicit ExportDialog(std::string lastFileName) : fileName_(std::move(lastFileName)) {}

    [[nodiscard]] std::string& FileName() { return fileName_; }
    [[nodiscard]] const std::string& FileName() const { return fileName_; }

    // "Browse to Find Folder": asks for a file (BrowseRequest); the chosen
    // path replaces the name, Cancel leaves it.
    void Browse(FormEffects& effects);

    // "Export": true when the dialog closes with FileName() as the confirmed
    // name. An empty name is refused (message, focus on the name box) and
    // the dialog stays open; any other name is taken as it is.
    [[nodiscard]] bool PressExport(FormEffects& effects);

    // The file dialog "Browse to Find Folder" opens: the name box starts
    // with "*.xls", the type list is Excel, text and all files, and any name
    // may be chosen, an existing file without a question (the dialog's note
    // says it will be overwritten).
    [[nodiscard]] static FileNameRequest BrowseRequest();

private:
    std::string fileName_;
};

} // namespace wexa::forms
