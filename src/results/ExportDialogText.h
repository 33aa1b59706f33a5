#pragma once

#include "forms/DialogBoxes.h"

#include <string_view>

namespace wexa::forms {

// The texts of the report export dialog and of the export that follows it.

namespace ExportMessage {
inline constexpr MessageText NoFileName{"Filename has not been selected", "Can Not Export"};
inline constexpr MessageText Exported{"Data has been exported to designated file",
                                      "Export Successful!"};
// A failed write shows the reason, which names the file, with the caption of
// a refused export.
inline constexpr std::string_view FailedCaption = NoFileName.Caption;
} // namespace ExportMessage

// The dialog's texts, top to bottom; its "Cancel" button is
// DialogLabel::Cancel.
struct ExportDialogLabels {
    std::string_view Title;
    std::string_view Prompt;
    std::string_view Browse;
    std::string_view Note; // below the name box, with its spacing
    std::string_view Export;
};
inline constexpr ExportDialogLabels kExportLabels{
    .Title = "Simulation Complete - Export Formatted Data to Designated File",
    .Prompt = "Select Filename and Path to Create Formatted Output...",
    .Browse = "Browse to Find Folder",
    .Note = "Note:  Selecting a filename that already exists will automatically overwrite that "
            "file.  Also, if that file is currently open in another program, it should be "
            "closed before attempting to export.   ",
    .Export = "Export",
};

// What "Browse to Find Folder" starts the file dialog with, the type list in
// the desktop platform's notation (ParseFileFilter reads it).
inline constexpr std::string_view kExportInitialName = "*.xls";
inline constexpr std::string_view kExportFileFilter =
    "Excel Files (*.xls) |*.xls|Text (*.txt) |*.txt|All Files (*.*) |*.*||";

// The file-name box, for FormEffects::MoveFocus.
inline constexpr std::string_view kExportFileNameControl = "FileName";

} // namespace wexa::forms
