#include "cli/CashflowOutput.h"

#include "cli/ResultNames.h"
#include "cli/TextFormat.h"
#include "results/StreamPage.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

using nlohmann::ordered_json;

constexpr int kCostDecimals = 2;
constexpr int kFactorDecimals = 6;

const char* BasisName(StreamBasis basis) {
    return basis == StreamBasis::BaseCase ? "base case" : "deterministic";
}

bool IsValid(const RecordedAlternative& alternative) {
    return alternative.Status == IterationStatus::Valid;
}

constexpr std::array<const char*, 6> kYearKeys{"agency",        "user",        "total",
                                               "presentAgency", "presentUser", "presentTotal"};

ordered_json PresentValues(double agency, double user, double total) {
    return {{"agency", agency}, {"user", user}, {"total", total}};
}

ordered_json ActivityToJson(const RecordedActivity& row) {
    return {{"activity", row.Activity},
            {"year", static_cast<int>(row.Year)},
            {"status", row.Gridlock ? "gridlock" : "valid"},
            {"bidItemCost", row.BidItemCost},
            {"timeRelatedCost", row.TimeRelatedCost},
            {"userCost", row.UserCost},
            {"discountFactor", row.DiscountFactor},
            {"presentValue",
             PresentValues(PresentAgency(row), row.UserPresentValue, PresentTotal(row))}};
}

ordered_json AlternativeToJson(int number, const RecordedAlternative& alternative) {
    ordered_json activities = ordered_json::array();
    for (int j = 0; j < alternative.ActivityCount; ++j) {
        activities.push_back(ActivityToJson(alternative.Activities[j]));
    }
    const bool valid = IsValid(alternative);
    ordered_json salvage = nullptr;
    if (valid && alternative.Salvage) {
        salvage = {{"fraction", alternative.Salvage->Fraction},
                   {"amount", alternative.Salvage->Amount},
                   {"presentValue", alternative.Salvage->PresentValue}};
    }
    ordered_json npv = nullptr;
    if (valid) {
        npv = {{"agency", alternative.AgencyNpv},
               {"user", alternative.UserNpv},
               {"total", alternative.TotalNpv}};
    }
    return {{"number", number},
            {"status", StatusName(alternative.Status)},
            {"activities", std::move(activities)},
            {"salvage", std::move(salvage)},
            {"npv", std::move(npv)}};
}

std::string Cost(double value) {
    return FormatFixed(value, kCostDecimals);
}

void WriteAlternativeText(std::ostream& out, int number, const RecordedAlternative& alternative) {
    out << "\nAlternative " << number << ": " << StatusName(alternative.Status) << '\n';
    TextTable rows{{"Activity", "Year", "Status", "Bid items", "Time-related", "WZ user",
                    "Discount factor", "PV agency", "PV user", "PV total"}};
    for (int j = 0; j < alternative.ActivityCount; ++j) {
        const RecordedActivity& row = alternative.Activities[j];
        rows.push_back({std::to_string(row.Activity), FormatNumber(row.Year),
                        row.Gridlock ? "gridlock" : "valid", Cost(row.BidItemCost),
                        Cost(row.TimeRelatedCost), Cost(row.UserCost),
                        FormatFixed(row.DiscountFactor, kFactorDecimals), Cost(PresentAgency(row)),
                        Cost(row.UserPresentValue), Cost(PresentTotal(row))});
    }
    WriteTable(out, rows, 1);
    if (!IsValid(alternative)) {
        out << "No NPV: the alternative ends in a " << StatusName(alternative.Status) << ".\n";
        return;
    }
    if (alternative.Salvage) {
        out << "Salvage: fraction " << FormatNumber(alternative.Salvage->Fraction) << ", amount "
            << Cost(alternative.Salvage->Amount) << ", present value "
            << Cost(alternative.Salvage->PresentValue) << '\n';
    }
    out << "NPV: agency " << alternative.AgencyNpv << ", user " << alternative.UserNpv << ", total "
        << alternative.TotalNpv << '\n';
}

} // namespace

ordered_json CashflowToJson(const ExpenditureStream& stream) {
    const RunRecord& record = stream.Record;
    ordered_json alternatives = ordered_json::array();
    for (int a = 0; a < record.AlternativeCount; ++a) {
        alternatives.push_back(AlternativeToJson(a + 1, record.Alternatives[a]));
    }
    const std::vector<int> valid = ValidAlternatives(record);
    ordered_json years = ordered_json::array();
    for (std::size_t year = 0; year < stream.Years.size(); ++year) {
        ordered_json figures = ordered_json::array();
        for (const int number : valid) {
            ordered_json entry{{"number", number}};
            const auto values = InColumnOrder(stream.Years[year][number - 1]);
            for (std::size_t k = 0; k < values.size(); ++k) {
                entry[kYearKeys[k]] = values[k];
            }
            figures.push_back(std::move(entry));
        }
        years.push_back({{"year", year}, {"alternatives", std::move(figures)}});
    }
    return {{"basis", BasisName(stream.Basis)},
            {"discountRate", record.DiscountRate},
            {"analysisPeriod", record.AnalysisPeriod},
            {"alternatives", std::move(alternatives)},
            {"years", std::move(years)}};
}

void WriteCashflowText(std::ostream& out, const std::string& projectPath,
                       const ExpenditureStream& stream) {
    const RunRecord& record = stream.Record;
    out << "Expenditure stream of " << projectPath << '\n';
    out << "Basis: " << forms::StreamBasisText(stream.Basis) << '\n';
    out << "Discount rate: " << FormatNumber(record.DiscountRate)
        << " %, analysis period: " << record.AnalysisPeriod << " years\n";
    for (int a = 0; a < record.AlternativeCount; ++a) {
        WriteAlternativeText(out, a + 1, record.Alternatives[a]);
    }
    out << "\nYear by year (the salvage credit negative in the last year)\n";
    WriteTable(out, forms::YearRows(stream, Cost), 0);
}

} // namespace wexa::cli
