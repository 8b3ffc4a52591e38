#pragma once
// Typical contents of the table and comparison files, for the file tests.

#include <string>

#include "core/files/comparison_file.h"
#include "core/files/table_file.h"
#include "core/format/numfmt.h"

namespace amortix::testing {

inline TableFileData SampleTable() {
    TableFileData t;
    t.principal = 100000;
    t.ratePercent = 10.125;
    t.years = 25;
    t.compounding = "   Semiannual";
    t.frequency = " Biweekly(Acc)";
    t.firstPaymentDate = "6/1/24";
    t.showDates = 1;
    t.dayBasisChoice = 4;
    t.view = 2;
    t.yearsWithAmounts = 2;
    t.mode = TableKind::Mortgage;
    t.daysInYear = 364.5f;
    t.extraPaymentType = 2;
    t.paymentIncrease = 0.05f;
    for (int y = 1; y <= 25; ++y) {
        const double amount = y == 3 ? 1500.5 : y == 10 ? 2000.0001 : 0.0;
        t.yearRecords.push_back({Currency::FromDouble(y), Currency::FromDouble(amount)});
    }
    return t;
}

// A comparison of `rows` rows without additional payments, as the screen
// holds it after that many Calculates and a file read gives it back.
inline ComparisonFile SampleComparison(int rows) {
    static const char* const kFrequencies[] = {"Monthly",       "Semimonthly", "2 Weeks", "1 Week",
                                               "Biweekly(Acc)", "Weekly(Acc)", "Monthly", "Monthly"};
    ComparisonFile c;
    ComparisonInputs& in = c.inputs;
    in.principal = 100000;
    in.ratePercent = 10.125;
    in.years = 25;
    in.compounding = Compounding::Monthly;
    in.frequency = Frequency::WeeklyAccelerated;
    in.dayBasis = DayBasis::Preset(DayBasisChoice::Days365);
    in.extra.years = 25;
    in.extra.month = Month{1};
    ComparisonState& s = c.state;
    s.rowCount = static_cast<std::int16_t>(rows);
    s.grid2.assign(10, std::vector<std::string>(8));
    s.rowsToGraph = static_cast<std::int16_t>(rows);
    s.graphTitle = kSavedComparisonGraphTitle;
    for (int r = 1; r <= rows; ++r) {
        const std::string number = FormatNumber(r, "00");
        s.grid1[static_cast<std::size_t>(r)] = {number,    "Normal",  "Monthly", kFrequencies[r - 1],
                                                " 25",     "*25.00",  " 12 ",    "$100,000.00",
                                                " 10.125", "$917.53", " 0.000",  "$175,258.20"};
        s.graphPoints.push_back({"Row  " + std::to_string(r), 0, 175258.2 - r});
        s.printout +=
            " " + number + "  Normal  Monthly  Monthly  0.000% Was added to regular P+I payment\r\n";
        s.printout += "\r\n";
        s.printout += "               25    * 25.00   12   $100,000.00  10.125   $917.53  $175,258.20\r\n";
        s.printout += "\r\n";
    }
    s.listingLabels[0][0] = "Yr. Mth Row";
    s.listingAmounts[0][0] = "  1";
    return c;
}

}  // namespace amortix::testing
