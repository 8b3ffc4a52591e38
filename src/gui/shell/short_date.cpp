#include "shell/short_date.h"

#include <QDate>

namespace amortix::gui {

namespace {

const QDate kSerialEpoch(1899, 12, 30);

// The short format with every two-digit year made four digits.
QString FourDigitYears(QString format) {
    if (format.contains(QLatin1String("yyyy"))) return format;
    return format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
}

}  // namespace

QDate DateFromSerial(DaySerial serial) {
    return kSerialEpoch.addDays(serial);
}

DaySerial SerialFromDate(const QDate& date) {
    return static_cast<DaySerial>(kSerialEpoch.daysTo(date));
}

QString ShortDateText(DaySerial serial, const QLocale& locale) {
    return locale.toString(DateFromSerial(serial), QLocale::ShortFormat);
}

std::optional<DaySerial> ParseShortDate(const QString& text, const QLocale& locale, const QDate& today) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    bool twoDigitYear = !shortFormat.contains(QLatin1String("yyyy"));
    QDate date = locale.toDate(trimmed, shortFormat);
    if (!date.isValid()) {
        // A four-digit year typed into a two-digit format is taken as typed.
        date = locale.toDate(trimmed, FourDigitYears(shortFormat));
        twoDigitYear = false;
    }
    if (!date.isValid()) date = locale.toDate(trimmed, QLocale::LongFormat);
    if (!date.isValid()) return std::nullopt;
    if (twoDigitYear || date.year() < 100) {
        const int yy = date.year() % 100;
        int year = today.year() - today.year() % 100 + yy;
        if (year > today.year() + 49) year -= 100;
        if (year < today.year() - 50) year += 100;
        date = QDate(year, date.month(), date.day());
        if (!date.isValid()) return std::nullopt;  // 29 February of a year that has none
    }
    return SerialFromDate(date);
}

DateFormatter ShortDateFormatter(const QLocale& locale) {
    return [locale](DaySerial serial) { return ShortDateText(serial, locale).toStdString(); };
}

}  // namespace amortix::gui
