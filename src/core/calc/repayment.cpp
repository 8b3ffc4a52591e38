#include "core/calc/repayment.h"

namespace amortix {

void ThrowRowOutOfRange() {
    throw CalcError("row out of range");
}

Currency YearAmount(const AdditionalPayments& extra, long year) {
    if (year < 0 || year >= kYearRows) throw CalcError("year out of range");
    return extra.amount[static_cast<std::size_t>(year)];
}

std::int16_t PaymentBound(std::int16_t frequencyClass, double years) {
    const double months = years * 12.0;
    return ToInt16(frequencyClass == 0   ? months
                   : frequencyClass == 2 ? (months / 12.0) * 26.0 + 50.0
                                         : (months / 12.0) * 52.0 + 50.0);
}

int FirstAnniversary(std::int16_t n, Month month) {
    // The payments before the month, or a whole year for the first month.
    const int m = month.StoredCode();
    return n == 12 ? m : n == 24 ? 2 * m : n == 26 ? 2 * m + 2 : 4 * m + 4;
}

void CorrectFinalPayment(std::vector<ScheduleRow>& table, const RepaymentOutcome& outcome,
                         bool whateverIsLeft) {
    if (!(outcome.balance < 6.0) && !whateverIsLeft) return;
    const long L = outcome.payments;
    if (L < 1) throw CalcError("no payment");
    ScheduleRow& last = TableRow(table, L);
    const ScheduleRow& before = TableRow(table, L - 1);
    last.principal = before.balance;
    last.cumulativeInterest = before.cumulativeInterest + last.interest;
    last.cumulativePrincipal = last.cumulativePrincipal + last.balance;
    last.balance = before.balance - last.principal;
}

}  // namespace amortix
