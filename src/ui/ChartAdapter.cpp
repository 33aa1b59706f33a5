#include "ui/ChartAdapter.h"

#include "forms/AlternativeColours.h"
#include "ui/ChartLegend.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
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

QColor AlternativeQColor(int alternative) {
    const forms::PageColor colour = forms::AlternativeColour(alternative);
    return {colour.Red, colour.Green, colour.Blue};
}

// Each content series is a set whose bars stand in the slots of its points
// and are empty elsewhere; stacked, so that a slot with one set's bar shows
// it at full width and in that set's colour.
QAbstractSeries* BarSeries(const forms::ChartContent& content) {
    auto* series = new QStackedBarSeries;
    const auto slotCount = static_cast<qsizetype>(content.Categories.size());
    for (const forms::ChartSeries& data : content.Series) {
        auto* set = new QBarSet(Text(data.Legend));
        QList<qreal> values(slotCount, 0.0);
        for (const forms::ChartPoint& point : data.Points) {
            const auto slot = static_cast<qsizetype>(point.X);
            if (slot >= 0 && slot < slotCount) {
                values[slot] = point.Y;
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

} // namespace

ChartPanel::ChartPanel(QWidget* parent)
    : QWidget(parent), view_(new QChartView), legend_(new ChartLegend) {
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(legend_);
    legend_->hide();
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
    // The key is drawn below the chart (ChartLegend), never beside it.
    chart->legend()->setVisible(false);

    labels_.clear();
    for (const forms::ChartLabel& label : content.Labels) {
        auto* item = label.Warning ? WarningText(Text(label.Text), chart)
                                   : new QGraphicsSimpleTextItem(Text(label.Text), chart);
        labels_.push_back({item, QPointF(label.X, label.Y)});
    }
    notice_ = content.Notice.empty() ? nullptr : WarningText(Text(content.Notice), chart);
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });

    QChart* old = view_->chart();
    view_->setChart(chart); // the view owns the chart from now on
    delete old;
    // The theme colours the series when the chart joins the view.
    std::vector<ChartLegend::Entry> entries;
    for (std::size_t i = 0; i < series.size() && i < content.Series.size(); ++i) {
        const QPen pen = ApplyStyle(*series[i], content.Series[i]);
        if (!content.Series[i].Legend.empty()) {
            entries.push_back({Text(content.Series[i].Legend), pen});
        }
    }
    legend_->SetEntries(std::move(entries), content.LegendColumns);
    PlaceLabels();
}

void ChartPanel::PlaceLabels() {
    QChart* chart = view_->chart();
    if (notice_ != nullptr) {
        const QRectF box = notice_->boundingRect();
        notice_->setPos(chart->plotArea().center() - box.center());
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
