#include "core/print/costs_section.h"

#include <algorithm>

#include "core/format/numfmt.h"
#include "core/forms/costs_texts.h"

namespace amortix {

namespace {

constexpr std::string_view kRule =
    "___________________________________________________________________________";
constexpr int kLabelWidth = 34;
constexpr int kAmountWidth = 13;

constexpr const char* kTitle = AMX_TEXT("Costs (estimates: the lender's disclosure governs)");
constexpr const char* kPurchasePrice = AMX_TEXT("Purchase price");
constexpr const char* kDownPayment = AMX_TEXT("Down payment");
constexpr const char* kMinimum = AMX_TEXT("minimum %1");
constexpr const char* kLoanToValue = AMX_TEXT("Loan-to-value before any premium");
// %1 the premium's percentage.
constexpr const char* kPremium = AMX_TEXT("Default insurance premium %1");
constexpr const char* kPremiumTax = AMX_TEXT("Sales tax on the premium");
// %1 the points' percentage.
constexpr const char* kPoints = AMX_TEXT("Points %1");
constexpr const char* kLenderFees = AMX_TEXT("Lender and broker fees");
constexpr const char* kClosingCosts = AMX_TEXT("Other closing costs");
constexpr const char* kPrincipal = AMX_TEXT("Principal");
constexpr const char* kPrepaidCharges = AMX_TEXT("Prepaid finance charges");
constexpr const char* kAmountFinanced = AMX_TEXT("Amount financed");
constexpr const char* kCashAtClosing = AMX_TEXT("Cash needed at closing");
constexpr const char* kInsurancePerPayment = AMX_TEXT("Insurance with each payment");
constexpr const char* kInsuranceEnds = AMX_TEXT("  It ends at");
constexpr const char* kInsuranceEndsOnRequest = AMX_TEXT("  It may end on request at");
constexpr const char* kApr = AMX_TEXT("Annual percentage rate (estimate)");
constexpr const char* kEffectiveRate = AMX_TEXT("Effective annual rate");
constexpr const char* kMonthlyHome = AMX_TEXT("Monthly cost of the home");
constexpr const char* kMonthly = AMX_TEXT("Monthly cost");
constexpr const char* kPrincipalAndInterest = AMX_TEXT("Principal and interest");
constexpr const char* kPropertyTax = AMX_TEXT("Property tax");
constexpr const char* kHomeInsurance = AMX_TEXT("Home insurance");
constexpr const char* kCondoFees = AMX_TEXT("Condominium or association fees");
constexpr const char* kHeating = AMX_TEXT("Heating");
constexpr const char* kMortgageInsurance = AMX_TEXT("Mortgage insurance");
constexpr const char* kUntilPayment = AMX_TEXT("until payment %1");
constexpr const char* kTotal = AMX_TEXT("Total");
constexpr const char* kAddedToLoan = AMX_TEXT("added to the loan");
constexpr const char* kPaidInCash = AMX_TEXT("paid in cash");
// The borrowing cost table's heads.
constexpr const char* kBorrowingCost = AMX_TEXT("Borrowing cost");
constexpr const char* kInterest = AMX_TEXT("Interest");
constexpr const char* kFinanceCharges = AMX_TEXT("Finance charges");
constexpr const char* kInsurance = AMX_TEXT("Insurance");
constexpr const char* kAmortization = AMX_TEXT("Amortization");

// The labels of the figure lines: the column of figures starts past the
// longest of them in the language printed.
constexpr const char* kFigureLabels[] = {kPurchasePrice,
                                         kDownPayment,
                                         kLoanToValue,
                                         kPremiumTax,
                                         kLenderFees,
                                         kClosingCosts,
                                         kPrincipal,
                                         kPrepaidCharges,
                                         kAmountFinanced,
                                         kCashAtClosing,
                                         kInsurancePerPayment,
                                         kInsuranceEnds,
                                         kInsuranceEndsOnRequest,
                                         kApr,
                                         kEffectiveRate,
                                         kPrincipalAndInterest,
                                         kPropertyTax,
                                         kHomeInsurance,
                                         kCondoFees,
                                         kHeating,
                                         kMortgageInsurance,
                                         kTotal};

// Characters, not bytes: a translated label may hold accented letters.
std::size_t Width(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string PadRight(std::string text, std::size_t width) {
    const std::size_t w = Width(text);
    if (w < width) text.append(width - w, ' ');
    return text;
}

// A right-justified field that keeps a blank before it, however long.
std::string Column(std::string_view text, std::size_t width) {
    const std::size_t w = Width(text) + 1;
    return std::string(w < width ? width - w : 0, ' ') + " " + std::string(text);
}

class Section {
  public:
    Section(std::vector<std::string>& lines, const Catalogue& words) : lines_(lines), words_(words) {
        for (const char* label : kFigureLabels)
            labelWidth_ = std::max(labelWidth_, Width(words.Text(label)) + 1);
    }

    const Catalogue& Words() const { return words_; }
    std::string Say(const char* text) const { return words_.Text(text); }
    void Text(std::string line) { lines_.push_back(std::move(line)); }
    void Empty() { lines_.emplace_back(); }
    // A label, its figure and what is said of it.
    void Figure(std::string_view label, std::string_view figure, std::string_view note = {}) {
        std::string line = PadRight(std::string(label), labelWidth_) + Column(figure, kAmountWidth);
        if (!note.empty()) line.append("   ").append(note);
        lines_.push_back(std::move(line));
    }
    void Figure(const char* label, std::string_view figure, std::string_view note = {}) {
        Figure(std::string_view(Say(label)), figure, note);
    }

  private:
    std::vector<std::string>& lines_;
    const Catalogue& words_;
    std::size_t labelWidth_ = kLabelWidth;
};

std::string Paid(const Section& s, FeePayment paid) {
    return s.Say(paid == FeePayment::Financed ? kAddedToLoan : kPaidInCash);
}

void PurchaseLines(Section& s, const CostsPrint& print, const CostsTexts& t) {
    const Costs& c = print.costs;
    const Purchase& p = print.result.purchase;
    if (c.price) {
        s.Figure(kPurchasePrice, t.purchasePrice);
        s.Figure(
            kDownPayment, t.downPayment,
            t.minimumDownPayment.empty() ? std::string() : Fill(s.Say(kMinimum), {t.minimumDownPayment}));
        s.Figure(kLoanToValue, t.loanToValue);
    }
    if (p.premium > 0) {
        s.Figure(std::string_view(Fill(s.Say(kPremium), {t.premiumPercent})), t.premium, s.Say(kAddedToLoan));
        if (p.premiumTax > 0) s.Figure(kPremiumTax, t.premiumTax, s.Say(kPaidInCash));
    }
    if (p.points > 0)
        s.Figure(std::string_view(Fill(s.Say(kPoints), {t.pointsPercent})), t.points, Paid(s, c.pointsPaid));
    if (p.lenderFees > 0) s.Figure(kLenderFees, t.lenderFees, Paid(s, c.lenderFeesPaid));
    if (p.closingCosts > 0) s.Figure(kClosingCosts, t.closingCosts, Paid(s, c.closingCostsPaid));
    s.Figure(kPrincipal, t.principal);
    s.Figure(kPrepaidCharges, t.prepaidFinanceCharges);
    s.Figure(kAmountFinanced, t.amountFinanced);
    s.Figure(kCashAtClosing, t.cashAtClosing);
    if (!t.insurancePerPayment.empty()) {
        s.Figure(kInsurancePerPayment, t.insurancePerPayment);
        s.Figure(kInsuranceEnds, "", t.insuranceEnds);
        s.Figure(kInsuranceEndsOnRequest, "", t.insuranceEndsOnRequest);
    }
}

void BorrowingLines(Section& s, const CostsTexts& t) {
    // Each column as wide as it always was, or wider for a longer head.
    const std::string heads[] = {s.Say(kBorrowingCost), s.Say(kInterest), s.Say(kFinanceCharges),
                                 s.Say(kInsurance), s.Say(kTotal)};
    std::size_t widths[] = {15, 14, 17, 14, 15};
    for (std::size_t i = 1; i < 5; ++i) widths[i] = std::max(widths[i], Width(heads[i]) + 1);
    const std::string amortization = s.Say(kAmortization);
    for (const std::string* label : {&heads[0], &amortization, &t.termCaption})
        widths[0] = std::max(widths[0], Width(*label) + 1);
    const auto line = [&](const std::string& label, const std::string& interest, const std::string& charges,
                          const std::string& insurance, const std::string& total) {
        s.Text(PadRight(label, widths[0]) + Column(interest, widths[1]) + Column(charges, widths[2]) +
               Column(insurance, widths[3]) + Column(total, widths[4]));
    };
    line(heads[0], heads[1], heads[2], heads[3], heads[4]);
    const auto row = [&](const std::string& label, const BorrowingCostTexts& cost) {
        line(label, cost.interest, cost.financeCharges, cost.insurance, cost.total);
    };
    row(amortization, t.amortization);
    row(t.termCaption, t.term);
}

void MonthlyLines(Section& s, const CostsPrint& print, const CostsTexts& t, TableKind mode) {
    const MonthlyHomeCost& m = print.result.monthly;
    s.Text(s.Say(mode == TableKind::Mortgage ? kMonthlyHome : kMonthly));
    s.Figure(kPrincipalAndInterest, t.principalAndInterest);
    // Only the parts entered, so a car loan's month stays short.
    if (m.propertyTax > 0) s.Figure(kPropertyTax, t.propertyTax);
    if (m.homeInsurance > 0) s.Figure(kHomeInsurance, t.homeInsurance);
    if (m.condoFees > 0) s.Figure(kCondoFees, t.condoFees);
    if (m.heating > 0) s.Figure(kHeating, t.heating);
    if (m.mortgageInsurance > 0)
        s.Figure(kMortgageInsurance, t.mortgageInsurance,
                 Fill(s.Say(kUntilPayment), {std::to_string(print.result.insuranceEnds.payment)}));
    s.Figure(kTotal, t.monthlyTotal);
}

}  // namespace

std::optional<CostsPrint> CostsPrintFor(const ScheduleInputs& in, const Costs& costs) {
    if (!costs.Given()) return std::nullopt;
    return CostsPrint{costs, CalculateCosts(in, costs)};
}

std::vector<std::string> CostsSectionLines(const CostsPrint& print, TableKind mode, std::string_view symbol,
                                           const DateFormatter& formatDate, const Catalogue& words) {
    std::vector<std::string> lines;
    if (!print.result.calculated) return lines;
    const CostsTexts t = CostsTextsFor(print.result, print.costs, symbol, formatDate, words);
    Section s(lines, words);
    s.Text(s.Say(kTitle));
    s.Text(std::string(kRule));
    s.Empty();
    PurchaseLines(s, print, t);
    s.Empty();
    s.Figure(kApr, t.apr);
    s.Figure(kEffectiveRate, t.effectiveAnnualRate);
    s.Empty();
    BorrowingLines(s, t);
    s.Empty();
    MonthlyLines(s, print, t, mode);
    return lines;
}

}  // namespace amortix
