// A table or a comparison saved and opened again calculates as it did before
// the save, whatever the inputs: the files hold everything the calculation
// reads (apart from what the screen keeps over an open, which the open is
// given), and they hold it exactly.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>
#include <string>

#include "core/calc/comparison.h"
#include "core/calc/schedule.h"
#include "core/files/comparison_file.h"
#include "core/files/records.h"
#include "core/files/table_file.h"
#include "core/forms/comparison_table.h"
#include "core/properties/any_inputs.h"

namespace amortix {
namespace {

using testing::AnyComparisonInputs;
using testing::AnyTableInputs;

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameRow(const ScheduleRow& a, const ScheduleRow& b) {
    return a.number == b.number && a.year == b.year && a.date == b.date && a.interest == b.interest &&
           a.principal == b.principal && a.balance == b.balance &&
           a.cumulativeInterest == b.cumulativeInterest && a.cumulativePrincipal == b.cumulativePrincipal &&
           a.extra == b.extra && Same(a.ratePercent, b.ratePercent);
}

bool SameSummary(const ScheduleSummary& a, const ScheduleSummary& b) {
    return Same(a.payment, b.payment) && Same(a.monthlyPayment, b.monthlyPayment) &&
           Same(a.increaseAmount, b.increaseAmount) && a.increase == b.increase &&
           Same(a.rateFactor, b.rateFactor) && a.paymentsPerYear == b.paymentsPerYear &&
           a.daysInYear == b.daysInYear && a.normalDays == b.normalDays && a.yearsToFinal == b.yearsToFinal &&
           a.totalPaid == b.totalPaid && Same(a.interestSaved, b.interestSaved) &&
           a.rateChanges == b.rateChanges;
}

// The first part in which two results differ, empty when none does.
std::string ScheduleDifference(const ScheduleResult& a, const ScheduleResult& b) {
    if (a.messages != b.messages) return "messages";
    if (a.calculated != b.calculated) return "calculated";
    if (!SameSummary(a.summary, b.summary)) return "summary";
    if (a.rows.size() != b.rows.size()) return "row count";
    for (std::size_t k = 0; k < a.rows.size(); ++k)
        if (!SameRow(a.rows[k], b.rows[k])) return "row " + std::to_string(k);
    if (a.listing.size() != b.listing.size()) return "listing";
    for (std::size_t k = 0; k < a.listing.size(); ++k)
        if (a.listing[k].year != b.listing[k].year || a.listing[k].month != b.listing[k].month ||
            a.listing[k].amount != b.listing[k].amount)
            return "listing entry " + std::to_string(k);
    if (a.uncovered.has_value() != b.uncovered.has_value() ||
        (a.uncovered && (a.uncovered->payment != b.uncovered->payment ||
                         !Same(a.uncovered->ratePercent, b.uncovered->ratePercent))))
        return "uncovered interest";
    if (a.gridRows != b.gridRows || a.resultsReady != b.resultsReady || a.termYears != b.termYears ||
        a.appliedCount != b.appliedCount || a.payments != b.payments ||
        a.frequencyClass != b.frequencyClass || a.graphTitle != b.graphTitle || a.mode != b.mode ||
        a.view != b.view || a.showDates != b.showDates || a.extraRowCount != b.extraRowCount)
        return "counts";
    return {};
}

// What the screen keeps over an open, and nothing else of the inputs before.
ScheduleInputs KeptOverAnOpen(const ScheduleInputs& in) {
    ScheduleInputs current;
    current.extra.month = in.extra.month;
    current.termYears = in.termYears;
    current.currencySymbol = in.currencySymbol;
    current.formatDate = in.formatDate;
    current.dayBasis = DayBasis::Preset(DayBasisChoice::Days365_25);
    return current;
}

RC_GTEST_PROP(TableFileProperties, ASavedTableOpensToTheSameSchedule, ()) {
    const ScheduleInputs in = AnyTableInputs();
    const TableFileData saved = TableFileFromInputs(in);
    std::string bytes;
    try {
        bytes = FormatTableFile(saved);
    } catch (const FormatError& e) {
        RC_FAIL(std::string("the save refused the inputs: ") + e.what());
    }
    RC_LOG() << "the file:\n"
             << bytes << "the month " << in.extra.month.number << ", term " << in.termYears << '\n';
    const auto reread = ParseTableFile(bytes);
    RC_ASSERT(reread.ok());
    RC_ASSERT(reread.value() == saved);
    const auto opened = InputsFromTableFile(reread.value(), KeptOverAnOpen(in));
    if (!opened.ok()) RC_FAIL("the open refused the file: " + opened.error());
    const std::string difference =
        ScheduleDifference(CalculateSchedule(in), CalculateSchedule(opened.value()));
    RC_ASSERT(difference == std::string());
    RC_ASSERT(TableFileFromInputs(opened.value()) == saved);
}

// A comparison file keeps the rows as their texts and the next row's inputs;
// the next row then calculates as it would have without the save.
RC_GTEST_PROP(ComparisonFileProperties, TheNextRowCalculatesTheSameAfterASaveAndAnOpen, ()) {
    ComparisonTable table;
    const int rows = *rc::gen::inRange(0, 4);
    for (int r = 0; r < rows; ++r) table.Calculate(AnyComparisonInputs(true));
    const ComparisonInputs next = AnyComparisonInputs(false);
    const ComparisonState& shown = table.State();

    const std::string bytes = FormatComparisonFile(ComparisonFile(next, shown));
    RC_LOG() << "the file:\n" << bytes << "typed days " << next.dayBasis.days << '\n';
    const auto opened = ParseComparisonFile(bytes, next.dayBasis.days);
    if (!opened.ok()) RC_FAIL("a saved comparison does not open: " + opened.error());

    const auto number = static_cast<std::int16_t>(shown.rowCount + 1);
    const ComparisonRowOutcome before = CalculateComparisonRow(next, number);
    const ComparisonRowOutcome after = CalculateComparisonRow(opened->inputs, number);
    RC_ASSERT(before.rates == after.rates);
    RC_ASSERT(before.row == after.row);
    RC_ASSERT(before.rateChangeMessage == after.rateChangeMessage);
    const ComparisonState& back = opened->state;
    RC_ASSERT(back.rowCount == shown.rowCount);
    for (int r = 1; r <= shown.rowCount; ++r) RC_ASSERT(back.grid1[r] == shown.grid1[r]);
    for (std::size_t r = 0; r < shown.grid2.size(); ++r)
        for (std::size_t c = 0; c < shown.grid2[r].size(); ++c)
            RC_ASSERT(back.grid2.at(r).at(c) == shown.grid2[r][c]);
    RC_ASSERT(back.printout == shown.printout);
}

}  // namespace
}  // namespace amortix
