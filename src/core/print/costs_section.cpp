#include "core/print/costs_section.h"

#include "core/format/numfmt.h"
#include "core/forms/costs_texts.h"

namespace amortix {

namespace {

constexpr std::string_view kRule =
    "___________________________________________________________________________";
constexpr int kLabelWidth = 34;
constexpr int kAmountWidth = 13;

// A right-justified field that keeps a blank before it, however long.
std::string Column(std::string_view text, int width) {
    return RightJustify(" " + std::string(text), width);
}

class Section {
  public:
    explicit Section(std::vector<std::string>& lines) : lines_(lines) {}

    void Text(std::string line) { lines_.push_back(std::move(line)); }
    void Empty() { lines_.emplace_back(); }
    // A label, its figure and what is said of it.
    void Figure(std::string_view label, std::string_view figure, std::string_view note = {}) {
        std::string line(label);
        if (line.size() < kLabelWidth) line.resize(kLabelWidth, ' ');
        line += Column(figure, kAmountWidth);
        if (!note.empty()) line.append("   ").append(note);
        lines_.push_back(std::move(line));
    }

  private:
    std::vector<std::string>& lines_;
};

std::string Paid(FeePayment paid) {
    return paid == FeePayment::Financed ? "added to the loan" : "paid in cash";
}

void PurchaseLines(Section& s, const CostsPrint& print, const CostsTexts& t) {
    const Costs& c = print.costs;
    const Purchase& p = print.result.purchase;
    if (c.price) {
        s.Figure("Purchase price", t.purchasePrice);
        s.Figure("Down payment", t.downPayment,
                 t.minimumDownPayment.empty() ? std::string() : "minimum " + t.minimumDownPayment);
        s.Figure("Loan-to-value before any premium", t.loanToValue);
    }
    if (p.premium > 0) {
        s.Figure("Default insurance premium " + t.premiumPercent, t.premium, "added to the loan");
        if (p.premiumTax > 0) s.Figure("Sales tax on the premium", t.premiumTax, "paid in cash");
    }
    if (p.points > 0) s.Figure("Points " + t.pointsPercent, t.points, Paid(c.pointsPaid));
    if (p.lenderFees > 0) s.Figure("Lender and broker fees", t.lenderFees, Paid(c.lenderFeesPaid));
    if (p.closingCosts > 0) s.Figure("Other closing costs", t.closingCosts, Paid(c.closingCostsPaid));
    s.Figure("Principal", t.principal);
    s.Figure("Prepaid finance charges", t.prepaidFinanceCharges);
    s.Figure("Amount financed", t.amountFinanced);
    s.Figure("Cash needed at closing", t.cashAtClosing);
    if (!t.insurancePerPayment.empty()) {
        s.Figure("Insurance with each payment", t.insurancePerPayment);
        s.Figure("  It ends at", "", t.insuranceEnds);
        s.Figure("  It may end on request at", "", t.insuranceEndsOnRequest);
    }
}

void BorrowingLines(Section& s, const CostsTexts& t) {
    constexpr int kLabel = 15, kInterest = 14, kCharges = 17, kInsurance = 14, kTotal = 15;
    std::string head = "Borrowing cost";
    head.resize(kLabel, ' ');
    s.Text(head + Column("Interest", kInterest) + Column("Finance charges", kCharges) +
           Column("Insurance", kInsurance) + Column("Total", kTotal));
    const auto row = [&](std::string label, const BorrowingCostTexts& cost) {
        label.resize(kLabel, ' ');
        s.Text(label + Column(cost.interest, kInterest) + Column(cost.financeCharges, kCharges) +
               Column(cost.insurance, kInsurance) + Column(cost.total, kTotal));
    };
    row("Amortization", t.amortization);
    row(t.termCaption, t.term);
}

void MonthlyLines(Section& s, const CostsPrint& print, const CostsTexts& t, TableKind mode) {
    const MonthlyHomeCost& m = print.result.monthly;
    s.Text(mode == TableKind::Mortgage ? "Monthly cost of the home" : "Monthly cost");
    s.Figure("Principal and interest", t.principalAndInterest);
    // Only the parts entered, so a car loan's month stays short.
    if (m.propertyTax > 0) s.Figure("Property tax", t.propertyTax);
    if (m.homeInsurance > 0) s.Figure("Home insurance", t.homeInsurance);
    if (m.condoFees > 0) s.Figure("Condominium or association fees", t.condoFees);
    if (m.heating > 0) s.Figure("Heating", t.heating);
    if (m.mortgageInsurance > 0)
        s.Figure("Mortgage insurance", t.mortgageInsurance,
                 "until payment " + std::to_string(print.result.insuranceEnds.payment));
    s.Figure("Total", t.monthlyTotal);
}

}  // namespace

std::optional<CostsPrint> CostsPrintFor(const ScheduleInputs& in, const Costs& costs) {
    if (!costs.Given()) return std::nullopt;
    return CostsPrint{costs, CalculateCosts(in, costs)};
}

std::vector<std::string> CostsSectionLines(const CostsPrint& print, TableKind mode, std::string_view symbol,
                                           const DateFormatter& formatDate) {
    std::vector<std::string> lines;
    if (!print.result.calculated) return lines;
    const CostsTexts t = CostsTextsFor(print.result, print.costs, symbol, formatDate);
    Section s(lines);
    s.Text("Costs (estimates: the lender's disclosure governs)");
    s.Text(std::string(kRule));
    s.Empty();
    PurchaseLines(s, print, t);
    s.Empty();
    s.Figure("Annual percentage rate (estimate)", t.apr);
    s.Figure("Effective annual rate", t.effectiveAnnualRate);
    s.Empty();
    BorrowingLines(s, t);
    s.Empty();
    MonthlyLines(s, print, t, mode);
    return lines;
}

}  // namespace amortix
