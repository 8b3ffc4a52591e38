#include "tables/tables_screen.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <span>
#include <tuple>

#include "core/calc/rates.h"
#include "core/forms/prepayments_form.h"
#include "core/forms/schedule_texts.h"
#include "core/forms/tables_form.h"
#include "dialogs/additional_payments_dialog.h"
#include "dialogs/costs_dialog.h"
#include "dialogs/days_in_year_dialog.h"
#include "dialogs/rate_changes_dialog.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/controls.h"
#include "shell/grid_widget.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/quick_help.h"
#include "shell/result_copy.h"
#include "shell/screen_parts.h"
#include "shell/short_date.h"
#include "shell/twips.h"
#include "shell/wait_cursor.h"
#include "tables/date_dialog.h"
#include "tables/term_dialog.h"

namespace amortix::gui {
namespace {

constexpr const char* kShowDatesCaption = AMX_TEXT("&View payment date");
constexpr const char* kShowNumbersCaption = AMX_TEXT("&View payment No.");

// The schedule grid: six columns, each wider than the default by these twips.
constexpr int kGridExtraTwips[amortix::kGridColumns] = {520, 550, 650, 700, 700, 700};
constexpr int kGridHeaderTwips = 510;  // two lines for the two-word headers
constexpr int kGridRowsAtLoad = 26;
constexpr int kRateColumnTwips = 900;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TablesScreen::TablesScreen(ScreenContext& context, Commands commands)
    : context_(context), commands_(std::move(commands)) {
    setObjectName(kTablesScreen);
    setProperty(kGrowsWithFrame, true);  // a taller frame shows more rows
    MakeControls();
    AttachEntries();
    LayOut();
    Load();
    FitGrid();
    InPrincipal->setFocus();
}

void TablesScreen::MakeControls() {
    // The captions of the figures depend on the kind of table: Load writes them.
    std::tie(Label1, InPrincipal) = MakeInputRow<QLineEdit>(this, "Label1", {}, "InPrincipal");
    std::tie(Label2, InRate) = MakeInputRow<QComboBox>(this, "Label2", {}, "InRate");
    std::tie(Label3, InTerm) = MakeInputRow<QComboBox>(this, "Label3", {}, "InTerm");
    std::tie(Label6, Comperiod) =
        MakeChoiceRow(this, "Label6", amortix::kTablesLabel6, "Comperiod", amortix::kCompoundings);
    std::tie(Label10, FreqPmt) =
        MakeChoiceRow(this, "Label10", amortix::kTablesLabel10, "FreqPmt", amortix::kFrequencies);
    std::tie(Label17, Rounding) =
        MakeChoiceRow(this, "Label17", amortix::kRoundingLabel, "Rounding", amortix::kRoundings);

    std::tie(Label4, InMonthPI) = MakeResultRow(this, "Label4", amortix::kTablesLabel4, "InMonthPI");
    // Its caption shows a changing figure; the name stays.
    Label16 = MakeCaption(this, "Label16", amortix::kLabel16Cleared);
    PPpercent = MakeResultBox(this, "PPpercent");
    PPpercent->setAccessibleName(Tr("P+I includes"));
    std::tie(Label14, PeriodicR) = MakeResultRow(this, "Label14", amortix::kTablesLabel14, "PeriodicR");
    std::tie(Label15, InDays) = MakeResultRow(this, "Label15", amortix::kTablesLabel15, "InDays");
    std::tie(Label9, NumPmtsYear) = MakeResultRow(this, "Label9", amortix::kTablesLabel9, "NumPmtsYear");
    std::tie(Label11, EndMortYear) = MakeResultRow(this, "Label11", {}, "EndMortYear");
    std::tie(Label8, AllPayments) = MakeResultRow(this, "Label8", {}, "AllPayments");
    std::tie(Label5, TotSavd) = MakeResultRow(this, "Label5", amortix::kTablesLabel5, "TotSavd");
    std::tie(Label18, PrepaySavd) = MakeResultRow(this, "Label18", amortix::kTablesLabel18, "PrepaySavd");
    std::tie(Label19, PaidOffSooner) =
        MakeResultRow(this, "Label19", amortix::kTablesLabel19, "PaidOffSooner");
    AddPmtsOn = MakeIndicator(this, "AddPmtsOn", AMX_TEXT("Additional payments in force"));
    RateChangesOn = MakeIndicator(this, "RateChangesOn", AMX_TEXT("Rate changes in force"));
    CostsOn = MakeIndicator(this, "CostsOn", AMX_TEXT("Costs in force"));
    CostsOn->setToolTip(Tr("Red while costs are in force"));

    Label12 = MakeCaption(this, "Label12", AMX_TEXT(" Show payments."));
    Label12->setWordWrap(false);
    Option1 = new QRadioButton(Tr("All "), this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton(Tr("Annual", "payments shown"), this);
    Option2->setObjectName("Option2");
    connect(Option1, &QRadioButton::clicked, this,
            [this] { ChooseView(amortix::ScheduleView::AllPayments); });
    connect(Option2, &QRadioButton::clicked, this, [this] { ChooseView(amortix::ScheduleView::Annual); });
    MGrid = new GridWidget(this);
    MGrid->setObjectName("MGrid");
    MGrid->setAccessibleName(Tr("Amortization schedule"));
    MTextBox = MakeQuickHelpText(this, "MTextBox", Tr("Quick help"), context_.interaction, InPrincipal);

    MCalc = MakeCommand(this, "MCalc", AMX_TEXT("&Calculate"), &TablesScreen::Calculate);
    MHelp = MakeCommand(this, "MHelp", kQuickHelpCaption, &TablesScreen::ToggleQuickHelp);
    MTerm = MakeCommand(this, "MTerm", AMX_TEXT("&Term"), &TablesScreen::ChooseTerm);
    MDateNumber = MakeCommand(this, "MDateNumber", kShowDatesCaption, &TablesScreen::ToggleDates);
    MAddPrePay = MakeCommand(this, "MAddPrePay", AMX_TEXT("&Additional payments"),
                             &TablesScreen::OpenAdditionalPayments);
    MRateChanges =
        MakeCommand(this, "MRateChanges", AMX_TEXT("&Rate changes"), &TablesScreen::OpenRateChanges);
    // Every letter of "Costs" is another button's access key.
    MCosts = MakeCommand(this, "MCosts", AMX_TEXT("Costs and &fees"), &TablesScreen::OpenCosts);
    MShowIRF = MakeCommand(this, "MShowIRF", AMX_TEXT("&Days in year"), &TablesScreen::OpenDaysInYear);
    MSaveFile = MakeCommand(this, "MSaveFile", AMX_TEXT("Sav&e File"), &TablesScreen::SaveFile);
    MLoadFile = MakeCommand(this, "MLoadFile", AMX_TEXT("&Open File"), [this] {
        if (commands_.loadFile) commands_.loadFile(*this);
    });
    MPrinter = MakeCommand(this, "MPrinter", AMX_TEXT("&Print"), &TablesScreen::Print);
    MGraphs = MakeCommand(this, "MGraphs", AMX_TEXT("&Show Graph"), &TablesScreen::ShowGraph);
    MExport = MakeCommand(this, "MExport", AMX_TEXT("Export fi&le"), &TablesScreen::ExportFile);
    MCopy = MakeCommand(this, "MCopy", AMX_TEXT("Cop&y results"), &TablesScreen::CopyResults);
    MExit = MakeCommand(this, "MExit", AMX_TEXT("E&xit to Menu"), &TablesScreen::Exit);
    quickHelp_ = new QuickHelp({MHelp, MTextBox, {MGrid}, {MPrinter, MSaveFile, MGraphs, MExport, MCopy}});
}

void TablesScreen::AttachEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    const auto clear = [this] { ClearResults(); };

    NumericEntry::Options principal;
    principal.clearResults = clear;
    principal.next = InRate;
    principal.store = [this, &state](double typed) {
        const double value = ShowHeld(context_.interaction, amortix::HoldPrincipal(typed));
        form_.EnterPrincipal(value);
        return Q(amortix::MoneyBoxText(state.CurrencySymbol, value));
    };
    NumericEntry::Attach(state, interaction, InPrincipal, principal);

    NumericEntry::Options rate;
    rate.decimals = 3;
    rate.clearResults = clear;
    rate.next = InTerm;
    rate.store = [this](double typed) {
        const double value = ShowHeld(context_.interaction, amortix::HoldRate(typed));
        form_.EnterRate(value);
        return Q(amortix::RateBoxText(value));
    };
    NumericEntry::Attach(state, interaction, InRate, rate);

    NumericEntry::Options term;
    term.kind = NumericEntry::Kind::Whole;
    term.clearResults = clear;
    term.next = Comperiod;
    term.store = [this, &state](double) {
        const double before = form_.Numbers().years;
        const auto entry = form_.EnterTerm(state.TablesMode, InTerm->currentText().toStdString());
        if (entry.message) context_.interaction.ShowMessage(*entry.message);
        // Year amounts belong to the period they were typed for; the same
        // period typed again keeps them.
        if (amortix::PeriodChangeErasesPayments(before, entry.years, state.ExtraPayments)) {
            EraseAdditionalPayments();
            context_.interaction.ShowMessage(amortix::Message::AdditionalPaymentsErased);
        }
        return Q(entry.text);
    };
    NumericEntry::Attach(state, interaction, InTerm, term);

    for (const auto& [list, next] :
         {std::pair<QComboBox*, QWidget*>{Comperiod, FreqPmt}, {FreqPmt, Rounding}, {Rounding, MCalc}}) {
        ChoiceList::Options choice;
        choice.clearResults = clear;
        choice.next = next;
        ChoiceList::Attach(state, interaction, list, choice);
    }

    AlignRight({InPrincipal, InRate, InTerm});
    ChainTabOrder({InPrincipal, InRate, InTerm, Comperiod, FreqPmt, Rounding, MCalc});
}

void TablesScreen::LayOut() {
    const QFontMetrics metrics(font());
    const int chars = metrics.averageCharWidth();
    const CaptionedBox inputRows[] = {{Label1, InPrincipal}, {Label2, InRate},   {Label3, InTerm},
                                      {Label6, Comperiod},   {Label10, FreqPmt}, {Label17, Rounding}};
    const CaptionedBox resultRows[] = {{Label4, InMonthPI},     {Label16, PPpercent},  {Label14, PeriodicR},
                                       {Label15, InDays},       {Label9, NumPmtsYear}, {Label11, EndMortYear},
                                       {Label8, AllPayments},   {Label5, TotSavd},     {Label18, PrepaySavd},
                                       {Label19, PaidOffSooner}};
    using Rows = std::span<const CaptionedBox>;
    for (const Rows rows : {Rows(inputRows), Rows(resultRows)})
        for (const auto& [label, box] : rows) {
            label->setFixedWidth(chars * 22);
            // A list shows its longest choice whole (the French ones are longer).
            const auto* list = qobject_cast<QComboBox*>(box);
            box->setFixedWidth(list && !list->isEditable() ? std::max(chars * 19, list->sizeHint().width())
                                                           : chars * 19);
        }
    // The rounding list shows its longest choice whole.
    Rounding->setFixedWidth(std::max(Rounding->width(), Rounding->sizeHint().width()));
    // One line for the widest percentage (100 %), so the results below never move.
    Label16->setWordWrap(false);
    Label16->setFixedWidth(std::max(
        chars * 22, metrics.horizontalAdvance(Q(amortix::Label16Text(1.0f, WindowCatalogue())).simplified()) +
                        chars * 2));

    auto* inputs = new QGridLayout;
    int row = AddRows(inputs, inputRows);
    auto* views = new QHBoxLayout;
    for (QWidget* view : std::initializer_list<QWidget*>{Label12, Option1, Option2}) views->addWidget(view);
    views->addStretch();
    inputs->addLayout(views, row++, 0, 1, 2);
    inputs->setRowStretch(row, 1);
    auto* results = new QGridLayout;
    results->setRowStretch(AddRows(results, resultRows), 1);

    // Buttons in one column on the right: calculation and views, dialogs,
    // files and output, and the way back at the bottom.
    QBoxLayout* buttons = MakeButtonLine(Qt::Vertical,
                                         {{MCalc, MHelp},
                                          {MTerm, MDateNumber, MAddPrePay, MRateChanges, MCosts, MShowIRF},
                                          {MSaveFile, MLoadFile, MExport, MPrinter, MGraphs, MCopy}},
                                         MExit, metrics.height() / 2, chars * 22);
    AddPmtsOn->setFixedWidth(chars * 2);
    PutInFront(buttons, AddPmtsOn, MAddPrePay, chars / 2);
    RateChangesOn->setFixedWidth(chars * 2);
    PutInFront(buttons, RateChangesOn, MRateChanges, chars / 2);
    CostsOn->setFixedWidth(chars * 2);
    PutInFront(buttons, CostsOn, MCosts, chars / 2);

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(chars * 2);
    top->addLayout(results);
    top->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(MGrid, 1);
    left->addWidget(MTextBox, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(chars * 2);
    layout->addLayout(buttons);
}

void TablesScreen::FitGrid() {
    int width = MGrid->frameWidth() * 2 + MGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int c = 0; c < MGrid->Cols(); ++c) width += MGrid->columnWidth(c);
    // The grid is as wide as its columns; the help text takes its place.
    MGrid->setFixedWidth(width);
    // Nine rows at least: with the prepayments' two result rows above it the
    // screen keeps the frame's starting size.
    MGrid->setMinimumHeight(MGrid->horizontalHeader()->height() +
                            MGrid->verticalHeader()->defaultSectionSize() * 9);
    MTextBox->setMinimumHeight(MGrid->minimumHeight());
    // The grid's new width reaches the layout's hint only once every nested
    // layout forgets the size it cached.
    for (QLayout* nested : layout()->findChildren<QLayout*>()) nested->invalidate();
    layout()->invalidate();
    setMinimumSize(TwipsToPixels(this, QSize(9615, 6810)).expandedTo(layout()->sizeHint()));
}

TablesScreen::~TablesScreen() = default;

void TablesScreen::Load() {
    AppState& state = context_.state;
    state.TablesOpen = true;
    form_.ClearResults();
    state.QuickHelpOn = false;
    state.EntryEdited = false;
    LayOutGrid();

    Option2->setChecked(true);
    ChooseView(amortix::ScheduleView::Annual);

    form_.Settings().showDates = false;
    form_.Settings().termYears = 0;
    MDateNumber->setText(Tr(kShowDatesCaption));

    // Every calculator starts from 365 days (the preset's literals, not 365/14).
    state.DayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);

