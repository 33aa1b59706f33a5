#include "cli/ResultNames.h"

#include "results/SensitivityText.h"

#include <array>

namespace wexa::cli {
namespace {

// In the order of the enumeration; the assert catches a value added to it.
constexpr std::array<const char*, kCostKinds> kKindKeys{"agency", "user", "total"};
constexpr std::array<const char*, kCostKinds> kKindTitles{"Agency", "WZ User", "Total"};

static_assert(static_cast<int>(CostKind::Total) == kCostKinds - 1);

} // namespace

// The window's data files name them alike.
const char* StatusName(IterationStatus status) {
    return forms::StatusName(status);
}

const char* TornadoStatusName(TornadoStatus status) {
    return forms::StatusName(status);
}

const char* CostKindKey(CostKind kind) {
    return kKindKeys[static_cast<std::size_t>(kind)];
}

const char* CostKindTitle(CostKind kind) {
    return kKindTitles[static_cast<std::size_t>(kind)];
}

} // namespace wexa::cli
