#pragma once

#include "model/FileOps.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace wexa {

// Outcome of reading or writing a file. The core never shows anything: on
// failure Message is the text for the user, naming the file, and the caller
// decides how to show it.
struct FileResult {
    bool Ok = true;
    std::string Message;
    // The system's reason, where there is one, for a caller that words its
    // own message for a particular failure.
    std::error_code Error;

    [[nodiscard]] static FileResult Success() { return {}; }
    [[nodiscard]] static FileResult Failure(std::string message, std::error_code error = {}) {
        return {false, std::move(message), error};
    }
    explicit operator bool() const { return Ok; }
};

// The user-facing message for a failed read or write of path.
[[nodiscard]] std::string ReadErrorMessage(const std::filesystem::path& path,
                                           std::error_code error);
[[nodiscard]] std::string WriteErrorMessage(const std::filesystem::path& path,
                                            std::error_code error);

// Reads a whole regular file. A file longer than maxBytes is refused without
// being read in full, so a huge file cannot exhaust memory; a FIFO, socket,
// device or folder is refused before it is opened, so nothing can make the
// read wait forever.
[[nodiscard]] FileResult ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                       std::vector<unsigned char>& bytes,
                                       FileOps& ops = SystemFileOps());

} // namespace wexa
