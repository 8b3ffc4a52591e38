#pragma once
// The texts of exported files: sheet names, column headers and the labels of
// the inputs and results. Every exported file takes them from here, so the
// spreadsheet and the CSV of one table always agree, and a translation is one
// file.

#include <string_view>

namespace amortix::labels {

// Sheet names: at most 31 characters, none of []:*?/\.
inline constexpr std::string_view kSummarySheet = "Summary";
inline constexpr std::string_view kScheduleSheet = "Schedule";
inline constexpr std::string_view kRateChangesSheet = "Rate changes";
inline constexpr std::string_view kComparisonSheet = "Comparison";
inline constexpr std::string_view kExtraPaymentsSheet = "Additional payments";
inline constexpr std::string_view kAffordSheet = "Affordability";

// The two columns of a sheet of inputs and results.
inline constexpr std::string_view kItem = "Item";
inline constexpr std::string_view kValue = "Value";

// Columns of the schedule, the comparison and their listings.
inline constexpr std::string_view kPayment = "Payment";
inline constexpr std::string_view kYear = "Year";
inline constexpr std::string_view kMonth = "Month";
inline constexpr std::string_view kDate = "Date";
inline constexpr std::string_view kInterest = "Interest";
inline constexpr std::string_view kPrincipal = "Principal";
inline constexpr std::string_view kExtra = "Additional payment";
inline constexpr std::string_view kBalance = "Balance";
inline constexpr std::string_view kCumulativeInterest = "Cumulative interest";
inline constexpr std::string_view kCumulativePrincipal = "Cumulative principal";
inline constexpr std::string_view kRate = "Rate %";
inline constexpr std::string_view kRow = "Row";
inline constexpr std::string_view kYears = "Years";
inline constexpr std::string_view kCompounding = "Compounding";
inline constexpr std::string_view kFrequency = "Frequency";
inline constexpr std::string_view kDaysInYear = "Days in year";
inline constexpr std::string_view kPaymentsPerYear = "Payments each year";
inline constexpr std::string_view kIncrease = "Increase %";
inline constexpr std::string_view kPayments = "Payments";
inline constexpr std::string_view kRetiredYear = "Retired in year";
inline constexpr std::string_view kTotalInterest = "Total interest";
inline constexpr std::string_view kExtraTotal = "Additional payments";
inline constexpr std::string_view kRounding = "Rounding";
inline constexpr std::string_view kAmount = "Amount";
inline constexpr std::string_view kPaymentChange = "Payment change";
inline constexpr std::string_view kFirstPayment = "First payment";
inline constexpr std::string_view kReached = "Reached";
inline constexpr std::string_view kNewPayment = "New payment";

// Inputs and results of the tables screen.
inline constexpr std::string_view kTable = "Table";
inline constexpr std::string_view kMortgage = "Mortgage";
inline constexpr std::string_view kLoan = "Personal loan";
inline constexpr std::string_view kAnnualRate = "Annual interest rate";
inline constexpr std::string_view kPeriodYears = "Amortization period (years)";
inline constexpr std::string_view kPeriodMonths = "Payback period (months)";
inline constexpr std::string_view kFirstPaymentDate = "First payment date";
inline constexpr std::string_view kYearsShown = "Years shown";
inline constexpr std::string_view kPaymentIncrease = "Payment increase";
inline constexpr std::string_view kExtraMonth = "Month of the additional payments";
inline constexpr std::string_view kRateFactor = "Interest rate factor";
inline constexpr std::string_view kEachPayment = "Principal + interest payment";
inline constexpr std::string_view kMonthlyPayment = "Payment of the normal monthly mortgage";
inline constexpr std::string_view kIncreaseAmount = "Added by the increase";
inline constexpr std::string_view kYearsToFinal = "Years to final payment";
inline constexpr std::string_view kMonthsToFinal = "Months to final payment";
inline constexpr std::string_view kTotalPaid = "Total paid";
inline constexpr std::string_view kInterestSaved = "Interest saved";
inline constexpr std::string_view kMessage = "Message";  // followed by its number

// Inputs and results of the affordability screen.
inline constexpr std::string_view kFind = "Find";
inline constexpr std::string_view kMonthlyPaymentPI = "Monthly payment";
inline constexpr std::string_view kAcceleratedPayment = "Each payment";
inline constexpr std::string_view kAcceleratedTotalInterest = "Accelerated total interest";

// Words in value cells.
inline constexpr std::string_view kNormalDays = "Normal";
inline constexpr std::string_view kYes = "Yes";
inline constexpr std::string_view kNo = "No";

}  // namespace amortix::labels
