// Comparison files: any bytes load whole or fail with a reason; what loads
// saves, and the saved bytes load to the same data and save to the same bytes.

#include "core/files/comparison_file.h"
#include "core/files/records.h"
#include "fuzz_check.h"

using namespace amortix;

// The days day-basis code 4 stands for: any, as long as every read takes the same.
constexpr float kTypedDays = 364.5f;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = ParseComparisonFile(fuzz::Bytes(data, size), kTypedDays);
    if (!read) {
        fuzz::Check(!read.error().empty(), "a refusal without a reason");
        return 0;
    }
    std::string saved;
    try {
        saved = FormatComparisonFile(read.value());
    } catch (const FormatError& e) {
        fuzz::Check(false, e.what());
    }
    const auto back = ParseComparisonFile(saved, kTypedDays);
    fuzz::Check(back.ok(), "a saved comparison does not open");
    fuzz::Check(back.value() == read.value(), "a saved comparison opens to other data");
    fuzz::Check(FormatComparisonFile(back.value()) == saved,
                "a comparison saves to other bytes the second time");
    return 0;
}
