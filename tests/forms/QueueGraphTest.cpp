#include "forms/QueueGraph.h"

#include <gtest/gtest.h>

#include <climits>

namespace wexa::forms {
namespace {

TEST(QueueGraphTest, CarriesTheTitlesLegendsAndBothSeries) {
    PerHour<double> inbound{};
    PerHour<double> outbound{};
    for (int h = 0; h < kHoursPerDay; ++h) {
        inbound[h] = 0.1 * h;
        outbound[h] = 2.5 - 0.1 * h;
    }
    const QueueGraphContent graph = MakeQueueGraph("Route 9 overlay", 3, 10, inbound, outbound);
    EXPECT_EQ(graph.Title, "Route 9 overlay");
    EXPECT_EQ(graph.CategoryAxisTitle, "Hour of Day");
    EXPECT_EQ(graph.ValueAxisTitle, "Queue Length, miles");
    EXPECT_EQ(graph.Subtitle, "Alt 3 - WZ 10");
    EXPECT_EQ(graph.NumberFormat, "0.0");
    EXPECT_EQ(graph.Series[0].Legend, "Inbound");
    EXPECT_EQ(graph.Series[1].Legend, "Outbound");
    EXPECT_EQ(graph.Series[0].Miles, inbound);
    EXPECT_EQ(graph.Series[1].Miles, outbound);
}

TEST(QueueGraphTest, AnyNumbersFitTheSubtitle) {
    const QueueGraphContent graph = MakeQueueGraph("", INT_MIN, INT_MAX, {}, {});
    EXPECT_EQ(graph.Subtitle, "Alt -2147483648 - WZ 2147483647");
}

} // namespace
} // namespace wexa::forms
