#pragma once
// The display masks (the layout language of FormatNumber) and the text widths
// of the boxes, in one place so every screen, report and the command line
// show a figure the same way.

#include <string_view>

namespace amortix {

// Money.
inline constexpr std::string_view kWideMoneyMask = "####,,###.00";     // input boxes, grid cells, totals
inline constexpr std::string_view kNarrowMoneyMask = "###,,###.00";    // the payment and the result boxes
inline constexpr std::string_view kAmountMask = "###,###.00";          // an additional payment's amount
inline constexpr std::string_view kCostsMoneyMask = "###,###,##0.00";  // the costs: "$0.00" for nothing

// Rates and percentages.
inline constexpr std::string_view kRateMask = "###.000";
inline constexpr std::string_view kPrintedMortgageRateMask = "##.000";
inline constexpr std::string_view kPercentMask = "##0.000";    // the payment increase
inline constexpr std::string_view kRowPercentMask = "#0.000";  // the increase in a comparison row
inline constexpr std::string_view kPeriodicRateMask = "0.########";
inline constexpr std::string_view kLoanToValueMask = "##0.00";

// Counts, years and days.
inline constexpr std::string_view kCountMask = "###";
inline constexpr std::string_view kRowNumberMask = "####";
inline constexpr std::string_view kTwoDigitMask = "##";
inline constexpr std::string_view kRowLabelMask = "00";  // a comparison row number: 01..08
inline constexpr std::string_view kTwoDecimalsMask = "###.00";
inline constexpr std::string_view kShortTwoDecimalsMask = "##.00";
inline constexpr std::string_view kUpToTwoDecimalsMask = "##.##";
inline constexpr std::string_view kDaysInYearMask = "###.##";

// Text widths of the boxes (right-justified in so many characters).
inline constexpr int kBoxWidth = 16;                // input boxes and the affordability results
inline constexpr int kResultBoxWidth = 12;          // the tables screen's results
inline constexpr int kRateBoxWidth = 14;            // followed by "%"
inline constexpr int kComparisonRateBoxWidth = 15;  // the comparison screen's, followed by "%"
inline constexpr int kPercentBoxWidth = 9;          // followed by "%"
inline constexpr int kPaymentsBoxWidth = 8;         // payments a year on the affordability screen

}  // namespace amortix
