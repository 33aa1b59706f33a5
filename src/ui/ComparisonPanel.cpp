#include "ui/ComparisonPanel.h"

#include "ui/ChartOutput.h"
#include "ui/Prompts.h"
#include "ui/TextTables.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace wexa::ui {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The page printed: the project's title and the tables the tab shows, in
// the same order, with the risk percentile's choice as text.
QString PageHtml(const forms::ComparisonPage& page, const std::string& title) {
    QString html =
        QStringLiteral("<h3>%1</h3><h4>%2</h4>").arg(Escaped(title), Escaped(page.Heading));
    html += Paragraph(page.Summary) + Paragraph(page.Notice);
    if (page.Notice.empty()) {
        html += Paragraph(page.Compared) + Paragraph(page.LeftOut);
        for (const forms::TextTable* table : {&page.Cheapest, &page.Pairwise, &page.Differences}) {
            html += TableHtml(*table);
        }
        html += Paragraph(page.Choice);
    }
    return html + TableHtml(page.Annual);
}

} // namespace

ComparisonPanel::ComparisonPanel(const forms::KeptRun* run, QWidget* parent)
    : QWidget(parent), run_(run), heading_(new QLabel), summary_(new QLabel), notice_(new QLabel),
      counts_(new QLabel), percentile_(new QSpinBox), choice_(new QLabel), comparing_(new QWidget) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    QFont large = heading_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.2);
    heading_->setFont(large);
    column->addWidget(heading_);
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(summary_);
    notice_->setWordWrap(true);
    column->addWidget(notice_);

    auto* comparing = new QVBoxLayout(comparing_);
    comparing->setContentsMargins(0, 0, 0, 0);
    counts_->setWordWrap(true);
    comparing->addWidget(counts_);
    for (std::size_t t = 0; t < 3; ++t) {
        titles_[t] = AddTableTitle(comparing);
        tables_[t] = AddTable(comparing);
    }
    auto* risk = new QHBoxLayout;
    auto* riskLabel = new QLabel(QStringLiteral("&Risk percentile:"));
    riskLabel->setBuddy(percentile_);
    percentile_->setRange(1, 100);
    percentile_->setValue(kDefaultRiskPercentile);
    percentile_->setWhatsThis(
        QStringLiteral("The percentile at which the alternatives' NPVs are compared for the "
                       "choice: 50 compares the medians, 90 a cost exceeded in only one "
                       "iteration of ten."));
    risk->addWidget(riskLabel);
    risk->addWidget(percentile_);
    risk->addWidget(choice_, 1);
    comparing->addLayout(risk);
    column->addWidget(comparing_);
    titles_[3] = AddTableTitle(column);
    tables_[3] = AddTable(column);
    column->addStretch(1);

    ScrollThrough(*this, content);

    connect(percentile_, &QSpinBox::valueChanged, this, [this] {
        Recompute();
        Fill();
    });
    Recompute();
}

void ComparisonPanel::ShowKind(CostKind kind) {
    kind_ = kind;
    Fill();
}

void ComparisonPanel::Recompute() {
    if (run_ != nullptr) {
        figures_ = run_->FiguresAt(percentile_->value());
    }
}

void ComparisonPanel::Fill() {
    page_ = figures_ ? forms::MakeComparisonPage(*figures_, kind_) : forms::ComparisonPage{};
    if (!figures_) {
        page_.Notice = forms::kNoRunNotice;
    }
    heading_->setText(Text(page_.Heading));
    heading_->setVisible(!page_.Heading.empty());
    summary_->setText(Text(page_.Summary));
    summary_->setVisible(!page_.Summary.empty());
    notice_->setText(Text(page_.Notice));
    notice_->setVisible(!page_.Notice.empty());
    comparing_->setVisible(page_.Notice.empty());
    counts_->setText(
        Text(page_.LeftOut.empty() ? page_.Compared : page_.Compared + "\n" + page_.LeftOut));
    choice_->setText(Text(page_.Choice));
    const std::array<const forms::TextTable*, 4> contents{&page_.Cheapest, &page_.Pairwise,
                                                          &page_.Differences, &page_.Annual};
    for (std::size_t t = 0; t < contents.size(); ++t) {
        titles_[t]->setText(Text(contents[t]->Title));
        titles_[t]->setVisible(!contents[t]->RowNames.empty());
        FillTable(*tables_[t], *contents[t]);
    }
}

void ComparisonPanel::Print(Prompts& prompts) {
    PrintThroughDialog(prompts, this, [this](QPrinter& printer) {
        QTextDocument document;
        document.setHtml(PageHtml(page_, run_ != nullptr ? run_->Title() : std::string()));
        return PrintDocumentOn(document, printer);
    });
}

void ComparisonPanel::SaveTables(Prompts& prompts) {
    if (figures_) {
        SaveCsvFile(prompts, forms::kComparisonFileName, forms::ComparisonCsv(*figures_),
                    QString::fromLatin1(forms::kSaveTablesCaption), "comparison");
    }
}

} // namespace wexa::ui
