#include "core/calc/comparison.h"

#include <algorithm>

#include "core/calc/repayment.h"
#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

std::string IncreaseText(float increase, int width) {
    return RightJustify(FormatNumber(static_cast<double>(increase * 100.0f), kRowPercentMask), width);
}

// A row's figures are gathered before anything is stored, so a fault leaves
// the comparison as it was; the same figures give the grid cells and the
// printout lines.
Grid1Row RowCells(const ComparisonRowPrint& f) {
    const std::string& symbol = f.currencySymbol;
    std::string retired = f.starred ? "*" : "";
    retired.append(FormatNumber(f.retiredYear, kTwoDecimalsMask));
    std::string payments = FormatNumber(static_cast<double>(f.paymentsPerYear), kCountMask);
    payments.push_back(' ');
    return {FormatNumber(static_cast<double>(f.rowNumber), kRowLabelMask),
            f.daysText,
            f.compounding,
            f.frequency,
            FormatNumber(f.years, kCountMask),
            retired,
            payments,
            MoneyText(symbol, f.principal, kWideMoneyMask),
            FormatNumber(f.ratePercent, kRateMask),
            MoneyText(symbol, f.payment, kNarrowMoneyMask),
            IncreaseText(f.increase, 6),
            MoneyText(symbol, f.totalInterest, kWideMoneyMask)};
}

