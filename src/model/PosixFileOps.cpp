#include "model/FileOps.h"
#include "model/SystemCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <optional>
#include <string>
#include <string_view>

namespace wexa {
namespace {

// Reports why a file of this type may not be read; an empty code for a
// regular file.
std::error_code RefuseUnlessRegular(mode_t mode) {
    if (S_ISREG(mode)) {
        return {};
    }
    if (S_ISDIR(mode)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    return std::make_error_code(std::errc::not_supported);
}

// Opens without waiting on the other end of a FIFO or device, then makes
// the descriptor blocking again for ordinary reads and writes.
std::error_code OpenNonBlocking(const std::filesystem::path& path, int flags, int& handle) {
    errno = 0;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return LastSystemError();
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) < 0) {
        const std::error_code error = LastSystemError();
        ::close(fd);
        return error;
    }
    handle = fd;
    return {};
}

// The descriptor a name stands for when it is one of the kernel's names of
// the program's own descriptors; spelled as given, before any link is
// followed, since following /dev/stdout leads to the file behind it.
std::optional<int> DescriptorNamed(const std::filesystem::path& path) {
    const std::string name = path.lexically_normal().native();
    if (name == "/dev/stdin") {
        return 0;
    }
    if (name == "/dev/stdout") {
        return 1;
    }
    if (name == "/dev/stderr") {
        return 2;
    }
    const std::string ownProcess = "/proc/" + std::to_string(::getpid()) + "/fd/";
    for (const std::string_view folder :
         {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"),
          std::string_view(ownProcess)}) {
        if (name.size() > folder.size() && name.starts_with(folder)) {
            const std::string_view digits = std::string_view(name).substr(folder.size());
            int descriptor = -1;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), descriptor);
            if (error == std::errc() && end == digits.data() + digits.size()) {
                return descriptor;
            }
        }
    }
    return std::nullopt;
}

