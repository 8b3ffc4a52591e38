#include <gtest/gtest.h>

#include "core/calc/dates.h"
#include "core/print/printout_notices.h"

namespace amortix {
namespace {

TEST(PrintoutNotices, AProposedFileNameSortsByDate) {
    const struct {
        std::string_view title;
        DaySerial day;
        const char* name;
    } cases[] = {
        {kMortgageTablePrintout, SerialFromCivil(2026, 12, 6), "Mortgage table 2026-12-06.pdf"},
        {kComparisonPrintout, SerialFromCivil(2027, 1, 31), "Mortgage comparison 2027-01-31.pdf"},
    };
    for (const auto& c : cases) EXPECT_EQ(PrintoutFileName(c.title, c.day), c.name);
}

}  // namespace
}  // namespace amortix
