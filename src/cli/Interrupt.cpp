#include "cli/Interrupt.h"

#include <atomic>

namespace wexa::cli {

namespace {

std::atomic<RunFeedback*> watched{nullptr};
static_assert(std::atomic<RunFeedback*>::is_always_lock_free);

// Only lock-free atomics and signal() itself: what a handler may call.
extern "C" void CancelOnInterrupt(int signal) {
    if (RunFeedback* feedback = watched.load()) {
        feedback->Cancel();
    }
    std::signal(signal, SIG_DFL);
}

} // namespace

InterruptWatch::InterruptWatch(RunFeedback& feedback) {
    watched.store(&feedback);
    previous_ = std::signal(SIGINT, CancelOnInterrupt);
    if (previous_ == SIG_IGN) {
        std::signal(SIGINT, SIG_IGN);
    }
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
    watched.store(nullptr);
}

} // namespace wexa::cli