// The descriptor `path` names, itself or through a chain of links to one of
// those names.
std::optional<int> OwnDescriptorOf(const std::filesystem::path& path) {
    constexpr int kMostLinks = 40; // as the kernel allows
    std::filesystem::path at = path;
    for (int step = 0; step < kMostLinks; ++step) {
        if (const std::optional<int> descriptor = DescriptorNamed(at)) {
            return descriptor;
        }
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, error))) {
            return std::nullopt;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(at, error);
        if (error) {
            return std::nullopt;
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return std::nullopt;
}

class PosixFileOps final : public FileOps {
public:
    std::error_code OpenForReading(const std::filesystem::path& path, int& handle) override {
        // Looked at before opening, so that opening itself has no effect on
        // a device; looked at again after, in case the path changed between.
        struct stat before {};
        errno = 0;
        if (::stat(path.c_str(), &before) != 0) {
            return LastSystemError();
        }
        if (const std::error_code refused = RefuseUnlessRegular(before.st_mode)) {
            return refused;
        }
        int fd = -1;
        if (const std::error_code error = OpenNonBlocking(path, O_RDONLY, fd)) {
            return error;
        }
        struct stat opened {};
        errno = 0;
        std::error_code refused =
            ::fstat(fd, &opened) != 0 ? LastSystemError() : RefuseUnlessRegular(opened.st_mode);
        if (refused) {
            ::close(fd);
            return refused;
        }
        handle = fd;
        return {};
    }

    std::error_code Read(int handle, unsigned char* data, std::size_t size,
                         std::size_t& got) override {
        for (;;) {
            errno = 0;
            const ssize_t n = ::read(handle, data, size);
            if (n >= 0) {
                got = static_cast<std::size_t>(n);
                return {};
            }
            if (errno != EINTR) {
                return LastSystemError();
            }
        }
    }

    std::error_code CreateNew(const std::filesystem::path& path, int& handle) override {
        errno = 0;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            return LastSystemError();
        }
        handle = fd;
        return {};
    }

    std::error_code CheckWritable(const std::filesystem::path& path) override {
        struct stat status {};
        errno = 0;
        if (::stat(path.c_str(), &status) != 0) {
            return LastSystemError();
        }
        errno = 0;
        if ((status.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0) {
            return std::make_error_code(std::errc::permission_denied);
        }
        return {};
    }

    std::error_code OpenInPlace(const std::filesystem::path& path, int& handle) override {
        if (const std::optional<int> descriptor = OwnDescriptorOf(path)) {
            // A copy shares the original's offset and flags (O_APPEND of a
            // ">>" redirection too), and closing it leaves the original open.
            errno = 0;
            const int copy = ::fcntl(*descriptor, F_DUPFD_CLOEXEC, 3);
            if (copy < 0) {
                return LastSystemError();
            }
            handle = copy;
            return {};
        }
        return OpenNonBlocking(path, O_WRONLY, handle);
    }

    std::error_code Write(int handle, const unsigned char* data, std::size_t size) override {
        return WriteAll(data, size, [handle](const unsigned char* bytes, std::size_t count) {
            return ::write(handle, bytes, count);
        });
    }

    std::error_code KeepOwnerAndMode(const std::filesystem::path& original,
                                     const std::filesystem::path&, int handle) override {
        struct stat kept {};
        errno = 0;
        if (::stat(original.c_str(), &kept) != 0) {
            return errno == ENOENT ? std::error_code() : LastSystemError();
        }
        struct stat made {};
        errno = 0;
        if (::fstat(handle, &made) != 0) {
            return LastSystemError();
        }
        // Only what differs is changed, so that a user may replace a file of
        // his own whose group is his too; the owner first, since changing it
        // may clear the set-user and set-group bits the mode then restores.
        if (made.st_uid != kept.st_uid || made.st_gid != kept.st_gid) {
            const uid_t owner = made.st_uid != kept.st_uid ? kept.st_uid : static_cast<uid_t>(-1);
            const gid_t group = made.st_gid != kept.st_gid ? kept.st_gid : static_cast<gid_t>(-1);
            errno = 0;
            if (::fchown(handle, owner, group) != 0) {
                return errno == EPERM ? std::make_error_code(std::errc::operation_not_permitted)
                                      : LastSystemError();
            }
        }
        errno = 0;
        return ::fchmod(handle, kept.st_mode & 07777) == 0 ? std::error_code() : LastSystemError();
    }

    std::error_code Sync(int handle) override {
        errno = 0;
        return ::fsync(handle) == 0 ? std::error_code() : LastSystemError();
    }

    std::error_code Close(int handle) override {
        errno = 0;
        // After a failed close the descriptor is gone all the same, so it is
        // never closed twice; the error still counts (a delayed write error
        // of a network file system arrives here).
        return ::close(handle) == 0 ? std::error_code() : LastSystemError();
    }

    std::error_code Rename(const std::filesystem::path& from,
                           const std::filesystem::path& to) override {
        errno = 0;
        return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : LastSystemError();
    }

    std::error_code SyncFolder(const std::filesystem::path& folder) override {
        const std::filesystem::path name = folder.empty() ? "." : folder;
        errno = 0;
        const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return LastSystemError();
        }
        errno = 0;
        std::error_code error = ::fsync(fd) == 0 ? std::error_code() : LastSystemError();
        ::close(fd);
        // Some file systems cannot sync a folder; the rename is then as safe
        // as they make it.
        if (error == std::errc::invalid_argument || error == std::errc::not_supported) {
            error.clear();
        }
        return error;
    }

    void Remove(const std::filesystem::path& path) override {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

} // namespace

FileOps& SystemFileOps() {
    static PosixFileOps ops;
    return ops;
}

bool NamesOwnDescriptor(const std::filesystem::path& path) {
    return OwnDescriptorOf(path).has_value();
}

void TreatFailedWritesAsErrors() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace wexa
