#pragma once
// The payment-by-payment repayment the tables and the comparison screens
// share: the run with the yearly additional amounts and the correction of the
// final payment.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/money.h"
#include "core/schedule.h"

namespace amortix {

// Checked access to a schedule or year table: an index outside it is a fault.
ScheduleRow& TableRow(std::vector<ScheduleRow>& table, long index);

// The additional amount of `year`; a year outside the table is a fault.
Currency YearAmount(const AdditionalPayments& extra, long year);

// Upper bound on the number of payments for a period of `years`.
std::int16_t PaymentBound(std::int16_t frequencyClass, double years);

// Payment number of the first anniversary, from the month setting (12 for
// the first month of the year, else the chosen month - 1).
int FirstAnniversary(std::int16_t paymentsPerYear, std::int16_t monthSetting);

// The month the user chose: the stored setting plus 1, or 1 for a setting of 12.
std::int16_t ShownMonth(std::int16_t monthSetting);

struct RepaymentPlan {
    double principal = 0;
    double payment = 0;  // per period, increase included
    double rate = 0;     // applied to the balance each period
    std::int16_t paymentsPerYear = 12;
    std::int16_t bound = 0;
    const AdditionalPayments* extra = nullptr;
    // The tables screen forms principal part + amount in currency; the
    // comparison adds it in double precision.
    bool currencyExtraSum = false;
};

// An additional amount above 0 that was added to a payment.
struct AppliedAmount {
    long payment = 0;  // payment number k
    long year = 0;     // year in which the payment falls
    Currency amount;
};

struct RepaymentOutcome {
    long payments = 0;   // last row written
    double balance = 0;  // balance after the loop, before the final correction
    std::vector<AppliedAmount> applied;
};

// Called after row k of the table has been written.
using PaymentRowHook = std::function<void(long k, std::vector<ScheduleRow>& table)>;

// Fills rows 1.. of `table` (columns 1 to 6) until the interest part turns
// negative or the bound is reached. Throws CalcError on any fault.
RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                              const PaymentRowHook& afterRow = {});

// The last payment takes what is left, so the balance ends at exactly 0. Only
// when the run ended with a few cents left or an overshoot (balance below 6).
void CorrectFinalPayment(std::vector<ScheduleRow>& table, const RepaymentOutcome& outcome);

}  // namespace amortix
