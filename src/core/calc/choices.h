#pragma once
// Every choice a screen offers, as an enumeration with one descriptor table.
// The list texts live here and nowhere else: the drop-down lists are filled
// from these tables, files store their texts, and a text read from a file
// becomes an enumerator through Find*, so a new choice is one row here. The
// texts a person reads are marked for translation; files keep the English.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/format/catalogue.h"

namespace amortix {

// Steps between payment dates.
enum class DateStep { Month, SemiMonth, TwoWeeks, OneWeek };

// Where a frequency's periods a year come from: fixed, or the day basis's
// 2-week or 1-week periods.
enum class PeriodSource { Fixed, Fortnights, Weeks };

enum class Frequency : std::int8_t {
    Monthly,
    Semimonthly,
    TwoWeeks,
    OneWeek,
    BiweeklyAccelerated,
    WeeklyAccelerated
};

struct FrequencyInfo {
    Frequency id;
    std::string_view listText;  // as the list shows it and files store it
    std::string_view cliName;
    std::int16_t paymentsPerYear;
    std::int16_t frequencyClass;  // 0 monthly rate; 2 or 4: the rate per period and the payment bound
    bool accelerated;             // a share of the monthly payment, paid more often
    // The payment is the monthly payment times `shareNumerator` over
    // `shareDenominator`, multiplied then divided as the screens always did.
    double shareNumerator;
    double shareDenominator;
    PeriodSource periods;
    double fixedPeriodsPerYear;  // for PeriodSource::Fixed
    DateStep dateStep;
};

inline constexpr std::array<FrequencyInfo, 6> kFrequencies = {{
    {Frequency::Monthly, AMX_TEXT("      Monthly"), "monthly", 12, 0, false, 1.0, 1.0, PeriodSource::Fixed,
     12.0, DateStep::Month},
    {Frequency::Semimonthly, AMX_TEXT("  Semimonthly"), "semimonthly", 24, 2, false, 1.0, 2.0,
     PeriodSource::Fixed, 24.0, DateStep::SemiMonth},
    {Frequency::TwoWeeks, AMX_TEXT("      2 Weeks"), "2-weeks", 26, 2, false, 12.0, 26.0,
     PeriodSource::Fortnights, 0.0, DateStep::TwoWeeks},
    {Frequency::OneWeek, AMX_TEXT("      1 Week"), "1-week", 52, 4, false, 12.0, 52.0, PeriodSource::Weeks,
     0.0, DateStep::OneWeek},
    {Frequency::BiweeklyAccelerated, AMX_TEXT(" Biweekly(Acc)"), "biweekly-acc", 26, 2, true, 1.0, 2.0,
     PeriodSource::Fortnights, 0.0, DateStep::TwoWeeks},
    {Frequency::WeeklyAccelerated, AMX_TEXT("   Weekly(Acc)"), "weekly-acc", 52, 4, true, 1.0, 4.0,
     PeriodSource::Weeks, 0.0, DateStep::OneWeek},
}};

enum class Compounding : std::int8_t { Monthly, Bimonthly, Quarterly, Semiannual, Annual };

struct CompoundingInfo {
    Compounding id;
    std::string_view listText;  // as the list shows it and files store it
    std::string_view cliName;
    std::string_view settingCaption;  // the personal settings' option
    int periodsPerYear;
};

inline constexpr std::array<CompoundingInfo, 5> kCompoundings = {{
    {Compounding::Monthly, AMX_TEXT("      Monthly"), "monthly", AMX_TEXT("Monthly"), 12},
    {Compounding::Bimonthly, AMX_TEXT("    Bimonthly"), "bimonthly", AMX_TEXT("Bi-Monthly"), 6},
    {Compounding::Quarterly, AMX_TEXT("    Quarterly"), "quarterly", AMX_TEXT("Quarterly"), 3},
    {Compounding::Semiannual, AMX_TEXT("   Semiannual"), "semiannual", AMX_TEXT("Semi-Annual"), 2},
    {Compounding::Annual, AMX_TEXT("       Annual"), "annual", AMX_TEXT("Annual"), 1},
}};

// The days-in-year dialog's choices; the enumerator is the code files store.
enum class DayBasisChoice : std::int16_t { Days365_25 = 0, Days365 = 1, Days364 = 2, Days363 = 3, Typed = 4 };

struct DayBasisInfo {
    DayBasisChoice id;
    std::string_view caption;  // the dialog's option
    std::string_view cliName;  // empty for the typed choice
    float days;                // 0 for the typed choice
    // 8-decimal literals, not days/14 and days/7: the figures always used.
    double biweeklyPeriods;
    double weeklyPeriods;
};

inline constexpr std::array<DayBasisInfo, 5> kDayBases = {{
    {DayBasisChoice::Days365_25, "365.25", "365.25", 365.25f, 26.08928571, 52.17857143},
    {DayBasisChoice::Days365, "365", "365", 365.0f, 26.07142857, 52.14285714},
    {DayBasisChoice::Days364, "364", "364", 364.0f, 26.0, 52.0},
    {DayBasisChoice::Days363, "363", "363", 363.0f, 25.92857143, 51.85714286},
    {DayBasisChoice::Typed, AMX_TEXT("Type in year"), "", 0.0f, 0.0, 0.0},
}};

// What the additional-payments dialog applies; the enumerator is the code
// table files store.
enum class ExtraPaymentKind : std::int16_t { Percentage = 0, YearAmounts = 1, Both = 2 };

struct ExtraPaymentKindInfo {
    ExtraPaymentKind id;
    bool percentage;  // the percentage increase applies
    bool amounts;     // the yearly amounts apply
};

inline constexpr std::array<ExtraPaymentKindInfo, 3> kExtraPaymentKinds = {{
    {ExtraPaymentKind::Percentage, true, false},
    {ExtraPaymentKind::YearAmounts, false, true},
    {ExtraPaymentKind::Both, true, true},
}};

// The tables screen's view. Closed: no view chosen yet (the screen before its
// first Calculate).
enum class ScheduleView : std::int16_t { Closed = 0, Annual = 1, AllPayments = 2 };

struct ScheduleViewInfo {
    ScheduleView id;
    std::string_view caption;  // the view option's caption
    std::string_view cliName;
};

inline constexpr std::array<ScheduleViewInfo, 2> kScheduleViews = {{
    {ScheduleView::AllPayments, AMX_TEXT("All "), "all"},
    {ScheduleView::Annual, AMX_TEXT("Annual"), "annual"},
}};

// The two kinds of table the tables screen makes; the enumerator is the code
// table files store.
enum class TableKind : std::int16_t { Mortgage = 1, PersonalLoan = 2 };

struct TableKindInfo {
    TableKind id;
    std::string_view cliName;
    std::string_view extension;  // of its files
};

inline constexpr std::array<TableKindInfo, 2> kTableKinds = {{
    {TableKind::Mortgage, "mortgage", ".qmd"},
    {TableKind::PersonalLoan, "loan", ".qld"},
}};

// How a fee is paid: in cash at closing, or added to the loan.
enum class FeePayment : std::int8_t { Cash, Financed };

struct FeePaymentInfo {
    FeePayment id;
    std::string_view listText;  // as the list shows it and files store it
    std::string_view cliName;
};

inline constexpr std::array<FeePaymentInfo, 2> kFeePayments = {{
    {FeePayment::Cash, AMX_TEXT("Paid in cash"), "cash"},
    {FeePayment::Financed, AMX_TEXT("Added to the loan"), "financed"},
}};

// Mortgage default insurance: none, the Canadian premium added to the loan,
// or US mortgage insurance paid with the payments.
enum class InsuranceKind : std::int8_t { None, Canada, UnitedStates };

struct InsuranceKindInfo {
    InsuranceKind id;
    std::string_view listText;  // as the list shows it and files store it
    std::string_view cliName;
};

inline constexpr std::array<InsuranceKindInfo, 3> kInsuranceKinds = {{
    {InsuranceKind::None, AMX_TEXT("None"), "none"},
    {InsuranceKind::Canada, AMX_TEXT("Canada"), "canada"},
    {InsuranceKind::UnitedStates, AMX_TEXT("United States"), "us"},
}};

// What a change of rate does to the payment: a renewal re-amortizes the
// balance over the years left, or the payment stays and the end moves.
enum class RateChangePayment : std::int8_t { Recalculate, Keep };

struct RateChangePaymentInfo {
    RateChangePayment id;
    std::string_view listText;
    std::string_view cliName;
};

inline constexpr std::array<RateChangePaymentInfo, 2> kRateChangePayments = {{
    {RateChangePayment::Recalculate, AMX_TEXT("Recalculate"), "recalculate"},
    {RateChangePayment::Keep, AMX_TEXT("Keep"), "keep"},
}};

// How the payments are worked out: exactly, or as a lender's statement
// shows them (the payment and each period's interest in whole cents).
enum class Rounding : std::int8_t { Exact, Lender };

struct RoundingInfo {
    Rounding id;
    std::string_view listText;
    std::string_view cliName;
};

inline constexpr std::array<RoundingInfo, 2> kRoundings = {{
    {Rounding::Exact, AMX_TEXT("Exact"), "exact"},
    {Rounding::Lender, AMX_TEXT("Rounded as lenders do"), "lender"},
}};

// What a one-time prepayment does: the payment stays and the loan ends
// sooner, or the payment is recalculated over the amortization left, as a
// lender's recast does. The enumerator is the code a file may store.
enum class PrepaymentEffect : std::int8_t { ShortenTerm = 0, LowerPayment = 1 };

struct PrepaymentEffectInfo {
    PrepaymentEffect id;
    std::string_view listText;
    std::string_view cliName;
};

inline constexpr std::array<PrepaymentEffectInfo, 2> kPrepaymentEffects = {{
    {PrepaymentEffect::ShortenTerm, AMX_TEXT("Shorten the term"), "shorten"},
    {PrepaymentEffect::LowerPayment, AMX_TEXT("Lower the payment"), "lower-payment"},
}};

// The month of each mortgage year an additional amount falls in: 1 is the
// first payment of the year.
struct Month {
    std::int16_t number = 1;  // 1..12

