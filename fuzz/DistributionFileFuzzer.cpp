// Feeds arbitrary bytes to the distribution file reader. Whatever it refuses
// must leave the table untouched; whatever it accepts must hold 72 finite
// numbers, and the file written from it must read back to a table that writes
// the same file again, also with the input appended to it (the reader stops
// after the 72nd number). An accepted table is then used by the default
// project, evaluated and run.
#include "AcceptedProject.h"
#include "model/DistributionFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

wexa::HourlyTrafficDistribution Marked() {
    wexa::HourlyTrafficDistribution table;
    table.HourlyAADTPercent.fill(-1.0);
    table.HourlyInboundPercent.fill(-2.0);
    table.HourlyOutboundPercent.fill(-3.0);
    return table;
}

bool AllFinite(const wexa::HourlyTrafficDistribution& table) {
    for (int h = 0; h < wexa::kHours; ++h) {
        if (!std::isfinite(table.HourlyAADTPercent[h]) ||
            !std::isfinite(table.HourlyInboundPercent[h]) ||
            !std::isfinite(table.HourlyOutboundPercent[h])) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    wexa::HourlyTrafficDistribution table = Marked();
    if (!wexa::ParseDistributionText(text, table)) {
        if (!(table == Marked())) {
            std::abort(); // a refused file changed the table
        }
        return 0;
    }
    if (!AllFinite(table)) {
        std::abort();
    }
    const std::string written = wexa::DistributionFileText(table);
    wexa::HourlyTrafficDistribution reread = Marked();
    if (!wexa::ParseDistributionText(written, reread) ||
        wexa::DistributionFileText(reread) != written) {
        std::abort();
    }
    wexa::HourlyTrafficDistribution followed = Marked();
    if (!wexa::ParseDistributionText(written + std::string(text), followed) ||
        !(followed == reread)) {
        std::abort(); // what follows the 72 numbers was read
    }
    auto project = std::make_unique<wexa::Project>();
    table.CopyInto(*project);
    wexa::fuzz::ExerciseAcceptedProject(*project);
    return 0;
}
