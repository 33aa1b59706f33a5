#include "model/AtomicFile.h"

#include "model/OutputFiles.h"

namespace wexa {

FileResult WriteFileAtomically(const std::filesystem::path& target,
                               std::span<const unsigned char> bytes, FileOps& ops) {
    OutputFiles output(ops);
    if (FileResult staged = output.Add(target, bytes); !staged) {
        return staged;
    }
    return output.Commit();
}

FileResult WriteFileAtomically(const std::filesystem::path& target, std::string_view text,
                               FileOps& ops) {
    return WriteFileAtomically(target, AsBytes(text), ops);
}

} // namespace wexa
