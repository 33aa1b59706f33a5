#pragma once

#include "userdelay/QueueDay.h"

#include <array>
#include <string>

namespace wexa::forms {

// What the "Queue Length Graph" shows, as plain data: a line chart of the
// queue length of each direction over the hours of the day. The chart adapter
// turns it into toolkit calls, so the rules stay testable without a display.
struct QueueGraphSeries {
    std::string Legend;
    PerHour<double> Miles{}; // point h is at hour h on the category axis
};

struct QueueGraphContent {
    std::string Title; // the project description
    std::string CategoryAxisTitle;
    std::string ValueAxisTitle;
    std::string Subtitle;                   // "Alt 1 - WZ 2"
    std::string NumberFormat;               // of the value labels
    std::array<QueueGraphSeries, 2> Series; // inbound, then outbound
};

[[nodiscard]] QueueGraphContent MakeQueueGraph(const std::string& projectDescription,
                                               int alternative, int activity,
                                               const PerHour<double>& inboundMiles,
                                               const PerHour<double>& outboundMiles);

} // namespace wexa::forms
