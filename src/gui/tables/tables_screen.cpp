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
#include <QVBoxLayout>

#include "core/calc/rates.h"
#include "core/forms/schedule_texts.h"
#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/controls.h"
#include "shell/grid_widget.h"
#include "shell/interaction.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/short_date.h"
#include "shell/twips.h"
#include "shell/wait_cursor.h"
#include "tables/additional_payments_dialog.h"
#include "tables/date_dialog.h"
#include "tables/days_in_year_dialog.h"
#include "tables/term_dialog.h"

namespace amortix::gui {
namespace {

constexpr const char* kQuickHelpCaption = "Quick &Help";
constexpr const char* kCloseHelpCaption = "Close &Help";
constexpr const char* kShowDatesCaption = "&View payment date";
constexpr const char* kShowNumbersCaption = "&View payment No.";

// The schedule grid: six columns, each wider than the default by these twips.
constexpr int kGridExtraTwips[amortix::kGridColumns] = {520, 550, 650, 700, 700, 700};
constexpr int kGridHeaderTwips = 510;  // two lines for the two-word headers
constexpr int kGridRowsAtLoad = 26;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TablesScreen::TablesScreen(ScreenContext& context, Commands commands)
    : context_(context), commands_(std::move(commands)) {
    setObjectName(kTablesScreen);
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;

    // --- Inputs -------------------------------------------------------------
    Label1 = MakeCaption(this, "Label1", {});
    InPrincipal = new QLineEdit(this);
    InPrincipal->setObjectName("InPrincipal");
    Label2 = MakeCaption(this, "Label2", {});
    InRate = new QComboBox(this);
    InRate->setObjectName("InRate");
    Label3 = MakeCaption(this, "Label3", {});
    InTerm = new QComboBox(this);
    InTerm->setObjectName("InTerm");
    Label6 = MakeCaption(this, "Label6", amortix::kTablesLabel6);
    Comperiod = new QComboBox(this);
    Comperiod->setObjectName("Comperiod");
    Label10 = MakeCaption(this, "Label10", amortix::kTablesLabel10);
    FreqPmt = new QComboBox(this);
    FreqPmt->setObjectName("FreqPmt");
    Label1->setBuddy(InPrincipal);
    Label2->setBuddy(InRate);
    Label3->setBuddy(InTerm);
    Label6->setBuddy(Comperiod);
    Label10->setBuddy(FreqPmt);

    // --- Results ------------------------------------------------------------
    Label4 = MakeCaption(this, "Label4", " Principal + Interest   payment.");
    InMonthPI = MakeResultBox(this, "InMonthPI");
    Label16 = MakeCaption(this, "Label16", amortix::kLabel16Cleared);
    PPpercent = MakeResultBox(this, "PPpercent");
    Label14 = MakeCaption(this, "Label14", " Interest rate        factor.");
    PeriodicR = MakeResultBox(this, "PeriodicR");
    Label15 = MakeCaption(this, "Label15", " Days          in year.");
    InDays = MakeResultBox(this, "InDays");
    Label9 = MakeCaption(this, "Label9", " No. of payments   each year.");
    NumPmtsYear = MakeResultBox(this, "NumPmtsYear");
    Label11 = MakeCaption(this, "Label11", {});
    EndMortYear = MakeResultBox(this, "EndMortYear");
    Label8 = MakeCaption(this, "Label8", {});
    AllPayments = MakeResultBox(this, "AllPayments");
    Label5 = MakeCaption(this, "Label5", " Total interest       savings.");
    TotSavd = MakeResultBox(this, "TotSavd");
    // Each result is announced by its caption.
    for (const auto& [label, box] :
         {std::pair{Label4, InMonthPI}, std::pair{Label14, PeriodicR}, std::pair{Label15, InDays},
          std::pair{Label9, NumPmtsYear}, std::pair{Label11, EndMortYear}, std::pair{Label8, AllPayments},
          std::pair{Label5, TotSavd}})
        label->setBuddy(box);
    // Its label shows a changing figure; the name stays.
    PPpercent->setAccessibleName("P+I includes");
    AddPmtsOn = new QLabel(this);
    AddPmtsOn->setObjectName("AddPmtsOn");
    AddPmtsOn->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    AddPmtsOn->setToolTip("Red while additional payments are in force");
    AddPmtsOn->setAccessibleName("Additional payments in force");

    // --- Views and grid -----------------------------------------------------
    Label12 = MakeCaption(this, "Label12", " Show payments.");
    Label12->setWordWrap(false);
    Option1 = new QRadioButton("All ", this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Annual", this);
    Option2->setObjectName("Option2");
    MGrid = new GridWidget(this);
    MGrid->setObjectName("MGrid");
    MGrid->setAccessibleName("Amortization schedule");
    MTextBox = new QPlainTextEdit(this);
    MTextBox->setObjectName("MTextBox");
    MTextBox->setAccessibleName("Quick help");
    MTextBox->hide();

    // --- Buttons ------------------------------------------------------------
    MCalc = MakeButton(this, "MCalc", "&Calculate");
    MHelp = MakeButton(this, "MHelp", kQuickHelpCaption);
    MTerm = MakeButton(this, "MTerm", "&Term");
    MDateNumber = MakeButton(this, "MDateNumber", kShowDatesCaption);
    MAddPrePay = MakeButton(this, "MAddPrePay", "&Additional payments");
    MShowIRF = MakeButton(this, "MShowIRF", "&Days in year");
    MSaveFile = MakeButton(this, "MSaveFile", "Sav&e File");
    MLoadFile = MakeButton(this, "MLoadFile", "&Open File");
    MPrinter = MakeButton(this, "MPrinter", "&Print");
    MGraphs = MakeButton(this, "MGraphs", "&Show Graph");
    MExit = MakeButton(this, "MExit", "E&xit to Menu");

    // --- The input-box pattern ----------------------------------------------
    const auto clear = [this] { ClearResults(); };

    NumericEntry::Options principal;
    principal.clearResults = clear;
    principal.next = InRate;
    principal.store = [&state](double value) {
        state.TableInputs.principal = value;
        return Q(amortix::MoneyBoxText(state.CurrencySymbol, value));
    };
    NumericEntry::Attach(state, interaction, InPrincipal, principal);

    NumericEntry::Options rate;
    rate.decimals = 3;
    rate.clearResults = clear;
    rate.next = InTerm;
    rate.store = [&state](double value) {
        state.TableInputs.ratePercent = value;
        return Q(amortix::RateBoxText(value));
    };
    NumericEntry::Attach(state, interaction, InRate, rate);

    NumericEntry::Options term;
    term.kind = NumericEntry::Kind::Whole;
    term.clearResults = clear;
    term.next = Comperiod;
    term.onChoose = [this] { EraseAdditionalPayments(); };
    term.store = [this, &state](double) {
        const auto entry = amortix::EnterTerm(state.TablesMode, InTerm->currentText().toStdString());
        if (entry.message) context_.interaction.ShowMessage(*entry.message);
        state.TableInputs.years = entry.years;
        // Year amounts belong to the period they were typed for.
        EraseAdditionalPayments();
        return Q(entry.text);
    };
    NumericEntry::Attach(state, interaction, InTerm, term);

    ChoiceList::Options compounding;
    compounding.clearResults = clear;
    compounding.next = FreqPmt;
    ChoiceList::Attach(state, interaction, Comperiod, compounding);

    ChoiceList::Options frequency;
    frequency.clearResults = clear;
    frequency.next = MCalc;
    ChoiceList::Attach(state, interaction, FreqPmt, frequency);

    HelpTextBox::Attach(interaction, MTextBox, InPrincipal);

    InPrincipal->setAlignment(Qt::AlignRight);
    InRate->lineEdit()->setAlignment(Qt::AlignRight);
    InTerm->lineEdit()->setAlignment(Qt::AlignRight);

    setTabOrder(InPrincipal, InRate);
    setTabOrder(InRate, InTerm);
    setTabOrder(InTerm, Comperiod);
    setTabOrder(Comperiod, FreqPmt);
    setTabOrder(FreqPmt, MCalc);

    connect(Option1, &QRadioButton::clicked, this,
            [this] { ChooseView(amortix::ScheduleView::AllPayments); });
    connect(Option2, &QRadioButton::clicked, this, [this] { ChooseView(amortix::ScheduleView::Annual); });
    connect(MCalc, &QPushButton::clicked, this, &TablesScreen::Calculate);
    connect(MHelp, &QPushButton::clicked, this, &TablesScreen::ToggleQuickHelp);
    connect(MTerm, &QPushButton::clicked, this, &TablesScreen::ChooseTerm);
    connect(MDateNumber, &QPushButton::clicked, this, &TablesScreen::ToggleDates);
    connect(MAddPrePay, &QPushButton::clicked, this, &TablesScreen::OpenAdditionalPayments);
    connect(MShowIRF, &QPushButton::clicked, this, &TablesScreen::OpenDaysInYear);
    connect(MSaveFile, &QPushButton::clicked, this, &TablesScreen::SaveFile);
    connect(MLoadFile, &QPushButton::clicked, this, [this] {
        if (commands_.loadFile) commands_.loadFile(*this);
    });
    connect(MPrinter, &QPushButton::clicked, this, &TablesScreen::Print);
    connect(MGraphs, &QPushButton::clicked, this, &TablesScreen::ShowGraph);
    connect(MExit, &QPushButton::clicked, this, &TablesScreen::Exit);

    // --- Layout ---------------------------------------------------------------
    const QFontMetrics metrics(font());
    const int chars = metrics.averageCharWidth();
    const int labelWidth = chars * 22;
    const int boxWidth = chars * 19;
    for (QLabel* label : {Label1, Label2, Label3, Label6, Label10, Label4, Label16, Label14, Label15, Label9,
                          Label11, Label8, Label5})
        label->setFixedWidth(labelWidth);
    // One line for the widest percentage (100 %), so the results below never move.
    Label16->setWordWrap(false);
    Label16->setFixedWidth(
        std::max(labelWidth,
                 metrics.horizontalAdvance(QString::fromStdString(amortix::Label16Text(1.0f)).simplified()) +
                     chars * 2));
    for (QWidget* box : std::initializer_list<QWidget*>{InPrincipal, InRate, InTerm, Comperiod, FreqPmt,
                                                        InMonthPI, PPpercent, PeriodicR, InDays, NumPmtsYear,
                                                        EndMortYear, AllPayments, TotSavd})
        box->setFixedWidth(boxWidth);

    auto* inputs = new QGridLayout;
    const std::pair<QLabel*, QWidget*> inputRows[] = {
        {Label1, InPrincipal}, {Label2, InRate}, {Label3, InTerm}, {Label6, Comperiod}, {Label10, FreqPmt}};
    int row = 0;
    for (const auto& [label, box] : inputRows) {
        inputs->addWidget(label, row, 0);
        inputs->addWidget(box, row++, 1);
    }
    auto* views = new QHBoxLayout;
    views->addWidget(Label12);
    views->addWidget(Option1);
    views->addWidget(Option2);
    views->addStretch();
    inputs->addLayout(views, row++, 0, 1, 2);
    inputs->setRowStretch(row, 1);

    auto* results = new QGridLayout;
    const std::pair<QLabel*, QWidget*> resultRows[] = {
        {Label4, InMonthPI},   {Label16, PPpercent},   {Label14, PeriodicR},  {Label15, InDays},
        {Label9, NumPmtsYear}, {Label11, EndMortYear}, {Label8, AllPayments}, {Label5, TotSavd}};
    row = 0;
    for (const auto& [label, box] : resultRows) {
        results->addWidget(label, row, 0);
        results->addWidget(box, row++, 1);
    }
    results->setRowStretch(row, 1);

    // Buttons in one column on the right: calculation and views, dialogs,
    // files and output, and the way back at the bottom.
    auto* buttons = new QVBoxLayout;
    const int groupGap = metrics.height() / 2;
    for (QPushButton* button : {MCalc, MHelp}) buttons->addWidget(button);
    buttons->addSpacing(groupGap);
    for (QPushButton* button : {MTerm, MDateNumber}) buttons->addWidget(button);
    // The indicator sits in front of its button.
    AddPmtsOn->setFixedWidth(chars * 2);
    auto* additional = new QHBoxLayout;
    additional->setSpacing(chars / 2);
    additional->addWidget(AddPmtsOn);
    additional->addWidget(MAddPrePay, 1);
    buttons->addLayout(additional);
    buttons->addWidget(MShowIRF);
    buttons->addSpacing(groupGap);
    for (QPushButton* button : {MSaveFile, MLoadFile, MPrinter, MGraphs}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(MExit);
    const int buttonWidth = chars * 22;
    for (QPushButton* button :
         {MCalc, MHelp, MTerm, MDateNumber, MShowIRF, MSaveFile, MLoadFile, MPrinter, MGraphs, MExit})
        button->setMinimumWidth(buttonWidth);
    MAddPrePay->setMinimumWidth(buttonWidth - chars * 2 - chars / 2);
    // Buttons line up with the boxes; the indicator stands out to their left.
    buttons->setContentsMargins(0, 0, 0, 0);

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

    Load();

    const int gridWidth = [this] {
        int width = MGrid->frameWidth() * 2 + MGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
        for (int c = 0; c < MGrid->Cols(); ++c) width += MGrid->columnWidth(c);
        return width;
    }();
    // The grid is as wide as its columns; the help text takes its place.
    MGrid->setFixedWidth(gridWidth);
    MGrid->setMinimumHeight(MGrid->horizontalHeader()->height() +
                            MGrid->verticalHeader()->defaultSectionSize() * 12);
    MTextBox->setMinimumHeight(MGrid->minimumHeight());
    setMinimumSize(TwipsToPixels(this, QSize(9615, 6810)).expandedTo(layout->sizeHint()));
    InPrincipal->setFocus();
}

TablesScreen::~TablesScreen() = default;

void TablesScreen::Load() {
    AppState& state = context_.state;
    state.TablesOpen = true;
    results_.reset();
    state.QuickHelpOn = false;
    state.EntryEdited = false;
    LayOutGrid();

    Option2->setChecked(true);
    ChooseView(amortix::ScheduleView::Annual);

    view_.ShowDates = false;
    view_.TermYears = 0;
    MDateNumber->setText(kShowDatesCaption);

    // Every calculator starts from 365 days (the preset's literals, not 365/14).
    state.DayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);

    ShowKindDefaults();

    FillList(Comperiod, amortix::kCompoundings);
    ShowChoice(Comperiod, amortix::kCompoundings, amortix::CompoundingForSetting(state.CompoundSetting));
    FillList(FreqPmt, amortix::kFrequencies);
    FreqPmt->setCurrentIndex(0);

    ShowAdditionalPaymentsInForce(AddPmtsOn,
                                  state.ExtraPayments.increase > 0.0f || state.ExtraPayments.rowCount > 0);
    state.EntryEdited = false;
}

void TablesScreen::ShowKindDefaults() {
    AppState& state = context_.state;
    const amortix::TablesDefaults defaults = amortix::DefaultsFor(state.TablesMode, state.CurrencySymbol);
    context_.frame.SetCaption(Q(defaults.caption));
    Label1->setText(Q(defaults.label1));
    Label2->setText(Q(defaults.label2));
    Label3->setText(Q(defaults.label3));
    Label8->setText(Q(defaults.label8));
    Label11->setText(Q(defaults.label11));
    InPrincipal->setText(Q(defaults.principalText));
    state.TableInputs.principal = defaults.principal;
    state.TableInputs.ratePercent = defaults.ratePercent;
    state.TableInputs.years = defaults.years;
    InRate->clear();
    for (const auto& entry : defaults.rateList) InRate->addItem(Q(entry));
    InRate->setEditText(Q(defaults.rateText));
    InTerm->clear();
    for (const auto& entry : defaults.termList) InTerm->addItem(Q(entry));
    InTerm->setEditText(Q(defaults.termText));
}

void TablesScreen::Restore(const amortix::ScheduleInputs& in) {
    AppState& state = context_.state;
    if (in.mode != state.TablesMode) {
        state.TablesMode = in.mode;
        ShowKindDefaults();
    }
    state.TableInputs.principal = in.principal;
    state.TableInputs.ratePercent = in.ratePercent;
    state.TableInputs.years = in.years;
    InPrincipal->setText(Q(amortix::MoneyBoxText(state.CurrencySymbol, in.principal)));
    InRate->setEditText(Q(amortix::RateBoxText(in.ratePercent)));
    // A loan's period is shown in months.
    InTerm->setEditText(
        Q(amortix::TermBoxText(in.mode == amortix::TableKind::PersonalLoan ? in.years * 12.0 : in.years)));
    ShowChoice(Comperiod, amortix::kCompoundings, in.compounding);
    ShowChoice(FreqPmt, amortix::kFrequencies, in.frequency);

    view_.ShowDates = in.showDates;
    MDateNumber->setText(in.showDates ? kShowNumbersCaption : kShowDatesCaption);
    state.FirstPaymentDate = in.firstPaymentDate;
    state.DayBasis = in.dayBasis;
    state.ExtraPayments = in.extra;
    ShowAdditionalPaymentsInForce(AddPmtsOn, in.extra.increase > 0.0f || in.extra.rowCount > 0);
    ChooseView(in.view);
    Calculate();
}

void TablesScreen::LayOutGrid() {
    MGrid->SetCols(amortix::kGridColumns);
    MGrid->SetRows(kGridRowsAtLoad);
    MGrid->SetRowHeight(0, kGridHeaderTwips);
    for (int c = 0; c < amortix::kGridColumns; ++c) {
        MGrid->SetColWidth(c, MGrid->ColWidth(c) + kGridExtraTwips[c]);
        MGrid->SetColAlignment(c, c == 0 ? kAlignCenter : kAlignRight);
        MGrid->SetFixedAlignment(c, kAlignCenter);
        MGrid->SetTextAt(0, c, Q(amortix::GridHeader(c, amortix::ScheduleView::Annual, false)));
    }
    // Room for the widest date the short format gives (month names differ in
    // width, and so do digits in some fonts).
    int dateTwips = 0;
    for (const int year : {2000, 2088})
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1))
            dateTwips = std::max(dateTwips, MGrid->CellTwipsFor(ScheduleDateText(SerialFromDate(day))));
    MGrid->SetColWidth(0, std::max(MGrid->ColWidth(0), dateTwips));
}

amortix::ScheduleInputs TablesScreen::Inputs() const {
    const AppState& state = context_.state;
    amortix::ScheduleInputs in;
    in.mode = state.TablesMode;
    in.principal = state.TableInputs.principal;
    in.ratePercent = state.TableInputs.ratePercent;
    in.years = state.TableInputs.years;
    in.compounding = ChoiceOf(Comperiod, amortix::kCompoundings);
    in.frequency = ChoiceOf(FreqPmt, amortix::kFrequencies);
    in.dayBasis = state.DayBasis;
    in.view = view_.ScheduleView == amortix::ScheduleView::AllPayments ? amortix::ScheduleView::AllPayments
                                                                       : amortix::ScheduleView::Annual;
    in.termYears = view_.TermYears;
    in.showDates = view_.ShowDates;
    in.firstPaymentDate = state.FirstPaymentDate;
    in.extra = state.ExtraPayments;
    in.currencySymbol = state.CurrencySymbol;
    in.formatDate = ShortDateFormatter();
    return in;
}

void TablesScreen::ClearResults() {
    AppState& state = context_.state;
    for (QLineEdit* box :
         {InDays, PeriodicR, NumPmtsYear, EndMortYear, InMonthPI, PPpercent, TotSavd, AllPayments})
        box->clear();
    state.EntryEdited = true;
    Label16->setText(amortix::kLabel16Cleared);
    if (state.QuickHelpOn) return;  // the help text stays on screen

    MTextBox->clear();
    MGrid->SetSelection(1, MGrid->Rows() - 1, 0, MGrid->Cols() - 1);
    MGrid->SetFillStyle(1);
    MGrid->SetText({});
    MGrid->SetFillStyle(0);
    MGrid->CollapseSelection(1, 0);
    results_.reset();

    if (MHelp->text() == kCloseHelpCaption) {
        MHelp->setText(kQuickHelpCaption);
        MPrinter->setEnabled(true);
        MSaveFile->setEnabled(true);
        MGraphs->setEnabled(true);
        MTextBox->hide();
        MGrid->show();
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

    std::shared_ptr<const amortix::ScheduleResult> result;
    {
        const WaitCursor wait;
        result = std::make_shared<const amortix::ScheduleResult>(amortix::CalculateSchedule(Inputs()));
    }
    view_.TermYears = result->termYears;
    state.PaymentsPerYear = result->summary.paymentsPerYear;
    for (const amortix::Message message : result->messages) context_.interaction.ShowMessage(message);
    if (!result->calculated) {
        // A term longer than the schedule: the user calculates again and
        // gets all years.
        if (!result->messages.empty() && result->messages.back() == amortix::Message::TermReset) {
            ClearResults();
            state.EntryEdited = true;
        }
        return;
    }

    const amortix::ScheduleBoxTexts texts = amortix::BoxTexts(*result, state.CurrencySymbol);
    InDays->setText(Q(texts.daysInYear));
    PeriodicR->setText(Q(texts.rateFactor));
    NumPmtsYear->setText(Q(texts.paymentsPerYear));
    InMonthPI->setText(Q(texts.payment));
    Label16->setText(Q(texts.increaseCaption));
    PPpercent->setText(Q(texts.increaseAmount));
    EndMortYear->setText(Q(texts.yearsToFinal));
    AllPayments->setText(Q(texts.totalPaid));
    TotSavd->setText(Q(texts.interestSaved));

    view_.GridRows = result->gridRows;
    state.GraphTitle = result->graphTitle;
    FillGrid(result);
    state.ResultsReady = result->resultsReady;
    results_ = std::move(result);
}

void TablesScreen::FillGrid(const std::shared_ptr<const amortix::ScheduleResult>& result) {
    // The grid asks for the cells in view only, so the largest schedule shows at once.
    auto grid = std::make_shared<const amortix::ScheduleGrid>(result, context_.state.CurrencySymbol,
                                                              ShortDateFormatter());
    MGrid->SetRows(grid->RowCount());
    MGrid->SetTextAt(0, 0, Q(grid->Cell(0, 0)));
    MGrid->SetCellFunction(
        [grid](int row, int column) { return QString::fromStdString(grid->Cell(row, column)); });
    // A figure larger than the columns were laid out for widens its column
    // rather than being cut.
    MGrid->WidenColumnsToTexts();
    MGrid->CollapseSelection(1, 0);
    MGrid->scrollToTop();
}

void TablesScreen::ChooseView(amortix::ScheduleView view) {
    AppState& state = context_.state;
    (view == amortix::ScheduleView::AllPayments ? Option1 : Option2)->setChecked(true);
    view_.ScheduleView = view;
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
    if (MHelp->text() != kQuickHelpCaption) {
        ClearResults();  // closes the help
        return;
    }
    MHelp->setText(kCloseHelpCaption);
    MPrinter->setEnabled(false);
    MSaveFile->setEnabled(false);
    MGraphs->setEnabled(false);
    MGrid->hide();
    MTextBox->show();
    MTextBox->setFocus();
    QString text = Q(amortix::TablesQuickHelp(state.TablesMode));
    text.replace("\r\n", "\n");
    MTextBox->setPlainText(text);
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
    if (MDateNumber->text() != kShowDatesCaption) {
        MDateNumber->setText(kShowDatesCaption);
        view_.ShowDates = false;
    } else {
        MDateNumber->setText(kShowNumbersCaption);
        view_.ShowDates = true;
        DateDialog dialog(context_, this);
        dialog.exec();
    }
    state.EntryEdited = false;
}

void TablesScreen::OpenAdditionalPayments() {
    ClearResults();
    context_.state.EntryEdited = false;
    AdditionalPaymentsDialog dialog(context_, context_.state.ExtraPayments, context_.state.TableInputs.years,
                                    AddPmtsOn, this);
    dialog.exec();
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
    state.GraphSource = 4;  // the tables screen
    if (commands_.showGraph) commands_.showGraph(*this);
}

void TablesScreen::Exit() {
    AppState& state = context_.state;
    state.EntryEdited = false;
    state.TablesOpen = false;
    state.ResultsReady = 0;
    state.GraphSource = 0;
    // The additional payments end with the screen: amounts, percentage,
    // option, count, and the month back to the first.
    state.ExtraPayments = amortix::AdditionalPayments{};
    state.TableInputs = {};
    MTextBox->clear();
    results_.reset();
    context_.frame.ReturnToMenu(this);
}

}  // namespace amortix::gui
