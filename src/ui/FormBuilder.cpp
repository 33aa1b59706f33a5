#include "ui/FormBuilder.h"

#include "model/DistributionCaptions.h"
#include "ui/BoxLook.h"
#include "ui/FormLists.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace wexa::ui {

namespace {

// Hiding a box must not move its neighbours: the labels stay where they are.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

using F = forms::FormField;

struct DistributionControls {
    std::array<F, 3> Captions;
    std::array<F, 3> Boxes;
    F Kind;
};

DistributionControls ControlsOf(forms::Distribution distribution) {
    switch (distribution) {
    case forms::Distribution::DiscountRate:
        return {{F::DiscountRateCaptionFirst, F::DiscountRateCaptionMiddle,
                 F::DiscountRateCaptionThird},
                {F::DiscountRateMin, F::DiscountRateMean, F::DiscountRateMax},
                F::DiscountRateKind};
    case forms::Distribution::TrafficGrowth:
        return {{F::TrafficGrowthCaptionFirst, F::TrafficGrowthCaptionMiddle,
                 F::TrafficGrowthCaptionThird},
                {F::TrafficGrowthMin, F::TrafficGrowthMean, F::TrafficGrowthMax},
                F::TrafficGrowthKind};
    case forms::Distribution::YearsToNext:
        break;
    }
    return {{F::YearsToNextCaptionFirst, F::YearsToNextCaptionMiddle, F::YearsToNextCaptionThird},
            {F::YearsToNextMin, F::YearsToNextExpected, F::YearsToNextMax},
            F::YearsToNextKind};
}

// Pixels between a caption and the next one, beyond the layout's spacing.
constexpr int kCaptionGap = 8;

// The width of the widest caption any kind puts over column `index` (0..2).
int WidestCaptionWidth(const QLabel& caption, int index) {
    int widest = 0;
    for (Int32 kind = kNormal; kind <= kDeterministic; ++kind) {
        if (const auto captions = CaptionsForKind(kind)) {
            const QString text = QString::fromStdString((*captions)[index]);
            widest = std::max(widest, caption.fontMetrics().horizontalAdvance(text));
        }
    }
    return widest;
}

} // namespace

QLineEdit* FormBuilder::Box(forms::FormField field, int chars) {
    if (chars == 0) {
        // Reals get room for more digits than integers.
        chars = forms::InfoOf(field).Kind == forms::FieldKind::Real ? 10 : 8;
    }
    auto* box = new QLineEdit;
    SetWidthInDigits(*box, chars);
    if (!forms::InfoOf(field).UserEditable) {
        MakeReadOnly(*box);
    }
    KeepPlaceWhenHidden(box);
    controls_.BindField(field, box);
    return box;
}

QLineEdit* FormBuilder::WideBox(forms::FormField field) {
    auto* box = new QLineEdit;
    box->setMinimumWidth(QFontMetrics(box->font()).horizontalAdvance(QLatin1Char('0')) * 24);
    controls_.BindField(field, box);
    return box;
}

QComboBox* FormBuilder::List(forms::FormField field, const QStringList& entries) {
    auto* list = new QComboBox;
    list->addItems(entries);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    controls_.BindField(field, list);
    return list;
}

QLabel* FormBuilder::Caption(forms::FormField field) {
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    controls_.BindField(field, label);
    return label;
}

QPushButton* FormBuilder::Button(const QString& text, std::string_view name) {
    auto* button = new QPushButton(text);
    KeepPlaceWhenHidden(button);
    controls_.BindNamed(name, button);
    return button;
}

QLineEdit* FormBuilder::BoxAt(QGridLayout& grid, int row, int column, const QString& label,
                              forms::FormField field, const QString& unit, int chars) {
    QLineEdit* box = Box(field, chars);
    grid.addWidget(Text(label), row, column);
    grid.addWidget(box, row, column + 1);
    if (!unit.isEmpty()) {
        grid.addWidget(Text(unit), row, column + 2);
    }
    return box;
}

void FormBuilder::BoxColumn(QGridLayout& grid, int row, int column,
                            std::initializer_list<BoxLine> lines) {
    for (const BoxLine& line : lines) {
        BoxAt(grid, row++, column, QString::fromUtf8(line.Label), line.Field,
              QString::fromUtf8(line.Unit), line.Chars);
    }
}

void FormBuilder::Distribution(QGridLayout& grid, int row, int column, const QString& title,
                               forms::Distribution distribution, const QString& listLabel) {
    const DistributionControls controls = ControlsOf(distribution);
    grid.addWidget(Text(title), row + 1, column);
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = Caption(controls.Captions[i]);
        QLineEdit* box = Box(controls.Boxes[i], 6);
        // Every kind's caption fits the column with a gap after it, so no
        // caption runs into the next and changing the kind moves neither the
        // captions nor the boxes.
        grid.setColumnMinimumWidth(
            column + 1 + i,
            std::max(box->minimumWidth(), WidestCaptionWidth(*caption, i) + kCaptionGap));
        grid.addWidget(caption, row, column + 1 + i);
        grid.addWidget(box, row + 1, column + 1 + i);
    }
    grid.addWidget(Text(listLabel), row, column + 4);
    grid.addWidget(List(controls.Kind, DistributionKindEntries()), row + 1, column + 4);
}

QGroupBox* GridGroup(const QString& title, QGridLayout*& grid) {
    auto* group = new QGroupBox(title);
    grid = new QGridLayout(group);
    // Tight enough that the whole form fits a 1366 x 768 screen.
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(3);
    return group;
}

QHBoxLayout* Row() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    return row;
}

QLabel* Text(const QString& text) {
    return new QLabel(text);
}

} // namespace wexa::ui
