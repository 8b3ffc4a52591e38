#pragma once
// The program's shared state: one object for the whole run, owned by the
// Application and handed to every form. Names follow the screens' own
// vocabulary so a handler reads like the rule it implements.

#include <array>
#include <cstdint>
#include <string>

#include "core/calc/dates.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"

namespace amortix::gui {

// Layout classes recorded by the frame on every resize.
inline constexpr std::int32_t kLayoutSmall = 6810;
inline constexpr std::int32_t kLayoutLarge = 8670;

struct AppState {
    // Frame and navigation.
    std::int32_t FrameLayoutSize = 0;  // 0 until the frame's first resize
    amortix::TablesMode TablesMode = amortix::TablesMode::Mortgage;
    std::int16_t TablesOpen = 0;  // 1 while the tables screen is loaded

    // Numbered messages and questions: the number shown, and the answer
    // (6 Yes, 0 No) that replaces the question number.
    std::int16_t MessageNumber = 0;
    std::int16_t QuestionNumber = 0;

    // 0: the next key typed into an input box first empties it and the
    // results; 1: keys append. One flag for the whole program.
    std::int16_t EntryEdited = 0;
    std::int16_t QuickHelpOn = 0;

    // Personal settings.
    std::string CurrencySymbol = "$";
    std::string UserName;
    std::int16_t PrinterFontChoice = 0;  // 1 Courier New 11 point, 0 standard font
    std::int16_t CompoundSetting = 0;    // 0 Monthly .. 4 Annual

    // Day basis of the 2-week and 1-week frequencies (DaysInYear,
    // BiweeklyPeriods, WeeklyPeriods, DayBasisChoice).
    amortix::DayBasis DayBasis;
    std::int16_t PaymentsPerYear = 0;
    std::int16_t FrequencyClass = 0;

    // [1] principal, [2] annual rate in percent, [3] period in years.
    std::array<double, 6> TableInputs{};

    // Grid views of the tables screen.
    amortix::ScheduleView ScheduleView = amortix::ScheduleView::Closed;
    std::int16_t TermYears = 0;
    std::int16_t ShowDates = 0;
    amortix::DaySerial FirstPaymentDate = 0;

    // Additional payments: amounts by year (ExtraPayments), percentage
    // increase (.increase = PaymentIncrease), option (.type =
    // ExtraPaymentType), month setting (.month = ExtraPaymentMonth), years
    // with an amount (.rowCount = ExtraRowCount), years offered (.years =
    // ExtraYears).
    amortix::AdditionalPayments ExtraPayments;

    // Results of the last calculation.
    float YearsToFinal = 0.0f;
    std::int16_t GridRows = 0;
    std::int16_t ResultsReady = 0;  // graph points; 0 while there are no valid results

    // Graphs.
    amortix::GraphData GraphPoints;
    std::int16_t GraphSource = 0;  // the screen that opened the graph window
    std::string GraphTitle;

    // Printing.
    std::string PrintHeaderText;  // "1" when the user cancelled
    std::int16_t PrintPageLines = 0;
};

}  // namespace amortix::gui
