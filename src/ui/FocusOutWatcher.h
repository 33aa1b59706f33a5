#pragma once

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace wexa::ui {

// Runs a control's check when the user leaves it: the one place that decides
// which focus changes count. Another window becoming active (a message box,
// a dialog), a list opening its drop-down and the menu bar taking the
// keyboard are not the user leaving a control. The check runs straight from
// the event; the form logic ignores the focus changes its own message box
// causes while a check runs. When the check gave the focus back to the
// control, the control has not lost it after all: the event stops there, so
// the control keeps the selection the check made.
class FocusOutWatcher final : public QObject {
public:
    using QObject::QObject;

    void Watch(QWidget* control, std::function<void()> onLeave);
    // Stops watching every control, for owners whose checks cannot run any
    // more (while they are being destroyed).
    void StopAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::function<void()>> checks_;
};

} // namespace wexa::ui
