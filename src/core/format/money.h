#pragma once
// Fixed-point currency with four decimals, and the small numeric types the
// calculations rely on (16-bit counters, single precision).

#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace amortix {

// A run-time fault inside a calculation: a non-finite intermediate value,
// a currency or 16-bit overflow, a table index out of range. Calculations
// catch it and report message 4 (or the screen's own failure text).
class CalcError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws CalcError unless x is finite: division by zero, 0/0 and a power of
// a negative base all surface here instead of propagating NaN.
double Checked(double x);

// Rounds half to even under the default rounding mode.
inline double RoundHalfEven(double x) {
    // Adding and removing 1.5 * 2^52 drops the fraction the way the FPU rounds,
    // without a library call; without fast-math the compiler keeps both steps.
    constexpr double kMagic = 6755399441055744.0;
    if (x > -2251799813685248.0 && x < 2251799813685248.0) return (x + kMagic) - kMagic;
    return std::nearbyint(x);  // large, NaN or infinite: the library decides
}

// Rounds half to even, as a stored 16-bit integer does; throws on overflow.
std::int16_t ToInt16(double x);

class Currency {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    // Rounds to four decimals, ties to even; throws CalcError on overflow or NaN.
    static Currency FromDouble(double value) {
        // Scale first, then round the scaled double half to even: the same
        // two steps a stored currency value takes.
        const double x = value * static_cast<double>(kScale);
        // Below 2^51 the sum with 1.5 * 2^52 is RoundHalfEven's, an integer
        // with a unit in its last place, so its bits less the constant's are
        // the rounded value: no conversion and no range test. Every row of a
        // schedule takes six of these.
        constexpr double kMagic = 6755399441055744.0;
        if (x > -2251799813685248.0 && x < 2251799813685248.0) [[likely]]
            return Currency(std::bit_cast<std::int64_t>(x + kMagic) - std::bit_cast<std::int64_t>(kMagic));
        const double r = RoundHalfEven(x);
        // 2^63 is exactly representable; anything at or beyond it does not fit
        // (NaN fails both comparisons).
        if (!(r > -9223372036854775808.0 && r < 9223372036854775808.0)) [[unlikely]]
            ThrowOverflow();
        return Currency(static_cast<std::int64_t>(r));
    }
    static constexpr Currency FromTicks(std::int64_t ticks) { return Currency(ticks); }

    constexpr std::int64_t Ticks() const { return ticks_; }
    double ToDouble() const { return static_cast<double>(ticks_) / kScale; }

    // Exact sums and differences; throw CalcError on overflow.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;

    constexpr bool operator==(const Currency&) const = default;
    constexpr auto operator<=>(const Currency&) const = default;

  private:
    [[noreturn]] static void ThrowOverflow();
    constexpr explicit Currency(std::int64_t ticks) : ticks_(ticks) {}
    std::int64_t ticks_ = 0;
};

}  // namespace amortix
