#include <gtest/gtest.h>

#include "core/calc/choices.h"
#include "core/choice_printing.h"

namespace amortix {
namespace {

TEST(Choices, EveryListTextReadsBackAsItsChoiceAndNoOther) {
    for (const FrequencyInfo& f : kFrequencies) {
        EXPECT_EQ(FindFrequency(f.listText), f.id);
        EXPECT_EQ(FrequencyNamed(f.cliName), f.id);
        EXPECT_EQ(&Info(f.id), &f);
    }
    for (const CompoundingInfo& c : kCompoundings) {
        EXPECT_EQ(FindCompounding(c.listText), c.id);
        EXPECT_EQ(CompoundingNamed(c.cliName), c.id);
    }
    for (const RateChangePaymentInfo& p : kRateChangePayments)
        EXPECT_EQ(FindRateChangePayment(p.listText), p.id);
    for (const RoundingInfo& r : kRoundings) EXPECT_EQ(FindRounding(r.listText), r.id);
    for (const FeePaymentInfo& p : kFeePayments) {
        EXPECT_EQ(FindFeePayment(p.listText), p.id);
        EXPECT_EQ(FeePaymentNamed(p.cliName), p.id);
    }
    for (const InsuranceKindInfo& k : kInsuranceKinds) {
        EXPECT_EQ(FindInsuranceKind(k.listText), k.id);
        EXPECT_EQ(InsuranceKindNamed(k.cliName), k.id);
    }
    EXPECT_FALSE(FindInsuranceKind("us"));
    EXPECT_FALSE(InsuranceKindNamed("United States"));
    // Files store the padded texts: the blanks are part of them.
    EXPECT_FALSE(FindFrequency("Monthly"));
    EXPECT_FALSE(FindCompounding("Semiannual"));
    EXPECT_FALSE(FindFrequency(""));
    // Files store the list texts, not the command line's names.
    EXPECT_FALSE(FindRateChangePayment("keep"));
    EXPECT_FALSE(FindRounding("lender"));
}

TEST(Choices, StoredCodesAreTheOnesFilesHold) {
    EXPECT_EQ(DayBasisChoiceFromCode(0), DayBasisChoice::Days365_25);
    EXPECT_EQ(DayBasisChoiceFromCode(4), DayBasisChoice::Typed);
    EXPECT_FALSE(DayBasisChoiceFromCode(5));
    EXPECT_EQ(ExtraPaymentKindFromCode(2), ExtraPaymentKind::Both);
    EXPECT_FALSE(ExtraPaymentKindFromCode(-1));
    EXPECT_EQ(TableKindFromCode(2), TableKind::PersonalLoan);
    EXPECT_FALSE(TableKindFromCode(0));
}

TEST(Choices, TheMonthOfTheAdditionalPaymentsAsFilesStoreIt) {
    // 12 stands for the first month, every other month for the one before it.
    const struct {
        std::int16_t month;
        std::int16_t code;
    } cases[] = {{1, 12}, {2, 1}, {4, 3}, {12, 11}};
    for (const auto& c : cases) {
        EXPECT_EQ(Month{c.month}.StoredCode(), c.code) << c.month;
        EXPECT_EQ(Month::FromStoredCode(c.code), Month{c.month}) << c.code;
    }
    // A hand-edited 0 or a code out of range reads as the first month.
    EXPECT_EQ(Month::FromStoredCode(0), Month{1});
    EXPECT_EQ(Month::FromStoredCode(13), Month{1});
}

}  // namespace
}  // namespace amortix
