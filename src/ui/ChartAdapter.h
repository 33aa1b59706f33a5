#pragma once

#include "results/ChartContent.h"

#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QPainter;

namespace wexa::ui {

class ChartLegend;

// The one place of the program that knows the charting toolkit (Qt Charts,
// which its makers have deprecated): a panel that draws a
// forms::ChartContent, with its key (ChartLegend) and its footnote drawn by
// plain widgets below it; a range-bar chart, which may be taller than its
// window, has its key and its value axis at the top instead. No
// other source file includes a Qt Charts header, and only the adapter's own
// test looks at what it draws, so another renderer replaces this file and
// that test.
class ChartPanel final : public QWidget {
    Q_OBJECT
public:
    explicit ChartPanel(QWidget* parent = nullptr);

    // Replaces whatever was drawn with `content`.
    void Show(const forms::ChartContent& content);

    // Paints the chart into `target` of another device (printer page, image,
    // vector file), scaled to fit it without distorting.
    void Render(QPainter& painter, const QRectF& target);

    // What the chart shows: the content last handed to Show. The windows'
    // tests read it rather than the toolkit's drawing.
    [[nodiscard]] const forms::ChartContent& Content() const { return content_; }
    // What is drawn now, for the adapter's own test.
    [[nodiscard]] QChart* Chart() const;
    // The key below the plot, and the line under it.
    [[nodiscard]] const ChartLegend& Legend() const;
    [[nodiscard]] const QLabel& Footnote() const;

private:
    struct PlacedLabel {
        QGraphicsSimpleTextItem* Item;
        QPointF At; // chart position; the text is centred above it
    };
    struct PlacedRule {
        QGraphicsRectItem* Ground; // the text's, which it holds
        double At;                 // chart position along the horizontal axis
    };

    void PlaceLabels();

    forms::ChartContent content_;
    QChartView* view_;
    ChartLegend* legend_;
    QLabel* footnote_;
    std::vector<PlacedLabel> labels_;
    std::vector<PlacedRule> rules_;
    QGraphicsSimpleTextItem* notice_ = nullptr; // owned by the chart
};

} // namespace wexa::ui
