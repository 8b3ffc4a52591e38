#pragma once
// What the tables screen shows and decides, without a window: its captions and
// defaults per mode, the display forms its boxes write back, the period limits,
// the quick help, and the rules of its three dialogs (term, days in year,
// additional payments).

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/costs.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"

namespace amortix {

struct TablesDefaults {
    std::string caption;  // the frame's caption
    std::string label1, label2, label3, label8, label11;
    std::string principalText, rateText, termText;
    double principal = 0, ratePercent = 0, years = 0;
    std::vector<std::string> rateList, termList;
};
TablesDefaults DefaultsFor(TableKind mode, std::string_view currencySymbol);

// The compounding a screen opens with for the personal setting.
Compounding CompoundingForSetting(int compoundSetting);

// The period box's limits: a mortgage's years, a loan's months.
inline constexpr double kTermYearLimit = kMortgageYearLimit;
inline constexpr double kTermMonthLimit = 12 * kMortgageYearLimit;

// Leaving the period box: the value stored in years, the text shown and the
// message raised when the limit corrected it.
struct TermEntry {
    double years = 0;
    std::string text;
    std::optional<Message> message;
};
TermEntry EnterTerm(TableKind mode, std::string_view typed);
// The same for a value already read (years, or a loan's months).
TermEntry ClampTerm(TableKind mode, double value);

// A quick help's line and the empty lines that follow it.
struct HelpLine {
    const char* text;
    int blankLines;
};
// The lines in the language of `words`, joined by CR LF.
std::string JoinHelp(std::span<const HelpLine> lines, const Catalogue& words);

// The quick help that replaces the grid, lines joined by CR LF.
std::string TablesQuickHelp(TableKind mode, const Catalogue& words = EnglishCatalogue());

// The result boxes' labels and the other fixed captions of the screen.
inline constexpr const char* kTablesLabel6 = AMX_TEXT(" Interest compound           periods per year.");
inline constexpr const char* kTablesLabel10 = AMX_TEXT(" Frequency and type of     each payment.");
inline constexpr const char* kTablesLabel4 = AMX_TEXT(" Principal + Interest   payment.");
inline constexpr const char* kTablesLabel14 = AMX_TEXT(" Interest rate        factor.");
inline constexpr const char* kTablesLabel15 = AMX_TEXT(" Days          in year.");
inline constexpr const char* kTablesLabel9 = AMX_TEXT(" No. of payments   each year.");
inline constexpr const char* kTablesLabel5 = AMX_TEXT(" Total interest       savings.");
inline constexpr const char* kTablesLabel18 = AMX_TEXT(" Interest saved by   prepayments.");
inline constexpr const char* kTablesLabel19 = AMX_TEXT(" Paid off sooner by.");
// The rounding list's caption, on the tables and the comparison screens.
inline constexpr const char* kRoundingLabel = AMX_TEXT(" Payments worked out");

// --- The screen's own state -------------------------------------------------

// What the tables screen keeps between events, as the other screens keep
// theirs in their forms: the figures of its three boxes, how the schedule is
// shown, and the last calculation while it is on screen. The lists, the day
// basis, the first-payment date and the additional payments are the shared
// state the dialogs also read; Inputs takes them from the caller.
class TablesForm {
  public:
    struct Figures {
        double principal = 0;
        double ratePercent = 0;
        double years = 0;  // a loan's months divided by 12
    };
    struct View {
        ScheduleView scheduleView = ScheduleView::Closed;
        std::int16_t termYears = 0;  // years shown, 0 all
        bool showDates = false;      // dates instead of payment numbers
        std::int16_t gridRows = 0;   // laid out by the last calculation
    };
    // What the rest of the program holds for the schedule.
    struct Shared {
        TableKind mode = TableKind::Mortgage;
        Compounding compounding = Compounding::Monthly;
        Frequency frequency = Frequency::Monthly;
        Rounding rounding = Rounding::Exact;
        DayBasis dayBasis;
        DaySerial firstPaymentDate = 0;
        AdditionalPayments extra;
        Prepayments prepayments;  // recurring and one-time amounts, limits
        std::string currencySymbol = "$";
        DateFormatter formatDate;
    };

    const Figures& Numbers() const { return figures_; }
    View& Settings() { return view_; }
    const View& Settings() const { return view_; }

    // A mode's opening figures; the view is left as it is.
    void ShowDefaults(const TablesDefaults& defaults);
    void EnterPrincipal(double value) { figures_.principal = value; }
    void EnterRate(double value) { figures_.ratePercent = value; }
    // The period box was left: its text read as the mode reads it, held to the limit.
    TermEntry EnterTerm(TableKind mode, std::string_view typed);
    // An opened table's figures, view and rate changes.
    void Restore(const ScheduleInputs& in);
    // The rates after the first, as the rate-changes dialog left them.
    std::vector<RateChange>& RateChanges() { return rateChanges_; }
    const std::vector<RateChange>& RateChanges() const { return rateChanges_; }
    // What the mortgage costs besides its schedule, as the costs dialog left
    // them (Costs{} for none). With a price, Calculate takes the principal from it.
    Costs& CostsInForce() { return costs_; }
    const Costs& CostsInForce() const { return costs_; }
    // What goes with a refusal of the costs (the minimum down payment), else empty.
    const std::string& CostsDetail() const { return costsDetail_; }

