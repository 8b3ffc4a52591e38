#include "core/forms/tables_form.h"

#include <utility>

#include "core/format/masks.h"
#include "core/format/numfmt.h"
#include "core/forms/costs_texts.h"

namespace amortix {

namespace {

constexpr const char* kMortgageCaption = AMX_TEXT(" Mortgage Tables");
constexpr const char* kMortgageLabel1 = AMX_TEXT(" Principal amount of           mortgage.");
constexpr const char* kMortgageLabel2 = AMX_TEXT(" Annual interest rate %");
constexpr const char* kMortgageLabel3 = AMX_TEXT(" Amortization period in       years.");
constexpr const char* kMortgageLabel8 = AMX_TEXT(" Total paid over    life of mortgage.");
constexpr const char* kMortgageLabel11 = AMX_TEXT(" No. of years to  final payment.");
constexpr const char* kLoanCaption = AMX_TEXT(" Loan Tables");
constexpr const char* kLoanLabel1 = AMX_TEXT(" Principal amount of the     loan.");
constexpr const char* kLoanLabel2 = AMX_TEXT(" Annual interest rate %.");
constexpr const char* kLoanLabel3 = AMX_TEXT(" Payback period of the      loan in months.");
constexpr const char* kLoanLabel8 = AMX_TEXT(" Total paid over    life of the loan.");
constexpr const char* kLoanLabel11 = AMX_TEXT(" No. months to   final payment.");

}  // namespace

TablesDefaults DefaultsFor(TableKind mode, std::string_view currencySymbol) {
    TablesDefaults d;
    d.rateList = {"6 ", "7 ", "8 ", "9 ", "10 "};
    d.ratePercent = 10.125;
    if (mode == TableKind::Mortgage) {
        d.caption = kMortgageCaption;
        d.label1 = kMortgageLabel1;
        d.label2 = kMortgageLabel2;
        d.label3 = kMortgageLabel3;
        d.label8 = kMortgageLabel8;
        d.label11 = kMortgageLabel11;
        d.principal = 100000;
        d.principalText = "   " + std::string(currencySymbol) + "100,000.00";
        d.rateText = "        10.125%";
        d.termText = "            25";
        d.years = 25;
        d.termList = {"25", "30", "40"};
    } else {
        d.caption = kLoanCaption;
        d.label1 = kLoanLabel1;
        d.label2 = kLoanLabel2;
        d.label3 = kLoanLabel3;
        d.label8 = kLoanLabel8;
        d.label11 = kLoanLabel11;
        d.principal = 20000;
        d.principalText = "   " + std::string(currencySymbol) + "20,000.00";
        d.rateText = "         10.125%";
        d.termText = "            48";
        d.years = 4;
        d.termList = {"24", "36", "48", "60"};
    }
    return d;
}

Compounding CompoundingForSetting(int compoundSetting) {
    if (compoundSetting >= 1 && compoundSetting < static_cast<int>(kCompoundings.size()))
        return kCompoundings[static_cast<std::size_t>(compoundSetting)].id;
    return Compounding::Monthly;
}

TermEntry EnterTerm(TableKind mode, std::string_view typed) {
    return ClampTerm(mode, ParseNumber(typed));
}

void TablesForm::ShowDefaults(const TablesDefaults& defaults) {
    figures_ = {defaults.principal, defaults.ratePercent, defaults.years};
}

TermEntry TablesForm::EnterTerm(TableKind mode, std::string_view typed) {
    TermEntry entry = amortix::EnterTerm(mode, typed);
    figures_.years = entry.years;
    return entry;
}

void TablesForm::Restore(const ScheduleInputs& in) {
    figures_ = {in.principal, in.ratePercent, in.years};
    view_.showDates = in.showDates;
    rateChanges_ = in.rateChanges;
}

ScheduleInputs TablesForm::Inputs(const Shared& shared) const {
    ScheduleInputs in;
    in.mode = shared.mode;
    in.principal = figures_.principal;
    in.ratePercent = figures_.ratePercent;
    in.years = figures_.years;
    in.compounding = shared.compounding;
    in.frequency = shared.frequency;
    in.dayBasis = shared.dayBasis;
    in.view =
        view_.scheduleView == ScheduleView::AllPayments ? ScheduleView::AllPayments : ScheduleView::Annual;
    in.termYears = view_.termYears;
    in.showDates = view_.showDates;
    in.firstPaymentDate = shared.firstPaymentDate;
    in.extra = shared.extra;
    in.rateChanges = rateChanges_;
    in.rounding = shared.rounding;
    in.prepayments = shared.prepayments;
    in.currencySymbol = shared.currencySymbol;
    in.formatDate = shared.formatDate;
    return in;
}

const ScheduleResult& TablesForm::Calculate(const Shared& shared) {
    ScheduleInputs in = Inputs(shared);
    costsDetail_.clear();
    if (costs_.Given()) {
        // The purchase depends on the period (the premium) and the principal
        // typed: checked again at every calculation.
        const Purchase purchase = PurchaseFor(in, costs_);
        if (!purchase.messages.empty()) {
            ScheduleResult refused;
            refused.messages = purchase.messages;
            refused.termYears = view_.termYears;
            costsDetail_ = MinimumDownPaymentText(costs_, purchase, shared.currencySymbol);
            last_ = std::make_shared<const ScheduleResult>(std::move(refused));
            results_.reset();
            return *last_;
        }
        figures_.principal = in.principal = purchase.principal;
    }
    last_ = std::make_shared<const ScheduleResult>(CalculateSchedule(in));
    view_.termYears = last_->termYears;
    if (last_->calculated) {
        view_.gridRows = last_->gridRows;
        results_ = last_;
    } else {
        results_.reset();
    }
    return *last_;
}

TermEntry ClampTerm(TableKind mode, double value) {
    TermEntry e;
    if (mode == TableKind::Mortgage) {
        if (value > kTermYearLimit) {
            e.message = Message::YearsLimit;
            value = kTermYearLimit;
        }
        e.years = value;
        e.text = TermBoxText(value);
    } else {
        if (value > kTermMonthLimit) {
            e.message = Message::MonthsLimit;
            value = kTermMonthLimit;
        }
        e.years = value / 12.0;
        e.text = TermBoxText(e.years * 12.0);
    }
    return e;
}

namespace {

constexpr const char* kTermHelp = AMX_TEXT(
    "Click 'Term' to display in the spreadsheet and print, only data for the term selected. All other "
    "results are not affected as they are based on full amortization.");
constexpr const char* kShowHelp =
    AMX_TEXT("Show payments. Click option to show All payments or just the Annual totals.");

// Each line and the empty lines after it; the sample figures stay as typed.
constexpr HelpLine kMortgageHelp[] = {
    {AMX_TEXT("Click on green box to change, start typing in numbers, deletes previous ones, then "
              "'Calculate'. "
              "Results shown in white cells.   Press F1 key for more detailed information."),
     1},
    {"100,000.00", 2},
    {"       6.125", 3},
    {"           25", 2},
    {AMX_TEXT("Click down arrow to select different compound interest periods."), 0},
    {AMX_TEXT("American = Monthly.  Canadian = Semi-Annual."), 1},
    {AMX_TEXT("Click down arrow to select different payment frequencies."), 0},
    {AMX_TEXT("Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + "
              "Interest. "
              "Mortgage retired earlier."),
     1},
    {kShowHelp, 1},
    {AMX_TEXT(
         "Click 'Additional Payments'. Select option. Enter percentage and/or amount beside year, select "
         "month option. 'OK' accepts all changes, 'Erase all' sets all cells to 0. Effects all "
         "calculations "
         "unless Amortization period changed or 'Erase all' used."),
     1},
    {AMX_TEXT("Click 'Days in Year' to change the way interest is computed when used with all 'Frequency and "
              "type of each payment' except Monthly and Semimonthly payments."),
     1},
    {kTermHelp, 1},
    {AMX_TEXT("Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers."), 0},
};

constexpr HelpLine kLoanHelp[] = {
    {AMX_TEXT("                          How to use for Car, Consumer or Personal loans."), 0},
    {"10,000.00", 3},
    {"      6.125", 3},
    {"          60", 3},
    {AMX_TEXT("Monthly.   Almost all Loans are based on monthly compounding."), 2},
    {AMX_TEXT("Monthly.   All Loans are based on one payment each month, 12 payments each"), 0},
    {AMX_TEXT("               year during the payback period. Same as a Normal mortgage."), 1},
    {kShowHelp, 1},
    {AMX_TEXT("Normally financial institutions do not allow Additional Payments. Use if allowed."), 1},
    {AMX_TEXT("When using accelerated payments, change the Days in Year. Use if allowed."), 1},
    {kTermHelp, 1},
    {AMX_TEXT("Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for numbers."), 0},
};

}  // namespace

std::string JoinHelp(std::span<const HelpLine> lines, const Catalogue& words) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += words.Text(lines[i].text);
        if (i + 1 == lines.size()) break;
        out += "\r\n";
        for (int b = 0; b < lines[i].blankLines; ++b) out += "\r\n";
    }
    return out;
}

