#pragma once

#include <cstddef>
#include <filesystem>
#include <system_error>

namespace wexa {

// The operating-system calls that reading and writing a whole file take,
// behind one interface so that a test can make any one of them fail and see
// that no file is harmed. Every call returns the reason it failed, or an
// empty error code.
class FileOps {
public:
    virtual ~FileOps() = default;

    // Opens a regular file for reading. Anything else (a folder, a FIFO, a
    // socket, a device) is refused without waiting on it: a FIFO with no
    // writer must not block the program.
    virtual std::error_code OpenForReading(const std::filesystem::path& path, int& handle) = 0;
    // Reads up to `size` bytes; `got` is 0 at the end of the file.
    virtual std::error_code Read(int handle, unsigned char* data, std::size_t size,
                                 std::size_t& got) = 0;

    // Creates a file that did not exist before (fails with file_exists if it
    // did), with the permissions new files get.
    virtual std::error_code CreateNew(const std::filesystem::path& path, int& handle) = 0;
    // Fails with permission_denied for an existing file that is read-only:
    // one this user may not write, or one marked read-only even for a user
    // (such as an administrator) who could write it all the same.
    virtual std::error_code CheckWritable(const std::filesystem::path& path) = 0;
    // Opens an existing FIFO or character device for writing without
    // truncating it or waiting for a reader: a FIFO nobody reads fails with
    // no_such_device_or_address. A name of one of the program's own
    // descriptors (NamesOwnDescriptor) gives a copy of that descriptor,
    // whatever is behind it: a file standard output is appended to is
    // written where it stands, never truncated or replaced.
    virtual std::error_code OpenInPlace(const std::filesystem::path& path, int& handle) = 0;
    // Writes all of `size` bytes, however many calls that takes.
    virtual std::error_code Write(int handle, const unsigned char* data, std::size_t size) = 0;
    // Gives a new file (open as `handle`, at `temporary`) the owner, group
    // and permissions of `original`, the file it is about to replace; does
    // nothing when there is no original. Fails with operation_not_permitted
    // when this user may not give the file that owner or group.
    virtual std::error_code KeepOwnerAndMode(const std::filesystem::path& original,
                                             const std::filesystem::path& temporary,
                                             int handle) = 0;
    // Waits until the written bytes are on the disk.
    virtual std::error_code Sync(int handle) = 0;
    virtual std::error_code Close(int handle) = 0;
    // Replaces `to` with `from` in one step.
    virtual std::error_code Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) = 0;
    // Makes a rename in `folder` survive a power cut.
    virtual std::error_code SyncFolder(const std::filesystem::path& folder) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// The real file system.
[[nodiscard]] FileOps& SystemFileOps();

// Whether both paths lead to one existing file of any kind (a pipe behind
// /dev/stdout included), through links, other spellings and hard links.
[[nodiscard]] bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether `path` names one of the program's own open descriptors rather
// than a file: /dev/stdout, /dev/stderr, /dev/stdin, /dev/fd/N or
// /proc/self/fd/N, or a link to one of them. Following such a name leads to
// whatever the descriptor has open (a file standard output is redirected
// to, say), which must be written through the descriptor and never
// replaced. Never true on Windows, which has no such names.
[[nodiscard]] bool NamesOwnDescriptor(const std::filesystem::path& path);

// Makes the two signals by which POSIX ends a program for a failed write
// (a pipe whose reader has gone, a file beyond the size limit) plain write
// errors, so that the program can say what failed and remove what it
// staged. Nothing to do on Windows.
void TreatFailedWritesAsErrors();

} // namespace wexa