// "Row " and the number as text with its sign position blank.
std::string GraphLabel(int row) {
    std::string label = "Row  ";
    label.append(std::to_string(row));
    return label;
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

Comparison::Comparison() {
    LayoutGrid1();
    // The form starts MCGrid2 at 5 x 9; the layout raises it to the minimum.
    state_.grid2Columns = 5;
    state_.grid2Rows = 9;
    LayoutGrid2();
}

void Comparison::LayoutGrid1() {
    for (int c = 0; c < kGrid1Columns; ++c)
        state_.grid1[0][static_cast<std::size_t>(c)] =
            std::string(kGrid1Headers[static_cast<std::size_t>(c)]);
}

void Comparison::LayoutGrid2() {
    state_.grid2Rows = std::max(state_.grid2Rows, kGrid2MinRows);
    state_.grid2Columns = std::max(state_.grid2Columns, kGrid2MinColumns);
    state_.grid2.resize(static_cast<std::size_t>(state_.grid2Rows));
    for (auto& row : state_.grid2) row.resize(static_cast<std::size_t>(state_.grid2Columns));
}

void Comparison::ClearGrid1Rows() {
    for (int r = 1; r < kGrid1Rows; ++r)
        for (auto& cell : state_.grid1[static_cast<std::size_t>(r)]) cell.clear();
}

bool Comparison::CanRestore(const ComparisonState& state) {
    return InRange(state.rowCount, 0, kComparisonRowLimit) && InRange(state.rowsToGraph, 0, state.rowCount) &&
           InRange(state.grid2Rows, 0, kGrid2MaxRows) && InRange(state.grid2Columns, 0, kGrid2MaxColumns) &&
           InRange(state.listingIndex, 0, kListingIndexes) &&
           InRange(state.listingColumn, 0, kGrid2MaxColumns) &&
           InRange(state.greatestEntries, 0, kListingRows - 1) &&
           InRange(state.greatestListingIndex, 0, kListingIndexes - 1) &&
           std::all_of(state.greatestEntriesByGroup.begin(), state.greatestEntriesByGroup.end(),
                       [](int g) { return InRange(g, 0, kListingRows - 1); }) &&
           std::max(state.grid2Rows, kGrid2MinRows) > state.greatestEntries &&
           state.graphPoints.size() <= static_cast<std::size_t>(kYearRows);
}

bool Comparison::Restore(ComparisonState state) {
    if (!CanRestore(state)) return false;
    state_ = std::move(state);
    LayoutGrid1();
    LayoutGrid2();
    return true;
}

GraphData Comparison::Graph() const {
    GraphData g;
    g.title = state_.graphTitle;
    g.count = state_.rowsToGraph;
    for (int i = 0; i < state_.rowsToGraph; ++i)
        g.points.push_back(static_cast<std::size_t>(i) < state_.graphPoints.size()
                               ? state_.graphPoints[static_cast<std::size_t>(i)]
                               : GraphPoint{});
    return g;
}

ComparisonRun Comparison::Calculate(const ComparisonInputs& in) {
    ComparisonRun run;
    state_.rowsToGraph = 0;
    try {
        AddRow(in, run);
    } catch (const CalcError&) {
        // Nothing is stored before the last step can fail, so the comparison
        // stays as it was; only the two labels may show this run's values.
        run.messages.push_back(Message::WrongEntry);
        run.added = false;
        run.listed = false;
        run.grid1Cleared = false;
    }
    run.rowsToGraph = state_.rowsToGraph;
    run.grid2Rows = state_.grid2Rows;
    run.grid2Columns = state_.grid2Columns;
    if (run.listed) run.grid2 = state_.grid2;
    return run;
}

void Comparison::AddRow(const ComparisonInputs& in, ComparisonRun& run) {
    const FrequencyPeriods freq = PeriodsOf(in.frequency, in.dayBasis);
    const double T = in.years;
    const std::int16_t n = freq.paymentsPerYear;

    if (T >= kMortgageYearLimit + 1) {
        run.messages.push_back(Message::YearsLimit);
        return;
    }
    if (state_.rowCount >= kComparisonRowLimit) {
        run.messages.push_back(Message::RowLimit);
        state_.rowsToGraph = state_.rowCount;
        return;
    }

    const RateFactorsResult rates = RateFactors(in.ratePercent, in.compounding, freq.periodsPerYear);
    run.InDays = DaysInYearText(n, in.dayBasis.days);
    run.PeriodicR = FormatNumber(rates.period, kPeriodicRateMask);
    run.labelsSet = true;

    const MonthlyPaymentResult monthly =
        MonthlyPayment(in.principal, rates.monthly, in.ratePercent, in.compounding, T);
    double A = PeriodPayment(monthly.payment, in.frequency);
    bool increased = false;
    if (in.extra.increase > 0.0f) {
        A = Checked(A + A * static_cast<double>(in.extra.increase));
        increased = true;
    }

    RepaymentPlan plan;
    plan.principal = in.principal;
    plan.payment = A;
    plan.rate = RatePerPeriod(freq, rates);
    plan.paymentsPerYear = n;
    plan.bound = PaymentBound(freq.frequencyClass, T);
    plan.extra = &in.extra;
    std::vector<ScheduleRow> table(kScheduleRows);
    const RepaymentOutcome outcome = RunRepayment(plan, table);
    CorrectFinalPayment(table, outcome);
    const long payments = outcome.payments;

    const auto entries = static_cast<int>(outcome.applied.size());
    if (entries >= kListingRows) throw CalcError("listing full");
    if (entries > 0 && !InRange(state_.listingIndex, 0, kListingIndexes - 1)) throw CalcError("listing full");

    ComparisonRowPrint f;
    f.rowNumber = static_cast<std::int16_t>(state_.rowCount + 1);
    f.daysText = run.InDays;
    f.compounding = TrimLeft(std::string(Info(in.compounding).listText));
    f.frequency = TrimLeft(std::string(Info(in.frequency).listText));
    f.increase = in.extra.increase;
    f.years = T;
    f.retiredYear = static_cast<double>(payments) / n;
    f.principal = in.principal;
    f.ratePercent = in.ratePercent;
    f.payment = A;
    f.paymentsPerYear = n;
    f.starred = entries > 0 || increased;
    f.totalInterest = TableRow(table, payments).cumulativeInterest.ToDouble();
    f.currencySymbol = in.currencySymbol;
    const auto cells = RowCells(f);
    std::string lines = ComparisonRowLines(f);

    // Listing texts: the label holds the year in two characters and the month
    // with a leading blank; row 0 heads the column with the row number.
    std::vector<std::pair<std::string, std::string>> listing;
    if (entries > 0) {
        listing.emplace_back("Yr. Mth Row",
                             RightJustify(FormatNumber(static_cast<double>(f.rowNumber), kCountMask), 3));
        std::string month = " ";
        month.append(std::to_string(in.extra.month.number));
        for (const AppliedAmount& a : outcome.applied) {
            std::string label = RightJustify(FormatNumber(static_cast<double>(a.year), kTwoDigitMask), 2);
            label.append(month);
            listing.emplace_back(std::move(label), RightJustify(FormatNumber(a.amount, kAmountMask), 10));
        }
    }

    // From here on nothing can fail: store the row.
    if (state_.rowCount == 0) {
        ClearGrid1Rows();
        run.grid1Cleared = true;
    }
    state_.rowCount = f.rowNumber;
    state_.grid1[static_cast<std::size_t>(f.rowNumber)] = cells;
    run.added = true;
    run.row = f.rowNumber;
    run.cells = cells;

    if (state_.graphPoints.size() < static_cast<std::size_t>(f.rowNumber))
        state_.graphPoints.resize(static_cast<std::size_t>(f.rowNumber));
    state_.graphPoints[static_cast<std::size_t>(f.rowNumber - 1)] = {GraphLabel(f.rowNumber), 0.0,
                                                                     f.totalInterest};
    state_.graphTitle = kComparisonGraphTitle;
    state_.rowsToGraph = state_.rowCount;
    state_.printout.append(lines);

    if (entries == 0) return;
    const int index = state_.listingIndex;
    const int column = state_.listingColumn;
    for (std::size_t j = 0; j < listing.size(); ++j) {
        state_.listingLabels[j][static_cast<std::size_t>(index)] = listing[j].first;
        state_.listingAmounts[j][static_cast<std::size_t>(index)] = listing[j].second;
    }
    state_.grid2Columns = column + 2;
    if (entries >= state_.greatestEntries) {
        state_.greatestEntries = entries;
        state_.grid2Rows = entries + 2;
    }
    state_.greatestEntriesByGroup[static_cast<std::size_t>(index <= 4   ? 0
                                                           : index <= 9 ? 1
                                                                        : 2)] = state_.greatestEntries;
    state_.greatestListingIndex = std::max(state_.greatestListingIndex, index);
    LayoutGrid2();

    const auto left = static_cast<std::size_t>(column), right = left + 1;
    state_.grid2[0][left] = " Yr. Mth";
    state_.grid2[0][right].assign(" Row   ");
    state_.grid2[0][right].append(listing[0].second);
    for (std::size_t j = 1; j < listing.size(); ++j) {
        const std::string& label = listing[j].first;
        std::string cell = label.substr(0, 2);
        cell.append("   ");
        cell.append(label.substr(label.size() - 2));
        state_.grid2[j][left] = std::move(cell);
        state_.grid2[j][right] = listing[j].second;
    }
    state_.listingIndex = index + 1;
    state_.listingColumn = column + 2;
    run.listed = true;
}

std::string ComparisonRowLines(const ComparisonRowPrint& row) {
    std::string days = row.daysText;
    // A number of days is shown with two decimals; "Normal" passes unchanged.
    if (days.find_first_of("0123456789") != std::string::npos)
        days = FormatNumber(ParseNumber(days), kTwoDecimalsMask);
    const double percent = static_cast<double>(row.increase * 100.0f);

    std::string out = " ";
    out.append(FormatNumber(static_cast<double>(row.rowNumber), kRowLabelMask));
    out.append("  ");
    out.append(RightJustify(days, 6));
    out.append("  ");
    out.append(TrimLeft(row.compounding));
    out.append("  ");
    out.append(TrimLeft(row.frequency));
    out.append("  ");
    out.append(RightJustify(FormatNumber(percent, kRowPercentMask), 5));
    out.append("% Was added to regular P+I payment\r\n\r\n");

    out.append(14, ' ');
    out.append(RightJustify(FormatNumber(row.years, kCountMask), 3));
    out.append(row.starred ? "    *" : "     ");
    out.append(RightJustify(FormatNumber(row.retiredYear, kTwoDecimalsMask), 5));
    out.push_back(' ');
    out.append(RightJustify(FormatNumber(static_cast<double>(row.paymentsPerYear), kCountMask), 4));
    out.push_back(' ');
    out.append(RightJustify(MoneyText(row.currencySymbol, row.principal, kWideMoneyMask), 13));
    out.push_back(' ');
    out.append(RightJustify(FormatNumber(row.ratePercent, kRateMask), 7));
    out.push_back(' ');
    out.append(RightJustify(MoneyText(row.currencySymbol, row.payment, kNarrowMoneyMask), 10));
    out.append(RightJustify(MoneyText(row.currencySymbol, row.totalInterest, kWideMoneyMask), 13));
    out.append("\r\n\r\n");
    return out;
}

}  // namespace amortix
