#include "core/forms/graph_form.h"

#include <gtest/gtest.h>

namespace amortix {
namespace {

GraphData Points(std::int16_t count, std::size_t stored) {
    GraphData data;
    data.title = "t";
    data.count = count;
    for (std::size_t i = 0; i < stored; ++i)
        data.points.push_back({{}, static_cast<double>(i + 1), 1000.0 * static_cast<double>(stored - i)});
    return data;
}

TEST(GraphForm, BarsDrawnForEachCountOfPoints) {
    const struct {
        std::int16_t count;
        std::size_t stored;
        std::size_t bars;
    } cases[] = {{0, 1, 0}, {1, 2, 2}, {2, 3, 2}, {25, 26, 25}, {40, 41, 40}};
    for (const auto& c : cases) {
        const ChartData tables = TablesChart(Points(c.count, c.stored), "$");
        EXPECT_EQ(tables.values.size(), c.bars) << c.count;
        EXPECT_EQ(tables.labels.size(), c.bars);
        if (c.bars > 0) {
            EXPECT_EQ(tables.labels.front(), "1");
            EXPECT_EQ(tables.values.back(), 1000.0 * static_cast<double>(c.stored - c.bars + 1));
        }
    }
}

TEST(GraphForm, ASingleComparisonRowGetsAnEmptySecondBar) {
    GraphData data;
    data.title = " Total mortgage interest paid";
    data.count = 1;
    data.points = {{"Row  1", 0, 175258.1963}};
    const ChartData chart = ComparisonChart(data, "\xC2\xA3");
    ASSERT_EQ(chart.values.size(), 2U);
    EXPECT_EQ(chart.labels, (std::vector<std::string>{"Row  1", ""}));
    EXPECT_EQ(chart.values[1], 0.0);
    EXPECT_EQ(chart.valueAxisTitle, "Value \xC2\xA3");
    EXPECT_EQ(BarToolTip(chart, 0), "Row  1: \u00a3175,258.20");
    EXPECT_EQ(BarToolTip(chart, 1), "");
}

TEST(GraphForm, TheValueAxisCoversTheLargestBarInRoundMoneySteps) {
    const struct {
        double largest;
        double max;
        double step;
        const char* top;
    } cases[] = {
        {100000.0, 100000.0, 20000.0, "$100,000"},
        {215937.4, 250000.0, 50000.0, "$250,000"},
        {3143209876.54, 3500000000.0, 500000000.0, "$3,500,000,000"},
        {0.0, 1.0, 0.2, "$1.00"},
        {7.5, 8.0, 1.0, "$8"},
    };
    for (const auto& c : cases) {
        const ValueAxisTicks axis = MoneyAxis(c.largest, "$");
        EXPECT_DOUBLE_EQ(axis.max, c.max) << c.largest;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.largest;
        EXPECT_EQ(axis.labels.back(), c.top);
        EXPECT_EQ(axis.labels.front(), c.step < 1 ? "$0.00" : "$0");
        EXPECT_LE(axis.values.size(), 9U);
    }
}

}  // namespace
}  // namespace amortix
