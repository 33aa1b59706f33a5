#include "ui/StreamDiagram.h"

#include "results/AlternativeColours.h"
#include "ui/TextTables.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wexa::ui {
namespace {

constexpr double kMargin = 12.0;
constexpr double kTitleHeight = 44.0;
constexpr double kPanelHeight = 190.0;
constexpr double kPanelGap = 14.0;
constexpr double kPanelTitleHeight = 20.0;
constexpr double kYearLabelHeight = 18.0;
constexpr double kAxisTitleHeight = 20.0;
constexpr double kLayoutWidth = 860.0;
constexpr double kMostBarWidth = 18.0;
constexpr double kYearPadding = 0.8;
constexpr int kTextPixels = 12;
constexpr int kLabelPixels = 10;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QFont SizedFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The road users' share of a bar: the alternative's colour mixed halfway
// with white, so the two parts of a bar tell apart in every colour.
QColor Lighter(const QColor& colour) {
    return {(colour.red() + 2 * 255) / 3, (colour.green() + 2 * 255) / 3,
            (colour.blue() + 2 * 255) / 3};
}

// Where values and years fall in one panel's plot.
struct PlotScale {
    QRectF Plot;
    double Low = 0.0;
    double High = 1.0;
    double FirstYear = 0.0;
    double LastYear = 1.0;

    [[nodiscard]] double Y(double value) const {
        return Plot.bottom() - (value - Low) / (High - Low) * Plot.height();
    }
    [[nodiscard]] double X(double year) const {
        return Plot.left() + (year - FirstYear) / (LastYear - FirstYear) * Plot.width();
    }
};

// A label centred on `x` above or below `y`, moved sideways as far as it
// must to stay within `bounds` (a bar's amount at either end of the plot).
void DrawCentred(QPainter& painter, double x, double y, const QString& text, bool above,
                 const QRectF& bounds) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    const double lowest = bounds.left() + width / 2.0;
    x = std::clamp(x, lowest, std::max(lowest, bounds.right() - width / 2.0));
    const double baseline = above ? y - metrics.descent() - 2.0 : y + metrics.ascent() + 2.0;
    painter.drawText(QPointF(x - width / 2.0, baseline), text);
}

// The value ticks at the left of the plot, with a faint line across at each
// and a firm one at zero.
void DrawValueAxis(QPainter& painter, const PlotScale& scale,
                   const std::vector<forms::AxisTick>& ticks) {
    const QFontMetricsF metrics(painter.font());
    for (const forms::AxisTick& tick : ticks) {
        const double y = scale.Y(tick.Value);
        painter.setPen(QPen(tick.Value == 0.0 ? Qt::black : QColor(220, 220, 220), 1.0));
        painter.drawLine(QPointF(scale.Plot.left(), y), QPointF(scale.Plot.right(), y));
        painter.setPen(Qt::black);
        const QString label = Text(tick.Text);
        painter.drawText(QPointF(scale.Plot.left() - 6.0 - metrics.horizontalAdvance(label),
                                 y + metrics.ascent() / 2.0 - 1.0),
                         label);
    }
}

void DrawYearAxis(QPainter& painter, const PlotScale& scale, const forms::NumericAxis& axis) {
    painter.setPen(Qt::black);
    const int steps = std::max(axis.TickCount - 1, 1);
    for (int k = 0; k <= steps; ++k) {
        const double year = axis.Min + (axis.Max - axis.Min) * k / steps;
        const double x = scale.X(year);
        painter.drawLine(QPointF(x, scale.Plot.bottom()), QPointF(x, scale.Plot.bottom() + 4.0));
        DrawCentred(painter, x, scale.Plot.bottom() + 3.0,
                    QString::number(year, 'f', axis.Decimals), false, scale.Plot);
    }
}

