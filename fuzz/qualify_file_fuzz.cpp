// Qualifying files: any bytes load whole, every figure in the calculation's
// ranges, or fail with a reason; what loads saves, and the saved bytes load to
// the same inputs and save to the same bytes.

#include "core/calc/qualify.h"
#include "core/files/qualify_file.h"
#include "core/files/records.h"
#include "fuzz_check.h"

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = ParseQualifyFile(fuzz::Bytes(data, size));
    if (!read) {
        fuzz::Check(!read.error().empty(), "a refusal without a reason");
        return 0;
    }
    const QualifyInputs& in = read.value();
    fuzz::Check(!QualifyRefusal(in), "inputs out of range load");
    Qualify(in);  // whatever opens calculates
    std::string saved;
    try {
        saved = FormatQualifyFile(in);
    } catch (const FormatError& e) {
        fuzz::Check(false, e.what());
    }
    const auto back = ParseQualifyFile(saved);
    fuzz::Check(back.ok(), "a saved file does not open");
    fuzz::Check(back.value() == in, "a saved file opens to other inputs");
    fuzz::Check(FormatQualifyFile(back.value()) == saved, "a file saves to other bytes the second time");
    return 0;
}
