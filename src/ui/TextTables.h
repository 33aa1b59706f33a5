#pragma once

#include "results/ComparisonPage.h"

#include <QColor>
#include <QString>

#include <string>

class QLabel;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace wexa::ui {

// The tables of the graphing window's views (forms::TextTable) on screen and
// on paper: the same cells, the row names first, numbers right-aligned.

[[nodiscard]] QColor Colour(const forms::PageColor& colour);

// A bold title line added to `layout`.
[[nodiscard]] QLabel* AddTableTitle(QVBoxLayout* layout);

// A read-only table added to `layout`, as large as its cells: the page
// scrolls, not the table.
[[nodiscard]] QTableWidget* AddTable(QVBoxLayout* layout);

// Fills `owner` with `content` in a frameless scroll area: a view whose
// tables are taller than its window scrolls as a page.
void ScrollThrough(QWidget& owner, QWidget* content);

// Shows `content` in `table`; hides the table when it has no rows.
void FillTable(QTableWidget& table, const forms::TextTable& content);

// The table as printed: its title, then the cells bordered. Empty for a
// table without rows.
[[nodiscard]] QString TableHtml(const forms::TextTable& content);

// A paragraph of plain text, escaped; empty for no text.
[[nodiscard]] QString Paragraph(const std::string& text);

[[nodiscard]] QString Escaped(const std::string& text);

} // namespace wexa::ui
