#include "core/repayment.h"

#include <cmath>

namespace amortix {

Currency YearAmount(const AdditionalPayments& extra, long year) {
    if (year < 0 || year >= kYearRows) throw CalcError("year out of range");
    return extra.amount[static_cast<std::size_t>(year)];
}

ScheduleRow& TableRow(std::vector<ScheduleRow>& table, long index) {
    if (index < 0 || index >= static_cast<long>(table.size())) throw CalcError("row out of range");
    return table[static_cast<std::size_t>(index)];
}

std::int16_t PaymentBound(std::int16_t frequencyClass, double years) {
    const double months = years * 12.0;
    return ToInt16(frequencyClass == 0   ? months
                   : frequencyClass == 2 ? (months / 12.0) * 26.0 + 50.0
                                         : (months / 12.0) * 52.0 + 50.0);
}

int FirstAnniversary(std::int16_t n, std::int16_t m) {
    return n == 12 ? m : n == 24 ? 2 * m : n == 26 ? 2 * m + 2 : 4 * m + 4;
}

std::int16_t ShownMonth(std::int16_t setting) {
    return setting == 12 ? std::int16_t{1} : static_cast<std::int16_t>(setting + 1);
}

RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                              const PaymentRowHook& afterRow) {
    static const AdditionalPayments kNone;
    const AdditionalPayments& extra = plan.extra ? *plan.extra : kNone;
    const long n = plan.paymentsPerYear;
    const double A = plan.payment, i = plan.rate;
    const std::int16_t m = extra.month;
    long anniversary = FirstAnniversary(plan.paymentsPerYear, m);
    if (anniversary == 0) throw CalcError("no anniversary");

    RepaymentOutcome out;
    double B = plan.principal;
    double I = Checked(B * i);
    double Q = A - I;
    double SI = 0.0, SQ = 0.0;

    for (long k = 1; k <= plan.bound; ++k) {
        // The yearly additional amount falls on the anniversary payment.
        if (k > 1 || m == 12) {
            const double prevNumber = TableRow(table, k - 1)[1].ToDouble();
            if (static_cast<double>(k - 1) / static_cast<double>(anniversary) ==
                std::floor(prevNumber / static_cast<double>(anniversary))) {
                // The year payment k falls in: k/n rounded up.
                const long year = (k + n - 1) / n;
                if (k > 1) anniversary += n;
                const Currency amount = YearAmount(extra, year);
                if (amount.ToDouble() < B - TableRow(table, k - 1)[3].ToDouble()) {
                    Q = plan.currencyExtraSum ? Currency::FromDouble(Q + amount.ToDouble()).ToDouble()
                                              : Checked(Q + amount.ToDouble());
                    if (amount > Currency()) out.applied.push_back({k, year, amount});
                }
            }
        }

        const double Ik = I, Qk = Q;
        B = B - Q;
        I = i * B;
        Q = A - I;
        if (Ik < 0) break;

        SI += Ik;
        SQ += Qk;
        ScheduleRow& row = TableRow(table, k);
        row[1] = Currency::FromDouble(static_cast<double>(k));
        row[2] = Currency::FromDouble(Ik);
        row[3] = Currency::FromDouble(Qk);
        row[4] = Currency::FromDouble(B);
        row[5] = Currency::FromDouble(SI);
        row[6] = Currency::FromDouble(SQ);
        out.payments = k;
        if (afterRow) afterRow(k, table);
    }
    out.balance = B;
    return out;
}

void CorrectFinalPayment(std::vector<ScheduleRow>& table, const RepaymentOutcome& outcome) {
    if (!(outcome.balance < 6.0)) return;
    const long L = outcome.payments;
    if (L < 1) throw CalcError("no payment");
    ScheduleRow& last = TableRow(table, L);
    const ScheduleRow& before = TableRow(table, L - 1);
    last[3] = before[4];
    last[5] = before[5] + last[2];
    last[6] = last[6] + last[4];
    last[4] = before[4] - last[3];
}

}  // namespace amortix
