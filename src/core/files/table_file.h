#pragma once
// Table files (.qmd mortgage, .qld personal loan): the inputs of the tables
// screen and the settings that shape its schedule, never results.
//
// Record 1 holds 15 fields: principal, rate, years, compounding text,
// frequency text, first payment date text, date display flag, day-basis code,
// view, N, count of years with amounts, kind, days in year, additional-payment
// option, percentage increase. Files of the previous layout stop after the
// kind (12 fields). Then N records of two amounts: year number and additional
// amount, for rows 1..N of the additional-payments table. After them, in the
// 15-field layout only, the rate changes and the rounding when there are any
// (rate_change_records.h), the prepayments when there are any
// (prepayment_records.h), then the costs when any were given (costs_records.h).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/costs.h"
#include "core/calc/dates.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"
#include "core/files/text_file.h"
#include "core/format/money.h"

namespace amortix {

// Rows 1..45 of the additional-payments table can be held.
inline constexpr int kMaxTableFileYears = kYearRows - 1;

struct TableYearRecord {
    Currency yearNumber;
    Currency amount;
    bool operator==(const TableYearRecord&) const = default;
};

struct TableFileData {
    double principal = 0;
    double ratePercent = 0;
    double years = 0;                 // a loan's months / 12
    std::string compounding;          // list text as shown, leading blanks included
    std::string frequency;            // list text as shown, leading blanks included
    std::string firstPaymentDate;     // as stored: YYYY-MM-DD, or an older file's short date form
    std::int16_t showDates = 0;       // 1 payment dates, otherwise payment numbers
    std::int16_t dayBasisChoice = 1;  // 0 365.25, 1 365, 2 364, 3 363, 4 typed (daysInYear)
    std::int16_t view = 1;            // 1 annual lines, otherwise all payments
    std::int16_t yearsWithAmounts = 0;
    TableKind mode = TableKind::Mortgage;
    // Absent when read from a file of the previous layout: the caller keeps
    // its own values. Saving needs all three.
    std::optional<float> daysInYear;
    std::optional<std::int16_t> extraPaymentType;  // 0 percentage, 1 year amounts, 2 both
    std::optional<float> paymentIncrease;          // fraction: 0.05 for 5 %
    // Rows 1..N of the additional-payments table; N (record 1, field 10) is
    // the size, 0 to 45.
    std::vector<TableYearRecord> yearRecords;
    // None, and exact rounding, in a file without their records.
    std::vector<RateChange> rateChanges;  // in the user's order
    Rounding rounding = Rounding::Exact;
    // None in a file without their records.
    Prepayments prepayments;
    // Absent in a file without a costs record.
    std::optional<Costs> costs;

    bool operator==(const TableFileData&) const = default;
};

// Reads a whole table file; the error says what is wrong and where.
LoadResult<TableFileData> LoadTableFile(const std::string& path);
LoadResult<TableFileData> ParseTableFile(std::string_view bytes);

// Writes the 15-field layout through a temporary file; false (with the reason
// in `error`) when the data cannot be written or read back, or the file
// cannot be written. A previous file is then left as it was.
bool SaveTableFile(const std::string& path, const TableFileData& data, std::string* error = nullptr);
// The file's bytes; throws FormatError for data that cannot be stored.
std::string FormatTableFile(const TableFileData& data);

// The days in year a stored day-basis code stands for: the presets for codes
// 0 to 3, and `days` (read or kept) with the periods computed for code 4.
DayBasis DayBasisFromCode(std::int16_t code, float days);

// The first payment date is written as YYYY-MM-DD, which reads the same on
// every machine. Older files hold the saving machine's short date form, which
// only the reader's locale can read: `shortForm`. Nothing when neither reads it.
using DateReader = std::function<std::optional<DaySerial>(std::string_view)>;
std::optional<DaySerial> ReadTableFileDate(std::string_view text, const DateReader& shortForm = {});

// What a save stores of the inputs a schedule was calculated from.
TableFileData TableFileFromInputs(const ScheduleInputs& in);
// The same with the costs, stored only when any were given.
TableFileData TableFileFromInputs(const ScheduleInputs& in, const Costs& costs);

// The inputs an opened file gives. `current` keeps what the file does not
// hold: the month of the additional payments, the term, the currency symbol,
// and, for the previous layout, the days in year, option and percentage.
// The rate changes, the rounding and the prepayments are the file's (none and
// exact when it holds no records of them), never the caller's.
// Fails for a file the screen cannot show as it was saved: a date that reads
// in neither form, a list text the lists do not offer, typed days out of
// range, rate changes the calculation refuses.
LoadResult<ScheduleInputs> InputsFromTableFile(const TableFileData& file, const ScheduleInputs& current,
                                               const DateReader& shortForm = {});

// The costs an opened file gives: its own, or none given (Costs{}) when it
// holds no costs record. Fails for costs no calculation takes.
LoadResult<Costs> CostsFromTableFile(const TableFileData& file);

}  // namespace amortix
