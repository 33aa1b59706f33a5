// Printing the results page: Ctrl+P through the print dialog to a PDF file,
// the page's place on the paper at any resolution, and the print preview's
// page view kept in the settings store.
#include "WindowFixture.h"
#include "ui/FormButtons.h"
#include "ui/ResultsPagePainter.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using wexa::Project;
using wexa::ui::testing::Window;

namespace {

constexpr double kInchesPerMeter = 39.37007874015748;

// Four alternatives with long descriptions and curves that fill the plot.
void FillProbabilisticResults(Project& p) {
    p.AnalysisType = wexa::kProbabilisticAnalysis;
    p.NumberOfAlternatives = 4;
    p.IterationCount = wexa::kProbabilisticIterations;
    p.ProjectDescription = "Route 9 pavement rehabilitation, MP 12.4 to MP 18.1";
    for (int a = 0; a < 4; ++a) {
        p.AlternativeDescriptions[a] =
            QStringLiteral("Alternative %1 with a description long enough to reach past the "
                           "right edge of the frame if nothing shortened it, and then some more")
                .arg(a + 1)
                .toStdString();
        for (int j = 0; j < wexa::kPercentilePoints; ++j) {
            p.AgencyNpvPercentiles[a][j] = 100'000 * (a + 1) * j;
            p.AgencyCumulativePercents[a][j] = j * (100 - a) * 0.1;
        }
    }
}

// A white image of a letter page's printable area (half-inch margins) at
// `dpi`, with the page drawn on it.
QImage RenderedPage(const Project& project, int dpi) {
    const QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                             QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    const QRect area = layout.paintRectPixels(dpi);
    QImage image(area.size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi * kInchesPerMeter);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    wexa::ui::PrintResultsPage(painter, project, QSizeF(area.size()));
    if (qEnvironmentVariableIsSet("WEXA_KEEP_PAGE")) {
        image.save(QStringLiteral("/tmp/page-%1.png").arg(dpi));
    }
    return image;
}

bool Inked(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 200;
}

// Inked pixels of the rows [top, bottom) between the columns [left, right).
int InkIn(const QImage& image, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
            ink += Inked(image, x, y) ? 1 : 0;
        }
    }
    return ink;
}

