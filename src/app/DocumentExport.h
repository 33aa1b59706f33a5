#pragma once

#include <QStringList>

#include <optional>

namespace wexa::app {

// `wexa --export-document PROJECT.wxa -o OUT.pdf [--seed N]
// [--risk-percentile P]`: runs the project without a window, writes its
// analysis document and ends, as office programs convert documents from the
// command line. The exit status: 0 written, 1 refused (the reason on
// standard error), 2 the arguments are wrong.

[[nodiscard]] int ExportDocument(const QStringList& arguments);

} // namespace wexa::app
