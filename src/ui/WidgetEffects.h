#pragma once

#include "forms/FormEffects.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace wexa::ui {

class Prompts;

// The form logic's effects carried out on widgets: messages and file
// dialogs through Prompts, focus, visibility and enabling on the control
// that `find` returns for a name. The main form finds its controls in its
// registry, a dialog among its children by objectName.
class WidgetEffects final : public forms::FormEffects {
public:
    using Finder = std::function<QWidget*(std::string_view)>;

    WidgetEffects(Prompts& prompts, Finder find) : prompts_(prompts), find_(std::move(find)) {}

    void ShowMessage(std::string_view message, std::string_view caption,
                     forms::MessageIcon icon) override;
    // A box gets its text selected, so typing the correction replaces it; a
    // radio pair gives the focus to its checked button; a control inside a
    // scroll area is scrolled into view.
    void MoveFocus(std::string_view control) override;
    void ShowControl(std::string_view control, bool visible) override;
    void EnableControl(std::string_view control, bool enabled) override;
    std::optional<std::string> AskFileName(const forms::FileNameRequest& request) override;
    bool AskYesNo(std::string_view question, std::string_view caption) override;

private:
    Prompts& prompts_;
    Finder find_;
};

// A child of `parent` by objectName, for WidgetEffects of a dialog.
[[nodiscard]] WidgetEffects::Finder ChildFinder(QWidget& parent);

} // namespace wexa::ui
