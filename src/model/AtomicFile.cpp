#include "model/AtomicFile.h"

#include "model/CFile.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace wexa {
namespace {

namespace fs = std::filesystem;

fs::path ResolveTarget(const fs::path& target) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) {
            return resolved;
        }
    }
    return target;
}

std::string HexSuffix(std::uint64_t seed) {
    // A mix of the clock and a counter; the exclusive create below is what
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

// Creates a file next to target that did not exist before.
CFileHandle CreateTemporary(const fs::path& target, fs::path& temporary, std::error_code& error) {
    static std::atomic<std::uint64_t> counter = 0;
    const auto stamp =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    constexpr int kAttempts = 32;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const fs::path candidate = target.parent_path() / ("." + target.filename().string() + "." +
                                                           HexSuffix(stamp + counter++) + ".tmp");
        errno = 0;
        // "x": fail rather than open a file that is already there.
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            temporary = candidate;
            return CFileHandle(file);
        }
        error = LastCError();
        if (error != std::errc::file_exists) {
            return nullptr;
        }
    }
    return nullptr;
}

void KeepPermissions(const fs::path& target, const fs::path& temporary) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!error && fs::is_regular_file(status)) {
        fs::permissions(temporary, status.permissions(), error);
    }
}

} // namespace

FileResult WriteFileAtomically(const fs::path& target, std::span<const unsigned char> bytes) {
    const fs::path destination = ResolveTarget(target);
    fs::path temporary;
    std::error_code error;
    CFileHandle file = CreateTemporary(destination, temporary, error);
    if (!file) {
        return FileResult::Failure(WriteErrorMessage(target, error));
    }
    const auto fail = [&](std::error_code reason) {
        file.reset();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FileResult::Failure(WriteErrorMessage(target, reason));
    };

    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return fail(LastCError());
    }
    errno = 0;
    if (std::fflush(file.get()) != 0) {
        return fail(LastCError());
    }
    // Closing can still report a delayed write error (a full disk, a
    // network file system), so its result counts too.
    errno = 0;
    if (std::fclose(file.release()) != 0) {
        return fail(LastCError());
    }
    KeepPermissions(destination, temporary);
    fs::rename(temporary, destination, error);
    if (error) {
        return fail(error);
    }
    return FileResult::Success();
}

FileResult WriteFileAtomically(const fs::path& target, std::string_view text) {
    return WriteFileAtomically(
        target, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

} // namespace wexa
