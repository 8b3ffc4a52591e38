#pragma once
// The program's shared state: one object for the whole run, owned by the
// Application and handed to every screen. It holds only what more than one
// screen or dialog reads; a screen keeps the rest itself (the tables screen's
// view settings live in TablesScreen::View). Names follow the screens' own
// vocabulary so a handler reads like the rule it implements.

#include <cstdint>
#include <string>

#include "core/calc/dates.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"
#include "core/files/settings_file.h"

namespace amortix::gui {

// Layout classes recorded by the frame on every resize.
inline constexpr std::int32_t kLayoutSmall = 6810;
inline constexpr std::int32_t kLayoutLarge = 8670;

struct AppState {
    // Frame and navigation.
    std::int32_t FrameLayoutSize = 0;  // 0 until the frame's first resize
    amortix::TableKind TablesMode = amortix::TableKind::Mortgage;
    bool TablesOpen = false;  // tells the shared dialogs which screen called them

    // Numbered messages and questions: the number shown, and the answer
    // (6 Yes, 0 No) that replaces the question number.
    std::int16_t MessageNumber = 0;
    std::int16_t QuestionNumber = 0;

    // false: the next key typed into an input box first empties it and the
    // results; true: keys append. One flag for the whole program.
    bool EntryEdited = false;
    bool QuickHelpOn = false;  // a screen's quick help covers its grid

    // Personal settings.
    std::string CurrencySymbol = "$";
    std::string UserName;
    std::int16_t PrinterFontChoice = 0;  // 1 Courier New 11 point, 0 standard font
    std::int16_t CompoundSetting = 0;    // 0 Monthly .. 4 Annual
    amortix::Language LanguageChoice = amortix::Language::Automatic;  // takes effect at the next start

    // Day basis of the 2-week and 1-week frequencies (DaysInYear,
    // BiweeklyPeriods, WeeklyPeriods, DayBasisChoice).
    amortix::DayBasis DayBasis;
    std::int16_t PaymentsPerYear = 0;  // of the last calculation on any screen

    // Date of the first payment; today's date at start-up.
    amortix::DaySerial FirstPaymentDate = 0;

    // Additional payments: amounts by year (ExtraPayments), percentage
    // increase (.increase = PaymentIncrease), option (.type =
    // ExtraPaymentType), month setting (.month = ExtraPaymentMonth), years
    // with an amount (.rowCount = ExtraRowCount), years offered (.years =
    // ExtraYears).
    amortix::AdditionalPayments ExtraPayments;
    // The tables screen's recurring and one-time amounts and the lender's
    // limits, beside the additional payments the same dialog edits.
    amortix::Prepayments Prepayments;

    // Graphs, printouts and files of the screen on top.
    std::int16_t ResultsReady = 0;  // graph points; 0 while there are no valid results
    std::string GraphTitle;

    // The comparison and affordability screens add here only what another
    // screen or dialog reads (as a named struct).
};

}  // namespace amortix::gui
