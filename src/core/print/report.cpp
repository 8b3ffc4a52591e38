#include "core/print/report.h"

#include "core/forms/schedule_texts.h"

#include <algorithm>
#include <vector>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

constexpr std::string_view kTablesRule =
    "___________________________________________________________________________";
constexpr std::string_view kComparisonRule =
    "_____________________________________________________________________________";
constexpr std::string_view kPageFooter = AMX_TEXT("Page");
constexpr int kPageFooterColumn = 40;

// The tables printout's fixed texts; translations keep the columns.
constexpr const char* kNewRate = AMX_TEXT("New rate %1%");
constexpr const char* kRateChangesHead =
    AMX_TEXT("Rate change       From payment     Rate     Payment is    New payment");
// %1 the year, %2 the month, each right-justified in 2.
constexpr const char* kRateChangeWhen = AMX_TEXT("Year %1  Month %2");
constexpr const char* kNotReached = AMX_TEXT("not reached");
constexpr const char* kTotalLabel = AMX_TEXT("Total:");
// %1 the term's years.
constexpr const char* kTermLabel = AMX_TEXT(" %1 Year Term");
constexpr const char* kLoanTableTitle = AMX_TEXT(" Personal Loan Table");
constexpr const char* kMortgageTableTitle = AMX_TEXT(" Mortgage Table");
constexpr const char* kLoanInputs1 =
    AMX_TEXT("Principal   Annual     Length of      Interest       Frequency     Included");
constexpr const char* kMortgageInputs1 =
    AMX_TEXT("Principal   Annual     Amortization   Interest       Frequency     Included");
constexpr const char* kLoanInputs2 =
    AMX_TEXT("amount of   interest   the loan       compounding    and type      in P + I");
constexpr const char* kMortgageInputs2 =
    AMX_TEXT("amount of   interest   period in      compounding    and type      in P + I");
constexpr const char* kLoanInputs3 =
    AMX_TEXT("the loan.   rate(%).   in months.     periods/year.  of payment. ");
constexpr const char* kMortgageInputs3 =
    AMX_TEXT("mortgage.   rate(%).   years.         periods/year.  of payment. ");
constexpr const char* kLoanResults1 =
    AMX_TEXT("Days   Interest    No. of     No. months Principal   Total paid    Total of");
constexpr const char* kMortgageResults1 =
    AMX_TEXT("Days   Interest    No. of     No. years  Principal   Total paid    Total of");
constexpr const char* kResults2 =
    AMX_TEXT("in     rate        payments   to final   + Interest  over life     interest");
constexpr const char* kLoanResults3 =
    AMX_TEXT("year   factor      each year  payment    payment     of the loan   savings");
constexpr const char* kMortgageResults3 =
    AMX_TEXT("year   factor      each year  payment    payment     of mortgage   savings");
// Lines the additional-payments section may reach on a page before it moves to a new one.
constexpr int kNotesPageLimit = 57;

constexpr std::string_view kLineA =
    AMX_TEXT(" Payment    Interest   Principal     Remaining    Cumulative     Cumulative");
constexpr std::string_view kLineBAnnual =
    AMX_TEXT("  Year       Payment     Payment       Balance      Interest      Principal");
constexpr std::string_view kLineBPayments =
    AMX_TEXT("No. Year     Payment     Payment       Balance      Interest      Principal");
constexpr std::string_view kLineBDates =
    AMX_TEXT("   Date      Payment     Payment       Balance      Interest      Principal");

constexpr std::string_view kComparisonTitle = AMX_TEXT(" Mortgage Comparisons");
constexpr std::string_view kComparisonHeader1 =
    AMX_TEXT("Row, Days   Amorti  Retired  Number  Amount    Annual    Principal   Total");
constexpr std::string_view kComparisonHeader2 =
    AMX_TEXT("Compound   -zation  at end   Annual  of        Interest  + Interest  Interest");
constexpr std::string_view kComparisonHeader3 =
    AMX_TEXT("Frequency   Period  of Year  Paymts  Mortgage  Rate      Payment     Payment");
