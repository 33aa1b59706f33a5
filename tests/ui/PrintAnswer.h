#pragma once

#include "PresetPrompts.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

namespace wexa::ui::testing {

// Makes the next print dialog end as a user printing to a PDF file ends it:
// the printer writes `pdf`, and the dialog is accepted.
inline void AnswerPrintWithPdf(PresetPrompts& prompts, const QString& pdf) {
    prompts.OnDialog = [pdf](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        QVERIFY(print);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(pdf);
        dialog.setResult(QDialog::Accepted);
    };
}

// The file exists and is a PDF of at least `minimumSize` bytes.
inline bool IsPdf(const QString& path, qint64 minimumSize = 0) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-" && file.size() >= minimumSize;
}

} // namespace wexa::ui::testing
