#include "ui/WidgetEffects.h"

#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QScrollArea>

namespace wexa::ui {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QScrollArea* ScrollAreaAround(QWidget* widget) {
    for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            return area;
        }
    }
    return nullptr;
}

} // namespace

void WidgetEffects::ShowMessage(std::string_view message, std::string_view caption,
                                forms::MessageIcon icon) {
    prompts_.ShowMessage(FromView(message), FromView(caption), icon);
}

void WidgetEffects::MoveFocus(std::string_view control) {
    QWidget* widget = find_(control);
    if (widget == nullptr) {
        return;
    }
    if (auto* group = widget->findChild<QButtonGroup*>();
        group != nullptr && group->checkedButton() != nullptr) {
        widget = group->checkedButton();
    }
    if (QScrollArea* area = ScrollAreaAround(widget)) {
        area->ensureWidgetVisible(widget);
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->selectAll();
    }
}

void WidgetEffects::ShowControl(std::string_view control, bool visible) {
    if (QWidget* widget = find_(control)) {
        widget->setVisible(visible);
    }
}

void WidgetEffects::EnableControl(std::string_view control, bool enabled) {
    if (QWidget* widget = find_(control)) {
        widget->setEnabled(enabled);
    }
}

std::optional<std::string> WidgetEffects::AskFileName(const forms::FileNameRequest& request) {
    if (const auto path = prompts_.AskFileName(request)) {
        return path->toStdString();
    }
    return std::nullopt;
}

bool WidgetEffects::AskYesNo(std::string_view question, std::string_view caption) {
    return prompts_.AskYesNo(FromView(question), FromView(caption));
}

WidgetEffects::Finder ChildFinder(QWidget& parent) {
    return [&parent](std::string_view name) { return parent.findChild<QWidget*>(FromView(name)); };
}

} // namespace wexa::ui