constexpr std::string_view kListingTitle = AMX_TEXT("* Additional Payments Applied");
constexpr int kListingTitleColumn = 25;
constexpr int kListingColumnStep = 16;

// The header line ends with the rules under it; a longer one is shortened
// with a visible mark rather than run off the paper. Counted in characters,
// so a cut never splits one.
constexpr std::size_t kHeaderWidth = 77;
constexpr std::string_view kShortenedMark = "...";

std::string FittedHeader(std::string_view header) {
    std::vector<std::size_t> starts;  // byte offset of each character
    for (std::size_t i = 0; i < header.size(); ++i)
        if ((static_cast<unsigned char>(header[i]) & 0xC0) != 0x80) starts.push_back(i);
    if (starts.size() <= kHeaderWidth) return std::string(header);
    std::string out(header.substr(0, starts[kHeaderWidth - kShortenedMark.size()]));
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out.append(kShortenedMark);
    return out;
}

// A listing cell: the year under "Yr", the month under "Mth" and the amount
// ending under the row number. An amount of 100,000 or more drops its
// separator to keep a blank before it.
constexpr std::size_t kListingAmountWidth = 9;

std::string ListingCell(const std::string& label, const std::string& amount, bool head) {
    const std::string figure = Trim(amount);
    if (head) return label + RightJustify(figure, 4);
    if (label.size() < 3) return label + amount;  // an empty cell stays empty
    std::string plain = figure;
    if (plain.size() > kListingAmountWidth) std::erase(plain, ',');
    return RightJustify(Trim(label.substr(0, 2)), 2) + " " + RightJustify(Trim(label.substr(3)), 2) + " " +
           RightJustify(plain, static_cast<int>(kListingAmountWidth));
}

PrintItem At(int column) {
    return PrintItem::At(column);
}
PrintItem Text(std::string_view text) {
    return PrintItem::Text(text);
}

// Prints one text at a column and ends the line.
void Line(LinePrinter& p, int column, std::string_view text) {
    p.Print({At(column), Text(text)});
}

// One line of fields at their columns. A field longer than its width is
// printed whole and pushes the rest of the line right (one blank after it),
// instead of moving them to the next line.
void Fields(LinePrinter& p, std::initializer_list<PrintItem> items) {
    std::vector<PrintItem> line;
    int column = 1;
    for (const PrintItem& item : items) {
        if (item.kind == PrintItem::Kind::Column && item.column < column) {
            line.push_back(Text(" "));
            ++column;
            continue;
        }
        if (item.kind == PrintItem::Kind::Column) column = item.column;
        if (item.kind == PrintItem::Kind::Text) column += TextColumns(item.text);
        line.push_back(item);
    }
    p.Print(line);
}

// A result box already holds the symbol and the amount under a grouped
// two-decimal mask; the report sets the same text in its own width.
std::string Rejustify(std::string_view boxText, int width) {
    return RightJustify(Trim(boxText), width);
}

std::string Money(std::string_view symbol, Currency value, std::string_view mask, int width) {
    return RightJustify(MoneyText(symbol, value, mask), width);
}

}  // namespace

void PrinterSetup(PrintJob& job) {
    job.printer.EmptyLine();
    if (job.fontChoice != kPrinterFontStandard) {
        job.printer.SetFont(PrinterFont{"Courier New", 11, false});
        job.pageLines = kCourierPageLines;
    } else {
        job.printer.SetFont(std::nullopt);
        job.pageLines = kStandardPageLines;
    }
}

void PageBreak(PrintJob& job) {
    LinePrinter& p = job.printer;
    p.EmptyLine();
    p.EmptyLine();
    p.Print({At(kPageFooterColumn), Text(job.words->Text(kPageFooter)), PrintItem::Number(p.PageNumber())});
    p.NewPage();
    PrinterSetup(job);
}

void EndPrintout(PrintJob& job) {
    job.printer.NewPage();
    job.printer.EndDocument();
}

