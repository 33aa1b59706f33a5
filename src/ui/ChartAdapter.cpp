#include "ui/ChartAdapter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

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
    for (QAbstractSeries* s : series) {
        chart->addSeries(s);
        s->attachAxis(categories);
        s->attachAxis(values);
    }
    const bool anyLegend = std::any_of(content.Series.begin(), content.Series.end(),
                                       [](const auto& s) { return !s.Legend.empty(); });
    chart->legend()->setVisible(anyLegend);
    chart->legend()->setAlignment(Qt::AlignBottom);

    labels_.clear();
    for (const forms::ChartLabel& label : content.Labels) {
        auto* item = new QGraphicsSimpleTextItem(Text(label.Text), chart);
        labels_.push_back({item, QPointF(label.X, label.Y)});
    }
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });

    QChart* old = view_->chart();
    view_->setChart(chart); // the view owns the chart from now on
    delete old;
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
    view_->render(&painter, target, view_->viewport()->rect(), Qt::KeepAspectRatio);
}

} // namespace wexa::ui
