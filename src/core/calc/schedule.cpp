#include "core/calc/schedule.h"

#include <cmath>

#include "core/calc/repayment.h"
#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

std::string Label16Text(float increase) {
    return " P+I includes  " +
           RightJustify(FormatNumber(static_cast<double>(increase * 100.0f), kPercentMask),
                        kPercentBoxWidth) +
           "%";
}

void AdditionalPayments::EraseAmounts() {
    yearNumber.fill(Currency());
    amount.fill(Currency());
    increase = 0.0f;
    rowCount = 0;
}

std::int16_t AdditionalPayments::CountYearsWithAmounts() const {
    std::int16_t count = 0;
    for (int y = 1; y <= years && y < kYearRows; ++y)
        if (amount[static_cast<std::size_t>(y)] > Currency()) ++count;
    return count;
}

namespace {

constexpr std::array<const char*, 6> kGridHeaders = {"",
                                                     "Interest Payment",
                                                     "Principal Payment",
                                                     "Remaining Balance",
                                                     "Cumulative Interest",
                                                     "Cumulative Principal"};

Currency Cur(double v) {
    return Currency::FromDouble(v);
}

Currency YearNumber(const AdditionalPayments& extra, long year) {
    if (year < 0 || year >= kYearRows) throw CalcError("year out of range");
    return extra.yearNumber[static_cast<std::size_t>(year)];
}

DaySerial StepDate(DaySerial first, int steps, DateStep step) {
    switch (step) {
        case DateStep::Month:
        case DateStep::SemiMonth:
            return AddMonths(first, steps);
        case DateStep::TwoWeeks:
            return first + 14 * steps;
        case DateStep::OneWeek:
            return first + 7 * steps;
    }
    return first;
}

DaySerial SerialOf(Currency c) {
    return static_cast<DaySerial>(c.Ticks() / Currency::kScale);
}

void ClearResultBoxes(ScheduleResult& r) {
    r.InDays.clear();
    r.PeriodicR.clear();
    r.NumPmtsYear.clear();
    r.EndMortYear.clear();
    r.InMonthPI.clear();
    r.PPpercent.clear();
    r.TotSavd.clear();
    r.AllPayments.clear();
    r.Label16 = kLabel16Cleared;
    r.resultsReady = 0;
    r.gridRows = 0;
    r.calculated = false;
    r.gridRowCount_ = 1;
    r.listing.clear();
    r.additionalNotes.clear();
}

void Run(const ScheduleInputs& in, ScheduleResult& out) {
    const double T = in.years;
    // A term longer than the period is reset before anything is computed.
    if (out.termYears > T) {
        out.termYears = 0;
        out.messages.push_back(Message::TermReset);
    }

    const FrequencyPeriods freq = PeriodsOf(in.frequency, in.dayBasis);
    const std::int16_t n = freq.paymentsPerYear;
    out.paymentsPerYear = n;
    out.frequencyClass = freq.frequencyClass;
    const bool allPayments = in.view == ScheduleView::AllPayments;

    if (in.mode == TableKind::Mortgage && T >= kMortgageYearLimit + 1) {
        out.messages.push_back(Message::YearsLimit);
        return;
    }

    const RateFactorsResult rates = RateFactors(in.ratePercent, in.compounding, freq.periodsPerYear);
    out.InDays = DaysInYearText(n, in.dayBasis.days);
    out.PeriodicR = FormatNumber(rates.period, kPeriodicRateMask);

    const MonthlyPaymentResult monthly =
        MonthlyPayment(in.principal, rates.monthly, in.ratePercent, in.compounding, T);
    const double normalTotal = Checked(monthly.payment * 12.0 * T);

    double A = PeriodPayment(monthly.payment, in.frequency);
    const double i = RatePerPeriod(freq, rates);

    const double A0 = A;
    const double increase = static_cast<double>(in.extra.increase);
    if (in.extra.increase > 0.0f) A = Checked(A + A * increase);
    const double increaseAmount = A - A0;

    out.NumPmtsYear = RightJustify(FormatNumber(static_cast<double>(n), kCountMask), kResultBoxWidth);
    out.InMonthPI = RightJustify(MoneyText(in.currencySymbol, A, kNarrowMoneyMask), kResultBoxWidth);
    out.Label16 = Label16Text(in.extra.increase);
    out.PPpercent =
        RightJustify(MoneyText(in.currencySymbol, increaseAmount, kNarrowMoneyMask), kResultBoxWidth);

    const std::int16_t bound = PaymentBound(freq.frequencyClass, T);

    auto& table = out.schedule;
    int dateCount = 0, dateSteps = 0;
    DaySerial lastDate = in.firstPaymentDate;
    double yearValue = 0.0;

    // Columns 7 and 0 of the all-payments view: the payment date or the year.
    const auto dateOrYear = [&](long k, std::vector<ScheduleRow>& t) {
        if (!allPayments) return;
        ScheduleRow& row = TableRow(t, k);
        if (in.showDates) {
            ++dateCount;
            if (n == 24 && dateCount % 2 == 0) {
                lastDate = lastDate + 14;
            } else {
                lastDate = StepDate(in.firstPaymentDate, dateSteps++, freq.dateStep);
            }
            row[7] = Cur(static_cast<double>(lastDate));
        } else {
            const auto prev = TableRow(t, k - 1)[1].Ticks() / Currency::kScale;
            if (prev % n == 0) yearValue = static_cast<double>(k) / n + 1.0;
            row[0] = Cur(yearValue);
        }
    };

    RepaymentPlan plan;
    plan.principal = in.principal;
    plan.payment = A;
    plan.rate = i;
    plan.paymentsPerYear = n;
    plan.bound = bound;
    plan.extra = &in.extra;
    plan.currencyExtraSum = true;
    const RepaymentOutcome run = RunRepayment(plan, table, dateOrYear);
    if (run.applied.size() > 32767) throw CalcError("counter overflow");
    out.appliedCount = static_cast<std::int16_t>(run.applied.size());
    CorrectFinalPayment(table, run);
    long L = run.payments;

    out.payments = static_cast<std::int16_t>(L);
    const double years = static_cast<double>(L) / n;
    out.yearsToFinal = static_cast<float>(years);
    out.EndMortYear =
        RightJustify(FormatNumber(in.mode == TableKind::Mortgage ? years : years * 12.0, kTwoDecimalsMask),
                     kResultBoxWidth);

    const std::int16_t yearsWithPayments = ToInt16(static_cast<double>(out.yearsToFinal) + 0.49);
    if (!allPayments) {
        auto& annual = out.annual;
        bool done = false;
        for (long y = 1; y <= yearsWithPayments && !done; ++y) {
            ScheduleRow& a = TableRow(annual, y);
            a[1] = Cur(static_cast<double>(y));
            for (long k = (y - 1) * n + 1; k <= y * n; ++k) {
                const ScheduleRow& p = TableRow(table, k);
                a[2] = a[2] + p[2];
                a[3] = a[3] + p[3];
                a[4] = p[4];
                a[5] = p[5];
                a[6] = p[6];
                if (p[4] <= Currency()) {
                    done = true;
                    break;
                }
            }
        }
        for (long y = 1; y <= yearsWithPayments; ++y) {
            ScheduleRow& row = TableRow(table, y);
            const ScheduleRow& a = TableRow(annual, y);
            if (in.showDates)
                row[7] =
                    Cur(static_cast<double>(AddMonths(in.firstPaymentDate, 12 * static_cast<int>(y - 1))));
            row[1] = Cur(static_cast<double>(y));
            for (int c = 2; c <= 6; ++c) row[static_cast<std::size_t>(c)] = a[static_cast<std::size_t>(c)];
        }
        L = yearsWithPayments;
    }

    const Currency totalPaid = TableRow(table, L)[5] + TableRow(table, L)[6];
    long rows = L;
    if (out.termYears > 0) {
        rows = allPayments ? static_cast<long>(out.termYears) * n : out.termYears;
        if (rows > L) {
            // The loan ends before the term: reset it and let the user calculate again.
            out.termYears = 0;
            out.messages.push_back(Message::TermReset);
            ClearResultBoxes(out);
            return;
        }
    }
    out.gridRows = ToInt16(static_cast<double>(rows));

    // The additional-payment listing: the grid block and the printout text.
    if (in.extra.rowCount != 0) {
        const std::int16_t month = in.extra.month.number;
        out.additionalNotes = "Additional  Payments     Applied\r\n\r\n";
        for (long y = 1; y <= yearsWithPayments; ++y) {
            if (out.appliedCount > 0 && static_cast<long>(out.listing.size()) == out.appliedCount) break;
            const Currency amount = YearAmount(in.extra, y);
            if (!(amount > Currency())) continue;
            const double yearNo = YearNumber(in.extra, y).ToDouble();
            out.listing.push_back({ToInt16(yearNo), month, amount});
            out.additionalNotes += " Year " + RightJustify(FormatNumber(yearNo, kCountMask), 3) +
                                   "    Month" +
                                   RightJustify(FormatNumber(static_cast<double>(month), kCountMask), 3) +
                                   RightJustify(FormatNumber(amount, kNarrowMoneyMask), 12) + "\r\n";
        }
    }

    int gridRowCount = out.gridRows + 4;
    if (in.extra.rowCount >= 1) gridRowCount += in.extra.rowCount + 4;
    out.gridRowCount_ = gridRowCount < 23 ? 23 : gridRowCount;

    out.resultsReady = allPayments ? ToInt16(static_cast<double>(out.gridRows) + 1.0)
                                   : ToInt16(static_cast<double>(out.yearsToFinal));
    out.graphTitle = in.mode == TableKind::Mortgage ? "Mortgage balance at start of each Year"
                                                    : "Personal Loan balance at start of each Year";

    double saved = normalTotal - totalPaid.ToDouble();
    if (saved < 0) saved = 0;
    out.AllPayments =
        RightJustify(MoneyText(in.currencySymbol, totalPaid, kNarrowMoneyMask), kResultBoxWidth);
    out.TotSavd = RightJustify(MoneyText(in.currencySymbol, saved, kNarrowMoneyMask), kResultBoxWidth);
    out.calculated = true;
}

}  // namespace

