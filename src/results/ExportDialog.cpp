#include "results/ExportDialog.h"

#include "forms/DialogBoxes.h"
#include "results/ExportDialogText.h"

namespace wexa::forms {

void ExportDialog::Browse(FormEffects& effects) {
    if (auto chosen = effects.AskFileName(BrowseRequest())) {
        fileName_ = std::move(*chosen);
    }
}

bool ExportDialog::PressExport(FormEffects& effects) {
    if (fileName_.empty()) {
        Refuse(effects, ExportMessage::NoFileName, kExportFileNameControl);
        return false;
    }
    return true;
}

FileNameRequest ExportDialog::BrowseRequest() {
    return {.InitialName = std::string(kExportInitialName),
            .Filters = ParseFileFilter(kExportFileFilter),
            .MustExist = false,
            .ConfirmOverwrite = false,
            .DefaultSuffix = {}};
}

} // namespace wexa::forms