bool HeaderCancelled(std::string_view headerText) {
    return headerText == "1";
}

std::string HeaderAsTyped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || u < 0x20 || u == 0x7F) continue;
        out.push_back(c);
    }
    return out;
}

// ---------------------------------------------------------------------------

TablesPrintData TablesPrintDataFor(const ScheduleInputs& in, std::string header) {
    TablesPrintData data;
    data.header = std::move(header);
    data.mode = in.mode;
    data.principal = in.principal;
    data.ratePercent = in.ratePercent;
    data.years = in.years;
    data.compounding = in.compounding;
    data.frequency = in.frequency;
    data.paymentIncrease = in.extra.increase;
    data.currencySymbol = in.currencySymbol;
    data.formatDate = in.formatDate;
    return data;
}

int TablesReportRows(const ScheduleResult& r) {
    const bool allPayments = r.view == ScheduleView::AllPayments;
    int rows = 0;
    if (r.termYears > 0)
        rows = allPayments ? r.termYears * r.summary.paymentsPerYear : r.termYears;
    else if (allPayments)
        rows = r.gridRows;
    else
        rows = ToInt16(static_cast<double>(r.summary.yearsToFinal) + 0.49);
    const int last = static_cast<int>(r.rows.size()) - 1;
    return std::clamp(rows, 0, std::max(last, 0));
}

namespace {

class TablesReport {
  public:
    TablesReport(LinePrinter& printer, const TablesPrintData& data, const ScheduleResult& result,
                 std::int16_t fontChoice, const Catalogue& words)
        : p_(printer),
          d_(data),
          r_(result),
          words_(words),
          job_{printer, fontChoice, 0, &words},
          boxes_(BoxTexts(result, data.currencySymbol, words)),
          loan_(data.mode == TableKind::PersonalLoan),
          annual_(result.view != ScheduleView::AllPayments),
          lineB_(words.Text(annual_            ? kLineBAnnual
                            : result.showDates ? kLineBDates
                                               : kLineBPayments)) {}

    void Print() {
        PrinterSetup(job_);
        Line(p_, 2, FittedHeader(d_.header));
        p_.EmptyLine();
        FirstPage();
        int counter = 24;
        const int rows = TablesReportRows(r_);
        for (int i = 1; i <= rows; ++i) {
            ++counter;
            if (NewRate(i)) {
                // The rate column of the screen does not fit the page: a line
                // marks each row from which a new rate is in force.
                Line(
                    p_, 2,
                    Fill(Say(kNewRate),
                         {RightJustify(
                             FormatNumber(r_.rows[static_cast<std::size_t>(i)].ratePercent, kRateMask), 7)}));
                ++counter;
            }
            Row(r_.rows[static_cast<std::size_t>(i)]);
            if (counter >= job_.pageLines) {
                BreakWithHeaders();
                counter = 7;
            }
        }
        Totals(r_.rows[static_cast<std::size_t>(rows)]);
        if (const std::string notes = AdditionalNotesText(r_, words_); !notes.empty()) {
            // The title, an empty line and one line per listed amount or note, and the empty lines around.
            const int lines = static_cast<int>(std::count(notes.begin(), notes.end(), '\n')) + 2;
            if (lines + counter > kNotesPageLimit) BreakWithHeaders();
            p_.EmptyLine();
            Line(p_, 2, notes);
            counter += lines;
        }
        counter = RateChanges(counter);
        CostsSection(counter);
        EndPrintout(job_);
    }

  private:
    // Row `i` is the first at a rate other than the row before it.
    bool NewRate(int i) const {
        if (r_.summary.rateChanges.empty() || i < 2) return false;
        return r_.rows[static_cast<std::size_t>(i)].ratePercent !=
               r_.rows[static_cast<std::size_t>(i - 1)].ratePercent;
    }

