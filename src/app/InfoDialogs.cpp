#include "app/InfoDialogs.h"

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
    LayOut(*this, QStringLiteral("DISCLAIMER - Wexa"),
           QStringLiteral(
               "<p><b>Wexa is provided \"as is\".</b></p>"
               "<p>There are no warranties of any kind, express or implied, including any "
               "warranty that the program is fit for a particular purpose or that its results "
               "are correct. You use the program and its results at your own risk.</p>"
               "<p>Neither the authors nor any agency that distributes Wexa accept any liability "
               "for any damage or loss, direct or indirect, that arises from using it or from "
               "decisions based on its results.</p>"),
           QStyle::SP_MessageBoxWarning);
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
