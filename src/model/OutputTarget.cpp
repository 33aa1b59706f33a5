#include "model/OutputTarget.h"
#include "model/PathText.h"

#include <string>

namespace wexa {
namespace {

namespace fs = std::filesystem;

FileResult Refuse(const fs::path& path, const std::string& reason) {
    return FileResult::Failure("Unable to write to " + DisplayPath(path) + ", " + reason);
}

} // namespace

FileResult ResolveOutput(const fs::path& requested, OutputTarget& target, FileOps& ops) {
    if (requested.empty()) {
        return FileResult::Failure("No output file was named (the path is empty).");
    }
    if (NamesOwnDescriptor(requested)) {
        // Written on the descriptor itself: following the name would lead
        // to the file standard output is redirected to, and replacing that
        // would cut it loose from the shell and lose what it held.
        target = {requested, requested, OutputKind::WriteInPlace};
        return FileResult::Success();
    }
    std::error_code error;
    const bool link = fs::is_symlink(fs::symlink_status(requested, error));
    const fs::file_status status = fs::status(requested, error);
    if (error == std::errc::too_many_symbolic_link_levels) {
        return Refuse(requested, "it is a link that loops back on itself.");
    }
    if (error && error != std::errc::no_such_file_or_directory) {
        return FileResult::Failure(WriteErrorMessage(requested, error));
    }

    switch (status.type()) {
    case fs::file_type::not_found:
        if (link) {
            return Refuse(requested, "it is a link to a file that does not exist.");
        }
        break; // a new file; a missing folder is reported when it is created
    case fs::file_type::regular:
        if (const std::error_code denied = ops.CheckWritable(requested)) {
            return denied == std::errc::permission_denied
                       ? Refuse(requested, "it is read-only.")
                       : FileResult::Failure(WriteErrorMessage(requested, denied));
        }
        break;
    case fs::file_type::character:
    case fs::file_type::fifo:
        // Opened through the name as given: the link behind /dev/stdout
        // leads to a pipe or terminal that has no path of its own.
        target = {requested, requested, OutputKind::WriteInPlace};
        return FileResult::Success();
    case fs::file_type::directory:
        return Refuse(requested, "it is a folder, not a file.");
    default:
        return Refuse(requested, "it is not a file (a socket or a device).");
    }

    // The temporary goes beside the file itself, so that the rename replaces
    // the file and leaves a link to it a link.
    fs::path destination = requested;
    if (link) {
        destination = fs::canonical(requested, error);
        if (error) {
            return FileResult::Failure(WriteErrorMessage(requested, error));
        }
    }
    target = {requested, destination, OutputKind::ReplaceFile};
    return FileResult::Success();
}

bool SameFile(const fs::path& a, const fs::path& b) {
    if (SameExistingFile(a, b)) {
        return true;
    }
    std::error_code error;
    // Not both there: compare where they would be.
    const fs::path whereA = fs::weakly_canonical(fs::absolute(a, error), error);
    const fs::path whereB = fs::weakly_canonical(fs::absolute(b, error), error);
    return !whereA.empty() && whereA == whereB;
}

} // namespace wexa
