#include "ui/DocumentPdf.h"

#include "model/AtomicFile.h"
#include "model/PathText.h"
#include "ui/ChartAdapter.h"
#include "ui/StreamDiagram.h"
#include "ui/TextTables.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace wexa::ui {
namespace {

// Everything is laid out in points (1/72 inch) of a letter page.
constexpr double kPointsPerInch = 72.0;
constexpr int kResolution = 300;
constexpr double kMargin = 54.0; // three quarters of an inch
constexpr double kHeaderHeight = 22.0;
constexpr double kFooterHeight = 22.0;
constexpr double kGap = 8.0;
constexpr int kTextPixels = 10;
// A chart or diagram leaves this share of a page for the subheading above it.
constexpr double kMostPictureShare = 0.9;
// Tables of ten columns fit the page's width without wrapping a figure.
constexpr int kTablePixels = 7;
// The window's chart is laid out at this size, then scaled to the page.
constexpr QSize kChartLayout(900, 560);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QFont PointFont(int size, bool bold = false) {
    QFont font;
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

// One piece of a page: where it goes and how it is drawn there.
struct Placed {
    int Page = 0;
    double Top = 0.0;
    double Height = 0.0;
    std::function<void(QPainter&, const QRectF&)> Draw;
};

// Lays blocks down the pages: a block that does not fit below the last
// starts the next page.
class PageFlow {
public:
    explicit PageFlow(QSizeF body) : body_(body) {}

    void NewPage() {
        ++page_;
        top_ = 0.0;
    }
    // Starts the next page unless `height` fits below what is placed.
    void KeepRoom(double height) {
        if (top_ > 0.0 && top_ + height > body_.height()) {
            NewPage();
        }
    }
    void Place(double height, std::function<void(QPainter&, const QRectF&)> draw) {
        if (top_ > 0.0 && top_ + height > body_.height()) {
            NewPage();
        }
        placed_.push_back({page_, top_, height, std::move(draw)});
        top_ += height + kGap;
    }
    [[nodiscard]] double Width() const { return body_.width(); }
    [[nodiscard]] double Height() const { return body_.height(); }
    [[nodiscard]] int Pages() const { return page_ + 1; }
    [[nodiscard]] const std::vector<Placed>& Pieces() const { return placed_; }

private:
    QSizeF body_;
    int page_ = 0;
    double top_ = 0.0;
    std::vector<Placed> placed_;
};

std::shared_ptr<QTextDocument> TextDocument(const QString& html, double width, int pixels) {
    auto document = std::make_shared<QTextDocument>();
    document->setDefaultFont(PointFont(pixels));
    document->setDocumentMargin(0.0);
    document->setHtml(html);
    document->setTextWidth(width);
    return document;
}

// Text and tables: whole on one page when they fit, else in page-high
// slices.
void PlaceText(PageFlow& flow, const QString& html, int pixels = kTextPixels) {
    std::shared_ptr<QTextDocument> document = TextDocument(html, flow.Width(), pixels);
    const double height = document->size().height();
    if (height <= flow.Height()) {
        flow.Place(height, [document](QPainter& painter, const QRectF& area) {
            painter.save();
            painter.translate(area.topLeft());
            document->drawContents(&painter);
            painter.restore();
        });
        return;
    }
    document->setPageSize(QSizeF(flow.Width(), flow.Height()));
    for (int p = 0; p < document->pageCount(); ++p) {
        const QRectF slice(0.0, flow.Height() * p, flow.Width(), flow.Height());
        flow.Place(flow.Height() - kGap, [document, slice](QPainter& painter, const QRectF& area) {
            painter.save();
            painter.translate(area.topLeft() - slice.topLeft());
            document->drawContents(&painter, slice);
            painter.restore();
        });
    }
}

QString BlockHtml(const forms::DocumentBlock& block) {
    switch (block.Kind) {
    case forms::BlockKind::Subheading:
        return QStringLiteral("<h3>%1</h3>").arg(Escaped(block.Text));
    case forms::BlockKind::Bullet:
        return QStringLiteral("<ul><li>%1</li></ul>").arg(Escaped(block.Text));
    case forms::BlockKind::Table:
        return TableHtml(block.Table);
    default:
        return Paragraph(block.Text);
    }
}

// A chart's height over its width; a tornado has a row per input and is
// given the height of its rows.
double ChartAspect(const forms::ChartContent& content) {
    return content.Kind == forms::ChartKind::RangeBar
               ? std::min(1.3, 0.35 + 0.05 * static_cast<double>(content.Categories.size()))
               : static_cast<double>(kChartLayout.height()) / kChartLayout.width();
}

double StreamHeight(const forms::StreamDiagram& diagram, double width) {
    const QSizeF layout = StreamDiagramSize(diagram);
    return width * layout.height() / layout.width();
}

// How tall a block is laid out `width` wide.
double BlockHeight(const forms::DocumentBlock& block, double width) {
    switch (block.Kind) {
    case forms::BlockKind::Chart:
        return width * ChartAspect(block.Chart);
    case forms::BlockKind::Stream:
        return StreamHeight(block.Stream, width);
    case forms::BlockKind::Table:
        return TextDocument(BlockHtml(block), width, kTablePixels)->size().height();
    default:
        return TextDocument(BlockHtml(block), width, kTextPixels)->size().height();
    }
}

void PlaceChart(PageFlow& flow, const forms::ChartContent& content,
                std::vector<std::shared_ptr<ChartPanel>>& charts) {
    auto chart = std::make_shared<ChartPanel>();
    chart->resize(kChartLayout);
    chart->Show(content);
    charts.push_back(chart);
    const double aspect = ChartAspect(content);
    if (content.Kind == forms::ChartKind::RangeBar) {
        chart->resize(kChartLayout.width(), static_cast<int>(kChartLayout.width() * aspect));
    }
    const double height = std::min(flow.Width() * aspect, kMostPictureShare * flow.Height());
    flow.Place(height,
               [chart](QPainter& painter, const QRectF& area) { chart->Render(painter, area); });
}

void PlaceStream(PageFlow& flow, const forms::StreamDiagram& diagram) {
    const QSizeF layout = StreamDiagramSize(diagram);
    const double height =
        std::min(StreamHeight(diagram, flow.Width()), kMostPictureShare * flow.Height());
    flow.Place(height, [diagram, layout](QPainter& painter, const QRectF& area) {
        RenderStreamDiagram(painter, area, layout, diagram);
    });
}

void DrawFrame(QPainter& painter, const forms::AnalysisDocument& document, QSizeF page, int number,
               int pages) {
    painter.setFont(PointFont(8));
    painter.setPen(Qt::black);
    const QRectF header(kMargin, kMargin, page.width() - 2 * kMargin, kHeaderHeight - 6.0);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Project %1").arg(Text(document.ProjectNumber)));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, Text(document.Date));
    painter.drawLine(QPointF(header.left(), header.bottom() + 2.0),
                     QPointF(header.right(), header.bottom() + 2.0));
    const QRectF footer(kMargin, page.height() - kMargin - kFooterHeight + 6.0,
                        page.width() - 2 * kMargin, kFooterHeight - 6.0);
    painter.drawText(footer, Qt::AlignCenter,
                     QStringLiteral("Page %1 of %2").arg(number).arg(pages));
}

} // namespace

QByteArray DocumentPdf(const forms::AnalysisDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(kResolution);
    writer.setTitle(Text(document.Title));
    writer.setCreator(QStringLiteral("Wexa"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    const QSizeF page = QPageSize(QPageSize::Letter).size(QPageSize::Point);

    PageFlow flow(QSizeF(page.width() - 2 * kMargin,
                         page.height() - 2 * kMargin - kHeaderHeight - kFooterHeight));
    std::vector<std::shared_ptr<ChartPanel>> charts;
    for (std::size_t s = 0; s < document.Sections.size(); ++s) {
        const forms::DocumentSection& section = document.Sections[s];
        if (s > 0) {
            flow.NewPage();
        }
        PlaceText(flow, QStringLiteral("<h2>%1</h2>").arg(Escaped(section.Title)));
        for (std::size_t b = 0; b < section.Blocks.size(); ++b) {
            const forms::DocumentBlock& block = section.Blocks[b];
            // A subheading stays with what it heads.
            if (block.Kind == forms::BlockKind::Subheading && b + 1 < section.Blocks.size()) {
                flow.KeepRoom(std::min(BlockHeight(block, flow.Width()) + kGap +
                                           BlockHeight(section.Blocks[b + 1], flow.Width()),
                                       flow.Height()));
            }
            switch (block.Kind) {
            case forms::BlockKind::Chart:
                PlaceChart(flow, block.Chart, charts);
                break;
            case forms::BlockKind::Stream:
                PlaceStream(flow, block.Stream);
                break;
            case forms::BlockKind::Table:
                PlaceText(flow, BlockHtml(block), kTablePixels);
                break;
            default:
                PlaceText(flow, BlockHtml(block));
            }
        }
    }

    QPainter painter;
    if (!painter.begin(&writer)) {
        return {};
    }
    painter.scale(kResolution / kPointsPerInch, kResolution / kPointsPerInch);
    const QPointF bodyOrigin(kMargin, kMargin + kHeaderHeight);
    int drawnPage = 0;
    DrawFrame(painter, document, page, 1, flow.Pages());
    for (const Placed& piece : flow.Pieces()) {
        while (drawnPage < piece.Page) {
            if (!writer.newPage()) {
                return {};
            }
            ++drawnPage;
            DrawFrame(painter, document, page, drawnPage + 1, flow.Pages());
        }
        piece.Draw(painter, QRectF(bodyOrigin + QPointF(0.0, piece.Top),
                                   QSizeF(flow.Width(), piece.Height)));
    }
    if (!painter.end()) {
        return {};
    }
    return bytes;
}

forms::DocumentRequest MakeDocumentRequest(const QString& projectFile, int riskPercentile) {
    forms::DocumentRequest request;
    request.RiskPercentile = riskPercentile;
    const QString name = QFileInfo(projectFile).fileName();
    request.FileName = name.isEmpty() ? "(not saved)" : name.toStdString();
    request.Date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    request.Version = WEXA_VERSION;
    return request;
}

FileResult WriteDocumentPdf(const forms::AnalysisDocument& document, const std::string& path) {
    const QByteArray pdf = DocumentPdf(document);
    if (pdf.isEmpty()) {
        return FileResult::Failure("The document could not be laid out.");
    }
    return WriteFileAtomically(
        PathFromText(path),
        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace wexa::ui
