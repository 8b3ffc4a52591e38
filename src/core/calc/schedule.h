#pragma once
// The amortization schedule of the tables screen: one call from the screen's
// inputs to the figures of its result boxes, the rows of the schedule and the
// messages raised. Their texts are made in core/forms/schedule_texts.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/dates.h"
#include "core/calc/prepayments.h"
#include "core/calc/rates.h"
#include "core/format/messages.h"
#include "core/format/money.h"

namespace amortix {

// The graph's titles; files keep them in English and the graph translates them.
inline constexpr const char* kMortgageGraphTitle = AMX_TEXT("Mortgage balance at start of each Year");
inline constexpr const char* kLoanGraphTitle = AMX_TEXT("Personal Loan balance at start of each Year");

inline constexpr int kScheduleRows = 2101;  // rows 0..2100
inline constexpr int kYearRows = 46;        // rows 0..45
inline constexpr int kGridColumns = 6;

// The longest mortgage period in years. The period boxes correct a longer one
// to it; a calculation refuses a longer one, a fraction of a year longer
// included (message 5).
inline constexpr double kMortgageYearLimit = 40;

// The additional payments: a yearly amount table, a percentage increase and
// the month the amounts fall in.
struct AdditionalPayments {
    std::array<Currency, kYearRows> yearNumber{};  // column 1 of each year row
    std::array<Currency, kYearRows> amount{};      // column 2 of each year row
    float increase = 0.0f;                         // fraction: 0.05 raises each payment by 5 %
    ExtraPaymentKind kind = ExtraPaymentKind::Percentage;
    Month month;                // of each year the amounts fall in
    std::int16_t rowCount = 0;  // years with an amount above 0
    std::int16_t years = 0;     // year rows offered

    // Empties the amounts, the percentage and the count; keeps kind and month.
    void EraseAmounts();
    // Number of years 1..years whose amount is above 0.
    std::int16_t CountYearsWithAmounts() const;
    bool operator==(const AdditionalPayments&) const = default;
};

// A new rate from a payment on: at renewal, or a variable rate that moved.
// Year 1 month 1 is the first rate itself, so a change starts later.
inline constexpr int kRateChangeLimit = 20;

struct RateChange {
    std::int16_t year = 2;   // of the mortgage, 1..40
    std::int16_t month = 1;  // within that year, 1..12: 1 is its first payment
    double ratePercent = 0;
    RateChangePayment payment = RateChangePayment::Recalculate;
    bool operator==(const RateChange&) const = default;
};

// The payment number a change applies from, for `paymentsPerYear`.
long FirstPaymentOfChange(const RateChange& change, std::int16_t paymentsPerYear);

struct ScheduleInputs {
    TableKind mode = TableKind::Mortgage;
    double principal = 100000.0;
    double ratePercent = 10.125;
    double years = 25.0;  // a loan's months / 12
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    DayBasis dayBasis;
    ScheduleView view = ScheduleView::Annual;
    std::int16_t termYears = 0;
    bool showDates = false;
    DaySerial firstPaymentDate = 0;
    AdditionalPayments extra;
    Prepayments prepayments;              // recurring and one-time amounts, limits
    std::vector<RateChange> rateChanges;  // in any order; none: one rate throughout
    Rounding rounding = Rounding::Exact;
    std::string currencySymbol = "$";  // for the texts made of the result
    DateFormatter formatDate;          // likewise; ISO when empty
};

// One row of a schedule: a payment, or a year's totals in the annual view.
struct ScheduleRow {
    long number = 0;     // the payment number, or the year in the annual view
    int year = 0;        // the year a payment falls in (all payments view)
    DaySerial date = 0;  // the payment date, or the year's first, when dates are shown
    Currency interest;
    Currency principal;
    Currency balance;  // after the payment
    Currency cumulativeInterest;
    Currency cumulativePrincipal;
    Currency extra;          // the additional amount paid with this payment
    double ratePercent = 0;  // the annual rate in force (at the year's last payment in the annual view)
};

// A rate change as the calculation met it.
struct AppliedRateChange {
    RateChange change;
    long firstPayment = 0;  // payment number it applies from
    bool reached = false;   // false: the mortgage ended before it
    double payment = 0;     // each payment from then on, the increase included
    bool operator==(const AppliedRateChange&) const = default;
};

// One additional payment as the listing shows it: a year's amount, or a
// one-time amount as it was applied.
struct ListingEntry {
    std::int16_t year = 0;   // year number of the table row
    std::int16_t month = 0;  // month shown (1..12)
    Currency amount;
    bool oneTime = false;
    // After a one-time amount that lowers the payment: each payment from the
    // next one on (the last amount of a month carries it); else 0.
    double newPayment = 0;
};

// The figures of the result boxes.
struct ScheduleSummary {
    double payment = 0;         // each payment, the increase included
    double monthlyPayment = 0;  // of the normal monthly mortgage
    double increaseAmount = 0;  // added to each payment by the increase
    float increase = 0.0f;      // fraction: 0.05 for 5 %
    double rateFactor = 0;      // the interest rate factor i_p
    std::int16_t paymentsPerYear = 0;
    float daysInYear = 0;       // of the day basis
    bool normalDays = false;    // 12 or 24 payments: the days do not matter
    float yearsToFinal = 0.0f;  // payments made / payments a year
    Currency totalPaid;
    double interestSaved = 0;  // against the normal monthly mortgage, never below 0
    // In the order they apply; empty without changes.
    std::vector<AppliedRateChange> rateChanges;
    PrepaymentSummary prepayments;
};

// The change after which the payment no longer covers a period's interest.
struct UncoveredInterest {
    long payment = 0;
    double ratePercent = 0;
};

struct ScheduleResult {
    std::vector<Message> messages;  // raised, in order
    bool calculated = false;        // false after message 4, 5 or a term reset
    ScheduleSummary summary;

