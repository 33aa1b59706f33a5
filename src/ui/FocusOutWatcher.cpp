#include "ui/FocusOutWatcher.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace wexa::ui {

namespace {

bool LeavesTheControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

void FocusOutWatcher::Watch(QWidget* control, std::function<void()> onLeave) {
    control->installEventFilter(this);
    checks_.insert_or_assign(control, std::move(onLeave));
}

void FocusOutWatcher::StopAll() {
    for (const auto& [control, check] : checks_) {
        control->removeEventFilter(this);
    }
    checks_.clear();
}

bool FocusOutWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut ||
        !LeavesTheControl(static_cast<QFocusEvent*>(event)->reason())) {
        return false;
    }
    const auto it = checks_.find(watched);
    if (it == checks_.end()) {
        return false;
    }
    it->second();
    return QApplication::focusWidget() == watched;
}

} // namespace wexa::ui