    // The rate changes, each with the payment it applies from and the
    // payment from then on. Returns the lines counted on the page.
    int RateChanges(int counter) {
        const auto& changes = r_.summary.rateChanges;
        if (changes.empty()) return counter;
        const int lines = static_cast<int>(changes.size()) + 4;
        if (lines + counter > kNotesPageLimit) {
            PageBreak(job_);
            p_.EmptyLine();
            counter = 2;
        }
        p_.EmptyLine();
        Line(p_, 2, Say(kRateChangesHead));
        Line(p_, 2, kTablesRule);
        for (const AppliedRateChange& c : changes) {
            const std::string when =
                Fill(Say(kRateChangeWhen), {RightJustify(std::to_string(c.change.year), 2),
                                            RightJustify(std::to_string(c.change.month), 2)});
            Fields(p_,
                   {At(2), Text(when), At(20), Text(RightJustify(std::to_string(c.firstPayment), 12)), At(35),
                    Text(RightJustify(FormatNumber(c.change.ratePercent, kRateMask), 7) + "%"), At(45),
                    Text(Say(Info(c.change.payment).listText)), At(59),
                    Text(RightJustify(c.reached ? MoneyText(d_.currencySymbol, c.payment, kNarrowMoneyMask)
                                                : Say(kNotReached),
                                      13))});
        }
        return counter + lines;
    }

    // The costs, below everything else, on a page of their own unless they fit.
    void CostsSection(int counter) {
        if (!d_.costs) return;
        const std::vector<std::string> lines =
            CostsSectionLines(*d_.costs, d_.mode, d_.currencySymbol, d_.formatDate, words_);
        if (lines.empty()) return;
        if (static_cast<int>(lines.size()) + 2 + counter > kNotesPageLimit) {
            PageBreak(job_);
            p_.EmptyLine();
        }
        p_.EmptyLine();
        for (const std::string& line : lines) {
            if (line.empty())
                p_.EmptyLine();
            else
                Line(p_, 2, line);
        }
    }

    void FirstPage() {
        const std::string_view sym = d_.currencySymbol;
        Line(p_, 32, Say(loan_ ? kLoanTableTitle : kMortgageTableTitle));
        Line(p_, 2, kTablesRule);
        p_.EmptyLine();
        Line(p_, 2, Say(loan_ ? kLoanInputs1 : kMortgageInputs1));
        Line(p_, 2, Say(loan_ ? kLoanInputs2 : kMortgageInputs2));
        const double percent = static_cast<double>(d_.paymentIncrease * 100.0f);
        p_.Print({At(2), Text(Say(loan_ ? kLoanInputs3 : kMortgageInputs3)),
                  Text(RightJustify(FormatNumber(percent, kPercentMask), 9)), Text("%")});
        p_.EmptyLine();
        const std::string increase =
            d_.paymentIncrease > 0.0f ? Rejustify(boxes_.increaseAmount, 9) : RightJustify(sym, 9);
        Fields(p_, {At(2), Text(RightJustify(MoneyText(sym, d_.principal, kNarrowMoneyMask), 11)), At(14),
                    Text(RightJustify(
                        FormatNumber(d_.ratePercent, loan_ ? kRateMask : kPrintedMortgageRateMask), 6)),
                    Text("%"), At(23),
                    Text(RightJustify(FormatNumber(loan_ ? d_.years * 12.0 : d_.years, kCountMask), 4)),
                    At(36), Text(RightJustify(Say(Info(d_.compounding).listText), 14)), At(51),
                    Text(RightJustify(Say(Info(d_.frequency).listText), 14)), At(68), Text(increase)});
        Line(p_, 2, kTablesRule);
        p_.EmptyLine();
        Line(p_, 2, Say(loan_ ? kLoanResults1 : kMortgageResults1));
        Line(p_, 2, Say(kResults2));
        Line(p_, 2, Say(loan_ ? kLoanResults3 : kMortgageResults3));
        p_.EmptyLine();
        Fields(p_, {At(2), Text(boxes_.daysInYear), At(9), Text(Rejustify(boxes_.rateFactor, 10)), At(19),
                    Text(RightJustify(
                        FormatNumber(static_cast<double>(r_.summary.paymentsPerYear), kTwoDecimalsMask), 7)),
                    At(31), Text(Rejustify(boxes_.yearsToFinal, 6)), At(40),
                    Text(Rejustify(boxes_.payment, 10)), At(53), Text(Rejustify(boxes_.totalPaid, 12)),
                    At(65), Text(Rejustify(boxes_.interestSaved, 12))});
        Line(p_, 2, kTablesRule);
        p_.EmptyLine();
        ColumnHeaders();
    }

