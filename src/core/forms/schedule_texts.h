#pragma once
// The tables screen's texts made from a schedule's figures: the result
// boxes, the grid's cells, the listing of additional payments. The window,
// the command line and the report show these, so they stay the same bytes.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/schedule.h"
#include "core/format/catalogue.h"

namespace amortix {

// The empty " P+I includes" caption the screen shows without results.
inline constexpr const char* kLabel16Cleared = AMX_TEXT(" P+I includes      0.000%");
// The label beside the payment increase: " P+I includes  " and the percentage
// (`increase` is a fraction; at most 1, for 100 %).
std::string Label16Text(float increase, const Catalogue& words = EnglishCatalogue());

// Each result box's text, named by what it shows; empty (and the cleared
// caption) while there are no results.
struct ScheduleBoxTexts {
    std::string daysInYear, rateFactor, paymentsPerYear, payment, increaseCaption, increaseAmount,
        yearsToFinal, totalPaid, interestSaved;
    // Against the same mortgage without any prepayment; empty when that
    // mortgage cannot be worked out.
    std::string interestSavedByPrepayments, payoffEarlier;
};
ScheduleBoxTexts BoxTexts(const ScheduleResult& result, std::string_view currencySymbol,
                          const Catalogue& words = EnglishCatalogue());

// "Normal" for 12 and 24 payments a year, otherwise the days in year.
std::string DaysInYearText(const ScheduleSummary& summary, const Catalogue& words = EnglishCatalogue());

// The printout's listing of the additional payments applied, CR LF ended;
// empty when none were in force. With the new kinds of prepayment it also
// lists the recurring amount, what the prepayments saved and the lender's
// limits they went over.
std::string AdditionalNotesText(const ScheduleResult& result, const Catalogue& words = EnglishCatalogue());

// "2 yr 3 mo": how much sooner the final payment falls.
std::string PayoffEarlierText(long months, const Catalogue& words = EnglishCatalogue());
// What message 47 and 48 report, in a sentence each: the first year over
// the limit and by how much.
std::string YearlyLimitText(const LimitExceeded& exceeded, std::string_view currencySymbol,
                            const Catalogue& words = EnglishCatalogue());
std::string IncreaseLimitText(const LimitExceeded& exceeded, std::string_view currencySymbol,
                              const Catalogue& words = EnglishCatalogue());

// The header of column 0 for the view, and of any grid column (row 0), so a
// screen lays out its grid before the first calculation.
std::string GridColumn0Header(ScheduleView view, bool showDates, const Catalogue& words = EnglishCatalogue());
std::string GridHeader(int column, ScheduleView view, bool showDates,
                       const Catalogue& words = EnglishCatalogue());

// What the grid shows, cell by cell, so a screen formats only the rows in view.
class ScheduleGrid {
  public:
    ScheduleGrid(std::shared_ptr<const ScheduleResult> result, std::string currencySymbol,
                 DateFormatter formatDate = {}, const Catalogue& words = EnglishCatalogue());

    int RowCount() const { return rowCount_; }
    // A schedule with rate changes has a seventh column, the rate in force,
    // and lists the changes below the additional payments.
    int ColumnCount() const { return columnCount_; }
    std::string Cell(int row, int column) const;
    // Every cell's text, row by row in one block: the command line writes
    // them all, and one block keeps that to a single allocation.
    struct AllCells {
        int rows = 0;
        int columns = kGridColumns;
        std::vector<std::string> texts;  // rows x columns
        std::span<const std::string> Row(int row) const {
            return {texts.data() + static_cast<std::ptrdiff_t>(row) * columns,
                    static_cast<std::size_t>(columns)};
        }
    };
    AllCells Cells() const;
    const ScheduleResult& Result() const { return *result_; }

  private:
    std::string ListingCell(int row, int column) const;
    std::string RecurringCell(int column) const;
    std::string RateChangeCell(int row, int column) const;
    int RateChangesRow() const;  // the title row of the changes' listing

    std::shared_ptr<const ScheduleResult> result_;
    std::string currencySymbol_;
    DateFormatter formatDate_;
    const Catalogue* words_;  // outlives the grid: the window's or the English one
    int rowCount_ = 1;
    int columnCount_ = kGridColumns;
    int listingRows_ = 0;       // ScheduleResult::ListingRows, asked once
    bool newPayments_ = false;  // a listed amount lowered the payment
};

}  // namespace amortix
