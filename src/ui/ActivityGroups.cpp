// The groups of the main form about the current alternative and the current
// work activity.
#include "forms/MainFormControls.h"
#include "model/FieldLabels.h"
#include "ui/FormBuilder.h"
#include "ui/FormButtons.h"
#include "ui/FormLists.h"
#include "ui/HelpSections.h"
#include "ui/MainFormLayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wexa::ui {

namespace {

using F = forms::FormField;
namespace label = FieldLabel;

QWidget* YearsToNextGroup(FormBuilder& build) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = GridGroup(QString::fromLatin1(label::YearsToNext), grid);
    build.Distribution(*grid, 0, 0, QString(), forms::Distribution::YearsToNext,
                       QStringLiteral("Distribution"));
    grid->setColumnStretch(5, 1);
    return group;
}

// "Alternative #: [n]  Work Activity #: [n]" on a row.
void AddNumberPair(FormBuilder& build, QHBoxLayout& row, F alternative, F activity) {
    row.addWidget(Text(QStringLiteral("Alternative #:")));
    row.addWidget(build.Box(alternative, 3));
    row.addSpacing(12);
    row.addWidget(Text(QStringLiteral("Work Activity #:")));
    row.addWidget(build.Box(activity, 3));
    row.addSpacing(12);
}

} // namespace

QWidget* AlternativeGroup(FormBuilder& build) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = GridGroup(QStringLiteral("Alternative Specific Information"), grid);
    SetHelpSection(*group, HelpSection::Alternative,
                   QStringLiteral("The current design alternative: its description and the number "
                                  "of work activities scheduled over the analysis period."));
    QHBoxLayout* current = Row();
    current->addWidget(Text(QStringLiteral("Alternative #:")));
    current->addWidget(build.Box(F::CurrentAlternative, 3));
    current->addWidget(
        build.Button(QStringLiteral("Next Alternative"), FormButton::NextAlternative));
    current->addSpacing(12);
    current->addWidget(Text(QStringLiteral("Description:")));
    current->addWidget(build.WideBox(F::AlternativeDescription), 1);
    grid->addLayout(current, 0, 0, 1, 2);
    QLabel* count = Text(QString::fromLatin1(label::NumberOfActivities));
    count->setWordWrap(true);
    grid->addWidget(count, 1, 0);
    grid->addWidget(build.Box(F::NumberOfActivities, 3), 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->setColumnStretch(0, 1);
    return group;
}

QWidget* ActivityGroup(FormBuilder& build) {
    QGridLayout* grid = nullptr;
    QGroupBox* group =
        GridGroup(QStringLiteral("Initial Construction/Rehabilitation/ Maintenance Inputs"), grid);
    SetHelpSection(*group, HelpSection::Activity,
                   QStringLiteral("The current work activity: its work zone, how long the work "
                                  "takes, the years to the next activity and its agency costs."));

    QHBoxLayout* current = Row();
    AddNumberPair(build, *current, F::ActivityAlternative, F::CurrentActivity);
    current->addWidget(
        build.Button(QStringLiteral("Next Work Activity"), FormButton::NextWorkActivity));
    current->addStretch(1);
    grid->addLayout(current, 0, 0, 1, 4);

    QHBoxLayout* copy = Row();
    copy->addWidget(
        build.Button(QStringLiteral("Copy Another Work Activity"), FormButton::CopyWorkActivity));
    copy->addSpacing(12);
    AddNumberPair(build, *copy, F::CopyFromAlternative, F::CopyFromActivity);
    copy->addStretch(1);
    grid->addLayout(copy, 1, 0, 1, 4);

    QHBoxLayout* description = Row();
    description->addWidget(Text(QStringLiteral("Description:")));
    description->addWidget(build.WideBox(F::ActivityDescription), 1);
    description->addSpacing(12);
    description->addWidget(build.List(F::ActivityUserCostMode, UserCostModeEntries()));
    grid->addLayout(description, 2, 0, 1, 4);

    build.BoxColumn(
        *grid, 4, 0,
        {{label::WorkZoneLength, F::WorkZoneLength, "miles"},
         {label::WorkZoneSpeedLimit, F::WorkZoneSpeedLimit, "mph"},
         {label::WorkZoneDissipationCapacity, F::WorkZoneDissipationCapacity, "veh/hour/lane"},
         {label::WorkZoneCapacity, F::WorkZoneCapacity, "veh/hour/lane"},
         {label::WorkZoneLanes, F::WorkZoneLanes, "(open in each direction)"},
         {label::RequiredTime, F::RequiredTime, "hours"},
         {label::RequiredTimeVariability, F::RequiredTimeVariability, "%"},
         {label::ActivityYear, F::ActivityYear}});
    grid->addWidget(YearsToNextGroup(build), 12, 0, 1, 4);

    QHBoxLayout* buttons = Row();
    buttons->addWidget(build.Button(QStringLiteral("Bid Item Costs"), FormButton::BidItemCosts));
    buttons->addWidget(build.Button(QStringLiteral("Time Related Costs"),
                                    forms::MainFormControl::TimeRelatedCostsButton));
    buttons->addWidget(build.Button(QStringLiteral("Work Zone Timing and Costs"),
                                    forms::MainFormControl::WorkZoneTimingButton));
    buttons->addStretch(1);
    grid->addLayout(buttons, 13, 0, 1, 4);

    QHBoxLayout* variability = Row();
    variability->addWidget(Text(QString::fromLatin1(label::AgencyCostVariability)));
    variability->addWidget(Text(QStringLiteral("+/-")));
    variability->addWidget(build.Box(F::AgencyCostVariability));
    variability->addWidget(Text(QStringLiteral("%")));
    variability->addStretch(1);
    grid->addLayout(variability, 14, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return group;
}

} // namespace wexa::ui