    ShowKindDefaults();

    ShowChoice(Comperiod, amortix::kCompoundings, amortix::CompoundingForSetting(state.CompoundSetting));
    FreqPmt->setCurrentIndex(0);
    Rounding->setCurrentIndex(0);
    ShowRateChangesInForce(RateChangesOn, !form_.RateChanges().empty());
    ShowCostsInForce(CostsOn, form_.CostsInForce().Given());

    ShowAdditionalPaymentsInForce(AddPmtsOn, state.ExtraPayments.increase > 0.0f ||
                                                 state.ExtraPayments.rowCount > 0 ||
                                                 state.Prepayments.HasAmounts());
    state.EntryEdited = false;
}

void TablesScreen::ShowKindDefaults() {
    AppState& state = context_.state;
    const amortix::TablesDefaults defaults = amortix::DefaultsFor(state.TablesMode, state.CurrencySymbol);
    context_.frame.SetCaption(Tr(defaults.caption));
    Label1->setText(Tr(defaults.label1));
    Label2->setText(Tr(defaults.label2));
    Label3->setText(Tr(defaults.label3));
    Label8->setText(Tr(defaults.label8));
    Label11->setText(Tr(defaults.label11));
    InPrincipal->setText(Q(defaults.principalText));
    form_.ShowDefaults(defaults);
    InRate->clear();
    for (const auto& entry : defaults.rateList) InRate->addItem(Q(entry));
    InRate->setEditText(Q(defaults.rateText));
    InTerm->clear();
    for (const auto& entry : defaults.termList) InTerm->addItem(Q(entry));
    InTerm->setEditText(Q(defaults.termText));
}

void TablesScreen::Restore(const amortix::ScheduleInputs& in) {
    RestoreInputs(in);
    Calculate();
}

void TablesScreen::RestoreInputs(const amortix::ScheduleInputs& in) {
    AppState& state = context_.state;
    if (in.mode != state.TablesMode) {
        state.TablesMode = in.mode;
        ShowKindDefaults();
    }
    form_.Restore(in);
    InPrincipal->setText(Q(amortix::MoneyBoxText(state.CurrencySymbol, in.principal)));
    InRate->setEditText(Q(amortix::RateBoxText(in.ratePercent)));
    // A loan's period is shown in months.
    InTerm->setEditText(
        Q(amortix::TermBoxText(in.mode == amortix::TableKind::PersonalLoan ? in.years * 12.0 : in.years)));
    ShowChoice(Comperiod, amortix::kCompoundings, in.compounding);
    ShowChoice(FreqPmt, amortix::kFrequencies, in.frequency);
    ShowChoice(Rounding, amortix::kRoundings, in.rounding);
    ShowRateChangesInForce(RateChangesOn, !in.rateChanges.empty());

    MDateNumber->setText(Tr(in.showDates ? kShowNumbersCaption : kShowDatesCaption));
    state.FirstPaymentDate = in.firstPaymentDate;
    state.DayBasis = in.dayBasis;
    state.ExtraPayments = in.extra;
    state.Prepayments = in.prepayments;
    ShowAdditionalPaymentsInForce(
        AddPmtsOn, in.extra.increase > 0.0f || in.extra.rowCount > 0 || in.prepayments.HasAmounts());
    ChooseView(in.view);
}

void TablesScreen::RestoreCosts(const amortix::Costs& costs) {
    form_.CostsInForce() = costs;
    ShowCostsInForce(CostsOn, costs.Given());
}

void TablesScreen::LayOutGrid() {
    MGrid->SetCols(amortix::kGridColumns);
    MGrid->SetRows(kGridRowsAtLoad);
    MGrid->SetRowHeight(0, kGridHeaderTwips);
    for (int c = 0; c < amortix::kGridColumns; ++c) {
        MGrid->SetColWidth(c, MGrid->ColWidth(c) + kGridExtraTwips[c]);
        MGrid->SetColAlignment(c, c == 0 ? CellAlignment::Center : CellAlignment::Right);
        MGrid->SetFixedAlignment(c, CellAlignment::Center);
        MGrid->SetTextAt(0, c,
                         Q(amortix::GridHeader(c, amortix::ScheduleView::Annual, false, WindowCatalogue())));
    }
    // Room for the widest date the short format gives (month names differ in
    // width, and so do digits in some fonts).
    int dateTwips = 0;
    for (const int year : {2000, 2088})
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1))
            dateTwips = std::max(dateTwips, MGrid->CellTwipsFor(ScheduleDateText(SerialFromDate(day))));
    MGrid->SetColWidth(0, std::max(MGrid->ColWidth(0), dateTwips));
    laidOutWidths_.clear();
    for (int c = 0; c < amortix::kGridColumns; ++c) laidOutWidths_.push_back(MGrid->ColWidth(c));
}

