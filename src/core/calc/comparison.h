#pragma once
// The comparison's calculation: the figures of one variant of a mortgage, as
// one row of the comparison, and the comparison as the screen keeps it and its
// file stores it: each row's texts, with the figures they were made from.
// The texts are made in core/forms/comparison_texts.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/listing.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"

namespace amortix {

inline constexpr int kComparisonRowLimit = 8;
inline constexpr int kGrid1Rows = 9;  // a header row and 8 data rows
inline constexpr int kGrid1Columns = 12;
inline constexpr int kGrid2MinRows = 10;
inline constexpr int kGrid2MinColumns = 8;
// The most MCGrid2 can grow to: the listing's rows (the header included) and
// a spare row, and a label and an amount column per listing index.
inline constexpr int kGrid2MaxRows = kListingRows + 1;
inline constexpr int kGrid2MaxColumns = 2 * kListingIndexes;
inline constexpr const char* kComparisonGraphTitle = AMX_TEXT(" Total mortgage interest paid");

// What the screen holds when Calculate is pressed.
struct ComparisonInputs {
    double principal = 100000.0;
    double ratePercent = 10.125;
    double years = 25.0;
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    DayBasis dayBasis;
    AdditionalPayments extra;
    Prepayments prepayments;              // the row's own, as the schedule takes them
    std::vector<RateChange> rateChanges;  // the row's own
    Rounding rounding = Rounding::Exact;
    std::string currencySymbol = "$";
    bool operator==(const ComparisonInputs&) const = default;
};

// The rate figures of a row's frequency, known before its payments are run.
struct ComparisonRates {
    std::int16_t paymentsPerYear = 12;
    // The days in the interest year; none for the monthly and semimonthly
    // frequencies, whose rate does not depend on them ("Normal").
    std::optional<float> daysInYear;
    double rateFactor = 0;  // the interest rate factor i_p
    bool operator==(const ComparisonRates&) const = default;
};

// An additional amount a row applied.
struct ComparisonExtraPayment {
    std::int16_t year = 0;  // mortgage year it fell in
    Month month;            // of that year
    Currency amount;
    bool operator==(const ComparisonExtraPayment&) const = default;
};

// A one-time amount a row paid, and after a recast the payment from then on.
struct ComparisonOneTimePayment {
    std::int16_t year = 0;
    Month month;
    Currency amount;        // as paid: less than entered when it paid the balance off
    double newPayment = 0;  // "Lower the payment": each payment after it; else 0
    bool operator==(const ComparisonOneTimePayment&) const = default;
};

// The figures of one calculated comparison row.
struct ComparisonRow {
    std::int16_t number = 1;          // 1..8
    std::optional<float> daysInYear;  // as ComparisonRates::daysInYear
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    double years = 0.0;        // amortization period
    long payments = 0;         // payments made, the final one included
    double retiredYear = 0.0;  // payments / payments per year
    bool starred = false;      // an additional amount was applied or the payment increased
    std::int16_t paymentsPerYear = 12;
    double principal = 0.0;
    double ratePercent = 0.0;
    double payment = 0.0;   // per period, increase included
    float increase = 0.0f;  // fraction: 0.05 for 5 %
    double totalInterest = 0.0;
    std::vector<ComparisonExtraPayment> extraPayments;  // in the order applied
    std::vector<AppliedRateChange> rateChanges;         // in the order they apply
    Rounding rounding = Rounding::Exact;
    // The row's recurring and one-time amounts as paid, what a one-time amount
    // did, and the lender's limits they went over (messages 47 and 48).
    std::vector<ComparisonOneTimePayment> oneTimePayments;  // in the order paid
    Currency recurringTotal;                                // of the recurring amount
    PrepaymentEffect prepaymentEffect = PrepaymentEffect::ShortenTerm;
    std::optional<LimitExceeded> yearlyLimit;
    std::optional<LimitExceeded> increaseLimit;
    bool operator==(const ComparisonRow&) const = default;
};

// What calculating one row gave. The rates are set once they are known, also
// when the row then fails; no row: an arithmetic fault (message 4).
struct ComparisonRowOutcome {
    std::optional<ComparisonRates> rates;
    std::optional<ComparisonRow> row;
    // Why the rate changes leave no row (44 or 45), or that one is never
    // reached (43, the row stands).
    std::optional<Message> rateChangeMessage;
};

// Row `number` for these inputs. Never throws. The caller refuses a period
// beyond the limit before (message 5).
ComparisonRowOutcome CalculateComparisonRow(const ComparisonInputs& inputs, std::int16_t number);

using TextTable = std::vector<std::vector<std::string>>;
using Grid1Row = std::array<std::string, kGrid1Columns>;

// Everything the comparison keeps between runs: the texts as displayed (which
// a comparison file stores) and, beside them, the figures of each row this
// screen calculated. Plain data: read it to save or print, replace it through
// ComparisonTable::Restore.
struct ComparisonState {
    std::int16_t rowCount = 0;  // rows in MCGrid1, 0..8
    // The tables of texts start empty without "{}": clang 14 crashes on a
    // local of a type whose nested arrays of strings are initialized so.
    std::array<Grid1Row, kGrid1Rows> grid1;  // row 0: headers
    // By row number less one: the figures each row's texts were made from.
    // Empty for a row opened from a file, which has only its texts.
    std::array<std::optional<ComparisonRow>, kComparisonRowLimit> rowValues{};
    int grid2Rows = kGrid2MinRows;
    int grid2Columns = kGrid2MinColumns;
    TextTable grid2;  // grid2Rows x grid2Columns; row 0 heads each row's listing

    // The applied amounts by listing row (0 heads the column) and listing index.
    ListingTable listingLabels;
    ListingTable listingAmounts;
    int listingIndex = 0;   // next listing index
    int listingColumn = 0;  // next column pair of MCGrid2
    int greatestEntries = 0;
    std::array<int, 3> greatestEntriesByGroup{};  // listing indexes 0-4, 5-9, 10-11
    int greatestListingIndex = 0;

    std::string printout;                 // four lines per row, CR LF ended
    std::vector<GraphPoint> graphPoints;  // one per row, row 1 first
    std::string graphTitle;
    std::int16_t rowsToGraph = 0;
    bool operator==(const ComparisonState&) const = default;
};

// False for counts that no comparison can have, and for figures kept for a
// row the comparison does not hold.
bool CanRestoreComparison(const ComparisonState& state);

}  // namespace amortix
