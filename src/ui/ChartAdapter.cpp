#include "ui/ChartAdapter.h"

#include "results/AlternativeColours.h"
#include "ui/ChartLegend.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>

namespace wexa::ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The title is drawn as rich text; the user's description is escaped so
// that whatever it holds is shown as typed.
QString TitleHtml(const forms::ChartContent& content) {
    QString html = Text(content.Title).toHtmlEscaped();
    if (!content.Subtitle.empty()) {
        html += QStringLiteral("<br><span style=\"font-size:small\">%1</span>")
                    .arg(Text(content.Subtitle).toHtmlEscaped());
    }
    return QStringLiteral("<p align=\"center\">%1</p>").arg(html);
}

// Where a content's data position (X, Y as its series' points) lies in the
// chart's own coordinates: a range-bar chart runs its values across, less
// the bars' base (the toolkit's bars start at 0), and its rows down from the
// top.
QPointF Position(const forms::ChartContent& content, double x, double y) {
    if (content.Kind != forms::ChartKind::RangeBar) {
        return {x, y};
    }
    const auto rows = static_cast<double>(content.Categories.size());
    return {y - content.BarBase, rows - 1.0 - x};
}

// The value axis labelled with the content's own texts at its own ticks,
// since the toolkit's number formats have no thousands separators.
// An axis labelled with the given texts at their values (shifted by
// `offset`), the first and last the ends of its range.
QCategoryAxis* LabelledAxis(const std::vector<forms::AxisTick>& ticks, const std::string& title,
                            double offset) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(Text(title));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    if (ticks.empty()) {
        return axis;
    }
    const double first = ticks.front().Value + offset;
    const double last = ticks.back().Value + offset;
    // The first label sits on the axis's lower end: its category is a
    // sliver just below it.
    axis->setStartValue(first - (last - first) * 1e-9);
    for (const forms::AxisTick& tick : ticks) {
        axis->append(Text(tick.Text), tick.Value + offset);
    }
    axis->setRange(first, last);
    return axis;
}

QCategoryAxis* ValueAxis(const forms::ChartContent& content) {
    return LabelledAxis(content.ValueTicks, content.ValueAxisTitle,
                        Position(content, 0.0, 0.0).x());
}

QAbstractAxis* CategoryAxis(const forms::ChartContent& content) {
    if (content.Kind != forms::ChartKind::Line) {
        auto* axis = new QBarCategoryAxis;
        QStringList categories;
        for (const std::string& category : content.Categories) {
            categories.append(Text(category));
        }
        if (content.Kind == forms::ChartKind::RangeBar) {
            // The toolkit counts a horizontal chart's rows from the bottom;
            // a blank row on top holds the rules' texts clear of the bars.
            std::reverse(categories.begin(), categories.end());
            categories.append(QStringLiteral(" "));
            // Each row names its input in full, however long.
            axis->setTruncateLabels(false);
        }
        axis->append(categories);
        axis->setTitleText(Text(content.CategoryAxisTitle));
        return axis;
    }
    if (!content.LineAxis.Labels.empty()) {
        return LabelledAxis(content.LineAxis.Labels, content.CategoryAxisTitle, 0.0);
    }
    auto* axis = new QValueAxis;
    axis->setRange(content.LineAxis.Min, content.LineAxis.Max);
    axis->setTickCount(std::max(2, content.LineAxis.TickCount));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(std::clamp(content.LineAxis.Decimals, 0, 6)));
    axis->setTitleText(Text(content.CategoryAxisTitle));
    return axis;
}

QColor AlternativeQColor(int alternative) {
    const forms::PageColor colour = forms::AlternativeColour(alternative);
    return {colour.Red, colour.Green, colour.Blue};
}

