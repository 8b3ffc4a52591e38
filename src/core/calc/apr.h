#pragma once
// The annual percentage rate by the actuarial method of the US Truth in
// Lending rules: the rate per unit-period that discounts the scheduled
// payments to the amount financed, times the unit-periods a year. An odd
// first period counts its full unit-periods back from the first payment and
// keeps the rest as a fraction of a unit-period, as those rules count it.

#include <optional>
#include <vector>

#include "core/calc/dates.h"

namespace amortix {

// The standard intervals a regular loan is paid at.
enum class UnitPeriod { Week, TwoWeeks, SemiMonth, Month, Quarter };

// Unit-periods in a year: 52, 26, 24, 12 or 4.
int UnitPeriodsPerYear(UnitPeriod unit);

// From the start of the term to the first payment.
struct FirstPeriod {
    int fullUnitPeriods = 1;
    double fraction = 0;  // of a unit-period, 0 <= fraction < 1
};

// Counted from the first payment back to the start: whole months (as 30 days
// a month for a semimonth or a quarter) or whole weeks, and the days left
// over as a fraction of the unit-period (a month's days over 30).
FirstPeriod CountFirstPeriod(DaySerial start, DaySerial firstPayment, UnitPeriod unit);

// One loan's flows: `payments[k]` falls `first.fullUnitPeriods + k` whole
// unit-periods after the start, plus the first period's fraction.
struct AprFlows {
    double amountFinanced = 0;
    std::vector<double> payments;
    double unitPeriodsPerYear = 12;
    FirstPeriod first;
};

struct AprResult {
    double ratePerPeriod = 0;    // i
    double apr = 0;              // i times the unit-periods a year, as a fraction
    double effectiveAnnual = 0;  // (1 + i) to the unit-periods a year, less 1
};

// Nothing when no rate of 0 or more makes the payments worth the amount
// financed: no payments, an amount of 0 or less, a payment below 0, or
// payments that add up to less than the amount financed.
std::optional<AprResult> SolveApr(const AprFlows& flows);

// `count` equal payments of `payment`, the first one unit-period after the
// start unless an odd first period is given.
AprFlows RegularFlows(double amountFinanced, double payment, int count, UnitPeriod unit,
                      FirstPeriod first = {});

// A loan repaid by one payment: the whole term is the unit-period, and there
// are 12 over its months in a year when it is whole months shorter than a
// year, else 365 over its days.
AprFlows SinglePaymentFlows(double amountFinanced, double payment, DaySerial start, DaySerial due);

}  // namespace amortix