std::string GridColumn0Header(ScheduleView view, bool showDates) {
    if (view != ScheduleView::AllPayments) return " Payment  Year";
    return showDates ? " Payment  Date" : "  Payment   No.  Year";
}

std::string GridHeader(int column, ScheduleView view, bool showDates) {
    if (column < 0 || column >= kGridColumns) return {};
    return column == 0 ? GridColumn0Header(view, showDates) : kGridHeaders[static_cast<std::size_t>(column)];
}

ScheduleResult CalculateSchedule(const ScheduleInputs& in) {
    ScheduleResult out;
    out.view = in.view;
    out.showDates = in.showDates;
    out.currencySymbol = in.currencySymbol;
    out.formatDate = in.formatDate ? in.formatDate : DateFormatter(IsoDate);
    out.extraRowCount = in.extra.rowCount;
    out.termYears = in.termYears;
    out.Label16 = kLabel16Cleared;
    out.schedule.assign(kScheduleRows, ScheduleRow{});
    out.annual.assign(kYearRows, ScheduleRow{});
    try {
        Run(in, out);
    } catch (const CalcError&) {
        // One message and no results, rather than a cascade of half-written boxes.
        out.messages.push_back(Message::WrongEntry);
        ClearResultBoxes(out);
    }
    return out;
}