    void ColumnHeaders() {
        Line(p_, 2, Say(kLineA));
        Line(p_, 2, lineB_);
        Line(p_, 2, kTablesRule);
        p_.EmptyLine();
    }

    void BreakWithHeaders() {
        PageBreak(job_);
        p_.EmptyLine();
        ColumnHeaders();
    }

    void Row(const ScheduleRow& row) {
        std::string first;
        const double number = static_cast<double>(row.number);
        if (r_.showDates) {
            first = d_.formatDate ? d_.formatDate(row.date) : IsoDate(row.date);
        } else if (annual_) {
            first = RightJustify(FormatNumber(number, kRowNumberMask), 5);
        } else {
            first = RightJustify(FormatNumber(number, kRowNumberMask), 4);
            first.append(RightJustify(FormatNumber(static_cast<double>(row.year), kCountMask), 3));
        }
        Fields(p_,
               {At(2), Text(first), At(13), Text(RightJustify(FormatNumber(row.interest, kWideMoneyMask), 9)),
                At(25), Text(RightJustify(FormatNumber(row.principal, kWideMoneyMask), 9)), At(36),
                Text(RightJustify(FormatNumber(row.balance, kWideMoneyMask), 12)), At(50),
                Text(RightJustify(FormatNumber(row.cumulativeInterest, kWideMoneyMask), 12)), At(65),
                Text(RightJustify(FormatNumber(row.cumulativePrincipal, kWideMoneyMask), 12))});
    }

    void Totals(const ScheduleRow& last) {
        Line(p_, 2, kTablesRule);
        p_.EmptyLine();
        const std::string label =
            r_.termYears == 0 ? Say(kTotalLabel) : Fill(Say(kTermLabel), {std::to_string(r_.termYears)});
        const std::string_view sym = d_.currencySymbol;
        Fields(p_, {At(2), Text(label), At(36), Text(Money(sym, last.balance, kWideMoneyMask, 12)), At(50),
                    Text(Money(sym, last.cumulativeInterest, kWideMoneyMask, 12)), At(65),
                    Text(Money(sym, last.cumulativePrincipal, kWideMoneyMask, 12))});
    }

    std::string Say(std::string_view english) const { return words_.Text(english); }

    LinePrinter& p_;
    const TablesPrintData& d_;
    const ScheduleResult& r_;
    const Catalogue& words_;
    PrintJob job_;
    ScheduleBoxTexts boxes_;
    bool loan_;
    bool annual_;
    std::string lineB_;
};

}  // namespace

std::optional<Message> PrintTablesReport(LinePrinter& printer, const TablesPrintData& data,
                                         const ScheduleResult& result, std::int16_t fontChoice,
                                         const Catalogue& words) {
    if (result.resultsReady == 0 || !result.calculated) return Message::NothingToPrint;
    TablesReport(printer, data, result, fontChoice, words).Print();
    return std::nullopt;
}

// ---------------------------------------------------------------------------

