#include <string>

#include "core/export/labels.h"
#include "core/export/sheets.h"
#include "core/format/numfmt.h"
#include "core/forms/afford_form.h"

namespace amortix {

namespace {

std::string_view SolvedLabel(AffordSolve solve) {
    switch (solve) {
        case AffordSolve::Principal:
            return labels::kPrincipal;
        case AffordSolve::Years:
            return labels::kYears;
        case AffordSolve::Payment:
            break;
    }
    return labels::kPayment;
}

// A figure of the conventional mortgage: the run empties the one it solves
// for and writes it only when found.
Cell Given(const RunFigure<double>& figure, CellKind kind, double value) {
    return figure.emptied() ? Cell{} : Cell::Of(kind, value);
}

// A result the run wrote, or an empty cell.
template <typename T>
Cell Written(const RunFigure<T>& figure, CellKind kind) {
    return figure.written() ? Cell::Of(kind, static_cast<double>(figure.value)) : Cell{};
}

}  // namespace

Record AffordRecord(const AffordExport& a) {
    const AffordInputs& in = a.inputs;
    const AffordResult& r = a.result;
    const AffordFigures& f = r.figures;
    const std::int16_t perYear = Info(in.frequency).paymentsPerYear;
    const bool normalDays = perYear == 12 || perYear == 24;
    Record out = {
        {std::string(labels::kFind), Cell::Words(SolvedLabel(r.solved))},
        {std::string(labels::kPrincipal), Given(r.principal, CellKind::Amount, f.principal)},
        {std::string(labels::kAnnualRate), Cell::Of(CellKind::Percent, f.ratePercent)},
        {std::string(labels::kPeriodYears), Given(r.years, CellKind::Years, f.years)},
        {std::string(labels::kMonthlyPaymentPI), Given(r.payment, CellKind::Amount, f.payment)},
        {std::string(labels::kCompounding), Cell::Words(TrimLeft(Info(in.compounding).listText))},
        {std::string(labels::kTotalInterest), Written(r.totalInterest, CellKind::Amount)},
        {std::string(labels::kFrequency), Cell::Words(TrimLeft(Info(in.frequency).listText))},
        {std::string(labels::kPaymentsPerYear), Written(r.paymentsPerYear, CellKind::Count)},
        {std::string(labels::kDaysInYear), normalDays
                                               ? Cell::Words(labels::kNormalDays)
                                               : Cell::Of(CellKind::Number, FloatFigure(in.dayBasis.days))},
        {std::string(labels::kYearsToFinal), Written(r.yearsToFinal, CellKind::Years)},
        {std::string(labels::kAcceleratedPayment), Written(r.eachPayment, CellKind::Amount)},
        {std::string(labels::kInterestSaved), Written(r.interestSaved, CellKind::Amount)},
        {std::string(labels::kAcceleratedTotalInterest),
         Written(r.acceleratedTotalInterest, CellKind::Amount)},
        {std::string(labels::kMessage), r.message ? Cell::Words(AffordMessageText(*r.message)) : Cell{}},
    };
    return out;
}

}  // namespace amortix
