#include "shell/short_date.h"

#include <QDate>
#include <QRegularExpression>

namespace amortix::gui {

namespace {

const QDate kSerialEpoch(1899, 12, 30);

// Where day, month and year stand in a date format: the order of their
// fields ("M/d/yy" gives "Mdy"); a weekday ("dddd") is no day field.
QString FieldOrder(const QString& format) {
    QString order;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        int run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        const bool field =
            c == QLatin1Char('M') || c == QLatin1Char('y') || (c == QLatin1Char('d') && run <= 2);
        if (field && !order.contains(c)) order.append(c);
        i += run;
    }
    return order;
}

// The month a word names in the locale (long or short, in a sentence or
// standing alone), 0 when it names none.
int MonthNamed(const QString& word, const QLocale& locale) {
    for (int month = 1; month <= 12; ++month)
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            for (const QString& name :
                 {locale.monthName(month, format), locale.standaloneMonthName(month, format)}) {
                QString bare = name;
                if (bare.endsWith(QLatin1Char('.'))) bare.chop(1);
                if (!bare.isEmpty() && word.compare(bare, Qt::CaseInsensitive) == 0) return month;
            }
    return 0;
}

bool NamesWeekday(const QString& word, const QLocale& locale) {
    for (int day = 1; day <= 7; ++day)
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            for (const QString& name : {locale.dayName(day, format), locale.standaloneDayName(day, format)}) {
                QString bare = name;
                if (bare.endsWith(QLatin1Char('.'))) bare.chop(1);
                if (!bare.isEmpty() && word.compare(bare, Qt::CaseInsensitive) == 0) return true;
            }
    return false;
}

// A year as typed: four digits as they are, one or two digits in the hundred
// years around `today` (50 back, 49 ahead); 0 for anything else.
int FullYear(const QString& digits, const QDate& today) {
    const int value = digits.toInt();
    if (digits.size() == 4) return value;
    if (digits.size() > 2) return 0;
    int year = today.year() - today.year() % 100 + value;
    if (year > today.year() + 49) year -= 100;
    if (year < today.year() - 50) year += 100;
    return year;
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

QString WithFourDigitYear(const QString& format) {
    QString wide;
    bool quoted = false;  // text in single quotes is literal
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('y')) {
            wide.append(c);
            ++i;
            continue;
        }
        while (i < format.size() && format[i] == c) ++i;
        wide.append(QStringLiteral("yyyy"));
    }
    return wide;
}

QString ScheduleDateText(DaySerial serial, const QLocale& locale) {
    return locale.toString(DateFromSerial(serial),
                           WithFourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
}

std::optional<DaySerial> ParseShortDate(const QString& text, const QLocale& locale, const QDate& today) {
    // Words and numbers, between blanks and the usual separators; any other
    // character makes the text no date.
    static const QRegularExpression token(QStringLiteral(R"((\d+)|(\p{L}+)|([\s/.,\-]+)|(.))"));
    QStringList numbers;
    int month = 0;
    for (auto it = token.globalMatch(text.trimmed()); it.hasNext();) {
        const auto match = it.next();
        if (match.hasCaptured(1)) {
            numbers << match.captured(1);
        } else if (match.hasCaptured(2)) {
            const QString word = match.captured(2);
            if (const int named = MonthNamed(word, locale); named != 0 && month == 0)
                month = named;
            else if (!NamesWeekday(word, locale))
                return std::nullopt;
        } else if (match.hasCaptured(4)) {
            return std::nullopt;
        }
    }

    QString day, monthDigits, year;
    if (month != 0) {
        // "15 January 2027", "January 15, 27": the year is the four-digit
        // number, else the one the locale's long form puts there.
        if (numbers.size() != 2) return std::nullopt;
        const QString longOrder = FieldOrder(locale.dateFormat(QLocale::LongFormat));
        bool yearFirst = longOrder.indexOf(QLatin1Char('y')) < longOrder.indexOf(QLatin1Char('d'));
        if (numbers[0].size() > 2) yearFirst = true;
        if (numbers[1].size() > 2) yearFirst = false;
        day = numbers[yearFirst ? 1 : 0];
        year = numbers[yearFirst ? 0 : 1];
    } else {
        // Three numbers in the order of the short form, or year first when
        // the first has four digits (2027-01-15).
        if (numbers.size() != 3) return std::nullopt;
        QString order = FieldOrder(locale.dateFormat(QLocale::ShortFormat));
        if (numbers[0].size() > 2) order = QStringLiteral("yMd");
        if (order.size() != 3) return std::nullopt;
        for (int i = 0; i < 3; ++i) {
            const QChar field = order[i];
            (field == QLatin1Char('d') ? day : field == QLatin1Char('M') ? monthDigits : year) = numbers[i];
        }
        if (monthDigits.size() > 2) return std::nullopt;
        month = monthDigits.toInt();
    }
    if (day.size() > 2) return std::nullopt;
    const QDate date(FullYear(year, today), month, day.toInt());
    if (!date.isValid() || date.year() < 1) return std::nullopt;
    return SerialFromDate(date);
}

DateFormatter ShortDateFormatter(const QLocale& locale) {
    // The format is worked out once, not for each of a schedule's rows.
    return [locale, format = WithFourDigitYear(locale.dateFormat(QLocale::ShortFormat))](DaySerial serial) {
        return locale.toString(DateFromSerial(serial), format).toStdString();
    };
}

}  // namespace amortix::gui