std::optional<Message> PrintComparisonReport(LinePrinter& p, const ComparisonPrintData& d,
                                             std::int16_t fontChoice, const Catalogue& words) {
    if (d.rowsToGraph <= 0) return Message::NothingToPrint;
    const auto say = [&words](std::string_view english) { return words.Text(english); };
    PrintJob job{p, fontChoice, 0, &words};
    PrinterSetup(job);
    Line(p, 2, FittedHeader(d.header));
    p.EmptyLine();
    Line(p, 32, say(kComparisonTitle));
    Line(p, 2, kComparisonRule);
    p.EmptyLine();
    Line(p, 2, say(kComparisonHeader1));
    Line(p, 2, say(kComparisonHeader2));
    Line(p, 2, say(kComparisonHeader3));
    Line(p, 2, kComparisonRule);
    p.EmptyLine();
    // The row lines start at the margin; the text's last line break and the
    // statement's own end leave one empty line below them.
    p.Print({Text(d.printoutText)});
    // Four lines a row, and one more for each of its rate changes.
    int used = 12;
    for (std::size_t at = d.printoutText.find("\r\n"); at != std::string::npos;
         at = d.printoutText.find("\r\n", at + 2))
        ++used;

    if (d.greatestEntryCount > 0) {
        Line(p, kListingTitleColumn, say(kListingTitle));
        Line(p, 2, kComparisonRule);
        p.EmptyLine();
        used += 2;
        const int lastIndex = std::clamp<int>(d.greatestListingIndex, 0, kListingIndexes - 1);
        bool breakDue = false;
        const auto group = [&](int first, int last, int entries) {
            const int lastRow = std::clamp(entries, 0, kListingRows - 1);
            for (int r = 0; r <= lastRow; ++r) {
                // The break waits for a row to follow, so no page ends up holding only the title.
                if (breakDue) {
                    p.NewPage();
                    PrinterSetup(job);
                    p.EmptyLine();
                    Line(p, kListingTitleColumn, say(kListingTitle));
                    p.EmptyLine();
                    Line(p, 2, kComparisonRule);
                    p.EmptyLine();
                    used = 4;
                    breakDue = false;
                }
                std::vector<PrintItem> items;
                for (int c = first; c <= last; ++c) {
                    const auto rr = static_cast<std::size_t>(r), cc = static_cast<std::size_t>(c);
                    items.push_back(At(1 + kListingColumnStep * (c - first)));
                    items.push_back(Text(ListingCell(d.labels[rr][cc], d.amounts[rr][cc], r == 0)));
                }
                p.Print(items);
                Line(p, 2, kComparisonRule);
                p.EmptyLine();
                used += 3;
                if (used >= job.pageLines) breakDue = true;
            }
        };
        group(0, std::min(4, lastIndex), d.groupEntryCounts[0]);
        if (lastIndex >= 5) group(5, std::min(9, lastIndex), d.groupEntryCounts[1]);
    }
    EndPrintout(job);
    return std::nullopt;
}

ComparisonPrintData PrintDataFor(const ComparisonState& state, std::string header) {
    ComparisonPrintData data;
    data.header = std::move(header);
    data.printoutText = state.printout;
    data.labels = state.listingLabels;
    data.amounts = state.listingAmounts;
    data.greatestEntryCount = static_cast<std::int16_t>(state.greatestEntries);
    for (std::size_t g = 0; g < data.groupEntryCounts.size(); ++g)
        data.groupEntryCounts[g] = static_cast<std::int16_t>(state.greatestEntriesByGroup[g]);
    data.greatestListingIndex = static_cast<std::int16_t>(state.greatestListingIndex);
    data.rowsToGraph = state.rowsToGraph;
    return data;
}

// ---------------------------------------------------------------------------

TextReport RenderTablesReport(const TablesPrintData& data, const ScheduleResult& result,
                              std::int16_t fontChoice, const Catalogue& words) {
    TextReport report;
    TextPrinter printer;
    if (const auto message = PrintTablesReport(printer, data, result, fontChoice, words)) {
        report.message = *message;
        return report;
    }
    report.pages = printer.Pages();
    return report;
}

TextReport RenderComparisonReport(const ComparisonPrintData& data, std::int16_t fontChoice,
                                  const Catalogue& words) {
    TextReport report;
    TextPrinter printer;
    if (const auto message = PrintComparisonReport(printer, data, fontChoice, words)) {
        report.message = *message;
        return report;
    }
    report.pages = printer.Pages();
    return report;
}

}  // namespace amortix
