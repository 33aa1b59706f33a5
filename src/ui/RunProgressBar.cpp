#include "ui/RunProgressBar.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace wexa::ui {

namespace {
constexpr qint64 kUpdateIntervalMs = 33;
}

RunProgressBar::RunProgressBar(QProgressBar& bar) : bar_(bar) {
    bar_.setValue(0);
    sinceUpdate_.start();
}

void RunProgressBar::IterationDone(int done, int total) {
    if (done < total && sinceUpdate_.elapsed() < kUpdateIntervalMs) {
        return;
    }
    sinceUpdate_.restart();
    bar_.setRange(0, total);
    bar_.setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace wexa::ui
