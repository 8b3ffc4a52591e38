#include "core/calc/schedule.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/calc/limits.h"
#include "core/calc/repayment.h"
#include "core/calc/schedule_runs.h"

namespace amortix {

void AdditionalPayments::EraseAmounts() {
    yearNumber.fill(Currency());
    amount.fill(Currency());
    increase = 0.0f;
    rowCount = 0;
}

std::int16_t AdditionalPayments::CountYearsWithAmounts() const {
    std::int16_t count = 0;
    for (int y = 1; y <= years && y < kYearRows; ++y)
        if (amount[static_cast<std::size_t>(y)] > Currency()) ++count;
    return count;
}

namespace {

Currency YearNumber(const AdditionalPayments& extra, long year) {
    if (year < 0 || year >= kYearRows) throw CalcError("year out of range");
    return extra.yearNumber[static_cast<std::size_t>(year)];
}

DaySerial StepDate(DaySerial first, int steps, DateStep step) {
    switch (step) {
        case DateStep::Month:
        case DateStep::SemiMonth:
            return AddMonths(first, steps);
        case DateStep::TwoWeeks:
            return first + 14 * steps;
        case DateStep::OneWeek:
            return first + 7 * steps;
    }
    return first;
}

void ClearResults(ScheduleResult& r) {
    r.summary = {};
    r.resultsReady = 0;
    r.gridRows = 0;
    r.calculated = false;
    r.listing.clear();
}

// The year of payments 1..last and, when they are shown, their dates: after
// the run rather than in its loop, where they cost the figures' registers,
// and in one pass over the rows.
void YearsAndDates(const ScheduleInputs& in, const Terms& t, std::vector<ScheduleRow>& table, long last) {
    if (in.view != ScheduleView::AllPayments || last < 1) return;
    TableRow(table, last);  // rows 1..last are in the table
    ScheduleRow* const rows = table.data();
    const std::int16_t n = t.frequency.paymentsPerYear;
    if (n <= 0) throw CalcError("no payments a year");
    const bool dates = in.showDates;
    const DateStep step = t.frequency.dateStep;
    int dateSteps = 0;
    DaySerial lastDate = in.firstPaymentDate;
    // (k - 1) / n + 1, a year of rows at a time rather than a division a row.
    long k = 1;
    for (int year = 1; k <= last; ++year) {
        for (const long end = std::min(k + n - 1, last); k <= end; ++k) {
            ScheduleRow& row = rows[k];
            row.year = year;
            if (!dates) continue;
            // Semimonthly dates alternate: a month step, then two weeks on.
            if (n == 24 && k % 2 == 0)
                lastDate = lastDate + 14;
            else
                lastDate = StepDate(in.firstPaymentDate, dateSteps++, step);
            row.date = lastDate;
        }
    }
}

// Every payment, with its year and, when they are shown, its date.
// The mortgages it is measured against run beside it.
RepaymentOutcome RunPayments(const ScheduleInputs& in, const Terms& t, std::vector<ScheduleRow>& table,
                             Yardsticks& yardsticks) {
    // Two powers a rate change fewer: the mortgage without prepayments has its steps.
    const PaymentRun planned(in, t, yardsticks.BesideSteps());
    const RepaymentPlan& plan = planned.plan;
    // As many rows as the bound allows, within the schedule's limit.
    // (Cleared and grown rather than assigned: zeros are written as one block.)
    table.clear();
    table.resize(static_cast<std::size_t>(std::min<int>(plan.bound, kScheduleRows - 1)) + 1);
    const RepaymentPlan* beside = yardsticks.Beside();
    RepaymentOutcome run =
        beside ? RunRepayment(plan, table, *beside, yardsticks.BesideOutcome()) : RunRepayment(plan, table);
    YearsAndDates(in, t, table, run.payments);
    yardsticks.RunTheRest();
    if (run.applied.size() > 32767) throw CalcError("counter overflow");
    if (run.uncoveredAt > 0) return run;
    run.notRepaid = planned.keeps && run.balance >= 6.0;
    CorrectFinalPayment(table, run, planned.TakesWhatIsLeft(run));
    table.resize(static_cast<std::size_t>(run.payments) + 1);
    return run;
}

// The year totals of the annual view from the payments.
std::vector<ScheduleRow> YearTotals(const ScheduleInputs& in, const std::vector<ScheduleRow>& payments,
                                    std::int16_t n, std::int16_t years) {
    std::vector<ScheduleRow> out(static_cast<std::size_t>(std::max<int>(years, 0)) + 1);
    bool done = false;
    for (long y = 1; y <= years; ++y) {
        ScheduleRow& a = TableRow(out, y);
        a.number = y;
        if (in.showDates) a.date = AddMonths(in.firstPaymentDate, 12 * static_cast<int>(y - 1));
        for (long k = (y - 1) * n + 1; k <= y * n && !done; ++k) {
            // Past the last payment (a schedule cut short by its bound) a year
            // reads empty payments, within the schedule's limit.
            if (k >= kScheduleRows) throw CalcError("row out of range");
            const ScheduleRow p = k < static_cast<long>(payments.size())
                                      ? payments[static_cast<std::size_t>(k)]
                                      : ScheduleRow{};
            a.interest = a.interest + p.interest;
            a.principal = a.principal + p.principal;
            a.extra = a.extra + p.extra;
            a.balance = p.balance;
            a.cumulativeInterest = p.cumulativeInterest;
            a.cumulativePrincipal = p.cumulativePrincipal;
            if (k < static_cast<long>(payments.size())) a.ratePercent = p.ratePercent;
            if (p.balance <= Currency()) done = true;
        }
    }
    return out;
}

// The applied additional payments, one entry a year with an amount, then
// the one-time amounts paid, in the order of their year and month.
void ListAdditionalPayments(const ScheduleInputs& in, const RepaymentOutcome& run,
                            std::int16_t yearsWithPayments, ScheduleResult& out) {
    for (long y = 1; y <= yearsWithPayments && in.extra.rowCount != 0; ++y) {
        if (out.appliedCount > 0 && static_cast<long>(out.listing.size()) == out.appliedCount) break;
        const Currency amount = YearAmount(in.extra, y);
        if (!(amount > Currency())) continue;
        out.listing.push_back({ToInt16(YearNumber(in.extra, y).ToDouble()), in.extra.month.number, amount});
    }
    if (run.prepaid.empty()) return;
    for (const AppliedPrepayment& a : run.prepaid) {
        const OneTimePrepayment& o = in.prepayments.oneTime.at(static_cast<std::size_t>(a.source));
        out.listing.push_back({o.year, o.month, a.amount, true, a.newPayment});
    }
    std::stable_sort(out.listing.begin(), out.listing.end(),
                     [](const ListingEntry& a, const ListingEntry& b) {
                         return a.year * 12 + a.month < b.year * 12 + b.month;
                     });
}

// What the prepayments of every kind did: their totals, the limits they went
// over (messages 47 and 48) and what they saved.
void ReportPrepayments(const ScheduleInputs& in, const std::vector<ScheduleRow>& payments,
                       const RepaymentOutcome& run, const Yardsticks& yardsticks, ScheduleResult& out) {
    ScheduleSummary& s = out.summary;
    const std::int16_t n = s.paymentsPerYear;
    const LimitBasis basis{in.principal, s.payment - s.increaseAmount, s.increaseAmount};
    s.prepayments = SummarizePrepayments(in.prepayments, payments, run, n, basis);
    if (s.prepayments.yearlyLimit) out.messages.push_back(Message::YearlyPrepaymentLimit);
    if (s.prepayments.increaseLimit) out.messages.push_back(Message::PaymentIncreaseLimit);
    if (!AnyPrepayment(in)) {
        s.prepayments.interestSaved = 0.0;
        s.prepayments.payoffEarlierMonths = 0;
        return;
    }
    if (const auto without = yardsticks.WithoutPrepayments()) {
        s.prepayments.interestSaved =
            (without->interest - TableRow(payments, run.payments).cumulativeInterest).ToDouble();
        s.prepayments.payoffEarlierMonths =
            MonthOfPayment(without->payments, n) - MonthOfPayment(run.payments, n);
    }
}

// The message refusing inputs no schedule can have, if any.
std::optional<Message> InputRefusal(const ScheduleInputs& in) {
    if (in.mode == TableKind::Mortgage && in.years > kMortgageYearLimit) return Message::YearsLimit;
    if (const auto refusal = RangeRefusal(in.mode, in.principal, in.ratePercent, in.years)) return refusal;
    if (const auto refusal = RateChangeRefusal(in.rateChanges)) return refusal;
    return PrepaymentRefusal(in.prepayments);
}

void Run(const ScheduleInputs& in, ScheduleResult& out) {
    // A term longer than the period is reset before anything is computed.
    if (out.termYears > in.years) {
        out.termYears = 0;
        out.messages.push_back(Message::TermReset);
    }
    if (const auto refusal = InputRefusal(in)) {
        out.messages.push_back(*refusal);
        return;
    }
    const Terms t = PaymentTerms(in, out.summary);
    const std::int16_t n = t.frequency.paymentsPerYear;
    out.frequencyClass = t.frequency.frequencyClass;
    const bool allPayments = in.view == ScheduleView::AllPayments;

    Yardsticks yardsticks(in);
    std::vector<ScheduleRow> payments;
    const RepaymentOutcome run = RunPayments(in, t, payments, yardsticks);
    if (run.uncoveredAt > 0) {
        out.messages.push_back(Message::PaymentBelowInterest);
        out.uncovered = UncoveredInterest{run.uncoveredAt, run.uncoveredRatePercent};
        ClearResults(out);
        return;
    }
    if (!in.rateChanges.empty()) {
        if (run.notRepaid) {
            out.messages.push_back(Message::NotRepaidInLimit);
            ClearResults(out);
            return;
        }
        out.summary.rateChanges = AppliedRateChanges(in.rateChanges, n, run.stepPayments);
        if (run.stepPayments.size() < in.rateChanges.size())
            out.messages.push_back(Message::RateChangeNotReached);
    }
    ReportPrepayments(in, payments, run, yardsticks, out);
    double normalTotal = t.normalTotal;
    if (const auto total = yardsticks.NormalTotalPaid()) normalTotal = total->ToDouble();
    out.appliedCount = static_cast<std::int16_t>(run.applied.size());
    const long L = run.payments;
    out.payments = static_cast<std::int16_t>(L);
    out.summary.yearsToFinal = static_cast<float>(static_cast<double>(L) / n);

    const std::int16_t yearsWithPayments = ToInt16(static_cast<double>(out.summary.yearsToFinal) + 0.49);
    out.rows = allPayments ? std::move(payments) : YearTotals(in, payments, n, yearsWithPayments);
    const long last = allPayments ? L : yearsWithPayments;

    const ScheduleRow& end = TableRow(out.rows, last);
    const Currency totalPaid = end.cumulativeInterest + end.cumulativePrincipal;
    long rows = last;
    if (out.termYears > 0) {
        rows = allPayments ? static_cast<long>(out.termYears) * n : out.termYears;
        if (rows > last) {
            // The loan ends before the term: reset it and let the user calculate again.
            out.termYears = 0;
            out.messages.push_back(Message::TermReset);
            ClearResults(out);
            return;
        }
    }
    out.gridRows = ToInt16(static_cast<double>(rows));
    ListAdditionalPayments(in, run, yearsWithPayments, out);
    out.resultsReady = allPayments ? ToInt16(static_cast<double>(out.gridRows) + 1.0)
                                   : ToInt16(static_cast<double>(out.summary.yearsToFinal));
    out.graphTitle = in.mode == TableKind::Mortgage ? kMortgageGraphTitle : kLoanGraphTitle;
    const double saved = normalTotal - totalPaid.ToDouble();
    out.summary.totalPaid = totalPaid;
    out.summary.interestSaved = saved < 0 ? 0 : saved;
    out.calculated = true;
}

}  // namespace

long FirstPaymentOfChange(const RateChange& change, std::int16_t paymentsPerYear) {
    return FirstPaymentOfMonth(change.year, change.month, paymentsPerYear);
}

int ScheduleResult::ListingRows() const {
    if (!prepaymentsInForce) return extraRowCount;
    const auto once = static_cast<int>(
        std::count_if(listing.begin(), listing.end(), [](const ListingEntry& e) { return e.oneTime; }));
    const int years = std::max<int>(extraRowCount, static_cast<int>(listing.size()) - once);
    return years + once + (summary.prepayments.recurringFirst > 0 ? 1 : 0);
}

ScheduleResult CalculateSchedule(const ScheduleInputs& in) {
    ScheduleResult out;
    out.mode = in.mode;
    out.view = in.view;
    out.showDates = in.showDates;
    out.extraRowCount = in.extra.rowCount;
    out.prepaymentsInForce = in.prepayments.InForce();
    out.recurring = in.prepayments.recurring;
    out.termYears = in.termYears;
    try {
        Run(in, out);
    } catch (const CalcError&) {
        // One message and no results, rather than a cascade of half-written boxes.
        out.messages.push_back(Message::WrongEntry);
        ClearResults(out);
    }
    return out;
}

GraphData BuildBalanceByYear(const ScheduleResult& result, double principal) {
    GraphData g;
    g.title = result.graphTitle;
    if (!result.calculated) return g;
    const long years = std::lround(std::nearbyint(static_cast<double>(result.summary.yearsToFinal) + 0.49));
    const long n = result.summary.paymentsPerYear;
    std::vector<double> values(static_cast<std::size_t>(std::max(years, 0L)) + 2, 0.0);
    values[1] = principal;
    auto balance = [&](long k) {
        return k >= 0 && static_cast<std::size_t>(k) < result.rows.size()
                   ? result.rows[static_cast<std::size_t>(k)].balance.ToDouble()
                   : 0.0;
    };
    for (long y = 1; y <= years; ++y) {
        if (result.view == ScheduleView::AllPayments) {
            for (long k = y == 1 ? 1 : n * (y - 1); k <= n * y; ++k) {
                values[static_cast<std::size_t>(y + 1)] = balance(k);
                if (balance(k) <= 1.0) break;
            }
        } else {
            values[static_cast<std::size_t>(y + 1)] = balance(y);
        }
    }
    g.count = static_cast<std::int16_t>(years < 1 ? 0 : years);
    const long last = years < 1 ? 1 : years + 1;
    for (long p = 1; p <= last; ++p)
        g.points.push_back({{}, static_cast<double>(p), values[static_cast<std::size_t>(p)]});
    return g;
}

}  // namespace amortix