amortix::TablesForm::Shared TablesScreen::Shared() const {
    const AppState& state = context_.state;
    amortix::TablesForm::Shared shared;
    shared.mode = state.TablesMode;
    shared.compounding = ChoiceOf(Comperiod, amortix::kCompoundings);
    shared.frequency = ChoiceOf(FreqPmt, amortix::kFrequencies);
    shared.rounding = ChoiceOf(Rounding, amortix::kRoundings);
    shared.dayBasis = state.DayBasis;
    shared.firstPaymentDate = state.FirstPaymentDate;
    shared.extra = state.ExtraPayments;
    shared.prepayments = state.Prepayments;
    shared.currencySymbol = state.CurrencySymbol;
    shared.formatDate = ShortDateFormatter();
    return shared;
}

amortix::ScheduleInputs TablesScreen::Inputs() const {
    return form_.Inputs(Shared());
}

void TablesScreen::ClearResults() {
    AppState& state = context_.state;
    for (QLineEdit* box : {InDays, PeriodicR, NumPmtsYear, EndMortYear, InMonthPI, PPpercent, TotSavd,
                           PrepaySavd, PaidOffSooner, AllPayments})
        box->clear();
    state.EntryEdited = true;
    Label16->setText(Tr(amortix::kLabel16Cleared));
    if (state.QuickHelpOn) return;  // the help text stays on screen

    MTextBox->clear();
    MGrid->SetSelection(1, MGrid->Rows() - 1, 0, MGrid->Cols() - 1);
    MGrid->SetFillStyle(GridFill::Selection);
    MGrid->SetText({});
    MGrid->SetFillStyle(GridFill::CurrentCell);
    MGrid->CollapseSelection(1, 0);
    form_.ClearResults();

    if (quickHelp_->IsOpen()) {
        quickHelp_->Close();
        state.EntryEdited = false;
    }
    state.QuickHelpOn = false;
    state.ResultsReady = 0;
}

