#pragma once
// Dates as the user reads and types them: the short date format of the
// default locale (the system's, unless a test sets another).

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

#include "core/calc/dates.h"

namespace amortix::gui {

QDate DateFromSerial(DaySerial serial);
DaySerial SerialFromDate(const QDate& date);

// The serial in the locale's short date format.
QString ShortDateText(DaySerial serial, const QLocale& locale = QLocale());

// A date format with its year in four digits ("M/d/yy" gives "M/d/yyyy"):
// a schedule runs up to forty years, and "1/15/70" could be 1970 as well as
// 2070. Quoted text stays as it is.
QString WithFourDigitYear(const QString& format);

// A date as the schedule grid and its printout show it: the short form with
// a four-digit year.
QString ScheduleDateText(DaySerial serial, const QLocale& locale = QLocale());

// A date as a person types it in the locale's conventions: the short or long
// form ("15/01/2027", "15 January 2027", with or without the weekday), with
// two- or four-digit years and with or without leading zeros, or year first
// (2027-01-15). A two-digit year is taken in the hundred years around `today`
// (50 back, 49 ahead), so every date a schedule shows reads back to itself.
// Nothing when the text is no date in any of these forms.
std::optional<DaySerial> ParseShortDate(const QString& text, const QLocale& locale = QLocale(),
                                        const QDate& today = QDate::currentDate());

// A formatter for the engine's grid and report texts (ScheduleDateText).
DateFormatter ShortDateFormatter(const QLocale& locale = QLocale());

}  // namespace amortix::gui
