#include "core/format/numfmt.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "core/format/masks.h"

namespace amortix {

KeyDecision DecimalKeyFilter(int code, std::string_view entryText, int decimals) {
    if (code == kKeyBackspace || code == kKeyCtrlBackspace) return {code, false};
    if (code == kKeyPoint) return {code, false};
    if (code < '0' || code > '9') return {0, true};
    const auto dot = entryText.find('.');
    if (dot == std::string_view::npos) return {code, false};
    // The test is on the whole text, not the caret: once the decimals are
    // complete no digit is taken anywhere in the box.
    const auto p = static_cast<long>(dot) + 1;
    if (static_cast<long>(entryText.size()) < p + decimals) return {code, false};
    return {0, true};
}

KeyDecision DigitKeyFilter(int code) {
    if (code == kKeyBackspace || code == kKeyCtrlBackspace) return {code, false};
    if (code >= '0' && code <= '9') return {code, false};
    return {0, true};
}

std::string RightJustify(std::string_view text, int width) {
    // Widths count characters, not bytes, so a symbol such as the euro sign
    // keeps printed columns aligned. A longer text is kept whole: cut, a
    // figure would read as another number.
    std::size_t chars = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    if (chars >= w) return std::string(text);
    std::string out(w - chars, ' ');
    out.append(text);
    return out;
}

double ParseNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    bool sawDigit = false, sawPoint = false, inExponent = false, expDigits = false;
    std::size_t beforeExponent = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (inExponent) {
            if ((c == '+' || c == '-') && s.size() == beforeExponent + 1) {
                s.push_back(c);
                continue;
            }
            if (c >= '0' && c <= '9') {
                s.push_back(c);
                expDigits = true;
                continue;
            }
            break;
        }
        if ((c == '+' || c == '-') && s.empty()) {
            s.push_back(c);
        } else if (c >= '0' && c <= '9') {
            s.push_back(c);
            sawDigit = true;
        } else if (c == '.' && !sawPoint) {
            s.push_back(c);
            sawPoint = true;
        } else if ((c == 'E' || c == 'e' || c == 'D' || c == 'd') && sawDigit) {
            beforeExponent = s.size();
            s.push_back('e');
            inExponent = true;
        } else {
            break;
        }
    }
    if (!sawDigit) return 0.0;
    if (inExponent && !expDigits) s.resize(beforeExponent);
    const char* first = s.data();
    if (*first == '+') ++first;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

namespace {

struct MaskLayout {
    bool grouping = false;
    bool point = false;
    int intMin = 0;
    int fracMin = 0;
    int fracMax = 0;
};

MaskLayout ParseMask(std::string_view mask) {
    MaskLayout layout;
    bool inFraction = false;
    for (const char c : mask) {
        if (c == '.') {
            if (inFraction) break;
            inFraction = true;
            layout.point = true;
        } else if (c == ',') {
            if (!inFraction) layout.grouping = true;
        } else if (c == '0') {
            if (inFraction) {
                ++layout.fracMin;
                ++layout.fracMax;
            } else {
                ++layout.intMin;
            }
        } else if (c == '#') {
            if (inFraction) ++layout.fracMax;
        }
    }
    return layout;
}

// value = digits x 10^exponent; digits are decimal characters.
std::string FormatDecimal(bool negative, std::string_view digits, int exponent, const MaskLayout& layout) {
    // Round to fracMax decimals, halves away from zero, on the digit string.
    std::string r;
    const int shift = exponent + layout.fracMax;
    if (shift >= 0) {
        r.assign(digits);
        r.append(static_cast<std::size_t>(shift), '0');
    } else {
        const long keep = static_cast<long>(digits.size()) + shift;
        if (keep < 0) {
            r.assign(1, '0');
        } else {
            r.assign(digits.substr(0, static_cast<std::size_t>(keep)));
            if (digits[static_cast<std::size_t>(keep)] >= '5') {
                long i = static_cast<long>(r.size()) - 1;
                while (i >= 0 && r[static_cast<std::size_t>(i)] == '9')
                    r[static_cast<std::size_t>(i--)] = '0';
                if (i < 0) {
                    r.push_back('0');
                    r[0] = '1';
                } else {
                    ++r[static_cast<std::size_t>(i)];
                }
            }
            if (r.empty()) r.push_back('0');
        }
    }
    const auto firstNonZero = r.find_first_not_of('0');
    const bool isZero = firstNonZero == std::string::npos;
    r.erase(0, isZero ? r.size() : firstNonZero);

    const auto fracMax = static_cast<std::size_t>(layout.fracMax);
    std::string intDigits, frac;
    if (r.size() > fracMax) {
        intDigits = r.substr(0, r.size() - fracMax);
        frac = r.substr(r.size() - fracMax);
    } else {
        frac.assign(fracMax - r.size(), '0');
        frac += r;
    }
    if (intDigits.size() < static_cast<std::size_t>(layout.intMin)) {
        std::string padded(static_cast<std::size_t>(layout.intMin) - intDigits.size(), '0');
        padded += intDigits;
        intDigits.swap(padded);
    }
    while (frac.size() > static_cast<std::size_t>(layout.fracMin) && frac.back() == '0') frac.pop_back();

    std::string out;
    out.reserve(intDigits.size() + intDigits.size() / 3 + frac.size() + 3);
    if (negative && !isZero) out.push_back('-');
    if (layout.grouping) {
        for (std::size_t i = 0; i < intDigits.size(); ++i) {
            if (i > 0 && (intDigits.size() - i) % 3 == 0) out.push_back(',');
            out.push_back(intDigits[i]);
        }
    } else {
        out += intDigits;
    }
    if (layout.point) {
        out.push_back('.');
        out += frac;
    }
    return out;
}

constexpr std::uint64_t kPow10[] = {
    1,        10,        100,        1000,           10000,           100000,          1000000,
    10000000, 100000000, 1000000000, 10000000000ULL, 100000000000ULL, 1000000000000ULL};

// The same text as FormatDecimal for mag x 10^-decimals, made with integer
// arithmetic into the end of `buf`: the grid formats thousands of amounts at
// each calculation. Null when the figure would not fit the arithmetic; the
// caller then takes the digit-string way.
constexpr std::size_t kScaledBuffer = 64;
char* FormatScaled(bool negative, std::uint64_t mag, int decimals, const MaskLayout& layout,
                   std::array<char, kScaledBuffer>& buf) {
    constexpr int kMaxPower = static_cast<int>(std::size(kPow10)) - 1;
    if (layout.fracMax > kMaxPower || decimals > kMaxPower || layout.intMin > 20) return nullptr;
    std::uint64_t q = mag;
    if (decimals > layout.fracMax) {
        const std::uint64_t div = kPow10[decimals - layout.fracMax];
        q = mag / div + (mag % div >= div / 2 ? 1 : 0);  // halves away from zero
    } else if (decimals < layout.fracMax) {
        const std::uint64_t mul = kPow10[layout.fracMax - decimals];
        if (mag > UINT64_MAX / mul) return nullptr;
        q = mag * mul;
    }
    const std::uint64_t unit = kPow10[layout.fracMax];
    std::uint64_t whole = q / unit;
    std::uint64_t frac = q % unit;

    // Built from the right.
    char* p = buf.data() + buf.size();
    int fracDigits = layout.fracMax;
    while (fracDigits > layout.fracMin && frac % 10 == 0) {
        frac /= 10;
        --fracDigits;
    }
    if (layout.point) {
        for (int i = 0; i < fracDigits; ++i, frac /= 10) *--p = static_cast<char>('0' + frac % 10);
        *--p = '.';
    }
    int written = 0;
    while (whole > 0 || written < layout.intMin) {
        if (layout.grouping && written > 0 && written % 3 == 0) *--p = ',';
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
        ++written;
    }
    if (negative && q != 0) *--p = '-';
    return p;
}

}  // namespace