void TablesScreen::Calculate() {
    AppState& state = context_.state;
    state.QuickHelpOn = false;
    ClearResults();
    state.EntryEdited = false;
    state.ResultsReady = 0;
    state.PaymentsPerYear = 0;

    const amortix::ScheduleResult* result = nullptr;
    {
        const WaitCursor wait;
        result = &form_.Calculate(Shared());
    }
    state.PaymentsPerYear = result->summary.paymentsPerYear;
    // A purchase price makes the principal: the box shows the one calculated.
    if (form_.CostsInForce().price)
        InPrincipal->setText(Q(amortix::MoneyBoxText(state.CurrencySymbol, form_.Numbers().principal)));
    for (const amortix::Message message : result->messages)
        context_.interaction.ShowMessage(
            message,
            message == amortix::Message::DownPaymentBelowMinimum
                ? Q(form_.CostsDetail())
                : Q(amortix::LimitMessageDetail(*result, message, state.CurrencySymbol, WindowCatalogue())));
    if (!result->calculated) {
        // A term longer than the schedule: the user calculates again and
        // gets all years.
        if (!result->messages.empty() && result->messages.back() == amortix::Message::TermReset) {
            ClearResults();
            state.EntryEdited = true;
        }
        return;
    }

    const amortix::ScheduleBoxTexts texts =
        amortix::BoxTexts(*result, state.CurrencySymbol, WindowCatalogue());
    InDays->setText(Q(texts.daysInYear));
    PeriodicR->setText(Q(texts.rateFactor));
    NumPmtsYear->setText(Q(texts.paymentsPerYear));
    InMonthPI->setText(Q(texts.payment));
    Label16->setText(Q(texts.increaseCaption));
    PPpercent->setText(Q(texts.increaseAmount));
    EndMortYear->setText(Q(texts.yearsToFinal));
    AllPayments->setText(Q(texts.totalPaid));
    TotSavd->setText(Q(texts.interestSaved));
    const amortix::PrepaymentBoxTexts prepaid =
        amortix::PrepaymentResultTexts(*result, state.CurrencySymbol, WindowCatalogue());
    PrepaySavd->setText(Q(prepaid.interestSaved));
    PaidOffSooner->setText(Q(prepaid.payoffEarlier));

    state.GraphTitle = result->graphTitle;
    FillGrid(form_.SharedResults());
    state.ResultsReady = result->resultsReady;
}

