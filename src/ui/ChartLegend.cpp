#include "ui/ChartLegend.h"

#include <QPainter>

#include <algorithm>

namespace wexa::ui {

namespace {

constexpr int kSampleLength = 44; // several dashes or dots of a wide pen
constexpr int kGap = 8;
constexpr int kMargin = 6;

} // namespace

ChartLegend::ChartLegend(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ChartLegend::SetEntries(std::vector<Entry> entries, int columns) {
    entries_ = std::move(entries);
    columns_ = columns;
    setVisible(!entries_.empty());
    updateGeometry();
    update();
}

int ChartLegend::Columns() const {
    const int count = static_cast<int>(entries_.size());
    return std::max(1, columns_ > 0 ? std::min(columns_, count) : count);
}

int ChartLegend::Rows() const {
    const int count = static_cast<int>(entries_.size());
    return (count + Columns() - 1) / Columns();
}

int ChartLegend::RowHeight() const {
    return fontMetrics().height() + 6;
}

QSize ChartLegend::sizeHint() const {
    int widest = 0;
    for (const Entry& entry : entries_) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(entry.Text));
    }
    const int cell = kSampleLength + kGap + widest + 2 * kGap;
    return {2 * kMargin + Columns() * cell, 2 * kMargin + Rows() * RowHeight()};
}

void ChartLegend::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int columns = Columns();
    // The entries are centred as a block; each column as wide as the widest
    // entry needs, or an equal share of the width when that is less.
    const int needed = sizeHint().width() - 2 * kMargin;
    const int usable = std::min(width() - 2 * kMargin, needed);
    const int cell = usable / columns;
    const int left = (width() - cell * columns) / 2;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        const int x = left + column * cell;
        const int y = kMargin + row * RowHeight();
        const int middle = y + RowHeight() / 2;
        painter.setPen(entries_[i].Pen);
        painter.drawLine(x, middle, x + kSampleLength, middle);
        // Black like the chart's texts, on screen, paper and image alike.
        painter.setPen(Qt::black);
        const QRect text(x + kSampleLength + kGap, y, cell - kSampleLength - 2 * kGap, RowHeight());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(entries_[i].Text, Qt::ElideRight, text.width()));
    }
}

} // namespace wexa::ui
