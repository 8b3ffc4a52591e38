#pragma once
// The rate-changes dialog without a window: the list of changes in the order
// they apply, the boxes of the change being typed, and the rules of its
// buttons. The tables and the comparison screens each keep their own list.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/schedule.h"
#include "core/format/messages.h"

namespace amortix {

inline constexpr int kRateChangeColumns = 4;  // year, month, rate, payment

// The grid's column headers.
std::string_view RateChangeHeader(int column);

class RateChangesForm {
  public:
    explicit RateChangesForm(std::vector<RateChange> changes = {});

    // In the order they apply: by year, then month.
    const std::vector<RateChange>& Changes() const { return changes_; }
    int Count() const { return static_cast<int>(changes_.size()); }

    // Row 1.. of the grid is change 0..; row 0 holds the headers.
    std::string Cell(int row, int column) const;

    // The boxes' texts of change `index`, to edit it.
    struct BoxTexts {
        std::string year, month, rate;
        RateChangePayment payment = RateChangePayment::Recalculate;
        bool operator==(const BoxTexts&) const = default;
    };
    BoxTexts TextsOf(int index) const;
    // What the boxes show for a new change: a renewal five years after the last one.
    BoxTexts NewEntry() const;

    // Adds the change typed in the boxes, or replaces the one of the same
    // year and month. Message 46 for a figure out of range (an empty box
    // included) or a 21st change; nothing changes then. The row it is in.
    struct Outcome {
        std::optional<Message> message;
        int row = 0;  // grid row of the change, 0 when refused
    };
    Outcome Add(const BoxTexts& typed);
    // Replaces change `index` by the boxes' change (which may move it).
    Outcome Replace(int index, const BoxTexts& typed);
    // Removes change `index`; false for no such change.
    bool Remove(int index);
    void EraseAll() { changes_.clear(); }

  private:
    static std::optional<RateChange> Read(const BoxTexts& typed);
    Outcome Insert(RateChange change);

    std::vector<RateChange> changes_;
};

}  // namespace amortix