// Each content series is a set whose bars stand in the slots of its points
// and are empty elsewhere. Upright bars are stacked, so that a slot with one
// set's bar shows it at full width and in that set's colour; a range-bar
// chart's sets stand side by side in each row, so that a low and a high
// bar on the same side of the base both stay in sight.
QAbstractBarSeries* BarSeries(const forms::ChartContent& content) {
    const bool ranges = content.Kind == forms::ChartKind::RangeBar;
    QAbstractBarSeries* series =
        ranges ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries) : new QStackedBarSeries;
    if (ranges) {
        series->setBarWidth(0.8);
    }
    const auto slotCount = static_cast<qsizetype>(content.Categories.size());
    for (const forms::ChartSeries& data : content.Series) {
        auto* set = new QBarSet(Text(data.Legend));
        QList<qreal> values(slotCount, 0.0);
        for (const forms::ChartPoint& point : data.Points) {
            const auto slot = static_cast<qsizetype>(point.X);
            if (slot >= 0 && slot < slotCount) {
                // An upright bar stands at its X, a range bar lies in its row
                // with its value across.
                const QPointF at = Position(content, point.X, point.Y);
                const double row = ranges ? at.y() : at.x();
                values[static_cast<qsizetype>(row)] = ranges ? at.x() : at.y();
            }
        }
        set->append(values);
        if (data.Colour > 0) {
            set->setColor(AlternativeQColor(data.Colour));
            set->setBorderColor(AlternativeQColor(data.Colour));
        }
        series->append(set);
    }
    return series;
}

// Above the toolkit's grid, axes and series.
constexpr qreal kAboveThePlot = 100.0;

// Where a rule stands on the chart's horizontal axis.
double RuleX(const forms::ChartContent& content, const forms::ChartRule& rule) {
    return content.Kind == forms::ChartKind::RangeBar ? Position(content, 0.0, rule.At).x()
                                                      : rule.At;
}

// A rule runs across the plot's other axis from end to end.
QLineSeries* RuleLine(const forms::ChartContent& content, const forms::ChartRule& rule) {
    auto* line = new QLineSeries;
    QPen pen(QColor(90, 90, 90), 1.5);
    pen.setDashPattern({5.0, 3.0});
    line->setPen(pen);
    const double x = RuleX(content, rule);
    if (content.Kind == forms::ChartKind::RangeBar) {
        const auto rows = static_cast<double>(content.Categories.size());
        line->append(x, -0.5);
        line->append(x, rows - 0.5);
    } else if (!content.ValueTicks.empty()) {
        line->append(x, content.ValueTicks.front().Value);
        line->append(x, content.ValueTicks.back().Value);
    }
    return line;
}

std::vector<QAbstractSeries*> LineSeries(const forms::ChartContent& content) {
    std::vector<QAbstractSeries*> lines;
    for (const forms::ChartSeries& data : content.Series) {
        auto* line = new QLineSeries;
        line->setName(Text(data.Legend));
        for (const forms::ChartPoint& point : data.Points) {
            line->append(point.X, point.Y);
        }
        line->setPointsVisible(data.Marked);
        lines.push_back(line);
    }
    return lines;
}

// Long dashes against round dots, so the two differ at a glance in the
// legend as on the plot.
void SetLineStyle(QPen& pen, forms::LineStyle style) {
    switch (style) {
    case forms::LineStyle::Dashed:
        pen.setDashPattern({4.0, 2.0});
        pen.setCapStyle(Qt::FlatCap);
        return;
    case forms::LineStyle::Dotted:
        pen.setDashPattern({0.01, 2.0});
        pen.setCapStyle(Qt::RoundCap);
        return;
    case forms::LineStyle::Solid:
        pen.setStyle(Qt::SolidLine);
        return;
    }
}

// A line takes its alternative's colour and its style; one left to the
// renderer keeps the colour the theme gave it. Returns the pen it is drawn
// with, for its legend entry.
QPen ApplyStyle(QAbstractSeries& series, const forms::ChartSeries& data) {
    auto* line = qobject_cast<QLineSeries*>(&series);
    if (line == nullptr) {
        return {};
    }
    QPen pen = line->pen();
    pen.setWidthF(2.5);
    if (data.Colour > 0) {
        pen.setColor(AlternativeQColor(data.Colour));
    }
    SetLineStyle(pen, data.Style);
    line->setPen(pen);
    line->setColor(pen.color());
    return pen;
}

