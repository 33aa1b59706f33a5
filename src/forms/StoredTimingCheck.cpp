#include "forms/StoredTimingCheck.h"

#include "forms/FormText.h"
#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"
#include "simulation/ProjectChecks.h"

namespace wexa::forms {

namespace {

bool HasPricedPerDayItem(const Project& p, int slot) {
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        const int item = TimeItemSlot(slot, row);
        // Every unit but the hour is priced by the day.
        if (p.TimeItemUnits[item] != kPerHour && p.TimeItemUnitPrices[item] != 0.0) {
            return true;
        }
    }
    return false;
}

// What the dialog computes on the stored timing; false when it refuses to.
bool Evaluate(const Project& p, StaleTiming& activity) {
    WorkZoneTimingDialog dialog(
        WorkZoneDialogInputs::FromStoredActivity(p, activity.Alternative, activity.Activity));
    NoticeCollector unseen; // the gridlock notice: a total of -1 says as much
    dialog.Open(unseen);
    if (dialog.Refusal()) {
        return false;
    }
    activity.DialogDays = dialog.Days();
    activity.DialogUserCost = dialog.Breakdown().Total;
    return true;
}

std::string Days(Int32 days) {
    return FormatInteger(days) + (days == 1 ? " day" : " days");
}

std::string Dollars(double cost) {
    return "$" + FormatReal(cost);
}

} // namespace

std::vector<StaleTiming> FindStaleTimings(const Project& p) {
    std::vector<StaleTiming> stale;
    if (CheckUsedStructure(p)) {
        return stale;
    }
    ForEachPricedActivity(p, [&](int alternative, int activity) {
        const int slot = ActivitySlot(alternative, activity);
        StaleTiming found;
        found.Alternative = alternative;
        found.Activity = activity;
        found.StoredDays = p.ActivityDaysToComplete[slot];
        found.StoredUserCost = p.ActivityWorkZoneUserCost[slot];
        found.PerDayItemsUnpriced = found.StoredDays == 0 && HasPricedPerDayItem(p, slot);
        found.OutOfDate = Evaluate(p, found) && (found.DialogDays != found.StoredDays ||
                                                 found.DialogUserCost != found.StoredUserCost);
        if (found.PerDayItemsUnpriced || found.OutOfDate) {
            stale.push_back(found);
        }
    });
    return stale;
}

std::vector<std::string> DescribeStaleTimings(const std::vector<StaleTiming>& stale) {
    std::vector<std::string> lines;
    for (const StaleTiming& s : stale) {
        std::string line = ActivityPlace(s.Alternative, s.Activity);
        if (s.PerDayItemsUnpriced) {
            line += "0 days to complete are stored, so its per-day time-related costs add "
                    "nothing to the agency cost";
            line += s.OutOfDate ? "; " : ".";
        }
        if (s.OutOfDate) {
            line += std::string(s.PerDayItemsUnpriced ? "its" : "Its") +
                    " stored work zone timing gives " + Days(s.DialogDays) +
                    " and a work zone user cost of " + Dollars(s.DialogUserCost) + ", but " +
                    Days(s.StoredDays) + " and " + Dollars(s.StoredUserCost) + " are stored.";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string StaleTimingQuestion(const std::vector<StaleTiming>& stale) {
    const std::vector<std::string> lines = DescribeStaleTimings(stale);
    std::string question;
    for (std::size_t i = 0; i < lines.size() && i < kStaleTimingsNamed; ++i) {
        question += lines[i] + "\n";
    }
    if (lines.size() > kStaleTimingsNamed) {
        const std::size_t more = lines.size() - kStaleTimingsNamed;
        question += "and " + std::to_string(more) +
                    (more == 1 ? " more activity.\n" : " more activities.\n");
    }
    return question + "\n" + kStaleTimingAdvice + "\n\nRun the analysis anyway?";
}

} // namespace wexa::forms