void TablesScreen::FillGrid(const std::shared_ptr<const amortix::ScheduleResult>& result) {
    // The grid asks for the cells in view only, so the largest schedule shows at once.
    auto grid = std::make_shared<const amortix::ScheduleGrid>(result, context_.state.CurrencySymbol,
                                                              ShortDateFormatter(), WindowCatalogue());
    MGrid->SetRows(grid->RowCount());
    // A schedule with rate changes shows the rate in force in a column of its own.
    MGrid->SetCols(grid->ColumnCount());
    for (int c = 0; c < grid->ColumnCount(); ++c) MGrid->SetTextAt(0, c, Q(grid->Cell(0, c)));
    MGrid->SetCellFunction(
        [grid](int row, int column) { return QString::fromStdString(grid->Cell(row, column)); });
    // A figure larger than the columns were laid out for widens its column
    // (and the grid) rather than being cut, for this calculation only.
    for (int c = 0; c < grid->ColumnCount(); ++c) {
        // The rate column holds at most "100.000".
        MGrid->SetColWidth(c, c < amortix::kGridColumns
                                  ? laidOutWidths_[static_cast<std::size_t>(c)]
                                  : std::max(kRateColumnTwips, MGrid->CellTwipsFor("100.000")));
        MGrid->SetColAlignment(c, c == 0 ? CellAlignment::Center : CellAlignment::Right);
        MGrid->SetFixedAlignment(c, CellAlignment::Center);
    }
    MGrid->WidenColumnsToTexts();
    FitGrid();
    context_.frame.PlaceForm(this);
    MGrid->CollapseSelection(1, 0);
    MGrid->scrollToTop();
}