QGraphicsSimpleTextItem* WarningText(const QString& text, QChart* chart) {
    auto* item = new QGraphicsSimpleTextItem(text, chart);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    item->setBrush(QColor(160, 0, 0));
    return item;
}

// The key's entries: a line's own pen, a bar set's colour as a thick
// stroke.
std::vector<ChartLegend::Entry> LegendEntries(const forms::ChartContent& content,
                                              const std::vector<QAbstractSeries*>& drawn) {
    std::vector<ChartLegend::Entry> entries;
    auto* bars = drawn.empty() ? nullptr : qobject_cast<QAbstractBarSeries*>(drawn.front());
    for (std::size_t i = 0; i < content.Series.size(); ++i) {
        QPen pen;
        if (bars != nullptr && static_cast<qsizetype>(i) < bars->count()) {
            pen = QPen(bars->barSets()[static_cast<qsizetype>(i)]->color(), 10.0);
        } else if (bars == nullptr && i < drawn.size()) {
            pen = ApplyStyle(*drawn[i], content.Series[i]);
        }
        if (!content.Series[i].Legend.empty()) {
            entries.push_back({Text(content.Series[i].Legend), pen});
        }
    }
    return entries;
}

// The toolkit's own key at the top of the chart, its entries the bar sets
// only: the rules' lines are named by their texts.
void KeyOnTop(QChart& chart, const std::vector<QAbstractSeries*>& data) {
    QLegend* key = chart.legend();
    key->setAlignment(Qt::AlignTop);
    key->setVisible(true);
    for (QLegendMarker* marker : key->markers()) {
        marker->setVisible(std::find(data.begin(), data.end(), marker->series()) != data.end());
    }
}

} // namespace

ChartPanel::ChartPanel(QWidget* parent)
    : QWidget(parent), view_(new QChartView), legend_(new ChartLegend), footnote_(new QLabel) {
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    footnote_->setTextFormat(Qt::PlainText);
    footnote_->setAlignment(Qt::AlignCenter);
    footnote_->setContentsMargins(6, 4, 6, 8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(legend_);
    layout->addWidget(footnote_);
    legend_->hide();
    footnote_->hide();
}

const QLabel& ChartPanel::Footnote() const {
    return *footnote_;
}

const ChartLegend& ChartPanel::Legend() const {
    return *legend_;
}

QChart* ChartPanel::Chart() const {
    return view_->chart();
}

void ChartPanel::Show(const forms::ChartContent& content) {
    content_ = content;
    auto* chart = new QChart;
    chart->setTitle(TitleHtml(content));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);

    // A range-bar chart may be taller than its window: its value axis heads
    // the rows, so that it is in sight with the top rows before any scroll.
    const bool across = content.Kind == forms::ChartKind::RangeBar;
    QAbstractAxis* categories = CategoryAxis(content);
    QCategoryAxis* values = ValueAxis(content);
    chart->addAxis(categories, across ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, across ? Qt::AlignTop : Qt::AlignLeft);
    std::vector<QAbstractSeries*> series = content.Kind == forms::ChartKind::Line
                                               ? LineSeries(content)
                                               : std::vector<QAbstractSeries*>{BarSeries(content)};
    const std::vector<QAbstractSeries*> data = series;
    rules_.clear();
    for (const forms::ChartRule& rule : content.Rules) {
        series.push_back(RuleLine(content, rule));
        // On a white ground, so that no grid line runs through the text.
        auto* ground = new QGraphicsRectItem(chart);
        ground->setBrush(Qt::white);
        ground->setPen(Qt::NoPen);
        ground->setZValue(kAboveThePlot);
        auto* text = new QGraphicsSimpleTextItem(Text(rule.Text), ground);
        text->setBrush(QColor(60, 60, 60));
        ground->setRect(text->boundingRect());
        rules_.push_back({ground, RuleX(content, rule)});
    }
    for (QAbstractSeries* drawn : series) {
        chart->addSeries(drawn);
        drawn->attachAxis(categories);
        drawn->attachAxis(values);
    }
    // A plot with nothing to draw shows its notice alone, not empty axes
    // that look like a chart of zeros.
    const bool nothingDrawn = content.Series.empty() && !content.Notice.empty();
    categories->setVisible(!nothingDrawn);
    values->setVisible(!nothingDrawn);
    // The key is drawn below the chart (ChartLegend), never beside it; a
    // range-bar chart's few entries stand between its title and its axis,
    // in sight with it.
    if (across) {
        KeyOnTop(*chart, data);
        // The toolkit centres the last label on the axis's end, and lets
        // half of it run past the chart's edge.
        if (!content.ValueTicks.empty()) {
            const QFontMetrics metrics(values->labelsFont());
            QMargins margins = chart->margins();
            margins.setRight(
                std::max(margins.right(),
                         metrics.horizontalAdvance(Text(content.ValueTicks.back().Text)) / 2 + 4));
            chart->setMargins(margins);
        }
    } else {
        chart->legend()->setVisible(false);
    }

    labels_.clear();
    for (const forms::ChartLabel& label : content.Labels) {
        auto* item = label.Warning ? WarningText(Text(label.Text), chart)
                                   : new QGraphicsSimpleTextItem(Text(label.Text), chart);
        labels_.push_back({item, Position(content, label.X, label.Y)});
    }
    notice_ = content.Notice.empty() ? nullptr : WarningText(Text(content.Notice), chart);
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });

    QChart* old = view_->chart();
    view_->setChart(chart); // the view owns the chart from now on
    delete old;
    // The theme colours the series when the chart joins the view.
    legend_->SetEntries(across ? std::vector<ChartLegend::Entry>{} : LegendEntries(content, data),
                        content.LegendColumns);
    footnote_->setText(Text(content.Footnote));
    footnote_->setVisible(!content.Footnote.empty());
    PlaceLabels();
}

