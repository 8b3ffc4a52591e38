#include "core/money.h"

#include <cmath>
#include <limits>

namespace amortix {

double Checked(double x) {
    if (!std::isfinite(x)) throw CalcError("arithmetic fault");
    return x;
}

std::int16_t ToInt16(double x) {
    Checked(x);
    const double r = std::nearbyint(x);  // default rounding mode: ties to even
    if (r < -32768.0 || r > 32767.0) throw CalcError("integer overflow");
    return static_cast<std::int16_t>(r);
}

Currency Currency::FromDouble(double value) {
    // Scale first, then round the scaled double half to even: the same two
    // steps a stored currency value takes.
    const double scaled = Checked(value) * static_cast<double>(kScale);
    const double r = std::nearbyint(scaled);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!(r > -9223372036854775808.0 && r < 9223372036854775808.0))
        throw CalcError("currency overflow");
    return Currency(static_cast<std::int64_t>(r));
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
