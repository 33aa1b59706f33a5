#include "ui/ResultsPagePrinting.h"

#include "ui/HelpSections.h"
#include "ui/Prompts.h"
#include "ui/ResultsPagePainter.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>

namespace wexa::ui {

namespace {

const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");
constexpr int kTwoPages = 2;

void PrintOrReport(QPrinter& printer, const Project& project, Prompts& prompts) {
    if (!PrintResultsPage(printer, project)) {
        prompts.ShowMessage(QStringLiteral("The results page could not be printed: the printer "
                                           "did not accept the page."),
                            QStringLiteral("Print"), forms::MessageIcon::Exclamation);
    }
}

// Picks the preview's view through its own toolbar button, so the button
// shows the view; straight on the preview widget when there is no such
// button.
void ShowPages(QPrintPreviewDialog& dialog, QPrintPreviewWidget& preview, int pages) {
    const QString button = pages == kTwoPages ? QStringLiteral("Show facing pages")
                                              : QStringLiteral("Show single page");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() == button) {
            action->trigger();
            return;
        }
    }
    preview.setViewMode(pages == kTwoPages ? QPrintPreviewWidget::FacingPagesView
                                           : QPrintPreviewWidget::SinglePageView);
}

// F1 in the print dialog and the preview opens the guide at printing.
void AddPrintingHelp(QDialog& dialog, Prompts& prompts) {
    SetHelpSection(dialog, HelpSection::Printing,
                   QStringLiteral("Prints the page with the results of the last run."));
    AddHelpKeys(dialog, prompts);
}

} // namespace

void PrintResultsPageWithDialog(const Project& project, Prompts& prompts, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    AddPrintingHelp(dialog, prompts);
    if (prompts.RunDialog(dialog) == QDialog::Accepted) {
        PrintOrReport(printer, project, prompts);
    }
}

int PreviewPages(const QSettings& settings) {
    return settings.value(kPreviewPagesKey, 0).toInt() == kTwoPages ? kTwoPages : 1;
}

void PreviewResultsPage(const Project& project, Prompts& prompts, QSettings& settings,
                        QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    AddPrintingHelp(dialog, prompts);
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    // The page draws itself for the preview and for printing from it; a
    // printer that refuses has nothing to show, so nothing to report here.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&project](QPrinter* target) { PrintResultsPage(*target, project); });
    if (preview != nullptr) {
        ShowPages(dialog, *preview, PreviewPages(settings));
    }
    prompts.RunDialog(dialog);
    if (preview != nullptr) {
        const bool twoPages = preview->viewMode() != QPrintPreviewWidget::SinglePageView;
        settings.setValue(kPreviewPagesKey, twoPages ? kTwoPages : 1);
    }
}

} // namespace wexa::ui
