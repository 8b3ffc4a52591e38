#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/costs_samples.h"
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

// The whole section: the figures from costs_figures.py, the layout worked by
// hand (labels in 34, amounts right-justified in 13, what is said of them
// three blanks on; the cost of borrowing in columns of 15, 14, 17, 14, 15).
TEST(CostsSection, TheLinesOfACanadianPurchase) {
    ScheduleInputs in = Inputs();
    const auto print = CostsPrintFor(in, testing::CanadianPurchase());
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

// US insurance: its premium, the payment it ends at, by month or by date
// (payments from costs_figures.py; payment 135 falls 134 months after 1
// February 2027, worked by hand), and the monthly part while it lasts. A
// down payment below the Canadian minimum is told it (5 % of 500,000).
TEST(CostsSection, UsInsuranceAndTheTextsBesideTheSection) {
    ScheduleInputs in;
    in.ratePercent = 6.5;
    in.years = 30;
    Costs c;
    c.price = 400000;
    c.downPayment = 20000;
    c.insurance = InsuranceKind::UnitedStates;
    c.usAnnualPercent = 0.5;
    const std::vector<std::string> lines = CostsSectionLines(*CostsPrintFor(in, c), TableKind::Mortgage, "$");
    for (const char* line : {"Insurance with each payment             $158.33",
                             "  It ends at                                      payment 135 (month 135)",
                             "  It may end on request at                        payment 124 (month 124)",
                             "Mortgage insurance                      $158.33   until payment 135"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2027, 2, 1);
    EXPECT_EQ(CostsTextsFor(CalculateCosts(in, c), c, "$").insuranceEnds, "payment 135 (2038-04-01)");

    const Costs below = [] {
        Costs b = testing::CanadianPurchase();
        b.downPayment = 20000;
        return b;
    }();
    const Purchase refused = PurchaseFor(Inputs(), below);
    EXPECT_EQ(MinimumDownPaymentText(below, refused, "$"),
              "The minimum is $25,000.00 for a price of $500,000.00.");
    EXPECT_TRUE(
        CostsSectionLines(CostsPrint{below, CalculateCosts(Inputs(), below)}, TableKind::Mortgage, "$")
            .empty());
    const Purchase made = PurchaseFor(Inputs(), testing::CanadianPurchase());
    EXPECT_EQ(
        PrincipalFromPriceText(testing::CanadianPurchase(), made, "$"),
        "The principal becomes $495,000.00: the price less the down payment, plus the premium and the fees "
        "added to the loan.");
}

// In the report the section follows the totals, from column 2, within 77
// columns; the all-payments schedule ends low on its last page, so the
// section starts a page of its own. Without costs the report is as before.
TEST(CostsSection, InTheTablesReportAfterTheTotals) {
    ScheduleInputs in = Inputs();
    in.view = ScheduleView::AllPayments;
    TablesPrintData data = TablesPrintDataFor(in, "Header");
    data.costs = CostsPrintFor(in, testing::CanadianPurchase());
    in.principal = data.costs->result.purchase.principal;
    const TextReport report = RenderTablesReport(data, CalculateSchedule(in), kPrinterFontCourierNew);
    ASSERT_GE(report.pages.size(), 2u);
    const PrintedPage& last = report.pages.back();
    const PrintedPage& before = report.pages[report.pages.size() - 2];
    EXPECT_EQ(std::count_if(before.begin(), before.end(),
                            [](const std::string& l) { return l.rfind(" Total:", 0) == 0; }),
              1);
    EXPECT_EQ(
        std::count(last.begin(), last.begin() + 5, " Costs (estimates: the lender's disclosure governs)"), 1);
    EXPECT_EQ(last.back(), " Total                                 $3,678.94");
    for (const std::string& line : last) EXPECT_LE(line.size(), 77u) << line;

    data.costs.reset();
    for (const PrintedPage& page :
         RenderTablesReport(data, CalculateSchedule(in), kPrinterFontCourierNew).pages)
        for (const std::string& line : page) EXPECT_EQ(line.find("Costs"), std::string::npos);
}

}  // namespace
}  // namespace amortix
