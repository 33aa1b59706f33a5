#pragma once

#include "model/Project.h"

class QPrintPreviewDialog;
class QSettings;
class QWidget;

namespace wexa::ui {

class Prompts;

// "Print...": the print dialog (through `prompts`, like every modal box),
// then the results page on the chosen printer. A printer that does not take
// the page is reported.
void PrintResultsPageWithDialog(const Project& project, Prompts& prompts, QWidget* parent);

// The print preview's page view as the settings store keeps it: "PreviewPages"
// in "Settings" is 2 for two pages side by side; anything else, or nothing,
// is one page.
[[nodiscard]] int PreviewPages(const QSettings& settings);

// "Print Preview": the page in the print preview, one page or two side by
// side as the settings say; the view the user leaves it in is kept for next
// time. Printing from the preview prints the same page.
void PreviewResultsPage(const Project& project, Prompts& prompts, QSettings& settings,
                        QWidget* parent);

} // namespace wexa::ui
