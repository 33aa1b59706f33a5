#include "results/StreamPage.h"

#include "results/CsvText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <sstream>
#include <string>

namespace wexa::forms {
namespace {

constexpr char kDollars[] = "#,##0";
constexpr char kFactor[] = "0.000000";
constexpr char kFraction[] = "0.0";

std::string Dollars(double value) {
    return FormatNumber(value, kDollars);
}

std::string AlternativeName(int number) {
    return "Alternative " + std::to_string(number);
}

bool IsValid(const RecordedAlternative& alternative) {
    return alternative.Status == IterationStatus::Valid;
}

std::string StatusWord(IterationStatus status) {
    return status == IterationStatus::Gridlock ? "gridlock" : "failure";
}

// Why an alternative has no money figure, in the words of its panel.
std::string NoNpvNotice(const RecordedAlternative& alternative) {
    if (alternative.Status == IterationStatus::Gridlock) {
        for (int j = 0; j < alternative.ActivityCount; ++j) {
            if (alternative.Activities[j].Gridlock) {
                return "Activity " + std::to_string(alternative.Activities[j].Activity) +
                       " gridlocks: the alternative has no NPV.";
            }
        }
        return "The alternative gridlocks: it has no NPV.";
    }
    return "The activities end before the analysis period does: the alternative has no NPV.";
}

// The activities of a valid alternative, added up by year.
std::vector<StreamBar> BarsOf(const RecordedAlternative& alternative, StreamValues values) {
    std::map<int, StreamBar> byYear;
    std::map<int, bool> gridlocks;
    for (int j = 0; j < alternative.ActivityCount; ++j) {
        const RecordedActivity& row = alternative.Activities[j];
        const int year = static_cast<int>(row.Year);
        StreamBar& bar = byYear[year];
        bar.Year = year;
        gridlocks[year] = gridlocks[year] || row.Gridlock;
        if (values == StreamValues::PresentValue) {
            bar.Agency += PresentAgency(row);
            bar.User += row.UserPresentValue;
        } else {
            bar.Agency += UndiscountedAgency(row);
            bar.User += row.UserCost;
        }
    }
    std::vector<StreamBar> bars;
    for (auto& [year, bar] : byYear) {
        // A gridlocked activity is costed at its bid items alone: say so
        // where its bar is that short.
        bar.Label = Dollars(bar.Agency + bar.User) + (gridlocks[year] ? " (gridlock)" : "");
        bars.push_back(std::move(bar));
    }
    return bars;
}

StreamPanel PanelOf(int number, const RecordedAlternative& alternative, StreamValues values) {
    StreamPanel panel;
    panel.Alternative = number;
    panel.Title = AlternativeName(number);
    if (!IsValid(alternative)) {
        panel.Notice = NoNpvNotice(alternative);
        return panel;
    }
    panel.Bars = BarsOf(alternative, values);
    if (alternative.Salvage) {
        panel.Salvage = -(values == StreamValues::PresentValue ? alternative.Salvage->PresentValue
                                                               : alternative.Salvage->Amount);
        panel.SalvageLabel = Dollars(panel.Salvage);
    }
    return panel;
}

StreamDiagram DiagramOf(const ExpenditureStream& stream, StreamValues values,
                        const std::string& title) {
    const RunRecord& record = stream.Record;
    StreamDiagram diagram;
    diagram.Title = title;
    diagram.Subtitle =
        std::string(stream.Basis == StreamBasis::BaseCase ? "Base case" : "Deterministic run") +
        (values == StreamValues::PresentValue
             ? ", present value at " + CompactNumber(record.DiscountRate) + " %"
             : ", undiscounted dollars");
    diagram.AnalysisPeriod = record.AnalysisPeriod;
    diagram.YearAxis = NumericAxisOver(0.0, static_cast<double>(record.AnalysisPeriod));
    double low = 0.0;
    double high = 0.0;
    for (int a = 0; a < record.AlternativeCount; ++a) {
        StreamPanel panel = PanelOf(a + 1, record.Alternatives[a], values);
        for (const StreamBar& bar : panel.Bars) {
            high = std::max(high, bar.Agency + bar.User);
        }
        low = std::min(low, panel.Salvage);
        diagram.Panels.push_back(std::move(panel));
    }
    diagram.ValueTicks = ValueAxisTicks(low, high, kDollars);
    return diagram;
}

// The cells of a row from its year to its total present value; empty where
// the row has no such figure.
struct RowFigures {
    std::string Year{};
    std::string BidItems{};
    std::string TimeRelated{};
    std::string Agency{};
    std::string User{};
    std::string Factor{};
    std::string PresentAgency{};
    std::string PresentUser{};
    std::string PresentTotal{};
    [[nodiscard]] std::vector<std::string> Cells() const {
        return {Year,   BidItems,      TimeRelated, Agency,      User,
                Factor, PresentAgency, PresentUser, PresentTotal};
    }
};

void AddRow(TextTable& table, std::string name, const RowFigures& figures) {
    table.RowNames.push_back(std::move(name));
    table.Cells.push_back(figures.Cells());
}

void AddActivity(TextTable& table, const RecordedActivity& row) {
    const std::string number = std::to_string(row.Activity);
    if (row.Gridlock) {
        // Only the bid items are costed once the queue will not clear.
        AddRow(table, number + " (gridlock)",
               {.Year = CompactNumber(row.Year), .BidItems = Dollars(row.BidItemCost)});
        return;
    }
    AddRow(table, number,
           {CompactNumber(row.Year), Dollars(row.BidItemCost), Dollars(row.TimeRelatedCost),
            Dollars(UndiscountedAgency(row)), Dollars(row.UserCost),
            FormatNumber(row.DiscountFactor, kFactor), Dollars(PresentAgency(row)),
            Dollars(row.UserPresentValue), Dollars(PresentTotal(row))});
}

TextTable TableOf(int number, const RecordedAlternative& alternative, int period) {
    TextTable table;
    table.Title = AlternativeName(number);
    if (!IsValid(alternative)) {
        table.Title += ": " + StatusWord(alternative.Status);
    }
    table.Corner = "Activity";
    table.Columns = {"Year",      "Bid Items",      "Time-Related",
                     "Agency",    "Work Zone User", "Discount Factor",
                     "PV Agency", "PV User",        "PV Total"};
    for (int j = 0; j < alternative.ActivityCount; ++j) {
        AddActivity(table, alternative.Activities[j]);
    }
    if (!IsValid(alternative)) {
        const std::string status = StatusWord(alternative.Status);
        AddRow(table, "NPV",
               {.PresentAgency = status, .PresentUser = status, .PresentTotal = status});
        return table;
    }
    if (const auto& salvage = alternative.Salvage) {
        const std::string credit = Dollars(-salvage->PresentValue);
        AddRow(table, "Salvage (" + FormatNumber(100.0 * salvage->Fraction, kFraction) + " %)",
               {.Year = std::to_string(period),
                .Agency = Dollars(-salvage->Amount),
                .Factor = FormatNumber(salvage->DiscountFactor, kFactor),
                .PresentAgency = credit,
                .PresentTotal = credit});
    }
    AddRow(table, "NPV",
           {.PresentAgency = Dollars(static_cast<double>(alternative.AgencyNpv)),
            .PresentUser = Dollars(static_cast<double>(alternative.UserNpv)),
            .PresentTotal = Dollars(static_cast<double>(alternative.TotalNpv))});
    return table;
}

// The shortest digits that read back as `value`.
std::string Exact(double value) {
    std::array<char, 32> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return {digits.data(), result.ptr};
}

} // namespace

StreamPage MakeStreamPage(const ExpenditureStream& stream, StreamValues values,
                          const std::string& title) {
    const RunRecord& record = stream.Record;
    StreamPage page;
    page.Basis = "Basis: " + StreamBasisText(stream.Basis) + ". Discount rate " +
                 CompactNumber(record.DiscountRate) + " %, analysis period " +
                 std::to_string(record.AnalysisPeriod) + " years.";
    page.Diagram = DiagramOf(stream, values, title);
    for (int a = 0; a < record.AlternativeCount; ++a) {
        page.Tables.push_back(TableOf(a + 1, record.Alternatives[a], record.AnalysisPeriod));
    }
    return page;
}

KeptStream StreamOfRun(const KeptRun* run) {
    KeptStream kept;
    if (run == nullptr) {
        kept.Notice = kNoStreamNotice;
        return kept;
    }
    kept.Title = run->Title();
    auto stream = std::make_unique<ExpenditureStream>();
    if (const auto refusal =
            RecordExpenditureStream(run->Inputs(), run->Seed(), nullptr, *stream)) {
        kept.Notice = "The expenditure stream could not be worked out";
        kept.Notice += refusal->Messages.empty() ? "." : ": " + refusal->Messages.back().Message;
        return kept;
    }
    kept.Stream = std::move(stream);
    return kept;
}

StreamPage MakeStreamPage(const KeptStream& kept, StreamValues values) {
    if (kept.Stream) {
        return MakeStreamPage(*kept.Stream, values, kept.Title);
    }
    StreamPage page;
    page.Diagram.Title = kept.Title;
    page.Diagram.Notice = kept.Notice;
    return page;
}

std::string StreamBasisText(StreamBasis basis) {
    return basis == StreamBasis::BaseCase
               ? "base case (every input at its middle value, no variability)"
               : "deterministic run";
}

std::vector<std::vector<std::string>> YearRows(const ExpenditureStream& stream,
                                               std::string (*format)(double)) {
    static constexpr std::array<const char*, 6> kTitles{"Agency",    "User",    "Total",
                                                        "PV agency", "PV user", "PV total"};
    const std::vector<int> valid = ValidAlternatives(stream.Record);
    std::vector<std::vector<std::string>> rows{{"Year"}};
    for (const int number : valid) {
        for (const char* title : kTitles) {
            rows[0].push_back("Alt " + std::to_string(number) + " " + title);
        }
    }
    for (std::size_t year = 0; year < stream.Years.size(); ++year) {
        std::vector<std::string> cells{std::to_string(year)};
        for (const int number : valid) {
            for (const double value : InColumnOrder(stream.Years[year][number - 1])) {
                cells.push_back(format(value));
            }
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::string StreamCsv(const ExpenditureStream& stream) {
    std::ostringstream csv;
    for (const auto& row : YearRows(stream, Exact)) {
        WriteCsvLine(csv, row.front(), {row.begin() + 1, row.end()});
    }
    return csv.str();
}

} // namespace wexa::forms
