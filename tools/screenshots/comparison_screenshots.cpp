// Pictures of the comparison screen for the documentation. Runs only when
// AMORTIX_SCREENSHOTS names a folder; scripts/comparison_screenshots.sh runs
// them under Xvfb at 96 and 144 DPI.

#include "comparison_test_util.h"
#include "dialogs/rate_changes_dialog.h"
#include "screenshots.h"

namespace amortix::gui {
namespace {

using ComparisonScreenshots = test::Screenshots<test::ComparisonProgram>;

TEST_F(ComparisonScreenshots, EightRowsAndTheQuickHelp) {
    OpenComparison();
    CalculateRow();  // the defaults, monthly
    Row(nullptr, nullptr, nullptr, -1, 4);
    AdditionalPayments({{2, 5000}, {5, 3000}});
    CalculateRow();
    Row("185000", "7.25", "30", 3, 5);
    AdditionalPayments({{1, 2000}, {3, 2500}, {6, 4000}, {10, 10000}}, 5, 2);
    CalculateRow();
    Row(nullptr, "6.5", "25", 3, 0);
    CalculateRow();
    Row(nullptr, nullptr, nullptr, 1, 2);
    AdditionalPayments({{4, 1500}, {8, 1500}, {12, 1500}, {16, 1500}, {20, 1500}}, 11);
    CalculateRow();
    Row("250000", "5.875", "40", 0, 3);
    CalculateRow();
    Row(nullptr, nullptr, nullptr, 4, 4);
    AdditionalPayments({{1, 20000}, {2, 15000}}, 0, 5);
    CalculateRow();
    Row("99999.99", "9", "15", 2, 1);
    AdditionalPayments({{3, 750.5}, {4, 750.5}, {5, 750.5}});
    CalculateRow();
    // Each new period erased the payments typed for the one before.
    EXPECT_EQ(Recorded().messages, (std::vector<int>{38, 38, 38, 38}));
    Save("comparison-eight-rows");
    Click(c->MCHelp);
    Save("comparison-quick-help");
}

// "Renew at 4, 5, 6 and 7 %" side by side, each row with its own change.
TEST_F(ComparisonScreenshots, FourRenewalRates) {
    OpenComparison();
    Row("300000", "5", "25", 3, 0);
    for (const double rate : {4.0, 5.0, 6.0, 7.0}) {
        c->Form().RateChanges() = {{6, 1, rate, amortix::RateChangePayment::Recalculate}};
        CalculateRow();
    }
    ShowRateChangesInForce(c->MCRateChangesOn, true);
    Save("comparison-four-renewal-rates");
}

}  // namespace
}  // namespace amortix::gui
