#include "ui/StreamView.h"

#include "ui/ChartOutput.h"
#include "ui/StreamDiagram.h"
#include "ui/TextTables.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace wexa::ui {
namespace {

// The tables as printed, after the diagram's sheet.
QString TablesHtml(const forms::StreamPage& page) {
    QString html = Paragraph(page.Basis);
    for (const forms::TextTable& table : page.Tables) {
        html += TableHtml(table);
    }
    return html;
}

// The diagram scaled to fit the first sheet, then the tables.
bool PrintStreamOn(const forms::StreamPage& page, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF sheet(QPointF(0, 0),
                       printer.pageLayout().paintRectPixels(printer.resolution()).size());
    RenderStreamDiagram(painter, sheet, StreamDiagramSize(page.Diagram), page.Diagram);
    if (!page.Tables.empty()) {
        QTextDocument document;
        document.setHtml(TablesHtml(page));
        if (!printer.newPage() || !DrawDocumentPages(painter, document, printer)) {
            return false;
        }
    }
    return painter.end();
}

} // namespace

StreamView::StreamView(const forms::KeptRun* run, Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts), kept_(forms::StreamOfRun(run)), basis_(new QLabel),
      undiscounted_(new QRadioButton(QStringLiteral("&Undiscounted"))),
      presentValue_(new QRadioButton(QStringLiteral("&Present value"))),
      diagram_(new StreamDiagramView) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    basis_->setWordWrap(true);
    column->addWidget(basis_);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Diagram in:")));
    auto* values = new QButtonGroup(this);
    for (QRadioButton* button : {undiscounted_, presentValue_}) {
        values->addButton(button);
        controls->addWidget(button);
    }
    undiscounted_->setChecked(true);
    undiscounted_->setWhatsThis(
        QStringLiteral("Draws each activity in the dollars of its year, as it is paid."));
    presentValue_->setWhatsThis(QStringLiteral(
        "Draws each activity discounted to the base year: the bars then add up to the NPV."));
    controls->addStretch(1);
    auto* saveData = new QPushButton(QStringLiteral("Save &Data..."));
    saveData->setAutoDefault(false);
    saveData->setWhatsThis(QStringLiteral(
        "Saves the year-by-year table (agency, user and total cost of every alternative, "
        "undiscounted and in present value) as a CSV file, for a spreadsheet."));
    saveData->setEnabled(HasStream());
    controls->addWidget(saveData);
    column->addLayout(controls);

    column->addWidget(diagram_);
    for (std::size_t t = 0; t < kMaxAlternatives; ++t) {
        titles_.push_back(AddTableTitle(column));
        tables_.push_back(AddTable(column));
    }
    column->addStretch(1);

    ScrollThrough(*this, content);

    connect(presentValue_, &QRadioButton::toggled, this, &StreamView::Fill);
    connect(saveData, &QPushButton::clicked, this, &StreamView::SaveData);
    Fill();
}

void StreamView::Fill() {
    page_ = forms::MakeStreamPage(kept_, presentValue_->isChecked()
                                             ? forms::StreamValues::PresentValue
                                             : forms::StreamValues::Undiscounted);
    basis_->setText(QString::fromStdString(page_.Basis));
    basis_->setVisible(!page_.Basis.empty());
    diagram_->Show(page_.Diagram);
    for (std::size_t t = 0; t < tables_.size(); ++t) {
        const forms::TextTable empty;
        const forms::TextTable& table = t < page_.Tables.size() ? page_.Tables[t] : empty;
        titles_[t]->setText(QString::fromStdString(table.Title));
        titles_[t]->setVisible(!table.RowNames.empty());
        FillTable(*tables_[t], table);
    }
}

void StreamView::Print() {
    PrintThroughDialog(prompts_, this,
                       [this](QPrinter& printer) { return PrintStreamOn(page_, printer); });
}

void StreamView::SaveImage() {
    SavePictureImage(
        StreamDiagramSize(page_.Diagram),
        [this](QPainter& painter, const QRectF& target) {
            painter.fillRect(target, Qt::white);
            RenderStreamDiagram(painter, target, target.size(), page_.Diagram);
        },
        prompts_);
}

void StreamView::SaveData() {
    if (kept_.Stream) {
        SaveCsvFile(prompts_, forms::kStreamFileName, forms::StreamCsv(*kept_.Stream),
                    QString::fromLatin1(forms::kSaveDataCaption), "expenditure stream");
    }
}

} // namespace wexa::ui
