#include "core/forms/schedule_texts.h"

#include <algorithm>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

constexpr std::array<const char*, 6> kGridHeaders = {"",
                                                     "Interest Payment",
                                                     "Principal Payment",
                                                     "Remaining Balance",
                                                     "Cumulative Interest",
                                                     "Cumulative Principal"};

std::string Box(const std::string& text) {
    return RightJustify(text, kResultBoxWidth);
}

std::string CountText(double value, int width) {
    return RightJustify(FormatNumber(value, kCountMask), width);
}

}  // namespace

std::string Label16Text(float increase) {
    return " P+I includes  " +
           RightJustify(FormatNumber(static_cast<double>(increase * 100.0f), kPercentMask),
                        kPercentBoxWidth) +
           "%";
}

std::string DaysInYearText(const ScheduleSummary& summary) {
    return DaysInYearText(summary.paymentsPerYear, summary.daysInYear);
}

ScheduleBoxTexts BoxTexts(const ScheduleResult& r, std::string_view symbol) {
    ScheduleBoxTexts t;
    if (!r.calculated) {
        t.increaseCaption = kLabel16Cleared;
        return t;
    }
    const ScheduleSummary& s = r.summary;
    t.daysInYear = DaysInYearText(s);
    t.rateFactor = FormatNumber(s.rateFactor, kPeriodicRateMask);
    t.paymentsPerYear = Box(FormatNumber(static_cast<double>(s.paymentsPerYear), kCountMask));
    t.payment = Box(MoneyText(symbol, s.payment, kNarrowMoneyMask));
    t.increaseCaption = Label16Text(s.increase);
    t.increaseAmount = Box(MoneyText(symbol, s.increaseAmount, kNarrowMoneyMask));
    const double years = static_cast<double>(r.payments) / s.paymentsPerYear;
    // A loan counts its months.
    t.yearsToFinal =
        Box(FormatNumber(r.mode == TableKind::Mortgage ? years : years * 12.0, kTwoDecimalsMask));
    t.totalPaid = Box(MoneyText(symbol, s.totalPaid, kNarrowMoneyMask));
    t.interestSaved = Box(MoneyText(symbol, s.interestSaved, kNarrowMoneyMask));
    if (s.prepayments.interestSaved)
        t.interestSavedByPrepayments = Box(MoneyText(symbol, *s.prepayments.interestSaved, kNarrowMoneyMask));
    if (s.prepayments.payoffEarlierMonths)
        t.payoffEarlier = Box(PayoffEarlierText(*s.prepayments.payoffEarlierMonths));
    return t;
}

std::string PayoffEarlierText(long months) {
    const std::string sign = months < 0 ? "-" : "";
    const long m = months < 0 ? -months : months;
    return sign + std::to_string(m / 12) + " yr " + std::to_string(m % 12) + " mo";
}

std::string YearlyLimitText(const LimitExceeded& e, std::string_view symbol) {
    return "Year " + std::to_string(e.year) + " goes over the yearly limit of " +
           MoneyText(symbol, e.limit, kNarrowMoneyMask) + " by " +
           MoneyText(symbol, e.over, kNarrowMoneyMask) + ".";
}

std::string IncreaseLimitText(const LimitExceeded& e, std::string_view symbol) {
    return "From year " + std::to_string(e.year) + " each payment goes over the increase limit of " +
           MoneyText(symbol, e.limit, kNarrowMoneyMask) + " by " +
           MoneyText(symbol, e.over, kNarrowMoneyMask) + ".";
}

namespace {

std::string NotesAmount(Currency amount) {
    return RightJustify(FormatNumber(amount, kNarrowMoneyMask), 12);
}

std::string YearAndMonth(int year, int month) {
    return "Year " + CountText(year, 3) + " Month" + CountText(month, 3);
}

// The recurring amount, what the prepayments saved and the limits they went
// over, below the listed amounts.
std::string PrepaymentNotes(const ScheduleResult& r) {
    const PrepaymentSummary& p = r.summary.prepayments;
    std::string out;
    if (p.recurringFirst > 0) {
        const RecurringPrepayment& rec = r.recurring;
        out += " Every payment       " + NotesAmount(rec.amount) + "  from " +
               YearAndMonth(rec.fromYear, rec.fromMonth) + " to " +
               (rec.toYear == 0 ? std::string("the end") : YearAndMonth(rec.toYear, rec.toMonth)) + "\r\n";
        out += " In all              " + NotesAmount(p.recurringTotal) + "\r\n";
    }
    out += "\r\n";
    if (p.interestSaved)
        out += " Interest saved by prepayments " +
               RightJustify(FormatNumber(*p.interestSaved, kNarrowMoneyMask), 12) + "\r\n";
    if (p.payoffEarlierMonths)
        out += " Paid off sooner by " + PayoffEarlierText(*p.payoffEarlierMonths) + "\r\n";
    if (p.yearlyLimit) out += " " + YearlyLimitText(*p.yearlyLimit, "") + "\r\n";
    if (p.increaseLimit) out += " " + IncreaseLimitText(*p.increaseLimit, "") + "\r\n";
    return out;
}

}  // namespace

