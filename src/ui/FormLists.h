#pragma once

#include "model/FieldLabels.h"

#include <QStringList>

#include <array>
#include <string_view>

namespace wexa::ui {

// A list of FieldLabels as the toolkit takes it.
template <std::size_t N> QStringList ListEntries(const std::array<std::string_view, N>& entries) {
    QStringList list;
    for (const std::string_view entry : entries) {
        list.append(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    return list;
}

// The entries of the main form's drop-down lists; a field holds the position
// of its entry.
inline QStringList DistributionKindEntries() {
    return ListEntries(FieldLabel::DistributionKinds);
}
inline QStringList TrafficTypeEntries() {
    return ListEntries(FieldLabel::TrafficTypes);
}
inline QStringList TerrainEntries() {
    return ListEntries(FieldLabel::Terrains);
}
inline QStringList UserCostModeEntries() {
    return ListEntries(FieldLabel::UserCostModes);
}
inline QStringList GraphPlotModeEntries() {
    return {QStringLiteral("Plot All Alternatives"), QStringLiteral("Plot One Alternative")};
}
inline QStringList GraphCostTypeEntries() {
    return {QStringLiteral("Agency Costs"), QStringLiteral("Work Zone User Costs"),
            QStringLiteral("Total Costs")};
}

} // namespace wexa::ui
