#pragma once

#include "results/StreamPage.h"

#include <QSize>
#include <QWidget>

class QPainter;
class QRectF;

namespace wexa::ui {

// The expenditure stream diagram (forms::StreamDiagram) drawn with a plain
// painter, so the window, a picture file and a printed page draw the same
// lines: one panel per alternative on one cost scale, each activity's year a
// bar up (the agency's cost in the alternative's colour, the road users'
// above it in a lighter shade), the salvage credit a hatched bar down at the
// end of the period.

// The size the diagram is laid out at when nothing else asks: wide enough
// for the labels of a fifty-year period, tall enough for every panel.
[[nodiscard]] QSize StreamDiagramSize(const forms::StreamDiagram& diagram);

// Draws the diagram laid out at `layout` (pixels, as on screen) into
// `target`, scaled to fit it without distorting.
void RenderStreamDiagram(QPainter& painter, const QRectF& target, const QSizeF& layout,
                         const forms::StreamDiagram& diagram);

// The diagram as a widget of the graphing window, laid out at its own size.
class StreamDiagramView final : public QWidget {
    Q_OBJECT
public:
    explicit StreamDiagramView(QWidget* parent = nullptr);

    void Show(forms::StreamDiagram diagram);
    [[nodiscard]] const forms::StreamDiagram& Diagram() const { return diagram_; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    forms::StreamDiagram diagram_;
};

} // namespace wexa::ui
