#include "ui/ResultsPagePrinting.h"

#include "results/ResultsPage.h"
#include "ui/HelpSections.h"
#include "ui/Prompts.h"
#include "ui/ResultsPagePainter.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
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

// Before any run there is nothing to print: says so, and false.
bool ResultsToPrint(const Project& project, Prompts& prompts) {
    if (forms::HasResultsToPrint(project)) {
        return true;
    }
    prompts.ShowMessage(QString::fromUtf8(forms::kNoResultsMessage.data(),
                                          static_cast<qsizetype>(forms::kNoResultsMessage.size())),
                        QString::fromUtf8(forms::kNoResultsCaption.data(),
                                          static_cast<qsizetype>(forms::kNoResultsCaption.size())),
                        forms::MessageIcon::Information);
    return false;
}

// F1 in the print dialog and the preview opens the guide at printing.
void AddPrintingHelp(QDialog& dialog, Prompts& prompts) {
    SetHelpSection(dialog, HelpSection::Printing,
                   QStringLiteral("Prints the page with the results of the last run."));
    AddHelpKeys(dialog, prompts);
}

} // namespace

void PrintResultsPageWithDialog(const Project& project, Prompts& prompts, QWidget* parent) {
    if (!ResultsToPrint(project, prompts)) {
        return;
    }
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
    if (!ResultsToPrint(project, prompts)) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    AddPrintingHelp(dialog, prompts);
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    // The page draws itself for the preview and for printing from it; a
    // printer that refuses has nothing to show, so nothing to report here.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&project](QPrinter* target) { PrintResultsPage(*target, project); });
    // Large enough to read a page: most of the screen, the page fitted to it.
    if (const QScreen* screen =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(area.width() * 4 / 5, area.height() * 9 / 10);
    }
    if (preview != nullptr) {
        ShowPages(dialog, *preview, PreviewPages(settings));
        preview->fitInView();
    }
    prompts.RunDialog(dialog);
    if (preview != nullptr) {
        const bool twoPages = preview->viewMode() != QPrintPreviewWidget::SinglePageView;
        settings.setValue(kPreviewPagesKey, twoPages ? kTwoPages : 1);
    }
}

} // namespace wexa::ui
