#pragma once
// What the affordability screen shows and decides, without a window: its
// captions, the figures it keeps, which boxes are inputs for each choice of
// the figure to find, what every box shows, and the quick help. The
// calculation itself is core/calc/afford.h.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calc/afford.h"
#include "core/forms/tables_form.h"

namespace amortix {

inline constexpr const char* kAffordCaption = AMX_TEXT(" Mortgage Affordability");

// The screen's boxes by what they show: the conventional mortgage's four
// figures and its total interest, then the accelerated panel.
enum class AffordBox : std::int8_t {
    Principal,
    Rate,
    Years,
    Payment,
    TotalInterest,
    PaymentsPerYear,
    DaysInYear,
    YearsToFinal,
    EachPayment,
    InterestSaved,
    AcceleratedTotalInterest,
};
inline constexpr std::size_t kAffordBoxCount = 11;

// The box that shows the answer (white, read-only) for the figure being
// found; the rate is never one.
bool IsAnswerBox(AffordSolve solve, AffordBox box);
// The labels of the two boxes the user gives for that figure stand out.
bool IsHighlightedLabel(AffordSolve solve, AffordBox box);

// Captions.
inline constexpr const char* kAffordFrame1 = AMX_TEXT("Select to find:");
inline constexpr const char* kAffordFrame2 = AMX_TEXT("Conventional Mortgage");
inline constexpr const char* kAffordFrame3 = AMX_TEXT("Accelerated Mortgage");
inline constexpr const char* kAffordPrincipalOpt = AMX_TEXT(" Principal");
inline constexpr const char* kAffordPaymentOpt = AMX_TEXT(" Payment");
inline constexpr const char* kAffordTermOpt = AMX_TEXT(" Years");
inline constexpr const char* kAffordLabel16 = AMX_TEXT(" Principal amount of the   mortgage.");
inline constexpr const char* kAffordLabel17 = AMX_TEXT(" Annual interest rate  in    percent.");
inline constexpr const char* kAffordLabel18 = AMX_TEXT(" Amortization period in     years.");
inline constexpr const char* kAffordLabel19 = AMX_TEXT(" Monthly payment.           Principal and interest.");
inline constexpr const char* kAffordLabel7 = AMX_TEXT(" Interest compounding     periods per year.");
inline constexpr const char* kAffordLabel20 = AMX_TEXT(" Total interest paid.");
inline constexpr const char* kAffordLabel1 = AMX_TEXT(" Frequency and type of          payment.");
inline constexpr const char* kAffordLabel2 = AMX_TEXT(" Number of pay-     ments each year.");
inline constexpr const char* kAffordLabel3 = AMX_TEXT(" Days in     year.");
inline constexpr const char* kAffordLabel6 = AMX_TEXT(" Number of years to final         payment.");
inline constexpr const char* kAffordLabel8 = AMX_TEXT(" Each payment. Principal        and  interest.");
inline constexpr const char* kAffordLabel4 = AMX_TEXT(" Interest saved versus            normal  mortgage.");
inline constexpr const char* kAffordLabel21 = AMX_TEXT(" Total interest paid.");

// The frequency the screen opens with.
inline constexpr Frequency kAffordInitialFrequency = Frequency::BiweeklyAccelerated;

// The quick help, lines joined by CR LF.
std::string AffordQuickHelp(const Catalogue& words = EnglishCatalogue());

// The message line's texts.
inline constexpr const char* kAffordTooSmall =
    AMX_TEXT("Payment is too small, repayment would take over 40 years.");
inline constexpr const char* kAffordMissingEntry =
    AMX_TEXT("Check for a missing entry in green input boxes and replace it.");
std::string_view AffordMessageText(AffordMessage message);

// The screen's state and rules: the figures it keeps, the figure to find,
// the boxes' texts, and each calculation's effect on them. A box a run does
// not reach keeps its text.
class AffordForm {
  public:
    // The screen as it opens, before its first calculation. The words
    // ("Normal", the message line) come from `words`, which outlives the form.
    explicit AffordForm(std::string currencySymbol = "$", const Catalogue& words = EnglishCatalogue());

    const AffordFigures& Figures() const { return figures_; }
    AffordSolve Solve() const { return solve_; }
    double MonthlyFactor() const { return monthlyFactor_; }
    double PeriodFactor() const { return periodFactor_; }

    // The figure to find; nothing is recalculated until the next Calculate.
    void ChooseSolve(AffordSolve solve) { solve_ = solve; }
    bool IsAnswerBox(AffordBox box) const { return amortix::IsAnswerBox(solve_, box); }

    // Leaving an edited box: the figure is kept and the box shows the
    // returned text.
    std::string EnterPrincipal(double value);
    std::string EnterRate(double value);
    std::string EnterPayment(double value);
    // The period, at most 40 years: the limit's message is in the entry.
    TermEntry EnterYears(double value);
    // Leaving the period box, edited or not: what a text above the limit
    // becomes (with message 5); the text as read otherwise.
    static TermEntry YearsLimit(std::string_view text);

    // The Calculate button: solves for the chosen figure and writes the boxes
    // the run reaches.
    const AffordResult& Calculate(Compounding compounding, Frequency frequency, const DayBasis& dayBasis);
    const AffordResult& LastRun() const { return lastRun_; }

    // What a box shows, and the figure behind it: nullopt where the box is
    // empty or shows a word ("Normal").
    const std::string& Text(AffordBox box) const;
    std::optional<double> Value(AffordBox box) const;
    // The message line: the text of the last run's failure, empty after a
    // run that did not fail (the line is hidden then).
    const std::string& MessageLine() const { return messageLine_; }
    bool MessageShown() const { return !messageLine_.empty(); }
    // The payment box takes the focus after the last run.
    bool FocusPayment() const { return lastRun_.focusPayment; }

  private:
    struct Box {
        std::string text;
        std::optional<double> value;
    };
    Box& At(AffordBox box) { return boxes_[static_cast<std::size_t>(box)]; }
    std::string Money(double value, int width) const;
    void Show(const AffordResult& run, Frequency frequency);

    std::string currencySymbol_;
    const Catalogue* words_;
    AffordFigures figures_;
    AffordSolve solve_ = AffordSolve::Payment;
    double monthlyFactor_ = 0;
    double periodFactor_ = 0;
    std::array<Box, kAffordBoxCount> boxes_;
    std::string messageLine_;
    AffordResult lastRun_;
};

}  // namespace amortix
