#include "model/FileIo.h"
#include "model/PathText.h"

namespace wexa {
namespace {

bool IsAccessDenied(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

} // namespace

std::string ReadErrorMessage(const std::filesystem::path& path, std::error_code error) {
    const std::string name = DisplayPath(path);
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        return name + "\nCannot find this file.\nPlease verify that the correct path and file "
                      "name are given.";
    }
    if (IsAccessDenied(error)) {
        return "Unable to read from " + name + ", access is denied.";
    }
    if (error == std::errc::is_a_directory) {
        return "Unable to read from " + name + ", it is a folder, not a file.";
    }
    if (error == std::errc::file_too_large) {
        return "Unable to read from " + name + ", the file is too large.";
    }
    if (error == std::errc::not_supported) {
        return "Unable to read from " + name + ", it is not a file (a FIFO, a socket or a device).";
    }
    return "An unexpected error occurred while reading " + name + " (" + error.message() + ").";
}

std::string WriteErrorMessage(const std::filesystem::path& path, std::error_code error) {
    const std::string name = DisplayPath(path);
    if (IsAccessDenied(error) || error == std::errc::read_only_file_system) {
        return "Unable to write to " + name + ", it is read-only or opened by someone else.";
    }
    if (error == std::errc::file_too_large) {
        return "Unable to write to " + name +
               ", it would be larger than the system lets this program make a file.";
    }
    if (error == std::errc::broken_pipe) {
        return "Unable to write to " + name +
               ", the program reading from it stopped before the end of the output.";
    }
    if (error == std::errc::no_space_on_device
#ifdef EDQUOT
        || error.value() == EDQUOT
#endif
    ) {
        return "Unable to write to " + name + ", the destination disk drive is full.";
    }
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        return "Unable to write to " + name + ", its folder does not exist.";
    }
    if (error == std::errc::is_a_directory) {
        return "Unable to write to " + name + ", it is a folder, not a file.";
    }
    return "An unexpected error occurred while writing " + name + " (" + error.message() + ").";
}

FileResult ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                         std::vector<unsigned char>& bytes, FileOps& ops) {
    int handle = -1;
    if (const std::error_code error = ops.OpenForReading(path, handle)) {
        return FileResult::Failure(ReadErrorMessage(path, error), error);
    }
    // The size is not asked first: the file may grow while it is read, so
    // the loop enforces the limit as it goes.
    constexpr std::size_t kChunk = std::size_t{64} * 1024;
    std::vector<unsigned char> read;
    std::error_code error;
    for (;;) {
        const std::size_t used = read.size();
        read.resize(used + kChunk);
        std::size_t got = 0;
        error = ops.Read(handle, read.data() + used, kChunk, got);
        read.resize(used + got);
        if (error || got == 0) {
            break;
        }
        if (read.size() > maxBytes) {
            error = std::make_error_code(std::errc::file_too_large);
            break;
        }
    }
    const std::error_code closed = ops.Close(handle);
    if (!error) {
        error = closed;
    }
    if (error) {
        return FileResult::Failure(ReadErrorMessage(path, error), error);
    }
    bytes = std::move(read);
    return FileResult::Success();
}

} // namespace wexa
