#include "ui/ChartAdapter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
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

// The value axis labelled with the content's own texts at its own ticks,
// since the toolkit's number formats have no thousands separators.
QCategoryAxis* ValueAxis(const forms::ChartContent& content) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(Text(content.ValueAxisTitle));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    if (content.ValueTicks.empty()) {
        return axis;
    }
    const double first = content.ValueTicks.front().Value;
    const double last = content.ValueTicks.back().Value;
    // The first label sits on the axis's lower end: its category is a
    // sliver just below it.
    axis->setStartValue(first - (last - first) * 1e-9);
    for (const forms::AxisTick& tick : content.ValueTicks) {
        axis->append(Text(tick.Text), tick.Value);
    }
    axis->setRange(first, last);
    return axis;
}

QAbstractAxis* CategoryAxis(const forms::ChartContent& content) {
    if (content.Kind == forms::ChartKind::Bar) {
        auto* axis = new QBarCategoryAxis;
        for (const std::string& category : content.Categories) {
            axis->append(Text(category));
        }
        axis->setTitleText(Text(content.CategoryAxisTitle));
        return axis;
    }
    auto* axis = new QValueAxis;
    axis->setRange(content.LineAxis.Min, content.LineAxis.Max);
    axis->setTickCount(std::max(2, content.LineAxis.TickCount));
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTitleText(Text(content.CategoryAxisTitle));
    return axis;
}

QAbstractSeries* BarSeries(const forms::ChartContent& content) {
    auto* series = new QBarSeries;
    for (const forms::ChartSeries& data : content.Series) {
        auto* set = new QBarSet(Text(data.Legend));
        for (const forms::ChartPoint& point : data.Points) {
            set->append(point.Y);
        }
        series->append(set);
    }
    return series;
}

std::vector<QAbstractSeries*> LineSeries(const forms::ChartContent& content) {
    std::vector<QAbstractSeries*> lines;
    for (const forms::ChartSeries& data : content.Series) {
        auto* line = new QLineSeries;
        line->setName(Text(data.Legend));
        for (const forms::ChartPoint& point : data.Points) {
            line->append(point.X, point.Y);
        }
        line->setPointsVisible(true);
        lines.push_back(line);
    }
    return lines;
}

// Colours for lines that share one, far enough apart to tell in print.
constexpr std::array<QRgb, 4> kGroupColours{0x1f77b4, 0xd62728, 0x2ca02c, 0x9467bd};

// Short dashes, so that even the legend's short line shows a gap.
void SetLineStyle(QPen& pen, forms::LineStyle style) {
    switch (style) {
    case forms::LineStyle::Dashed:
        pen.setDashPattern({2.5, 1.5});
        return;
    case forms::LineStyle::Dotted:
        pen.setStyle(Qt::DotLine);
        return;
    case forms::LineStyle::Solid:
        pen.setStyle(Qt::SolidLine);
        return;
    }
}

void ApplyStyle(QAbstractSeries& series, const forms::ChartSeries& data) {
    auto* line = qobject_cast<QLineSeries*>(&series);
    if (line == nullptr || data.Colour < 0) {
        return;
    }
    QPen pen = line->pen();
    pen.setColor(
        QColor(kGroupColours[static_cast<std::size_t>(data.Colour) % kGroupColours.size()]));
    pen.setWidthF(2.0);
    SetLineStyle(pen, data.Style);
    line->setPen(pen);
    line->setColor(pen.color());
}

} // namespace

ChartPanel::ChartPanel(QWidget* parent) : QWidget(parent), view_(new QChartView) {
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

QChart* ChartPanel::Chart() const {
    return view_->chart();
}

void ChartPanel::Show(const forms::ChartContent& content) {
    auto* chart = new QChart;
    chart->setTitle(TitleHtml(content));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);

    QAbstractAxis* categories = CategoryAxis(content);
    QCategoryAxis* values = ValueAxis(content);
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    const std::vector<QAbstractSeries*> series = content.Kind == forms::ChartKind::Bar
                                                     ? std::vector{BarSeries(content)}
                                                     : LineSeries(content);
    for (std::size_t i = 0; i < series.size(); ++i) {
        chart->addSeries(series[i]);
        series[i]->attachAxis(categories);
        series[i]->attachAxis(values);
    }
    const bool anyLegend = std::any_of(content.Series.begin(), content.Series.end(),
                                       [](const auto& s) { return !s.Legend.empty(); });
    chart->legend()->setVisible(anyLegend);
    // A line's legend shows its line, dashes and dots included.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // Many legends side by side would be cut short; in a column they are
    // read whole.
    constexpr std::size_t kLegendsInARow = 4;
    chart->legend()->setAlignment(content.Series.size() > kLegendsInARow ? Qt::AlignRight
                                                                         : Qt::AlignBottom);

    labels_.clear();
    for (const forms::ChartLabel& label : content.Labels) {
        auto* item = new QGraphicsSimpleTextItem(Text(label.Text), chart);
        if (label.Warning) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            item->setBrush(QColor(160, 0, 0));
        }
        labels_.push_back({item, QPointF(label.X, label.Y)});
    }
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });

    QChart* old = view_->chart();
    view_->setChart(chart); // the view owns the chart from now on
    delete old;
    // The theme colours the series when the chart joins the view.
    // (A bar chart's one series may come from no content series at all.)
    for (std::size_t i = 0; i < series.size() && i < content.Series.size(); ++i) {
        ApplyStyle(*series[i], content.Series[i]);
    }
    PlaceLabels();
}

void ChartPanel::PlaceLabels() {
    QChart* chart = view_->chart();
    const QList<QAbstractSeries*> series = chart->series();
    if (series.isEmpty()) {
        return;
    }
    for (const PlacedLabel& label : labels_) {
        const QPointF at = chart->mapToPosition(label.At, series.front());
        const QRectF box = label.Item->boundingRect();
        label.Item->setPos(at.x() - box.width() / 2, at.y() - box.height() - 2);
    }
}

void ChartPanel::Render(QPainter& painter, const QRectF& target) {
    // Scaled to fit and centred in the target; the toolkit would keep the
    // proportions too, but push the chart into the target's top left corner.
    const QRect source = view_->viewport()->rect();
    QSizeF size = QSizeF(source.size()).scaled(target.size(), Qt::KeepAspectRatio);
    QRectF centred(QPointF(0, 0), size);
    centred.moveCenter(target.center());
    view_->render(&painter, centred, source, Qt::IgnoreAspectRatio);
}

} // namespace wexa::ui
