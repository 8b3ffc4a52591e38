#include "core/calc/prepayments.h"

#include <algorithm>

#include "core/calc/repayment.h"

namespace amortix {

long FirstPaymentOfMonth(int year, int month, std::int16_t paymentsPerYear) {
    const long p = paymentsPerYear;
    // The first payment on or after the month's start: ceil((month - 1) * P / 12).
    return (year - 1) * p + ((month - 1) * p + 11) / 12 + 1;
}

long MonthOfPayment(long k, std::int16_t paymentsPerYear) {
    return paymentsPerYear > 0 ? (k - 1) * 12 / paymentsPerYear : 0;
}

bool Prepayments::HasAmounts() const {
    return recurring.amount > Currency() ||
           std::any_of(oneTime.begin(), oneTime.end(),
                       [](const OneTimePrepayment& o) { return o.amount > Currency(); });
}

namespace {

// The mortgage year payment k falls in.
std::int16_t YearOf(long k, std::int16_t n) {
    const long year = (k - 1) / n + 1;
    return static_cast<std::int16_t>(std::clamp<long>(year, 0, kScheduleRows));
}

// A percentage of a figure, to the cent, as a lender states an allowance.
Currency Allowance(double base, double percent) {
    return Currency::FromDouble(RoundCents(Checked(base * percent / 100.0)));
}

// The first mortgage year whose additional amounts add up to more than the allowance.
std::optional<LimitExceeded> YearOverLimit(const std::vector<ScheduleRow>& table, long payments,
                                           std::int16_t n, Currency allowance) {
    for (long first = 1; first <= payments; first += n) {
        const long last = std::min(first + n - 1, payments);
        TableRow(table, last);   // the year's rows are in the table: checked once
        std::int64_t ticks = 0;  // at most 2,100 amounts below 10^7: no overflow
        for (long k = first; k <= last; ++k) ticks += table[static_cast<std::size_t>(k)].extra.Ticks();
        const Currency year = Currency::FromTicks(ticks);
        if (year > allowance) return LimitExceeded{YearOf(first, n), allowance, year - allowance};
    }
    return std::nullopt;
}

// The increase of each payment, the recurring amount included from the year
// it is first added.
std::optional<LimitExceeded> IncreaseOverLimit(const Prepayments& p, const RepaymentOutcome& run,
                                               std::int16_t n, const LimitBasis& basis, Currency allowance) {
    const Currency increase = Currency::FromDouble(basis.increaseAmount);
    if (increase > allowance) return LimitExceeded{1, allowance, increase - allowance};
    if (run.recurringFirst == 0) return std::nullopt;
    const Currency raised = increase + p.recurring.amount;
    if (!(raised > allowance)) return std::nullopt;
    return LimitExceeded{YearOf(run.recurringFirst, n), allowance, raised - allowance};
}

}  // namespace

PrepaymentSummary SummarizePrepayments(const Prepayments& p, const std::vector<ScheduleRow>& table,
                                       const RepaymentOutcome& run, std::int16_t n, const LimitBasis& basis) {
    PrepaymentSummary s;
    s.total = run.extraTotal;
    s.recurringTotal = Currency::FromDouble(run.recurringPaid);
    s.recurringFirst = run.recurringFirst;
    s.recurringLast = run.recurringLast;
    if (n <= 0) throw CalcError("no payments a year");
    if (p.yearlyLimitPercent)
        s.yearlyLimit =
            YearOverLimit(table, run.payments, n, Allowance(basis.principal, *p.yearlyLimitPercent));
    if (p.increaseLimitPercent)
        s.increaseLimit =
            IncreaseOverLimit(p, run, n, basis, Allowance(basis.payment, *p.increaseLimitPercent));
    return s;
}

}  // namespace amortix
