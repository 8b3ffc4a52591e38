#include "core/forms/comparison_texts.h"

#include <algorithm>

#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

std::string IncreaseText(float increase, int width) {
    return RightJustify(FormatNumber(static_cast<double>(increase * 100.0f), kRowPercentMask), width);
}

std::string DaysText(const ComparisonRow& row) {
    return ComparisonDaysText(row.paymentsPerYear, row.daysInYear);
}

}  // namespace

std::string ComparisonDaysText(std::int16_t paymentsPerYear, std::optional<float> daysInYear,
                               const Catalogue& words) {
    return DaysInYearText(paymentsPerYear, daysInYear.value_or(0.0f), words);
}

std::string ComparisonRateFactorText(double rateFactor) {
    return FormatNumber(rateFactor, kPeriodicRateMask);
}

Grid1Row ComparisonRowCells(const ComparisonRow& row, std::string_view symbol) {
    std::string retired = row.starred ? "*" : "";
    retired.append(FormatNumber(row.retiredYear, kTwoDecimalsMask));
    std::string payments = FormatNumber(static_cast<double>(row.paymentsPerYear), kCountMask);
    payments.push_back(' ');
    return {FormatNumber(static_cast<double>(row.number), kRowLabelMask),
            DaysText(row),
            TrimLeft(Info(row.compounding).listText),
            TrimLeft(Info(row.frequency).listText),
            FormatNumber(row.years, kCountMask),
            retired,
            payments,
            MoneyText(symbol, row.principal, kWideMoneyMask),
            FormatNumber(row.ratePercent, kRateMask),
            MoneyText(symbol, row.payment, kNarrowMoneyMask),
            IncreaseText(row.increase, 6),
            MoneyText(symbol, row.totalInterest, kWideMoneyMask)};
}

std::string ComparisonRowLines(const ComparisonRow& row, std::string_view symbol) {
    std::string days = DaysText(row);
    // The printout shows the grid's days with two decimals; "Normal" passes unchanged.
    if (days.find_first_of("0123456789") != std::string::npos)
        days = FormatNumber(ParseNumber(days), kTwoDecimalsMask);

    std::string out = " ";
    out.append(FormatNumber(static_cast<double>(row.number), kRowLabelMask));
    out.append("  ");
    out.append(RightJustify(days, 6));
    out.append("  ");
    out.append(TrimLeft(Info(row.compounding).listText));
    out.append("  ");
    out.append(TrimLeft(Info(row.frequency).listText));
    out.append("  ");
    out.append(IncreaseText(row.increase, 5));
    out.append("% Was added to regular P+I payment\r\n\r\n");

    out.append(14, ' ');
    out.append(RightJustify(FormatNumber(row.years, kCountMask), 3));
    out.append(row.starred ? "    *" : "     ");
    out.append(RightJustify(FormatNumber(row.retiredYear, kTwoDecimalsMask), 5));
    out.push_back(' ');
    out.append(RightJustify(FormatNumber(static_cast<double>(row.paymentsPerYear), kCountMask), 4));
    out.push_back(' ');
    out.append(RightJustify(MoneyText(symbol, row.principal, kWideMoneyMask), 13));
    out.push_back(' ');
    out.append(RightJustify(FormatNumber(row.ratePercent, kRateMask), 7));
    out.push_back(' ');
    out.append(RightJustify(MoneyText(symbol, row.payment, kNarrowMoneyMask), 10));
    out.append(RightJustify(MoneyText(symbol, row.totalInterest, kWideMoneyMask), 13));
    out.append("\r\n");
    // Below the figures, one line for each rate change of the row.
    for (const std::string& line : ComparisonRowChanges(row, symbol)) {
        out.append(14, ' ');
        out.append(line);
        out.append("\r\n");
    }
    out.append("\r\n");
    return out;
}

std::vector<std::string> ComparisonRowChanges(const ComparisonRow& row, std::string_view symbol) {
    std::vector<std::string> lines;
    for (const AppliedRateChange& c : row.rateChanges) {
        std::string line = "Year " + RightJustify(std::to_string(c.change.year), 2) + " month " +
                           RightJustify(std::to_string(c.change.month), 2) + " " +
                           RightJustify(FormatNumber(c.change.ratePercent, kRateMask), 7) + "% " +
                           std::string(Info(c.change.payment).listText);
        line.append(c.reached ? ", payment " + MoneyText(symbol, c.payment, kNarrowMoneyMask)
                              : ", not reached");
        lines.push_back(std::move(line));
    }
    if (row.rounding == Rounding::Lender) lines.emplace_back(Info(row.rounding).listText);
    return lines;
}

namespace {

// A lump sum of the listing: month 0 stands for a whole year's.
struct LumpSum {
    std::int16_t year = 0;
    std::int16_t month = 0;
    Currency amount;
};

// The yearly and one-time amounts a row paid, one entry per year and month
// they were paid in. More than the listing holds are added up by year.
std::vector<LumpSum> LumpSums(const ComparisonRow& row) {
    std::vector<LumpSum> sums;
    for (const ComparisonExtraPayment& e : row.extraPayments)
        sums.push_back({e.year, e.month.number, e.amount});
    for (const ComparisonOneTimePayment& o : row.oneTimePayments)
        sums.push_back({o.year, o.month.number, o.amount});
    std::stable_sort(sums.begin(), sums.end(), [](const LumpSum& a, const LumpSum& b) {
        return a.year * 12 + a.month < b.year * 12 + b.month;
    });
    const auto merge = [&sums](bool byYear) {
        std::vector<LumpSum> merged;
        for (LumpSum s : sums) {
            if (byYear) s.month = 0;
            if (!merged.empty() && merged.back().year == s.year && merged.back().month == s.month)
                merged.back().amount = merged.back().amount + s.amount;
            else
                merged.push_back(s);
        }
        sums = std::move(merged);
    };
    merge(false);
    if (sums.size() >= static_cast<std::size_t>(kListingRows)) merge(true);
    return sums;
}

}  // namespace

std::vector<ListingTexts> ComparisonListing(const ComparisonRow& row) {
    std::vector<ListingTexts> listing;
    if (row.extraPayments.empty() && row.oneTimePayments.empty()) return listing;
    // Row 0 heads the column with the row number; below it the label holds
    // the year in two characters and the month with a leading blank (two
    // blanks for a year's sum).
    listing.push_back(
        {"Yr. Mth Row", RightJustify(FormatNumber(static_cast<double>(row.number), kCountMask), 3)});
    for (const LumpSum& e : LumpSums(row)) {
        std::string label = RightJustify(FormatNumber(static_cast<double>(e.year), kTwoDigitMask), 2);
        label.push_back(' ');
        label.append(e.month == 0 ? std::string("  ") : std::to_string(e.month));
        listing.push_back({std::move(label), RightJustify(FormatNumber(e.amount, kAmountMask), 10)});
    }
    return listing;
}

std::string Grid2LabelCell(const std::string& label) {
    std::string cell = label.substr(0, 2);
    cell.append("   ");
    cell.append(label.substr(label.size() - 2));
    return cell;
}

std::string Grid2RowHead(const std::string& headAmount) {
    return " Row   " + headAmount;
}

std::string ComparisonGraphLabel(int row) {
    return "Row  " + std::to_string(row);
}

}  // namespace amortix