void TablesScreen::ChooseView(amortix::ScheduleView view) {
    AppState& state = context_.state;
    (view == amortix::ScheduleView::AllPayments ? Option1 : Option2)->setChecked(true);
    form_.Settings().scheduleView = view;
    ClearResults();
    state.EntryEdited = false;
}

void TablesScreen::EraseAdditionalPayments() {
    context_.state.ExtraPayments.EraseAmounts();
    ShowAdditionalPaymentsInForce(AddPmtsOn, false);
}

void TablesScreen::ToggleQuickHelp() {
    AppState& state = context_.state;
    state.QuickHelpOn = !state.QuickHelpOn;
    if (quickHelp_->IsOpen()) {
        ClearResults();  // closes the help
        return;
    }
    quickHelp_->Open(amortix::TablesQuickHelp(state.TablesMode, WindowCatalogue()));
}

void TablesScreen::ChooseTerm() {
    {
        TermDialog dialog(context_, this);
        dialog.exec();
    }
    ClearResults();
}

void TablesScreen::ToggleDates() {
    AppState& state = context_.state;
    ClearResults();
    if (form_.Settings().showDates) {
        MDateNumber->setText(Tr(kShowDatesCaption));
        form_.Settings().showDates = false;
    } else {
        MDateNumber->setText(Tr(kShowNumbersCaption));
        form_.Settings().showDates = true;
        DateDialog dialog(context_, this);
        dialog.exec();
    }
    state.EntryEdited = false;
}

