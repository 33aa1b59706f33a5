#include "cli/CliOutput.h"
#include "cli/OptionalJson.h"
#include "cli/ResultNames.h"
#include "cli/SensitivityOutput.h"

#include <string>

namespace wexa::cli {
namespace {

using nlohmann::ordered_json;

ordered_json OutcomeToJson(const CaseOutcome& outcome, int alternatives) {
    ordered_json array = ordered_json::array();
    for (int a = 0; a < alternatives; ++a) {
        ordered_json alternative = ordered_json::object();
        alternative["number"] = a + 1;
        alternative["status"] = StatusName(outcome.Status[a]);
        for (const CostKind kind : kAllCostKinds) {
            alternative[CostKindKey(kind)] = OrNull(ValidNpv(outcome, kind, a));
        }
        array.push_back(std::move(alternative));
    }
    return array;
}

ordered_json BreakEvensToJson(const RateSensitivity& rates) {
    ordered_json array = ordered_json::array();
    for (const PairBreakEvens& pair : rates.Pairs) {
        for (const BreakEven& change : pair.Changes) {
            array.push_back({{"a", pair.A + 1},
                             {"b", pair.B + 1},
                             {"kind", CostKindKey(pair.Kind)},
                             {"rate", change.Rate},
                             {"low", change.Low},
                             {"high", change.High},
                             {"tie", change.Tie},
                             {"cheaperBelow", change.CheaperBelow + 1},
                             {"cheaperAbove", change.CheaperAbove + 1}});
        }
    }
    return array;
}

ordered_json RatesToJson(const RateSensitivity& rates) {
    ordered_json json = ordered_json::object();
    json["from"] = rates.Range.From;
    json["to"] = rates.Range.To;
    json["step"] = rates.Range.Step;
    ordered_json points = ordered_json::array();
    for (const RatePoint& point : rates.Points) {
        points.push_back(
            {{"rate", point.Rate}, {"alternatives", OutcomeToJson(point, rates.Alternatives)}});
    }
    json["points"] = std::move(points);
    json["breakEven"] = BreakEvensToJson(rates);
    return json;
}

// A refused input's outcomes were never filled in: no status to tell.
ordered_json SideStatus(const TornadoBar& bar, const CaseOutcome& side, int alternative) {
    if (bar.Status == TornadoStatus::Refused) {
        return nullptr;
    }
    return StatusName(side.Status[alternative]);
}

ordered_json InputToJson(const TornadoBar& bar, int alternatives) {
    ordered_json json = ordered_json::object();
    json["name"] = bar.Input.Name;
    json["unit"] = bar.Input.Unit;
    json["low"] = bar.Input.Low;
    json["expected"] = bar.Input.Expected;
    json["high"] = bar.Input.High;
    ordered_json totals = ordered_json::array();
    for (int a = 0; a < alternatives; ++a) {
        totals.push_back({{"number", a + 1},
                          {"totalLow", OrNull(TornadoTotal(bar, bar.AtLow, a))},
                          {"totalHigh", OrNull(TornadoTotal(bar, bar.AtHigh, a))},
                          {"statusLow", SideStatus(bar, bar.AtLow, a)},
                          {"statusHigh", SideStatus(bar, bar.AtHigh, a)}});
    }
    json["alternatives"] = std::move(totals);
    json["differenceLow"] = OrNull(bar.DifferenceLow);
    json["differenceHigh"] = OrNull(bar.DifferenceHigh);
    json["status"] = TornadoStatusName(bar.Status);
    if (!bar.Refusal.empty()) {
        std::string message;
        for (const CheckFailure& failure : bar.Refusal) {
            message +=
                (message.empty() ? "" : "\n") + RefusalText(failure.Caption, failure.Message);
        }
        json["message"] = message;
    }
    return json;
}

ordered_json TornadoToJson(const Tornado& tornado) {
    ordered_json json = ordered_json::object();
    json["pair"] = ordered_json::array();
    if (tornado.Pair) {
        json["pair"] = {(*tornado.Pair)[0] + 1, (*tornado.Pair)[1] + 1};
    }
    json["swing"] = tornado.SwingPercent;
    json["base"] = OutcomeToJson(tornado.Base, tornado.Alternatives);
    json["baseDifference"] = OrNull(tornado.BaseDifference);
    ordered_json inputs = ordered_json::array();
    for (const TornadoBar& bar : tornado.Bars) {
        inputs.push_back(InputToJson(bar, tornado.Alternatives));
    }
    json["inputs"] = std::move(inputs);
    return json;
}

} // namespace

ordered_json SensitivityToJson(const Sensitivity& sensitivity) {
    ordered_json json = ordered_json::object();
    json["rates"] = RatesToJson(sensitivity.Rates);
    json["tornado"] = TornadoToJson(sensitivity.Tornado);
    return json;
}

} // namespace wexa::cli
