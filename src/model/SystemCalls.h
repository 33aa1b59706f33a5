#pragma once

// What both systems' file calls share: the error the C library left in
// errno, and writing a buffer whole through a call that may write part of
// it.
#include <cerrno>
#include <cstddef>
#include <system_error>

namespace wexa {

// The error of the call that just failed; an I/O error when it set none.
[[nodiscard]] inline std::error_code LastSystemError() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Writes all of `size` bytes through `writeSome(data, size)`, the system's
// write call (the bytes it wrote, or less than 0 with errno set), however
// many calls that takes; a call interrupted by a signal is made again.
template <typename WriteSome>
[[nodiscard]] std::error_code WriteAll(const unsigned char* data, std::size_t size,
                                       WriteSome writeSome) {
    while (size > 0) {
        errno = 0;
        const auto n = writeSome(data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        if (n == 0) {
            return std::make_error_code(std::errc::io_error);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return {};
}

} // namespace wexa
