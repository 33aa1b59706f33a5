#include "ui/BoxLook.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>

namespace wexa::ui {

namespace {

// The frame and the inner margins of a box on either side of its text, with
// room for the cursor after the last character.
constexpr int kFrameAndMargins = 12;

int DigitsWidth(const QFontMetrics& metrics, int digits) {
    return metrics.horizontalAdvance(QLatin1Char('0')) * digits;
}

} // namespace

void MakeReadOnly(QLineEdit& box) {
    box.setReadOnly(true);
    box.setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    }
    box.setPalette(palette);
}

void SetWidthInDigits(QLineEdit& box, int digits) {
    box.setFixedWidth(DigitsWidth(box.fontMetrics(), digits) + kFrameAndMargins);
}

void SetWidthFor(QLineEdit& box, const QString& widest, int digits) {
    const QFontMetrics metrics = box.fontMetrics();
    box.setFixedWidth(std::max(metrics.horizontalAdvance(widest), DigitsWidth(metrics, digits)) +
                      kFrameAndMargins);
}

} // namespace wexa::ui