// The preview's toolbar button that shows `text`, if any.
QAction* PreviewButton(QDialog& preview, const QString& text) {
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

// Answers the print dialog: printing to the PDF file `pdf`, then OK or
// Cancel.
void AnswerPrintDialog(Window& w, const QString& pdf, QDialog::DialogCode answer) {
    w.Prompts().OnDialog = [pdf, answer](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        QVERIFY(print != nullptr);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(pdf);
        print->done(answer);
    };
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlPPrintsOnePageToAPdfFile();
    void cancelledPrintDialogPrintsNothing();
    void pageStaysInsideItsFrameAtEveryResolution_data();
    void pageStaysInsideItsFrameAtEveryResolution();
    void previewShowsThePagesTheSettingsAskFor_data();
    void previewShowsThePagesTheSettingsAskFor();
    void graphItButtonOpensThePreview();
    void beforeAnyRunThereIsNothingToPrint();
    void f1InThePreviewOpensThePrintingSection();
};

void PrintTest::ctrlPPrintsOnePageToAPdfFile() {
    Window w;
    QVERIFY(w.Active);
    FillProbabilisticResults(w.GetProject());
    w.View().Form().ShowForm();
    const QString pdf = w.Path(QStringLiteral("page.pdf"));
    AnswerPrintDialog(w, pdf, QDialog::Accepted);
    QTest::keyClick(&w.Frame(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(w.Prompts().Dialogs.size(), 1);

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith("%PDF"));
    // Page objects, not the page tree ("/Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    QCOMPARE(QString::fromLatin1(content).count(page), 1);
    // The page's texts brought their font along: the page is not blank.
    QVERIFY(content.contains("/FontFile"));
}

void PrintTest::cancelledPrintDialogPrintsNothing() {
    Window w;
    FillProbabilisticResults(w.GetProject());
    const QString pdf = w.Path(QStringLiteral("never.pdf"));
    AnswerPrintDialog(w, pdf, QDialog::Rejected);
    w.Frame().Actions().Print->trigger();
    QCOMPARE(w.Prompts().Dialogs.size(), 1);
    QVERIFY(!QFile::exists(pdf));
}

void PrintTest::pageStaysInsideItsFrameAtEveryResolution_data() {
    QTest::addColumn<int>("dpi");
    QTest::newRow("preview-like 96") << 96;
    QTest::newRow("page pixels 300") << 300;
    QTest::newRow("printer 600") << 600;
}

// The frame, drawn 20 page pixels inside the printable area (40 at the
// bottom), lands at the same place of the paper at every resolution, nothing
// is drawn outside it, and the title block of four alternatives ends above
// the separator.
void PrintTest::pageStaysInsideItsFrameAtEveryResolution() {
    QFETCH(int, dpi);
    auto project = std::make_unique<Project>();
    FillProbabilisticResults(*project);
    const QImage image = RenderedPage(*project, dpi);
    const QSize page = wexa::ui::PagePixels(QSizeF(image.size()), dpi, dpi);
    const double toDevice = dpi / 300.0;
    const auto device = [toDevice](int pagePixels) { return qRound(pagePixels * toDevice); };
    const int left = device(20);
    const int top = device(20);
    const int right = device(page.width() - 20);
    const int bottom = device(page.height() - 40);
    // The frame is there where the layout puts it (a pixel either way for
    // rounding and smoothing).
    const int midX = image.width() / 2;
    const int midY = image.height() / 2;
    QVERIFY(InkIn(image, left - 1, midY, left + 2, midY + 1) > 0);
    QVERIFY(InkIn(image, right - 1, midY, right + 2, midY + 1) > 0);
    QVERIFY(InkIn(image, midX, top - 1, midX + 1, top + 2) > 0);
    QVERIFY(InkIn(image, midX, bottom - 1, midX + 1, bottom + 2) > 0);
    // Nothing outside it.
    QCOMPARE(InkIn(image, 0, 0, left - 1, image.height()), 0);
    QCOMPARE(InkIn(image, right + 2, 0, image.width(), image.height()), 0);
    QCOMPARE(InkIn(image, 0, 0, image.width(), top - 1), 0);
    QCOMPARE(InkIn(image, 0, bottom + 2, image.width(), image.height()), 0);
    // Between the last alternative's line and the separator: nothing.
    const int separator = qRound(820 * toDevice);
    const int lineHeight = QFontMetrics(wexa::ui::PageFont()).lineSpacing();
    const int blockEnd = qRound((70 + 9 * lineHeight) * toDevice);
    QVERIFY(blockEnd < separator);
    QVERIFY(InkIn(image, left + 2, blockEnd - qRound(lineHeight * toDevice), right - 1, blockEnd) >
            0);
    QCOMPARE(InkIn(image, left + 2, blockEnd + 1, right - 1, separator - 1), 0);
    QVERIFY(Inked(image, image.width() / 2, separator));
}

void PrintTest::previewShowsThePagesTheSettingsAskFor_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("mode");
    QTest::newRow("never set") << QVariant() << int(QPrintPreviewWidget::SinglePageView);
    QTest::newRow("one page") << QVariant(1) << int(QPrintPreviewWidget::SinglePageView);
    QTest::newRow("two pages") << QVariant(2) << int(QPrintPreviewWidget::FacingPagesView);
    QTest::newRow("anything else") << QVariant(7) << int(QPrintPreviewWidget::SinglePageView);
}

void PrintTest::previewShowsThePagesTheSettingsAskFor() {
    QFETCH(QVariant, stored);
    QFETCH(int, mode);
    Window w;
    if (stored.isValid()) {
        w.Settings().setValue(QStringLiteral("Settings/PreviewPages"), stored);
    }
    FillProbabilisticResults(w.GetProject());
    w.View().Form().ShowForm();
    int shownMode = -1;
    bool facingButtonChecked = false;
    int pages = -1;
    w.Prompts().OnDialog = [&](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(preview != nullptr);
        dialog.show();
        preview->updatePreview();
        shownMode = preview->viewMode();
        pages = preview->pageCount();
        // Most of the screen, so a page can be read.
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY(dialog.width() >= screen.width() * 7 / 10);
        QVERIFY(dialog.height() >= screen.height() * 8 / 10);
        QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
        QAction* facing = PreviewButton(dialog, QStringLiteral("Show facing pages"));
        QAction* single = PreviewButton(dialog, QStringLiteral("Show single page"));
        QVERIFY(facing != nullptr && single != nullptr);
        facingButtonChecked = facing->isChecked();
        // The user switches to the other view before closing.
        (facingButtonChecked ? single : facing)->trigger();
        dialog.reject();
    };
    w.Frame().Actions().PrintPreview->trigger();
    QCOMPARE(w.Prompts().Dialogs, QStringList{QStringLiteral("Print Preview")});
    QCOMPARE(shownMode, mode);
    QCOMPARE(facingButtonChecked, mode == QPrintPreviewWidget::FacingPagesView);
    QCOMPARE(pages, 1);
    const int kept = w.Settings().value(QStringLiteral("Settings/PreviewPages")).toInt();
    QCOMPARE(kept, mode == QPrintPreviewWidget::SinglePageView ? 2 : 1);
}

// The button is hidden on the form; pressed, it shows the preview as the
// menu does.
void PrintTest::graphItButtonOpensThePreview() {
    Window w;
    FillProbabilisticResults(w.GetProject());
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    auto* button = w.Find<QAbstractButton>(wexa::ui::FormButton::GraphIt);
    QVERIFY(button != nullptr);
    QVERIFY(!button->isVisibleTo(&w.Frame()));
    button->click();
    QCOMPARE(w.Prompts().Dialogs, QStringList{QStringLiteral("Print Preview")});
}

void PrintTest::beforeAnyRunThereIsNothingToPrint() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    w.Frame().Actions().Print->trigger();
    w.Frame().Actions().PrintPreview->trigger();
    QVERIFY(w.Prompts().Dialogs.isEmpty());
    const auto shown = w.Prompts().TakeMessage(QStringLiteral("Print"));
    QVERIFY(shown.Text.startsWith(QStringLiteral("There are no results")));
    QCOMPARE(shown.Icon, wexa::forms::MessageIcon::Information);
    w.Prompts().TakeMessage(QStringLiteral("Print")); // the preview's

    // Results of the project on screen are not those of a project opened
    // after it.
    FillProbabilisticResults(w.GetProject());
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    QVERIFY(w.Doc().Open());
    w.Prompts().Clear();
    w.Frame().Actions().PrintPreview->trigger();
    QVERIFY(w.Prompts().Dialogs.isEmpty());
    QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Print")});
}

void PrintTest::f1InThePreviewOpensThePrintingSection() {
    Window w;
    QVERIFY(w.Active);
    FillProbabilisticResults(w.GetProject());
    w.Prompts().OnDialog = [](QDialog& dialog) {
        wexa::ui::testing::ShowActive(dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        dialog.reject();
    };
    w.Frame().Actions().PrintPreview->trigger();
    QCOMPARE(w.Prompts().HelpSections, QStringList{QStringLiteral("printing")});
}

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
