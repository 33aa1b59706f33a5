#include "model/FileIo.h"

#include "model/CFile.h"

namespace wexa {
namespace {

bool IsAccessDenied(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

} // namespace

std::string ReadErrorMessage(const std::filesystem::path& path, std::error_code error) {
    const std::string name = path.string();
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
    return "An unexpected error occurred while reading " + name + " (" + error.message() + ").";
}

std::string WriteErrorMessage(const std::filesystem::path& path, std::error_code error) {
    const std::string name = path.string();
    if (IsAccessDenied(error) || error == std::errc::read_only_file_system) {
        return "Unable to write to " + name + ", it is read-only or opened by someone else.";
    }
    if (error == std::errc::no_space_on_device || error == std::errc::file_too_large
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
                         std::vector<unsigned char>& bytes) {
    const auto tooLarge = [&path] {
        return FileResult::Failure(
            ReadErrorMessage(path, std::make_error_code(std::errc::file_too_large)));
    };
    errno = 0;
    const CFileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return FileResult::Failure(ReadErrorMessage(path, LastCError()));
    }
    // The size is only a first check: the file may grow while it is read, or
    // not be a regular file at all, so the loop below enforces the limit too.
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    if (!sizeError && size > maxBytes) {
        return tooLarge();
    }

    constexpr std::size_t kChunk = 64 * 1024;
    std::vector<unsigned char> read;
    for (;;) {
        const std::size_t used = read.size();
        read.resize(used + kChunk);
        errno = 0;
        const std::size_t got = std::fread(read.data() + used, 1, kChunk, file.get());
        read.resize(used + got);
        if (read.size() > maxBytes) {
            return tooLarge();
        }
        if (got < kChunk) {
            if (std::ferror(file.get()) != 0) {
                return FileResult::Failure(ReadErrorMessage(path, LastCError()));
            }
            break;
        }
    }
    bytes = std::move(read);
    return FileResult::Success();
}

} // namespace wexa
