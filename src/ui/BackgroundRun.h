#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QProgressBar;
class QThread;

namespace wexa::forms {
class BackgroundJob;
}

namespace wexa::ui {

// Works a job (an analysis or a sensitivity run) on a thread of its own while the window's event
// loop goes on, and shows how far it has come on a progress bar. The bar reads the run's feedback
// about 30 times a second: the run never waits on the screen, and the window repaints and takes the
// Cancel button's click meanwhile.
class BackgroundRun final : public QObject {
    Q_OBJECT
public:
    BackgroundRun(forms::BackgroundJob& job, QProgressBar& bar, QObject* parent = nullptr);
    // A run still working is cancelled and waited for: the job outlives its
    // thread.
    ~BackgroundRun() override;

    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    void Start();
    // The run stops after the iteration at hand; Finished follows.
    void Cancel();
    // Blocks until the run's thread has ended.
    void Wait();

signals:
    // On the window's thread, once the run has returned.
    void Finished();

private:
    void ShowProgress();

    forms::BackgroundJob& job_;
    QProgressBar& bar_;
    QTimer timer_;
    std::unique_ptr<QThread> thread_;
};

} // namespace wexa::ui
