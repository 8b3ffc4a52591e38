#pragma once
// What the affordability screen shows and decides, without a window: its
// captions, which boxes are inputs for each choice of the figure to find, and
// the quick help. The calculation itself is core/calc/afford.h.

#include <string>

#include "core/calc/afford.h"

namespace amortix {

inline constexpr const char* kAffordCaption = " Mortgage Affordability";

// The four figures of the conventional mortgage, in the order of AffordInputs.
enum class AffordBox { Principal, Rate, Term, Payment };

// The box that shows the answer (white, read-only) for the figure being
// found; the rate is never one.
bool IsAnswerBox(AffordSolve solve, AffordBox box);
// The labels of the two boxes the user gives for that figure stand out.
bool IsHighlightedLabel(AffordSolve solve, AffordBox box);

// Captions.
inline constexpr const char* kAffordFrame1 = "Select to find:";
inline constexpr const char* kAffordFrame2 = "Conventional Mortgage";
inline constexpr const char* kAffordFrame3 = "Accelerated Mortgage";
inline constexpr const char* kAffordPrincipalOpt = " Principal";
inline constexpr const char* kAffordPaymentOpt = " Payment";
inline constexpr const char* kAffordTermOpt = " Years";
inline constexpr const char* kAffordLabel16 = " Principal amount of the   mortgage.";
inline constexpr const char* kAffordLabel17 = " Annual interest rate  in    percent.";
inline constexpr const char* kAffordLabel18 = " Amortization period in     years.";
inline constexpr const char* kAffordLabel19 = " Monthly payment.           Principal and interest.";
inline constexpr const char* kAffordLabel7 = " Interest compounding     periods per year.";
inline constexpr const char* kAffordLabel20 = " Total interest paid.";
inline constexpr const char* kAffordLabel1 = " Frequency and type of          payment.";
inline constexpr const char* kAffordLabel2 = " Number of pay-     ments each year.";
inline constexpr const char* kAffordLabel3 = " Days in     year.";
inline constexpr const char* kAffordLabel6 = " Number of years to final         payment.";
inline constexpr const char* kAffordLabel8 = " Each payment. Principal        and  interest.";
inline constexpr const char* kAffordLabel4 = " Interest saved versus            normal  mortgage.";
inline constexpr const char* kAffordLabel21 = " Total interest paid.";

// The frequency the screen opens with.
inline constexpr Frequency kAffordInitialFrequency = Frequency::BiweeklyAccelerated;

// The quick help, lines joined by CR LF.
std::string AffordQuickHelp();

}  // namespace amortix
