#pragma once

#include "simulation/RunFeedback.h"

#include <csignal>

namespace wexa::cli {

// Ctrl+C while a command works. The first asks the work to stop through
// `feedback` (a run stops after the iteration at hand and the command writes
// nothing); a second ends the program at once, as if nothing were watching.
// A program started with Ctrl+C ignored (a background job) keeps ignoring it.
// One at a time: the handler is the process's.
class InterruptWatch {
public:
    explicit InterruptWatch(RunFeedback& feedback);
    ~InterruptWatch();

    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    using Handler = void (*)(int);
    Handler previous_;
};

} // namespace wexa::cli
