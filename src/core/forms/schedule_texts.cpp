#include "core/forms/schedule_texts.h"

#include <algorithm>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

constexpr std::array<const char*, 6> kGridHeaders = {"",
                                                     AMX_TEXT("Interest Payment"),
                                                     AMX_TEXT("Principal Payment"),
                                                     AMX_TEXT("Remaining Balance"),
                                                     AMX_TEXT("Cumulative Interest"),
                                                     AMX_TEXT("Cumulative Principal")};
constexpr const char* kColumn0Annual = AMX_TEXT(" Payment  Year");
constexpr const char* kColumn0Dates = AMX_TEXT(" Payment  Date");
constexpr const char* kColumn0Numbers = AMX_TEXT("  Payment   No.  Year");
constexpr const char* kRateColumn = AMX_TEXT("Rate %");

// %1 is the percentage, right-justified in the box's width.
constexpr const char* kLabel16 = AMX_TEXT(" P+I includes  %1%");
// %1 the years (with a minus sign when later), %2 the months.
constexpr const char* kPayoffEarlier = AMX_TEXT("%1 yr %2 mo");
// %1 the year, %2 the limit, %3 the amount over it.
constexpr const char* kYearlyLimit = AMX_TEXT("Year %1 goes over the yearly limit of %2 by %3.");
constexpr const char* kIncreaseLimit =
    AMX_TEXT("From year %1 each payment goes over the increase limit of %2 by %3.");

// The printout's notes of the additional payments.
constexpr const char* kNotesTitle = AMX_TEXT("Additional  Payments     Applied");
// %1 the year, %2 the month, each right-justified in 3.
constexpr const char* kNotesYearMonth = AMX_TEXT("Year %1 Month%2");
// %1 the year and %2 the month (each in 3), %3 the amount (in 12).
constexpr const char* kNotesEntry = AMX_TEXT(" Year %1    Month%2%3");
constexpr const char* kNotesOneTime = AMX_TEXT("  one-time");
constexpr const char* kNotesNewPayment = AMX_TEXT("  new payment %1");
constexpr const char* kNotesEveryPayment = AMX_TEXT("Every payment");
constexpr const char* kNotesInAll = AMX_TEXT("In all");
// %1 the first payment's year and month, %2 the last one's (or "the end").
constexpr const char* kNotesFromTo = AMX_TEXT("  from %1 to %2");
constexpr const char* kNotesTheEnd = AMX_TEXT("the end");
constexpr const char* kNotesInterestSaved = AMX_TEXT(" Interest saved by prepayments %1");
constexpr const char* kNotesPaidOffSooner = AMX_TEXT(" Paid off sooner by %1");

// The grid's listings below the schedule.
constexpr const char* kRateChangesTitle[] = {AMX_TEXT("Rate "), AMX_TEXT("Changes  "), "",
                                             AMX_TEXT("New Payment")};
constexpr const char* kListingTitle[] = {AMX_TEXT("Additional "), AMX_TEXT("Payments  "),
                                         AMX_TEXT("Applied  ")};
constexpr const char* kNewPayment = AMX_TEXT("New Payment");
constexpr const char* kCellYear = AMX_TEXT("Year  %1");
constexpr const char* kCellMonth = AMX_TEXT(" Month %1 ");
constexpr const char* kNotReached = AMX_TEXT("not reached");
constexpr const char* kOneTime = AMX_TEXT("one-time");
constexpr const char* kEveryPayment = AMX_TEXT("Every payment");
constexpr const char* kFromWhen = AMX_TEXT("from %1");
constexpr const char* kToTheEnd = AMX_TEXT("to the end");
constexpr const char* kToWhen = AMX_TEXT("to %1");
constexpr const char* kInAll = AMX_TEXT("%1 in all");
constexpr const char* kTotalRow = AMX_TEXT("Total:");
constexpr const char* kTermRow = AMX_TEXT("%1 Yr. Term");

std::string Box(const std::string& text) {
    return RightJustify(text, kResultBoxWidth);
}

std::string CountText(double value, int width) {
    return RightJustify(FormatNumber(value, kCountMask), width);
}

}  // namespace

std::string Label16Text(float increase, const Catalogue& words) {
    return Fill(
        words.Text(kLabel16),
        {RightJustify(FormatNumber(static_cast<double>(increase * 100.0f), kPercentMask), kPercentBoxWidth)});
}

std::string DaysInYearText(const ScheduleSummary& summary, const Catalogue& words) {
    return DaysInYearText(summary.paymentsPerYear, summary.daysInYear, words);
}

