#pragma once

#include <atomic>
#include <cstdint>

namespace wexa {

// What a long computation and whoever waits on it share: how far it has come,
// and whether it should stop. The computation sets the progress and polls the
// flag; another thread (the window, the command line's interrupt handler)
// reads the progress and cancels. It never calls back, so the computation pays
// two relaxed atomic operations a step, and a screen decides for itself how
// often to look.
class RunFeedback {
public:
    struct Progress {
        int Done = 0;
        int Total = 0;
    };

    // Safe in a signal handler: a lock-free store and nothing else.
    void Cancel() noexcept { cancelled_.store(true, std::memory_order_relaxed); }
    [[nodiscard]] bool Cancelled() const noexcept {
        return cancelled_.load(std::memory_order_relaxed);
    }

    // Done and total travel in one word, so a reader never pairs the count of
    // one computation with the total of another.
    void SetProgress(int done, int total) noexcept {
        progress_.store(static_cast<std::uint64_t>(static_cast<std::uint32_t>(total)) << 32U |
                            static_cast<std::uint32_t>(done),
                        std::memory_order_relaxed);
    }
    [[nodiscard]] Progress Current() const noexcept {
        const std::uint64_t word = progress_.load(std::memory_order_relaxed);
        return {static_cast<int>(static_cast<std::uint32_t>(word)),
                static_cast<int>(static_cast<std::uint32_t>(word >> 32U))};
    }

private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

    std::atomic<bool> cancelled_{false};
    std::atomic<std::uint64_t> progress_{0};
};

} // namespace wexa
