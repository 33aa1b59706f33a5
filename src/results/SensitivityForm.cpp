#include "results/SensitivityForm.h"

#include "forms/FormText.h"
#include "results/ComparisonPage.h"
#include "results/RateChart.h"
#include "results/SensitivityCsv.h"
#include "results/SensitivityText.h"
#include "results/TornadoChart.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace wexa::forms {
namespace {

namespace control = SensitivityControl;

constexpr char kNotRunNotice[] = "Nothing has been worked out yet: press Run.";
constexpr char kReplacedNotice[] = "Another project is open now: press Run to work out its "
                                   "sensitivity.";
constexpr char kRefusedNotice[] = "The run refused the project, as its message said: there is "
                                  "nothing to draw.";

// A text that is no number reaches the run's checks as one they refuse, so
// the user reads the run's own message about it.
double NumberIn(const std::string& text) {
    return ParseReal(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

// The box in which a range the run refuses is put right.
const char* RangeFocus(RateRangeFault fault) {
    switch (fault) {
    case RateRangeFault::FromNotFinite:
    case RateRangeFault::FromTooLow:
        return control::From;
    case RateRangeFault::ToNotFinite:
    case RateRangeFault::ToBelowFrom:
        return control::To;
    case RateRangeFault::StepNotFinite:
    case RateRangeFault::StepNotAboveZero:
    case RateRangeFault::TooManyRates:
        break;
    }
    return control::Step;
}

void Refuse(FormEffects& effects, CheckFailure failure, const char* control) {
    failure.FocusField = control;
    ShowCheckFailure(effects, failure);
}

ChartContent Empty(ChartKind kind, const std::string& notice) {
    ChartContent chart;
    chart.Kind = kind;
    chart.Notice = notice;
    FitValueAxis(chart);
    return chart;
}

} // namespace

SensitivityEntries SensitivityEntries::Defaults() {
    const SensitivityOptions defaults;
    return {FormatReal(defaults.Range.From),
            FormatReal(defaults.Range.To),
            FormatReal(defaults.Range.Step),
            FormatReal(defaults.Tornado.SwingPercent),
            0,
            1};
}

std::vector<std::string> PairFirstChoices(int alternatives) {
    std::vector<std::string> choices{"Two cheapest"};
    for (const std::string& alternative : PairSecondChoices(alternatives)) {
        choices.push_back(alternative);
    }
    return choices;
}

std::vector<std::string> PairSecondChoices(int alternatives) {
    std::vector<std::string> choices;
    for (int a = 0; a < std::clamp(alternatives, 0, kMaxAlternatives); ++a) {
        choices.push_back(AltName(a));
    }
    return choices;
}

std::vector<std::string> CostKindChoices() {
    std::vector<std::string> choices;
    for (const CostKind kind : kAllCostKinds) {
        choices.emplace_back(CostKindName(kind));
    }
    return choices;
}

std::optional<SensitivityOptions> ReadSensitivityOptions(const SensitivityEntries& entries,
                                                         int alternatives, FormEffects& effects) {
    SensitivityOptions options;
    options.Range = {NumberIn(entries.From), NumberIn(entries.To), NumberIn(entries.Step)};
    int points = 0;
    if (auto failure = CheckRateRange(options.Range, points)) {
        Refuse(effects, std::move(*failure),
               RangeFocus(*FindRateRangeFault(options.Range, points)));
        return std::nullopt;
    }
    // The swing is checked before a pair is set, so its message names the
    // box at fault.
    options.Tornado.SwingPercent = NumberIn(entries.Swing);
    if (auto failure = CheckTornadoOptions(options.Tornado, alternatives)) {
        Refuse(effects, std::move(*failure), control::Swing);
        return std::nullopt;
    }
    if (entries.PairFirst > 0) {
        options.Tornado.Pair = std::array{entries.PairFirst - 1, entries.PairSecond};
        if (auto failure = CheckTornadoOptions(options.Tornado, alternatives)) {
            Refuse(effects, std::move(*failure), control::PairFirst);
            return std::nullopt;
        }
    }
    return options;
}

SensitivityForm::SensitivityForm(FormEffects& effects)
    : effects_(effects), notice_(kNotRunNotice) {}

void SensitivityForm::Start() {
    EnableControls();
}

void SensitivityForm::ChoosePairFirst(int first) {
    pairChosen_ = first > 0;
    EnableControls();
}

std::unique_ptr<SensitivityJob> SensitivityForm::StartRun(const SensitivityEntries& entries,
                                                          const Project& project) {
    if (running_) {
        return nullptr;
    }
    const int alternatives = std::clamp(project.NumberOfAlternatives, 0, kMaxAlternatives);
    const std::optional<SensitivityOptions> options =
        ReadSensitivityOptions(entries, alternatives, effects_);
    if (!options) {
        return nullptr;
    }
    running_ = true;
    cancelAsked_ = false;
    EnableControls();
    return std::make_unique<SensitivityJob>(project, *options);
}

void SensitivityForm::CancelRun() {
    cancelAsked_ = running_;
}

void SensitivityForm::ProjectReplaced() {
    cancelAsked_ = running_;
    result_.reset();
    notice_ = kReplacedNotice;
    EnableControls();
}

void SensitivityForm::FinishRun(SensitivityJob& job) {
    running_ = false;
    const std::optional<RunRefusal>& refusal = job.Refusal();
    if (cancelAsked_ || (refusal && refusal->Cancelled)) {
        EnableControls();
        return;
    }
    if (refusal) {
        result_.reset();
        notice_ = kRefusedNotice;
        EnableControls();
        ShowRunRefusal(effects_, *refusal);
        return;
    }
    result_ = std::make_unique<Sensitivity>(std::move(job.Result()));
    title_ = job.Title();
    EnableControls();
}

void SensitivityForm::EnableControls() {
    for (const char* entry : {control::From, control::To, control::Step, control::Swing,
                              control::PairFirst, control::Run}) {
        effects_.EnableControl(entry, !running_);
    }
    effects_.EnableControl(control::PairSecond, !running_ && pairChosen_);
    effects_.EnableControl(control::Cancel, running_);
    for (const char* output : {control::SaveImage, control::SaveData, control::Print}) {
        effects_.EnableControl(output, !running_ && result_ != nullptr);
    }
}

ChartContent SensitivityForm::RateChart() const {
    return result_ ? MakeRateChart(result_->Rates, kind_, title_) : Empty(ChartKind::Line, notice_);
}

std::vector<std::string> SensitivityForm::BreakEvens() const {
    return result_ ? BreakEvenLines(result_->Rates, kind_) : std::vector<std::string>{};
}

ChartContent SensitivityForm::TornadoChart() const {
    return result_ ? MakeTornadoChart(result_->Tornado, title_)
                   : Empty(ChartKind::RangeBar, notice_);
}

std::string SensitivityForm::RateCsv() const {
    return result_ ? forms::RateCsv(result_->Rates, title_) : std::string();
}

std::string SensitivityForm::TornadoCsv() const {
    return result_ ? forms::TornadoCsv(result_->Tornado, title_) : std::string();
}

} // namespace wexa::forms
