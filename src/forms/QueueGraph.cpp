#include "forms/QueueGraph.h"

#include <cstdio>

namespace wexa::forms {

QueueGraphContent MakeQueueGraph(const std::string& projectDescription, int alternative,
                                 int activity, const PerHour<double>& inboundMiles,
                                 const PerHour<double>& outboundMiles) {
    // Two numbers of at most 11 characters each fit with room to spare.
    char subtitle[48];
    std::snprintf(subtitle, sizeof subtitle, "Alt %d - WZ %d", alternative, activity);
    return QueueGraphContent{
        projectDescription,
        "Hour of Day",
        "Queue Length, miles",
        subtitle,
        "0.0",
        {QueueGraphSeries{"Inbound", inboundMiles}, QueueGraphSeries{"Outbound", outboundMiles}}};
}

} // namespace wexa::forms
