#include "ui/MessageBoxPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

namespace wexa::ui {

namespace {

// Room in a title bar beside its text: the window's icon and buttons.
constexpr int kTitleBarButtons = 160;

// A short message under a long caption makes a box narrower than its title,
// which the window system then cuts ("Discount Ra…Range Error"): the box is
// made wide enough for the caption, in a title font somewhat larger than the
// box's own.
void FitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
    grid->addItem(new QSpacerItem(title * 5 / 4 + kTitleBarButtons, 0, QSizePolicy::Minimum,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void MessageBoxPrompts::ShowMessage(const QString& message, const QString& caption,
                                    forms::MessageIcon icon) {
    QMessageBox box(icon == forms::MessageIcon::Exclamation ? QMessageBox::Warning
                                                            : QMessageBox::Information,
                    caption, message, QMessageBox::Ok, parent_);
    FitCaption(box);
    box.exec();
}

bool MessageBoxPrompts::AskYesNo(const QString& message, const QString& caption) {
    QMessageBox box(QMessageBox::Warning, caption, message, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::No);
    FitCaption(box);
    question_ = &box;
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompts::CloseQuestion() {
    if (question_) {
        question_->done(QMessageBox::No);
    }
}

SaveChoice MessageBoxPrompts::AskSaveChanges(const QString& documentName) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Wexa"),
                    QStringLiteral("Save changes to %1?").arg(documentName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

std::optional<QString> MessageBoxPrompts::AskFileName(const forms::FileNameRequest& request) {
    const bool opening = request.MustExist;
    QFileDialog dialog(parent_, opening ? QStringLiteral("Open") : QStringLiteral("Save As"),
                       QString(), QString::fromStdString(forms::NameFilterList(request.Filters)));
    dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
    dialog.setDefaultSuffix(QString::fromStdString(request.DefaultSuffix));
    if (!request.InitialName.empty()) {
        dialog.selectFile(QString::fromStdString(request.InitialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

int MessageBoxPrompts::RunDialog(QDialog& dialog) {
    return dialog.exec();
}

void MessageBoxPrompts::ShowHelp(const QString& section) {
    // A modal dialog blocks every other window: the guide opens over it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        CHelpWindow help(modal);
        help.ShowSection(section);
        help.exec();
        return;
    }
    if (help_ == nullptr) {
        help_ = new CHelpWindow(parent_);
    }
    help_->ShowSection(section);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

} // namespace wexa::ui