std::string TablesQuickHelp(TableKind mode, const Catalogue& words) {
    return mode == TableKind::Mortgage ? JoinHelp(kMortgageHelp, words) : JoinHelp(kLoanHelp, words);
}

int TermOptionIndex(std::int16_t termYears) {
    for (int i = 0; i < 7; ++i)
        if (kTermChoices[i] == termYears) return i;
    return 0;
}

bool PeriodChangeErasesPayments(double yearsBefore, double yearsAfter, const AdditionalPayments& extra) {
    return yearsBefore != yearsAfter && (extra.increase > 0.0f || extra.rowCount > 0);
}

bool TermFitsPeriod(std::int16_t termYears, double periodYears) {
    return !(periodYears < termYears);
}

DaysExit ExitDaysDialog(DayBasisChoice choice, std::string_view typedText) {
    DaysExit out;
    if (choice != DayBasisChoice::Typed) {
        out.basis = DayBasis::Preset(choice);
        return out;
    }
    const float days = Trim(typedText).empty() ? 0.0f : static_cast<float>(ParseNumber(typedText));
    if (!DayBasis::TypedDaysAcceptable(days)) {
        out.message = Message::DaysInYearRange;
        return out;
    }
    out.basis = DayBasis::Typed(days);
    return out;
}

std::string DaysBoxText(float days) {
    return FormatNumber(static_cast<double>(days), kTwoDecimalsMask);
}

