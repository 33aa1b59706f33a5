#pragma once

#include "results/StreamPage.h"

#include <QWidget>

#include <vector>

class QLabel;
class QRadioButton;
class QTableWidget;

namespace wexa::ui {

class Prompts;
class StreamDiagramView;

// The "Expenditure Stream" view of the graphing window: what each
// alternative costs, year by year, as the run that made the results shown
// costed it. The diagram above, each alternative's table of activities
// below; the diagram in the year's dollars or in present value.
class StreamView final : public QWidget {
    Q_OBJECT
public:
    StreamView(const forms::KeptRun* run, Prompts& prompts, QWidget* parent = nullptr);

    // Print Graph on the stream: the diagram on the first sheet, the tables
    // on as many more as they need.
    void Print();
    // Save Image...: the diagram, as PNG or SVG.
    void SaveImage();
    // Save Data...: the year-by-year table as CSV.
    void SaveData();

    [[nodiscard]] bool HasStream() const { return kept_.Stream != nullptr; }
    // What is shown, for the window's tests.
    [[nodiscard]] const forms::StreamPage& Page() const { return page_; }
    [[nodiscard]] QRadioButton& PresentValues() { return *presentValue_; }

private:
    void Fill();

    Prompts& prompts_;
    forms::KeptStream kept_;
    forms::StreamPage page_;
    QLabel* basis_;
    QRadioButton* undiscounted_;
    QRadioButton* presentValue_;
    StreamDiagramView* diagram_;
    std::vector<QLabel*> titles_;
    std::vector<QTableWidget*> tables_;
};

} // namespace wexa::ui