    // The rows of the view: rows[k] is payment k (or year k in the annual
    // view); rows[0] holds zeros. Sized to the schedule.
    std::vector<ScheduleRow> rows;
    // The additional payments: the years with an amount, then (merged by
    // year and month) the one-time amounts applied.
    std::vector<ListingEntry> listing;
    std::optional<UncoveredInterest> uncovered;  // with message 44

    std::int16_t gridRows = 0;      // rows shown: all, or those of the term
    std::int16_t resultsReady = 0;  // graph points; 0 without results
    std::int16_t termYears = 0;     // may have been reset to 0
    std::int16_t appliedCount = 0;  // additional amounts actually applied
    std::int16_t payments = 0;      // last payment number
    std::int16_t frequencyClass = 0;
    std::string graphTitle;  // kMortgageGraphTitle or kLoanGraphTitle, in English

    // What the result was calculated from, for the texts made of it.
    TableKind mode = TableKind::Mortgage;
    ScheduleView view = ScheduleView::Annual;
    bool showDates = false;
    std::int16_t extraRowCount = 0;  // years with an additional amount
    // The new kinds of prepayment were in force: the texts show the recurring
    // amount, the one-time amounts and what they saved.
    bool prepaymentsInForce = false;
    RecurringPrepayment recurring;  // as entered
    // Rows of the grid's and the printout's listing: the years with an
    // amount, the one-time amounts listed and the recurring amount's line.
    int ListingRows() const;
};

// Runs the whole calculation. Never throws: faults end in message 4.
ScheduleResult CalculateSchedule(const ScheduleInputs& inputs);

// Graph data: the balance at the start of each year.
struct GraphPoint {
    std::string label;       // a text label (comparison rows)
    double labelNumber = 0;  // a number label (table years), used when `label` is empty
    double value = 0.0;
    bool operator==(const GraphPoint&) const = default;
};
struct GraphData {
    std::string title;
    std::int16_t count = 0;          // points to draw (N)
    std::vector<GraphPoint> points;  // rows 1..N+1
};
GraphData BuildBalanceByYear(const ScheduleResult& result, double principal);

}  // namespace amortix
