#include "report/LocalTime.h"

namespace wexa {

// The C library's thread-safe form has one name and argument order on POSIX
// systems and another on Windows.
bool ToLocalTime(std::time_t time, std::tm& local) {
#ifdef _WIN32
    return localtime_s(&local, &time) == 0;
#else
    return localtime_r(&time, &local) != nullptr;
#endif
}

} // namespace wexa
