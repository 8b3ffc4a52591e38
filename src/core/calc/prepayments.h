#pragma once
// Prepayments beside the percentage increase and the yearly amounts of
// AdditionalPayments: an amount added to every payment over a span of months,
// one-time amounts at any year and month, what a one-time amount does to the
// payment, and the lender's limits they are checked against. The schedule
// (ScheduleInputs::prepayments) and the comparison rows
// (ComparisonInputs::prepayments) both take them.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/calc/choices.h"
#include "core/format/money.h"

namespace amortix {

inline constexpr int kOneTimePrepaymentLimit = 100;
inline constexpr double kPrepaymentAmountLimit = 9'999'999.99;
inline constexpr int kPrepaymentYearLimit = 40;
inline constexpr double kPrepaymentLimitPercentLimit = 100;

// The first payment on or after the start of `month` (1..12) of mortgage
// `year`: (year - 1) P + ceil((month - 1) P / 12) + 1 for P payments a year.
// Rate changes and prepayments both fall on it.
long FirstPaymentOfMonth(int year, int month, std::int16_t paymentsPerYear);
// The whole months from the start of the mortgage to the start of the month
// payment `k` falls in: 0 for payment 1, the inverse of FirstPaymentOfMonth.
long MonthOfPayment(long k, std::int16_t paymentsPerYear);

// An amount added to every payment from the first payment of its first month
// to the last payment of its last month.
struct RecurringPrepayment {
    Currency amount;  // 0: none
    std::int16_t fromYear = 1;
    std::int16_t fromMonth = 1;
    std::int16_t toYear = 0;  // 0: to the end of the mortgage
    std::int16_t toMonth = 12;
    bool operator==(const RecurringPrepayment&) const = default;
};

// An amount paid once, with the first payment of its year and month (as the
// yearly amounts are); more than one may fall in the same month.
struct OneTimePrepayment {
    std::int16_t year = 1;   // of the mortgage, 1..40
    std::int16_t month = 1;  // 1..12
    Currency amount;
    bool operator==(const OneTimePrepayment&) const = default;
};

// The new kinds of prepayment. An amount above what is owed pays the balance
// off. Ranges (message 49 otherwise): amounts 0 to 9,999,999.99, years 1 to
// 40, months 1 to 12, a recurring amount's end not before its start, at most
// 100 one-time amounts, limits 0 to 100 %.
struct Prepayments {
    RecurringPrepayment recurring;
    std::vector<OneTimePrepayment> oneTime;  // in any order
    // What each one-time amount does; a recurring amount always shortens.
    PrepaymentEffect effect = PrepaymentEffect::ShortenTerm;
    // The lender's limits in percent; none: not checked. Going over one is not
    // an error: the schedule is worked out and message 47 or 48 names the
    // first year over it.
    // Every additional amount of a mortgage year (yearly, one-time and
    // recurring) against the original principal: a lender counts them all.
    std::optional<double> yearlyLimitPercent;
    // The increase of each payment (the percentage increase and the recurring
    // amount) against the original payment.
    std::optional<double> increaseLimitPercent;
    bool operator==(const Prepayments&) const = default;

    // A recurring or one-time amount above 0.
    bool HasAmounts() const;
    // Amounts or limits: the texts then show what the prepayments did.
    bool InForce() const { return HasAmounts() || yearlyLimitPercent || increaseLimitPercent; }
};

// A limit the prepayments went over: the first mortgage year over it.
struct LimitExceeded {
    std::int16_t year = 0;
    Currency limit;  // the year's allowance, or the increase allowed on each payment
    Currency over;   // by how much that year went over it
    bool operator==(const LimitExceeded&) const = default;
};

// What the prepayments of every kind did, beside the schedule's figures.
struct PrepaymentSummary {
    // Interest saved against the same mortgage (same rate changes and
    // rounding) without any prepayment of any kind, and how many months
    // sooner the final payment falls. None when that mortgage cannot be
    // worked out (a kept payment below a new rate's interest); 0 without
    // any prepayment.
    std::optional<double> interestSaved;
    std::optional<long> payoffEarlierMonths;
    Currency total;           // every additional amount paid, of every kind
    Currency recurringTotal;  // of the recurring amount
    long recurringFirst = 0;  // first and last payment it was added to; 0: none
    long recurringLast = 0;
    std::optional<LimitExceeded> yearlyLimit;    // message 47
    std::optional<LimitExceeded> increaseLimit;  // message 48
};

}  // namespace amortix
