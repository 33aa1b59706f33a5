#pragma once

#include "model/Project.h"
#include "results/ResultsPage.h"

#include <QFont>
#include <QSize>
#include <QSizeF>

class QPainter;
class QPrinter;

namespace wexa::ui {

// The results page is laid out in pixels of a 300-dpi page; the painter
// scales them to the device, so a printer of any resolution, the print
// preview and an image all show the same proportions.
inline constexpr int kPageDotsPerInch = 300;

// The size in page pixels of a printable area of `area` device pixels at
// `dpiX` by `dpiY` dots per inch.
[[nodiscard]] QSize PagePixels(const QSizeF& area, double dpiX, double dpiY);

// The font of every text on the page, sized in page pixels (10 points at
// 300 dpi), so its line height suits the layout's fixed offsets on every
// device.
[[nodiscard]] QFont PageFont();

// Draws the page of the project's last results with `painter`, whose origin
// is the top left of a printable area of `area` device pixels. The
// resolution is the painter's device's. Texts that would run past the frame
// are shortened with an ellipsis.
void PrintResultsPage(QPainter& painter, const Project& project, const QSizeF& area);

// Opens a painter on `printer` and draws the page in its printable area;
// false when the printer did not accept it.
bool PrintResultsPage(QPrinter& printer, const Project& project);

// Carries out drawing commands in page pixels; the painter is already
// scaled to them. `size` gives the frame that texts must stay within.
void DrawPageCommands(QPainter& painter, const std::vector<forms::PageCommand>& commands,
                      forms::PageSize size);

} // namespace wexa::ui
