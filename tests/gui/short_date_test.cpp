// Dates as a person types them, in the locales the program is used in, and
// every date a schedule shows read back to itself.
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include "core/calc/schedule.h"
#include "core/forms/schedule_texts.h"
#include "shell/short_date.h"

namespace amortix::gui {
namespace {

const QDate kToday(2026, 12, 6);

QLocale Locale(const char* name) {
    return QString(name) == "C" ? QLocale::c() : QLocale(QString(name));
}

TEST(ShortDate, ReadsTheFormsAPersonTypes) {
    struct Case {
        const char* locale;
        const char* typed;
        QDate date;  // invalid: no date
    };
    const QDate jan15(2027, 1, 15), leap(2000, 2, 29), none;
    const Case cases[] = {
        // C: shown "15 Jan 2027".
        {"C", "15 Jan 2027", jan15},
        {"C", "15 Jan 27", jan15},
        {"C", "15 january 2027", jan15},
        {"C", "Friday, 15 January 2027", jan15},
        {"C", "15/01/2027", jan15},
        {"C", "15/1/27", jan15},
        {"C", "2027-01-15", jan15},
        {"C", "29 Feb 00", leap},
        {"C", "29 Feb 01", none},
        {"C", "Jan 2027", none},
        {"C", "15 Foo 2027", none},
        {"C", "15/13/2027", none},
        // en_US: shown "1/15/27".
        {"en_US", "1/15/27", jan15},
        {"en_US", "01/15/2027", jan15},
        {"en_US", "January 15, 2027", jan15},
        {"en_US", "Friday, January 15, 2027", jan15},
        {"en_US", "Jan 15 27", jan15},
        {"en_US", "2/29/00", leap},
        {"en_US", "1/1/75", QDate(2075, 1, 1)},  // two-digit years: 50 back, 49 ahead
        {"en_US", "1/1/76", QDate(1976, 1, 1)},
        {"en_US", "15/1/27", none},
        {"en_US", "2/29/01", none},
        // en_GB: shown "15/01/2027".
        {"en_GB", "15/01/27", jan15},
        {"en_GB", "5/3/2027", QDate(2027, 3, 5)},
        {"en_GB", "15 January 2027", jan15},
        {"en_GB", "29/02/00", leap},
        {"en_GB", "2027-01-15", jan15},
        {"en_GB", "1/15/27", none},
        // de_DE: shown "15.01.27".
        {"de_DE", "15.01.27", jan15},
        {"de_DE", "5.3.2027", QDate(2027, 3, 5)},
        {"de_DE", "15. Januar 2027", jan15},
        {"de_DE", "Freitag, 15. Januar 2027", jan15},
        {"de_DE", "15. März 27", QDate(2027, 3, 15)},
        {"de_DE", "29.2.2000", leap},
        {"de_DE", "31.04.2027", none},
    };
    for (const auto& c : cases) {
        const auto serial = ParseShortDate(QString::fromUtf8(c.typed), Locale(c.locale), kToday);
        if (c.date.isValid()) {
            ASSERT_TRUE(serial.has_value()) << c.locale << " " << c.typed;
            EXPECT_EQ(DateFromSerial(*serial), c.date) << c.locale << " " << c.typed;
        } else {
            EXPECT_FALSE(serial.has_value()) << c.locale << " " << c.typed;
        }
    }
    // What is no date in any locale.
    for (const char* locale : {"C", "en_US", "en_GB", "de_DE"})
        for (const char* typed :
             {"", "   ", "not a date", "1/2", "1/2/3/4", "12:30", "15 01 20270", "0/1/2027"})
            EXPECT_FALSE(ParseShortDate(typed, Locale(locale), kToday).has_value()) << locale << " " << typed;
}

// The grid and the printout show four-digit years whatever the short form.
TEST(ShortDate, ScheduleDatesHaveFourDigitYears) {
    const struct {
        const char* format;
        const char* wide;
    } formats[] = {
        {"M/d/yy", "M/d/yyyy"},         {"dd.MM.yy", "dd.MM.yyyy"},         {"d MMM yyyy", "d MMM yyyy"},
        {"y-MM-dd", "yyyy-MM-dd"},      {"d.MM.yy 'yy'", "d.MM.yyyy 'yy'"}, {"dd/MM/yy''", "dd/MM/yyyy''"},
        {"'It''s' yy", "'It''s' yyyy"},
    };
    for (const auto& f : formats) EXPECT_EQ(WithFourDigitYear(f.format), f.wide) << f.format;

    const struct {
        const char* locale;
        const char* shown;
    } dates[] = {
        {"C", "15 Jan 2070"}, {"en_US", "1/15/2070"}, {"en_GB", "15/01/2070"}, {"de_DE", "15.01.2070"}};
    const DaySerial serial = SerialFromDate(QDate(2070, 1, 15));
    for (const auto& d : dates) {
        EXPECT_EQ(ScheduleDateText(serial, Locale(d.locale)), d.shown) << d.locale;
        EXPECT_EQ(ShortDateFormatter(Locale(d.locale))(serial), d.shown) << d.locale;
    }
}

TEST(ShortDate, EveryDateOfAFortyYearWeeklyScheduleReadsBack) {
    const QDate today = QDate::currentDate();
    for (const char* name : {"C", "en_US", "en_GB", "de_DE"}) {
        const QLocale locale = Locale(name);
        for (const QDate& first : {today, QDate(1999, 12, 1)}) {
            ScheduleInputs in;
            in.years = 40;
            in.frequency = Frequency::OneWeek;
            in.view = ScheduleView::AllPayments;
            in.showDates = true;
            in.firstPaymentDate = SerialFromDate(first);
            in.formatDate = ShortDateFormatter(locale);
            const auto result = std::make_shared<const ScheduleResult>(CalculateSchedule(in));
            ASSERT_GT(result->gridRows, 1900);
            const ScheduleGrid grid(result, "$", in.formatDate);
            for (int row = 1; row <= result->gridRows; ++row) {
                const QString shown = QString::fromStdString(grid.Cell(row, 0));
                const auto read = ParseShortDate(shown, locale, today);
                ASSERT_TRUE(read.has_value()) << name << " " << shown.toStdString();
                EXPECT_EQ(DateFromSerial(*read), first.addDays(7 * (row - 1)))
                    << name << " " << shown.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace amortix::gui
