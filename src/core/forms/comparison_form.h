#pragma once
// What the comparison screen shows and decides, without a window: its
// captions and start values, the display forms its boxes write back, the
// period limit, the quick help, and the inputs and additional payments the
// next row is calculated from. The rows themselves are the ComparisonTable's.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/comparison.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"
#include "core/forms/comparison_table.h"

namespace amortix {

inline constexpr const char* kComparisonCaption = AMX_TEXT(" Mortgage Comparison Tables");
inline constexpr const char* kComparisonLabel1 = AMX_TEXT(" Principal amount of          mortgage.");
inline constexpr const char* kComparisonLabel3 = AMX_TEXT(" Annual interest rate(%)");
inline constexpr const char* kComparisonLabel4 = AMX_TEXT(" Amortization period in       years.");
inline constexpr const char* kComparisonLabel5 = AMX_TEXT(" Interest compound           periods per year.");
inline constexpr const char* kComparisonLabel6 = AMX_TEXT(" Frequency and type of     each payment.");
inline constexpr const char* kComparisonLabel8 = AMX_TEXT("*  Additional  Payments  Applied");
inline constexpr const char* kComparisonLabel9 = AMX_TEXT(" Interest  rate     factor.");
inline constexpr const char* kComparisonLabel10 = AMX_TEXT(" Days       in year.");

// Why a workbook or CSV file of the comparison is refused while rows opened
// from a file (which keep only their texts) are shown.
inline constexpr const char* kRowsWithoutFigures = AMX_TEXT(
    "Rows opened from a file show only their texts. Calculate them again to export their figures, "
    "or export the printout as PDF.");
inline constexpr double kComparisonYearLimit = kMortgageYearLimit;

// The box texts and lists the screen opens with.
struct ComparisonStart {
    std::string principalText, rateText, termText;
    std::vector<std::string> rateList, termList;
};
ComparisonStart ComparisonStartFor(std::string_view currencySymbol);

// The quick help that replaces the upper grid, lines joined by CR LF.
std::string ComparisonQuickHelp(const Catalogue& words = EnglishCatalogue());

// The rate box's display form: the rate mask in 15 and "%".
std::string ComparisonRateText(double ratePercent);

class ComparisonForm {
  public:
    explicit ComparisonForm(std::string currencySymbol = "$");

    double Principal() const { return principal_; }
    double RatePercent() const { return ratePercent_; }
    double Years() const { return years_; }

    // Leaving an edited box: the value is kept for the next row and the box
    // shows the returned text.
    std::string EnterPrincipal(double value);
    std::string EnterRate(double value);
    std::string EnterTerm(double value);
    // Leaving the period box, edited or not: a text above the limit raises
    // message 5 and the box must show "40" and store it.
    static std::optional<Message> TermLimit(std::string_view text);

    // The year amounts belong to the period they were typed for: choosing or
    // leaving the period box erases them with the percentage increase.
    AdditionalPayments& Extra() { return extra_; }
    const AdditionalPayments& Extra() const { return extra_; }
    void EraseAdditionalPayments() { extra_.EraseAmounts(); }
    bool AdditionalPaymentsInForce() const {
        return extra_.increase > 0.0f || extra_.rowCount > 0 || prepayments_.HasAmounts();
    }
    // The recurring and one-time amounts and the limits of the next rows;
    // dated by year and month, they outlive a change of period.
    Prepayments& Prepays() { return prepayments_; }
    const Prepayments& Prepays() const { return prepayments_; }

    // The rates after the first for the next row, as the rate-changes dialog left them.
    std::vector<RateChange>& RateChanges() { return rateChanges_; }
    const std::vector<RateChange>& RateChanges() const { return rateChanges_; }

    // What the screen's lists and the day basis hold for the next row.
    struct Choices {
        Compounding compounding = Compounding::Monthly;
        Frequency frequency = Frequency::Monthly;
        Rounding rounding = Rounding::Exact;
        DayBasis dayBasis;
    };
    // The inputs of the next row.
    ComparisonInputs Inputs(const Choices& choices) const;
    // The Calculate button: one row more, or the messages that stopped it.
    ComparisonRun Calculate(const Choices& choices);

    // Removes row `number`, the rows after it renumbered; false for no such row.
    bool DeleteRow(int number);
    // Rows added or deleted since the comparison was last opened or saved:
    // leaving the screen then asks first.
    bool Unsaved() const { return unsaved_; }
    void MarkSaved() { unsaved_ = false; }

    // An opened comparison: the inputs of its next row (the additional
    // payments as given, the list texts and days are the screen's) and its
    // rows as saved. Refuses a state no comparison can have: false, and
    // nothing changed.
    bool Restore(const ComparisonInputs& inputs, ComparisonState state);

    // The rows, the listing, the printout text and the graph data.
    ComparisonTable& Table() { return comparison_; }
    const ComparisonTable& Table() const { return comparison_; }

  private:
    std::string currencySymbol_;
    double principal_ = 100000;
    double ratePercent_ = 10.125;
    double years_ = 25;
    AdditionalPayments extra_;
    std::vector<RateChange> rateChanges_;
    Prepayments prepayments_;
    ComparisonTable comparison_;
    bool unsaved_ = false;
};

}  // namespace amortix
