#include "ui/ComparisonPanel.h"

#include "ui/ChartOutput.h"
#include "ui/Prompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wexa::ui {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QColor Colour(const forms::PageColor& colour) {
    return {colour.Red, colour.Green, colour.Blue};
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

QLabel* Title(QVBoxLayout* layout) {
    auto* title = new QLabel;
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    return title;
}

QTableWidget* Table(QVBoxLayout* layout) {
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

// The table's row names in its first column, under the corner's heading;
// numbers right-aligned as in a spreadsheet.
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

// A table as printed: bordered, row names first, numbers right-aligned.
QString TableHtml(const forms::TextTable& content) {
    if (content.RowNames.empty()) {
        return {};
    }
    QString html = QStringLiteral("<p><b>%1</b></p><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><tr><th>%2</th>")
                       .arg(Escaped(content.Title), Escaped(content.Corner));
    for (const std::string& column : content.Columns) {
        html += QStringLiteral("<th>%1</th>").arg(Escaped(column));
    }
    html += QStringLiteral("</tr>");
    for (std::size_t row = 0; row < content.RowNames.size(); ++row) {
        html += QStringLiteral("<tr><td>%1</td>").arg(Escaped(content.RowNames[row]));
        for (std::size_t c = 0; c < content.Cells[row].size(); ++c) {
            const bool bar = static_cast<int>(c) == content.BarColumn && row < content.Bars.size();
            html += bar ? QStringLiteral("<td width=\"%1\">%2</td>")
                              .arg(kBarWidth)
                              .arg(BarHtml(content.Bars[row]))
                        : QStringLiteral("<td align=\"right\">%1</td>")
                              .arg(Escaped(content.Cells[row][c]));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString Paragraph(const std::string& text) {
    return text.empty() ? QString() : QStringLiteral("<p>%1</p>").arg(Escaped(text));
}

// The page printed: the project's title and the tables the tab shows, in
// the same order, with the risk percentile's choice as text.
QString PageHtml(const forms::ComparisonPage& page, const std::string& title) {
    QString html =
        QStringLiteral("<h3>%1</h3><h4>%2</h4>").arg(Escaped(title), Escaped(page.Heading));
    html += Paragraph(page.Summary) + Paragraph(page.Notice);
    if (page.Notice.empty()) {
        html += Paragraph(page.Compared) + Paragraph(page.LeftOut);
        for (const forms::TextTable* table : {&page.Cheapest, &page.Pairwise, &page.Differences}) {
            html += TableHtml(*table);
        }
        html += Paragraph(page.Choice);
    }
    return html + TableHtml(page.Annual);
}

} // namespace

ComparisonPanel::ComparisonPanel(const forms::KeptRun* run, QWidget* parent)
    : QWidget(parent), run_(run), heading_(new QLabel), summary_(new QLabel), notice_(new QLabel),
      counts_(new QLabel), percentile_(new QSpinBox), choice_(new QLabel), comparing_(new QWidget) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    QFont large = heading_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.2);
    heading_->setFont(large);
    column->addWidget(heading_);
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(summary_);
    notice_->setWordWrap(true);
    column->addWidget(notice_);

    auto* comparing = new QVBoxLayout(comparing_);
    comparing->setContentsMargins(0, 0, 0, 0);
    counts_->setWordWrap(true);
    comparing->addWidget(counts_);
    for (std::size_t t = 0; t < 3; ++t) {
        titles_[t] = Title(comparing);
        tables_[t] = Table(comparing);
    }
    auto* risk = new QHBoxLayout;
    auto* riskLabel = new QLabel(QStringLiteral("&Risk percentile:"));
    riskLabel->setBuddy(percentile_);
    percentile_->setRange(1, 100);
    percentile_->setValue(kDefaultRiskPercentile);
    percentile_->setWhatsThis(
        QStringLiteral("The percentile at which the alternatives' NPVs are compared for the "
                       "choice: 50 compares the medians, 90 a cost exceeded in only one "
                       "iteration of ten."));
    risk->addWidget(riskLabel);
    risk->addWidget(percentile_);
    risk->addWidget(choice_, 1);
    comparing->addLayout(risk);
    column->addWidget(comparing_);
    titles_[3] = Title(column);
    tables_[3] = Table(column);
    column->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    connect(percentile_, &QSpinBox::valueChanged, this, [this] {
        Recompute();
        Fill();
    });
    Recompute();
}

void ComparisonPanel::ShowKind(CostKind kind) {
    kind_ = kind;
    Fill();
}

void ComparisonPanel::Recompute() {
    if (run_ != nullptr) {
        figures_ = run_->FiguresAt(percentile_->value());
    }
}

void ComparisonPanel::Fill() {
    page_ = figures_ ? forms::MakeComparisonPage(*figures_, kind_) : forms::ComparisonPage{};
    if (!figures_) {
        page_.Notice = forms::kNoRunNotice;
    }
    heading_->setText(Text(page_.Heading));
    heading_->setVisible(!page_.Heading.empty());
    summary_->setText(Text(page_.Summary));
    summary_->setVisible(!page_.Summary.empty());
    notice_->setText(Text(page_.Notice));
    notice_->setVisible(!page_.Notice.empty());
    comparing_->setVisible(page_.Notice.empty());
    counts_->setText(
        Text(page_.LeftOut.empty() ? page_.Compared : page_.Compared + "\n" + page_.LeftOut));
    choice_->setText(Text(page_.Choice));
    const std::array<const forms::TextTable*, 4> contents{&page_.Cheapest, &page_.Pairwise,
                                                          &page_.Differences, &page_.Annual};
    for (std::size_t t = 0; t < contents.size(); ++t) {
        titles_[t]->setText(Text(contents[t]->Title));
        titles_[t]->setVisible(!contents[t]->RowNames.empty());
        FillTable(*tables_[t], *contents[t]);
    }
}

void ComparisonPanel::Print(Prompts& prompts) {
    PrintThroughDialog(prompts, this, [this](QPrinter& printer) {
        QTextDocument document;
        document.setHtml(PageHtml(page_, run_ != nullptr ? run_->Title() : std::string()));
        return PrintDocumentOn(document, printer);
    });
}

void ComparisonPanel::SaveTables(Prompts& prompts) {
    if (figures_) {
        SaveCsvFile(prompts, forms::kComparisonFileName, forms::ComparisonCsv(*figures_),
                    QString::fromLatin1(forms::kSaveTablesCaption), "comparison");
    }
}

} // namespace wexa::ui