std::string AdditionalNotesText(const ScheduleResult& r) {
    if ((r.extraRowCount == 0 && !r.prepaymentsInForce) || !r.calculated) return {};
    std::string out = "Additional  Payments     Applied\r\n\r\n";
    for (const ListingEntry& e : r.listing) {
        out += " Year " + CountText(static_cast<double>(e.year), 3) + "    Month" +
               CountText(static_cast<double>(e.month), 3) + NotesAmount(e.amount);
        if (e.oneTime) out += "  one-time";
        if (e.newPayment > 0) out += "  new payment " + FormatNumber(e.newPayment, kNarrowMoneyMask);
        out += "\r\n";
    }
    if (r.prepaymentsInForce) out += PrepaymentNotes(r);
    return out;
}

std::string GridColumn0Header(ScheduleView view, bool showDates) {
    if (view != ScheduleView::AllPayments) return " Payment  Year";
    return showDates ? " Payment  Date" : "  Payment   No.  Year";
}

std::string GridHeader(int column, ScheduleView view, bool showDates) {
    if (column < 0 || column >= kGridColumns) return {};
    return column == 0 ? GridColumn0Header(view, showDates) : kGridHeaders[static_cast<std::size_t>(column)];
}

ScheduleGrid::ScheduleGrid(std::shared_ptr<const ScheduleResult> result, std::string currencySymbol,
                           DateFormatter formatDate)
    : result_(std::move(result)),
      currencySymbol_(std::move(currencySymbol)),
      formatDate_(formatDate ? std::move(formatDate) : DateFormatter(IsoDate)) {
    const ScheduleResult& r = *result_;
    if (!r.calculated) return;
    listingRows_ = r.ListingRows();
    newPayments_ = std::any_of(r.listing.begin(), r.listing.end(),
                               [](const ListingEntry& e) { return e.newPayment > 0; });
    int rows = r.gridRows + 4;
    if (listingRows_ >= 1) rows += listingRows_ + 4;
    if (!r.summary.rateChanges.empty()) {
        columnCount_ = kGridColumns + 1;
        rows += static_cast<int>(r.summary.rateChanges.size()) + 4;
    }
    rowCount_ = rows < 23 ? 23 : rows;
}

int ScheduleGrid::RateChangesRow() const {
    const ScheduleResult& r = *result_;
    return r.gridRows + 4 + (listingRows_ >= 1 ? listingRows_ + 4 : 0);
}

std::string ScheduleGrid::RateChangeCell(int row, int column) const {
    const ScheduleResult& r = *result_;
    const auto& changes = r.summary.rateChanges;
    if (changes.empty()) return {};
    const int title = RateChangesRow();
    if (row == title) {
        static constexpr const char* kTitle[] = {"Rate ", "Changes  ", "", "New Payment"};
        return column < 4 ? kTitle[column] : std::string();
    }
    const int entry = row - (title + 2);
    if (entry < 0 || entry >= static_cast<int>(changes.size())) return {};
    const AppliedRateChange& c = changes[static_cast<std::size_t>(entry)];
    switch (column) {
        case 0:
            return "Year  " + CountText(static_cast<double>(c.change.year), 3);
        case 1:
            return " Month " + CountText(static_cast<double>(c.change.month), 3) + " ";
        case 2:
            return FormatNumber(c.change.ratePercent, kRateMask) + "%";
        case 3:
            return c.reached ? MoneyText(currencySymbol_, c.payment, kNarrowMoneyMask) : "not reached";
        case 4:
            return std::string(Info(c.change.payment).listText);
        default:
            return {};
    }
}

