#pragma once

#include "forms/QueueGraph.h"

#include <QDialog>

namespace wexa::ui {

class ChartPanel;
class Prompts;

// "Queue Length Graph": the queue length of each direction over the hours of
// the work-zone day, opened from the work-zone dialog. Showing it changes
// nothing; "Print" prints the chart, "OK" closes.
class CQueueGraphDialog final : public QDialog {
    Q_OBJECT
public:
    CQueueGraphDialog(const forms::QueueGraphContent& content, Prompts& prompts,
                      QWidget* parent = nullptr);

    [[nodiscard]] ChartPanel& Chart() { return *chart_; }

private:
    ChartPanel* chart_;
};

} // namespace wexa::ui
