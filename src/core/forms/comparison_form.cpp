#include "core/forms/comparison_form.h"

#include <utility>

#include "core/format/masks.h"
#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"

namespace amortix {

ComparisonStart ComparisonStartFor(std::string_view currencySymbol) {
    ComparisonStart s;
    s.principalText = "   " + std::string(currencySymbol) + "100,000.00";
    s.rateText = "         10.125%";
    s.termText = "            25";
    s.rateList = {"6 ", "7 ", "8 ", "9 ", "10 "};
    s.termList = {"25", "30", "40"};
    return s;
}

namespace {

// Each line with the number of empty lines after it.
constexpr HelpLine kComparisonHelp[] = {
    {AMX_TEXT(
         "Click on green box to change, start typing in numbers, deletes previous ones, then 'Calculate'. "
         "Results shown in white cells."),
     0},
    {AMX_TEXT("Press F1 key for more detailed information."), 1},
    {AMX_TEXT(
         "If Additional Payments are used in a calculation, * will appear before the year number in Retired "
         "at End of Year column."),
     0},
    {AMX_TEXT(
         "Year and Amounts will be shown in the bottom spreadsheet with the row number in which they were "
         "used."),
     1},
    {AMX_TEXT("Sample entry:"), 1},
    {"       100,000.00                             6.125                                    25", 2},
    {AMX_TEXT("Click down arrow to select different Interest compound periods per year."), 0},
    {AMX_TEXT("American = Monthly.  Canadian = Semi-Annual."), 1},
    {AMX_TEXT("Click down arrow to select different Frequency and types of each payment."), 0},
    {AMX_TEXT(
         "Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + Interest. "
         "Mortgage retired earlier."),
     1},
    {AMX_TEXT(
         "Click 'Additional Payments'. Select option. Enter percentage and/or amount beside year, select "
         "month "
         "option. 'OK' accepts all changes, 'Erase all' sets all cells to 0. Effects all calculations unless "
         "Amortization period changed or 'Erase all' used."),
     1},
    {AMX_TEXT("Click 'Days in Year' to change the way interest is computed. Does not apply to Monthly or "
              "Semimonthly payments."),
     0},
};

}  // namespace

std::string ComparisonQuickHelp(const Catalogue& words) {
    return JoinHelp(kComparisonHelp, words);
}

std::string ComparisonRateText(double ratePercent) {
    return RightJustify(FormatNumber(ratePercent, kRateMask), kComparisonRateBoxWidth) + "%";
}

ComparisonForm::ComparisonForm(std::string currencySymbol) : currencySymbol_(std::move(currencySymbol)) {}

std::string ComparisonForm::EnterPrincipal(double value) {
    principal_ = value;
    return MoneyBoxText(currencySymbol_, value);
}

std::string ComparisonForm::EnterRate(double value) {
    ratePercent_ = value;
    return ComparisonRateText(value);
}

std::string ComparisonForm::EnterTerm(double value) {
    years_ = value;
    return TermBoxText(value);
}

std::optional<Message> ComparisonForm::TermLimit(std::string_view text) {
    if (ParseNumber(text) > kComparisonYearLimit) return Message::YearsLimit;
    return std::nullopt;
}

ComparisonInputs ComparisonForm::Inputs(const Choices& choices) const {
    ComparisonInputs in;
    in.principal = principal_;
    in.ratePercent = ratePercent_;
    in.years = years_;
    in.compounding = choices.compounding;
    in.frequency = choices.frequency;
    in.dayBasis = choices.dayBasis;
    in.extra = extra_;
    in.rateChanges = rateChanges_;
    in.rounding = choices.rounding;
    in.prepayments = prepayments_;
    in.currencySymbol = currencySymbol_;
    return in;
}

ComparisonRun ComparisonForm::Calculate(const Choices& choices) {
    ComparisonRun run = comparison_.Calculate(Inputs(choices));
    if (run.added) unsaved_ = true;
    return run;
}

bool ComparisonForm::DeleteRow(int number) {
    const bool deleted = comparison_.DeleteRow(number);
    if (deleted) unsaved_ = true;
    return deleted;
}

bool ComparisonForm::Restore(const ComparisonInputs& inputs, ComparisonState state) {
    if (!comparison_.Restore(std::move(state))) return false;
    principal_ = inputs.principal;
    ratePercent_ = inputs.ratePercent;
    years_ = inputs.years;
    extra_ = inputs.extra;
    rateChanges_ = inputs.rateChanges;
    prepayments_ = inputs.prepayments;
    unsaved_ = false;
    return true;
}

}  // namespace amortix
