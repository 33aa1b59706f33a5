#include "model/OutputFiles.h"
#include "model/PathText.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace wexa {
namespace {

namespace fs = std::filesystem;

std::string HexSuffix(std::uint64_t seed) {
    // A mix of the clock and a counter; the exclusive create is what
    // guarantees the name is ours, this only makes clashes rare.
    seed += 0x9E3779B97F4A7C15ULL;
    seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBULL;
    seed ^= seed >> 31;
    constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix(12, '0');
    for (char& digit : suffix) {
        digit = kDigits[seed & 0xF];
        seed >>= 4;
    }
    return suffix;
}

// What a temporary's name adds to the target's: "." before, and "." with
// the 12 digits and ".tmp" after.
constexpr std::size_t kAddedToName = 18;
// The longest name of the usual file systems (ext4, XFS, Btrfs, NTFS, APFS),
// in the system's units: bytes, or UTF-16 units on Windows.
constexpr std::size_t kUsualNameLimit = 255;

// Whether a unit of a native name begins a character: not a UTF-8
// continuation byte, nor the second half of a UTF-16 surrogate pair.
template <typename Unit> bool BeginsCharacter(Unit unit) {
    if constexpr (sizeof(Unit) == 1) {
        return (static_cast<unsigned char>(unit) & 0xC0) != 0x80;
    } else {
        return unit < 0xDC00 || unit > 0xDFFF;
    }
}

// The part of the target's name a temporary carries: all of it, or, when
// that would make the temporary's name longer than `limit` units, as much
// as keeps the temporary no longer than the target's own name (which the
// system accepted), cut between two characters.
fs::path NamePart(const fs::path& target, std::size_t limit) {
    const fs::path::string_type name = target.filename().native();
    if (name.size() + kAddedToName <= limit) {
        return target.filename();
    }
    std::size_t kept = name.size() > kAddedToName ? name.size() - kAddedToName : 0;
    while (kept > 0 && !BeginsCharacter(name[kept])) {
        --kept;
    }
    return fs::path(name.substr(0, kept));
}

// Creates a file next to `target` that did not exist before. It stays in
// the target's folder, so that the rename over the target is one step.
std::error_code CreateTemporary(FileOps& ops, const fs::path& target, fs::path& temporary,
                                int& handle) {
    static std::atomic<std::uint64_t> counter = 0;
    const auto stamp =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    constexpr int kAttempts = 32;
    // A file system whose names are shorter than the usual (eCryptfs takes
    // 143 bytes) says so when the name is tried; the name is cut then.
    std::size_t limit = kUsualNameLimit;
    std::error_code error;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Joined as paths, not as narrow strings: on Windows a name in any
        // script survives only in the path's own characters.
        fs::path name = ".";
        name += NamePart(target, limit);
        name += "." + HexSuffix(stamp + counter++) + ".tmp";
        const fs::path candidate = target.parent_path() / name;
        error = ops.CreateNew(candidate, handle);
        if (!error) {
            temporary = candidate;
            return {};
        }
        if (error == std::errc::filename_too_long && limit > 0) {
            limit = 0;
            continue;
        }
        if (error != std::errc::file_exists) {
            return error;
        }
    }
    return error;
}

// The message for a replacement that could not keep the old file's owner.
std::string OwnerNotKeptMessage(const fs::path& requested) {
    return "Unable to write to " + DisplayPath(requested) +
           ", it belongs to another user or group, and a new copy written by this user could "
           "not keep that owner.";
}

} // namespace

OutputFiles::~OutputFiles() {
    Discard();
}

FileResult OutputFiles::Add(const fs::path& target, std::span<const unsigned char> bytes) {
    OutputTarget resolved;
    FileResult result = ResolveOutput(target, resolved, ops_);
    if (!result) {
        return result;
    }
    return resolved.Kind == OutputKind::WriteInPlace ? StageInPlace(resolved, bytes)
                                                     : StageReplacement(resolved, bytes);
}

FileResult OutputFiles::Add(const fs::path& target, std::string_view text) {
    return Add(target, AsBytes(text));
}

