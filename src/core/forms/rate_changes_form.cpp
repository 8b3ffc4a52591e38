#include "core/forms/rate_changes_form.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/calc/limits.h"
#include "core/format/catalogue.h"
#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

constexpr std::array<std::string_view, kRateChangeColumns> kHeaders = {
    AMX_TEXT("Year"), AMX_TEXT("Month"), AMX_TEXT("New rate %"), AMX_TEXT("Payment")};

bool Before(const RateChange& a, const RateChange& b) {
    return a.year != b.year ? a.year < b.year : a.month < b.month;
}

// A box's whole number; nothing for an empty box or a fraction.
std::optional<std::int16_t> WholeNumber(std::string_view text) {
    if (text.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
    const double value = ParseNumber(text);
    if (value != std::floor(value) || value < 0 || value > 99) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::string_view RateChangeHeader(int column) {
    if (column < 0 || column >= kRateChangeColumns) return {};
    return kHeaders[static_cast<std::size_t>(column)];
}

RateChangesForm::RateChangesForm(std::vector<RateChange> changes) : changes_(std::move(changes)) {
    std::stable_sort(changes_.begin(), changes_.end(), Before);
}

std::string RateChangesForm::Cell(int row, int column) const {
    if (row == 0) return std::string(RateChangeHeader(column));
    if (row < 1 || row > Count()) return {};
    const RateChange& c = changes_[static_cast<std::size_t>(row - 1)];
    switch (column) {
        case 0:
            return std::to_string(c.year);
        case 1:
            return std::to_string(c.month);
        case 2:
            return FormatNumber(c.ratePercent, kRateMask);
        case 3:
            return std::string(Info(c.payment).listText);
        default:
            return {};
    }
}

RateChangesForm::BoxTexts RateChangesForm::TextsOf(int index) const {
    if (index < 0 || index >= Count()) return NewEntry();
    const RateChange& c = changes_[static_cast<std::size_t>(index)];
    return {std::to_string(c.year), std::to_string(c.month), FormatNumber(c.ratePercent, kRateMask),
            c.payment};
}

RateChangesForm::BoxTexts RateChangesForm::NewEntry() const {
    // A renewal most often comes a few years on: offer the year after the last change.
    const int year =
        changes_.empty() ? 6 : std::min(changes_.back().year + 5, static_cast<int>(kMortgageYearLimit));
    return {std::to_string(year), "1", {}, RateChangePayment::Recalculate};
}

std::optional<RateChange> RateChangesForm::Read(const BoxTexts& typed) {
    const auto y = WholeNumber(typed.year);
    const auto m = WholeNumber(typed.month);
    if (!y || !m || typed.rate.find_first_of("0123456789") == std::string::npos) return std::nullopt;
    RateChange change{*y, *m, ParseNumber(typed.rate), typed.payment};
    if (RateChangeRefusal({change})) return std::nullopt;
    return change;
}

RateChangesForm::Outcome RateChangesForm::Insert(RateChange change) {
    const auto same = std::find_if(changes_.begin(), changes_.end(), [&](const RateChange& c) {
        return c.year == change.year && c.month == change.month;
    });
    if (same != changes_.end()) {
        *same = change;
    } else {
        if (Count() >= kRateChangeLimit) return {Message::RateChangeRange, 0};
        changes_.insert(std::upper_bound(changes_.begin(), changes_.end(), change, Before), change);
    }
    const auto at = std::find(changes_.begin(), changes_.end(), change);
    return {std::nullopt, static_cast<int>(at - changes_.begin()) + 1};
}

RateChangesForm::Outcome RateChangesForm::Add(const BoxTexts& typed) {
    const auto change = Read(typed);
    if (!change) return {Message::RateChangeRange, 0};
    return Insert(*change);
}

RateChangesForm::Outcome RateChangesForm::Replace(int index, const BoxTexts& typed) {
    if (index < 0 || index >= Count()) return Add(typed);
    const auto change = Read(typed);
    if (!change) return {Message::RateChangeRange, 0};
    changes_.erase(changes_.begin() + index);
    return Insert(*change);
}

bool RateChangesForm::Remove(int index) {
    if (index < 0 || index >= Count()) return false;
    changes_.erase(changes_.begin() + index);
    return true;
}

}  // namespace amortix
