#pragma once

#include "results/ChartContent.h"

#include <QPen>
#include <QString>
#include <QWidget>

#include <vector>

namespace wexa::ui {

// The key of a chart, drawn below its plot rather than beside it, so that
// many entries never narrow the plot. Each entry shows a sample of its line
// long enough for dashes and dots to be told apart at a glance, and the
// entries run in rows of a fixed number of columns (an alternative's three
// costs side by side, one cost kind a column).
class ChartLegend final : public QWidget {
    Q_OBJECT
public:
    struct Entry {
        QString Text;
        QPen Pen;
    };

    explicit ChartLegend(QWidget* parent = nullptr);

    // `columns` 0 puts every entry in one row.
    void SetEntries(std::vector<Entry> entries, int columns);
    [[nodiscard]] const std::vector<Entry>& Entries() const { return entries_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] int Columns() const;
    [[nodiscard]] int Rows() const;
    [[nodiscard]] int RowHeight() const;

    std::vector<Entry> entries_;
    int columns_ = 0;
};

} // namespace wexa::ui
