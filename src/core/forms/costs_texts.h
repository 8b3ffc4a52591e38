#pragma once
// The texts of the costs: each figure of a CostsResult as the costs dialog's
// result boxes, the tables report and the command line show it, without
// padding. Amounts carry the currency symbol, rates end with "%".

#include <string>
#include <string_view>

#include "core/calc/costs.h"
#include "core/format/catalogue.h"

namespace amortix {

struct BorrowingCostTexts {
    std::string interest, financeCharges, insurance, total;
};

struct CostsTexts {
    // The purchase; empty without a price.
    std::string purchasePrice, downPayment, minimumDownPayment, loanToValue;
    std::string principal;
    // Empty when no Canadian premium applies.
    std::string premiumPercent, premium, premiumTax;
    std::string points, pointsPercent, lenderFees, closingCosts;
    std::string prepaidFinanceCharges, amountFinanced, cashAtClosing;
    std::string apr, effectiveAnnualRate;  // three decimals: "5.506%"
    std::string termCaption;               // "5-year term"
    BorrowingCostTexts amortization, term;
    // US insurance: empty without it. The ends read "payment 135 (month 135)",
    // or with the payment's date when the schedule shows dates.
    std::string insurancePerPayment, insuranceEnds, insuranceEndsOnRequest;
    std::string principalAndInterest, propertyTax, homeInsurance, condoFees, heating, mortgageInsurance,
        monthlyTotal;
};

// Empty texts for a result that was not calculated.
CostsTexts CostsTextsFor(const CostsResult& result, const Costs& costs, std::string_view currencySymbol,
                         const DateFormatter& formatDate = {}, const Catalogue& words = EnglishCatalogue());

// What a down payment below the Canadian minimum is told besides message 52:
// "The minimum is $25,000.00 for a price of $500,000.00."
std::string MinimumDownPaymentText(const Costs& costs, const Purchase& purchase,
                                   std::string_view currencySymbol,
                                   const Catalogue& words = EnglishCatalogue());

// What the costs dialog says of the principal a price makes:
// "The principal becomes $495,000.00: the price less the down payment, plus
// the premium and the fees added to the loan."; empty without a price.
std::string PrincipalFromPriceText(const Costs& costs, const Purchase& purchase,
                                   std::string_view currencySymbol,
                                   const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
