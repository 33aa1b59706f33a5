#include "ui/BackgroundRun.h"

#include "forms/BackgroundJob.h"

#include <QProgressBar>
#include <QThread>

namespace wexa::ui {

namespace {
constexpr int kUpdateIntervalMs = 33;
}

BackgroundRun::BackgroundRun(forms::BackgroundJob& job, QProgressBar& bar, QObject* parent)
    : QObject(parent), job_(job), bar_(bar), thread_(QThread::create([&job] { job.Run(); })) {
    timer_.setInterval(kUpdateIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &BackgroundRun::ShowProgress);
    // Delivered through this object's event queue, so on the window's
    // thread; dropped if this object is gone first.
    connect(thread_.get(), &QThread::finished, this, [this] {
        timer_.stop();
        ShowProgress();
        emit Finished();
    });
}

BackgroundRun::~BackgroundRun() {
    Cancel();
    Wait();
}

void BackgroundRun::Start() {
    bar_.setValue(0);
    timer_.start();
    thread_->start();
}

void BackgroundRun::Cancel() {
    job_.Feedback().Cancel();
}

void BackgroundRun::Wait() {
    thread_->wait();
}

void BackgroundRun::ShowProgress() {
    const RunFeedback::Progress progress = job_.Feedback().Current();
    if (progress.Total > 0) {
        bar_.setRange(0, progress.Total);
        bar_.setValue(progress.Done);
    }
}

} // namespace wexa::ui