// The panel's title and its key, in the alternative's colours.
void DrawPanelTitle(QPainter& painter, const QRectF& area, const forms::StreamPanel& panel,
                    const QColor& colour) {
    painter.setFont(SizedFont(kTextPixels, true));
    painter.setPen(colour);
    const QString title = Text(panel.Title);
    painter.drawText(area.topLeft() + QPointF(0.0, QFontMetricsF(painter.font()).ascent()), title);
    if (!panel.Notice.empty()) {
        return;
    }
    painter.setFont(SizedFont(kLabelPixels));
    const QFontMetricsF metrics(painter.font());
    double x =
        area.left() + QFontMetricsF(SizedFont(kTextPixels, true)).horizontalAdvance(title) + 24.0;
    const double y = area.top() + 2.0;
    const double box = metrics.ascent();
    struct Key {
        QBrush Brush;
        QString Text;
    };
    const Key keys[] = {{colour, QStringLiteral("Agency cost")},
                        {Lighter(colour), QStringLiteral("Work zone user cost")},
                        {QBrush(colour, Qt::BDiagPattern), QStringLiteral("Salvage credit")}};
    for (const Key& key : keys) {
        painter.setPen(colour);
        painter.setBrush(key.Brush);
        painter.drawRect(QRectF(x, y, box, box));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + box + 4.0, y + box - 1.0), key.Text);
        x += box + 16.0 + metrics.horizontalAdvance(key.Text);
    }
    painter.setBrush(Qt::NoBrush);
}

// The bars of the activities' years, and the credit at the end of the
// analysis period (where the year axis may run on past it).
void DrawBars(QPainter& painter, const PlotScale& scale, const forms::StreamPanel& panel,
              int period, const QColor& colour, double barWidth) {
    painter.setFont(SizedFont(kLabelPixels));
    for (const forms::StreamBar& bar : panel.Bars) {
        const double x = scale.X(bar.Year) - barWidth / 2.0;
        const double zero = scale.Y(0.0);
        const double agencyTop = scale.Y(bar.Agency);
        const double top = scale.Y(bar.Agency + bar.User);
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawRect(QRectF(x, agencyTop, barWidth, zero - agencyTop));
        painter.setBrush(Lighter(colour));
        painter.drawRect(QRectF(x, top, barWidth, agencyTop - top));
        painter.setPen(Qt::black);
        DrawCentred(painter, x + barWidth / 2.0, top, Text(bar.Label), true, scale.Plot);
    }
    if (panel.Salvage < 0.0) {
        const double x = scale.X(period);
        const double zero = scale.Y(0.0);
        const double bottom = scale.Y(panel.Salvage);
        painter.setPen(colour);
        painter.setBrush(QBrush(colour, Qt::BDiagPattern));
        painter.drawRect(QRectF(x - barWidth / 2.0, zero, barWidth, bottom - zero));
        // Beside the bar rather than under it, clear of the year labels.
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(painter.font());
        const QString label = Text(panel.SalvageLabel);
        painter.drawText(QPointF(x - barWidth / 2.0 - 4.0 - metrics.horizontalAdvance(label),
                                 std::max(bottom, zero + metrics.ascent())),
                         label);
    }
    painter.setBrush(Qt::NoBrush);
}

void DrawPanel(QPainter& painter, const QRectF& area, const forms::StreamDiagram& diagram,
               const forms::StreamPanel& panel, double valueLabelWidth) {
    const QColor colour = Colour(forms::AlternativeColour(panel.Alternative));
    DrawPanelTitle(painter, area, panel, colour);
    const QRectF body = area.adjusted(0.0, kPanelTitleHeight, 0.0, 0.0);
    painter.setFont(SizedFont(kLabelPixels));
    if (!panel.Notice.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(body, Qt::AlignCenter | Qt::TextWordWrap, Text(panel.Notice));
        return;
    }
    PlotScale scale;
    // Room above the tallest bar and below the deepest credit for their
    // labels.
    scale.Plot = body.adjusted(valueLabelWidth + 8.0, 14.0, -10.0, -kYearLabelHeight - 14.0);
    scale.Low = diagram.ValueTicks.front().Value;
    scale.High = diagram.ValueTicks.back().Value;
    // Most of a year's room on either side, so the bars of the first and the
    // last year stand clear of the axes.
    scale.FirstYear = diagram.YearAxis.Min - kYearPadding;
    scale.LastYear = std::max(diagram.YearAxis.Max, diagram.YearAxis.Min + 1.0) + kYearPadding;
    DrawValueAxis(painter, scale, diagram.ValueTicks);
    DrawYearAxis(painter, scale, diagram.YearAxis);
    const double yearWidth = scale.Plot.width() / (scale.LastYear - scale.FirstYear);
    const double barWidth = std::clamp(0.6 * yearWidth, 3.0, kMostBarWidth);
    DrawBars(painter, scale, panel, diagram.AnalysisPeriod, colour, barWidth);
}

} // namespace

