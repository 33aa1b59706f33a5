#pragma once

#include "dialogs/TableDialog.h"
#include "forms/FileNameRequest.h"
#include "forms/FormEffects.h"
#include "model/DistributionFile.h"

#include <array>
#include <string>

namespace wexa::forms {

// RoundValue to two decimals, then a result above -0.01 and below 0.01
// becomes exactly 0, so a sum that is off by a rounding error shows "0" and
// never "-0".
void RoundValueSmallToZero(double& value);

// What the controls hold.
struct HourlyDistributionBoxes {
    struct Row {
        std::string AADT;
        std::string Inbound;
        std::string Outbound; // read-only
    };
    std::array<Row, kHours> Rows;
    std::string Total; // read-only, empty until "Sum AADT"
    std::string OffBy; // read-only, empty until "Sum AADT"
};

// The logic of the "Hourly Traffic Distributions and Directional Split"
// dialog: the share of the AADT in each hour and its split between the two
// directions, their sum, and the table saved to or read from a distribution
// file. Ownership and driving are those of TableDialog.
class HourlyDistributionDialog final
    : public TableDialog<HourlyTrafficDistribution, HourlyDistributionBoxes> {
public:
    // Opening: the 72 values as the project holds them.
    explicit HourlyDistributionDialog(const HourlyTrafficDistribution& table);

    // The "% Inbound" box of an hour (0..23) lost the focus: a value below 0
    // or above 100 is refused (message, focus back, 0 in its place); the
    // outbound share becomes 100 - inbound, both rounded with
    // RoundValueSmallToZero. Nothing for an hour outside 0..23.
    void LeaveInbound(int hour, FormEffects& effects);

    // "Sum AADT": Total is the sum of the 24 shares in hour order, Off By
    // 100 - Total, both rounded with RoundValueSmallToZero.
    void SumAADT(FormEffects& effects);

    // "OK": true when the dialog closes and the window takes the table. The
    // 24 shares must add up to 99.99 .. 100.01; otherwise the message, the
    // focus on the first hour's share, and the dialog stays open. The split
    // is not checked (leaving an inbound box keeps each pair at 100).
    [[nodiscard]] bool PressOk(FormEffects& effects);

    // "Save Distribution": asks for a file (FileRequest(false)) and writes
    // the table as it is, whatever its sum. A failed write is reported with
    // the file's name.
    void SaveDistribution(FormEffects& effects);

    // "Import Distribution": asks for a file (FileRequest(true)) and takes
    // its 72 values as they are, outbound shares included, checking neither
    // sum nor ranges. A file that cannot be read, or does not hold exactly
    // 72 numbers, is refused with a message and the table stays.
    void ImportDistribution(FormEffects& effects);

    // The file dialogs: the name box starts with "*.dst", the types are
    // distribution files and all files, and a name typed without an
    // extension is taken as it is. Saving may choose a new file and asks
    // before an existing one is replaced; importing takes an existing one.
    [[nodiscard]] static FileNameRequest FileRequest(bool importing);

private:
    void ReadBoxes(BoxReader& reader) override;
    void WriteBoxes() override;

    double total_ = 0.0;
    double offBy_ = 0.0;
    bool summed_ = false;
};

} // namespace wexa::forms
