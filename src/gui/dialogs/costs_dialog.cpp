#include "dialogs/costs_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <vector>

#include "dialogs/additional_payments_dialog.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/screen_parts.h"
#include "shell/twips.h"

namespace amortix::gui {

void ShowCostsInForce(QWidget* indicator, bool inForce) {
    // The same red panel as the additional payments' indicator.
    ShowAdditionalPaymentsInForce(indicator, inForce);
}

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using amortix::CostsBox;

// The boxes' control and caption names, in the order of amortix::kCostsBoxes.
struct BoxNames {
    QLineEdit* CostsDialog::*box;
    const char* name;
    const char* captionName;
};
constexpr std::array<BoxNames, amortix::kCostsBoxes.size()> kBoxNames = {{
    {&CostsDialog::InPrice, "InPrice", "CostsLabelInPrice"},
    {&CostsDialog::InDownPayment, "InDownPayment", "CostsLabelInDownPayment"},
    {&CostsDialog::InPoints, "InPoints", "CostsLabelInPoints"},
    {&CostsDialog::InLenderFees, "InLenderFees", "CostsLabelInLenderFees"},
    {&CostsDialog::InClosingCosts, "InClosingCosts", "CostsLabelInClosingCosts"},
    {&CostsDialog::InInsuranceRate, "InInsuranceRate", "CostsLabelInInsuranceRate"},
    {&CostsDialog::InPremiumTax, "InPremiumTax", "CostsLabelInPremiumTax"},
    {&CostsDialog::InPropertyTax, "InPropertyTax", "CostsLabelInPropertyTax"},
    {&CostsDialog::InHomeInsurance, "InHomeInsurance", "CostsLabelInHomeInsurance"},
    {&CostsDialog::InCondoFees, "InCondoFees", "CostsLabelInCondoFees"},
    {&CostsDialog::InHeating, "InHeating", "CostsLabelInHeating"},
    {&CostsDialog::InCostTerm, "InCostTerm", "CostsLabelInCostTerm"},
}};

// The result boxes with the captions they are shown under; the term's
// caption is made when the term is known.
struct ResultRow {
    QLineEdit* CostsDialog::*box;
    const char* name;
    const char* captionName;
    std::string_view caption;
};
constexpr ResultRow kResultRows[] = {
    {&CostsDialog::CostsApr, "CostsApr", "CostsLabelApr", amortix::kAprCaption},
    {&CostsDialog::CostsEffectiveRate, "CostsEffectiveRate", "CostsLabelEffectiveRate",
     amortix::kEffectiveRateCaption},
    {&CostsDialog::CostsAmountFinanced, "CostsAmountFinanced", "CostsLabelAmountFinanced",
     amortix::kAmountFinancedCaption},
    {&CostsDialog::CostsCashAtClosing, "CostsCashAtClosing", "CostsLabelCashAtClosing",
     amortix::kCashAtClosingCaption},
    {&CostsDialog::CostsBorrowingAll, "CostsBorrowingAll", "CostsLabelBorrowingAll",
     amortix::kCostOverAmortizationCaption},
    {&CostsDialog::CostsBorrowingTerm, "CostsBorrowingTerm", "CostsLabelBorrowingTerm", {}},
    {&CostsDialog::CostsPremium, "CostsPremium", "CostsLabelPremium", amortix::kPremiumCaption},
    {&CostsDialog::CostsInsuranceEnds, "CostsInsuranceEnds", "CostsLabelInsuranceEnds",
     amortix::kInsuranceEndsCaption},
    {&CostsDialog::CostsInsuranceEndsOnRequest, "CostsInsuranceEndsOnRequest",
     "CostsLabelInsuranceEndsOnRequest", amortix::kInsuranceEndsOnRequestCaption},
    {&CostsDialog::CostsPrincipalInterest, "CostsPrincipalInterest", "CostsLabelPrincipalInterest",
     amortix::kPrincipalAndInterestCaption},
    {&CostsDialog::CostsPropertyTax, "CostsPropertyTax", "CostsLabelPropertyTax",
     amortix::kPropertyTaxMonthCaption},
    {&CostsDialog::CostsHomeInsurance, "CostsHomeInsurance", "CostsLabelHomeInsurance",
     amortix::kHomeInsuranceMonthCaption},
    {&CostsDialog::CostsCondoFees, "CostsCondoFees", "CostsLabelCondoFees", amortix::kCondoFeesMonthCaption},
    {&CostsDialog::CostsHeating, "CostsHeating", "CostsLabelHeating", amortix::kHeatingMonthCaption},
    {&CostsDialog::CostsMortgageInsurance, "CostsMortgageInsurance", "CostsLabelMortgageInsurance",
     amortix::kMortgageInsuranceMonthCaption},
    {&CostsDialog::CostsMonthlyTotal, "CostsMonthlyTotal", "CostsLabelMonthlyTotal",
     amortix::kMonthlyTotalCaption},
};

}  // namespace

