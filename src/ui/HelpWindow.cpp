#include "ui/HelpWindow.h"

#include "ui/HelpSections.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace wexa::ui {

namespace {

QPushButton* NavigationButton(const QString& text, QStyle::StandardPixmap icon, QWidget* owner) {
    auto* button = new QPushButton(owner->style()->standardIcon(icon), text);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser),
      back_(NavigationButton(QStringLiteral("Back"), QStyle::SP_ArrowBack, this)),
      forward_(NavigationButton(QStringLiteral("Forward"), QStyle::SP_ArrowForward, this)) {
    setWindowTitle(QStringLiteral("Wexa Help"));
    auto* contents = NavigationButton(QStringLiteral("Contents"), QStyle::SP_DirHomeIcon, this);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 0);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this,
            [this] { ShowSection(QStringLiteral("contents")); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    // Fitting the pictures moves what follows them: the section asked for is
    // scrolled to again once they have their sizes.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& source) {
        FitPictures();
        if (source.hasFragment()) {
            browser_->scrollToAnchor(source.fragment());
        }
    });

    browser_->setSource(QUrl(UserGuideUrl()));
    // Wide enough for the guide's pictures at their own size on a small
    // laptop screen; narrower, they shrink with the window.
    resize(900, 680);
}

void CHelpWindow::ShowSection(const QString& section) {
    // Through the browser's history, so Back returns to where the reader
    // was.
    QUrl url(UserGuideUrl());
    url.setFragment(section);
    browser_->setSource(url);
}

int CHelpWindow::PictureWidthLimit() const {
    // The page's margins and a little air on either side.
    const int margins = 2 * static_cast<int>(browser_->document()->documentMargin()) + 16;
    return std::max(64, browser_->viewport()->width() - margins);
}

void CHelpWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitPictures();
}

// Each picture at its own width, or the window's when that is less, with
// its proportions kept. A smaller picture is scaled smoothly once and kept
// as a resource of its own, since the browser would scale it coarsely.
void CHelpWindow::FitPictures() {
    constexpr int kSourceName = QTextFormat::UserProperty;
    constexpr int kWantedWidth = QTextFormat::UserProperty + 1;
    QTextDocument* document = browser_->document();
    const int limit = PictureWidthLimit();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.property(kSourceName).isValid()) {
                image.setProperty(kSourceName, image.name());
            }
            const QString source = image.property(kSourceName).toString();
            const QImage picture =
                document->resource(QTextDocument::ImageResource, QUrl(source)).value<QImage>();
            if (picture.isNull() || picture.width() <= 0) {
                continue;
            }
            // The width the guide asks for, if any, is the most it is shown at.
            if (!image.property(kWantedWidth).isValid()) {
                image.setProperty(kWantedWidth, image.width() > 0 ? static_cast<int>(image.width())
                                                                  : picture.width());
            }
            const int width = std::min(image.property(kWantedWidth).toInt(), limit);
            const int height =
                static_cast<int>(static_cast<double>(picture.height()) * width / picture.width());
            QString shown = source;
            if (width != picture.width()) {
                shown = QStringLiteral("%1?width=%2").arg(source).arg(width);
                if (document->resource(QTextDocument::ImageResource, QUrl(shown)).isNull()) {
                    document->addResource(QTextDocument::ImageResource, QUrl(shown),
                                          picture.scaled(width, height, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation));
                }
            }
            image.setName(shown);
            image.setWidth(width);
            image.setHeight(height);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    cursor.endEditBlock();
}

} // namespace wexa::ui
