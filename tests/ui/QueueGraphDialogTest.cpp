// "Queue Length Graph": the chart it draws and its printing.
#include "ui/QueueGraphDialog.h"
#include "PresetPrompts.h"
#include "PrintAnswer.h"
#include "WindowFixture.h"
#include "forms/QueueGraph.h"
#include "ui/ChartAdapter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using wexa::ui::CQueueGraphDialog;
using wexa::ui::testing::PresetPrompts;
using wexa::ui::testing::PressButton;

namespace {

wexa::forms::QueueGraphContent SampleQueue() {
    wexa::PerHour<double> inbound{};
    wexa::PerHour<double> outbound{};
    for (int hour = 7; hour < 12; ++hour) {
        inbound[hour] = 0.35 * (hour - 6);
    }
    outbound[16] = 2.25;
    outbound[17] = 0.04;
    return wexa::forms::MakeQueueGraph("Route 9 <overlay> & shoulders", 2, 3, inbound, outbound);
}

} // namespace

class QueueGraphDialogTest : public QObject {
    Q_OBJECT
private slots:
    void drawsBothDirectionsOverTheDay();
    void valueAxisLabelsHaveOneDecimal();
    void printWritesThePageThroughThePrintDialog();
    void cancelledPrintWritesNothing();
    void f1OpensTheQueueGraphSection();
    void renderedChartFitsItsTargetUndistorted();
};

void QueueGraphDialogTest::drawsBothDirectionsOverTheDay() {
    PresetPrompts prompts;
    const wexa::forms::QueueGraphContent content = SampleQueue();
    CQueueGraphDialog dialog(content, prompts);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Queue Length Graph"));
    const wexa::forms::ChartContent& chart = dialog.Chart().Content();
    QCOMPARE(chart.Kind, wexa::forms::ChartKind::Line);
    QCOMPARE(chart.Series.size(), 2u);
    const char* const legends[] = {"Inbound", "Outbound"};
    for (int s = 0; s < 2; ++s) {
        const wexa::forms::ChartSeries& line = chart.Series[s];
        QCOMPARE(line.Legend, std::string(legends[s]));
        QCOMPARE(line.Points.size(), 24u);
        for (int hour = 0; hour < 24; ++hour) {
            QCOMPARE(line.Points[hour].X, double(hour));
            QCOMPARE(line.Points[hour].Y, content.Series[s].Miles[hour]);
        }
    }
    QCOMPARE(chart.Title, std::string("Route 9 <overlay> & shoulders"));
    QCOMPARE(chart.Subtitle, std::string("Alt 2 - WZ 3"));
    QCOMPARE(chart.CategoryAxisTitle, std::string("Hour of Day"));
    QCOMPARE(chart.ValueAxisTitle, std::string("Queue Length, miles"));
}

void QueueGraphDialogTest::valueAxisLabelsHaveOneDecimal() {
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    const auto& ticks = dialog.Chart().Content().ValueTicks;
    QVERIFY(ticks.size() >= 3);
    QCOMPARE(ticks.front().Text, std::string("0.0"));
    for (const wexa::forms::AxisTick& tick : ticks) {
        QVERIFY2(tick.Text.find('.') == tick.Text.size() - 2, tick.Text.c_str());
    }
    // The axis reaches the longest queue, 2.25 miles.
    QVERIFY(ticks.back().Value >= 2.25);
    QVERIFY(ticks.back().Value < 4.0);
}

void QueueGraphDialogTest::printWritesThePageThroughThePrintDialog() {
    QTemporaryDir folder;
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    dialog.show();
    const QString pdf = folder.filePath(QStringLiteral("queue.pdf"));
    wexa::ui::testing::AnswerPrintWithPdf(prompts, pdf);
    PressButton(dialog, QStringLiteral("Print"));
    QCOMPARE(prompts.Dialogs.size(), 1);
    // A page with the chart drawn on it, not an empty one.
    QVERIFY(wexa::ui::testing::IsPdf(pdf, 4000));
    QVERIFY(dialog.isVisible());
}

void QueueGraphDialogTest::cancelledPrintWritesNothing() {
    QTemporaryDir folder;
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    const QString pdf = folder.filePath(QStringLiteral("queue.pdf"));
    prompts.OnDialog = [pdf](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        print->printer()->setOutputFileName(pdf);
        dialog.setResult(QDialog::Rejected);
    };
    PressButton(dialog, QStringLiteral("Print"));
    QCOMPARE(prompts.Dialogs.size(), 1);
    QVERIFY(!QFile::exists(pdf));
}

void QueueGraphDialogTest::f1OpensTheQueueGraphSection() {
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(prompts.HelpSections, QStringList{QStringLiteral("queue-graph")});
}

namespace {

// The box around everything drawn (not transparent) in `image`.
QRect InkBox(const QImage& image) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage Rendered(wexa::ui::ChartPanel& chart, QSize size, const QRectF& target) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    chart.Render(painter, target);
    painter.end();
    return image;
}

} // namespace

// What printing relies on: the chart and its key fill the target's height
// or width, whichever limits them, keep their proportions and draw nothing
// outside.
void QueueGraphDialogTest::renderedChartFitsItsTargetUndistorted() {
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    wexa::ui::ChartPanel& chart = dialog.Chart();
    // As on screen: the picture the scaled one must be a copy of.
    const QRect natural =
        InkBox(Rendered(chart, chart.size(), QRectF(QPointF(0, 0), chart.size())));
    QVERIFY(natural.isValid());
    const double aspect = double(natural.width()) / natural.height();

    const QRectF target(100, 100, 2800, 1000); // wider than the chart
    const QRect ink = InkBox(Rendered(chart, QSize(3000, 1200), target));
    QVERIFY(ink.left() >= 100 && ink.right() < 2900 && ink.top() >= 100 && ink.bottom() < 1100);
    const double scale = 1000.0 / chart.height();
    QVERIFY2(std::abs(ink.height() - natural.height() * scale) < 4 * scale,
             qPrintable(QString::number(ink.height())));
    QVERIFY2(std::abs(double(ink.width()) / ink.height() - aspect) < 0.01,
             qPrintable(QString::number(double(ink.width()) / ink.height() - aspect)));
    // Centred across the width it does not fill.
    const double left = ink.left() - 100 - natural.left() * scale;
    const double right = 2899 - ink.right() - (chart.width() - 1 - natural.right()) * scale;
    QVERIFY2(std::abs(left - right) < 4 * scale, qPrintable(QString("%1 %2").arg(left).arg(right)));
}

QTEST_MAIN(QueueGraphDialogTest)
#include "QueueGraphDialogTest.moc"
