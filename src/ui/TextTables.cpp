#include "ui/TextTables.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wexa::ui {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A bar of a share as wide as this at 100 %, on screen and on paper.
constexpr int kBarWidth = 160;
// Where a cell of the bar column keeps its bar.
constexpr int kShareRole = Qt::UserRole;
constexpr int kColourRole = Qt::UserRole + 1;

// Paints the bar of a cell of the bar column, from its left edge.
class BarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QVariant share = index.data(kShareRole);
        if (!share.isValid()) {
            return;
        }
        const QRect cell = option.rect.adjusted(4, 3, -4, -3);
        const int length = static_cast<int>(std::lround(share.toDouble() * cell.width()));
        painter->fillRect(QRect(cell.topLeft(), QSize(length, cell.height())),
                          index.data(kColourRole).value<QColor>());
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.data(kShareRole).isValid()) {
            size.setWidth(std::max(size.width(), kBarWidth + 8));
        }
        return size;
    }
};

// A cell's bar on paper: a filled cell of its length, none for a share of
// nothing.
QString BarHtml(const forms::CellBar& bar) {
    const auto length = static_cast<int>(std::lround(bar.Share * kBarWidth));
    if (length < 1) {
        return {};
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"%1\" "
                          "bgcolor=\"%2\">&nbsp;</td></tr></table>")
        .arg(length)
        .arg(Colour(bar.Colour).name());
}

} // namespace

QColor Colour(const forms::PageColor& colour) {
    return {colour.Red, colour.Green, colour.Blue};
}

QLabel* AddTableTitle(QVBoxLayout* layout) {
    auto* title = new QLabel;
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    return title;
}

QTableWidget* AddTable(QVBoxLayout* layout) {
    auto* table = new QTableWidget;
    table->setItemDelegate(new BarDelegate(table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As large as its cells, no larger: the page scrolls, not the table.
    table->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(table);
    return table;
}

void ScrollThrough(QWidget& owner, QWidget* content) {
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(&owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

void FillTable(QTableWidget& table, const forms::TextTable& content) {
    table.clear();
    table.setColumnCount(static_cast<int>(content.Columns.size()) + 1);
    table.setRowCount(static_cast<int>(content.RowNames.size()));
    QStringList headings{Text(content.Corner)};
    for (const std::string& column : content.Columns) {
        headings << Text(column);
    }
    table.setHorizontalHeaderLabels(headings);
    for (int r = 0; r < table.rowCount(); ++r) {
        const auto row = static_cast<std::size_t>(r);
        table.setItem(r, 0, new QTableWidgetItem(Text(content.RowNames[row])));
        for (std::size_t c = 0; c < content.Cells[row].size(); ++c) {
            auto* item = new QTableWidgetItem(Text(content.Cells[row][c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (static_cast<int>(c) == content.BarColumn && row < content.Bars.size()) {
                item->setData(kShareRole, content.Bars[row].Share);
                item->setData(kColourRole, Colour(content.Bars[row].Colour));
            }
            table.setItem(r, static_cast<int>(c) + 1, item);
        }
    }
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    table.setVisible(table.rowCount() > 0);
}

QString Escaped(const std::string& text) {
    return Text(text).toHtmlEscaped();
}

QString TableHtml(const forms::TextTable& content) {
    if (content.RowNames.empty()) {
        return {};
    }
    QString html = QStringLiteral("<p><b>%1</b></p><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><tr><th style=\"white-space:nowrap\">%2</th>")
                       .arg(Escaped(content.Title), Escaped(content.Corner));
    for (const std::string& column : content.Columns) {
        html += QStringLiteral("<th>%1</th>").arg(Escaped(column));
    }
    html += QStringLiteral("</tr>");
    for (std::size_t row = 0; row < content.RowNames.size(); ++row) {
        html += QStringLiteral("<tr><td>%1</td>").arg(Escaped(content.RowNames[row]));
        // A figure never breaks at the commas of its thousands.
        for (std::size_t c = 0; c < content.Cells[row].size(); ++c) {
            const bool bar = static_cast<int>(c) == content.BarColumn && row < content.Bars.size();
            html += bar ? QStringLiteral("<td width=\"%1\">%2</td>")
                              .arg(kBarWidth)
                              .arg(BarHtml(content.Bars[row]))
                        : QStringLiteral("<td align=\"right\" style=\"white-space:nowrap\">%1</td>")
                              .arg(Escaped(content.Cells[row][c]));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString Paragraph(const std::string& text) {
    return text.empty() ? QString() : QStringLiteral("<p>%1</p>").arg(Escaped(text));
}

} // namespace wexa::ui
