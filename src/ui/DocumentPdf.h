#pragma once

#include "model/FileIo.h"
#include "results/DocumentContent.h"
#include "results/DocumentJob.h"

#include <QString>

#include <QByteArray>

namespace wexa::ui {

// The analysis document laid out on letter pages and written as PDF (PDF/A-1b,
// fonts embedded): each section from a new page, its blocks flowing down the
// pages, a table or chart moved whole to the next page when it does not fit
// (a table longer than a page runs on over as many as it needs). Every page
// has the project number and the date at the top and "Page k of n" at the
// bottom. Charts and the stream diagram are drawn as the windows draw them,
// as lines and text rather than pictures. Empty when the PDF could not be
// made.
[[nodiscard]] QByteArray DocumentPdf(const forms::AnalysisDocument& document);

// What the title page says of the document: the project's file name (none
// for an untitled project), today's date and the program's version, with the
// risk percentile of its comparison.
[[nodiscard]] forms::DocumentRequest MakeDocumentRequest(const QString& projectFile,
                                                         int riskPercentile);

// The document written to `path` as every output is: whole or not at all.
[[nodiscard]] FileResult WriteDocumentPdf(const forms::AnalysisDocument& document,
                                          const std::string& path);

} // namespace wexa::ui
