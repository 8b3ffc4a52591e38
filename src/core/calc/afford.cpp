#include "core/calc/afford.h"

#include <cmath>

#include "core/format/money.h"

namespace amortix {

namespace {

double Ln(double x) {
    return Checked(std::log(x));
}

// The payment a period that repays P over N periods at j a period; without
// interest, P shared equally.
double Annuity(double j, double N, double P) {
    if (j == 0.0) return Checked(P / N);
    const double x = Checked(std::pow(1.0 + j, N));
    return Checked(x * j * P / (x - 1.0));
}

// The years that payments of a, n a year, take to repay P at j a period.
double YearsToRepay(double a, double P, double j, double n) {
    if (j == 0.0) return Checked(P / (a * n));
    return Checked((Ln(a) - Ln(a - P * j)) / (n * Ln(1.0 + j)));
}

// The rate factors with the rate fraction held in single precision, as the
// screen always has: 6.5 % becomes 0.0649999976158142.
struct Factors {
    FrequencyPeriods frequency;
    double monthly = 0;
    double period = 0;
};

Factors SetRateFactors(double ratePercent, Compounding compounding, Frequency frequency,
                       const DayBasis& basis) {
    const FrequencyPeriods freq = PeriodsOf(frequency, basis);
    const float r = static_cast<float>(ratePercent / 100.0);
    const RateFactorsResult rates =
        RateFactorsFromFraction(static_cast<double>(r), compounding, freq.periodsPerYear);
    return {freq, rates.monthly, rates.period};
}

class Solver {
  public:
    explicit Solver(AffordResult& out) : out_(out) {}

    void Run(const AffordInputs& in) {
        Factors f;
        switch (in.solve) {
            case AffordSolve::Payment:
                f = SolvePayment(in);
                break;
            case AffordSolve::Principal:
                f = SolvePrincipal(in);
                break;
            case AffordSolve::Years:
                f = SolveYears(in);
                break;
        }
        const AffordFigures& fig = out_.figures;
        const double TI = Checked(fig.payment * (fig.years * 12.0) - fig.principal);
        out_.totalInterest.Set(TI);

        const std::int16_t n = f.frequency.paymentsPerYear;
        out_.daysInYear.Set({in.dayBasis.days, n});
        out_.paymentsPerYear.Set(n);

        if (f.frequency.id == Frequency::Monthly) {
            // The normal mortgage itself: nothing saved.
            out_.yearsToFinal.Set(fig.years);
            out_.eachPayment.Set(fig.payment);
            out_.interestSaved.Set(0.0);
            out_.acceleratedTotalInterest.Set(TI);
            return;
        }

        const double a = PeriodPayment(fig.payment, f.frequency.id);
        const double j = f.period;
        const double Y = YearsToRepay(a, fig.principal, j, n);
        const double a2 = Annuity(j, n * Y, fig.principal);
        const double TIA = Checked(a2 * (Y * n) - fig.principal);
        const double saved = Checked(TI - TIA);
        out_.yearsToFinal.Set(Y);
        out_.eachPayment.Set(a);
        out_.interestSaved.Set(saved);
        out_.acceleratedTotalInterest.Set(TIA);
    }

    // The failure steps: the results are emptied, the days in year stay, and
    // one of the two messages shows.
    void Fail() {
        for (RunFigure<double>* figure : {&out_.totalInterest, &out_.yearsToFinal, &out_.eachPayment,
                                          &out_.interestSaved, &out_.acceleratedTotalInterest})
            figure->Empty();
        out_.paymentsPerYear.Empty();
        out_.focusPayment = termLimit_;
        out_.message = termLimit_ ? AffordMessage::PaymentTooSmall : AffordMessage::MissingEntry;
    }

  private:
    Factors RateStep(const AffordInputs& in) {
        const Factors f = SetRateFactors(in.figures.ratePercent, in.compounding, in.frequency, in.dayBasis);
        out_.factors =
            AffordFactors{f.monthly, f.period, f.frequency.paymentsPerYear, f.frequency.frequencyClass};
        return f;
    }

    Factors SolvePayment(const AffordInputs& in) {
        const double P = in.figures.principal;
        out_.figures.payment = 0;
        out_.payment.Empty();
        const Factors f = RateStep(in);
        const double PMT = Annuity(f.monthly, 12.0 * in.figures.years, P);
        if (P == 0) throw CalcError("missing principal");
        out_.figures.payment = PMT;
        out_.payment.Set(PMT);
        return f;
    }

    Factors SolvePrincipal(const AffordInputs& in) {
        const double PMT = in.figures.payment;
        out_.figures.principal = 0;
        out_.principal.Empty();
        const Factors f = RateStep(in);
        const double months = 12.0 * in.figures.years;
        double P = Checked(PMT * months);
        if (f.monthly != 0.0) {
            const double x = Checked(std::pow(1.0 + f.monthly, months));
            P = Checked(PMT / Checked(x * f.monthly / (x - 1.0)));
        }
        if (PMT == 0) throw CalcError("missing payment");
        out_.figures.principal = P;
        out_.principal.Set(P);
        return f;
    }

    Factors SolveYears(const AffordInputs& in) {
        const double P = in.figures.principal, PMT = in.figures.payment;
        out_.figures.years = 0;
        out_.years.Empty();
        const Factors f = RateStep(in);
        // From here on every failure means the payment cannot repay the loan in time.
        termLimit_ = true;
        const double T = YearsToRepay(PMT, P, f.monthly, 12.0);
        if (T > 40.004) throw CalcError("over 40 years");
        out_.figures.years = T;
        out_.years.Set(T);
        return f;
    }

    AffordResult& out_;
    bool termLimit_ = false;
};

}  // namespace

AffordResult SolveAfford(const AffordInputs& inputs) {
    AffordResult out;
    out.solved = inputs.solve;
    out.figures = inputs.figures;
    Solver solver(out);
    try {
        solver.Run(inputs);
    } catch (const CalcError&) {
        solver.Fail();
    }
    return out;
}

}  // namespace amortix
