#pragma once

#include "ui/FocusOutWatcher.h"
#include "ui/WidgetEffects.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <string_view>

class QComboBox;
class QDialogButtonBox;
class QHBoxLayout;
class QLineEdit;

namespace wexa::ui {

class Prompts;

// What the bid item and time-related cost dialogs share on screen: named
// controls, the read-only alternative and activity at the top, "OK" and
// "Cancel", and the effects and focus-out checks of their logic.
//
// A derived dialog drives its logic (forms::ItemsDialog) as that asks: its
// controls' texts go into the logic's boxes before each handler and the
// boxes are shown again after it (RunHandler).
class ItemsDialogFrame : public QDialog {
public:
    ItemsDialogFrame(Prompts& prompts, QWidget* parent);
    ~ItemsDialogFrame() override;

protected:
    [[nodiscard]] WidgetEffects& Effects() { return effects_; }
    [[nodiscard]] FocusOutWatcher& Leaving() { return leaving_; }
    [[nodiscard]] Prompts& Asking() { return prompts_; }

    // Runs a handler of the logic between a read and a write of the
    // controls.
    void RunHandler(const std::function<void()>& handler);
    // The controls into the logic's boxes, and back.
    virtual void CollectBoxes() = 0;
    virtual void DisplayBoxes() = 0;

    // A box named `name`, `chars` characters wide (0: takes the room it
    // gets); numbers are right-aligned.
    QLineEdit* Box(std::string_view name, int chars, bool number, bool readOnly = false);
    QComboBox* List(std::string_view name, const QStringList& entries);
    // "Alternative #: [n]  Work Activity #: [n]", read-only or editable.
    QHBoxLayout* NumberPair(QLineEdit* alternative, QLineEdit* activity);
    // "OK" runs the handler `confirm` and closes the dialog when it returns
    // true; "Cancel" closes it.
    QDialogButtonBox* OkCancel(std::function<bool()> confirm);

private:
    Prompts& prompts_;
    WidgetEffects effects_;
    FocusOutWatcher leaving_;
};

[[nodiscard]] QString Label(std::string_view text);

} // namespace wexa::ui