    // The inputs a calculation hands to the engine. The grid shows each
    // payment only in that view; every other view is the annual one.
    ScheduleInputs Inputs(const Shared& shared) const;
    // Runs the schedule; the term and grid rows follow what it laid out. The
    // answer, refused or not, lives until the next calculation. Costs in
    // force that no calculation takes refuse it with their message.
    const ScheduleResult& Calculate(const Shared& shared);
    // The last calculation while its results are on screen, else null.
    const ScheduleResult* Results() const { return results_.get(); }
    std::shared_ptr<const ScheduleResult> SharedResults() const { return results_; }
    void ClearResults() { results_.reset(); }
    // The screen closed: nothing of it is kept.
    void Reset() { *this = TablesForm(); }

  private:
    Figures figures_;
    View view_;
    std::vector<RateChange> rateChanges_;
    Costs costs_;
    std::string costsDetail_;
    std::shared_ptr<const ScheduleResult> last_;
    std::shared_ptr<const ScheduleResult> results_;  // last_ while it is on screen
};

// --- Term dialog -----------------------------------------------------------

inline constexpr std::int16_t kTermChoices[] = {0, 1, 2, 3, 4, 5, 10};
inline constexpr const char* kTermCaptions[] = {
    AMX_TEXT("All Years"), AMX_TEXT("1 Year"),  AMX_TEXT("2 Years"), AMX_TEXT("3 Years"),
    AMX_TEXT("4 Years"),   AMX_TEXT("5 Years"), AMX_TEXT("10 Years")};
int TermOptionIndex(std::int16_t termYears);  // 0 when the value is not offered
// Leaving the period box with a new period erases the additional payments
// typed for the old one; true when there were any to erase.
bool PeriodChangeErasesPayments(double yearsBefore, double yearsAfter, const AdditionalPayments& extra);

// Leaving the term dialog: a term longer than the period raises message 34 and
// falls back to all years (the dialog stays open).
bool TermFitsPeriod(std::int16_t termYears, double periodYears);

// --- Days in year dialog ---------------------------------------------------

inline constexpr const char* kDaysLabel1 = AMX_TEXT(
    " Most Financial Institutions use 365. Other: type your own to calculate to 2 decimals between 363 - "
    "365.25");

// Leaving the dialog with the typed option: the new day basis, or message 19.
struct DaysExit {
    std::optional<DayBasis> basis;
    std::optional<Message> message;
};
// `typedText` is the box's text; an empty box counts as 0 days.
DaysExit ExitDaysDialog(DayBasisChoice choice, std::string_view typedText);
std::string DaysBoxText(float days);  // kTwoDecimalsMask

// --- Additional payments dialog --------------------------------------------

// The editing state of the additional-payments form; every rule of its boxes
// and buttons lives here so the window only forwards events.
class PrePayForm {
  public:
    // Opens on the current additional payments for a period of `periodYears`.
    PrePayForm(const AdditionalPayments& current, double periodYears);

    const AdditionalPayments& Payments() const { return p_; }
    int GridRows() const;             // at least 20, else years + 1
    std::string PercentText() const;  // kPercentMask in kPercentBoxWidth and "%"
    int MonthOption() const;          // 0..11
    bool PercentEnabled() const { return Info(p_.kind).percentage; }
    bool AmountsEnabled() const { return Info(p_.kind).amounts; }
    std::string YearCell(int row) const;    // grid column 0
    std::string AmountCell(int row) const;  // grid column 1

    void ChooseKind(ExtraPaymentKind kind);
    void ChooseMonth(int option);
    // Leaving the percentage box after typing: message 35 above 100.
    std::optional<Message> EnterPercent(std::string_view typed);

    // Grid editing, cell by cell: the current cell became (row, column).
    void SelectCell(int row, int column);
    // A character typed into the grid; returns false when it is refused with a beep.
    struct KeyResult {
        bool beep = false;
        bool moveDown = false;
    };
    KeyResult TypeInGrid(int code);
    void DeleteInGrid();

    void EraseAll();
    // OK: counts the years with amounts; true when the indicator turns red.
    bool Accept();

    int EditRow() const { return editRow_; }
    int EditColumn() const { return editColumn_; }

  private:
    AdditionalPayments p_;
    int editRow_ = 1;
    int editColumn_ = 1;
    std::string editText_;
};

}  // namespace amortix
