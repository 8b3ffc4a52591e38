#include "cli/options.h"

#include <algorithm>
#include <cmath>

#include "core/files/text_encoding.h"
#include "core/format/numfmt.h"
#include "core/print/report.h"

namespace amortix::cli {

namespace {

// The option names of a choice table, sorted as the usage texts list them.
template <class Table>
std::vector<std::string> Names(const Table& table) {
    std::vector<std::string> out;
    for (const auto& row : table)
        if (!row.cliName.empty()) out.emplace_back(row.cliName);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

void AddListOptions(CLI::App& app, TableOptions& o) {
    app.add_option("--compounding", o.compounding, "Interest compounding periods")
        ->check(CLI::IsMember(Names(kCompoundings)));
    app.add_option("--frequency", o.frequency, "Frequency and type of payment")
        ->check(CLI::IsMember(Names(kFrequencies)));
}

void AddDayBasisOptions(CLI::App& app, TableOptions& o) {
    auto* days =
        app.add_option("--days", o.days, "Days in year (preset)")->check(CLI::IsMember(Names(kDayBases)));
    app.add_option("--days-typed", o.daysTyped, "Days in year (typed, between 363 and 365.25)")
        ->excludes(days);
}

namespace {

CLI::Validator NumberAbove(bool zeroAllowed) {
    return CLI::Validator(
        [zeroAllowed](const std::string& text) -> std::string {
            double value = 0;
            if (!CLI::detail::lexical_cast(text, value) || !std::isfinite(value))
                return "Value " + text + " is not a number";
            if (value < 0 || (!zeroAllowed && value == 0))
                return "Value " + text + (zeroAllowed ? " must be 0 or more" : " must be more than 0");
            return {};
        },
        zeroAllowed ? "NUMBER >= 0" : "NUMBER > 0");
}

}  // namespace

CLI::Validator NotNegative() {
    return NumberAbove(true);
}

CLI::Validator Positive() {
    return NumberAbove(false);
}

CLI::Validator Utf8Text() {
    return CLI::Validator(
        [](const std::string& text) -> std::string { return IsUtf8(text) ? "" : "Value is not UTF-8 text"; },
        "TEXT");
}

void AddTableOptions(CLI::App& app, TableOptions& o) {
    app.add_option("--principal", o.principal, "Principal amount")->check(NotNegative());
    app.add_option("--rate", o.rate, "Annual interest rate in percent");
    app.add_option("--years", o.years, "Amortization period in years")->check(NotNegative());
    AddListOptions(app, o);
    AddDayBasisOptions(app, o);
    app.add_option("--increase", o.increase, "Percentage increase of every payment")->check(NotNegative());
    app.add_option("--extra", o.extra, "Additional payment YEAR:AMOUNT (repeatable)");
    app.add_option("--extra-month", o.extraMonth, "Month of the additional payments (1 to 12)")
        ->check(CLI::Range(1, 12));
    app.add_option("--rate-change", o.rateChanges,
                   "A new rate YEAR[/MONTH]:RATE[:keep] from that payment on; the payment is recalculated "
                   "unless kept (repeatable)");
    app.add_option("--rounding", o.rounding, "exact, or lender: payment and interest in whole cents")
        ->check(CLI::IsMember({"exact", "lender"}));
    app.add_option("--extra-every", o.extraEvery,
                   "An amount added to every payment AMOUNT[:FROM_YEAR[/MONTH][:TO_YEAR[/MONTH]]], from the "
                   "first payment and to the end by default");
    app.add_option("--extra-once", o.extraOnce,
                   "A one-time amount YEAR/MONTH:AMOUNT (repeatable, 100 at most)");
    app.add_option("--prepayment", o.prepayment,
                   "What a one-time amount does: shorten (the term) or lower-payment (recalculated over the "
                   "amortization left)")
        ->check(CLI::IsMember(Names(kPrepaymentEffects)));
    app.add_option("--prepay-limit", o.prepayLimit,
                   "The lender's yearly prepayment limit in percent of the principal (0 to 100)")
        ->check(NotNegative());
    app.add_option("--increase-limit", o.increaseLimit,
                   "The lender's limit on the payment increase in percent of the payment (0 to 100)")
        ->check(NotNegative());
    app.add_option("--currency", o.currency, "Currency symbol")->check(Utf8Text());
}

void ReportOptions::Add(CLI::App& app) {
    headerOption = app.add_option("--header", header, "Header line of the printed report");
    fontOption = app.add_option("--font", font, "Report font: courier (56 lines a page) or standard (53)")
                     ->check(CLI::IsMember({"courier", "standard"}));
}

void ReportOptions::Check(const std::string& format) const {
    if (format != "report" && (headerOption->count() > 0 || fontOption->count() > 0))
        throw UsageError("--header and --font apply to --format report");
    if (format == "report" && HeaderCancelled(HeaderLine()))
        throw UsageError("--header: \"1\" is the answer of a cancelled header dialog and prints nothing");
}

std::string ReportOptions::HeaderLine() const {
    return HeaderAsTyped(header);
}

std::int16_t ReportOptions::FontChoice() const {
    return font == "courier" ? kPrinterFontCourierNew : kPrinterFontStandard;
}

Compounding CompoundingOption(const std::string& name) {
    if (const auto c = CompoundingNamed(name)) return *c;
    throw UsageError("--compounding: no such choice: " + name);
}

Frequency FrequencyOption(const std::string& name) {
    if (const auto f = FrequencyNamed(name)) return *f;
    throw UsageError("--frequency: no such choice: " + name);
}

DayBasis DayBasisFrom(const TableOptions& o) {
    if (o.daysTyped) {
        const auto days = static_cast<float>(*o.daysTyped);
        if (!DayBasis::TypedDaysAcceptable(days))
            throw UsageError("--days-typed: Must be between 363 and 365.25 days");
        return DayBasis::Typed(days);
    }
    if (!o.days) return DayBasis::Preset(DayBasisChoice::Days365);
    for (const DayBasisInfo& basis : kDayBases)
        if (!basis.cliName.empty() && basis.cliName == *o.days) return DayBasis::Preset(basis.id);
    throw UsageError("--days: no such choice: " + *o.days);
}

double MortgageYears(double years) {
    // Far enough beyond the limit to reach the calculation's own message,
    // near enough for the 16-bit counts of the additional payments.
    constexpr double kNoPeriodYears = 25 * kMortgageYearLimit;
    if (!(years <= kNoPeriodYears)) throw UsageError("--years: out of range");
    return years;
}

AdditionalPayments AdditionalPaymentsFrom(const TableOptions& o, double years,
                                          std::vector<Message>& messages) {
    AdditionalPayments extra;
    extra.years = ToInt16(years);
    if (o.extraMonth) extra.month = Month{static_cast<std::int16_t>(*o.extraMonth)};
    for (const std::string& entry : o.extra) {
        const auto colon = entry.find(':');
        if (colon == std::string::npos)
            throw UsageError("--extra: expected YEAR:AMOUNT, got '" + entry + "'");
        int year = 0;
        double amount = 0;
        try {
            std::size_t used = 0;
            year = std::stoi(entry.substr(0, colon), &used);
            if (used != colon) throw std::invalid_argument("year");
            const std::string amountText = entry.substr(colon + 1);
            amount = std::stod(amountText, &used);
            if (used != amountText.size()) throw std::invalid_argument("amount");
        } catch (const std::exception&) {
            throw UsageError("--extra: expected YEAR:AMOUNT, got '" + entry + "'");
        }
        if (year < 1 || year > extra.years || year >= kYearRows)
            throw UsageError("--extra: year " + std::to_string(year) + " is outside the period");
        if (!(amount >= 0) || amount > 1e12)
            throw UsageError("--extra: amount out of range in '" + entry + "'");
        // Amounts are typed to the cent.
        amount = std::trunc(amount * 100.0 + 1e-7) / 100.0;
        extra.yearNumber[static_cast<std::size_t>(year)] = Currency::FromDouble(year);
        extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
    }
    for (int y = 1; y <= extra.years && y < kYearRows; ++y)
        extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    double percent = o.increase.value_or(0.0);
    if (percent > 100) {
        messages.push_back(Message::PercentLimit);
        percent = 100;
    }
    extra.increase = static_cast<float>(percent / 100.0);
    extra.rowCount = extra.CountYearsWithAmounts();
    const bool amounts = extra.rowCount > 0, increase = extra.increase > 0.0f;
    extra.kind = amounts && increase ? ExtraPaymentKind::Both
                 : amounts           ? ExtraPaymentKind::YearAmounts
                                     : ExtraPaymentKind::Percentage;
    return extra;
}

// --rate-change YEAR[/MONTH]:RATE[:keep|recalculate]; the ranges are the
// calculation's own (message 46), so the window and the command line agree.
namespace {

RateChange RateChangeOption(const std::string& entry) {
    const auto fail = [&entry]() -> RateChange {
        throw UsageError("--rate-change: expected YEAR[/MONTH]:RATE[:keep], got '" + entry + "'");
    };
    RateChange change;
    const auto colon = entry.find(':');
    if (colon == std::string::npos) return fail();
    const std::string when = entry.substr(0, colon);
    std::string rest = entry.substr(colon + 1);
    const auto second = rest.find(':');
    if (second != std::string::npos) {
        const auto payment = RateChangePaymentNamed(rest.substr(second + 1));
        if (!payment) return fail();
        change.payment = *payment;
        rest.resize(second);
    }
    try {
        std::size_t used = 0;
        const auto slash = when.find('/');
        const std::string year = when.substr(0, slash);
        change.year = static_cast<std::int16_t>(std::clamp(std::stoi(year, &used), -1, 99));
        if (used != year.size()) return fail();
        if (slash != std::string::npos) {
            const std::string month = when.substr(slash + 1);
            change.month = static_cast<std::int16_t>(std::clamp(std::stoi(month, &used), -1, 99));
            if (used != month.size()) return fail();
        }
        change.ratePercent = std::stod(rest, &used);
        if (used != rest.size()) return fail();
    } catch (const std::logic_error&) {
        return fail();
    }
    return change;
}

}  // namespace

std::vector<RateChange> RateChangesFrom(const TableOptions& o) {
    std::vector<RateChange> changes;
    for (const std::string& entry : o.rateChanges) changes.push_back(RateChangeOption(entry));
    return changes;
}

}  // namespace amortix::cli

// --extra-every and --extra-once. Years and months are held to a range wide
// enough for the calculation's own message 49, amounts likewise, and typed to
// the cent as the other amounts are.
namespace amortix::cli {

namespace {

struct YearMonth {
    std::int16_t year = 0;
    std::int16_t month = 0;
};

// A whole number that is all of `text`.
int WholeNumber(const std::string& text) {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used != text.size()) throw std::invalid_argument(text);
    return value;
}

// YEAR[/MONTH], the month `defaultMonth` when left out (0: it may not be).
YearMonth YearAndMonth(const std::string& text, int defaultMonth) {
    const auto slash = text.find('/');
    if (slash == std::string::npos && defaultMonth == 0) throw std::invalid_argument(text);
    YearMonth when;
    when.year = static_cast<std::int16_t>(std::clamp(WholeNumber(text.substr(0, slash)), -1, 99));
    when.month = static_cast<std::int16_t>(
        slash == std::string::npos ? defaultMonth : std::clamp(WholeNumber(text.substr(slash + 1)), -1, 99));
    return when;
}

Currency AmountOption(const std::string& text) {
    std::size_t used = 0;
    const double amount = std::stod(text, &used);
    if (used != text.size() || !std::isfinite(amount)) throw std::invalid_argument(text);
    const double held = std::clamp(amount, -1e12, 1e12);
    return Currency::FromDouble(std::trunc(held * 100.0 + (held < 0 ? -1e-7 : 1e-7)) / 100.0);
}

std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (auto colon = text.find(':'); colon != std::string::npos; colon = text.find(':', at)) {
        fields.push_back(text.substr(at, colon - at));
        at = colon + 1;
    }
    fields.push_back(text.substr(at));
    return fields;
}

RecurringPrepayment RecurringOption(const std::string& entry) {
    const std::vector<std::string> fields = Fields(entry);
    RecurringPrepayment r;
    try {
        if (fields.size() > 3) throw std::invalid_argument(entry);
        r.amount = AmountOption(fields[0]);
        if (fields.size() > 1) {
            const YearMonth from = YearAndMonth(fields[1], 1);
            r.fromYear = from.year;
            r.fromMonth = from.month;
        }
        if (fields.size() > 2) {
            const YearMonth to = YearAndMonth(fields[2], 12);
            r.toYear = to.year == 0 ? std::int16_t{-1} : to.year;  // 0 stands for the end: refused typed
            r.toMonth = to.month;
        }
    } catch (const std::logic_error&) {
        throw UsageError("--extra-every: expected AMOUNT[:FROM_YEAR[/MONTH][:TO_YEAR[/MONTH]]], got '" +
                         entry + "'");
    }
    return r;
}

OneTimePrepayment OneTimeOption(const std::string& entry) {
    const std::vector<std::string> fields = Fields(entry);
    OneTimePrepayment o;
    try {
        if (fields.size() != 2) throw std::invalid_argument(entry);
        const YearMonth when = YearAndMonth(fields[0], 0);
        o.year = when.year;
        o.month = when.month;
        o.amount = AmountOption(fields[1]);
    } catch (const std::logic_error&) {
        throw UsageError("--extra-once: expected YEAR/MONTH:AMOUNT, got '" + entry + "'");
    }
    return o;
}

}  // namespace

Prepayments PrepaymentsFrom(const TableOptions& o) {
    Prepayments p;
    if (o.extraEvery) p.recurring = RecurringOption(*o.extraEvery);
    for (const std::string& entry : o.extraOnce) p.oneTime.push_back(OneTimeOption(entry));
    const auto effect = PrepaymentEffectNamed(o.prepayment);
    if (!effect) throw UsageError("--prepayment: no such choice: " + o.prepayment);
    p.effect = *effect;
    p.yearlyLimitPercent = o.prepayLimit;
    p.increaseLimitPercent = o.increaseLimit;
    return p;
}

}  // namespace amortix::cli
