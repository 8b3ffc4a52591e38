#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/format/numfmt.h"

namespace amortix {
namespace {

struct MaskCase {
    double value;
    const char* mask;
    const char* text;
};

TEST(FormatNumber, MasksShowTheDocumentedTexts) {
    const MaskCase cases[] = {
        {1234567.5, "####,,###.00", "1,234,567.50"},
        {0, "####,,###.00", ".00"},
        {0.5, "###,###.00", ".50"},
        {0.0074, "0.########", "0.0074"},
        {0.0082648376, "0.########", "0.00826484"},
        {5, "0.########", "5."},
        {25, "###", "25"},
        {0, "###", ""},
        {0.4, "###", ""},
        {10.125, "###.000", "10.125"},
        {0, "##0.000", "0.000"},
        {5, "#0.000", "5.000"},
        {365.25, "###.##", "365.25"},
        {365, "###.##", "365."},
        {3, "00", "03"},
        {12, "00", "12"},
        {1500.5, ".00", "1500.50"},
        {0, ".00", ".00"},
        {902.905, "###,,###.00", "902.91"},  // halves away from zero
        {-902.905, "###,,###.00", "-902.91"},
        {1.005, "0.00", "1.01"},  // on the 15-digit decimal value
        {2.5, "###", "3"},
        {999.995, "###,###.00", "1,000.00"},  // carry into a new group
        {-0.001, "0.00", "0.00"},             // no sign on a zero
        {18.653846, "###.00", "18.65"},
        {100000, "####,,###.00", "100,000.00"},
        {-5, "###", "-5"},
        {1234567, "####,,###.00", "1,234,567.00"},
        {0, "00", "00"},
        {123456789012345, "0.########", "123456789012345."},  // past the whole-number arithmetic
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.mask), c.text) << c.value << " " << c.mask;
}

TEST(FormatNumber, CurrencyAgreesWithDouble) {
    for (const double v : {0.0, 0.005, 895.5149, 895.515, 270873.8899, -12.3456, 1e9 + 0.125}) {
        const Currency c = Currency::FromDouble(v);
        EXPECT_EQ(FormatNumber(c, "####,,###.00"), FormatNumber(c.ToDouble(), "####,,###.00")) << v;
    }
}

// Amounts are formatted with integer arithmetic; a fraction of a double goes
// through its 15-digit decimal string. Both must give the same text for every
// mask, rounding included.
TEST(FormatNumber, WholeTicksAndDigitStringsAgreeOnEveryMask) {
    const char* masks[] = {"####,,###.00", "###,,###.00", "###,###.00", "###.000", "##0.000",
                           "#0.000",       "0.########",  "###",        "####",    "00",
                           "###.00",       "##.##",       "###.##",     ".00",     "0.00"};
    std::uint64_t seed = 88172645463325252ULL;  // xorshift: the same values on every run
    for (int i = 0; i < 20000; ++i) {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        const auto digits = static_cast<int>(seed % 11);  // magnitudes up to 10^11 ticks
        std::int64_t ticks = static_cast<std::int64_t>((seed >> 8) % (std::uint64_t{1} << (3 * digits + 4)));
        if (ticks % 10000 == 0) ++ticks;  // a fraction, so the double takes the digit string
        if (seed & 1) ticks = -ticks;
        const Currency c = Currency::FromTicks(ticks);
        for (const char* mask : masks)
            ASSERT_EQ(FormatNumber(c, mask), FormatNumber(static_cast<double>(ticks) / 10000.0, mask))
                << ticks << " " << mask;
    }
}

TEST(ParseNumber, ReadsTheLongestNumericPrefix) {
    const std::pair<const char*, double> cases[] = {
        {"100,000.00", 100},
        {"   $100,000.00", 0},
        {"10.125%", 10.125},
        {"1.2.3", 1.2},
        {"        10.125%", 10.125},
        {"1 2 3", 123},
        {"\t-4.5", -4.5},
        {"1E-03", 0.001},
        {"2D2", 200},
        {"1e", 1},
        {".05", 0.05},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+7", 7},
        {"1e999", 0},
        {"            25", 25},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ParseNumber(text), value) << text;
}

TEST(RightJustify, PadsAndKeepsLongerTextsWhole) {
    const std::string euro = "\xE2\x82\xAC";
    const struct {
        std::string text;
        int width;
        std::string expected;
    } cases[] = {
        {"abc", 5, "  abc"},
        {"abcdef", 4, "abcdef"},  // a figure cut short would read as another number
        {"", 3, "   "},
        {"abc", 0, "abc"},
        {"$3,143,209,876.54", 12, "$3,143,209,876.54"},
        {euro + "5.00", 7, "  " + euro + "5.00"},  // characters, not bytes
        {euro + "1,000.00", 3, euro + "1,000.00"},
        {"ab" + euro, 3, "ab" + euro},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RightJustify(c.text, c.width), c.expected) << c.text << " " << c.width;
}

TEST(KeyFilters, DecimalLimitsLookAtTheWholeText) {
    struct Case {
        int key;
        const char* text;
        int decimals;
        bool accepted;
        bool beep;
    };
    const Case cases[] = {
        {'5', "12.34", 2, false, true},  // the amount already holds two decimals
        {'5', "12.3", 2, true, false},
        {'5', "10.125", 3, false, true},  // a rate takes three
        {'5', "10.12", 3, true, false},
        {'5', "12.34", 3, true, false},  // the rate's limit is per keystroke
        {'.', "1.2", 2, true, false},    // a second point is let through
        {'.', "", 2, true, false},
        {'a', "", 2, false, true},
        {'-', "", 2, false, true},
        {kKeyBackspace, "12.34", 2, true, false},
        {kKeyCtrlBackspace, "12.34", 2, true, false},
        {'7', "123456", 2, true, false},
    };
    for (const auto& c : cases) {
        const KeyDecision d = DecimalKeyFilter(c.key, c.text, c.decimals);
        EXPECT_EQ(d.accepted(), c.accepted) << c.key << " into " << c.text;
        EXPECT_EQ(d.beep, c.beep) << c.key << " into " << c.text;
    }
    EXPECT_TRUE(DigitKeyFilter('4').accepted());
    EXPECT_TRUE(DigitKeyFilter(kKeyBackspace).accepted());
    EXPECT_FALSE(DigitKeyFilter('.').accepted());
    EXPECT_TRUE(DigitKeyFilter('x').beep);
}

TEST(Currency, RoundsHalfToEvenAndDetectsOverflow) {
    EXPECT_EQ(Currency::FromDouble(0.00005).Ticks(), 0);  // scaled first: exactly half, to even
    EXPECT_EQ(Currency::FromDouble(0.5 / 10000 * 3).Ticks(), 2);
    EXPECT_EQ(Currency::FromDouble(2.5 / 10000).Ticks(), 2);
    EXPECT_EQ(Currency::FromDouble(1.0).Ticks(), 10000);
    EXPECT_THROW(Currency::FromDouble(1e15), CalcError);
    EXPECT_THROW(Currency::FromDouble(std::nan("")), CalcError);
    EXPECT_THROW(Currency::FromTicks(INT64_MAX) + Currency::FromTicks(1), CalcError);
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_THROW(ToInt16(32768), CalcError);
}

// Below 2^51 ticks the value is read from the bits of a sum, above it the
// library rounds: both sides of the bound, signs, ties and negative zero
// round as nearbyint does under the default mode (half to even).
TEST(Currency, ReadsTheSameTicksOnBothSidesOfTheFastRange) {
    const double bound = 2251799813685248.0 / 10000;  // 2^51 ticks
    std::vector<double> values = {-0.0,       0.00005, -0.00005,  0.00015,      -0.00025,
                                  0.49999e-4, 1.00005, -1.00015,  999999.99995, -270873.88995,
                                  1e-300,     -1e-300, bound / 2, -bound / 2,   922337203685.4775};
    for (const double sign : {1.0, -1.0}) {
        double v = sign * bound;
        for (int i = 0; i < 64; ++i) v = std::nextafter(v, 0.0);
        for (int i = 0; i < 128; ++i, v = std::nextafter(v, sign * 1e300)) values.push_back(v);
    }
    for (const double v : values)
        EXPECT_EQ(Currency::FromDouble(v).Ticks(), static_cast<std::int64_t>(std::nearbyint(v * 10000.0)))
            << std::hexfloat << v;
    EXPECT_THROW(Currency::FromDouble(std::numeric_limits<double>::infinity()), CalcError);
    EXPECT_THROW(Currency::FromDouble(-1e15), CalcError);
}

}  // namespace
}  // namespace amortix
