#pragma once

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace wexa {

// A C stream that closes itself. Closing by hand, to see the result, is
// std::fclose(handle.release()).
struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using CFileHandle = std::unique_ptr<std::FILE, CFileCloser>;

// The reason the last C library call failed. Set errno to 0 before the call:
// a zero left there still means failure, just one without a reason to name.
[[nodiscard]] inline std::error_code LastCError() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

} // namespace wexa
