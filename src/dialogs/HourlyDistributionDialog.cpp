#include "dialogs/HourlyDistributionDialog.h"

#include "dialogs/HourlyDistributionDialogText.h"
#include "model/PathText.h"
#include "model/RoundValue.h"

namespace wexa::forms {

namespace control = HourlyDistributionControl;

namespace {

// The 24 shares summed in hour order.
double SumOfShares(const HourlyTable& shares) {
    double sum = shares[0];
    for (int h = 1; h < kHours; ++h) {
        sum += shares[h];
    }
    return sum;
}

} // namespace

void RoundValueSmallToZero(double& value) {
    RoundValue(value, 1);
    if (value > -0.01 && value < 0.01) {
        value = 0.0;
    }
}

HourlyDistributionDialog::HourlyDistributionDialog(const HourlyTrafficDistribution& table)
    : TableDialog(table) {
    WriteBoxes();
}

void HourlyDistributionDialog::LeaveInbound(int hour, FormEffects& effects) {
    if (hour < 0 || hour >= kHours) {
        return;
    }
    Handle(effects, [&](bool /*allRead*/) {
        double& inbound = EditValues().HourlyInboundPercent[hour];
        double& outbound = EditValues().HourlyOutboundPercent[hour];
        if (!(inbound >= 0.0) || inbound > 100.0) {
            Refuse(effects, HourlyDistributionMessage::Inbound, control::Inbound(hour));
            inbound = 0.0;
        }
        outbound = 100.0 - inbound;
        RoundValueSmallToZero(inbound);
        RoundValueSmallToZero(outbound);
    });
}

void HourlyDistributionDialog::SumAADT(FormEffects& effects) {
    Handle(effects, [this](bool /*allRead*/) {
        total_ = SumOfShares(Values().HourlyAADTPercent);
        offBy_ = 100.0 - total_;
        RoundValueSmallToZero(total_);
        RoundValueSmallToZero(offBy_);
        summed_ = true;
    });
}

bool HourlyDistributionDialog::PressOk(FormEffects& effects) {
    bool confirmed = false;
    Handle(effects, [&](bool allRead) {
        if (!allRead) {
            return;
        }
        const double sum = SumOfShares(Values().HourlyAADTPercent);
        // Written so that a sum that is not a number is refused too.
        confirmed = sum >= 99.99 && sum <= 100.01;
        if (!confirmed) {
            Refuse(effects, HourlyDistributionMessage::Sum, control::AADT(0));
        }
    });
    return confirmed;
}

void HourlyDistributionDialog::SaveDistribution(FormEffects& effects) {
    Handle(effects, [&](bool allRead) {
        if (!allRead) {
            return;
        }
        const auto path = effects.AskFileName(FileRequest(false));
        if (!path) {
            return;
        }
        const FileResult written = WriteDistributionFile(PathFromText(*path), Values());
        if (!written) {
            effects.ShowMessage(written.Message, HourlyDistributionMessage::SaveFailedCaption,
                                MessageIcon::Exclamation);
        }
    });
}

void HourlyDistributionDialog::ImportDistribution(FormEffects& effects) {
    Handle(effects, [&](bool allRead) {
        if (!allRead) {
            return;
        }
        const auto path = effects.AskFileName(FileRequest(true));
        if (!path) {
            return;
        }
        const FileResult read = ReadDistributionFile(PathFromText(*path), EditValues());
        if (!read) {
            effects.ShowMessage(read.Message, kDistributionImportCaption, MessageIcon::Exclamation);
            return;
        }
        // The shown sum was of the table the file replaced.
        summed_ = false;
    });
}

FileNameRequest HourlyDistributionDialog::FileRequest(bool importing) {
    return {.InitialName = std::string(kDistributionInitialName),
            .Filters = ParseFileFilter(kDistributionFileFilter),
            .MustExist = importing,
            .ConfirmOverwrite = !importing,
            .DefaultSuffix = {}};
}

void HourlyDistributionDialog::ReadBoxes(BoxReader& reader) {
    HourlyTrafficDistribution& table = EditValues();
    for (int h = 0; h < kHours; ++h) {
        const HourlyDistributionBoxes::Row& row = Boxes().Rows[h];
        reader.Read(row.AADT, table.HourlyAADTPercent[h], control::AADT(h));
        reader.Read(row.Inbound, table.HourlyInboundPercent[h], control::Inbound(h));
    }
}

void HourlyDistributionDialog::WriteBoxes() {
    const HourlyTrafficDistribution& table = Values();
    HourlyDistributionBoxes& boxes = Boxes();
    for (int h = 0; h < kHours; ++h) {
        boxes.Rows[h] = {BoxText(table.HourlyAADTPercent[h]),
                         BoxText(table.HourlyInboundPercent[h]),
                         BoxText(table.HourlyOutboundPercent[h])};
    }
    boxes.Total = summed_ ? BoxText(total_) : std::string();
    boxes.OffBy = summed_ ? BoxText(offBy_) : std::string();
}

} // namespace wexa::forms
