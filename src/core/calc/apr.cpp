#include "core/calc/apr.h"

#include <cmath>

namespace amortix {

namespace {

// Whole months from `start` to `end`, counted back from `end`, and the days
// left between `start` and the earliest of those month dates.
struct MonthsAndDays {
    int months = 0;
    int days = 0;
};

bool LastDayOfMonth(DaySerial day) {
    return CivilFromSerial(day + 1).day == 1;
}

// `months` before `end`; from a month's last day, to the last day of that month.
DaySerial MonthsBefore(DaySerial end, int months) {
    if (!LastDayOfMonth(end)) return AddMonths(end, -months);
    const CivilDate c = CivilFromSerial(end);
    return AddMonths(SerialFromCivil(c.year, c.month, 1), -months + 1) - 1;
}

MonthsAndDays CountBackMonths(DaySerial start, DaySerial end) {
    MonthsAndDays out;
    while (MonthsBefore(end, out.months + 1) >= start) ++out.months;
    out.days = MonthsBefore(end, out.months) - start;
    return out;
}

// Present value of the flows at rate i less the amount financed: falls as i rises.
double Excess(const AprFlows& flows, double i) {
    const double growth = 1.0 + i;
    double discount = std::pow(growth, flows.first.fullUnitPeriods) * (1.0 + flows.first.fraction * i);
    double value = 0;
    for (const double payment : flows.payments) {
        value += payment / discount;
        discount *= growth;
    }
    return value - flows.amountFinanced;
}

}  // namespace

int UnitPeriodsPerYear(UnitPeriod unit) {
    switch (unit) {
        case UnitPeriod::Week:
            return 52;
        case UnitPeriod::TwoWeeks:
            return 26;
        case UnitPeriod::SemiMonth:
            return 24;
        case UnitPeriod::Month:
            return 12;
        case UnitPeriod::Quarter:
            return 4;
    }
    return 12;
}

FirstPeriod CountFirstPeriod(DaySerial start, DaySerial firstPayment, UnitPeriod unit) {
    if (firstPayment <= start) return {0, 0};
    if (unit == UnitPeriod::Week || unit == UnitPeriod::TwoWeeks) {
        const int length = unit == UnitPeriod::Week ? 7 : 14;
        const int days = firstPayment - start;
        return {days / length, static_cast<double>(days % length) / length};
    }
    const MonthsAndDays back = CountBackMonths(start, firstPayment);
    if (unit == UnitPeriod::Month) return {back.months, back.days / 30.0};
    // A semimonth is 15 days and a quarter 90, with 30 days to each month.
    const int length = unit == UnitPeriod::SemiMonth ? 15 : 90;
    const int days = 30 * back.months + back.days;
    return {days / length, static_cast<double>(days % length) / length};
}

std::optional<AprResult> SolveApr(const AprFlows& flows) {
    if (flows.payments.empty() || !(flows.amountFinanced > 0) || !(flows.unitPeriodsPerYear > 0))
        return std::nullopt;
    double total = 0;
    for (const double payment : flows.payments) {
        // A payment of 0 keeps its place: a schedule may skip one.
        if (!(payment >= 0) || !std::isfinite(payment)) return std::nullopt;
        total += payment;
    }
    // Payments that do not even repay the amount financed are no loan.
    if (total < flows.amountFinanced) return std::nullopt;
    // The rate lies where the discounted payments equal the amount financed:
    // bracket it, then halve the bracket down to the last bit.
    double low = 0, high = 1.0;
    while (Excess(flows, high) > 0) {
        high *= 2;
        if (high > 1e6) return std::nullopt;
    }
    for (int step = 0; step < 200 && high - low > 1e-15; ++step) {
        const double middle = 0.5 * (low + high);
        (Excess(flows, middle) > 0 ? low : high) = middle;
    }
    AprResult result;
    result.ratePerPeriod = 0.5 * (low + high);
    result.apr = result.ratePerPeriod * flows.unitPeriodsPerYear;
    result.effectiveAnnual = std::pow(1.0 + result.ratePerPeriod, flows.unitPeriodsPerYear) - 1.0;
    return result;
}

AprFlows RegularFlows(double amountFinanced, double payment, int count, UnitPeriod unit, FirstPeriod first) {
    AprFlows flows;
    flows.amountFinanced = amountFinanced;
    flows.payments.assign(static_cast<std::size_t>(count > 0 ? count : 0), payment);
    flows.unitPeriodsPerYear = UnitPeriodsPerYear(unit);
    flows.first = first;
    return flows;
}

AprFlows SinglePaymentFlows(double amountFinanced, double payment, DaySerial start, DaySerial due) {
    AprFlows flows;
    flows.amountFinanced = amountFinanced;
    flows.payments = {payment};
    if (due <= start) {
        flows.unitPeriodsPerYear = 0;  // no term: nothing to solve
        return flows;
    }
    const MonthsAndDays back = CountBackMonths(start, due);
    if (back.months >= 12) {
        // A year or more: the unit-period is a year and the rest of the term
        // a fraction of one in days.
        const int years = back.months / 12;
        const DaySerial yearsBack = AddMonths(due, -12 * years);
        flows.unitPeriodsPerYear = 1;
        flows.first = {years, (yearsBack - start) / 365.0};
        return flows;
    }
    flows.first = {1, 0};
    flows.unitPeriodsPerYear = back.days == 0 ? 12.0 / back.months : 365.0 / (due - start);
    return flows;
}

}  // namespace amortix
