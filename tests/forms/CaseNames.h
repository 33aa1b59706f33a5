#pragma once

#include <cctype>
#include <string>

namespace wexa::forms::testing {

// Names each case of a parameterised test after its `name` member, so that
// listings and failures say "speed_off_the_step" rather than a byte dump.
// Characters a test name cannot hold become underscores.
struct ByCaseName {
    template <typename Info> std::string operator()(const Info& info) const {
        std::string name = info.param.name;
        for (char& c : name) {
            if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
                c = '_';
            }
        }
        return name;
    }
};

} // namespace wexa::forms::testing
