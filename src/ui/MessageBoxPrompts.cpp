#include "ui/MessageBoxPrompts.h"

#include "ui/ProjectFileFilter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace wexa::ui {

void MessageBoxPrompts::ShowMessage(const QString& message, const QString& caption,
                                    forms::MessageIcon icon) {
    QMessageBox box(icon == forms::MessageIcon::Exclamation ? QMessageBox::Warning
                                                            : QMessageBox::Information,
                    caption, message, QMessageBox::Ok, parent_);
    box.exec();
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

std::optional<QString> MessageBoxPrompts::AskOpenFileName() {
    const QString path = QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), QString(),
                                                      ProjectFileFilter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> MessageBoxPrompts::AskSaveFileName(const QString& suggestedPath) {
    QFileDialog dialog(parent_, QStringLiteral("Save As"), suggestedPath, ProjectFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ProjectFileSuffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void MessageBoxPrompts::RunDialog(QDialog& dialog) {
    dialog.exec();
}

} // namespace wexa::ui
