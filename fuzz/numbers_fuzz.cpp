// Numbers: whatever number text the reader takes, the writer's text for that
// value reads back to the very same value, and is written the same again. The
// input boxes' parser and masks take any text too.

#include <cmath>
#include <cstring>

#include "core/files/records.h"
#include "core/format/numfmt.h"
#include "fuzz_check.h"

using namespace amortix;

namespace {

template <typename T>
bool SameBits(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Bytes(data, size);
    try {
        const double value = ParseRecordDouble(text);
        const std::string written = DoubleText(value);
        const double back = ParseRecordDouble(written);
        fuzz::Check(SameBits(back, value == 0 ? 0.0 : value), "a double does not read back");
        fuzz::Check(DoubleText(back) == written, "a double is written two ways");
    } catch (const FormatError&) {}
    try {
        const float value = ParseRecordSingle(text);
        const std::string written = SingleText(value);
        const float back = ParseRecordSingle(written);
        fuzz::Check(SameBits(back, value == 0 ? 0.0f : value), "a single does not read back");
        fuzz::Check(SingleText(back) == written, "a single is written two ways");
    } catch (const FormatError&) {}
    try {
        const Currency value = ParseRecordCurrency(text);
        const std::string written = CurrencyText(value);
        fuzz::Check(ParseRecordCurrency(written) == value, "an amount does not read back");
    } catch (const FormatError&) {}
    const double typed = ParseNumber(text);
    fuzz::Check(!std::isnan(typed), "a typed text reads as NaN");
    for (const char* mask : {"####,,###.00", "###.000", "0.########", "###"}) (void)FormatNumber(typed, mask);
    (void)RightJustify(text, 16);
    return 0;
}
