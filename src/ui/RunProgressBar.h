#pragma once

#include "simulation/AnalysisRun.h"

#include <QElapsedTimer>

class QProgressBar;

namespace wexa::ui {

// Shows a run's progress on the form's progress bar. The run tells it after
// every iteration; the screen is updated at most about 30 times a second, so
// a run in the window takes hardly longer than from the command line, and
// each update also lets the window repaint, so it never stays unpainted.
// User input is not taken while the run works.
class RunProgressBar final : public RunProgress {
public:
    explicit RunProgressBar(QProgressBar& bar);
    void IterationDone(int done, int total) override;

private:
    QProgressBar& bar_;
    QElapsedTimer sinceUpdate_;
};

} // namespace wexa::ui