QLabel* CostsDialog::CaptionOf(const QWidget* box) const {
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->buddy() == box) return label;
    return nullptr;
}

CostsDialog::CostsDialog(ScreenContext& context, const amortix::ScheduleInputs& inputs, amortix::Costs& costs,
                         QWidget* indicator, QWidget* parent)
    : QDialog(parent), context_(context), inputs_(inputs), costs_(costs), indicator_(indicator) {
    setObjectName("CostsDialog");
    setWindowTitle(Tr("Costs"));
    MakeControls();
    AttachEntries();
    LayOut();
    ShowEntries(amortix::EntriesFor(costs_, inputs_.currencySymbol));
    ClearResults();
    // Costs in force show their figures at once; a refusal waits for Calculate.
    if (costs_.Given()) Calculate(false);
    context_.state.EntryEdited = false;
    InPrice->setFocus();
    PlaceDialog(this, context_.state, &context_.frame, QPoint(600, 300), QPoint(1500, 900));
}

CostsDialog::~CostsDialog() = default;

void CostsDialog::MakeControls() {
    for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
        const auto& names = kBoxNames[i];
        this->*names.box =
            MakeInputRow<QLineEdit>(this, names.captionName, Q(amortix::kCostsBoxes[i].caption), names.name)
                .second;
        (this->*names.box)->setAlignment(Qt::AlignRight);
    }
    std::tie(std::ignore, PointsPaid) = MakeChoiceRow(
        this, "CostsLabelPointsPaid", Q(amortix::kPointsPaidCaption), "PointsPaid", amortix::kFeePayments);
    std::tie(std::ignore, LenderFeesPaid) =
        MakeChoiceRow(this, "CostsLabelFeesPaid", Q(amortix::kLenderFeesPaidCaption), "LenderFeesPaid",
                      amortix::kFeePayments);
    std::tie(std::ignore, ClosingCostsPaid) =
        MakeChoiceRow(this, "CostsLabelClosingPaid", Q(amortix::kClosingCostsPaidCaption), "ClosingCostsPaid",
                      amortix::kFeePayments);
    std::tie(std::ignore, Insurance) = MakeChoiceRow(
        this, "CostsLabelInsurance", Q(amortix::kInsuranceCaption), "Insurance", amortix::kInsuranceKinds);
    for (const auto& row : kResultRows)
        this->*row.box = MakeResultRow(this, row.captionName, Q(row.caption), row.name).second;
    CostsLabelTerm = CaptionOf(CostsBorrowingTerm);

    CostsPrincipalNote = MakeCaption(this, "CostsPrincipalNote", {});
    CostsPrincipalNote->setWordWrap(true);
    CostsEstimates = MakeCaption(this, "CostsEstimates", Q(amortix::kEstimatesNote));
    CostsEstimates->setWordWrap(true);

    CostsCalc = MakeCommand(this, "CostsCalc", AMX_TEXT("&Calculate"), [this] { Calculate(true); });
    CostsErase = MakeCommand(this, "CostsErase", AMX_TEXT("&Erase"), &CostsDialog::EraseAll);
    CostsOK = MakeCommand(this, "CostsOK", AMX_TEXT("&OK"), &QDialog::accept);
    // Enter on a focused button presses it; elsewhere the boxes move on.
    for (QPushButton* button : {CostsCalc, CostsErase}) button->setAutoDefault(true);
    CostsOK->setDefault(true);
}

QLineEdit* CostsDialog::Box(CostsBox box) const {
    return this->*kBoxNames[static_cast<std::size_t>(box)].box;
}

