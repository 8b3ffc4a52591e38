#include "core/forms/qualify_form.h"

#include <cmath>
#include <utility>

#include "core/format/masks.h"
#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"

namespace amortix {

namespace {

double& Field(QualifyInputs& in, QualifyInput input) {
    switch (input) {
        case QualifyInput::Income:
            return in.income;
        case QualifyInput::Income2:
            return in.income2;
        case QualifyInput::Debts:
            return in.debtsMonthly;
        case QualifyInput::CardBalances:
            return in.cardBalances;
        case QualifyInput::PropertyTax:
            return in.propertyTaxYearly;
        case QualifyInput::HomeInsurance:
            return in.homeInsuranceYearly;
        case QualifyInput::Heating:
            return in.heatingMonthly;
        case QualifyInput::CondoFees:
            return in.condoFeesMonthly;
        case QualifyInput::DownPayment:
            return in.downPayment;
        case QualifyInput::Rate:
            return in.ratePercent;
        case QualifyInput::Gds:
            return in.limits.gdsPercent;
        case QualifyInput::Tds:
            return in.limits.tdsPercent;
        case QualifyInput::StressAdd:
            return in.limits.stressAddPoints;
        case QualifyInput::StressFloor:
            return in.limits.stressFloorPercent;
        case QualifyInput::MortgageInsurance:
        case QualifyInput::Years:
            break;
    }
    return in.limits.mortgageInsurancePercent;
}

}  // namespace

std::string QualifyPercentText(double percent) {
    return FormatNumber(percent, kLoanToValueMask) + "%";
}

namespace {

// The quick help's paragraphs, an empty line between them.
constexpr HelpLine kQualifyHelp[] = {
    {AMX_TEXT(
         "Type the gross yearly income (and a second borrower's), the debts, the costs of the home and the "
         "down payment in the green boxes. Leaving a box, or Calculate, shows in the white boxes the largest "
         "mortgage and price the income qualifies for."),
     1},
    {AMX_TEXT(
         "Lenders divide the housing costs (the payment, property tax, heating and half the condominium fees "
         "in Canada; the payment, tax, insurance and association fees in the United States) by the gross "
         "monthly income: the housing ratio. With the other debts added it is the total ratio. Card and "
         "credit-line balances count at 3% of the balance a month."),
     1},
    {AMX_TEXT(
         "Under the Canadian rules the payment is tested at the qualifying rate, the greater of the contract "
         "rate plus 2 points and 5.25%, and a down payment under 20% adds the default insurance premium to "
         "the "
         "loan. Every limit can be changed."),
     1},
    {AMX_TEXT("The figures are estimates: the lender decides."), 1},
    {AMX_TEXT("Press F1 key for more detailed information."), 0},
};

}  // namespace

std::string QualifyQuickHelp(const Catalogue& words) {
    return JoinHelp(kQualifyHelp, words);
}

QualifyForm::QualifyForm(std::string currencySymbol) : currencySymbol_(std::move(currencySymbol)) {}

void QualifyForm::Restore(const QualifyInputs& inputs) {
    inputs_ = inputs;
    hasResults_ = false;
}

std::string QualifyForm::Money(double value) const {
    return MoneyBoxText(currencySymbol_, value);
}

std::string QualifyForm::Enter(QualifyInput input, double value) {
    if (input == QualifyInput::Years) {
        // Whole years, as typed: the run refuses what is out of range.
        inputs_.years = std::isfinite(value) && std::abs(value) < 1000 ? static_cast<int>(value) : 0;
    } else {
        Field(inputs_, input) = value;
    }
    hasResults_ = false;
    return Text(input);
}

double QualifyForm::Value(QualifyInput input) const {
    if (input == QualifyInput::Years) return inputs_.years;
    QualifyInputs copy = inputs_;
    return Field(copy, input);
}

std::string QualifyForm::Text(QualifyInput input) const {
    const double value = Value(input);
    switch (Info(input).kind) {
        case QualifyEntryKind::Money:
            return Money(value);
        case QualifyEntryKind::Percent:
            return RateBoxText(value);
        case QualifyEntryKind::Years:
            break;
    }
    return TermBoxText(value);
}

void QualifyForm::ChooseRules(QualifyRules rules) {
    inputs_ = WithRules(inputs_, rules);
    hasResults_ = false;
}

void QualifyForm::ChooseCompounding(Compounding compounding) {
    inputs_.compounding = compounding;
    hasResults_ = false;
}

void QualifyForm::ChooseFrequency(Frequency frequency) {
    inputs_.frequency = frequency;
    hasResults_ = false;
}

void QualifyForm::ChooseStressTest(bool on) {
    inputs_.limits.stressTest = on;
    hasResults_ = false;
}

const QualifyResult& QualifyForm::Calculate() {
    lastRun_ = Qualify(inputs_);
    hasResults_ = true;
    return lastRun_;
}

std::optional<double> QualifyForm::Value(QualifyBox box) const {
    const QualifyResult& r = lastRun_;
    if (!hasResults_ || !r.qualified) return std::nullopt;
    switch (box) {
        case QualifyBox::MaxMortgage:
            return r.maxMortgage;
        case QualifyBox::MaxPrice:
            return r.maxPrice;
        case QualifyBox::Premium:
            return r.premium;
        case QualifyBox::MortgageInsurance:
            return r.mortgageInsuranceMonthly;
        case QualifyBox::Binding:
            return std::nullopt;
        case QualifyBox::Gds:
            return r.gdsPercent;
        case QualifyBox::Tds:
            return r.tdsPercent;
        case QualifyBox::Payment:
            return r.payment;
        case QualifyBox::QualifyingRate:
            return r.qualifyingRatePercent;
        case QualifyBox::QualifyingPayment:
            return r.qualifyingPayment;
        case QualifyBox::DownPaymentNeeded:
            return r.downPaymentNeeded;
    }
    return std::nullopt;
}

std::string QualifyForm::Text(QualifyBox box) const {
    if (!hasResults_ || !lastRun_.qualified) return {};
    if (box == QualifyBox::Binding) return RightJustify(Info(lastRun_.binding).caption, kBoxWidth);
    const std::optional<double> value = Value(box);
    if (!value) return RightJustify(kQualifyNone, kBoxWidth);
    switch (box) {
        case QualifyBox::Gds:
        case QualifyBox::Tds:
            return RightJustify(QualifyPercentText(*value), kBoxWidth);
        case QualifyBox::QualifyingRate:
            return RateBoxText(*value);
        default:
            break;
    }
    // Nothing is "$0.00", as the costs show it.
    return RightJustify(MoneyText(currencySymbol_, *value, kCostsMoneyMask), kBoxWidth);
}

}  // namespace amortix