void ChartPanel::PlaceLabels() {
    QChart* chart = view_->chart();
    const QRectF plot = chart->plotArea();
    if (notice_ != nullptr) {
        const QRectF box = notice_->boundingRect();
        notice_->setPos(plot.center() - box.center());
    }
    const QList<QAbstractSeries*> series = chart->series();
    if (series.isEmpty()) {
        return;
    }
    for (const PlacedLabel& label : labels_) {
        const QPointF at = chart->mapToPosition(label.At, series.front());
        const QRectF box = label.Item->boundingRect();
        label.Item->setPos(at.x() - box.width() / 2, at.y() - box.height() - 2);
    }
    // A rule's text at the top of the plot, beside its line: on its left,
    // or its right where that is taken or off the plot; where both are, a
    // line lower.
    std::vector<QRectF> taken;
    const auto free = [&taken](const QRectF& box) {
        return std::none_of(taken.begin(), taken.end(),
                            [&box](const QRectF& other) { return other.intersects(box); });
    };
    for (const PlacedRule& rule : rules_) {
        const double x = chart->mapToPosition(QPointF(rule.At, 0.0), series.front()).x();
        const QSizeF size = rule.Ground->rect().size();
        std::vector<QRectF> sides;
        for (const double left : {x - 4 - size.width(), x + 4}) {
            const QRectF box(QPointF(left, plot.top() + 2), size);
            if (box.left() >= plot.left() && box.right() <= plot.right()) {
                sides.push_back(box);
            }
        }
        if (sides.empty()) {
            sides.emplace_back(QPointF(x + 4, plot.top() + 2), size);
        }
        const auto chosen = std::find_if(sides.begin(), sides.end(), free);
        QRectF box = chosen != sides.end() ? *chosen : sides.front();
        while (!free(box)) {
            box.translate(0, size.height());
        }
        taken.push_back(box);
        rule.Ground->setPos(box.topLeft());
    }
}

void ChartPanel::Render(QPainter& painter, const QRectF& target) {
    // The plot and its key, scaled to fit and centred in the target.
    const QSizeF source(size());
    if (source.isEmpty()) {
        return;
    }
    const QSizeF fitted = source.scaled(target.size(), Qt::KeepAspectRatio);
    const double scale = fitted.width() / source.width();
    painter.save();
    painter.translate(target.center() - QPointF(fitted.width() / 2, fitted.height() / 2));
    painter.scale(scale, scale);
    render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

} // namespace wexa::ui
