#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/forms/costs_texts.h"
#include "core/print/costs_section.h"
#include "core/print/report.h"

namespace amortix {
namespace {

// The Canadian purchase of costs_test.cpp (figures from costs_figures.py).
ScheduleInputs Inputs() {
    ScheduleInputs in;
    in.ratePercent = 5;
    in.compounding = Compounding::Semiannual;
    in.view = ScheduleView::Annual;
    return in;
}

Costs Purchase500k() {
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

// The whole section: the figures from costs_figures.py, the layout worked by
// hand (labels in 34, amounts right-justified in 13, what is said of them
// three blanks on; the cost of borrowing in columns of 15, 14, 17, 14, 15).
TEST(CostsSection, TheLinesOfACanadianPurchase) {
    ScheduleInputs in = Inputs();
    const auto print = CostsPrintFor(in, Purchase500k());
    ASSERT_TRUE(print);
    const std::vector<std::string> expected = {
        "Costs (estimates: the lender's disclosure governs)",
        "___________________________________________________________________________",
        "",
        "Purchase price                      $500,000.00",
        "Down payment                         $25,000.00   minimum $25,000.00",
        "Loan-to-value before any premium         95.00%",
        "Default insurance premium 4.000%     $19,000.00   added to the loan",
        "Sales tax on the premium              $1,520.00   paid in cash",
        "Points 1.000%                         $4,950.00   paid in cash",
        "Lender and broker fees                $1,000.00   added to the loan",
        "Other closing costs                   $1,500.00   paid in cash",
        "Principal                           $495,000.00",
        "Prepaid finance charges              $26,470.00",
        "Amount financed                     $468,530.00",
        "Cash needed at closing               $32,970.00",
        "",
        "Annual percentage rate (estimate)        5.506%",
        "Effective annual rate                    5.647%",
        "",
        "Borrowing cost       Interest  Finance charges     Insurance          Total",
        "Amortization      $368,683.40        $5,950.00    $20,520.00    $395,153.40",
        "5-year term       $115,848.84        $5,950.00    $20,520.00    $142,318.84",
        "",
        "Monthly cost of the home",
        "Principal and interest                $2,878.94",
        "Property tax                            $300.00",
        "Home insurance                          $100.00",
        "Condominium or association fees         $300.00",
        "Heating                                 $100.00",
        "Total                                 $3,678.94",
    };
    EXPECT_EQ(CostsSectionLines(*print, TableKind::Mortgage, "$"), expected);
}

// US insurance: its premium, the payment it ends at (by month, or by date
// when the schedule shows dates) and the monthly part while it lasts. The
// payments from costs_figures.py; the date worked by hand (payment 135 is 134
// months after 1 February 2027).
TEST(CostsSection, UsInsuranceAndItsEnd) {
    ScheduleInputs in;
    in.ratePercent = 6.5;
    in.years = 30;
    Costs c;
    c.price = 400000;
    c.downPayment = 20000;
    c.insurance = InsuranceKind::UnitedStates;
    c.usAnnualPercent = 0.5;
    const auto print = CostsPrintFor(in, c);
    ASSERT_TRUE(print);
    const std::vector<std::string> lines = CostsSectionLines(*print, TableKind::Mortgage, "$");
    const auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("Insurance with each payment             $158.33"));
    EXPECT_TRUE(has("  It ends at                                      payment 135 (month 135)"));
    EXPECT_TRUE(has("  It may end on request at                        payment 124 (month 124)"));
    EXPECT_TRUE(has("Mortgage insurance                      $158.33   until payment 135"));

    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2027, 2, 1);
    const CostsTexts t = CostsTextsFor(CalculateCosts(in, c), c, "$");
    EXPECT_EQ(t.insuranceEnds, "payment 135 (2038-04-01)");
    EXPECT_EQ(t.insuranceEndsOnRequest, "payment 124 (2037-05-01)");
}

// Only the parts entered: a car loan's section has no purchase lines, no
// home costs and says "Monthly cost".
TEST(CostsSection, ALoanWithAFeeKeepsItShort) {
    ScheduleInputs in;
    in.mode = TableKind::PersonalLoan;
    in.principal = 20000;
    in.ratePercent = 7;
    in.years = 5;
    Costs c;
    c.lenderFees = 300;
    const auto print = CostsPrintFor(in, c);
    ASSERT_TRUE(print);
    const std::vector<std::string> lines = CostsSectionLines(*print, TableKind::PersonalLoan, "\u20ac");
    EXPECT_EQ(lines[3], "Lender and broker fees                  \u20ac300.00   paid in cash");
    EXPECT_EQ(lines[4], "Principal                            \u20ac20,000.00");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Monthly cost"), lines.end());
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find("Purchase") != std::string::npos; }),
              0);
    // No costs given, or costs the calculation refuses: no section.
    EXPECT_FALSE(CostsPrintFor(in, Costs{}));
    c.insurance = InsuranceKind::Canada;
    EXPECT_TRUE(CostsSectionLines(*CostsPrintFor(in, c), TableKind::PersonalLoan, "$").empty());
}

// In the report the section follows the totals (and the additional payments
// and rate changes), each line from column 2, within 77 columns; it moves to
// a new page when it does not fit.
TEST(CostsSection, InTheTablesReportAfterTheTotals) {
    for (const ScheduleView view : {ScheduleView::Annual, ScheduleView::AllPayments}) {
        ScheduleInputs in = Inputs();
        in.view = view;
        TablesPrintData data = TablesPrintDataFor(in, "Header");
        const auto costs = CostsPrintFor(in, Purchase500k());
        data.costs = costs;
        in.principal = costs->result.purchase.principal;
        const TextReport report = RenderTablesReport(data, CalculateSchedule(in), kPrinterFontCourierNew);
        ASSERT_FALSE(report.message);
        std::vector<std::string> lines;
        for (const PrintedPage& page : report.pages) {
            EXPECT_LE(static_cast<int>(page.size()), 60);
            lines.insert(lines.end(), page.begin(), page.end());
        }
        const auto totals = std::find_if(lines.begin(), lines.end(),
                                         [](const std::string& l) { return l.rfind(" Total:", 0) == 0; });
        const auto title =
            std::find(lines.begin(), lines.end(), " Costs (estimates: the lender's disclosure governs)");
        ASSERT_NE(totals, lines.end());
        ASSERT_NE(title, lines.end());
        EXPECT_LT(totals, title);
        EXPECT_EQ(lines.back(), " Total                                 $3,678.94");
        EXPECT_NE(std::find(lines.begin(), lines.end(), " Annual percentage rate (estimate)        5.506%"),
                  lines.end());
        for (const std::string& line : lines) EXPECT_LE(line.size(), 77u) << line;
        // The all-payments view ends its schedule low on a page: the section starts the next.
        if (view == ScheduleView::AllPayments) {
            const PrintedPage& last = report.pages.back();
            EXPECT_NE(std::find(last.begin(), last.end(), *title), last.end());
            EXPECT_EQ(std::find(last.begin(), last.end(), *totals), last.end());
        }
    }
    // Without costs the report is as before.
    const ScheduleInputs in = Inputs();
    for (const PrintedPage& page :
         RenderTablesReport(TablesPrintDataFor(in, "Header"), CalculateSchedule(in), kPrinterFontCourierNew)
             .pages)
        for (const std::string& line : page) EXPECT_EQ(line.find("Costs"), std::string::npos);
}

}  // namespace
}  // namespace amortix
