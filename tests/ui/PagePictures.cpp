// Pictures of the printed results page for the user guide, drawn by the
// program's own page painter after real runs of an example project:
//   wexa_page_pictures FOLDER
// writes page-probabilistic.png (all alternatives), page-one-alternative.png
// and page-deterministic.png into FOLDER. Each page is drawn on a letter
// sheet at 300 dpi (quarter-inch margins) and scaled to 850 pixels, the
// width the user guide shows it at (the help window does not scale smoothly).
#include "WindowFixture.h"
#include "ui/FormButtons.h"
#include "ui/ResultsPagePainter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using wexa::ui::testing::Window;

constexpr int kDpi = 300;
constexpr int kPictureWidth = 850;

struct Picture {
    const char* Name;
    bool Deterministic;
    wexa::Int32 PlotMode;
    wexa::Int32 Alternative;
    wexa::Int32 CostType;
};

// Runs the example with a fixed seed (deterministically, with its expected
// years between activities, when asked), exporting the report under a short
// name so the page's second header line shows it.
bool RunExample(Window& w, bool deterministic) {
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    if (!w.Doc().Open()) {
        return false;
    }
    if (deterministic) {
        // The switch clears every activity's years to the next activity;
        // the user enters the example's expected years again.
        wexa::Project& p = w.GetProject();
        const auto expected = p.ActivityYearsExpected;
        const double shown = p.YearsToNextExpected;
        w.View().findChild<QRadioButton*>(QStringLiteral("AnalysisType1"))->click();
        p.ActivityYearsExpected = expected;
        p.YearsToNextExpected = shown;
        w.View().Form().ShowForm();
    }
    w.View().SetRunSeed(2027);
    w.Prompts().OnDialog = [](QDialog& dialog) {
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("FileName"))) {
            name->setText(QStringLiteral("urban-freeway.txt"));
            wexa::ui::testing::PressButton(dialog, QStringLiteral("Export"));
        } else {
            dialog.reject(); // the chart window
        }
    };
    w.Run();
    return w.GetProject().IterationCount > 0 && !w.GetProject().ExportFileName.empty();
}

QImage LetterPage(const wexa::Project& project) {
    const QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                             QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    const QRect area = layout.paintRectPixels(kDpi);
    QImage image(area.size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    wexa::ui::PrintResultsPage(painter, project, QSizeF(area.size()));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wexa_page_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    // The reports of the runs go to a scratch folder.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "no scratch folder\n");
        return 1;
    }
    const Picture pictures[] = {
        {"page-probabilistic.png", false, 0, 1, 2},
        {"page-one-alternative.png", false, 1, 2, 2},
        {"page-deterministic.png", true, 0, 1, 2},
    };
    bool ok = true;
    for (const Picture& picture : pictures) {
        Window w;
        if (!RunExample(w, picture.Deterministic)) {
            std::fprintf(stderr, "the run for %s did not complete\n", picture.Name);
            for (const QString& box : w.Prompts().Untaken()) {
                std::fprintf(stderr, "  %s\n", qPrintable(box));
            }
            ok = false;
            continue;
        }
        wexa::Project& project = w.GetProject();
        // The plot options are hidden on the form; the page reads them here.
        project.GraphPlotMode = picture.PlotMode;
        project.GraphAlternative = picture.Alternative;
        project.GraphCostType = picture.CostType;
        const QImage page =
            LetterPage(project).scaledToWidth(kPictureWidth, Qt::SmoothTransformation);
        const QString path = folder.filePath(QLatin1String(picture.Name));
        if (!page.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
