#include "core/forms/afford_form.h"

namespace amortix {

namespace {

AffordBox BoxOf(AffordSolve solve) {
    switch (solve) {
        case AffordSolve::Principal:
            return AffordBox::Principal;
        case AffordSolve::Years:
            return AffordBox::Term;
        case AffordSolve::Payment:
            break;
    }
    return AffordBox::Payment;
}

}  // namespace

bool IsAnswerBox(AffordSolve solve, AffordBox box) {
    return BoxOf(solve) == box;
}

bool IsHighlightedLabel(AffordSolve solve, AffordBox box) {
    return box != AffordBox::Rate && !IsAnswerBox(solve, box);
}

std::string AffordQuickHelp() {
    constexpr const char* kBlank = "\r\n\r\n";
    std::string text;
    text +=
        "Calculations are automatic, change the values in any green input box and on leaving the box a new "
        "result is calculated and results shown in the white boxes.";
    text += kBlank;
    text += "Conventional Mortgage panel. Calculations, inputs and results are for a normal mortgage.";
    text += kBlank;
    text +=
        "Accelerated Mortgage panel shows results for the selected 'Frequency and type of payment', based on "
        "the inputs in Conventional Mortgage. Days in year do not affect Monthly or Semimonthly calculation.";
    text += kBlank;
    text +=
        "Select to find panel. Solves for a missing factor, based on which option button is active. White "
        "result box shows beside it in Conventional Mortgage.";
    text += kBlank;
    text += "For example, to find out how much Principal you could afford for a given Monthly payment.";
    text += " Click 'Principal' option,";
    text +=
        " then type in Monthly payment, on leaving the box either by pressing <Enter>, clicking another box "
        "or 'Calculate', results will show in white boxes.";
    text += kBlank;
    text +=
        "When using 'Years' option, amortization box will show results to two decimal places but will only "
        "allow whole year input.";
    text += kBlank;
    text += "Press F1 key for more detailed information.";
    return text;
}

}  // namespace amortix