    static constexpr bool Valid(int n) { return n >= 1 && n <= 12; }
    // The code files store: 12 for the first month, else the month less one
    // (0 in a file reads as the first month).
    constexpr std::int16_t StoredCode() const {
        return number == 1 ? std::int16_t{12} : std::int16_t(number - 1);
    }
    static constexpr Month FromStoredCode(int code) {
        return code <= 0 || code >= 12 ? Month{1} : Month{static_cast<std::int16_t>(code + 1)};
    }
    bool operator==(const Month&) const = default;
};

// --- Look-ups --------------------------------------------------------------

template <class Table>
constexpr const auto& InfoIn(const Table& table, decltype(table[0].id) id) {
    for (const auto& row : table)
        if (row.id == id) return row;
    return table[0];
}

constexpr const FrequencyInfo& Info(Frequency f) {
    return InfoIn(kFrequencies, f);
}
constexpr const CompoundingInfo& Info(Compounding c) {
    return InfoIn(kCompoundings, c);
}
constexpr const DayBasisInfo& Info(DayBasisChoice c) {
    return InfoIn(kDayBases, c);
}
constexpr const ExtraPaymentKindInfo& Info(ExtraPaymentKind k) {
    return InfoIn(kExtraPaymentKinds, k);
}
constexpr const ScheduleViewInfo& Info(ScheduleView v) {
    return InfoIn(kScheduleViews, v);
}
constexpr const TableKindInfo& Info(TableKind k) {
    return InfoIn(kTableKinds, k);
}
constexpr const RateChangePaymentInfo& Info(RateChangePayment p) {
    return InfoIn(kRateChangePayments, p);
}
constexpr const RoundingInfo& Info(Rounding r) {
    return InfoIn(kRoundings, r);
}
constexpr const FeePaymentInfo& Info(FeePayment p) {
    return InfoIn(kFeePayments, p);
}
constexpr const InsuranceKindInfo& Info(InsuranceKind k) {
    return InfoIn(kInsuranceKinds, k);
}
constexpr const PrepaymentEffectInfo& Info(PrepaymentEffect e) {
    return InfoIn(kPrepaymentEffects, e);
}

// The enumerator whose list text is exactly `text` (leading blanks included).
std::optional<Frequency> FindFrequency(std::string_view listText);
std::optional<Compounding> FindCompounding(std::string_view listText);
std::optional<RateChangePayment> FindRateChangePayment(std::string_view listText);
std::optional<Rounding> FindRounding(std::string_view listText);
std::optional<FeePayment> FindFeePayment(std::string_view listText);
std::optional<InsuranceKind> FindInsuranceKind(std::string_view listText);
// The same by the command line's names.
std::optional<Frequency> FrequencyNamed(std::string_view cliName);
std::optional<Compounding> CompoundingNamed(std::string_view cliName);
std::optional<RateChangePayment> RateChangePaymentNamed(std::string_view cliName);
std::optional<Rounding> RoundingNamed(std::string_view cliName);
std::optional<FeePayment> FeePaymentNamed(std::string_view cliName);
std::optional<InsuranceKind> InsuranceKindNamed(std::string_view cliName);
std::optional<PrepaymentEffect> PrepaymentEffectNamed(std::string_view cliName);
// A stored code, when it is one of the table's.
std::optional<DayBasisChoice> DayBasisChoiceFromCode(int code);
std::optional<ExtraPaymentKind> ExtraPaymentKindFromCode(int code);
std::optional<TableKind> TableKindFromCode(int code);
std::optional<PrepaymentEffect> PrepaymentEffectFromCode(int code);

constexpr std::int16_t Code(DayBasisChoice c) {
    return static_cast<std::int16_t>(c);
}
constexpr std::int16_t Code(ExtraPaymentKind k) {
    return static_cast<std::int16_t>(k);
}
constexpr std::int16_t Code(TableKind k) {
    return static_cast<std::int16_t>(k);
}
constexpr std::int16_t Code(PrepaymentEffect e) {
    return static_cast<std::int16_t>(e);
}
// Position in its list (0 first), for the lists and options of the screens.
constexpr int IndexOf(Frequency f) {
    return static_cast<int>(f);
}
constexpr int IndexOf(Compounding c) {
    return static_cast<int>(c);
}

}  // namespace amortix
