// Pictures of the main window for the user guide and the README, made by the
// program's own widgets on the offscreen platform:
//   wexa_screenshot FOLDER
// writes main-window.png (the default project, probabilistic),
// main-window-deterministic.png, main-window-excluded.png (an activity
// that excludes work-zone user costs), bid-items.png and
// time-related-costs.png (the dialogs on an example project), work-zone.png
// and work-zone-gridlock.png into FOLDER.
#include "WindowFixture.h"
#include "forms/MainFormControls.h"
#include "ui/FormButtons.h"

#include <QApplication>
#include <QDialog>
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

bool Save(QWidget& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name));
    if (!window.grab().save(path)) {
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
    bool ok = Save(w.Frame(), folder, "main-window.png");

    Window excluded;
    excluded.Frame().resize(kWidth, kHeight);
    excluded.Enter(FormField::NumberOfActivities, QStringLiteral("3"));
    excluded.Enter(FormField::ActivityDescription, QStringLiteral("Crack sealing"));
    excluded.Pick(FormField::ActivityUserCostMode, 1);
    ok = Save(excluded.Frame(), folder, "main-window-excluded.png") && ok;

    Window deterministic;
    deterministic.Frame().resize(kWidth, kHeight);
    deterministic.View().findChild<QRadioButton*>(QStringLiteral("AnalysisType1"))->click();
    ok = Save(deterministic.Frame(), folder, "main-window-deterministic.png") && ok;

    // The cost dialogs of the example's first activity, as they open.
    Window example;
    example.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    example.Doc().Open();
    example.Prompts().OnDialog = [&](QDialog& dialog) {
        dialog.show();
        const char* name =
            dialog.windowTitle() == "Bid Items" ? "bid-items.png" : "time-related-costs.png";
        ok = Save(dialog, folder, name) && ok;
        dialog.reject();
    };
    example.Click(wexa::ui::FormButton::BidItemCosts);
    example.Click(wexa::forms::MainFormControl::TimeRelatedCostsButton);

    // The work-zone dialog on the urban example's daytime closures, and on
    // traffic that no timing gets through. The example's project is shorter
    // than its work zones, which the form refuses before the dialog.
    Window urban;
    urban.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    urban.Doc().Open();
    urban.Enter(FormField::ProjectLength, QStringLiteral("3"));
    urban.Click(wexa::ui::FormButton::NextWorkActivity);
    urban.Click(wexa::ui::FormButton::NextWorkActivity);
    const char* workZone = "work-zone.png";
    urban.Prompts().OnDialog = [&](QDialog& dialog) {
        dialog.show();
        ok = Save(dialog, folder, workZone) && ok;
        dialog.reject();
    };
    urban.Click(wexa::forms::MainFormControl::WorkZoneTimingButton);
    urban.Enter(FormField::MaximumAADT, QStringLiteral("900000"));
    urban.Enter(FormField::BaseYearAADT, QStringLiteral("400000"));
    workZone = "work-zone-gridlock.png";
    urban.Click(wexa::forms::MainFormControl::WorkZoneTimingButton);
    ok = ok && urban.Prompts().Dialogs.size() == 2;

    return ok && example.Prompts().Dialogs.size() == 2 ? 0 : 1;
}