FileResult OutputFiles::StageReplacement(const OutputTarget& target,
                                         std::span<const unsigned char> bytes) {
    Pending pending{target, {}, -1, {}};
    int handle = -1;
    if (const std::error_code error =
            CreateTemporary(ops_, target.Destination, pending.Temporary, handle)) {
        return FileResult::Failure(WriteErrorMessage(target.Requested, error));
    }
    std::error_code error = ops_.Write(handle, bytes.data(), bytes.size());
    // Before the sync, so that the owner and mode reach the disk with the
    // bytes; a replaced file must not change hands or become readable by
    // others.
    bool ownerNotKept = false;
    if (!error) {
        error = ops_.KeepOwnerAndMode(target.Destination, pending.Temporary, handle);
        ownerNotKept = error == std::errc::operation_not_permitted;
    }
    if (!error) {
        error = ops_.Sync(handle);
    }
    // Closing can still report a delayed write error (a full disk, a network
    // file system), so its result counts too.
    const std::error_code closed = ops_.Close(handle);
    if (!error) {
        error = closed;
    }
    if (error) {
        ops_.Remove(pending.Temporary);
        return FileResult::Failure(ownerNotKept ? OwnerNotKeptMessage(target.Requested)
                                                : WriteErrorMessage(target.Requested, error),
                                   error);
    }
    pending_.push_back(std::move(pending));
    return FileResult::Success();
}

FileResult OutputFiles::StageInPlace(const OutputTarget& target,
                                     std::span<const unsigned char> bytes) {
    int handle = -1;
    if (const std::error_code error = ops_.OpenInPlace(target.Destination, handle)) {
        if (error == std::errc::no_such_device_or_address) {
            return FileResult::Failure("Unable to write to " + DisplayPath(target.Requested) +
                                       ", no program is reading from it.");
        }
        return FileResult::Failure(WriteErrorMessage(target.Requested, error));
    }
    pending_.push_back({target, {}, handle, {bytes.begin(), bytes.end()}});
    return FileResult::Success();
}

FileResult OutputFiles::Commit() {
    // Streams first: a pipe whose reader has gone, a full device or a size
    // limit can still fail them, and then the staged files are dropped and
    // every file keeps what it held. A rename, done last, fails only when
    // the folder itself does.
    finished_.clear();
    FileResult result = FileResult::Success();
    for (const OutputKind kind : {OutputKind::WriteInPlace, OutputKind::ReplaceFile}) {
        for (Pending& pending : pending_) {
            if (!result || pending.Target.Kind != kind) {
                continue;
            }
            result = kind == OutputKind::WriteInPlace ? WriteInPlace(pending) : Replace(pending);
            // A renamed file is in place even when its folder's sync failed.
            if (result || (kind == OutputKind::ReplaceFile && pending.Temporary.empty())) {
                finished_.push_back(pending.Target.Requested);
            }
        }
    }
    Discard();
    return result;
}

FileResult OutputFiles::Replace(Pending& pending) {
    const OutputTarget& target = pending.Target;
    if (const std::error_code error = ops_.Rename(pending.Temporary, target.Destination)) {
        return FileResult::Failure(WriteErrorMessage(target.Requested, error));
    }
    pending.Temporary.clear();
    if (const std::error_code error = ops_.SyncFolder(target.Destination.parent_path())) {
        return FileResult::Failure(WriteErrorMessage(target.Requested, error));
    }
    return FileResult::Success();
}

FileResult OutputFiles::WriteInPlace(Pending& pending) {
    std::error_code error = ops_.Write(pending.Handle, pending.Bytes.data(), pending.Bytes.size());
    const std::error_code closed = ops_.Close(pending.Handle);
    pending.Handle = -1;
    if (!error) {
        error = closed;
    }
    if (error) {
        return FileResult::Failure(WriteErrorMessage(pending.Target.Requested, error), error);
    }
    return FileResult::Success();
}

void OutputFiles::Discard() {
    for (Pending& pending : pending_) {
        if (!pending.Temporary.empty()) {
            ops_.Remove(pending.Temporary);
        }
        if (pending.Handle >= 0) {
            (void)ops_.Close(pending.Handle);
        }
    }
    pending_.clear();
}

} // namespace wexa
