#include "model/FileOps.h"
#include "model/SystemCalls.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>

// The file system of Windows, through the C runtime's descriptors (so a
// handle is an int, as on every system) and, where the runtime has no call
// for it, Windows' own: replacing an existing file in one step, and telling
// whether two names lead to one file.
namespace wexa {
namespace {

// A Windows error as the nearest portable one, for the messages the program
// words from them.
std::error_code FromWindowsError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    default:
        return std::make_error_code(std::errc::io_error);
    }
}

// Reports why a file of this type may not be read; an empty code for a
// regular file.
std::error_code RefuseUnlessRegular(unsigned short mode) {
    if ((mode & _S_IFMT) == _S_IFREG) {
        return {};
    }
    if ((mode & _S_IFMT) == _S_IFDIR) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    return std::make_error_code(std::errc::not_supported);
}

// The runtime reads and writes at most INT_MAX bytes a call.
constexpr std::size_t kLargestCall = INT_MAX;

class WindowsFileOps final : public FileOps {
public:
    std::error_code OpenForReading(const std::filesystem::path& path, int& handle) override {
        struct _stat64 before {};
        errno = 0;
        if (::_wstat64(path.c_str(), &before) != 0) {
            return LastSystemError();
        }
        if (const std::error_code refused = RefuseUnlessRegular(before.st_mode)) {
            return refused;
        }
        errno = 0;
        const int fd = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
        if (fd < 0) {
            return LastSystemError();
        }
        struct _stat64 opened {};
        errno = 0;
        const std::error_code refused =
            ::_fstat64(fd, &opened) != 0 ? LastSystemError() : RefuseUnlessRegular(opened.st_mode);
        if (refused) {
            ::_close(fd);
            return refused;
        }
        handle = fd;
        return {};
    }

    std::error_code Read(int handle, unsigned char* data, std::size_t size,
                         std::size_t& got) override {
        errno = 0;
        const int n =
            ::_read(handle, data, static_cast<unsigned int>(std::min(size, kLargestCall)));
        if (n < 0) {
            return LastSystemError();
        }
        got = static_cast<std::size_t>(n);
        return {};
    }

    std::error_code CreateNew(const std::filesystem::path& path, int& handle) override {
        errno = 0;
        const int fd =
            ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                     _S_IREAD | _S_IWRITE);
        if (fd < 0) {
            return LastSystemError();
        }
        handle = fd;
        return {};
    }

    std::error_code CheckWritable(const std::filesystem::path& path) override {
        struct _stat64 status {};
        errno = 0;
        if (::_wstat64(path.c_str(), &status) != 0) {
            return LastSystemError();
        }
        // The read-only attribute shows as a missing write bit.
        if ((status.st_mode & _S_IWRITE) == 0 || ::_waccess(path.c_str(), 2) != 0) {
            return std::make_error_code(std::errc::permission_denied);
        }
        return {};
    }

    std::error_code OpenInPlace(const std::filesystem::path& path, int& handle) override {
        // A device such as NUL: written to, never truncated.
        errno = 0;
        const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
        if (fd < 0) {
            return LastSystemError();
        }
        handle = fd;
        return {};
    }

    std::error_code Write(int handle, const unsigned char* data, std::size_t size) override {
        return WriteAll(data, size, [handle](const unsigned char* bytes, std::size_t count) {
            return ::_write(handle, bytes,
                            static_cast<unsigned int>(std::min(count, kLargestCall)));
        });
    }

    std::error_code KeepOwnerAndMode(const std::filesystem::path& original,
                                     const std::filesystem::path& temporary, int) override {
        // Windows keeps an owner and access list apart from the file's
        // attributes; only the read-only attribute is the program's to
        // carry over, and a writable original has it clear.
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(original, error);
        if (!error && std::filesystem::is_regular_file(status)) {
            std::filesystem::permissions(temporary, status.permissions(), error);
        }
        return {};
    }

    std::error_code Sync(int handle) override {
        errno = 0;
        return ::_commit(handle) == 0 ? std::error_code() : LastSystemError();
    }

    std::error_code Close(int handle) override {
        errno = 0;
        return ::_close(handle) == 0 ? std::error_code() : LastSystemError();
    }

    std::error_code Rename(const std::filesystem::path& from,
                           const std::filesystem::path& to) override {
        // The runtime's rename refuses an existing target; Windows replaces
        // it in one step, and the write-through flag returns only once the
        // new name is on the disk.
        if (::MoveFileExW(from.c_str(), to.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
            return {};
        }
        return FromWindowsError(::GetLastError());
    }

    std::error_code SyncFolder(const std::filesystem::path&) override {
        // Windows cannot flush a folder; Rename's write-through does that
        // work.
        return {};
    }

    void Remove(const std::filesystem::path& path) override {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

// The volume and the file's index on it, which together name one file
// however it is reached; false when the file cannot be opened to ask.
bool FileIdentity(const std::filesystem::path& path, BY_HANDLE_FILE_INFORMATION& info) {
    // No access asked: enough to read the identity of any file, a folder
    // too (with the backup flag), without disturbing it.
    const HANDLE file =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return known;
}

} // namespace

FileOps& SystemFileOps() {
    static WindowsFileOps ops;
    return ops;
}

bool NamesOwnDescriptor(const std::filesystem::path&) {
    return false;
}

void TreatFailedWritesAsErrors() {}

bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return FileIdentity(a, first) && FileIdentity(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

} // namespace wexa
