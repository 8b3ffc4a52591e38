#pragma once
// The comparison's texts, made from its figures: a row's MCGrid1 cells, its
// four printout lines, its column of the listing of additional payments, the
// two result boxes and the graph label. Comparison files store these texts,
// so each is made byte for byte as the screen has always shown it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/comparison.h"

namespace amortix {

inline constexpr std::array<std::string_view, kGrid1Columns> kGrid1Headers = {
    AMX_TEXT(" #  of Row"),
    AMX_TEXT("  Days       in      Year"),
    AMX_TEXT(" Interest Compound Periods"),
    AMX_TEXT("Frequency, type of Payment"),
    AMX_TEXT("Amort- ization Period"),
    AMX_TEXT("Retired at end of Year"),
    AMX_TEXT("Number Annual Payments"),
    AMX_TEXT("     Amount               of         Mortgage"),
    AMX_TEXT("Annual Interest Rate"),
    AMX_TEXT(" Principal  + Interest  Payment"),
    AMX_TEXT("P + I inclu- des %"),
    AMX_TEXT("       Total              Interest   Payments")};

// The InDays box and a row's days cell: "Normal" or the days in year.
// Rows keep English (files store their cells); the box may show `words`.
std::string ComparisonDaysText(std::int16_t paymentsPerYear, std::optional<float> daysInYear,
                               const Catalogue& words = EnglishCatalogue());
// The PeriodicR box.
std::string ComparisonRateFactorText(double rateFactor);

// A row's MCGrid1 cells.
Grid1Row ComparisonRowCells(const ComparisonRow& row, std::string_view currencySymbol);

// The lines a row appends to the printout text, each ended by CR LF: four,
// and one more for each rate change and for the lender's rounding.
std::string ComparisonRowLines(const ComparisonRow& row, std::string_view currencySymbol);
// A row's rate changes, each with the payment from then on, and its rounding
// when a lender's: the printout's lines below the figures, without indent.
std::vector<std::string> ComparisonRowChanges(const ComparisonRow& row, std::string_view currencySymbol);

// One label and amount of the listing tables.
struct ListingTexts {
    std::string label, amount;
};
// A row's column of the listing: the head (the row number) and one entry per
// year and month a yearly or one-time amount was paid in (by year alone, the
// month blank, when there are more than the listing holds); empty when the
// row paid none. A recurring amount is not listed: it stars the row.
std::vector<ListingTexts> ComparisonListing(const ComparisonRow& row);
// The MCGrid2 year-and-month cell of a listing entry below the head.
std::string Grid2LabelCell(const std::string& listingLabel);
// The MCGrid2 head of a row's amount column, from the listing's head amount.
std::string Grid2RowHead(const std::string& listingHeadAmount);
inline constexpr const char* kGrid2LabelHead = AMX_TEXT(" Yr. Mth");

// "Row " and the row number with its sign position blank.
std::string ComparisonGraphLabel(int row);

}  // namespace amortix
