#pragma once
// Dates as the user reads and types them: the system's short date format.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

#include "core/calc/dates.h"

namespace amortix::gui {

QDate DateFromSerial(DaySerial serial);
DaySerial SerialFromDate(const QDate& date);

// The serial in the locale's short date format.
QString ShortDateText(DaySerial serial, const QLocale& locale = QLocale::system());

// A date typed in the locale's short format (or its long four-digit-year
// variant). A two-digit year is taken in the hundred years around `today`
// (50 back, 49 ahead), so every date a schedule shows reads back to itself.
std::optional<DaySerial> ParseShortDate(const QString& text, const QLocale& locale = QLocale::system(),
                                        const QDate& today = QDate::currentDate());

// A formatter for the engine's grid and report texts.
DateFormatter ShortDateFormatter(const QLocale& locale = QLocale::system());

}  // namespace amortix::gui
