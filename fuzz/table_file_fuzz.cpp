// Table files: any bytes load whole or fail with a reason; what loads saves,
// and the saved bytes load to the same data and save to the same bytes. The
// costs and prepayments a file holds are ones a calculation takes.

#include "core/calc/limits.h"
#include "core/files/records.h"
#include "core/files/table_file.h"
#include "fuzz_check.h"

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto read = ParseTableFile(fuzz::Bytes(data, size));
    if (!read) {
        fuzz::Check(!read.error().empty(), "a refusal without a reason");
        return 0;
    }
    TableFileData table = read.value();
    // What the reader takes, the calculation takes.
    fuzz::Check(CostsFromTableFile(table).ok(), "read costs that no calculation takes");
    fuzz::Check(!PrepaymentRefusal(table.prepayments), "read prepayments that no calculation takes");
    // A file of the previous layout is saved with the values the screen keeps.
    if (!table.daysInYear) {
        table.daysInYear = 365.0f;
        table.extraPaymentType = 0;
        table.paymentIncrease = 0.0f;
    }
    std::string saved;
    try {
        saved = FormatTableFile(table);
    } catch (const FormatError& e) {
        fuzz::Check(false, e.what());
    }
    const auto back = ParseTableFile(saved);
    fuzz::Check(back.ok(), "a saved table does not open");
    fuzz::Check(back.value() == table, "a saved table opens to other data");
    fuzz::Check(FormatTableFile(back.value()) == saved, "a table saves to other bytes the second time");
    return 0;
}
