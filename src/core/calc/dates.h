#pragma once
// Dates as day serials (days since 30 December 1899) and the calendar steps
// payment dates take.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace amortix {

using DaySerial = std::int32_t;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

DaySerial SerialFromCivil(int year, int month, int day);
CivilDate CivilFromSerial(DaySerial serial);

// The same day of the month `months` later, clipped to the month's last day.
DaySerial AddMonths(DaySerial serial, int months);

// YYYY-MM-DD, the form the command line reads and writes.
std::string IsoDate(DaySerial serial);
std::optional<DaySerial> ParseIsoDate(std::string_view text);

// Turns a serial into the text a screen shows (the system's short date form
// in the window program, ISO on the command line).
using DateFormatter = std::function<std::string(DaySerial)>;

}  // namespace amortix
