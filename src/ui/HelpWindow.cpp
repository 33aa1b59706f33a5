#include "ui/HelpWindow.h"

#include "ui/HelpSections.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace wexa::ui {

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser) {
    setWindowTitle(QStringLiteral("Wexa Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setSource(QUrl(UserGuideUrl()));
    resize(640, 560);
}

void CHelpWindow::ShowSection(const QString& section) {
    browser_->scrollToAnchor(section);
}

} // namespace wexa::ui