void CostsDialog::AttachEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    const auto clear = [this] { ClearResults(); };
    // Enter walks the boxes with each list after the box it belongs to.
    const std::vector<QWidget*> order = {InPrice,         InDownPayment,   InPoints,       PointsPaid,
                                         InLenderFees,    LenderFeesPaid,  InClosingCosts, ClosingCostsPaid,
                                         Insurance,       InInsuranceRate, InPremiumTax,   InPropertyTax,
                                         InHomeInsurance, InCondoFees,     InHeating,      InCostTerm,
                                         CostsCalc,       CostsErase,      CostsOK};
    const std::string symbol = inputs_.currencySymbol;
    for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
        const CostsBox id = amortix::kCostsBoxes[i].id;
        QLineEdit* box = Box(id);
        const auto at = std::find(order.begin(), order.end(), box);
        NumericEntry::Options options;
        const amortix::CostsFigure figure = amortix::Info(id).figure;
        options.kind =
            figure == amortix::CostsFigure::Years ? NumericEntry::Kind::Whole : NumericEntry::Kind::Decimal;
        options.decimals = figure == amortix::CostsFigure::Percent ? 3 : 2;
        options.clearResults = clear;
        options.next = *(at + 1);
        // The form reads the boxes when a button is pressed; an emptied
        // price or premium stays empty.
        options.store = [box, id, symbol](double) {
            return Q(amortix::CostsBoxTextFor(id, box->text().toStdString(), symbol));
        };
        NumericEntry::Attach(state, interaction, box, options);
    }
    for (QComboBox* list : {PointsPaid, LenderFeesPaid, ClosingCostsPaid, Insurance}) {
        ChoiceList::Options choice;
        choice.clearResults = clear;
        choice.next = *(std::find(order.begin(), order.end(), list) + 1);
        ChoiceList::Attach(state, interaction, list, choice);
    }
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

void CostsDialog::LayOut() {
    const int chars = QFontMetrics(font()).averageCharWidth();
    // The boxes as wide as the lists' longest choice shown whole.
    int boxWidth = chars * 16;
    for (const QComboBox* list : {PointsPaid, LenderFeesPaid, ClosingCostsPaid, Insurance})
        boxWidth = std::max(boxWidth, list->sizeHint().width());
    auto* inputs = new QGridLayout;
    const auto addRow = [&](QWidget* box) {
        const int row = inputs->rowCount();
        inputs->addWidget(CaptionOf(box), row, 0);
        inputs->addWidget(box, row, 1);
        box->setFixedWidth(boxWidth);
    };
    for (QWidget* box : std::initializer_list<QWidget*>{
             InPrice, InDownPayment, InPoints, PointsPaid, InLenderFees, LenderFeesPaid, InClosingCosts,
             ClosingCostsPaid, Insurance, InInsuranceRate, InPremiumTax, InPropertyTax, InHomeInsurance,
             InCondoFees, InHeating, InCostTerm})
        addRow(box);
    inputs->setRowStretch(inputs->rowCount(), 1);

    auto* results = new QGridLayout;
    for (const auto& row : kResultRows) {
        QLineEdit* box = this->*row.box;
        const int at = results->rowCount();
        results->addWidget(CaptionOf(box), at, 0);
        results->addWidget(box, at, 1);
        box->setFixedWidth(chars * 24);
    }
    results->setRowStretch(results->rowCount(), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs);
    columns->addSpacing(chars * 3);
    columns->addLayout(results);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CostsCalc);
    buttons->addWidget(CostsErase);
    buttons->addStretch();
    buttons->addWidget(CostsOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CostsPrincipalNote);
    layout->addWidget(CostsEstimates);
    layout->addLayout(buttons);
}

amortix::CostsEntries CostsDialog::Entries() const {
    amortix::CostsEntries entries;
    for (const auto& info : amortix::kCostsBoxes) entries[info.id] = Box(info.id)->text().toStdString();
    entries.pointsPaid = ChoiceOf(PointsPaid, amortix::kFeePayments);
    entries.lenderFeesPaid = ChoiceOf(LenderFeesPaid, amortix::kFeePayments);
    entries.closingCostsPaid = ChoiceOf(ClosingCostsPaid, amortix::kFeePayments);
    entries.insurance = ChoiceOf(Insurance, amortix::kInsuranceKinds);
    return entries;
}

void CostsDialog::ShowEntries(const amortix::CostsEntries& entries) {
    for (const auto& info : amortix::kCostsBoxes) Box(info.id)->setText(Q(entries[info.id]));
    ShowChoice(PointsPaid, amortix::kFeePayments, entries.pointsPaid);
    ShowChoice(LenderFeesPaid, amortix::kFeePayments, entries.lenderFeesPaid);
    ShowChoice(ClosingCostsPaid, amortix::kFeePayments, entries.closingCostsPaid);
    ShowChoice(Insurance, amortix::kInsuranceKinds, entries.insurance);
}

