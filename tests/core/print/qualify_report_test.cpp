#include <gtest/gtest.h>

#include <string>

#include "core/print/qualify_report.h"
#include "core/print/report.h"

namespace amortix {
namespace {

std::string Joined(const PrintedPages& pages) {
    std::string all;
    for (const PrintedPage& page : pages)
        for (const std::string& line : page) all += line + "\n";
    return all;
}

TEST(QualifyReport, PrintsInputsResultsAndTheNoticeAtFixedColumns) {
    QualifyForm form;
    form.Enter(QualifyInput::Income, 100000);
    form.Enter(QualifyInput::PropertyTax, 3600);
    form.Enter(QualifyInput::Heating, 120);
    form.Enter(QualifyInput::DownPayment, 95000);
    TextPrinter printer;
    EXPECT_EQ(PrintQualifyReport(printer, form, "x", kPrinterFontStandard), Message::NothingToPrint);
    form.Calculate();
    ASSERT_EQ(PrintQualifyReport(printer, form, "Smith purchase", kPrinterFontCourierNew), std::nullopt);
    const std::string text = Joined(printer.Pages());
    // Figures of qualify_test.cpp; the captions from column 5, the figures
    // right-justified in 16 from column 42.
    for (const char* line : {
             "    Smith purchase\n",
             "    Gross yearly income                       $100,000.00\n",
             "    Compounding                                Semiannual\n",
             "    Largest mortgage, premium included        $404,045.73\n",
             "    Insurance premium added                    $11,005.14\n",
             "    The ratio that limits it                Housing (GDS)\n",
             "    Each payment at the qualifying rate         $2,830.00\n",
             "    Estimates only: the lender decides.\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

}  // namespace
}  // namespace amortix
