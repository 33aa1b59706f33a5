#pragma once

#include "model/FileIo.h"
#include "model/FileOps.h"
#include "model/OutputTarget.h"

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace wexa {

// Text as the bytes a file holds.
[[nodiscard]] inline std::span<const unsigned char> AsBytes(std::string_view text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

// Writes one or several files so that each target either keeps what it held
// or gets all of its new bytes, and so that a command with several outputs
// changes none of them unless every one could be written.
//
// Add() resolves a target and writes its bytes to a temporary file beside
// it: written, given the owner, group and mode of the file it replaces,
// flushed to the disk, closed. Commit() then renames every temporary over
// its target and syncs the folder, so a power cut leaves the old file or the
// new one, never an empty one. Streams (FIFOs, character devices and the
// program's own descriptors such as /dev/stdout) are opened by Add() (so a
// FIFO nobody reads is refused before anything is replaced) and written by
// Commit() before any rename: when one fails, no file is replaced.
// Whatever is not committed is removed when the object goes, and its
// targets are left as they were.
class OutputFiles {
public:
    explicit OutputFiles(FileOps& ops = SystemFileOps()) : ops_(ops) {}
    ~OutputFiles();
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    [[nodiscard]] FileResult Add(const std::filesystem::path& target,
                                 std::span<const unsigned char> bytes);
    [[nodiscard]] FileResult Add(const std::filesystem::path& target, std::string_view text);
    [[nodiscard]] FileResult Commit();
    // The outputs the last Commit() wrote whole, as named: all of them after
    // a success, those done before it stopped after a failure.
    [[nodiscard]] const std::vector<std::filesystem::path>& Finished() const { return finished_; }

private:
    struct Pending {
        OutputTarget Target;
        std::filesystem::path Temporary;  // for a replaced file
        int Handle = -1;                  // for a file written in place
        std::vector<unsigned char> Bytes; // for a file written in place
    };

    FileResult StageReplacement(const OutputTarget& target, std::span<const unsigned char> bytes);
    FileResult StageInPlace(const OutputTarget& target, std::span<const unsigned char> bytes);
    FileResult Replace(Pending& pending);
    FileResult WriteInPlace(Pending& pending);
    void Discard();

    FileOps& ops_;
    std::vector<Pending> pending_;
    std::vector<std::filesystem::path> finished_;
};

} // namespace wexa