void TablesScreen::OpenAdditionalPayments() {
    ClearResults();
    context_.state.EntryEdited = false;
    AdditionalPaymentsDialog dialog(context_, context_.state.ExtraPayments, context_.state.Prepayments,
                                    form_.Numbers().years, AddPmtsOn, this);
    dialog.exec();
}

void TablesScreen::OpenRateChanges() {
    ClearResults();
    {
        RateChangesDialog dialog(context_, form_.RateChanges(), RateChangesOn, this);
        dialog.exec();
    }
    context_.state.EntryEdited = false;
}

void TablesScreen::OpenCosts() {
    ClearResults();
    std::optional<double> principal;
    {
        CostsDialog dialog(context_, Inputs(), form_.CostsInForce(), CostsOn, this);
        if (dialog.exec() == QDialog::Accepted) principal = dialog.PrincipalFromPrice();
    }
    if (principal) {
        form_.EnterPrincipal(*principal);
        InPrincipal->setText(Q(amortix::MoneyBoxText(context_.state.CurrencySymbol, *principal)));
    }
    context_.state.EntryEdited = false;
}

void TablesScreen::OpenDaysInYear() {
    {
        DaysInYearDialog dialog(context_, this);
        dialog.exec();
    }
    ClearResults();
    context_.state.EntryEdited = false;
}

void TablesScreen::SaveFile() {
    if (context_.state.ResultsReady == 0) {
        context_.interaction.ShowMessage(amortix::Message::NoRecordsToSave);
        return;
    }
    if (commands_.saveFile) commands_.saveFile(*this);
}

void TablesScreen::Print() {
    if (context_.state.ResultsReady == 0) {
        context_.interaction.ShowMessage(amortix::Message::NothingToPrint);
        return;
    }
    if (commands_.print) commands_.print(*this);
}

void TablesScreen::ShowGraph() {
    AppState& state = context_.state;
    if (state.ResultsReady == 0) {
        context_.interaction.ShowMessage(amortix::Message::NoData);
        return;
    }
    if (commands_.showGraph) commands_.showGraph(*this);
}

void TablesScreen::ExportFile() {
    if (context_.state.ResultsReady == 0 || !Results()) {
        context_.interaction.ShowMessage(amortix::Message::NoData);
        return;
    }
    if (commands_.exportFile) commands_.exportFile(*this);
}

void TablesScreen::CopyResults() {
    if (context_.state.ResultsReady == 0 || !Results()) {
        context_.interaction.ShowMessage(amortix::Message::NoData);
        return;
    }
    CopyResultLines(amortix::TablesResultLines(*Results(), context_.state.CurrencySymbol, WindowCatalogue()));
}

void TablesScreen::Exit() {
    if (commands_.remember) commands_.remember(*this);
    AppState& state = context_.state;
    state.EntryEdited = false;
    state.TablesOpen = false;
    state.ResultsReady = 0;
    // The additional payments end with the screen: amounts, percentage,
    // option, count, and the month back to the first.
    state.ExtraPayments = amortix::AdditionalPayments{};
    state.Prepayments = amortix::Prepayments{};
    MTextBox->clear();
    form_.Reset();
    context_.frame.ReturnToMenu(this);
}

}  // namespace amortix::gui
