// What the chart adapter draws from a chart's content: the one test that
// knows the charting toolkit. The windows' tests read the content they
// handed over (ChartPanel::Content); when the toolkit is replaced, this test
// is replaced with the adapter.
#include "ui/ChartAdapter.h"
#include "results/AlternativeColours.h"
#include "ui/ChartLegend.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

using wexa::forms::ChartContent;
using wexa::forms::ChartKind;
using wexa::forms::LineStyle;
using wexa::ui::ChartPanel;

namespace {

QColor AlternativeColour(int alternative) {
    const wexa::forms::PageColor colour = wexa::forms::AlternativeColour(alternative);
    return {colour.Red, colour.Green, colour.Blue};
}

// Texts and ticks both kinds of chart share: a title to escape, and a value
// axis labelled with the content's own texts.
ChartContent Framed(ChartKind kind) {
    ChartContent content;
    content.Kind = kind;
    content.Title = "Route 9 <overlay> & shoulders";
    content.Subtitle = "Alt 2 - WZ 3";
    content.CategoryAxisTitle = "Hour of Day";
    content.ValueAxisTitle = "Cost (NPV, $)";
    content.ValueTicks = {{0.0, "0"}, {1000.0, "1,000"}, {2000.0, "2,000"}};
    return content;
}

// Three alternatives' three cost lines, as "All Cost Components" shows them.
ChartContent NineLines() {
    ChartContent content = Framed(ChartKind::Line);
    content.LineAxis = {0.0, 100.0, 11};
    content.LegendColumns = 3;
    const LineStyle styles[] = {LineStyle::Dashed, LineStyle::Dotted, LineStyle::Solid};
    for (int s = 0; s < 9; ++s) {
        content.Series.push_back({"line " + std::to_string(s),
                                  {{0.0, 100.0 * s}, {50.0, 150.0 * s}, {100.0, 200.0 * s}},
                                  s / 3 + 1,
                                  styles[s % 3]});
    }
    return content;
}

QStringList Texts(QChart& chart) {
    QStringList texts;
    for (QGraphicsItem* item : chart.childItems()) {
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
            texts << text->text();
        }
    }
    return texts;
}

void VerifyFrame(QChart& chart) {
    QVERIFY(chart.title().contains(QStringLiteral("Route 9 &lt;overlay&gt; &amp; shoulders")));
    QVERIFY(chart.title().contains(QStringLiteral("Alt 2 - WZ 3")));
    QCOMPARE(chart.axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Hour of Day"));
    auto* values = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Vertical).front());
    QVERIFY(values);
    QCOMPARE(values->titleText(), QStringLiteral("Cost (NPV, $)"));
    QCOMPARE(values->categoriesLabels(), (QStringList{"0", "1,000", "2,000"}));
    QCOMPARE(values->max(), 2000.0);
    // The key is drawn below the plot, never beside it.
    QVERIFY(!chart.legend()->isVisible());
}

} // namespace

class ChartAdapterTest : public QObject {
    Q_OBJECT
private slots:
    void linesKeepTheirPointsColourAndStyleAndTheKeyTakesRows();
    void barsStandInTheirOwnSlotsWithTheirMarks();
    void rangeBarsRunAcrossFromTheirBaseTopRowFirst();
    void contentWithoutDataDrawsAnEmptyChart();
};

