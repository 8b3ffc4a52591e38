#include <gtest/gtest.h>

#include <string>

#include "core/files/qualify_file.h"
#include "core/files/records.h"

namespace amortix {
namespace {

// A Canadian file as the program writes it, byte for byte.
constexpr std::string_view kCanada =
    "\"Qualifying\",1\r\n"
    "\"Rules\",\"Canada\",39,44,1,2,5.25,3,0\r\n"
    "\"Borrowers\",100000,0,0,0\r\n"
    "\"Home\",3000,0,100,0,50000\r\n"
    "\"Mortgage\",5,\"   Semiannual\",\"      Monthly\",25\r\n";

TEST(QualifyFile, TheScreensInputsSaveAsTheLayoutSays) {
    EXPECT_EQ(FormatQualifyFile(QualifyInputs{}), kCanada);
    const auto read = ParseQualifyFile(kCanada);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(read.value(), QualifyInputs{});
}

TEST(QualifyFile, EveryInputComesBack) {
    QualifyInputs in = WithRules(QualifyInputs{}, QualifyRules::UnitedStates);
    in.limits = {31.5, 42.25, true, 1.75, 6.1, 4, 0.85};
    in.income = 85000.55;
    in.income2 = 41999.99;
    in.debtsMonthly = 650.1;
    in.cardBalances = 12000;
    in.propertyTaxYearly = 4800;
    in.homeInsuranceYearly = 1350.25;
    in.heatingMonthly = 75;
    in.condoFeesMonthly = 275.5;
    in.downPayment = 20000;
    in.ratePercent = 6.875;
    in.compounding = Compounding::Quarterly;
    in.frequency = Frequency::WeeklyAccelerated;
    in.years = 40;
    const std::string bytes = FormatQualifyFile(in);
    const auto back = ParseQualifyFile(bytes);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(back.value(), in);
    EXPECT_EQ(FormatQualifyFile(back.value()), bytes);
}

TEST(QualifyFile, TheReaderRefusesWhatACalculationWouldNot) {
    const auto with = [](std::string_view from, std::string_view to) {
        std::string bytes(kCanada);
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"another kind", with("\"Qualifying\",1", "\"Costs\",1")},
        {"another layout", with("\"Qualifying\",1", "\"Qualifying\",2")},
        {"records out of order", with("\"Borrowers\",100000,0,0,0\r\n\"Home\",3000,0,100,0,50000",
                                      "\"Home\",3000,0,100,0,50000\r\n\"Borrowers\",100000,0,0,0")},
        {"a record missing", with("\"Mortgage\",5,\"   Semiannual\",\"      Monthly\",25\r\n", "")},
        {"a field missing", with("\"Borrowers\",100000,0,0,0", "\"Borrowers\",100000,0,0")},
        {"a field too many", with("\"Borrowers\",100000,0,0,0", "\"Borrowers\",100000,0,0,0,0")},
        {"no such rules", with("\"Canada\"", "\"Mexico\"")},
        {"a list text without its blanks", with("\"   Semiannual\"", "\"Semiannual\"")},
        {"a stress flag of 2", with(",44,1,", ",44,2,")},
        {"a negative income", with("\"Borrowers\",100000", "\"Borrowers\",-1")},
        {"an income too large", with("\"Borrowers\",100000", "\"Borrowers\",10000000")},
        {"a limit above 100 %", with(",39,44,", ",39,144,")},
        {"years above 40", with("Monthly\",25", "Monthly\",41")},
        {"years of 0", with("Monthly\",25", "Monthly\",0")},
        {"a number as text", with("\"Home\",3000", "\"Home\",\"3000\"")},
        {"something after the last record", std::string(kCanada) + "\"Extra\",1\r\n"},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        const auto read = ParseQualifyFile(c.bytes);
        EXPECT_FALSE(read) << c.name;
        if (!read) {
            EXPECT_FALSE(read.error().empty()) << c.name;
        }
    }
    QualifyInputs tooLong;
    tooLong.years = 41;
    EXPECT_THROW(FormatQualifyFile(tooLong), FormatError);
}

}  // namespace
}  // namespace amortix
