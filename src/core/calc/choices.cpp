#include "core/calc/choices.h"

namespace amortix {

namespace {

template <class Table, class Key>
auto FindBy(const Table& table, Key key, std::string_view text) -> std::optional<decltype(table[0].id)> {
    for (const auto& row : table)
        if (row.*key == text) return row.id;
    return std::nullopt;
}

template <class Table>
auto FromCode(const Table& table, int code) -> std::optional<decltype(table[0].id)> {
    for (const auto& row : table)
        if (static_cast<int>(row.id) == code) return row.id;
    return std::nullopt;
}

}  // namespace

std::optional<Frequency> FindFrequency(std::string_view listText) {
    return FindBy(kFrequencies, &FrequencyInfo::listText, listText);
}

std::optional<Compounding> FindCompounding(std::string_view listText) {
    return FindBy(kCompoundings, &CompoundingInfo::listText, listText);
}

std::optional<RateChangePayment> FindRateChangePayment(std::string_view listText) {
    return FindBy(kRateChangePayments, &RateChangePaymentInfo::listText, listText);
}

std::optional<Rounding> FindRounding(std::string_view listText) {
    return FindBy(kRoundings, &RoundingInfo::listText, listText);
}

std::optional<FeePayment> FindFeePayment(std::string_view listText) {
    return FindBy(kFeePayments, &FeePaymentInfo::listText, listText);
}

std::optional<InsuranceKind> FindInsuranceKind(std::string_view listText) {
    return FindBy(kInsuranceKinds, &InsuranceKindInfo::listText, listText);
}

std::optional<Frequency> FrequencyNamed(std::string_view cliName) {
    return FindBy(kFrequencies, &FrequencyInfo::cliName, cliName);
}

std::optional<Compounding> CompoundingNamed(std::string_view cliName) {
    return FindBy(kCompoundings, &CompoundingInfo::cliName, cliName);
}

std::optional<RateChangePayment> RateChangePaymentNamed(std::string_view cliName) {
    return FindBy(kRateChangePayments, &RateChangePaymentInfo::cliName, cliName);
}

std::optional<Rounding> RoundingNamed(std::string_view cliName) {
    return FindBy(kRoundings, &RoundingInfo::cliName, cliName);
}

std::optional<FeePayment> FeePaymentNamed(std::string_view cliName) {
    return FindBy(kFeePayments, &FeePaymentInfo::cliName, cliName);
}

std::optional<InsuranceKind> InsuranceKindNamed(std::string_view cliName) {
    return FindBy(kInsuranceKinds, &InsuranceKindInfo::cliName, cliName);
}

std::optional<PrepaymentEffect> PrepaymentEffectNamed(std::string_view cliName) {
    return FindBy(kPrepaymentEffects, &PrepaymentEffectInfo::cliName, cliName);
}

std::optional<DayBasisChoice> DayBasisChoiceFromCode(int code) {
    return FromCode(kDayBases, code);
}

std::optional<ExtraPaymentKind> ExtraPaymentKindFromCode(int code) {
    return FromCode(kExtraPaymentKinds, code);
}

std::optional<TableKind> TableKindFromCode(int code) {
    return FromCode(kTableKinds, code);
}

std::optional<PrepaymentEffect> PrepaymentEffectFromCode(int code) {
    return FromCode(kPrepaymentEffects, code);
}

}  // namespace amortix
