#!/usr/bin/env python3
"""Writes the projects on which the Linux and the Windows builds must agree.

Each is a JSON file of the fields that differ from a new project's, for
`wexa-cli import`: deterministic and probabilistic runs of one to four
alternatives, every kind of distribution, queueing and free-flowing work
zones, zones across midnight and all day, excluded user costs. The same seed
gives the same files; they are kept in tests/data/agreement.

Usage: scripts/make-agreement-projects.py DEFAULTS.json OUTPUT-FOLDER
(DEFAULTS.json: `wexa-cli new` and then `wexa-cli show --json` of it.)
"""
import json
import random
import sys

COUNT = 60


def project(r, defaults, index):
    d = json.loads(json.dumps(defaults))
    d["ProjectDescription"] = f"Agreement project {index}"
    d["AnalysisType"] = 1 if index % 3 == 0 else 0
    d["AnalysisPeriod"] = r.choice([20, 30, 35, 40])
    d["NumberOfLanes"] = r.choice([1, 2, 3])
    d["ServiceFlowRate"] = round(r.uniform(1500, 2200) * d["NumberOfLanes"], 1)
    d["BaseYearAADT"] = r.choice([4000, 12000, 25000, 42000, 60000])
    d["MaximumAADT"] = d["BaseYearAADT"] * r.choice([2, 3])
    d["PercentTrucks"] = r.choice([5.0, 10.0, 18.0])
    d["PercentSUTrucks"] = round(d["PercentTrucks"] * 0.4, 1)
    d["PercentCUTrucks"] = round(d["PercentTrucks"] - d["PercentSUTrucks"], 1)
    d["PostedSpeedLimit"] = r.choice([45, 55, 65])
    d["TrafficType"] = r.choice([0, 1])
    for name, low, high in (("DiscountRate", 1.0, 7.0), ("TrafficGrowth", 0.0, 5.0)):
        # Quarters, so that a normal's mean lies exactly midway, as the
        # checks require.
        mean = r.randint(int(low * 4) + 4, int(high * 4)) / 4
        spread = r.randint(1, 4) / 4
        d[name + "Kind"] = r.choice([0, 1, 2, 3, 4])
        d[name + "Min"] = mean - spread
        d[name + "Mean"] = mean
        d[name + "Max"] = mean + spread
    alternatives = r.randint(1, 4)
    d["NumberOfAlternatives"] = alternatives
    for a in range(4):
        count = r.randint(1, 10) if a < alternatives else d["AlternativeActivityCount"][a]
        d["AlternativeActivityCount"][a] = count
        years = d["AnalysisPeriod"] / count
        for j in range(count if a < alternatives else 0):
            s = a * 10 + j
            kind = r.choice([4, 4, 0, 1, 2, 3])
            expected = max(1, round(years + r.choice([0, 0, 1])))
            d["ActivityYearsKind"][s] = kind
            d["ActivityYearsExpected"][s] = expected
            spread = r.randint(0, min(3, expected))
            d["ActivityYearsMin"][s] = expected - spread
            d["ActivityYearsMax"][s] = expected + spread
            d["ActivityBidItemTotal"][s] = float(r.randrange(50_000, 2_000_000, 1000))
            d["ActivityAgencyCostVariability"][s] = r.choice([0.0, 5.0, 15.0])
            d["ActivityRequiredTime"][s] = r.randint(8, 900)
            d["ActivityTimeVariability"][s] = r.choice([0.0, 10.0, 25.0])
            start = r.randint(0, 23)
            hours = r.choice([6, 8, 10, 12, 24])
            d["ActivityStartHour"][s] = start
            d["ActivityHoursInEffect"][s] = hours
            d["ActivityStopHour"][s] = (start + hours) % 24
            d["ActivityMobilizationHours"][s] = r.choice([0, 1, 2])
            d["ActivityWorkZoneLanes"][s] = r.randint(1, d["NumberOfLanes"])
            d["ActivityWorkZoneCapacity"][s] = float(r.choice([1100, 1260, 1450]))
            d["ActivityDissipationCapacity"][s] = float(r.choice([1500, 1800, 2000]))
            d["ActivityWorkZoneLength"][s] = round(r.uniform(0.3, 4.0), 2)
            d["ActivityWorkZoneSpeed"][s] = r.choice([25, 35, 45])
            d["ActivityInboundPercent"][s] = r.choice([0.0, 50.0, 100.0, 100.0])
            d["ActivityOutboundPercent"][s] = r.choice([0.0, 50.0, 100.0, 100.0])
            d["ActivityUserCostModes"][s] = r.choice([0, 0, 0, 1])
            for row in range(3):
                d["TimeItemUnitPrices"][s * 3 + row] = float(r.choice([0, 250, 1200, 5000]))
    return d


def main():
    defaults = json.load(open(sys.argv[1]))
    folder = sys.argv[2]
    r = random.Random(2026)
    for index in range(1, COUNT + 1):
        d = project(r, defaults, index)
        sparse = {k: v for k, v in d.items() if defaults.get(k) != v}
        with open(f"{folder}/project-{index:02d}.json", "w") as out:
            json.dump(sparse, out, sort_keys=True)
            out.write("\n")


main()