ScheduleBoxTexts BoxTexts(const ScheduleResult& r, std::string_view symbol, const Catalogue& words) {
    ScheduleBoxTexts t;
    if (!r.calculated) {
        t.increaseCaption = words.Text(kLabel16Cleared);
        return t;
    }
    const ScheduleSummary& s = r.summary;
    t.daysInYear = DaysInYearText(s, words);
    t.rateFactor = FormatNumber(s.rateFactor, kPeriodicRateMask);
    t.paymentsPerYear = Box(FormatNumber(static_cast<double>(s.paymentsPerYear), kCountMask));
    t.payment = Box(MoneyText(symbol, s.payment, kNarrowMoneyMask));
    t.increaseCaption = Label16Text(s.increase, words);
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
        t.payoffEarlier = Box(PayoffEarlierText(*s.prepayments.payoffEarlierMonths, words));
    return t;
}

std::string PayoffEarlierText(long months, const Catalogue& words) {
    const std::string sign = months < 0 ? "-" : "";
    const long m = months < 0 ? -months : months;
    return Fill(words.Text(kPayoffEarlier), {sign + std::to_string(m / 12), std::to_string(m % 12)});
}

namespace {

std::string LimitText(const char* pattern, const LimitExceeded& e, std::string_view symbol,
                      const Catalogue& words) {
    return Fill(words.Text(pattern), {std::to_string(e.year), MoneyText(symbol, e.limit, kNarrowMoneyMask),
                                      MoneyText(symbol, e.over, kNarrowMoneyMask)});
}

}  // namespace

std::string YearlyLimitText(const LimitExceeded& e, std::string_view symbol, const Catalogue& words) {
    return LimitText(kYearlyLimit, e, symbol, words);
}

std::string IncreaseLimitText(const LimitExceeded& e, std::string_view symbol, const Catalogue& words) {
    return LimitText(kIncreaseLimit, e, symbol, words);
}

namespace {

std::string NotesAmount(Currency amount) {
    return RightJustify(FormatNumber(amount, kNarrowMoneyMask), 12);
}

std::string YearAndMonth(int year, int month, const Catalogue& words) {
    return Fill(words.Text(kNotesYearMonth), {CountText(year, 3), CountText(month, 3)});
}

// A note's label, blank-led and padded so the amounts after it line up: to 20
// as always, or past the longest label of the language.
std::string NotesLabel(const char* label, const Catalogue& words) {
    const std::size_t width = std::max<std::size_t>(
        {20, words.Text(kNotesEveryPayment).size() + 1, words.Text(kNotesInAll).size() + 1});
    std::string text = " " + words.Text(label);
    text.resize(width + 1, ' ');
    return text;
}

// The recurring amount, what the prepayments saved and the limits they went
// over, below the listed amounts.
std::string PrepaymentNotes(const ScheduleResult& r, const Catalogue& words) {
    const PrepaymentSummary& p = r.summary.prepayments;
    std::string out;
    if (p.recurringFirst > 0) {
        const RecurringPrepayment& rec = r.recurring;
        const std::string to =
            rec.toYear == 0 ? words.Text(kNotesTheEnd) : YearAndMonth(rec.toYear, rec.toMonth, words);
        out += NotesLabel(kNotesEveryPayment, words) + NotesAmount(rec.amount) +
               Fill(words.Text(kNotesFromTo), {YearAndMonth(rec.fromYear, rec.fromMonth, words), to}) +
               "\r\n";
        out += NotesLabel(kNotesInAll, words) + NotesAmount(p.recurringTotal) + "\r\n";
    }
    out += "\r\n";
    if (p.interestSaved)
        out += Fill(words.Text(kNotesInterestSaved),
                    {RightJustify(FormatNumber(*p.interestSaved, kNarrowMoneyMask), 12)}) +
               "\r\n";
    if (p.payoffEarlierMonths)
        out += Fill(words.Text(kNotesPaidOffSooner), {PayoffEarlierText(*p.payoffEarlierMonths, words)}) +
               "\r\n";
    if (p.yearlyLimit) out += " " + YearlyLimitText(*p.yearlyLimit, "", words) + "\r\n";
    if (p.increaseLimit) out += " " + IncreaseLimitText(*p.increaseLimit, "", words) + "\r\n";
    return out;
}

}  // namespace

