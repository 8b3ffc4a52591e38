#include "core/calc/dates.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace amortix {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kSerialEpoch = -25569;  // 1899-12-30 counted from 1970-01-01

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

DaySerial SerialFromCivil(int year, int month, int day) {
    return static_cast<DaySerial>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kSerialEpoch);
}

CivilDate CivilFromSerial(DaySerial serial) {
    std::int64_t z = static_cast<std::int64_t>(serial) + kSerialEpoch + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

DaySerial AddMonths(DaySerial serial, int months) {
    const CivilDate c = CivilFromSerial(serial);
    const int total = c.year * 12 + (c.month - 1) + months;
    const int year = total >= 0 ? total / 12 : (total - 11) / 12;
    const int month = total - year * 12 + 1;
    const int day = std::min(c.day, DaysInMonth(year, month));
    return SerialFromCivil(year, month, day);
}

std::string IsoDate(DaySerial serial) {
    const CivilDate c = CivilFromSerial(serial);
    char buf[32];
    if (c.year < 0 || c.year > 9999) {
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
        return buf;
    }
    // By hand: a schedule shows thousands of dates and printf dominated it.
    const auto digit = [](int v) { return static_cast<char>('0' + v % 10); };
    return {digit(c.year / 1000),
            digit(c.year / 100),
            digit(c.year / 10),
            digit(c.year),
            '-',
            digit(c.month / 10),
            digit(c.month),
            '-',
            digit(c.day / 10),
            digit(c.day)};
}

std::optional<DaySerial> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int y = 0, m = 0, d = 0;
    auto num = [&](std::size_t pos, std::size_t len, int& out) {
        const auto r = std::from_chars(text.data() + pos, text.data() + pos + len, out);
        return r.ec == std::errc() && r.ptr == text.data() + pos + len;
    };
    if (!num(0, 4, y) || !num(5, 2, m) || !num(8, 2, d)) return std::nullopt;
    if (y < 100 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return std::nullopt;
    return SerialFromCivil(y, m, d);
}

}  // namespace amortix
