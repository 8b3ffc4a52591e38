#pragma once
// The purchase the costs tests share, worked in calc/costs_figures.py:
// 500,000 with 25,000 down (95 %: premium 4.00 %, 8 % tax in cash); 1 point
// in cash, a 1,000 fee added to the loan, 1,500 of closing costs in cash and
// the costs of the home.

#include "core/calc/costs.h"

namespace amortix::testing {

inline Costs CanadianPurchase() {
    Costs c;
    c.price = 500000;
    c.downPayment = 25000;
    c.insurance = InsuranceKind::Canada;
    c.premiumTaxPercent = 8;
    c.pointsPercent = 1;
    c.lenderFees = 1000;
    c.lenderFeesPaid = FeePayment::Financed;
    c.closingCosts = 1500;
    c.propertyTaxYearly = 3600;
    c.homeInsuranceYearly = 1200;
    c.condoFeesMonthly = 300;
    c.heatingMonthly = 100;
    return c;
}

}  // namespace amortix::testing
