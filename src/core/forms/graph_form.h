#pragma once
// What the graph windows draw: the bars of a tables schedule (the balance at
// the start of each year) or of a comparison (each row's total interest),
// with every text the window shows. The window only paints this.

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/schedule.h"

namespace amortix {

// The drawing a graph window shows; the codes the window keeps in GraphKind.
struct GraphKinds {
    int flat = 3;
    int depth = 5;
};
inline constexpr GraphKinds kTablesGraphKinds{3, 5};
inline constexpr GraphKinds kComparisonGraphKinds{6, 7};

struct ChartData {
    std::string title;
    std::string valueAxisTitle;       // empty: the axis has no title
    bool labelsInLegend = false;      // comparison: one legend entry a bar
    std::vector<std::string> labels;  // category labels or legend texts, one a bar
    std::vector<double> values;       // one a bar
    std::string currencySymbol;
    GraphKinds kinds;
    std::string printCaption;  // the print button's caption, in English: the button translates it
};

// The tables graph: the year numbers as category labels, the balances at the
// start of years 1..N (a one-year schedule shows years 1 and 2).
ChartData TablesChart(const GraphData& data, std::string_view currencySymbol,
                      const Catalogue& words = EnglishCatalogue());
// The comparison graph: "Row  n" legend texts and each row's total interest;
// a single row shows a second, empty bar. The value axis is titled "Value "
// and the currency symbol.
ChartData ComparisonChart(const GraphData& data, std::string_view currencySymbol,
                          const Catalogue& words = EnglishCatalogue());

// The value axis: from 0 to `max` in steps of `step`, with a money label for
// each tick (symbol, thousands separators, no cents).
struct ValueAxisTicks {
    double max = 1.0;
    double step = 1.0;
    std::vector<double> values;
    std::vector<std::string> labels;
};
ValueAxisTicks MoneyAxis(double largestValue, std::string_view currencySymbol);

// The text shown while the pointer rests on a bar: its label and exact value.
std::string BarToolTip(const ChartData& chart, int bar, const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
