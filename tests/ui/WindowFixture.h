#pragma once

#include "PresetPrompts.h"
#include "app/MainFrame.h"
#include "app/WexaDoc.h"
#include "model/ProjectFile.h"
#include "ui/FormButtons.h"
#include "ui/WexaView.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace wexa::ui::testing {

// Gives a box the focus and types `text` over its contents, key by key, each
// carrying its character, so any text can be typed.
inline void TypeInto(QLineEdit& box, const QString& text) {
    box.setFocus(Qt::TabFocusReason);
    box.selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
    }
}

// The box of `dialog` with the object name `name`; null, with a warning,
// when there is none.
inline QLineEdit* BoxOf(QWidget& dialog, const QString& name) {
    auto* box = dialog.findChild<QLineEdit*>(name);
    if (box == nullptr) {
        qWarning("no box %s", qPrintable(name));
    }
    return box;
}

// Types into a box of `dialog` and moves the focus to `next`, as Tab does.
inline void EnterIn(QWidget& dialog, const QString& box, const QString& text, const QString& next) {
    TypeInto(*BoxOf(dialog, box), text);
    BoxOf(dialog, next)->setFocus(Qt::TabFocusReason);
}

// Presses the button of `dialog` that shows `text`.
inline void PressButton(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    QFAIL(qPrintable("no button " + text));
}

// The program's main window on the offscreen screen, with recorded prompts
// (a box that the test did not take fails it as the window goes) and a
// settings store of its own in a temporary folder. Helpers act as a
// user does: type into a box, leave it, pick a list entry, press a button.
class Window {
public:
    // A settings store in `settingsFile`, or a new one in the temporary
    // folder.
    explicit Window(const QString& settingsFile = {})
        : settings_(settingsFile.isEmpty() ? folder_.filePath(QStringLiteral("settings.ini"))
                                           : settingsFile,
                    QSettings::IniFormat),
          frame_(std::make_unique<app::CMainFrame>(prompts_, settings_)) {
        frame_->show();
        frame_->activateWindow();
        Active = QTest::qWaitForWindowActive(frame_.get());
    }

    [[nodiscard]] app::CMainFrame& Frame() { return *frame_; }
    [[nodiscard]] CWexaView& View() { return frame_->View(); }
    [[nodiscard]] app::CWexaDoc& Doc() { return frame_->Document(); }
    [[nodiscard]] Project& GetProject() { return frame_->View().GetProject(); }
    [[nodiscard]] PresetPrompts& Prompts() { return prompts_; }
    [[nodiscard]] QSettings& Settings() { return settings_; }
    [[nodiscard]] QString Path(const QString& name) const { return folder_.filePath(name); }
    [[nodiscard]] const QStringList& Recent() const { return frame_->Recent().Paths(); }

    template <typename W = QWidget> W* Find(std::string_view name) {
        return qobject_cast<W*>(View().Control(name));
    }
    [[nodiscard]] QLineEdit* Box(forms::FormField field) {
        return Find<QLineEdit>(forms::NameOf(field));
    }
    [[nodiscard]] QString Text(forms::FormField field) { return Box(field)->text(); }

    // Gives a box the focus and types `text` over its contents.
    void Type(forms::FormField field, const QString& text) { TypeInto(*Box(field), text); }
    // Types, then moves the focus on as the Tab key does.
    void Enter(forms::FormField field, const QString& text) {
        Type(field, text);
        LeaveFocus();
    }
    // Moves the focus to a box that nothing checks.
    void LeaveFocus() {
        using F = forms::FormField;
        QLineEdit* next = Box(F::ProjectNumber);
        if (QApplication::focusWidget() == next) {
            next = Box(F::ProjectDescription);
        }
        next->setFocus(Qt::TabFocusReason);
    }
    // Picks entry `index` of a list as a user does.
    void Pick(forms::FormField field, int index) {
        auto* list = Find<QComboBox>(forms::NameOf(field));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Scrolls the button into view, as the user would, and clicks it.
    void Click(std::string_view button) {
        QWidget* widget = Find(button);
        View().ensureWidgetVisible(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // Starts a run as `start` does (by default the form's Run Simulation
    // button) and waits until it has ended, with what follows it: the
    // export and the charts. False when no run started (a question before
    // it was answered No) or it did not end within a minute.
    bool Run(const std::function<void()>& start = {}) {
        QSignalSpy ended(&View(), &CWexaView::RunEnded);
        if (start) {
            start();
        } else {
            Click(FormButton::RunSimulation);
        }
        if (ended.isEmpty() && View().Running()) {
            ended.wait(60000);
        }
        return !ended.isEmpty();
    }

    bool Active = false;

private:
    QTemporaryDir folder_;
    PresetPrompts prompts_;
    QSettings settings_;
    std::unique_ptr<app::CMainFrame> frame_;
};

// The widgets the Tab key stops at, in order: from the one that has the
// focus, pressing Tab until the focus comes back to it (or `limit` presses).
inline QList<QWidget*> TabStops(int limit = 300) {
    QList<QWidget*> stops;
    QWidget* const first = QApplication::focusWidget();
    for (QWidget* now = first; now != nullptr && stops.size() < limit;) {
        stops.append(now);
        QTest::keyClick(now, Qt::Key_Tab);
        now = QApplication::focusWidget();
        if (now == first) {
            break;
        }
    }
    return stops;
}

// The boxes of `window` named in `readOnly` are read-only, and every
// read-only box looks it (the window's background) and is no Tab stop, while
// every other box is one.
inline void VerifyReadOnlyBoxes(QWidget& window, const QStringList& readOnly) {
    for (const QString& name : readOnly) {
        QLineEdit* box = BoxOf(window, name);
        QVERIFY2(box != nullptr && box->isReadOnly(), qPrintable(name));
    }
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        const QPalette& palette = box->palette();
        const bool looksReadOnly = palette.color(QPalette::Base) == palette.color(QPalette::Window);
        QVERIFY2(looksReadOnly == box->isReadOnly(), qPrintable(box->objectName()));
        QVERIFY2(((box->focusPolicy() & Qt::TabFocus) == 0) == box->isReadOnly(),
                 qPrintable(box->objectName()));
    }
}

// Shows a dialog that a test answers and waits until it is the active
// window, so keys and focus changes reach it as they would the user's.
inline void ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }));
}

// Runs `open` (a click, a list choice) and lets `act` work in the dialog it
// opens, shown and active as the user sees it; a failure unless exactly one
// dialog opens.
inline void ActInDialog(Window& w, const std::function<void()>& open,
                        std::function<void(QDialog&)> act) {
    int opened = 0;
    int depth = 0; // dialogs that `act` opens in turn are its own business
    w.Prompts().OnDialog = [&opened, &depth, act = std::move(act)](QDialog& dialog) {
        opened += depth == 0 ? 1 : 0;
        ShowActive(dialog);
        ++depth;
        act(dialog);
        --depth;
    };
    open();
    w.Prompts().OnDialog = nullptr;
    QCOMPARE(opened, 1);
}

// The same, for the dialog that the named button of the main form opens.
inline void ActInDialog(Window& w, std::string_view button, std::function<void(QDialog&)> act) {
    ActInDialog(
        w, [&w, button] { w.Click(button); }, std::move(act));
}

} // namespace wexa::ui::testing
