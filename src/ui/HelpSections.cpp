#include "ui/HelpSections.h"

#include "ui/Prompts.h"

#include <QApplication>
#include <QShortcut>
#include <QVariant>
#include <QWhatsThis>
#include <QWidget>

namespace wexa::ui {

namespace {
constexpr char kSectionProperty[] = "wexaHelpSection";
}

void SetHelpSection(QWidget& widget, const char* section, const QString& whatsThis) {
    widget.setProperty(kSectionProperty, QString::fromLatin1(section));
    widget.setWhatsThis(whatsThis);
}

QString HelpSectionOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant section = widget->property(kSectionProperty);
        if (section.isValid()) {
            return section.toString();
        }
    }
    return QString::fromLatin1(HelpSection::Contents);
}

void AddHelpKeys(QWidget& window, Prompts& prompts) {
    auto* guide = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(guide, &QShortcut::activated, &window, [&window, &prompts] {
        QWidget* focus = QApplication::focusWidget();
        prompts.ShowHelp(HelpSectionOf(focus != nullptr ? focus : &window));
    });
    auto* note = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), &window);
    QObject::connect(note, &QShortcut::activated, &window,
                     [] { QWhatsThis::enterWhatsThisMode(); });
}

} // namespace wexa::ui
