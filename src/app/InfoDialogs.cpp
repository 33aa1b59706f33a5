#include "app/InfoDialogs.h"

#include "forms/Disclaimer.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace wexa::app {

namespace {

// A fixed dialog: an icon beside the text and one "OK" button.
void LayOut(QDialog& dialog, const QString& title, const QString& text,
            QStyle::StandardPixmap icon) {
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    auto* picture = new QLabel;
    picture->setPixmap(dialog.style()->standardIcon(icon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture);
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setMinimumWidth(420);
    row->addWidget(label, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace

CDisclaimerDlg::CDisclaimerDlg(QWidget* parent) : QDialog(parent) {
    QString text = QStringLiteral("<p><b>%1</b></p>")
                       .arg(QString::fromUtf8(forms::kDisclaimer[0]).toHtmlEscaped());
    for (std::size_t p = 1; p < forms::kDisclaimer.size(); ++p) {
        text += QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(forms::kDisclaimer[p]));
    }
    LayOut(*this, QStringLiteral("DISCLAIMER - Wexa"), text, QStyle::SP_MessageBoxWarning);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    LayOut(*this, QStringLiteral("About Wexa"),
           QStringLiteral("<p><b>Wexa Version %1</b></p>"
                          "<p>Life-cycle cost analysis of pavement design alternatives: agency "
                          "costs and work-zone user costs, deterministic or probabilistic.</p>")
               .arg(QStringLiteral(WEXA_VERSION)),
           QStyle::SP_MessageBoxInformation);
}

} // namespace wexa::app