std::string ScheduleResult::GridCell(int row, int column) const {
    if (column < 0 || column >= kGridColumns || row < 0 || row >= gridRowCount_) return {};
    if (row == 0) return GridHeader(column, view, showDates);
    if (!calculated) return {};
    if (row <= gridRows) {
        const ScheduleRow& r = schedule[static_cast<std::size_t>(row)];
        if (column > 0) return FormatNumber(r[static_cast<std::size_t>(column) + 1], kWideMoneyMask);
        if (showDates) return formatDate(SerialOf(r[7]));
        if (view != ScheduleView::AllPayments) return RightJustify(FormatNumber(r[1], kRowNumberMask), 4);
        return RightJustify(FormatNumber(r[1], kRowNumberMask), 4) +
               RightJustify(FormatNumber(r[0], kCountMask), 8);
    }
    if (row == gridRows + 2) {
        const ScheduleRow& r = schedule[static_cast<std::size_t>(gridRows)];
        switch (column) {
            case 0:
                return termYears == 0 ? "Total:" : std::to_string(termYears) + " Yr. Term";
            case 3:
                return MoneyText(currencySymbol, r[4], kWideMoneyMask);
            case 4:
                return MoneyText(currencySymbol, r[5], kWideMoneyMask);
            case 5:
                return MoneyText(currencySymbol, r[6], kWideMoneyMask);
            default:
                return {};
        }
    }
    if (extraRowCount <= 0) return {};
    if (row == gridRows + 4) {
        switch (column) {
            case 0:
                return "Additional ";
            case 1:
                return "Payments  ";
            case 2:
                return "Applied  ";
            default:
                return {};
        }
    }
    const int entry = row - (gridRows + 6);
    if (entry < 0 || entry >= static_cast<int>(listing.size())) return {};
    const ListingEntry& e = listing[static_cast<std::size_t>(entry)];
    switch (column) {
        case 0:
            return "Year  " + RightJustify(FormatNumber(static_cast<double>(e.year), kCountMask), 3);
        case 1:
            return " Month " + RightJustify(FormatNumber(static_cast<double>(e.month), kCountMask), 3) + " ";
        case 2:
            return FormatNumber(e.amount, kNarrowMoneyMask);
        default:
            return {};
    }
}

