#include "ui/SensitivityWindow.h"

#include "ui/BackgroundRun.h"
#include "ui/ChartAdapter.h"
#include "ui/ChartOutput.h"
#include "ui/HelpSections.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace wexa::ui {
namespace {

namespace control = forms::SensitivityControl;

constexpr int kTornadoTab = 1;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* NumberBox(const char* name, const std::string& text, const QString& note) {
    auto* box = new QLineEdit(Text(text));
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(80);
    box->setWhatsThis(note);
    return box;
}

void Fill(QComboBox& list, const std::vector<std::string>& entries) {
    list.clear();
    for (const std::string& entry : entries) {
        list.addItem(Text(entry));
    }
}

QComboBox* List(const char* name, const std::vector<std::string>& entries, const QString& note) {
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    Fill(*list, entries);
    list->setWhatsThis(note);
    return list;
}

QPushButton* Button(const char* name, const QString& text, const QString& note) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setWhatsThis(note);
    return button;
}

// A box with its label in front and its unit behind.
void AddLabelled(QHBoxLayout* row, const QString& label, QWidget* control, const QString& unit) {
    auto* caption = new QLabel(label);
    caption->setBuddy(control);
    row->addWidget(caption);
    row->addWidget(control);
    if (!unit.isEmpty()) {
        row->addWidget(new QLabel(unit));
    }
    row->addSpacing(8);
}

} // namespace

CSensitivityWindow::CSensitivityWindow(Prompts& prompts, ProjectSource project,
                                       WidgetEffects::Finder projectControls, QWidget* parent)
    : QDialog(parent), prompts_(prompts), project_(std::move(project)),
      effects_(prompts,
               [this, projectControls = std::move(projectControls)](std::string_view name) {
                   QWidget* own = ChildFinder(*this)(name);
                   return own != nullptr ? own : projectControls(name);
               }),
      form_(effects_), progress_(new QProgressBar), views_(new QTabWidget),
      rateChart_(new ChartPanel), tornadoChart_(new ChartPanel), breakEvens_(new QLabel) {
    setWindowTitle(QStringLiteral("Sensitivity"));
    SetHelpSection(*this, HelpSection::Sensitivity,
                   QStringLiteral("How the alternatives' order depends on the discount rate, and "
                                  "which input moves the difference between two of them most."));
    AddHelpKeys(*this, prompts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(EntriesRow());

    auto* progressRow = new QHBoxLayout;
    progress_->setObjectName(QStringLiteral("SensitivityProgress"));
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancel_);
    layout->addLayout(progressRow);

    views_->addTab(RatePage(), QStringLiteral("NPV vs Discount Rate"));
    // A project with many inputs has a tall tornado: it scrolls rather than
    // squeeze its rows below the height of their names.
    auto* tornadoPage = new QScrollArea;
    tornadoPage->setWidget(tornadoChart_);
    tornadoPage->setWidgetResizable(true);
    tornadoPage->setFrameShape(QFrame::NoFrame);
    views_->addTab(tornadoPage, QStringLiteral("Tornado"));
    tornadoChart_->setWhatsThis(
        QStringLiteral("Each input moved alone to its low and its high setting: the bars run from "
                       "the base case to the pair's difference at each setting, the input that "
                       "moves it most on top. Inputs of an alternative outside the pair cannot "
                       "move it: the line under the chart counts them."));
    layout->addWidget(views_, 1);
    layout->addWidget(OutputRow());

    form_.Start();
    Redraw();
    resize(1180, 800);
}

CSensitivityWindow::~CSensitivityWindow() = default;

