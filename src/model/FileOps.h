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
    // no_such_device_or_address.
    virtual std::error_code OpenInPlace(const std::filesystem::path& path, int& handle) = 0;
    // Writes all of `size` bytes, however many calls that takes.
    virtual std::error_code Write(int handle, const unsigned char* data, std::size_t size) = 0;
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

} // namespace wexa
