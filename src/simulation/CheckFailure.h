#pragma once

#include <string>

namespace wexa {

// What a check that failed reports. The core never shows anything: the caller
// decides whether this becomes a message box, a line on standard error or a
// test expectation.
struct CheckFailure {
    std::string Message;
    std::string Caption;
    // Code name of the Project field whose control should take the focus, ""
    // when no control of the main form shows the value.
    std::string FocusField;
};

} // namespace wexa