QWidget* CSensitivityWindow::EntriesRow() {
    const forms::SensitivityEntries defaults = forms::SensitivityEntries::Defaults();
    auto* row = new QWidget;
    auto* columns = new QHBoxLayout(row);
    columns->setContentsMargins(0, 0, 0, 0);

    auto* rates = new QGroupBox(QStringLiteral("Discount rates"));
    auto* rateRow = new QHBoxLayout(rates);
    from_ = NumberBox(control::From, defaults.From,
                      QStringLiteral("The first discount rate of the chart, in percent."));
    to_ = NumberBox(control::To, defaults.To,
                    QStringLiteral("The last discount rate of the chart, in percent."));
    step_ = NumberBox(control::Step, defaults.Step,
                      QStringLiteral("The step between two rates, in percentage points: at most "
                                     "1001 rates in all."));
    AddLabelled(rateRow, QStringLiteral("&From"), from_, {});
    AddLabelled(rateRow, QStringLiteral("&To"), to_, {});
    AddLabelled(rateRow, QStringLiteral("St&ep"), step_, QStringLiteral("%"));
    columns->addWidget(rates);

    auto* tornado = new QGroupBox(QStringLiteral("Tornado"));
    auto* tornadoRow = new QHBoxLayout(tornado);
    swing_ = NumberBox(control::Swing, defaults.Swing,
                       QStringLiteral("How far the base-year AADT and the value of time move "
                                      "down and up, in percent of their values (0 to 100)."));
    pairFirst_ = List(control::PairFirst, forms::PairFirstChoices(0),
                      QStringLiteral("The two alternatives whose difference the bars show: the "
                                     "two cheapest in the base case, or the two you choose."));
    pairSecond_ = List(control::PairSecond, {},
                       QStringLiteral("The alternative subtracted from the first one chosen."));
    AddLabelled(tornadoRow, QStringLiteral("S&wing"), swing_, QStringLiteral("%"));
    AddLabelled(tornadoRow, QStringLiteral("&Pair"), pairFirst_, {});
    AddLabelled(tornadoRow, QStringLiteral("minus"), pairSecond_, {});
    connect(pairFirst_, &QComboBox::activated, this,
            [this](int first) { form_.ChoosePairFirst(first); });
    columns->addWidget(tornado);

    run_ = Button(control::Run, QStringLiteral("&Run"),
                  QStringLiteral("Works out both charts for the project as the main window holds "
                                 "it now."));
    run_->setDefault(true);
    connect(run_, &QPushButton::clicked, this, &CSensitivityWindow::Run);
    columns->addWidget(run_);
    columns->addStretch(1);
    cancel_ = Button(control::Cancel, QStringLiteral("Cancel"),
                     QStringLiteral("Stops the run; the charts stay as they were."));
    connect(cancel_, &QPushButton::clicked, this, &CSensitivityWindow::Cancel);
    return row;
}

QWidget* CSensitivityWindow::RatePage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* kindRow = new QHBoxLayout;
    kind_ = List("SensitivityCostKind", forms::CostKindChoices(),
                 QStringLiteral("The cost the chart and the break-even rates are of."));
    kind_->setCurrentIndex(static_cast<int>(CostKind::Total));
    connect(kind_, &QComboBox::activated, this, [this](int kind) {
        form_.ChooseKind(static_cast<CostKind>(kind));
        Redraw();
    });
    AddLabelled(kindRow, QStringLiteral("C&ost"), kind_, {});
    kindRow->addStretch(1);
    column->addLayout(kindRow);
    rateChart_->setMinimumSize(820, 460);
    rateChart_->setWhatsThis(
        QStringLiteral("Each alternative's NPV in the base case at every discount rate of the "
                       "range; a dashed line marks a rate at which two alternatives change "
                       "order."));
    column->addWidget(rateChart_, 1);
    breakEvens_->setTextFormat(Qt::PlainText);
    breakEvens_->setWordWrap(true);
    breakEvens_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(breakEvens_);
    return page;
}

QWidget* CSensitivityWindow::OutputRow() {
    auto* buttons = new QDialogButtonBox;
    auto add = [this, buttons](const char* name, const QString& text, const QString& note) {
        QPushButton* button = Button(name, text, note);
        buttons->addButton(button, QDialogButtonBox::ActionRole);
        return button;
    };
    connect(add(control::SaveImage, QStringLiteral("Save Image..."),
                QStringLiteral("Saves the chart shown as a PNG image or an SVG drawing.")),
            &QPushButton::clicked, this, [this] { SaveChartImage(ShownChart(), prompts_); });
    connect(add(control::SaveData, QStringLiteral("Save Data..."),
                QStringLiteral("Saves the figures of the chart shown as a CSV file, for a "
                               "spreadsheet.")),
            &QPushButton::clicked, this, &CSensitivityWindow::SaveData);
    connect(add(control::Print, QStringLiteral("Print..."),
                QStringLiteral("Prints the chart shown, scaled to fit the page.")),
            &QPushButton::clicked, this, [this] { PrintChart(ShownChart(), prompts_, this); });
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this,
            [this] { prompts_.ShowHelp(QString::fromLatin1(HelpSection::Sensitivity)); });
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    return buttons;
}

void CSensitivityWindow::Open() {
    const bool opening = !isVisible();
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    // The toolkit takes a change of modality only while the window is hidden.
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
    if (opening) {
        OfferAlternatives(project_().NumberOfAlternatives);
        Run();
    }
}

