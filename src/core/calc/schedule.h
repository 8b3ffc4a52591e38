#pragma once
// The amortization schedule of the tables screen: one call from the screen's
// inputs to every result-box text, the schedule tables, the grid contents and
// the messages raised.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/calc/dates.h"
#include "core/calc/rates.h"
#include "core/format/messages.h"
#include "core/format/money.h"

namespace amortix {

inline constexpr int kScheduleRows = 2101;  // rows 0..2100
inline constexpr int kYearRows = 46;        // rows 0..45
inline constexpr int kGridColumns = 6;

// The longest mortgage period in years. The period boxes correct a longer one
// to it; a calculation refuses a period of a year more or longer (message 5).
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
};

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
    std::string currencySymbol = "$";
    DateFormatter formatDate;  // ISO when empty
};

using ScheduleRow = std::array<Currency, 8>;

// One row of the applied-additional-payments listing.
struct ListingEntry {
    std::int16_t year = 0;   // year number of the table row
    std::int16_t month = 0;  // month shown (1..12)
    Currency amount;
};

struct ScheduleResult {
    std::vector<Message> messages;  // raised, in order

    // Result boxes.
    std::string InDays, PeriodicR, NumPmtsYear, InMonthPI, Label16, PPpercent, EndMortYear, AllPayments,
        TotSavd;

    std::vector<ScheduleRow> schedule;  // ScheduleTable, rows 0..2100
    std::vector<ScheduleRow> annual;    // AnnualTable, rows 0..45

    bool calculated = false;  // false after message 4, 5 or a term reset
    float yearsToFinal = 0.0f;
    std::int16_t gridRows = 0;
    std::int16_t resultsReady = 0;
    std::int16_t paymentsPerYear = 0;
    std::int16_t frequencyClass = 0;
    std::int16_t termYears = 0;     // may have been reset to 0
    std::int16_t appliedCount = 0;  // additional amounts actually applied
    std::int16_t payments = 0;      // last payment number
    std::string additionalNotes;
    std::string graphTitle;
    std::vector<ListingEntry> listing;  // the grid's additional-payment block

    // What the grid shows, cell by cell, so a screen formats only the rows in
    // view. Needs the inputs the result was calculated from.
    int GridRowCount() const { return gridRowCount_; }
    std::string GridCell(int row, int column) const;
    std::vector<std::vector<std::string>> GridCells() const;

    // Copies of the inputs the grid texts depend on.
    ScheduleView view = ScheduleView::Annual;
    bool showDates = false;
    std::string currencySymbol;
    DateFormatter formatDate;
    std::int16_t extraRowCount = 0;
    int gridRowCount_ = 1;
};

// The empty " P+I includes" caption the screen shows without results.
inline constexpr const char* kLabel16Cleared = " P+I includes      0.000%";
// The label beside the payment increase: " P+I includes  " and the percentage
// (`increase` is a fraction; at most 1, for 100 %).
std::string Label16Text(float increase);

// Runs the whole calculation. Never throws: faults end in message 4.
ScheduleResult CalculateSchedule(const ScheduleInputs& inputs);

// The header of column 0 for the view.
std::string GridColumn0Header(ScheduleView view, bool showDates);
// The header of any grid column (row 0), so a screen lays out its grid
// before the first calculation.
std::string GridHeader(int column, ScheduleView view, bool showDates);

// Graph data: the balance at the start of each year.
struct GraphPoint {
    std::string label;       // a text label (comparison rows)
    double labelNumber = 0;  // a number label (table years), used when `label` is empty
    double value = 0.0;
};
struct GraphData {
    std::string title;
    std::int16_t count = 0;          // points to draw (N)
    std::vector<GraphPoint> points;  // rows 1..N+1
};
GraphData BuildBalanceByYear(const ScheduleResult& result, double principal);

}  // namespace amortix