void ChartAdapterTest::linesKeepTheirPointsColourAndStyleAndTheKeyTakesRows() {
    ChartPanel panel;
    panel.resize(900, 600);
    ChartContent content = NineLines();
    content.Series[8].Marked = false; // an outline, whose points are only corners
    panel.Show(content);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QChart& chart = *panel.Chart();
    VerifyFrame(chart);
    auto* hours = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).front());
    QVERIFY(hours);
    QCOMPARE(hours->max(), 100.0);
    QCOMPARE(hours->tickCount(), 11);

    QCOMPARE(chart.series().size(), 9);
    const auto& entries = panel.Legend().Entries();
    QCOMPARE(entries.size(), 9u);
    for (int s = 0; s < 9; ++s) {
        auto* line = qobject_cast<QLineSeries*>(chart.series()[s]);
        QVERIFY(line);
        QCOMPARE(line->name(), QStringLiteral("line %1").arg(s));
        QCOMPARE(line->count(), 3);
        QCOMPARE(line->at(2), QPointF(100.0, 200.0 * s));
        QCOMPARE(line->pointsVisible(), s != 8);
        QCOMPARE(line->pen().color(), AlternativeColour(s / 3 + 1));
        QCOMPARE(entries[s].Text, line->name());
        QCOMPARE(entries[s].Pen, line->pen());
    }
    // An alternative's three lines tell themselves apart by their style.
    QVERIFY(entries[0].Pen.dashPattern() != entries[1].Pen.dashPattern());
    QCOMPARE(entries[2].Pen.style(), Qt::SolidLine);
    // Nine entries take rows below the plot, not its width.
    QVERIFY(chart.plotArea().width() > 0.7 * chart.size().width());

    // Labels given for the axis replace its numbers.
    content.LineAxis.Labels = {{0.0, "0"}, {50.0, "5,000"}, {100.0, "10,000"}};
    panel.Show(content);
    auto* dollars = qobject_cast<QCategoryAxis*>(panel.Chart()->axes(Qt::Horizontal).front());
    QVERIFY(dollars);
    QCOMPARE(dollars->categoriesLabels(), (QStringList{"0", "5,000", "10,000"}));
    QCOMPARE(dollars->max(), 100.0);
}

void ChartAdapterTest::barsStandInTheirOwnSlotsWithTheirMarks() {
    ChartPanel panel;
    ChartContent content = Framed(ChartKind::Bar);
    content.Categories = {"Alt 1", "Alt 2", "Alt 3"};
    content.Series = {{"Alternative 1", {{0.0, 1250.0}}, 1, LineStyle::Solid},
                      {"Alternative 2", {{1.0, 980.5}}, 2, LineStyle::Solid}};
    content.Labels = {{0.0, 1250.0, "1,250", false}, {2.0, 0.0, "Gridlock", true}};
    panel.Show(content);
    QChart& chart = *panel.Chart();
    VerifyFrame(chart);
    auto* categories = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Horizontal).front());
    QVERIFY(categories);
    QCOMPARE(categories->categories(), (QStringList{"Alt 1", "Alt 2", "Alt 3"}));

    QCOMPARE(chart.series().size(), 1);
    auto* bars = qobject_cast<QAbstractBarSeries*>(chart.series()[0]);
    QVERIFY(bars);
    QCOMPARE(bars->count(), 2);
    for (int a = 0; a < 2; ++a) {
        QBarSet* set = bars->barSets()[a];
        QCOMPARE(set->label(), QStringLiteral("Alternative %1").arg(a + 1));
        QCOMPARE(set->count(), 3);
        for (int slot = 0; slot < 3; ++slot) {
            QCOMPARE(set->at(slot), slot == a ? content.Series[a].Points[0].Y : 0.0);
        }
        QCOMPARE(set->color(), AlternativeColour(a + 1));
    }
    const QStringList texts = Texts(chart);
    QVERIFY(texts.contains(QStringLiteral("1,250")));
    QVERIFY(texts.contains(QStringLiteral("Gridlock")));
}

