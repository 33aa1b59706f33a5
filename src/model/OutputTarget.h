#pragma once

#include "model/FileIo.h"
#include "model/FileOps.h"

#include <filesystem>

namespace wexa {

// How bytes for a path reach it.
enum class OutputKind {
    // A new or an existing regular file, replaced whole through a temporary
    // file in the same folder and a rename.
    ReplaceFile,
    // A FIFO or a character device (a terminal, /dev/null), or one of the
    // program's own descriptors (/dev/stdout, /dev/fd/N) whatever is behind
    // it: written as it is. Renaming over it would put a regular file in
    // its place.
    WriteInPlace,
};

struct OutputTarget {
    std::filesystem::path Requested;   // as the user named it; messages use it
    std::filesystem::path Destination; // where the bytes go: a link followed to its file
    OutputKind Kind = OutputKind::ReplaceFile;
};

// Decides where output named `requested` goes, or refuses it with a message
// naming it: an empty path, a folder, a socket or block device, a read-only
// file, a link that leads nowhere or loops. Nothing is written or created.
[[nodiscard]] FileResult ResolveOutput(const std::filesystem::path& requested, OutputTarget& target,
                                       FileOps& ops = SystemFileOps());

// Whether two paths name the same file: the same existing file however it is
// reached (links, "..", hard links), or the same place for a file not yet
// there.
[[nodiscard]] bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace wexa
