#pragma once

#include <ctime>

namespace wexa {

// The calendar fields of `time` in the local time zone, safely from any
// thread; false (leaving `local` as it may be) for a time beyond the
// calendar's range.
[[nodiscard]] bool ToLocalTime(std::time_t time, std::tm& local);

} // namespace wexa