void CSensitivityWindow::Run() {
    if (Running()) {
        return;
    }
    // The pair's lists stay as the user left them: a pair the project no
    // longer has is refused with the run's own message, not changed
    // silently.
    job_ = form_.StartRun(Entries(), project_());
    if (!job_) {
        return;
    }
    background_ = std::make_unique<BackgroundRun>(*job_, *progress_);
    connect(background_.get(), &BackgroundRun::Finished, this, &CSensitivityWindow::EndRun);
    cancel_->setFocus(Qt::OtherFocusReason);
    background_->Start();
}

void CSensitivityWindow::Cancel() {
    form_.CancelRun();
    if (background_) {
        background_->Cancel();
    }
}

void CSensitivityWindow::ProjectReplaced() {
    form_.ProjectReplaced();
    if (background_) {
        background_->Cancel();
    }
    Redraw();
}

void CSensitivityWindow::keyPressEvent(QKeyEvent* event) {
    // Esc stops a run at once, not through the button's animated click,
    // which would let a short run finish before the cancel arrives; the
    // window closes on Esc only when no run works.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && Running()) {
        Cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSensitivityWindow::EndRun() {
    background_.reset();
    const std::unique_ptr<forms::SensitivityJob> job = std::move(job_);
    progress_->reset(); // no "0%" beside a finished result
    form_.FinishRun(*job);
    if (const Sensitivity* result = form_.Result()) {
        OfferAlternatives(result->Rates.Alternatives);
    }
    run_->setFocus(Qt::OtherFocusReason);
    Redraw();
    emit RunEnded();
}

void CSensitivityWindow::Redraw() {
    rateChart_->Show(form_.RateChart());
    const forms::ChartContent tornado = form_.TornadoChart();
    tornadoChart_->Show(tornado);
    // Each row as tall as its name and a little more; the title, the key,
    // the axis and the footnote take about as much as nine lines. Rows that
    // need more room than the window has scroll, under the key and the axis
    // at the top.
    const int line = fontMetrics().height();
    const auto rows = static_cast<int>(tornado.Categories.size());
    tornadoChart_->setMinimumHeight(rows * (line + 4) + 9 * (line + 6));
    breakEvens_->setText(BreakEvenText());
}

QString CSensitivityWindow::BreakEvenText() const {
    QStringList lines;
    for (const std::string& line : form_.BreakEvens()) {
        lines.append(Text(line));
    }
    return lines.isEmpty() ? QString()
                           : QStringLiteral("Break-even rates, %1:\n%2")
                                 .arg(kind_->currentText(), lines.join(QLatin1Char('\n')));
}

void CSensitivityWindow::OfferAlternatives(int alternatives) {
    if (pairSecond_->count() == std::clamp(alternatives, 0, kMaxAlternatives)) {
        return;
    }
    const forms::SensitivityEntries defaults = forms::SensitivityEntries::Defaults();
    const auto refill = [](QComboBox* list, const std::vector<std::string>& entries, int fallback) {
        const int chosen = list->currentIndex();
        Fill(*list, entries);
        const bool kept = chosen >= 0 && chosen < list->count();
        list->setCurrentIndex(kept ? chosen : std::min(fallback, list->count() - 1));
    };
    refill(pairFirst_, forms::PairFirstChoices(alternatives), defaults.PairFirst);
    refill(pairSecond_, forms::PairSecondChoices(alternatives), defaults.PairSecond);
    form_.ChoosePairFirst(pairFirst_->currentIndex());
}

forms::SensitivityEntries CSensitivityWindow::Entries() const {
    return {from_->text().toStdString(),
            to_->text().toStdString(),
            step_->text().toStdString(),
            swing_->text().toStdString(),
            std::max(0, pairFirst_->currentIndex()),
            std::max(0, pairSecond_->currentIndex())};
}

ChartPanel& CSensitivityWindow::ShownChart() const {
    return views_->currentIndex() == kTornadoTab ? *tornadoChart_ : *rateChart_;
}

void CSensitivityWindow::SaveData() {
    const bool tornado = views_->currentIndex() == kTornadoTab;
    SaveCsvFile(prompts_, tornado ? "tornado.csv" : "discount-rates.csv",
                tornado ? form_.TornadoCsv() : form_.RateCsv(), QStringLiteral("Save Data"),
                "data");
}

} // namespace wexa::ui