QSize StreamDiagramSize(const forms::StreamDiagram& diagram) {
    const auto panels = static_cast<double>(std::max<std::size_t>(diagram.Panels.size(), 1));
    const double height =
        kTitleHeight + panels * (kPanelHeight + kPanelGap) + kAxisTitleHeight + 2.0 * kMargin;
    return QSizeF(kLayoutWidth, height).toSize();
}

void RenderStreamDiagram(QPainter& painter, const QRectF& target, const QSizeF& layout,
                         const forms::StreamDiagram& diagram) {
    if (layout.isEmpty() || target.isEmpty()) {
        return;
    }
    painter.save();
    const double scale =
        std::min(target.width() / layout.width(), target.height() / layout.height());
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    const QRectF area(QPointF(kMargin, kMargin),
                      QSizeF(layout.width() - 2.0 * kMargin, layout.height() - 2.0 * kMargin));
    painter.setPen(Qt::black);
    painter.setFont(SizedFont(kTextPixels + 2, true));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), 20.0), Qt::AlignHCenter,
                     Text(diagram.Title));
    painter.setFont(SizedFont(kTextPixels));
    painter.drawText(QRectF(area.left(), area.top() + 20.0, area.width(), 18.0), Qt::AlignHCenter,
                     Text(diagram.Subtitle));
    const QRectF panels = area.adjusted(0.0, kTitleHeight, 0.0, -kAxisTitleHeight);
    if (!diagram.Notice.empty() || diagram.Panels.empty() || diagram.ValueTicks.empty()) {
        painter.drawText(panels, Qt::AlignCenter | Qt::TextWordWrap, Text(diagram.Notice));
        painter.restore();
        return;
    }
    painter.setFont(SizedFont(kLabelPixels));
    const QFontMetricsF metrics(painter.font());
    double valueLabelWidth = 0.0;
    for (const forms::AxisTick& tick : diagram.ValueTicks) {
        valueLabelWidth = std::max(valueLabelWidth, metrics.horizontalAdvance(Text(tick.Text)));
    }
    const double each = panels.height() / static_cast<double>(diagram.Panels.size());
    for (std::size_t p = 0; p < diagram.Panels.size(); ++p) {
        const QRectF panel(panels.left(), panels.top() + each * static_cast<double>(p),
                           panels.width(), each - kPanelGap);
        DrawPanel(painter, panel, diagram, diagram.Panels[p], valueLabelWidth);
    }
    painter.setFont(SizedFont(kTextPixels));
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(area.left(), area.bottom() - kAxisTitleHeight, area.width(), kAxisTitleHeight),
        Qt::AlignCenter, QStringLiteral("Year"));
    painter.restore();
}

StreamDiagramView::StreamDiagramView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StreamDiagramView::Show(forms::StreamDiagram diagram) {
    diagram_ = std::move(diagram);
    setFixedHeight(StreamDiagramSize(diagram_).height());
    updateGeometry();
    update();
}

QSize StreamDiagramView::sizeHint() const {
    return StreamDiagramSize(diagram_);
}

void StreamDiagramView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    RenderStreamDiagram(painter, QRectF(rect()), QSizeF(size()), diagram_);
}

} // namespace wexa::ui
