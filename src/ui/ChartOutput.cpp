#include "ui/ChartOutput.h"

#include "model/AtomicFile.h"
#include "model/PathText.h"
#include "results/ChartImage.h"
#include "results/CsvText.h"
#include "ui/ChartAdapter.h"
#include "ui/Prompts.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTextDocument>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

namespace wexa::ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Draws the picture at its size on screen into `device`.
bool Draw(const QSize& size, const PictureRender& render, QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return painter.end();
}

// The picture's bytes; written to disk by the same routine as every other
// file, so a device, a read-only file or a link is treated alike everywhere.
bool DrawImage(const QSize& size, const PictureRender& render, forms::ImageFormat format,
               QBuffer& file) {
    if (format == forms::ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Wexa chart"));
        return Draw(size, render, svg);
    }
    // Twice the screen's pixels, so the picture stays sharp in a document.
    QImage image(size * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    return Draw(size, render, image) && image.save(&file, "PNG");
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

bool PrintDocumentOn(QTextDocument& document, QPrinter& printer) {
    QPainter painter;
    return painter.begin(&printer) && DrawDocumentPages(painter, document, printer) &&
           painter.end();
}

bool DrawDocumentPages(QPainter& painter, QTextDocument& document, QPrinter& printer) {
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    // Laid out in points, as on screen, then scaled to the printer's pixels.
    const qreal scale = printer.resolution() / 72.0;
    document.setPageSize(page / scale);
    const int pages = document.pageCount();
    painter.save();
    painter.scale(scale, scale);
    const QSizeF sheet = document.pageSize();
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.restore();
            return false;
        }
        painter.save();
        painter.translate(0, -sheet.height() * p);
        document.drawContents(&painter, QRectF(QPointF(0, sheet.height() * p), sheet));
        painter.restore();
    }
    painter.restore();
    return true;
}

void PrintChart(ChartPanel& chart, Prompts& prompts, QWidget* parent) {
    PrintThroughDialog(prompts, parent,
                       [&chart](QPrinter& printer) { return PrintChartOn(chart, printer); });
}

void PrintThroughDialog(Prompts& prompts, QWidget* parent,
                        const std::function<bool(QPrinter&)>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (prompts.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    if (!draw(printer)) {
        prompts.ShowMessage(QStringLiteral("The chart could not be printed: the printer did "
                                           "not accept the page."),
                            QStringLiteral("Print"), forms::MessageIcon::Exclamation);
    }
}

void SaveChartImage(ChartPanel& chart, Prompts& prompts) {
    SavePictureImage(
        chart.size(),
        [&chart](QPainter& painter, const QRectF& target) { chart.Render(painter, target); },
        prompts);
}

void SavePictureImage(const QSize& size, const PictureRender& render, Prompts& prompts) {
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
    QBuffer image;
    image.open(QIODevice::WriteOnly);
    std::string reason;
    if (!DrawImage(size, render, target->Format, image)) {
        reason = "the picture could not be drawn.";
    } else {
        const QByteArray& bytes = image.data();
        const FileResult written = WriteFileAtomically(
            PathFromText(target->FileName),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        reason = written.Message;
    }
    if (!reason.empty()) {
        prompts.ShowMessage(Text(forms::ImageNotWrittenMessage(target->FileName, reason)), caption,
                            forms::MessageIcon::Exclamation);
    }
}

void SaveCsvFile(Prompts& prompts, const std::string& initialName, const std::string& text,
                 const QString& caption, std::string_view what) {
    const std::optional<QString> chosen = prompts.AskFileName(forms::CsvFileRequest(initialName));
    if (!chosen) {
        return;
    }
    const std::string name = chosen->toStdString();
    const FileResult written = WriteFileAtomically(PathFromText(name), text);
    if (!written.Ok) {
        prompts.ShowMessage(Text(forms::NotWrittenMessage(what, name, written.Message)), caption,
                            forms::MessageIcon::Exclamation);
    }
}

} // namespace wexa::ui