// A tornado: rows named top down, each set's bars measured from the base,
// the rules drawn as lines with their texts; its key and value axis head
// the rows, and its footnote is under them.
void ChartAdapterTest::rangeBarsRunAcrossFromTheirBaseTopRowFirst() {
    ChartPanel panel;
    panel.resize(900, 600);
    ChartContent content;
    content.Kind = ChartKind::RangeBar;
    content.ValueAxisTitle = "Total NPV, Alt 1 minus Alt 2 ($)";
    content.Categories = {"Widest swing (2 % / 6 %)", "Narrower", "Refused input"};
    content.BarBase = -100.0;
    content.Series = {{"Low", {{0.0, -300.0}, {1.0, -50.0}}}, {"High", {{0.0, 200.0}}}};
    content.Rules = {{-100.0, "Base case"}, {0.0, "Alt 1 = Alt 2"}};
    content.ValueTicks = {{-400.0, "-400,000"}, {0.0, "0"}, {400.0, "400,000"}};
    content.Footnote = "2 inputs of Alt 3 do not change Alt 1 minus Alt 2 and are left out.";
    panel.Show(content);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QChart& chart = *panel.Chart();

    auto* rows = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Vertical).front());
    QVERIFY(rows);
    QVERIFY(!rows->truncateLabels());
    // Counted from the bottom, with a blank row on top for the rules' texts.
    QCOMPARE(rows->categories(),
             (QStringList{"Refused input", "Narrower", "Widest swing (2 % / 6 %)", " "}));
    auto* values = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Horizontal).front());
    QVERIFY(values);
    QCOMPARE(values->titleText(), QStringLiteral("Total NPV, Alt 1 minus Alt 2 ($)"));
    QCOMPARE(values->categoriesLabels(), (QStringList{"-400,000", "0", "400,000"}));
    QCOMPARE(values->alignment(), Qt::AlignTop);

    auto* bars = qobject_cast<QAbstractBarSeries*>(chart.series().front());
    QVERIFY(bars);
    QCOMPARE(bars->barSets()[0]->at(2), -200.0); // top row: -300 from the base
    QCOMPARE(bars->barSets()[0]->at(1), 50.0);
    QCOMPARE(bars->barSets()[1]->at(2), 300.0);
    QCOMPARE(bars->barSets()[1]->at(0), 0.0); // no bar
    // The rules, after the bars, at their values less the base.
    QCOMPARE(chart.series().size(), 3);
    auto* zero = qobject_cast<QLineSeries*>(chart.series()[2]);
    QVERIFY(zero);
    QCOMPARE(zero->at(0).x(), 100.0);
    // The key names the two sets, not the rules, above the plot; the
    // footnote is under it.
    QVERIFY(panel.Legend().isHidden());
    QStringList named;
    for (QLegendMarker* marker : chart.legend()->markers()) {
        named << (marker->isVisible() ? marker->label() : QString());
    }
    QCOMPARE(named, (QStringList{"Low", "High", "", ""}));
    QVERIFY(chart.legend()->isVisible());
    QVERIFY(chart.legend()->geometry().bottom() <= chart.plotArea().top());
    QCOMPARE(panel.Footnote().text(), QString::fromStdString(content.Footnote));
    QVERIFY(panel.Footnote().geometry().top() >= chart.plotArea().bottom());
    // The last label of the value axis, centred on its end, stays within the
    // chart.
    const QFontMetrics metrics(values->labelsFont());
    QVERIFY(chart.plotArea().right() + metrics.horizontalAdvance(QStringLiteral("400,000")) / 2 <=
            chart.size().width());
    // Each rule's text stands on a ground of its own.
    QStringList texts;
    for (QGraphicsItem* item : chart.childItems()) {
        for (QGraphicsItem* inner : item->childItems()) {
            if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(inner)) {
                texts << text->text();
            }
        }
    }
    QVERIFY(texts.contains(QStringLiteral("Base case")));
    QVERIFY(texts.contains(QStringLiteral("Alt 1 = Alt 2")));
}

// However little the content holds (no series, no ticks, no categories, a
// mark with nothing to sit on), the chart is drawn, and a notice says why.
void ChartAdapterTest::contentWithoutDataDrawsAnEmptyChart() {
    ChartPanel panel;
    panel.resize(400, 300);
    for (const auto kind : {ChartKind::Bar, ChartKind::Line}) {
        ChartContent content;
        content.Kind = kind;
        content.Labels.push_back({0.0, 0.0, "Gridlock", true});
        content.Notice = "Every iteration failed";
        panel.Show(content);
        QCOMPARE(panel.Chart()->series().size(), kind == ChartKind::Bar ? 1 : 0);
        QVERIFY(Texts(*panel.Chart()).contains(QStringLiteral("Every iteration failed")));
        // No empty axes beside the notice.
        for (const QAbstractAxis* axis : panel.Chart()->axes()) {
            QVERIFY(!axis->isVisible());
        }
        QVERIFY(panel.Footnote().isHidden()); // no line for an empty footnote
        QVERIFY(!panel.grab().isNull());
    }
}

QTEST_MAIN(ChartAdapterTest)
#include "ChartAdapterTest.moc"
