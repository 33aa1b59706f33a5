// "Queue Length Graph": the chart it draws and its printing.
#include "ui/QueueGraphDialog.h"
#include "PresetPrompts.h"
#include "WindowFixture.h"
#include "forms/QueueGraph.h"
#include "ui/ChartAdapter.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFile>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

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

QStringList AxisLabels(QAbstractAxis* axis) {
    auto* categories = qobject_cast<QCategoryAxis*>(axis);
    return categories ? categories->categoriesLabels() : QStringList();
}

// Answers the print dialog as a user printing to a PDF file would.
void PrintTo(PresetPrompts& prompts, const QString& pdf) {
    prompts.OnDialog = [pdf](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        QVERIFY(print);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(pdf);
        dialog.setResult(QDialog::Accepted);
    };
}

} // namespace

class QueueGraphDialogTest : public QObject {
    Q_OBJECT
private slots:
    void drawsBothDirectionsOverTheDay();
    void valueAxisLabelsHaveOneDecimal();
    void printWritesThePageThroughThePrintDialog();
    void cancelledPrintWritesNothing();
};

void QueueGraphDialogTest::drawsBothDirectionsOverTheDay() {
    PresetPrompts prompts;
    const wexa::forms::QueueGraphContent content = SampleQueue();
    CQueueGraphDialog dialog(content, prompts);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Queue Length Graph"));
    QChart* chart = dialog.Chart().Chart();
    QCOMPARE(chart->series().size(), 2);
    const QStringList legends{QStringLiteral("Inbound"), QStringLiteral("Outbound")};
    for (int s = 0; s < 2; ++s) {
        auto* line = qobject_cast<QLineSeries*>(chart->series()[s]);
        QVERIFY(line);
        QCOMPARE(line->name(), legends[s]);
        QCOMPARE(line->count(), 24);
        for (int hour = 0; hour < 24; ++hour) {
            QCOMPARE(line->at(hour).x(), double(hour));
            QCOMPARE(line->at(hour).y(), content.Series[s].Miles[hour]);
        }
    }
    // The description is shown as typed, markup characters included.
    QVERIFY(chart->title().contains(QStringLiteral("Route 9 &lt;overlay&gt; &amp; shoulders")));
    QVERIFY(chart->title().contains(QStringLiteral("Alt 2 - WZ 3")));
    QCOMPARE(chart->axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Hour of Day"));
    QCOMPARE(chart->axes(Qt::Vertical).front()->titleText(), QStringLiteral("Queue Length, miles"));
}

void QueueGraphDialogTest::valueAxisLabelsHaveOneDecimal() {
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    const QStringList labels = AxisLabels(dialog.Chart().Chart()->axes(Qt::Vertical).front());
    QVERIFY(labels.size() >= 3);
    QCOMPARE(labels.front(), QStringLiteral("0.0"));
    for (const QString& label : labels) {
        QVERIFY2(label.indexOf('.') == label.size() - 2, qPrintable(label));
    }
    // The axis reaches the longest queue, 2.25 miles.
    auto* axis = qobject_cast<QCategoryAxis*>(dialog.Chart().Chart()->axes(Qt::Vertical).front());
    QVERIFY(axis->max() >= 2.25);
    QVERIFY(axis->max() < 4.0);
}

void QueueGraphDialogTest::printWritesThePageThroughThePrintDialog() {
    QTemporaryDir folder;
    PresetPrompts prompts;
    CQueueGraphDialog dialog(SampleQueue(), prompts);
    dialog.show();
    const QString pdf = folder.filePath(QStringLiteral("queue.pdf"));
    PrintTo(prompts, pdf);
    PressButton(dialog, QStringLiteral("Print"));
    QCOMPARE(prompts.Dialogs.size(), 1);
    QVERIFY(prompts.Messages.empty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    // A page with the chart drawn on it, not an empty one.
    QVERIFY(file.size() > 4000);
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

QTEST_MAIN(QueueGraphDialogTest)
#include "QueueGraphDialogTest.moc"
