#pragma once

class QPrinter;
class QWidget;

namespace wexa::ui {

class ChartPanel;
class Prompts;

// What the chart windows do with their chart besides showing it.

// "Print" and "Print Graph": the print dialog (through `prompts`, like every
// modal box), then the chart on one page. Nothing is printed when the
// dialog is cancelled; a printer that cannot be opened is reported.
void PrintChart(ChartPanel& chart, Prompts& prompts, QWidget* parent);

// The chart scaled to fit the printable area of one page. False when the
// printer could not be opened.
bool PrintChartOn(ChartPanel& chart, QPrinter& printer);

// "Save Image...": asks for a name, then writes the chart as PNG or SVG
// whole or not at all; only a failure is reported.
void SaveChartImage(ChartPanel& chart, Prompts& prompts);

} // namespace wexa::ui
