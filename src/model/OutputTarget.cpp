#include "model/OutputTarget.h"

#include <string>

namespace wexa {
namespace {

namespace fs = std::filesystem;

FileResult Refuse(const fs::path& path, const std::string& reason) {
    return FileResult::Failure("Unable to write to " + path.string() + ", " + reason);
}

// The file a path leads to once every link is followed, or why it leads to
// none.
FileResult FollowLink(const fs::path& link, fs::path& destination) {
    std::error_code error;
    destination = fs::canonical(link, error);
    if (!error) {
        return FileResult::Success();
    }
    if (error == std::errc::too_many_symbolic_link_levels) {
        return Refuse(link, "it is a link that loops back on itself.");
    }
    if (error == std::errc::no_such_file_or_directory) {
        return Refuse(link, "it is a link to a file that does not exist.");
    }
    return FileResult::Failure(WriteErrorMessage(link, error));
}

} // namespace

FileResult ResolveOutput(const fs::path& requested, OutputTarget& target, FileOps& ops) {
    if (requested.empty()) {
        return FileResult::Failure("No output file was named (the path is empty).");
    }
    fs::path destination = requested;
    std::error_code error;
    const fs::file_status own = fs::symlink_status(requested, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        return FileResult::Failure(WriteErrorMessage(requested, error));
    }
    if (fs::is_symlink(own)) {
        if (FileResult followed = FollowLink(requested, destination); !followed) {
            return followed;
        }
    }

    const fs::file_status status = fs::status(destination, error);
    OutputKind kind = OutputKind::ReplaceFile;
    switch (status.type()) {
    case fs::file_type::not_found:
        break; // a new file; a missing folder is reported when it is created
    case fs::file_type::regular:
        if (const std::error_code denied = ops.CheckWritable(destination)) {
            return denied == std::errc::permission_denied
                       ? Refuse(requested, "it is read-only.")
                       : FileResult::Failure(WriteErrorMessage(requested, denied));
        }
        break;
    case fs::file_type::character:
    case fs::file_type::fifo:
        kind = OutputKind::WriteInPlace;
        break;
    case fs::file_type::directory:
        return Refuse(requested, "it is a folder, not a file.");
    case fs::file_type::none:
        return FileResult::Failure(WriteErrorMessage(requested, error));
    default:
        return Refuse(requested, "it is not a file (a socket or a device).");
    }
    target = {requested, destination, kind};
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
