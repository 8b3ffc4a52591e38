#include "core/forms/afford_form.h"

#include <utility>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

AffordBox BoxOf(AffordSolve solve) {
    switch (solve) {
        case AffordSolve::Principal:
            return AffordBox::Principal;
        case AffordSolve::Years:
            return AffordBox::Years;
        case AffordSolve::Payment:
            break;
    }
    return AffordBox::Payment;
}

// The opening texts are not the display forms the boxes write back later.
constexpr const char* kOpeningRateText = "        6.500%";

// The quick help's paragraphs, an empty line between them.
constexpr HelpLine kAffordHelp[] = {
    {AMX_TEXT(
         "Calculations are automatic, change the values in any green input box and on leaving the box a new "
         "result is calculated and results shown in the white boxes."),
     1},
    {AMX_TEXT("Conventional Mortgage panel. Calculations, inputs and results are for a normal mortgage."), 1},
    {AMX_TEXT("Accelerated Mortgage panel shows results for the selected 'Frequency and type of payment', "
              "based on "
              "the inputs in Conventional Mortgage. Days in year do not affect Monthly or Semimonthly "
              "calculation."),
     1},
    {AMX_TEXT(
         "Select to find panel. Solves for a missing factor, based on which option button is active. White "
         "result box shows beside it in Conventional Mortgage."),
     1},
    {AMX_TEXT(
         "For example, to find out how much Principal you could afford for a given Monthly payment."
         " Click 'Principal' option,"
         " then type in Monthly payment, on leaving the box either by pressing <Enter>, clicking another box "
         "or 'Calculate', results will show in white boxes."),
     1},
    {AMX_TEXT(
         "When using 'Years' option, amortization box will show results to two decimal places but will only "
         "allow whole year input."),
     1},
    {AMX_TEXT("Press F1 key for more detailed information."), 0},
};

}  // namespace

bool IsAnswerBox(AffordSolve solve, AffordBox box) {
    return BoxOf(solve) == box;
}

bool IsHighlightedLabel(AffordSolve solve, AffordBox box) {
    const bool solvable = box == AffordBox::Principal || box == AffordBox::Years || box == AffordBox::Payment;
    return solvable && !IsAnswerBox(solve, box);
}

std::string AffordQuickHelp(const Catalogue& words) {
    return JoinHelp(kAffordHelp, words);
}

std::string_view AffordMessageText(AffordMessage message) {
    return message == AffordMessage::PaymentTooSmall ? kAffordTooSmall : kAffordMissingEntry;
}

AffordForm::AffordForm(std::string currencySymbol, const Catalogue& words)
    : currencySymbol_(std::move(currencySymbol)), words_(&words) {
    At(AffordBox::Principal) = {"   " + currencySymbol_ + "100,000.00", figures_.principal};
    At(AffordBox::Rate) = {kOpeningRateText, figures_.ratePercent};
    At(AffordBox::Years) = {TermBoxText(figures_.years), figures_.years};
}

std::string AffordForm::EnterPrincipal(double value) {
    figures_.principal = value;
    At(AffordBox::Principal) = {MoneyBoxText(currencySymbol_, value), value};
    return At(AffordBox::Principal).text;
}

std::string AffordForm::EnterRate(double value) {
    figures_.ratePercent = value;
    At(AffordBox::Rate) = {RateBoxText(value), value};
    return At(AffordBox::Rate).text;
}

std::string AffordForm::EnterPayment(double value) {
    figures_.payment = value;
    At(AffordBox::Payment) = {MoneyBoxText(currencySymbol_, value), value};
    return At(AffordBox::Payment).text;
}

TermEntry AffordForm::EnterYears(double value) {
    TermEntry entry = ClampTerm(TableKind::Mortgage, value);
    figures_.years = entry.years;
    At(AffordBox::Years) = {entry.text, entry.years};
    return entry;
}

TermEntry AffordForm::YearsLimit(std::string_view text) {
    return EnterTerm(TableKind::Mortgage, text);
}

const AffordResult& AffordForm::Calculate(Compounding compounding, Frequency frequency,
                                          const DayBasis& dayBasis) {
    monthlyFactor_ = 0;
    lastRun_ = SolveAfford({figures_, solve_, compounding, frequency, dayBasis});
    figures_ = lastRun_.figures;
    if (lastRun_.factors) {
        monthlyFactor_ = lastRun_.factors->monthly;
        periodFactor_ = lastRun_.factors->period;
    }
    Show(lastRun_, frequency);
    messageLine_ = lastRun_.message ? words_->Text(AffordMessageText(*lastRun_.message)) : std::string();
    return lastRun_;
}

const std::string& AffordForm::Text(AffordBox box) const {
    return boxes_[static_cast<std::size_t>(box)].text;
}

std::optional<double> AffordForm::Value(AffordBox box) const {
    return boxes_[static_cast<std::size_t>(box)].value;
}

std::string AffordForm::Money(double value, int width) const {
    return RightJustify(MoneyText(currencySymbol_, value, kWideMoneyMask), width);
}

void AffordForm::Show(const AffordResult& run, Frequency frequency) {
    const auto put = [this](AffordBox box, const auto& figure, auto text) {
        if (figure.emptied()) At(box) = {};
        if (figure.written()) At(box) = {text(figure.value), static_cast<double>(figure.value)};
    };
    const auto money = [this](int width) { return [this, width](double v) { return Money(v, width); }; };
    const auto years = [](std::string_view mask) {
        return [mask](double v) { return RightJustify(FormatNumber(v, mask), kBoxWidth); };
    };
    // The normal mortgage shows its own period with fixed decimals, and a
    // nothing saved two characters wider than the other boxes.
    const bool normal = frequency == Frequency::Monthly;

    put(AffordBox::Principal, run.principal, money(kBoxWidth));
    put(AffordBox::Payment, run.payment, money(kBoxWidth));
    put(AffordBox::Years, run.years, years(kUpToTwoDecimalsMask));
    put(AffordBox::TotalInterest, run.totalInterest, money(kResultBoxWidth));
    put(AffordBox::PaymentsPerYear, run.paymentsPerYear, [](std::int16_t n) {
        return RightJustify(FormatNumber(static_cast<double>(n), kTwoDigitMask), kPaymentsBoxWidth);
    });
    if (run.daysInYear.written()) {
        const AffordDays d = run.daysInYear.value;
        At(AffordBox::DaysInYear) = {DaysInYearText(d.paymentsPerYear, d.days, *words_),
                                     d.normal() ? std::nullopt : std::optional(static_cast<double>(d.days))};
    }
    put(AffordBox::YearsToFinal, run.yearsToFinal,
        years(normal ? kShortTwoDecimalsMask : kUpToTwoDecimalsMask));
    put(AffordBox::EachPayment, run.eachPayment, money(kBoxWidth));
    put(AffordBox::InterestSaved, run.interestSaved, money(normal ? kBoxWidth + 2 : kBoxWidth));
    put(AffordBox::AcceleratedTotalInterest, run.acceleratedTotalInterest, money(kBoxWidth));
}

}  // namespace amortix
