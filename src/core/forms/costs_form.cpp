#include "core/forms/costs_form.h"

#include <cmath>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

bool HasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

// The figure of a box's text: without the currency symbol in front, the
// thousands separators and the "%" the box shows around it.
double FigureOf(std::string_view text, std::string_view symbol) {
    std::string figure = Trim(text);
    if (!symbol.empty() && std::string_view(figure).starts_with(symbol)) figure.erase(0, symbol.size());
    std::string plain;
    for (const char c : figure)
        if (c != ',' && c != '%' && c != ' ') plain += c;
    return ParseNumber(plain);
}

// An empty box of a figure that may be absent reads as nothing.
std::optional<double> Read(const CostsEntries& e, CostsBox box, std::string_view symbol) {
    const std::string& text = e[box];
    if (!HasDigit(text)) return Info(box).mayBeEmpty ? std::nullopt : std::optional<double>(0.0);
    return FigureOf(text, symbol);
}

}  // namespace

std::string CostsBoxText(CostsBox box, double value, std::string_view symbol) {
    switch (Info(box).figure) {
        case CostsFigure::Amount:
            return MoneyText(symbol, value, kCostsMoneyMask);
        case CostsFigure::Percent:
            return FormatNumber(value, kPercentMask) + "%";
        case CostsFigure::Years:
            return FormatNumber(value, kCountMask);
    }
    return {};
}

std::string CostsBoxTextFor(CostsBox box, std::string_view typed, std::string_view symbol) {
    if (!HasDigit(typed)) return {};
    return CostsBoxText(box, FigureOf(typed, symbol), symbol);
}

CostsEntries EntriesFor(const Costs& c, std::string_view symbol) {
    CostsEntries e;
    const auto show = [&](CostsBox box, double value) { e[box] = CostsBoxText(box, value, symbol); };
    if (c.price) show(CostsBox::Price, *c.price);
    show(CostsBox::DownPayment, c.downPayment);
    show(CostsBox::Points, c.pointsPercent);
    show(CostsBox::LenderFees, c.lenderFees);
    show(CostsBox::ClosingCosts, c.closingCosts);
    if (c.insurance == InsuranceKind::UnitedStates)
        show(CostsBox::InsuranceRate, c.usAnnualPercent);
    else if (c.insurance == InsuranceKind::Canada && c.canadianPremiumPercent)
        show(CostsBox::InsuranceRate, *c.canadianPremiumPercent);
    show(CostsBox::PremiumTax, c.premiumTaxPercent);
    show(CostsBox::PropertyTax, c.propertyTaxYearly);
    show(CostsBox::HomeInsurance, c.homeInsuranceYearly);
    show(CostsBox::CondoFees, c.condoFeesMonthly);
    show(CostsBox::Heating, c.heatingMonthly);
    show(CostsBox::Term, c.termYears);
    e.pointsPaid = c.pointsPaid;
    e.lenderFeesPaid = c.lenderFeesPaid;
    e.closingCostsPaid = c.closingCostsPaid;
    e.insurance = c.insurance;
    return e;
}

CostsRead ReadEntries(const CostsEntries& e, std::string_view symbol) {
    const auto figure = [&](CostsBox box) { return Read(e, box, symbol); };
    Costs c;
    c.price = figure(CostsBox::Price);
    c.downPayment = *figure(CostsBox::DownPayment);
    c.pointsPercent = *figure(CostsBox::Points);
    c.lenderFees = *figure(CostsBox::LenderFees);
    c.closingCosts = *figure(CostsBox::ClosingCosts);
    c.pointsPaid = e.pointsPaid;
    c.lenderFeesPaid = e.lenderFeesPaid;
    c.closingCostsPaid = e.closingCostsPaid;
    c.insurance = e.insurance;
    // One rate box serves whichever insurance is chosen.
    if (c.insurance == InsuranceKind::Canada) c.canadianPremiumPercent = figure(CostsBox::InsuranceRate);
    if (c.insurance == InsuranceKind::UnitedStates)
        c.usAnnualPercent = figure(CostsBox::InsuranceRate).value_or(0.0);
    c.premiumTaxPercent = *figure(CostsBox::PremiumTax);
    c.propertyTaxYearly = *figure(CostsBox::PropertyTax);
    c.homeInsuranceYearly = *figure(CostsBox::HomeInsurance);
    c.condoFeesMonthly = *figure(CostsBox::CondoFees);
    c.heatingMonthly = *figure(CostsBox::Heating);
    const double term = *figure(CostsBox::Term);
    // A fraction of a year, or a term the counter cannot hold, is out of range.
    if (term != std::floor(term) || term < 0 || term > 99) return {std::nullopt, Message::CostsRange};
    c.termYears = static_cast<std::int16_t>(term);
    if (const auto refusal = CostsRefusal(c)) return {std::nullopt, *refusal};
    return {c, std::nullopt};
}

CostsOutcome WorkOutCosts(const ScheduleInputs& in, const Costs& costs, const Catalogue& words) {
    CostsOutcome out;
    out.result = CalculateCosts(in, costs);
    out.messages = out.result.messages;
    const Purchase& purchase = out.result.purchase;
    if (!out.messages.empty()) {
        if (out.messages.front() == Message::DownPaymentBelowMinimum)
            out.detail = MinimumDownPaymentText(costs, purchase, in.currencySymbol, words);
        return out;
    }
    if (!out.result.calculated) {
        // The schedule itself has no result: its own messages say why.
        ScheduleInputs all = in;
        all.principal = purchase.principal;
        all.termYears = 0;
        out.messages = CalculateSchedule(all).messages;
        if (out.messages.empty()) out.messages.push_back(Message::CannotCalculate);
        return out;
    }
    out.texts = CostsTextsFor(out.result, costs, in.currencySymbol, in.formatDate, words);
    if (costs.price) {
        out.principal = purchase.principal;
        out.principalNote = PrincipalFromPriceText(costs, purchase, in.currencySymbol, words);
    }
    return out;
}

namespace {

// %1 the years of the term.
constexpr const char* kTermCostCaption = AMX_TEXT("Cost of borrowing, %1-year term");
// %1 the premium, %2 its percentage of the loan.
constexpr const char* kPremiumAt = AMX_TEXT("%1 at %2");
// %1 the US mortgage insurance with each payment.
constexpr const char* kInsuranceAPayment = AMX_TEXT("%1 a payment");

}  // namespace

std::string TermCostCaption(std::int16_t termYears, const Catalogue& words) {
    return Fill(words.Text(kTermCostCaption), {std::to_string(termYears)});
}

std::string PremiumText(const CostsTexts& t, const Catalogue& words) {
    if (!t.premium.empty()) return Fill(words.Text(kPremiumAt), {t.premium, t.premiumPercent});
    if (!t.insurancePerPayment.empty()) return Fill(words.Text(kInsuranceAPayment), {t.insurancePerPayment});
    return {};
}

}  // namespace amortix