std::vector<std::vector<std::string>> ScheduleResult::GridCells() const {
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(gridRowCount_));
    for (int r = 0; r < gridRowCount_; ++r) {
        auto& row = cells[static_cast<std::size_t>(r)];
        row.reserve(kGridColumns);
        for (int c = 0; c < kGridColumns; ++c) row.push_back(GridCell(r, c));
    }
    return cells;
}

GraphData BuildBalanceByYear(const ScheduleResult& result, double principal) {
    GraphData g;
    g.title = result.graphTitle;
    if (!result.calculated) return g;
    const long years = std::lround(std::nearbyint(static_cast<double>(result.yearsToFinal) + 0.49));
    const long n = result.paymentsPerYear;
    std::vector<double> values(static_cast<std::size_t>(std::max(years, 0L)) + 2, 0.0);
    values[1] = principal;
    auto balance = [&](long k) {
        return k >= 0 && static_cast<std::size_t>(k) < result.schedule.size()
                   ? result.schedule[static_cast<std::size_t>(k)][4].ToDouble()
                   : 0.0;
    };
    for (long y = 1; y <= years; ++y) {
        if (result.view == ScheduleView::AllPayments) {
            for (long k = y == 1 ? 1 : n * (y - 1); k <= n * y; ++k) {
                values[static_cast<std::size_t>(y + 1)] = balance(k);
                if (balance(k) <= 1.0) break;
            }
        } else {
            values[static_cast<std::size_t>(y + 1)] = balance(y);
        }
    }
    g.count = static_cast<std::int16_t>(years < 1 ? 0 : years);
    const long last = years < 1 ? 1 : years + 1;
    for (long p = 1; p <= last; ++p)
        g.points.push_back({{}, static_cast<double>(p), values[static_cast<std::size_t>(p)]});
    return g;
}

}  // namespace amortix