std::string FormatNumber(double value, std::string_view mask) {
    const MaskLayout layout = ParseMask(mask);
    if (!std::isfinite(value)) return {};
    // Whole numbers (counts, years, row numbers) are exact in a double below
    // 10^15, the display's 15 digits, so they can skip the digit string.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        std::array<char, kScaledBuffer> buf;
        if (char* p = FormatScaled(value < 0, static_cast<std::uint64_t>(std::fabs(value)), 0, layout, buf))
            return std::string(p, buf.data() + buf.size());
    }
    // The value's 15 significant digits, as the number display sees it.
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e = sci.find('e');
    std::string digits;
    digits.reserve(15);
    for (const char c : sci.substr(0, e))
        if (c != '.') digits.push_back(c);
    int exp10 = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exp10);
    return FormatDecimal(value < 0, digits, exp10 - 14, layout);
}

std::string FormatNumber(Currency value, std::string_view mask) {
    const std::int64_t t = value.Ticks();
    const std::uint64_t mag = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    const MaskLayout layout = ParseMask(mask);
    std::array<char, kScaledBuffer> scaled;
    if (char* p = FormatScaled(t < 0, mag, 4, layout, scaled))
        return std::string(p, scaled.data() + scaled.size());
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, mag);
    return FormatDecimal(t < 0, std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)), -4, layout);
}

std::string ShortestText(float value) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string MoneyText(std::string_view symbol, double value, std::string_view mask) {
    return std::string(symbol) + FormatNumber(value, mask);
}

std::string MoneyText(std::string_view symbol, Currency value, std::string_view mask) {
    return std::string(symbol) + FormatNumber(value, mask);
}

std::string MoneyBoxText(std::string_view symbol, double value) {
    return RightJustify(MoneyText(symbol, value, kWideMoneyMask), kBoxWidth);
}

std::string RateBoxText(double ratePercent) {
    std::string text = RightJustify(FormatNumber(ratePercent, kRateMask), kRateBoxWidth);
    text.push_back('%');
    return text;
}

std::string TermBoxText(double value) {
    return RightJustify(FormatNumber(value, kCountMask), kBoxWidth);
}

std::string TrimLeft(std::string_view text) {
    const auto p = text.find_first_not_of(' ');
    return p == std::string_view::npos ? std::string() : std::string(text.substr(p));
}

std::string Trim(std::string_view text) {
    const auto p = text.find_first_not_of(' ');
    if (p == std::string_view::npos) return {};
    const auto q = text.find_last_not_of(' ');
    return std::string(text.substr(p, q - p + 1));
}

}  // namespace amortix
