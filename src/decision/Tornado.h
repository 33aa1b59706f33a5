#pragma once

// Which input, if it is wrong, changes the answer: each uncertain input of a
// project moved on its own to a low and a high setting in the base case, and
// the total NPVs that gives.
//
//   project ─> TornadoInputs ─> the inputs that move, with their settings
//   base case ─> BuildTornado ─> two runs per input, bars sorted by swing

#include "decision/BaseCase.h"
#include "model/Project.h"
#include "simulation/CheckFailure.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace wexa {

enum class TornadoInputKind : std::uint8_t {
    DiscountRate,
    TrafficGrowth,
    YearsToNext,  // of one activity
    AgencyCost,   // of one activity: bid item total and time-related unit prices
    RequiredTime, // of one activity
    BaseYearAadt,
    ValueOfTime, // the three delay cost rates together
};

enum class TornadoSide : std::uint8_t { Low, Expected, High };

// One input and its settings. Low, Expected and High are the values as the
// user knows them, in Unit; where the input is a set of figures scaled
// together, they are percent of the expected figures and LowFactor and
// HighFactor are the scales the figures are multiplied by.
struct TornadoInput {
    TornadoInputKind Kind = TornadoInputKind::DiscountRate;
    int Slot = 0; // the activity's, for the activity inputs
    std::string Name;
    std::string Unit;
    double Low = 0.0;
    double Expected = 0.0;
    double High = 0.0;
    double LowFactor = 1.0;
    double HighFactor = 1.0;
};

// The inputs of `project` that move, in a fixed order: the discount rate,
// the traffic growth rate, then alternative by alternative and activity by
// activity its years to next, agency cost and required time, then the
// base-year AADT and the value of time. Distributions move to the two ends
// they store; variabilities and the swing (percent) scale their figures
// down and up. An input whose low and high both equal its expected value is
// left out.
[[nodiscard]] std::vector<TornadoInput> TornadoInputs(const Project& project, double swingPercent);

// Writes the input's setting on `side` into `project`, computed from the
// base case's figures; the Expected side puts the base case's figures back.
void SetTornadoInput(Project& project, const Project& base, const TornadoInput& input,
                     TornadoSide side);

enum class TornadoStatus : std::uint8_t { Ok, Refused, Gridlock };

struct TornadoBar {
    TornadoInput Input;
    // Refused: the run refused a side (Refusal holds its messages). Gridlock:
    // an alternative valid in the base case is not valid on a side.
    TornadoStatus Status = TornadoStatus::Ok;
    std::vector<CheckFailure> Refusal;
    CaseOutcome AtLow;
    CaseOutcome AtHigh;
    // Total NPV of the pair's first alternative less its second's, where the
    // tornado has a pair and both are valid on that side.
    std::optional<Int64> DifferenceLow;
    std::optional<Int64> DifferenceHigh;
    // What the bars are sorted by: how far apart the two sides leave the
    // pair's difference, or without a pair the total NPV of the alternative
    // it moves most.
    double Swing = 0.0;
};

struct TornadoOptions {
    double SwingPercent = 20.0;
    // Alternatives from 0; none picks the two valid alternatives with the
    // lowest base-case total NPV.
    std::optional<std::array<int, 2>> Pair;
};

struct Tornado {
    int Alternatives = 0;
    double SwingPercent = 20.0;
    // None when fewer than two alternatives are valid in the base case and
    // none was chosen.
    std::optional<std::array<int, 2>> Pair;
    CaseOutcome Base;
    std::optional<Int64> BaseDifference;
    // Largest swing first; inputs that did not run through, last.
    std::vector<TornadoBar> Bars;
};

// The swing a tornado takes, in percent: from 0 to this.
inline constexpr double kMaxSwingPercent = 100.0;

[[nodiscard]] bool SwingInRange(double percent);

// Two different alternatives (from 0) of the first `alternatives`.
[[nodiscard]] bool PairInRange(const std::array<int, 2>& pair, int alternatives);

// The swing must be in range; the pair two different alternatives of the
// project (from 0).
[[nodiscard]] std::optional<CheckFailure> CheckTornadoOptions(const TornadoOptions& options,
                                                              int alternatives);

// Runs the base case, then each input's two sides. Refuses options that
// CheckTornadoOptions rejects and a base case that the run refuses, with the
// run's own messages; a cancel stops it at the next run. Plans its runs on
// the runner's progress. `tornado` is written only when it finishes.
[[nodiscard]] std::optional<RunRefusal> BuildTornado(const Project& project, BaseCaseRunner& runner,
                                                     const TornadoOptions& options,
                                                     Tornado& tornado);

} // namespace wexa
