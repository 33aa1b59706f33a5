#include "ui/ItemsDialogFrame.h"

#include "forms/DialogLabels.h"
#include "ui/BoxLook.h"
#include "ui/HelpSections.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wexa::ui {

QString Label(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ItemsDialogFrame::ItemsDialogFrame(Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), effects_(prompts, ChildFinder(*this)), leaving_(this) {
    AddHelpKeys(*this, prompts);
}

ItemsDialogFrame::~ItemsDialogFrame() {
    // The controls are deleted after the derived dialog's logic.
    leaving_.StopAll();
}

void ItemsDialogFrame::RunHandler(const std::function<void()>& handler) {
    CollectBoxes();
    handler();
    DisplayBoxes();
}

QLineEdit* ItemsDialogFrame::Box(std::string_view name, int chars, bool number, bool readOnly) {
    auto* box = new QLineEdit;
    box->setObjectName(Label(name));
    if (chars > 0) {
        SetWidthInDigits(*box, chars);
    }
    if (number) {
        box->setAlignment(Qt::AlignRight);
    }
    if (readOnly) {
        MakeReadOnly(*box);
    }
    return box;
}

QComboBox* ItemsDialogFrame::List(std::string_view name, const QStringList& entries) {
    auto* list = new QComboBox;
    list->setObjectName(Label(name));
    list->addItems(entries);
    return list;
}

QHBoxLayout* ItemsDialogFrame::NumberPair(QLineEdit* alternative, QLineEdit* activity) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Label(forms::DialogLabel::Alternative)));
    row->addWidget(alternative);
    row->addSpacing(12);
    row->addWidget(new QLabel(Label(forms::DialogLabel::Activity)));
    row->addWidget(activity);
    return row;
}

QDialogButtonBox* ItemsDialogFrame::OkCancel(std::function<bool()> confirm) {
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok =
        buttons->addButton(Label(forms::DialogLabel::Ok), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(Label(forms::DialogLabel::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, confirm = std::move(confirm)] {
        bool confirmed = false;
        RunHandler([&] { confirmed = confirm(); });
        if (confirmed) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

} // namespace wexa::ui