std::string AdditionalNotesText(const ScheduleResult& r, const Catalogue& words) {
    if ((r.extraRowCount == 0 && !r.prepaymentsInForce) || !r.calculated) return {};
    std::string out = words.Text(kNotesTitle) + "\r\n\r\n";
    for (const ListingEntry& e : r.listing) {
        out += Fill(words.Text(kNotesEntry),
                    {CountText(static_cast<double>(e.year), 3), CountText(static_cast<double>(e.month), 3),
                     NotesAmount(e.amount)});
        if (e.oneTime) out += words.Text(kNotesOneTime);
        if (e.newPayment > 0)
            out += Fill(words.Text(kNotesNewPayment), {FormatNumber(e.newPayment, kNarrowMoneyMask)});
        out += "\r\n";
    }
    if (r.prepaymentsInForce) out += PrepaymentNotes(r, words);
    return out;
}

std::string GridColumn0Header(ScheduleView view, bool showDates, const Catalogue& words) {
    if (view != ScheduleView::AllPayments) return words.Text(kColumn0Annual);
    return words.Text(showDates ? kColumn0Dates : kColumn0Numbers);
}

std::string GridHeader(int column, ScheduleView view, bool showDates, const Catalogue& words) {
    if (column < 0 || column >= kGridColumns) return {};
    if (column == 0) return GridColumn0Header(view, showDates, words);
    return words.Text(kGridHeaders[static_cast<std::size_t>(column)]);
}

ScheduleGrid::ScheduleGrid(std::shared_ptr<const ScheduleResult> result, std::string currencySymbol,
                           DateFormatter formatDate, const Catalogue& words)
    : result_(std::move(result)),
      currencySymbol_(std::move(currencySymbol)),
      formatDate_(formatDate ? std::move(formatDate) : DateFormatter(IsoDate)),
      words_(&words) {
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
        return column < 4 ? words_->Text(kRateChangesTitle[column]) : std::string();
    }
    const int entry = row - (title + 2);
    if (entry < 0 || entry >= static_cast<int>(changes.size())) return {};
    const AppliedRateChange& c = changes[static_cast<std::size_t>(entry)];
    switch (column) {
        case 0:
            return Fill(words_->Text(kCellYear), {CountText(static_cast<double>(c.change.year), 3)});
        case 1:
            return Fill(words_->Text(kCellMonth), {CountText(static_cast<double>(c.change.month), 3)});
        case 2:
            return FormatNumber(c.change.ratePercent, kRateMask) + "%";
        case 3:
            return c.reached ? MoneyText(currencySymbol_, c.payment, kNarrowMoneyMask)
                             : words_->Text(kNotReached);
        case 4:
            return words_->Text(Info(c.change.payment).listText);
        default:
            return {};
    }
}

std::string ScheduleGrid::Cell(int row, int column) const {
    const ScheduleResult& r = *result_;
    if (column < 0 || column >= columnCount_ || row < 0 || row >= rowCount_) return {};
    if (column == kGridColumns) {
        if (row == 0) return words_->Text(kRateColumn);
        return row <= r.gridRows ? FormatNumber(r.rows[static_cast<std::size_t>(row)].ratePercent, kRateMask)
                                 : std::string();
    }
    if (row == 0) return GridHeader(column, r.view, r.showDates, *words_);
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
                return r.termYears == 0 ? words_->Text(kTotalRow)
                                        : Fill(words_->Text(kTermRow), {std::to_string(r.termYears)});
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
        if (column == 4 && newPayments_) return words_->Text(kNewPayment);
        return column < 3 ? words_->Text(kListingTitle[column]) : std::string();
    }
    const int entry = row - (r.gridRows + 6);
    if (entry == static_cast<int>(r.listing.size()) && r.summary.prepayments.recurringFirst > 0)
        return RecurringCell(column);
    if (entry < 0 || entry >= static_cast<int>(r.listing.size())) return {};
    const ListingEntry& e = r.listing[static_cast<std::size_t>(entry)];
    switch (column) {
        case 0:
            return Fill(words_->Text(kCellYear), {CountText(static_cast<double>(e.year), 3)});
        case 1:
            return Fill(words_->Text(kCellMonth), {CountText(static_cast<double>(e.month), 3)});
        case 2:
            return FormatNumber(e.amount, kNarrowMoneyMask);
        case 3:
            return e.oneTime ? words_->Text(kOneTime) : std::string();
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
            return words_->Text(kEveryPayment);
        case 2:
            return FormatNumber(rec.amount, kNarrowMoneyMask);
        case 3:
            return Fill(words_->Text(kFromWhen), {when(rec.fromYear, rec.fromMonth)});
        case 4:
            return rec.toYear == 0 ? words_->Text(kToTheEnd)
                                   : Fill(words_->Text(kToWhen), {when(rec.toYear, rec.toMonth)});
        case 5:
            return Fill(words_->Text(kInAll),
                        {MoneyText(currencySymbol_, r.summary.prepayments.recurringTotal, kNarrowMoneyMask)});
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
