#include "ui/MainFormLayout.h"

#include "ui/FormBuilder.h"
#include "ui/FormControls.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace wexa::ui {

QWidget* BuildMainForm(FormControls& controls) {
    FormBuilder build(controls);
    auto* form = new QWidget;
    auto* columns = new QGridLayout(form);

    auto* left = new QVBoxLayout;
    left->addWidget(GeneralProjectGroup(build));
    left->addWidget(TrafficGroup(build));
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(AlternativeGroup(build));
    right->addWidget(ActivityGroup(build));
    right->addWidget(ExecuteGroup(build));
    right->addStretch(1);

    columns->addLayout(left, 0, 0);
    columns->addLayout(right, 0, 1);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(1, 1);
    columns->setContentsMargins(6, 2, 6, 2);
    columns->addWidget(HiddenResultsArea(build), 1, 0);
    return form;
}

} // namespace wexa::ui
