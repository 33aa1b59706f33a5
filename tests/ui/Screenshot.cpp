// Pictures of the main window for the user guide and the README, made by the
// program's own widgets on the offscreen platform:
//   wexa_screenshot FOLDER
// writes main-window.png (the default project, probabilistic),
// main-window-deterministic.png and main-window-excluded.png (an activity
// that excludes work-zone user costs) into FOLDER.
#include "WindowFixture.h"
#include "ui/FormButtons.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>

#include <cstdio>

namespace {

using wexa::forms::FormField;
using wexa::ui::testing::Window;

// A 1366 x 768 screen less a desktop panel.
constexpr int kWidth = 1366;
constexpr int kHeight = 728;

bool Save(Window& w, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name));
    if (!w.Frame().grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wexa_screenshot FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    Window w;
    w.Frame().resize(kWidth, kHeight);
    w.Enter(FormField::ProjectNumber, QStringLiteral("STP-0042(17)"));
    w.Enter(FormField::ProjectDescription,
            QStringLiteral("Route 9 pavement rehabilitation, MP 12.4 to MP 18.1"));
    w.Enter(FormField::AlternativeDescription, QStringLiteral("Mill and overlay"));
    w.Enter(FormField::ActivityDescription, QStringLiteral("Initial construction"));
    w.Find(wexa::ui::FormButton::RunSimulation)->setFocus();
    bool ok = Save(w, folder, "main-window.png");

    Window excluded;
    excluded.Frame().resize(kWidth, kHeight);
    excluded.Enter(FormField::NumberOfActivities, QStringLiteral("3"));
    excluded.Enter(FormField::ActivityDescription, QStringLiteral("Crack sealing"));
    excluded.Pick(FormField::ActivityUserCostMode, 1);
    ok = Save(excluded, folder, "main-window-excluded.png") && ok;

    Window deterministic;
    deterministic.Frame().resize(kWidth, kHeight);
    deterministic.View().findChild<QRadioButton*>(QStringLiteral("AnalysisType1"))->click();
    ok = Save(deterministic, folder, "main-window-deterministic.png") && ok;
    return ok ? 0 : 1;
}
