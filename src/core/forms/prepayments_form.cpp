#include "core/forms/prepayments_form.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/calc/limits.h"
#include "core/format/masks.h"
#include "core/format/numfmt.h"
#include "core/forms/schedule_texts.h"

namespace amortix {

namespace {

constexpr std::array<std::string_view, kOneTimeColumns> kHeaders = {AMX_TEXT("Year"), AMX_TEXT("Month"),
                                                                    AMX_TEXT("Amount")};
// A box's amount reads back as typed: no grouping, which ParseNumber stops at.
constexpr std::string_view kBoxAmountMask = "0.00";

bool Before(const OneTimePrepayment& a, const OneTimePrepayment& b) {
    return a.year != b.year ? a.year < b.year : a.month < b.month;
}

bool HasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

bool Blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A box's whole number; nothing for an empty box or a fraction. The range
// is the engine's to judge; this only keeps the figure within int16.
std::optional<std::int16_t> WholeNumber(std::string_view text) {
    if (!HasDigit(text)) return std::nullopt;
    const double value = ParseNumber(text);
    if (value != std::floor(value) || value < 0 || value > 99) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// An amount box: nothing for an empty box or a figure beyond the limit.
std::optional<Currency> Amount(std::string_view text) {
    if (!HasDigit(text)) return std::nullopt;
    const double value = ParseNumber(text);
    if (!(value >= 0 && value <= kPrepaymentAmountLimit)) return std::nullopt;
    return Currency::FromDouble(value);
}

std::string AmountText(Currency amount) {
    return FormatNumber(amount, kBoxAmountMask);
}

std::string PercentText(const std::optional<double>& percent) {
    return percent ? FormatNumber(*percent, kPercentMask) : std::string();
}

// A limit box: none when empty, else a percentage; false when it is not one.
bool ReadLimit(std::string_view text, std::optional<double>& limit) {
    if (Blank(text)) {
        limit.reset();
        return true;
    }
    if (!HasDigit(text)) return false;
    limit = ParseNumber(text);
    return true;
}

// The recurring amount's boxes; false for a box that holds no figure it can take.
bool ReadRecurring(const PrepaymentsForm::TermsTexts& t, RecurringPrepayment& r) {
    r = RecurringPrepayment{};
    if (Blank(t.amount)) return true;
    const auto amount = Amount(t.amount);
    if (!amount) return false;
    r.amount = *amount;
    const auto fromYear = Blank(t.fromYear) ? std::optional<std::int16_t>(1) : WholeNumber(t.fromYear);
    const auto fromMonth = Blank(t.fromMonth) ? std::optional<std::int16_t>(1) : WholeNumber(t.fromMonth);
    if (!fromYear || !fromMonth) return false;
    r.fromYear = *fromYear;
    r.fromMonth = *fromMonth;
    if (!Blank(t.toYear)) {
        const auto toYear = WholeNumber(t.toYear);
        const auto toMonth = Blank(t.toMonth) ? std::optional<std::int16_t>(12) : WholeNumber(t.toMonth);
        if (!toYear || !toMonth || *toYear == 0) return false;
        r.toYear = *toYear;
        r.toMonth = *toMonth;
    } else if (!Blank(t.toMonth)) {
        return false;  // an end month needs its year
    }
    // None: the span means nothing without an amount, and a file stores none.
    if (r.amount == Currency()) r = RecurringPrepayment{};
    return true;
}

}  // namespace

std::string_view OneTimeHeader(int column) {
    if (column < 0 || column >= kOneTimeColumns) return {};
    return kHeaders[static_cast<std::size_t>(column)];
}

PrepaymentsForm::PrepaymentsForm(Prepayments current) : p_(std::move(current)) {
    std::stable_sort(p_.oneTime.begin(), p_.oneTime.end(), Before);
}

PrepaymentsForm::TermsTexts PrepaymentsForm::Texts() const {
    TermsTexts t;
    const RecurringPrepayment& r = p_.recurring;
    if (r.amount > Currency()) {
        t.amount = AmountText(r.amount);
        t.fromYear = std::to_string(r.fromYear);
        t.fromMonth = std::to_string(r.fromMonth);
        if (r.toYear != 0) {
            t.toYear = std::to_string(r.toYear);
            t.toMonth = std::to_string(r.toMonth);
        }
    }
    t.effect = p_.effect;
    t.yearlyLimit = PercentText(p_.yearlyLimitPercent);
    t.increaseLimit = PercentText(p_.increaseLimitPercent);
    return t;
}

std::optional<Message> PrepaymentsForm::EnterTerms(const TermsTexts& typed) {
    Prepayments next = p_;
    next.effect = typed.effect;
    if (!ReadRecurring(typed, next.recurring) || !ReadLimit(typed.yearlyLimit, next.yearlyLimitPercent) ||
        !ReadLimit(typed.increaseLimit, next.increaseLimitPercent) || PrepaymentRefusal(next))
        return Message::PrepaymentRange;
    p_ = std::move(next);
    return std::nullopt;
}

std::string PrepaymentsForm::Cell(int row, int column) const {
    if (row == 0) return std::string(OneTimeHeader(column));
    if (row < 1 || row > Count()) return {};
    const OneTimePrepayment& o = p_.oneTime[static_cast<std::size_t>(row - 1)];
    switch (column) {
        case 0:
            return std::to_string(o.year);
        case 1:
            return std::to_string(o.month);
        case 2:
            return FormatNumber(o.amount, kAmountMask);
        default:
            return {};
    }
}

PrepaymentsForm::OneTimeTexts PrepaymentsForm::TextsOf(int index) const {
    if (index < 0 || index >= Count()) return NewEntry();
    const OneTimePrepayment& o = p_.oneTime[static_cast<std::size_t>(index)];
    return {std::to_string(o.year), std::to_string(o.month), AmountText(o.amount)};
}

PrepaymentsForm::OneTimeTexts PrepaymentsForm::NewEntry() const {
    // A bonus or a yearly lump sum comes again a year on, in the same month.
    if (p_.oneTime.empty()) return {"1", "1", {}};
    const OneTimePrepayment& last = p_.oneTime.back();
    const int year = std::min(last.year + 1, kPrepaymentYearLimit);
    return {std::to_string(year), std::to_string(last.month), {}};
}

std::optional<OneTimePrepayment> PrepaymentsForm::Read(const OneTimeTexts& typed) {
    const auto year = WholeNumber(typed.year);
    const auto month = WholeNumber(typed.month);
    const auto amount = Amount(typed.amount);
    if (!year || !month || !amount) return std::nullopt;
    Prepayments one;
    one.oneTime.push_back({*year, *month, *amount});
    if (PrepaymentRefusal(one)) return std::nullopt;
    return one.oneTime.front();
}

PrepaymentsForm::Outcome PrepaymentsForm::Insert(const OneTimePrepayment& amount) {
    if (Count() >= kOneTimePrepaymentLimit) return {Message::PrepaymentRange, 0};
    // After the amounts of the same month: the list keeps the order they were entered in.
    const auto at =
        p_.oneTime.insert(std::upper_bound(p_.oneTime.begin(), p_.oneTime.end(), amount, Before), amount);
    return {std::nullopt, static_cast<int>(at - p_.oneTime.begin()) + 1};
}

PrepaymentsForm::Outcome PrepaymentsForm::Add(const OneTimeTexts& typed) {
    const auto amount = Read(typed);
    if (!amount) return {Message::PrepaymentRange, 0};
    return Insert(*amount);
}

PrepaymentsForm::Outcome PrepaymentsForm::Replace(int index, const OneTimeTexts& typed) {
    if (index < 0 || index >= Count()) return Add(typed);
    const auto amount = Read(typed);
    if (!amount) return {Message::PrepaymentRange, 0};
    p_.oneTime.erase(p_.oneTime.begin() + index);
    return Insert(*amount);
}

bool PrepaymentsForm::Remove(int index) {
    if (index < 0 || index >= Count()) return false;
    p_.oneTime.erase(p_.oneTime.begin() + index);
    return true;
}

PrepaymentBoxTexts PrepaymentResultTexts(const ScheduleResult& result, std::string_view currencySymbol,
                                         const Catalogue& words) {
    if (!result.calculated || !result.prepaymentsInForce) return {};
    const ScheduleBoxTexts texts = BoxTexts(result, currencySymbol, words);
    return {texts.interestSavedByPrepayments, texts.payoffEarlier};
}

std::string LimitMessageDetail(const ScheduleResult& result, Message message, std::string_view currencySymbol,
                               const Catalogue& words) {
    const PrepaymentSummary& p = result.summary.prepayments;
    if (message == Message::YearlyPrepaymentLimit && p.yearlyLimit)
        return YearlyLimitText(*p.yearlyLimit, currencySymbol, words);
    if (message == Message::PaymentIncreaseLimit && p.increaseLimit)
        return IncreaseLimitText(*p.increaseLimit, currencySymbol, words);
    return {};
}

std::string LimitMessageDetail(const ComparisonRow& row, Message message, std::string_view currencySymbol,
                               const Catalogue& words) {
    if (message == Message::YearlyPrepaymentLimit && row.yearlyLimit)
        return YearlyLimitText(*row.yearlyLimit, currencySymbol, words);
    if (message == Message::PaymentIncreaseLimit && row.increaseLimit)
        return IncreaseLimitText(*row.increaseLimit, currencySymbol, words);
    return {};
}

}  // namespace amortix
