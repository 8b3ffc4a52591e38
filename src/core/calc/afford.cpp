#include "core/calc/afford.h"

#include <cmath>

#include "core/format/masks.h"
#include "core/format/money.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

double Ln(double x) {
    return Checked(std::log(x));
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
    Solver(AffordResult& out, std::string_view symbol) : out_(out), symbol_(symbol) {}

    std::string Money(double value, int width) const {
        return RightJustify(MoneyText(symbol_, value, kWideMoneyMask), width);
    }

    void Run(AffordSolve solve, Compounding compounding, Frequency frequency, const DayBasis& basis) {
        AffordInputs& in = out_.inputs;
        AffordTexts& t = out_.texts;
        double P = in.principal, T = in.years, PMT = in.payment;
        const auto factors = [&] {
            const Factors f = SetRateFactors(in.ratePercent, compounding, frequency, basis);
            out_.monthlyFactor = f.monthly;
            out_.periodFactor = f.period;
            out_.paymentsPerYear = f.frequency.paymentsPerYear;
            out_.frequencyClass = f.frequency.frequencyClass;
            return f;
        };

        Factors f;
        switch (solve) {
            case AffordSolve::Payment: {
                in.payment = 0;
                t.MFInMthPayment.clear();
                f = factors();
                const double x = Checked(std::pow(1.0 + f.monthly, 12.0 * T));
                PMT = Checked(x * f.monthly * P / (x - 1.0));
                if (P == 0) throw CalcError("missing principal");
                in.payment = PMT;
                t.MFInMthPayment = Money(in.payment, kBoxWidth);
                break;
            }
            case AffordSolve::Principal: {
                in.principal = 0;
                t.MFInPrincipal.clear();
                f = factors();
                const double x = Checked(std::pow(1.0 + f.monthly, 12.0 * T));
                P = Checked(PMT / Checked(x * f.monthly / (x - 1.0)));
                if (PMT == 0) throw CalcError("missing payment");
                in.principal = P;
                t.MFInPrincipal = Money(in.principal, kBoxWidth);
                break;
            }
            case AffordSolve::Years: {
                in.years = 0;
                t.MFInTerm.clear();
                f = factors();
                // From here on every failure means the payment cannot repay the loan in time.
                termLimit_ = true;
                T = Checked((Ln(PMT) - Ln(PMT - P * f.monthly)) / (12.0 * Ln(1.0 + f.monthly)));
                if (T > 40.004) throw CalcError("over 40 years");
                in.years = T;
                t.MFInTerm = RightJustify(FormatNumber(T, kUpToTwoDecimalsMask), kBoxWidth);
                break;
            }
        }

        const double TI = Checked(in.payment * (T * 12.0) - in.principal);
        t.TotalPmts = Money(TI, kResultBoxWidth);

        const std::int16_t n = f.frequency.paymentsPerYear;
        t.MFDaysinYear = DaysInYearText(n, basis.days);
        t.MFNumPmts = RightJustify(FormatNumber(static_cast<double>(n), kTwoDigitMask), kPaymentsBoxWidth);

        if (f.frequency.id == Frequency::Monthly) {
            // The normal mortgage itself: nothing saved.
            t.MFNumYrs = RightJustify(FormatNumber(in.years, kShortTwoDecimalsMask), kBoxWidth);
            t.MFPiPmt = Money(in.payment, kBoxWidth);
            t.MFTotIntSaved = Money(0.0, kBoxWidth + 2);  // this one box is drawn two characters wider
            t.MFTotIntPaid = Money(TI, kBoxWidth);
            return;
        }

        const double a = PeriodPayment(in.payment, f.frequency.id);
        const double j = f.period;
        const double Y = Checked((Ln(a) - Ln(a - in.principal * j)) / (n * Ln(1.0 + j)));
        const double x = Checked(std::pow(1.0 + j, n * Y));
        const double a2 = Checked(x * j * P / (x - 1.0));
        const double TIA = Checked(a2 * (Y * n) - in.principal);
        const double saved = Checked(TI - TIA);
        t.MFNumYrs = RightJustify(FormatNumber(Y, kUpToTwoDecimalsMask), kBoxWidth);
        t.MFPiPmt = Money(a, kBoxWidth);
        t.MFTotIntSaved = Money(saved, kBoxWidth);
        t.MFTotIntPaid = Money(TIA, kBoxWidth);
    }

    // The failure steps: the results are emptied, the days in year stay, and
    // one of the two messages shows.
    void Fail() {
        AffordTexts& t = out_.texts;
        t.TotalPmts.clear();
        t.MFNumPmts.clear();
        t.MFNumYrs.clear();
        t.MFPiPmt.clear();
        t.MFTotIntSaved.clear();
        t.MFTotIntPaid.clear();
        out_.failed = true;
        out_.focusPayment = termLimit_;
        t.MsgText = termLimit_ ? kAffordTooSmall : kAffordMissingEntry;
    }

  private:
    AffordResult& out_;
    std::string_view symbol_;
    bool termLimit_ = false;
};

}  // namespace

AffordTexts InitialAffordTexts(std::string_view currencySymbol) {
    AffordTexts t;
    t.MFInPrincipal.assign("   ");
    t.MFInPrincipal.append(currencySymbol);
    t.MFInPrincipal.append("100,000.00");
    t.MFInTerm.assign("              25");
    return t;
}

AffordResult SolveAfford(const AffordInputs& inputs, AffordSolve solve, Compounding compounding,
                         Frequency frequency, const DayBasis& dayBasis, std::string_view currencySymbol,
                         const AffordTexts& shown) {
    AffordResult out;
    out.inputs = inputs;
    out.texts = shown;
    out.texts.MsgText.clear();
    Solver solver(out, currencySymbol);
    try {
        solver.Run(solve, compounding, frequency, dayBasis);
    } catch (const CalcError&) {
        solver.Fail();
    }
    return out;
}

}  // namespace amortix
