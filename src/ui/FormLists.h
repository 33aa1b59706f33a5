#pragma once

#include "model/FieldLabels.h"

#include <QStringList>

namespace wexa::ui {

// The entries of the main form's drop-down lists; a field holds the position
// of its entry.
inline QStringList DistributionKindEntries() {
    return {QStringLiteral("Normal"), QStringLiteral("Truncated Normal"), QStringLiteral("Uniform"),
            QStringLiteral("Triangular"), QStringLiteral("Deterministic")};
}
inline QStringList TrafficTypeEntries() {
    return {QStringLiteral("Rural"), QStringLiteral("Urban"), QStringLiteral("Specific")};
}
inline QStringList TerrainEntries() {
    return {QStringLiteral("Level"), QStringLiteral("Rolling"), QStringLiteral("Mountainous")};
}
inline QStringList UserCostModeEntries() {
    return {QString::fromLatin1(FieldLabel::UserCostModes[0]),
            QString::fromLatin1(FieldLabel::UserCostModes[1])};
}
inline QStringList GraphPlotModeEntries() {
    return {QStringLiteral("Plot All Alternatives"), QStringLiteral("Plot One Alternative")};
}
inline QStringList GraphCostTypeEntries() {
    return {QStringLiteral("Agency Costs"), QStringLiteral("Work Zone User Costs"),
            QStringLiteral("Total Costs")};
}

} // namespace wexa::ui
