#include "model/RoundValue.h"

#include <cmath>

namespace wexa {

void RoundValue(double& value, int mode) {
    const double x = value;
    const double thousandsAndAbove = std::floor(x * 0.001);
    const double hundreds = std::floor(x * 0.01) - 10.0 * thousandsAndAbove;
    const double tens = std::floor(x * 0.1) - 100.0 * thousandsAndAbove - 10.0 * hundreds;
    const double units = std::floor(x) - 10.0 * std::floor(x * 0.1);
    const double tenths = std::floor(x * 10.0) - 10.0 * std::floor(x);

    if (mode == 1) {
        const double hundredths = std::floor(x * 100.0) - 10.0 * std::floor(x * 10.0);
        const double thousandths = std::floor(x * 1000.0) - 10.0 * std::floor(x * 100.0);
        const double keptHundredths = thousandths >= 5.0 ? hundredths + 1.0 : hundredths;
        value = 1000.0 * thousandsAndAbove + 100.0 * hundreds + 10.0 * tens + units +
                0.1 * tenths + 0.01 * keptHundredths;
        return;
    }
    const double keptUnits = tenths >= 5.0 ? units + 1.0 : units;
    value = 1000.0 * thousandsAndAbove + 100.0 * hundreds + 10.0 * tens + keptUnits;
}

} // namespace wexa
