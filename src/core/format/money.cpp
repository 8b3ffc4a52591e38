#include "core/format/money.h"

#include <cmath>

namespace amortix {

double Checked(double x) {
    if (!std::isfinite(x)) throw CalcError("arithmetic fault");
    return x;
}

std::int16_t ToInt16(double x) {
    Checked(x);
    const double r = RoundHalfEven(x);
    if (r < -32768.0 || r > 32767.0) throw CalcError("integer overflow");
    return static_cast<std::int16_t>(r);
}

void Currency::ThrowOverflow() {
    throw CalcError("currency overflow");
}

Currency Currency::operator+(Currency other) const {
    std::int64_t out = 0;
    if (__builtin_add_overflow(ticks_, other.ticks_, &out)) throw CalcError("currency overflow");
    return Currency(out);
}

Currency Currency::operator-(Currency other) const {
    std::int64_t out = 0;
    if (__builtin_sub_overflow(ticks_, other.ticks_, &out)) throw CalcError("currency overflow");
    return Currency(out);
}

}  // namespace amortix
