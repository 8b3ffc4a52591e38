#include "core/forms/costs_texts.h"

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

// %1 the years of the term.
constexpr const char* kTermCaption = AMX_TEXT("%1-year term");
// When the mortgage insurance ends: %1 the payment, %2 its date or month.
constexpr const char* kEndPayment = AMX_TEXT("payment %1 (%2)");
constexpr const char* kEndMonth = AMX_TEXT("month %1");
// %1 the minimum down payment, %2 the price.
constexpr const char* kMinimumDownPayment = AMX_TEXT("The minimum is %1 for a price of %2.");
// %1 the principal.
constexpr const char* kPrincipalFromPrice =
    AMX_TEXT("The principal becomes %1: the price less the down payment.");
constexpr const char* kPrincipalWithAdded = AMX_TEXT(
    "The principal becomes %1: the price less the down payment, plus the premium and the fees added to the "
    "loan.");

std::string Amount(std::string_view symbol, double value) {
    return MoneyText(symbol, value, kCostsMoneyMask);
}

std::string Percent(double value, std::string_view mask = kPercentMask) {
    return FormatNumber(value, mask) + "%";
}

BorrowingCostTexts CostTexts(const BorrowingCost& cost, std::string_view symbol) {
    return {Amount(symbol, cost.interest), Amount(symbol, cost.financeCharges),
            Amount(symbol, cost.insurance), Amount(symbol, cost.Total())};
}

std::string EndText(const InsuranceEnd& end, const DateFormatter& formatDate, const Catalogue& words) {
    if (end.payment <= 0) return {};
    std::string when = end.date != 0 ? (formatDate ? formatDate(end.date) : IsoDate(end.date))
                                     : Fill(words.Text(kEndMonth), {std::to_string(end.month)});
    return Fill(words.Text(kEndPayment), {std::to_string(end.payment), when});
}

void PurchaseTexts(const CostsResult& r, const Costs& c, std::string_view symbol, CostsTexts& t) {
    const Purchase& p = r.purchase;
    if (c.price) {
        t.purchasePrice = Amount(symbol, *c.price);
        t.downPayment = Amount(symbol, c.downPayment);
        t.loanToValue = Percent(p.ltvPercent, kLoanToValueMask);
    }
    if (p.minimumDownPayment > 0) t.minimumDownPayment = Amount(symbol, p.minimumDownPayment);
    t.principal = Amount(symbol, p.principal);
    if (p.premium > 0) {
        t.premiumPercent = Percent(p.premiumPercent);
        t.premium = Amount(symbol, p.premium);
        t.premiumTax = Amount(symbol, p.premiumTax);
    }
    t.points = Amount(symbol, p.points);
    t.pointsPercent = Percent(c.pointsPercent);
    t.lenderFees = Amount(symbol, p.lenderFees);
    t.closingCosts = Amount(symbol, p.closingCosts);
    t.prepaidFinanceCharges = Amount(symbol, p.prepaidFinanceCharges);
    t.amountFinanced = Amount(symbol, p.amountFinanced);
    t.cashAtClosing = Amount(symbol, p.cashAtClosing);
}

}  // namespace

CostsTexts CostsTextsFor(const CostsResult& r, const Costs& c, std::string_view symbol,
                         const DateFormatter& formatDate, const Catalogue& words) {
    CostsTexts t;
    if (!r.calculated) return t;
    PurchaseTexts(r, c, symbol, t);
    t.apr = Percent(r.aprPercent);
    t.effectiveAnnualRate = Percent(r.effectiveAnnualPercent);
    t.termCaption = Fill(words.Text(kTermCaption), {std::to_string(r.termYears)});
    t.amortization = CostTexts(r.amortization, symbol);
    t.term = CostTexts(r.term, symbol);
    if (r.insurancePerPayment > 0) {
        t.insurancePerPayment = Amount(symbol, r.insurancePerPayment);
        t.insuranceEnds = EndText(r.insuranceEnds, formatDate, words);
        t.insuranceEndsOnRequest = EndText(r.insuranceEndsOnRequest, formatDate, words);
    }
    const MonthlyHomeCost& m = r.monthly;
    t.principalAndInterest = Amount(symbol, m.principalAndInterest);
    t.propertyTax = Amount(symbol, m.propertyTax);
    t.homeInsurance = Amount(symbol, m.homeInsurance);
    t.condoFees = Amount(symbol, m.condoFees);
    t.heating = Amount(symbol, m.heating);
    t.mortgageInsurance = Amount(symbol, m.mortgageInsurance);
    t.monthlyTotal = Amount(symbol, m.Total());
    return t;
}

std::string MinimumDownPaymentText(const Costs& c, const Purchase& p, std::string_view symbol,
                                   const Catalogue& words) {
    if (!c.price || !(p.minimumDownPayment > 0)) return {};
    return Fill(words.Text(kMinimumDownPayment),
                {Amount(symbol, p.minimumDownPayment), Amount(symbol, *c.price)});
}

std::string PrincipalFromPriceText(const Costs& c, const Purchase& p, std::string_view symbol,
                                   const Catalogue& words) {
    if (!c.price || !p.messages.empty()) return {};
    const bool added = p.premium > 0 || (c.pointsPaid == FeePayment::Financed && p.points > 0) ||
                       (c.lenderFeesPaid == FeePayment::Financed && p.lenderFees > 0) ||
                       (c.closingCostsPaid == FeePayment::Financed && p.closingCosts > 0);
    return Fill(words.Text(added ? kPrincipalWithAdded : kPrincipalFromPrice), {Amount(symbol, p.principal)});
}

}  // namespace amortix
