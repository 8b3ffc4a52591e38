#include "core/forms/graph_form.h"

#include <algorithm>
#include <cmath>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

constexpr const char* kTablesPrintCaption = AMX_TEXT("&To Printer");
constexpr const char* kComparisonPrintCaption = AMX_TEXT("&Printer");
// %1 the currency symbol.
constexpr const char* kValueAxisTitle = AMX_TEXT("Value %1");
// A tables bar's tip: %1 the year.
constexpr const char* kYearLabel = AMX_TEXT("Year %1");
// %1 the bar's label, %2 its value.
constexpr const char* kBarTip = AMX_TEXT("%1: %2");

// The number of bars: a single point is drawn beside an empty second one.
std::size_t BarCount(const GraphData& data) {
    if (data.count <= 0) return 0;
    return data.count == 1 ? 2 : static_cast<std::size_t>(data.count);
}

const GraphPoint& PointAt(const GraphData& data, std::size_t i) {
    static const GraphPoint kEmpty{};
    return i < data.points.size() ? data.points[i] : kEmpty;
}

}  // namespace

ChartData TablesChart(const GraphData& data, std::string_view currencySymbol, const Catalogue& words) {
    ChartData chart;
    chart.title = words.Text(data.title);
    chart.currencySymbol = currencySymbol;
    chart.kinds = kTablesGraphKinds;
    chart.printCaption = kTablesPrintCaption;
    for (std::size_t i = 0; i < BarCount(data); ++i) {
        const GraphPoint& p = PointAt(data, i);
        chart.labels.push_back(p.label.empty() ? FormatNumber(p.labelNumber, kCountMask) : p.label);
        chart.values.push_back(p.value);
    }
    return chart;
}

ChartData ComparisonChart(const GraphData& data, std::string_view currencySymbol, const Catalogue& words) {
    ChartData chart;
    chart.title = words.Text(data.title);
    chart.valueAxisTitle = Fill(words.Text(kValueAxisTitle), {currencySymbol});
    chart.labelsInLegend = true;
    chart.currencySymbol = currencySymbol;
    chart.kinds = kComparisonGraphKinds;
    chart.printCaption = kComparisonPrintCaption;
    for (std::size_t i = 0; i < BarCount(data); ++i) {
        const GraphPoint& p = PointAt(data, i);
        chart.labels.push_back(p.label);
        chart.values.push_back(p.value);
    }
    return chart;
}

ValueAxisTicks MoneyAxis(double largestValue, std::string_view currencySymbol) {
    ValueAxisTicks axis;
    const double top = std::isfinite(largestValue) && largestValue > 0 ? largestValue : 1.0;
    // A step of 1, 2 or 5 times a power of ten giving at most eight intervals.
    const double magnitude = std::pow(10.0, std::floor(std::log10(top / 8.0)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        axis.step = factor * magnitude;
        if (top / axis.step <= 8.0) break;
    }
    const int intervals = static_cast<int>(std::ceil(top / axis.step - 1e-9));
    axis.max = axis.step * std::max(intervals, 1);
    const bool cents = axis.step < 1.0;
    for (int i = 0; i <= std::max(intervals, 1); ++i) {
        const double v = axis.step * i;
        axis.values.push_back(v);
        axis.labels.push_back(MoneyText(currencySymbol, v, cents ? "#,##0.00" : "#,##0"));
    }
    return axis;
}

std::string BarToolTip(const ChartData& chart, int bar, const Catalogue& words) {
    if (bar < 0 || static_cast<std::size_t>(bar) >= chart.values.size()) return {};
    const std::size_t i = static_cast<std::size_t>(bar);
    std::string label = chart.labels[i];
    if (!chart.labelsInLegend && !label.empty()) label = Fill(words.Text(kYearLabel), {label});
    if (label.empty()) return {};
    return Fill(words.Text(kBarTip), {label, MoneyText(chart.currencySymbol, chart.values[i], "#,##0.00")});
}

}  // namespace amortix
