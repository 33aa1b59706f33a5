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

// Creates a file next to `target` that did not exist before.
std::error_code CreateTemporary(FileOps& ops, const fs::path& target, fs::path& temporary,
                                int& handle) {
    static std::atomic<std::uint64_t> counter = 0;
    const auto stamp =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    constexpr int kAttempts = 32;
    std::error_code error;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Joined as paths, not as narrow strings: on Windows a name in any
        // script survives only in the path's own characters.
        fs::path name = ".";
        name += target.filename();
        name += "." + HexSuffix(stamp + counter++) + ".tmp";
        const fs::path candidate = target.parent_path() / name;
        error = ops.CreateNew(candidate, handle);
        if (!error) {
            temporary = candidate;
            return {};
        }
        if (error != std::errc::file_exists) {
            return error;
        }
    }
    return error;
}

// A replaced file keeps the permissions it had.
void KeepPermissions(const fs::path& target, const fs::path& temporary) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!error && fs::is_regular_file(status)) {
        fs::permissions(temporary, status.permissions(), error);
    }
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
        return FileResult::Failure(WriteErrorMessage(target.Requested, error));
    }
    KeepPermissions(target.Destination, pending.Temporary);
    pending_.push_back(std::move(pending));
    return FileResult::Success();
}

FileResult OutputFiles::StageInPlace(const OutputTarget& target,
                                     std::span<const unsigned char> bytes) {
    int handle = -1;
    if (const std::error_code error = ops_.OpenInPlace(target.Destination, handle)) {
        if (error == std::errc::no_such_device_or_address) {
            return FileResult::Failure("Unable to write to " + TextFromPath(target.Requested) +
                                       ", no program is reading from it.");
        }
        return FileResult::Failure(WriteErrorMessage(target.Requested, error));
    }
    pending_.push_back({target, {}, handle, {bytes.begin(), bytes.end()}});
    return FileResult::Success();
}

FileResult OutputFiles::Commit() {
    // Renames first: they are the steps that can still fail on their own,
    // while bytes written to a device cannot be taken back.
    FileResult result = FileResult::Success();
    for (Pending& pending : pending_) {
        if (result && pending.Target.Kind == OutputKind::ReplaceFile) {
            result = Replace(pending);
        }
    }
    for (Pending& pending : pending_) {
        if (result && pending.Target.Kind == OutputKind::WriteInPlace) {
            result = WriteInPlace(pending);
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
        return FileResult::Failure(WriteErrorMessage(pending.Target.Requested, error));
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
