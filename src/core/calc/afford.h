#pragma once
// The affordability screen's calculation: of principal, payment and years the
// user fixes two (and the rate) and this solves for the third, then shows
// what the chosen frequency of payment would cost and save.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc/rates.h"

namespace amortix {

enum class AffordSolve { Principal, Payment, Years };

// The screen's figures; the solver overwrites the one it solves for.
struct AffordInputs {
    double principal = 100000.0;
    double ratePercent = 6.5;
    double years = 25.0;   // whole when typed, fractional when solved
    double payment = 0.0;  // monthly, principal and interest
};

// The texts of the screen's boxes that the solver writes.
struct AffordTexts {
    std::string MFInPrincipal, MFInMthPayment, MFInTerm;
    std::string TotalPmts, MFNumPmts, MFDaysinYear, MFNumYrs, MFPiPmt, MFTotIntSaved, MFTotIntPaid;
    std::string MsgText;  // the failure message; empty while the line is hidden
};

inline constexpr const char* kAffordTooSmall = "Payment is too small, repayment would take over 40 years.";
inline constexpr const char* kAffordMissingEntry =
    "Check for a missing entry in green input boxes and replace it.";

// The boxes as the screen opens, before its first calculation.
AffordTexts InitialAffordTexts(std::string_view currencySymbol);
inline constexpr const char* kAffordInitialRateText = "        6.500%";

struct AffordResult {
    AffordInputs inputs;  // the solved figure replaced (0 when the run failed before it)
    AffordTexts texts;
    bool failed = false;
    bool focusPayment = false;  // the payment box takes the focus (too small a payment)
    double monthlyFactor = 0;
    double periodFactor = 0;
    std::int16_t paymentsPerYear = 0;
    std::int16_t frequencyClass = 0;
};

// One calculation. `shown` are the texts on screen before it: boxes the run
// does not reach keep them. Never throws: every fault ends in the message line.
AffordResult SolveAfford(const AffordInputs& inputs, AffordSolve solve, Compounding compounding,
                         Frequency frequency, const DayBasis& dayBasis, std::string_view currencySymbol,
                         const AffordTexts& shown = {});

}  // namespace amortix
