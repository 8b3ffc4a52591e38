#pragma once
// The prepayments part of the additional-payments dialog without a window:
// the boxes of the amount added to every payment, what a one-time amount
// does and the lender's limits, the list of one-time amounts with the rules
// of its buttons, and the texts the tables screen shows of what they did.
// The tables and the comparison screens each keep their own prepayments.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/comparison.h"
#include "core/calc/prepayments.h"
#include "core/calc/schedule.h"
#include "core/format/messages.h"

namespace amortix {

inline constexpr int kOneTimeColumns = 3;  // year, month, amount

// The one-time grid's column headers.
std::string_view OneTimeHeader(int column);

class PrepaymentsForm {
  public:
    explicit PrepaymentsForm(Prepayments current = {});

    // What the form holds: the terms as last entered, the one-time amounts
    // in the order they are paid.
    const Prepayments& Value() const { return p_; }
    int Count() const { return static_cast<int>(p_.oneTime.size()); }

    // The boxes of the recurring amount, the effect and the limits, as one
    // value. An empty amount is none; an empty end year runs to the end of
    // the mortgage (an empty end month is then the year's last); an empty
    // limit is not checked.
    struct TermsTexts {
        std::string amount, fromYear, fromMonth, toYear, toMonth;
        PrepaymentEffect effect = PrepaymentEffect::ShortenTerm;
        std::string yearlyLimit, increaseLimit;
        bool operator==(const TermsTexts&) const = default;
    };
    TermsTexts Texts() const;
    // Takes the boxes' terms; message 49 for a figure out of range or not a
    // number, and nothing changes then.
    std::optional<Message> EnterTerms(const TermsTexts& typed);

    // Row 1.. of the grid is amount 0..; row 0 holds the headers.
    std::string Cell(int row, int column) const;

    struct OneTimeTexts {
        std::string year, month, amount;
        bool operator==(const OneTimeTexts&) const = default;
    };
    OneTimeTexts TextsOf(int index) const;
    // The boxes for a new amount: a year after the last one, in its month.
    OneTimeTexts NewEntry() const;

    // Adds the amount typed (several may fall in one month: they add up).
    // Message 49 for a figure out of range, an empty box or a 101st amount;
    // nothing changes then.
    struct Outcome {
        std::optional<Message> message;
        int row = 0;  // grid row of the amount, 0 when refused
    };
    Outcome Add(const OneTimeTexts& typed);
    // Replaces amount `index` by the boxes' amount (which may move it).
    Outcome Replace(int index, const OneTimeTexts& typed);
    // Removes amount `index`; false for no such amount.
    bool Remove(int index);
    // No recurring amount, no one-time amounts, the term shortened, no limits.
    void EraseAll() { p_ = Prepayments{}; }

  private:
    static std::optional<OneTimePrepayment> Read(const OneTimeTexts& typed);
    Outcome Insert(const OneTimePrepayment& amount);

    Prepayments p_;
};

// The tables screen's two result boxes of the prepayments: empty unless
// prepayments were in force for the calculation.
struct PrepaymentBoxTexts {
    std::string interestSaved, payoffEarlier;
};
PrepaymentBoxTexts PrepaymentResultTexts(const ScheduleResult& result, std::string_view currencySymbol,
                                         const Catalogue& words = EnglishCatalogue());

// What goes with message 47 or 48 of a calculation: the first year over the
// limit and by how much; empty for any other message.
std::string LimitMessageDetail(const ScheduleResult& result, Message message, std::string_view currencySymbol,
                               const Catalogue& words = EnglishCatalogue());
// The same for a comparison row's figures.
std::string LimitMessageDetail(const ComparisonRow& row, Message message, std::string_view currencySymbol,
                               const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