// --- Additional payments ---------------------------------------------------

namespace {

std::string PercentBoxText(double percent) {
    return RightJustify(FormatNumber(percent, kPercentMask), kPercentBoxWidth) + "%";
}

bool ValidYearRow(int row) {
    return row >= 1 && row < kYearRows;
}

}  // namespace

PrePayForm::PrePayForm(const AdditionalPayments& current, double periodYears) : p_(current) {
    const double years = RoundHalfEven(periodYears);
    p_.years = static_cast<std::int16_t>(years < 0 ? 0 : years > kYearRows - 1 ? kYearRows - 1 : years);
    for (int y = 1; y <= p_.years; ++y) p_.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    // Opening selects the stored option, whose rules then apply.
    ChooseKind(p_.kind);
}

int PrePayForm::GridRows() const {
    return p_.years + 1 > 20 ? p_.years + 1 : 20;
}

std::string PrePayForm::PercentText() const {
    return PercentBoxText(static_cast<double>(p_.increase * 100.0f));
}

int PrePayForm::MonthOption() const {
    return p_.month.number - 1;
}

std::string PrePayForm::YearCell(int row) const {
    if (row < 1 || row > p_.years) return {};
    return FormatNumber(static_cast<double>(row), kCountMask);
}

std::string PrePayForm::AmountCell(int row) const {
    if (!ValidYearRow(row)) return {};
    const Currency amount = p_.amount[static_cast<std::size_t>(row)];
    if (row > p_.years && amount == Currency()) return {};
    return FormatNumber(amount, kAmountMask);
}

void PrePayForm::ChooseKind(ExtraPaymentKind kind) {
    p_.kind = kind;
    if (!Info(kind).amounts) {
        for (int y = 1; y <= p_.years; ++y) p_.amount[static_cast<std::size_t>(y)] = Currency();
        p_.rowCount = 0;
        p_.month = Month{};
    } else if (!Info(kind).percentage) {
        p_.increase = 0.0f;
    }
}

void PrePayForm::ChooseMonth(int option) {
    p_.month = Month{static_cast<std::int16_t>(option <= 0 || option > 11 ? 1 : option + 1)};
}

std::optional<Message> PrePayForm::EnterPercent(std::string_view typed) {
    double value = ParseNumber(typed);
    std::optional<Message> message;
    if (value > 100) {
        value = 100;
        message = Message::PercentLimit;
    }
    p_.increase = static_cast<float>(value / 100.0);
    return message;
}

void PrePayForm::SelectCell(int row, int column) {
    editRow_ = row;
    editColumn_ = column;
    editText_.clear();
}

PrePayForm::KeyResult PrePayForm::TypeInGrid(int code) {
    if (code == kKeyQuote) return {};
    if (code == kKeyEnter) return {false, true};
    const bool amountColumn = editColumn_ == 1 && ValidYearRow(editRow_);
    if (code == kKeyBackspace) {
        editText_.clear();
        if (amountColumn) p_.amount[static_cast<std::size_t>(editRow_)] = Currency();
        return {};
    }
    if (!amountColumn) return {};
    if (code != '.' && (code < '0' || code > '9')) return {true, false};
    const auto dot = editText_.find('.');
    if (dot != std::string::npos && editText_.size() >= dot + 3) return {};  // cents are complete
    // Twelve whole digits are more than any loan; more would overflow the amount.
    if (code != '.' && dot == std::string::npos && editText_.size() >= 12) return {true, false};
    editText_.push_back(static_cast<char>(code));
    p_.amount[static_cast<std::size_t>(editRow_)] = Currency::FromDouble(ParseNumber(editText_));
    p_.yearNumber[static_cast<std::size_t>(editRow_)] = Currency::FromDouble(editRow_);
    return {};
}

void PrePayForm::DeleteInGrid() {
    if (editColumn_ != 1 || !ValidYearRow(editRow_)) return;
    p_.amount[static_cast<std::size_t>(editRow_)] = Currency();
    editText_.clear();
}

void PrePayForm::EraseAll() {
    for (int y = 1; y <= p_.years; ++y) p_.amount[static_cast<std::size_t>(y)] = Currency();
    p_.rowCount = 0;
    p_.month = Month{};
    p_.increase = 0.0f;
}

bool PrePayForm::Accept() {
    p_.rowCount = p_.CountYearsWithAmounts();
    return p_.increase > 0.0f || p_.rowCount > 0;
}

}  // namespace amortix
