#pragma once
// The affordability screen's calculation: of principal, payment and years the
// user fixes two (and the rate) and this solves for the third, then works out
// what the chosen frequency of payment would cost and save. Figures only: the
// screen's texts are made from them in core/forms/afford_form.h.

#include <cstdint>
#include <optional>

#include "core/calc/rates.h"

namespace amortix {

enum class AffordSolve : std::int8_t { Principal, Payment, Years };

// The four figures of the conventional mortgage; a run overwrites the one it
// solves for.
struct AffordFigures {
    double principal = 100000.0;
    double ratePercent = 6.5;
    double years = 25.0;   // whole when typed, fractional when solved
    double payment = 0.0;  // monthly, principal and interest
    bool operator==(const AffordFigures&) const = default;
};

struct AffordInputs {
    AffordFigures figures;
    AffordSolve solve = AffordSolve::Payment;
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::BiweeklyAccelerated;
    DayBasis dayBasis;
};

// A figure as one run leaves it on the screen: not written (its box keeps
// what it showed), emptied, or written with a value.
template <typename T>
struct RunFigure {
    enum class State : std::int8_t { NotWritten, Emptied, Written };
    State state = State::NotWritten;
    T value{};

    bool written() const { return state == State::Written; }
    bool emptied() const { return state == State::Emptied; }
    void Set(T v) {
        state = State::Written;
        value = v;
    }
    void Empty() {
        state = State::Emptied;
        value = T{};
    }
};

// The days in year the accelerated panel reckons with.
struct AffordDays {
    float days = 0;
    std::int16_t paymentsPerYear = 0;
    // 12 or 24 payments a year: the days play no part, the box shows "Normal".
    bool normal() const { return paymentsPerYear == 12 || paymentsPerYear == 24; }
};

// What the rate step leaves for the rest of the program.
struct AffordFactors {
    double monthly = 0;  // i_m
    double period = 0;   // j, per payment period of the chosen frequency
    std::int16_t paymentsPerYear = 0;
    std::int16_t frequencyClass = 0;
};

// The two texts a failed run puts in the screen's message line.
enum class AffordMessage : std::int8_t {
    PaymentTooSmall,  // solving for the years: any failure
    MissingEntry,     // solving for the principal or the payment
};

struct AffordResult {
    AffordSolve solved = AffordSolve::Payment;
    // The figures after the run: the solved one replaced, 0 when the run
    // failed before it was found.
    AffordFigures figures;

    // The conventional mortgage. The run empties the solved figure first and
    // writes it when found; the two given figures are never written.
    RunFigure<double> principal, payment, years;
    RunFigure<double> totalInterest;
    // The accelerated panel. A failure empties all of it but the days.
    RunFigure<std::int16_t> paymentsPerYear;
    RunFigure<AffordDays> daysInYear;
    RunFigure<double> yearsToFinal;  // fractional: no final partial payment
    RunFigure<double> eachPayment;
    RunFigure<double> interestSaved;
    RunFigure<double> acceleratedTotalInterest;

    std::optional<AffordMessage> message;  // set when the run failed
    bool focusPayment = false;             // the payment box takes the focus (too small a payment)
    std::optional<AffordFactors> factors;  // nullopt when the rate step failed

    bool failed() const { return message.has_value(); }
};

// One calculation. Never throws: every fault ends in the message.
AffordResult SolveAfford(const AffordInputs& inputs);

}  // namespace amortix
