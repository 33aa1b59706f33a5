#pragma once

#include <functional>
#include <string>
#include <string_view>

class QPainter;
class QPrinter;
class QRectF;
class QSize;
class QString;
class QTextDocument;
class QWidget;

namespace wexa::ui {

class ChartPanel;
class Prompts;

// What the chart windows do with their chart besides showing it.

// "Print" and "Print Graph": the print dialog (through `prompts`, like every
// modal box), then the chart on one page. Nothing is printed when the
// dialog is cancelled; a printer that cannot be opened is reported.
void PrintChart(ChartPanel& chart, Prompts& prompts, QWidget* parent);

// The print dialog, then `draw` on the printer it set up; what the dialog
// and the failure message are for every page the chart windows print.
void PrintThroughDialog(Prompts& prompts, QWidget* parent,
                        const std::function<bool(QPrinter&)>& draw);

// A text document (the comparison's tables), laid out on as many pages as
// it needs. False when the printer could not be opened or take a page.
bool PrintDocumentOn(QTextDocument& document, QPrinter& printer);

// The pages of `document` drawn with `painter`, already open on `printer`,
// from the page it is on; false when the printer could not take a page.
bool DrawDocumentPages(QPainter& painter, QTextDocument& document, QPrinter& printer);

// The chart scaled to fit the printable area of one page. False when the
// printer could not be opened.
bool PrintChartOn(ChartPanel& chart, QPrinter& printer);

// "Save Image...": asks for a name, then writes the chart as PNG or SVG
// whole or not at all; only a failure is reported.
void SaveChartImage(ChartPanel& chart, Prompts& prompts);

// Draws a picture into a rectangle of any device.
using PictureRender = std::function<void(QPainter&, const QRectF&)>;

// "Save Image..." of any picture: `render` draws it at `size` pixels, as on
// screen.
void SavePictureImage(const QSize& size, const PictureRender& render, Prompts& prompts);

// "Save Tables..." and "Save Data...": asks for a CSV file starting from
// `initialName`, then writes `text` to it whole or not at all; only a
// failure is reported, under `caption`, naming `what` was not saved.
void SaveCsvFile(Prompts& prompts, const std::string& initialName, const std::string& text,
                 const QString& caption, std::string_view what);

} // namespace wexa::ui
