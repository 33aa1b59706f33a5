#include "ui/ChartOutput.h"

#include "forms/ChartImage.h"
#include "ui/ChartAdapter.h"
#include "ui/Prompts.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace wexa::ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Draws the chart at its size on screen into `device`.
bool Draw(ChartPanel& chart, QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    chart.Render(painter, QRectF(QPointF(0, 0), QSizeF(chart.size())));
    return painter.end();
}

bool WriteImage(ChartPanel& chart, forms::ImageFormat format, QSaveFile& file) {
    if (format == forms::ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(chart.size());
        svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
        svg.setTitle(QStringLiteral("Wexa chart"));
        return Draw(chart, svg);
    }
    // Twice the screen's pixels, so the picture stays sharp in a document.
    QImage image(chart.size() * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    return Draw(chart, image) && image.save(&file, "PNG");
}

} // namespace

bool PrintChartOn(ChartPanel& chart, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the top left of the printable area.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    chart.Render(painter, QRectF(QPointF(0, 0), page.size()));
    return painter.end();
}

void PrintChart(ChartPanel& chart, Prompts& prompts, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (prompts.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    if (!PrintChartOn(chart, printer)) {
        prompts.ShowMessage(QStringLiteral("The chart could not be printed: the printer did "
                                           "not accept the page."),
                            QStringLiteral("Print"), forms::MessageIcon::Exclamation);
    }
}

void SaveChartImage(ChartPanel& chart, Prompts& prompts) {
    const std::optional<QString> chosen = prompts.AskFileName(forms::ChartImageRequest());
    if (!chosen) {
        return;
    }
    const QString caption = QString::fromLatin1(forms::kSaveImageCaption);
    const std::optional<forms::ImageTarget> target = forms::ChartImageTarget(chosen->toStdString());
    if (!target) {
        prompts.ShowMessage(Text(forms::ImageSuffixMessage(chosen->toStdString())), caption,
                            forms::MessageIcon::Exclamation);
        return;
    }
    // QSaveFile writes beside the target and renames only a complete file.
    QSaveFile file(Text(target->FileName));
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (!WriteImage(chart, target->Format, file)) {
        reason = file.error() == QFileDevice::NoError
                     ? QStringLiteral("the picture could not be drawn.")
                     : file.errorString();
        file.cancelWriting();
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) {
        prompts.ShowMessage(
            Text(forms::ImageNotWrittenMessage(target->FileName, reason.toStdString())), caption,
            forms::MessageIcon::Exclamation);
    }
}

} // namespace wexa::ui
