#include "ui/ResultsPagePainter.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace wexa::ui {

namespace {

// 10 points at 300 dots per inch.
constexpr int kFontPixels = 42;
// Texts end this far inside the frame's right edge.
constexpr int kTextRightMargin = 30;

QPoint ToPoint(const forms::PagePoint& p) {
    return {p.X, p.Y};
}

// The thin pen is one page pixel wide, but never thinner than one device
// pixel, so a hairline neither vanishes on a fine printer nor blurs on a
// coarse screen. `devicePerPage` is device pixels per page pixel.
QPen ToPen(const forms::PagePen& pen, double devicePerPage) {
    const QColor color(pen.Color.Red, pen.Color.Green, pen.Color.Blue);
    const double thin = devicePerPage > 0 ? std::max(1.0, 1.0 / devicePerPage) : 1.0;
    const double width = pen.Width > 0 ? pen.Width : thin;
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Exactly between the corners: QRect would reach one pixel further.
QRectF Corners(const forms::PageCommand& c) {
    return QRectF(QPointF(ToPoint(c.Points[0])), QPointF(ToPoint(c.Points[1]))).normalized();
}

void DrawText(QPainter& painter, const forms::PageCommand& c, int rightEdge) {
    const QFontMetricsF metrics(painter.font());
    const QPointF topLeft = ToPoint(c.Points[0]);
    const qreal room = rightEdge - topLeft.x();
    if (room <= 0) {
        return;
    }
    const QString text = metrics.elidedText(QString::fromStdString(c.Text), Qt::ElideRight, room);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
}

} // namespace

QSize PagePixels(const QSizeF& area, double dpiX, double dpiY) {
    if (!(dpiX > 0) || !(dpiY > 0)) {
        return {};
    }
    return {static_cast<int>(std::lround(area.width() * kPageDotsPerInch / dpiX)),
            static_cast<int>(std::lround(area.height() * kPageDotsPerInch / dpiY))};
}

QFont PageFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    // Unhinted, text widths scale with the painter, so a text measured in
    // page pixels fits the same room on a printer of any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void DrawPageCommands(QPainter& painter, const std::vector<forms::PageCommand>& commands,
                      forms::PageSize size) {
    using forms::PageShape;
    const double devicePerPage = painter.worldTransform().m11();
    for (const forms::PageCommand& c : commands) {
        painter.setPen(ToPen(c.Pen, devicePerPage));
        painter.setBrush(Qt::NoBrush);
        switch (c.Shape) {
        case PageShape::Line:
            painter.drawLine(ToPoint(c.Points[0]), ToPoint(c.Points[1]));
            break;
        case PageShape::Rectangle:
            painter.drawRect(Corners(c));
            break;
        case PageShape::Bar:
            painter.fillRect(Corners(c), painter.pen().color());
            break;
        case PageShape::Polyline: {
            QPolygon polygon;
            for (const forms::PagePoint& p : c.Points) {
                polygon << ToPoint(p);
            }
            painter.drawPolyline(polygon);
            break;
        }
        case PageShape::Text:
            DrawText(painter, c, size.Width - kTextRightMargin);
            break;
        }
    }
}

void PrintResultsPage(QPainter& painter, const Project& project, const QSizeF& area) {
    const QPaintDevice* device = painter.device();
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const QSize page = PagePixels(area, dpiX, dpiY);
    if (page.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpiX / kPageDotsPerInch, dpiY / kPageDotsPerInch);
    painter.setFont(PageFont());
    const forms::PageSize size{page.width(), page.height(),
                               QFontMetrics(painter.font()).lineSpacing()};
    DrawPageCommands(painter, forms::MakeResultsPage(project, size), size);
    painter.restore();
}

bool PrintResultsPage(QPrinter& printer, const Project& project) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the top left of the printable area.
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    PrintResultsPage(painter, project, area.size());
    return painter.end();
}

} // namespace wexa::ui
