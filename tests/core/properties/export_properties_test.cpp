// An exported schedule reads back to the engine's own numbers: every figure
// of every payment in the CSV file is the row's figure exactly, whatever the
// inputs (a spreadsheet then sums what the screen shows).

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/calc/schedule.h"
#include "core/export/export.h"
#include "core/properties/any_inputs.h"

namespace amortix {
namespace {

using testing::AnyTableInputs;

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    return cells;
}

double Number(const std::string& cell) {
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    RC_ASSERT(end != cell.c_str());
    RC_ASSERT(*end == '\0');
    return value;
}

RC_GTEST_PROP(ExportProperties, TheScheduleCsvReadsBackToTheEnginesNumbers, ()) {
    ScheduleInputs in = AnyTableInputs();
    in.view = ScheduleView::AllPayments;
    in.showDates = false;
    in.termYears = 0;  // the whole schedule: a term exports only its years
    const ScheduleResult r = CalculateSchedule(in);
    RC_PRE(r.calculated);
    std::stringstream csv(ScheduleCsv(r));
    std::string line;
    std::getline(csv, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    RC_ASSERT(line ==
              std::string("Payment,Year,Interest,Principal,Additional payment,Balance,Cumulative interest,"
                          "Cumulative principal,Rate %"));
    std::size_t k = 0;
    while (std::getline(csv, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ++k;
        RC_ASSERT(k < r.rows.size());
        const ScheduleRow& row = r.rows[k];
        const std::vector<std::string> cells = Cells(line);
        RC_ASSERT(cells.size() == 9u);
        RC_ASSERT(Number(cells[0]) == static_cast<double>(row.number));
        RC_ASSERT(Number(cells[1]) == static_cast<double>(row.year));
        const Currency* amounts[] = {&row.interest, &row.principal,          &row.extra,
                                     &row.balance,  &row.cumulativeInterest, &row.cumulativePrincipal};
        for (std::size_t c = 0; c < 6; ++c) RC_ASSERT(Number(cells[c + 2]) == amounts[c]->ToDouble());
        RC_ASSERT(std::fabs(Number(cells[8]) - row.ratePercent) < 5e-7);
    }
    RC_ASSERT(k + 1 == r.rows.size());
}

}  // namespace
}  // namespace amortix