std::optional<amortix::Costs> CostsDialog::Calculate(bool tell) {
    ClearResults();
    context_.state.EntryEdited = false;
    const amortix::CostsRead read = amortix::ReadEntries(Entries(), inputs_.currencySymbol);
    if (read.message) {
        if (tell) context_.interaction.ShowMessage(*read.message);
        return std::nullopt;
    }
    const amortix::CostsOutcome outcome = amortix::WorkOutCosts(inputs_, *read.costs, WindowCatalogue());
    if (tell)
        for (const amortix::Message message : outcome.messages)
            context_.interaction.ShowMessage(message, Q(outcome.detail));
    // Costs the purchase refuses are not kept; a schedule that has no
    // result of its own is the screen's to report.
    if (!outcome.result.purchase.messages.empty()) return std::nullopt;
    ShowResults(outcome);
    return read.costs;
}

void CostsDialog::ShowResults(const amortix::CostsOutcome& outcome) {
    const amortix::CostsTexts& t = outcome.texts;
    const std::pair<QLineEdit*, const std::string*> texts[] = {
        {CostsApr, &t.apr},
        {CostsEffectiveRate, &t.effectiveAnnualRate},
        {CostsAmountFinanced, &t.amountFinanced},
        {CostsCashAtClosing, &t.cashAtClosing},
        {CostsBorrowingAll, &t.amortization.total},
        {CostsBorrowingTerm, &t.term.total},
        {CostsInsuranceEnds, &t.insuranceEnds},
        {CostsInsuranceEndsOnRequest, &t.insuranceEndsOnRequest},
        {CostsPrincipalInterest, &t.principalAndInterest},
        {CostsPropertyTax, &t.propertyTax},
        {CostsHomeInsurance, &t.homeInsurance},
        {CostsCondoFees, &t.condoFees},
        {CostsHeating, &t.heating},
        {CostsMortgageInsurance, &t.mortgageInsurance},
        {CostsMonthlyTotal, &t.monthlyTotal},
    };
    for (const auto& [box, text] : texts) box->setText(Q(*text));
    CostsPremium->setText(Q(amortix::PremiumText(t, WindowCatalogue())));
    // The parts of each cost of borrowing, for whoever points at it.
    const auto parts = [](const amortix::BorrowingCostTexts& cost) {
        return Tr("Interest %1, finance charges %2, insurance %3")
            .arg(Q(cost.interest), Q(cost.financeCharges), Q(cost.insurance));
    };
    CostsBorrowingAll->setToolTip(parts(t.amortization));
    CostsBorrowingTerm->setToolTip(parts(t.term));
    if (outcome.result.calculated) {
        CostsLabelTerm->setText(Q(amortix::TermCostCaption(outcome.result.termYears, WindowCatalogue())));
        NameByCaption(CostsLabelTerm, CostsBorrowingTerm);
    }
    CostsPrincipalNote->setText(Q(outcome.principalNote));
}

void CostsDialog::ClearResults() {
    for (const auto& row : kResultRows) {
        (this->*row.box)->clear();
        (this->*row.box)->setToolTip({});
    }
    CostsLabelTerm->setText(Q(amortix::TermCostCaption(costs_.termYears, WindowCatalogue())));
    NameByCaption(CostsLabelTerm, CostsBorrowingTerm);
    CostsPrincipalNote->clear();
}

void CostsDialog::EraseAll() {
    ShowEntries(amortix::EntriesFor(amortix::Costs{}, inputs_.currencySymbol));
    ClearResults();
    context_.state.EntryEdited = false;
    InPrice->setFocus();
}

void CostsDialog::done(int result) {
    if (result == QDialog::Accepted) {
        const std::optional<amortix::Costs> costs = Calculate(true);
        if (!costs) return;  // stays open on its message
        costs_ = *costs;
        principal_ =
            costs_.price ? std::optional(amortix::PurchaseFor(inputs_, costs_).principal) : std::nullopt;
        ShowCostsInForce(indicator_, costs_.Given());
    }
    context_.state.EntryEdited = false;
    QDialog::done(result);
}

}  // namespace amortix::gui
