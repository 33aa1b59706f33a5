#pragma once

#include "simulation/RunFeedback.h"

namespace wexa::forms {

// A computation a window works off its own thread (ui::BackgroundRun): the
// main analysis run, the sensitivity run. The window reads the progress and
// cancels through the feedback while Run works; everything else of the job
// waits until Run has returned.
class BackgroundJob {
public:
    BackgroundJob() = default;
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;
    virtual ~BackgroundJob() = default;

    // Works the job, once, on any one thread.
    virtual void Run() = 0;
    [[nodiscard]] virtual RunFeedback& Feedback() = 0;
};

} // namespace wexa::forms
