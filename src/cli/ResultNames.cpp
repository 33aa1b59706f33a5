#include "cli/ResultNames.h"

#include <array>

namespace wexa::cli {
namespace {

// In the order of each enumeration; the asserts catch a value added to one.
constexpr std::array<const char*, 3> kStatusNames{"valid", "gridlock", "failure"};
constexpr std::array<const char*, 3> kTornadoStatusNames{"ok", "refused", "gridlock"};
constexpr std::array<const char*, kCostKinds> kKindKeys{"agency", "user", "total"};
constexpr std::array<const char*, kCostKinds> kKindTitles{"Agency", "WZ User", "Total"};

static_assert(static_cast<int>(IterationStatus::Failure) == 2 &&
              static_cast<int>(TornadoStatus::Gridlock) == 2 &&
              static_cast<int>(CostKind::Total) == kCostKinds - 1);

} // namespace

const char* StatusName(IterationStatus status) {
    return kStatusNames[static_cast<std::size_t>(status)];
}

const char* TornadoStatusName(TornadoStatus status) {
    return kTornadoStatusNames[static_cast<std::size_t>(status)];
}

const char* CostKindKey(CostKind kind) {
    return kKindKeys[static_cast<std::size_t>(kind)];
}

const char* CostKindTitle(CostKind kind) {
    return kKindTitles[static_cast<std::size_t>(kind)];
}

} // namespace wexa::cli