std::string ScheduleGrid::Cell(int row, int column) const {
    const ScheduleResult& r = *result_;
    if (column < 0 || column >= columnCount_ || row < 0 || row >= rowCount_) return {};
    if (column == kGridColumns) {
        if (row == 0) return "Rate %";
        return row <= r.gridRows ? FormatNumber(r.rows[static_cast<std::size_t>(row)].ratePercent, kRateMask)
                                 : std::string();
    }
    if (row == 0) return GridHeader(column, r.view, r.showDates);
    if (!r.calculated) return {};
    if (!r.summary.rateChanges.empty() && row >= RateChangesRow()) return RateChangeCell(row, column);
    if (row <= r.gridRows) {
        const ScheduleRow& s = r.rows[static_cast<std::size_t>(row)];
        const Currency money[] = {s.interest, s.principal, s.balance, s.cumulativeInterest,
                                  s.cumulativePrincipal};
        if (column > 0) return FormatNumber(money[column - 1], kWideMoneyMask);
        if (r.showDates) return formatDate_(s.date);
        std::string number = RightJustify(FormatNumber(static_cast<double>(s.number), kRowNumberMask), 4);
        if (r.view != ScheduleView::AllPayments) return number;
        return number + CountText(s.year, 8);
    }
    if (row == r.gridRows + 2) {
        const ScheduleRow& s = r.rows[static_cast<std::size_t>(r.gridRows)];
        switch (column) {
            case 0:
                return r.termYears == 0 ? "Total:" : std::to_string(r.termYears) + " Yr. Term";
            case 3:
                return MoneyText(currencySymbol_, s.balance, kWideMoneyMask);
            case 4:
                return MoneyText(currencySymbol_, s.cumulativeInterest, kWideMoneyMask);
            case 5:
                return MoneyText(currencySymbol_, s.cumulativePrincipal, kWideMoneyMask);
            default:
                return {};
        }
    }
    return ListingCell(row, column);
}

std::string ScheduleGrid::ListingCell(int row, int column) const {
    const ScheduleResult& r = *result_;
    if (listingRows_ <= 0) return {};
    if (row == r.gridRows + 4) {
        static constexpr const char* kTitle[] = {"Additional ", "Payments  ", "Applied  "};
        if (column == 4 && newPayments_) return "New Payment";
        return column < 3 ? kTitle[column] : std::string();
    }
    const int entry = row - (r.gridRows + 6);
    if (entry == static_cast<int>(r.listing.size()) && r.summary.prepayments.recurringFirst > 0)
        return RecurringCell(column);
    if (entry < 0 || entry >= static_cast<int>(r.listing.size())) return {};
    const ListingEntry& e = r.listing[static_cast<std::size_t>(entry)];
    switch (column) {
        case 0:
            return "Year  " + CountText(static_cast<double>(e.year), 3);
        case 1:
            return " Month " + CountText(static_cast<double>(e.month), 3) + " ";
        case 2:
            return FormatNumber(e.amount, kNarrowMoneyMask);
        case 3:
            return e.oneTime ? "one-time" : "";
        case 4:
            return e.newPayment > 0 ? MoneyText(currencySymbol_, e.newPayment, kNarrowMoneyMask) : "";
        default:
            return {};
    }
}

// The recurring amount's line below the listed amounts.
std::string ScheduleGrid::RecurringCell(int column) const {
    const ScheduleResult& r = *result_;
    const RecurringPrepayment& rec = r.recurring;
    const auto when = [](int year, int month) { return std::to_string(year) + "/" + std::to_string(month); };
    switch (column) {
        case 0:
            return "Every payment";
        case 2:
            return FormatNumber(rec.amount, kNarrowMoneyMask);
        case 3:
            return "from " + when(rec.fromYear, rec.fromMonth);
        case 4:
            return rec.toYear == 0 ? "to the end" : "to " + when(rec.toYear, rec.toMonth);
        case 5:
            return MoneyText(currencySymbol_, r.summary.prepayments.recurringTotal, kNarrowMoneyMask) +
                   " in all";
        default:
            return {};
    }
}

ScheduleGrid::AllCells ScheduleGrid::Cells() const {
    AllCells cells;
    cells.rows = rowCount_;
    cells.columns = columnCount_;
    cells.texts.reserve(static_cast<std::size_t>(rowCount_) * columnCount_);
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < columnCount_; ++c) cells.texts.push_back(Cell(r, c));
    return cells;
}

}  // namespace amortix
