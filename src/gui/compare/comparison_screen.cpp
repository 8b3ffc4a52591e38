#include "compare/comparison_screen.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <tuple>

#include "core/calc/rates.h"
#include "core/forms/comparison_texts.h"
#include "core/forms/prepayments_form.h"
#include "core/forms/tables_form.h"
#include "dialogs/additional_payments_dialog.h"
#include "dialogs/days_in_year_dialog.h"
#include "dialogs/rate_changes_dialog.h"
#include "shell/accessibility.h"
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
#include "shell/twips.h"
#include "shell/wait_cursor.h"

namespace amortix::gui {
namespace {

// MCGrid1: each column's width changed from the default by these twips; a
// header three lines high.
constexpr int kGrid1ExtraTwips[amortix::kGrid1Columns] = {-200, 50,  450, 600, 0,   50,
                                                          160,  510, 70,  350, -40, 540};
constexpr int kGrid1HeaderTwips = 660;
constexpr int kGrid1CentredColumns = 7;
constexpr int kGrid1CompoundingColumn = 2;
constexpr int kGrid1FrequencyColumn = 3;  // columns 0-6 centred, the amounts right-aligned
// MCGrid2: column pairs of the year and month, then the amount.
constexpr int kGrid2HeaderTwips = 220;
constexpr int kGrid2LabelTwips = 760;
constexpr int kGrid2AmountTwips = 1000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The rows keep their words in English, as the comparison files store them;
// the grids show them in the window's language.
constexpr const char* kRowWord = AMX_TEXT("Row");

template <class Table>
std::optional<QString> ListWord(const std::string& cell, const Table& table) {
    for (const auto& row : table)
        if (amortix::Trim(row.listText) == cell) return Tr(row.listText).trimmed();
    return std::nullopt;
}

QString ShownCell(const std::string& cell, int column) {
    if (cell.empty() ||
        !std::any_of(cell.begin(), cell.end(), [](unsigned char c) { return std::isalpha(c); }))
        return Q(cell);
    if (column == kGrid1CompoundingColumn)
        if (const auto word = ListWord(cell, amortix::kCompoundings)) return *word;
    if (column == kGrid1FrequencyColumn)
        if (const auto word = ListWord(cell, amortix::kFrequencies)) return *word;
    return Tr(cell);
}

QString ShownRowHead(const QString& head) {
    return head.startsWith(QLatin1String(kRowWord))
               ? Tr(kRowWord) + head.mid(qsizetype(std::strlen(kRowWord)))
               : head;
}

// The widest text each MCGrid1 column can hold; the currency symbol is put
// in front of the amounts.
constexpr const char* kGrid1Widest[amortix::kGrid1Columns] = {
    "00",  "365.25",        "Semiannual", "Biweekly(Acc)", "40",      "*40.00",
    "52 ", "99,999,999.99", "100.000",    "9,999,999.99",  "100.000", "99,999,999.99"};
constexpr bool kGrid1Money[amortix::kGrid1Columns] = {false, false, false, false, false, false,
                                                      false, true,  false, true,  false, true};
// The head is the widest text of the year-and-month columns.
constexpr const char* kGrid2WidestLabel = amortix::kGrid2LabelHead;
constexpr const char* kGrid2WidestAmounts[] = {" Row     8", "999,999.99"};

// Twips a column needs to show `text` in full with the view's cell margins.
int TwipsToShow(const GridWidget* grid, const QFontMetrics& metrics, const QString& text) {
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
    return PixelsToTwipsX(grid, metrics.horizontalAdvance(text) + margins);
}

// Twips for the widest list word a column shows in the window's language:
// the compounding's and the frequency's columns.
int WidestWordTwips(const GridWidget* grid, const QFontMetrics& metrics, int column) {
    int twips = 0;
    const auto widen = [&](const auto& table) {
        for (const auto& row : table)
            twips = std::max(twips, TwipsToShow(grid, metrics, Tr(row.listText).trimmed()));
    };
    if (column == kGrid1CompoundingColumn) widen(amortix::kCompoundings);
    if (column == kGrid1FrequencyColumn) widen(amortix::kFrequencies);
    return twips;
}

// Twips for the longest word of a header, which wraps at its blanks.
int TwipsForHeader(const GridWidget* grid, const QString& header) {
    const QFontMetrics metrics(grid->horizontalHeader()->font());
    int twips = 0;
    for (const QString& word : header.split(' ', Qt::SkipEmptyParts))
        twips = std::max(twips, TwipsToShow(grid, metrics, word) + PixelsToTwipsX(grid, 4));
    return twips;
}

// A header row at least `lines` lines of the header's font high.
int HeaderTwips(const GridWidget* grid, int designTwips, int lines) {
    const QFontMetrics metrics(grid->horizontalHeader()->font());
    return std::max(designTwips, PixelsToTwipsY(grid, metrics.lineSpacing() * lines + 6));
}

// The height that shows the header and `rows` data rows.
int GridHeight(const GridWidget* grid, int rows) {
    return grid->frameWidth() * 2 + grid->horizontalHeader()->height() +
           grid->verticalHeader()->defaultSectionSize() * rows;
}

}  // namespace

ComparisonScreen::ComparisonScreen(ScreenContext& context, Commands commands)
    : context_(context), commands_(std::move(commands)), form_(context.state.CurrencySymbol) {
    setObjectName(kComparisonScreen);
    setProperty(kGrowsWithFrame, true);  // a taller frame shows more rows
    MakeControls();
    AttachEntries();
    // The boxes are sized by their widest texts: the lists get their entries first.
    Load();
    LayOut();
    FitGrids();
    InPrincipal->setFocus();
}

void ComparisonScreen::MakeControls() {
    std::tie(Label1, InPrincipal) =
        MakeInputRow<QLineEdit>(this, "Label1", amortix::kComparisonLabel1, "InPrincipal");
    std::tie(Label3, InRate) = MakeInputRow<QComboBox>(this, "Label3", amortix::kComparisonLabel3, "InRate");
    std::tie(Label4, InTerm) = MakeInputRow<QComboBox>(this, "Label4", amortix::kComparisonLabel4, "InTerm");
    std::tie(Label5, ComPeriod) =
        MakeChoiceRow(this, "Label5", amortix::kComparisonLabel5, "ComPeriod", amortix::kCompoundings);
    std::tie(Label6, FreqPmt) =
        MakeChoiceRow(this, "Label6", amortix::kComparisonLabel6, "FreqPmt", amortix::kFrequencies);
    std::tie(Label11, MCRounding) =
        MakeChoiceRow(this, "Label11", amortix::kRoundingLabel, "MCRounding", amortix::kRoundings);

    std::tie(Label9, PeriodicR) = MakeResultRow(this, "Label9", amortix::kComparisonLabel9, "PeriodicR");
    std::tie(Label10, InDays) = MakeResultRow(this, "Label10", amortix::kComparisonLabel10, "InDays");
    Label8 = MakeCaption(this, "Label8", amortix::kComparisonLabel8);
    MCAddPmtsOn = MakeIndicator(this, "MCAddPmtsOn", SpokenCaption(Label8->text()));
    MCRateChangesOn = MakeIndicator(this, "MCRateChangesOn", AMX_TEXT("Rate changes in force"));

    MCGrid1 = new GridWidget(this);
    MCGrid1->setObjectName("MCGrid1");
    MCGrid1->setAccessibleName(SpokenCaption(Tr(amortix::kComparisonCaption)));
    connect(MCGrid1, &GridWidget::keyDown, this, [this](int key) {
        if (key == Qt::Key_Delete) DeleteRow();
    });
    MCGrid2 = new GridWidget(this);
    MCGrid2->setObjectName("MCGrid2");
    MCGrid2->setAccessibleName(SpokenCaption(Label8->text()));
    MCTextBox = MakeQuickHelpText(this, "MCTextBox", SpokenCaption(Tr(kQuickHelpCaption)),
                                  context_.interaction, InPrincipal);

    MCCalc = MakeCommand(this, "MCCalc", AMX_TEXT("&Calculate"), &ComparisonScreen::Calculate);
    MCHelp = MakeCommand(this, "MCHelp", kQuickHelpCaption, &ComparisonScreen::ToggleQuickHelp);
    MCAddPrePay = MakeCommand(this, "MCAddPrePay", AMX_TEXT("&Additional Payments"),
                              &ComparisonScreen::OpenAdditionalPayments);
    MCRateChanges =
        MakeCommand(this, "MCRateChanges", AMX_TEXT("&Rate Changes"), &ComparisonScreen::OpenRateChanges);
    MCShowIRF = MakeCommand(this, "MCShowIRF", AMX_TEXT("&Days in Year"), &ComparisonScreen::OpenDaysInYear);
    MCDeleteRow = MakeCommand(this, "MCDeleteRow", AMX_TEXT("De&lete Row"), &ComparisonScreen::DeleteRow);
    MCGraphs = MakeCommand(this, "MCGraphs", AMX_TEXT("&Show Graph"), &ComparisonScreen::ShowGraph);
    MCPrinter = MakeCommand(this, "MCPrinter", AMX_TEXT("&Print"), &ComparisonScreen::Print);
    CSaveFile = MakeCommand(this, "CSaveFile", AMX_TEXT("Sav&e File"), &ComparisonScreen::SaveFile);
    CLoadFile = MakeCommand(this, "CLoadFile", AMX_TEXT("&Open File"), [this] {
        if (commands_.loadFile) commands_.loadFile(*this);
    });
    MCExport = MakeCommand(this, "MCExport", AMX_TEXT("Export &File"), &ComparisonScreen::ExportFile);
    MCCopy = MakeCommand(this, "MCCopy", AMX_TEXT("Cop&y Results"), &ComparisonScreen::CopyResults);
    MCExit = MakeCommand(this, "MCExit", AMX_TEXT("E&xit to Menu"), &ComparisonScreen::Exit);
    quickHelp_ =
        new QuickHelp({MCHelp, MCTextBox, {MCGrid1}, {MCPrinter, CSaveFile, MCGraphs, MCExport, MCCopy}});
}

void ComparisonScreen::AttachEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    const auto close = [this] { CloseQuickHelp(); };

    NumericEntry::Options principal;
    principal.clearResults = close;
    principal.next = InRate;
    principal.store = [this](double typed) {
        return Q(form_.EnterPrincipal(ShowHeld(context_.interaction, amortix::HoldPrincipal(typed))));
    };
    NumericEntry::Attach(state, interaction, InPrincipal, principal);

    NumericEntry::Options rate;
    rate.decimals = 3;
    rate.clearResults = close;
    rate.next = InTerm;
    rate.store = [this](double typed) {
        return Q(form_.EnterRate(ShowHeld(context_.interaction, amortix::HoldRate(typed))));
    };
    NumericEntry::Attach(state, interaction, InRate, rate);

    NumericEntry::Options term;
    term.kind = NumericEntry::Kind::Whole;
    term.clearResults = close;
    term.next = ComPeriod;
    term.onLeave = [this] { LeaveTerm(); };
    term.store = [this](double value) {
        const double before = form_.Years();
        QString shown = Q(form_.EnterTerm(value));
        // Year amounts belong to the period they were typed for; the same
        // period typed again keeps them.
        if (amortix::PeriodChangeErasesPayments(before, form_.Years(), form_.Extra())) {
            EraseAdditionalPayments();
            context_.interaction.ShowMessage(amortix::Message::AdditionalPaymentsErased);
        }
        return shown;
    };
    NumericEntry::Attach(state, interaction, InTerm, term);

    for (const auto& [list, next] :
         {std::pair<QComboBox*, QWidget*>{ComPeriod, FreqPmt}, {FreqPmt, MCRounding}, {MCRounding, MCCalc}}) {
        ChoiceList::Options choice;
        choice.clearResults = close;
        choice.next = next;
        ChoiceList::Attach(state, interaction, list, choice);
    }

    AlignRight({InPrincipal, InRate, InTerm});
    ChainTabOrder({InPrincipal, InRate, InTerm, ComPeriod, FreqPmt, MCRounding, MCCalc});
}

void ComparisonScreen::LayOut() {
    const QFontMetrics metrics(font());
    const int chars = metrics.averageCharWidth();
    // Each box as wide as its widest text.
    const auto fit = [&metrics](QWidget* box, const char* widest) {
        const int frame = 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
        return std::max(box->sizeHint().width(), metrics.horizontalAdvance(widest) + frame);
    };
    InPrincipal->setFixedWidth(fit(InPrincipal, "$99,999,999.99"));
    for (QComboBox* list : {InRate, InTerm, ComPeriod, FreqPmt, MCRounding})
        list->setFixedWidth(std::max(list->sizeHint().width(), InPrincipal->width()));
    for (QLineEdit* result : {PeriodicR, InDays}) result->setFixedWidth(fit(result, "0.00000000"));

    // The boxes stand in one row across the top, each under its caption, so
    // the two grids get the height.
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(chars);
    const CaptionedBox columns[] = {{Label1, InPrincipal}, {Label3, InRate},  {Label4, InTerm},
                                    {Label5, ComPeriod},   {Label6, FreqPmt}, {Label11, MCRounding},
                                    {Label9, PeriodicR},   {Label10, InDays}};
    int column = 0;
    for (const auto& [label, box] : columns) {
        label->setFixedWidth(box->width());
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        top->addWidget(label, 0, column);
        top->addWidget(box, 1, column++);
        if (column == 6) top->setColumnMinimumWidth(column++, chars);  // inputs apart from results
    }
    top->setColumnStretch(column, 1);

    // The indicator heads the listing of the payments it stands for.
    MCAddPmtsOn->setFixedSize(chars * 2, metrics.height());
    Label8->setWordWrap(false);
    auto* indicator = new QHBoxLayout;
    indicator->setSpacing(chars);
    indicator->addWidget(MCAddPmtsOn);
    indicator->addWidget(Label8, 1);

    // Buttons in one column on the right: calculation, dialogs, files and
    // output, and the way back at the bottom.
    QBoxLayout* buttons = MakeButtonLine(Qt::Vertical,
                                         {{MCCalc, MCHelp},
                                          {MCAddPrePay, MCRateChanges, MCShowIRF, MCDeleteRow},
                                          {CSaveFile, CLoadFile, MCExport, MCPrinter, MCGraphs, MCCopy}},
                                         MCExit, metrics.height() / 2, chars * 20);
    MCRateChangesOn->setFixedWidth(chars * 2);
    PutInFront(buttons, MCRateChangesOn, MCRateChanges, chars / 2);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(MCGrid1);
    left->addWidget(MCTextBox, 2);
    left->addLayout(indicator);
    left->addWidget(MCGrid2, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(chars * 2);
    layout->addLayout(buttons);
}

void ComparisonScreen::FitGrids() {
    // The upper grid is as wide as its columns and shows its eight rows; the
    // help text takes its place.
    int gridWidth = MCGrid1->frameWidth() * 2 + 2;
    for (int c = 0; c < MCGrid1->Cols(); ++c) gridWidth += MCGrid1->columnWidth(c);
    MCGrid1->setFixedWidth(gridWidth);
    MCGrid1->setFixedHeight(GridHeight(MCGrid1, amortix::kGrid1Rows - 1));
    MCGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MCGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The listing scrolls; a few of its rows are always in view.
    MCGrid2->setFixedWidth(gridWidth);
    MCGrid2->setMinimumHeight(GridHeight(MCGrid2, 5) +
                              MCGrid2->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    MCTextBox->setFixedWidth(gridWidth);
    MCTextBox->setMinimumHeight(MCGrid1->height());
    setMinimumSize(layout()->sizeHint());
}

ComparisonScreen::~ComparisonScreen() = default;

void ComparisonScreen::Load() {
    AppState& state = context_.state;
    context_.frame.SetCaption(Tr(amortix::kComparisonCaption));
    // Every calculator starts from 365 days (the preset's literals, not 365/14).
    state.DayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);
    state.QuickHelpOn = false;
    state.EntryEdited = false;

    LayoutGrid1();
    ShowGrid1();
    ShowGrid2();

    const amortix::ComparisonStart start = amortix::ComparisonStartFor(state.CurrencySymbol);
    InPrincipal->setText(Q(start.principalText));
    for (const auto& entry : start.rateList) InRate->addItem(Q(entry));
    InRate->setEditText(Q(start.rateText));
    for (const auto& entry : start.termList) InTerm->addItem(Q(entry));
    InTerm->setEditText(Q(start.termText));
    ShowChoice(ComPeriod, amortix::kCompoundings, amortix::CompoundingForSetting(state.CompoundSetting));
    FreqPmt->setCurrentIndex(0);
    MCRounding->setCurrentIndex(0);
    ShowAdditionalPaymentsInForce(MCAddPmtsOn, form_.AdditionalPaymentsInForce());
    ShowRateChangesInForce(MCRateChangesOn, !form_.RateChanges().empty());
}

void ComparisonScreen::Display() {
    const AppState& state = context_.state;
    InPrincipal->setText(Q(amortix::MoneyBoxText(state.CurrencySymbol, form_.Principal())));
    InRate->setEditText(Q(amortix::ComparisonRateText(form_.RatePercent())));
    InTerm->setEditText(Q(amortix::TermBoxText(form_.Years())));
    ShowAdditionalPaymentsInForce(MCAddPmtsOn, form_.AdditionalPaymentsInForce());
    ShowGrid1();
    ShowGrid2();
}

amortix::ComparisonForm::Choices ComparisonScreen::Choices() const {
    return {ChoiceOf(ComPeriod, amortix::kCompoundings), ChoiceOf(FreqPmt, amortix::kFrequencies),
            ChoiceOf(MCRounding, amortix::kRoundings), context_.state.DayBasis};
}

amortix::ComparisonInputs ComparisonScreen::Inputs() const {
    return form_.Inputs(Choices());
}

bool ComparisonScreen::Restore(const amortix::ComparisonInputs& inputs, amortix::ComparisonState comparison) {
    if (!form_.Restore(inputs, std::move(comparison))) return false;
    AppState& state = context_.state;
    state.DayBasis = inputs.dayBasis;
    ShowChoice(ComPeriod, amortix::kCompoundings, inputs.compounding);
    ShowChoice(FreqPmt, amortix::kFrequencies, inputs.frequency);
    ShowChoice(MCRounding, amortix::kRoundings, inputs.rounding);
    ShowRateChangesInForce(MCRateChangesOn, !inputs.rateChanges.empty());
    // The opened rows take the place of the quick help.
    state.QuickHelpOn = false;
    CloseQuickHelp();
    state.EntryEdited = false;
    InDays->clear();
    PeriodicR->clear();
    Display();
    return true;
}

void ComparisonScreen::LayoutGrid1() {
    MCGrid1->SetCols(amortix::kGrid1Columns);
    MCGrid1->SetRows(amortix::kGrid1Rows);
    // The design's sizes, widened where this font needs more to show every
    // header word and the widest cell in full.
    MCGrid1->SetRowHeight(0, HeaderTwips(MCGrid1, kGrid1HeaderTwips, 3));
    const QFontMetrics metrics(MCGrid1->font());
    const QString symbol = Q(context_.state.CurrencySymbol);
    for (int c = 0; c < amortix::kGrid1Columns; ++c) {
        const QString widest = (kGrid1Money[c] ? symbol : QString()) + ShownCell(kGrid1Widest[c], c);
        MCGrid1->SetColWidth(
            c, std::max({kDefaultColumnTwips + kGrid1ExtraTwips[c], TwipsToShow(MCGrid1, metrics, widest),
                         WidestWordTwips(MCGrid1, metrics, c),
                         TwipsForHeader(MCGrid1, Tr(amortix::kGrid1Headers[c]))}));
        MCGrid1->SetColAlignment(c, c < kGrid1CentredColumns ? CellAlignment::Center : CellAlignment::Right);
        MCGrid1->SetFixedAlignment(c, CellAlignment::Center);
    }
    MCGrid1->CollapseSelection(1, 0);
}

void ComparisonScreen::LayoutGrid2() {
    const amortix::ComparisonState& comparison = form_.Table().State();
    // The stored counts only ever grow.
    MCGrid2->SetCols(std::max(comparison.grid2Columns, amortix::kGrid2MinColumns));
    MCGrid2->SetRows(std::max(comparison.grid2Rows, amortix::kGrid2MinRows));
    MCGrid2->SetRowHeight(0, HeaderTwips(MCGrid2, kGrid2HeaderTwips, 1));
    const QFontMetrics metrics(MCGrid2->horizontalHeader()->font());
    const int labelTwips = std::max(kGrid2LabelTwips, TwipsToShow(MCGrid2, metrics, Tr(kGrid2WidestLabel)));
    int amountTwips = kGrid2AmountTwips;
    for (const char* widest : kGrid2WidestAmounts)
        amountTwips = std::max(amountTwips, TwipsToShow(MCGrid2, metrics, ShownRowHead(widest)));
    for (int c = 0; c < MCGrid2->Cols(); ++c) {
        const bool label = c % 2 == 0;
        MCGrid2->SetColWidth(c, label ? labelTwips : amountTwips);
        MCGrid2->SetColAlignment(c, label ? CellAlignment::Center : CellAlignment::Right);
        MCGrid2->SetFixedAlignment(c, CellAlignment::Center);
    }
    MCGrid2->CollapseSelection(1, 0);
}

void ComparisonScreen::ShowGrid1() {
    const auto& cells = form_.Table().State().grid1;
    for (int c = 0; c < amortix::kGrid1Columns; ++c)
        MCGrid1->SetTextAt(0, c, Tr(cells[0][static_cast<std::size_t>(c)]));
    // The data cells are read from the comparison as they are painted.
    MCGrid1->SetCellFunction([this](int row, int column) {
        const auto& rows = form_.Table().State().grid1;
        const auto r = static_cast<std::size_t>(row), c = static_cast<std::size_t>(column);
        return r < rows.size() && c < rows[r].size() ? ShownCell(rows[r][c], column) : QString();
    });
    // A row's rate changes and rounding have no column: its cells tell them.
    MCGrid1->SetToolTipFunction([this](int row, int) {
        const auto& values = form_.Table().State().rowValues;
        const auto r = static_cast<std::size_t>(row - 1);
        if (row < 1 || r >= values.size() || !values[r]) return QString();
        QStringList lines;
        for (const std::string& line :
             amortix::ComparisonRowChanges(*values[r], context_.state.CurrencySymbol))
            lines << Q(line);
        return lines.join('\n');
    });
}

void ComparisonScreen::ShowGrid2() {
    LayoutGrid2();
    const amortix::TextTable& cells = form_.Table().State().grid2;
    for (int c = 0; c < MCGrid2->Cols(); ++c) {
        const auto column = static_cast<std::size_t>(c);
        // Over each year-and-month column a fixed head; over each amount
        // column the row's number.
        const QString head = !cells.empty() && column < cells[0].size() ? Q(cells[0][column]) : QString();
        MCGrid2->SetTextAt(0, c, c % 2 == 0 && !head.isEmpty() ? Tr(head) : ShownRowHead(head));
    }
    MCGrid2->SetCellFunction([this](int row, int column) {
        const amortix::TextTable& rows = form_.Table().State().grid2;
        const auto r = static_cast<std::size_t>(row), c = static_cast<std::size_t>(column);
        return r < rows.size() && c < rows[r].size() ? Q(rows[r][c]) : QString();
    });
}

void ComparisonScreen::CloseQuickHelp() {
    AppState& state = context_.state;
    state.EntryEdited = true;
    if (state.QuickHelpOn) return;  // the help text stays on screen

    MCTextBox->clear();
    if (form_.Table().State().rowCount == 0) {
        form_.Table().ClearIfEmpty();
        ShowGrid1();
    }
    if (quickHelp_->IsOpen()) {
        quickHelp_->Close();
        state.EntryEdited = false;
    }
    state.QuickHelpOn = false;
}

void ComparisonScreen::Calculate() {
    AppState& state = context_.state;
    state.QuickHelpOn = false;
    CloseQuickHelp();
    state.EntryEdited = false;

    amortix::ComparisonRun run;
    {
        const WaitCursor wait;
        run = form_.Calculate(Choices());
    }
    if (run.rates) {
        InDays->setText(Q(amortix::ComparisonDaysText(run.rates->paymentsPerYear, run.rates->daysInYear,
                                                      WindowCatalogue())));
        PeriodicR->setText(Q(amortix::ComparisonRateFactorText(run.rates->rateFactor)));
    }
    // A lender's limit gone over names the row's first year over it and by how much.
    const auto& values = form_.Table().State().rowValues;
    const amortix::ComparisonRow* added = run.added && run.row >= 1 &&
                                                  run.row <= static_cast<std::int16_t>(values.size()) &&
                                                  values[static_cast<std::size_t>(run.row - 1)]
                                              ? &*values[static_cast<std::size_t>(run.row - 1)]
                                              : nullptr;
    for (const amortix::Message message : run.messages)
        context_.interaction.ShowMessage(
            message, added ? Q(amortix::LimitMessageDetail(*added, message, context_.state.CurrencySymbol,
                                                           WindowCatalogue()))
                           : QString());
    if (!run.added) return;

    ShowGrid1();
    if (run.listed) ShowGrid2();
}

void ComparisonScreen::DeleteRow() {
    const int row = MCGrid1->Row();
    if (!form_.DeleteRow(row)) {
        context_.interaction.Beep();
        return;
    }
    ShowGrid1();
    ShowGrid2();
    const int rows = form_.Table().State().rowCount;
    MCGrid1->CollapseSelection(std::clamp(row, 1, std::max(rows, 1)), 0);
    MCGrid1->viewport()->update();
}

void ComparisonScreen::LeaveTerm() {
    if (const auto message = amortix::ComparisonForm::TermLimit(InTerm->currentText().toStdString())) {
        context_.interaction.ShowMessage(*message);
        InTerm->setEditText("40");
        // The corrected period is the one stored, typed or not.
        context_.state.EntryEdited = true;
    }
}

void ComparisonScreen::EraseAdditionalPayments() {
    form_.EraseAdditionalPayments();
    ShowAdditionalPaymentsInForce(MCAddPmtsOn, form_.AdditionalPaymentsInForce());
}

void ComparisonScreen::ToggleQuickHelp() {
    AppState& state = context_.state;
    state.QuickHelpOn = !state.QuickHelpOn;
    if (quickHelp_->IsOpen()) {
        CloseQuickHelp();
        return;
    }
    quickHelp_->Open(amortix::ComparisonQuickHelp(WindowCatalogue()));
}

void ComparisonScreen::OpenAdditionalPayments() {
    CloseQuickHelp();
    context_.state.EntryEdited = false;
    AdditionalPaymentsDialog dialog(context_, form_.Extra(), form_.Prepays(), form_.Years(), MCAddPmtsOn,
                                    this);
    dialog.exec();
}

void ComparisonScreen::OpenRateChanges() {
    CloseQuickHelp();
    {
        RateChangesDialog dialog(context_, form_.RateChanges(), MCRateChangesOn, this);
        dialog.exec();
    }
    context_.state.EntryEdited = false;
}

void ComparisonScreen::OpenDaysInYear() {
    {
        DaysInYearDialog dialog(context_, this);
        dialog.exec();
    }
    CloseQuickHelp();
    context_.state.EntryEdited = false;
}

void ComparisonScreen::SaveFile() {
    if (form_.Table().State().rowCount == 0) {
        context_.interaction.ShowMessage(amortix::Message::NoRecordsToSave);
        return;
    }
    if (commands_.saveFile) commands_.saveFile(*this);
}

void ComparisonScreen::Print() {
    if (form_.Table().State().rowsToGraph == 0) {
        context_.interaction.ShowMessage(amortix::Message::NothingToPrint);
        return;
    }
    if (commands_.print) commands_.print(*this);
}

void ComparisonScreen::ShowGraph() {
    if (form_.Table().State().rowsToGraph == 0) {
        context_.interaction.ShowMessage(amortix::Message::NoData);
        return;
    }
    if (commands_.showGraph) commands_.showGraph(*this);
}

void ComparisonScreen::ExportFile() {
    if (form_.Table().State().rowCount == 0) {
        context_.interaction.ShowMessage(amortix::Message::NoData);
        return;
    }
    if (commands_.exportFile) commands_.exportFile(*this);
}

void ComparisonScreen::CopyResults() {
    const auto lines = amortix::ComparisonResultLines(PeriodicR->text().toStdString(),
                                                      InDays->text().toStdString(), WindowCatalogue());
    if (lines.empty()) {
        context_.interaction.ShowMessage(amortix::Message::NoData);
        return;
    }
    CopyResultLines(lines);
}

bool ComparisonScreen::MayClose() {
    if (form_.Table().State().rowCount == 0 || !form_.Unsaved()) return true;
    // Rows the program keeps for the next visit are not erased: nothing to ask.
    if (commands_.remember) return true;
    // A box closed without an answer is a No.
    return context_.interaction.AskQuestion(amortix::Question::LeaveComparison) == amortix::kAnswerYes;
}

void ComparisonScreen::Exit() {
    if (!MayClose()) return;
    if (commands_.remember) commands_.remember(*this);
    AppState& state = context_.state;
    // The rows, the listing, the printout text, the graph data and the
    // additional payments end with the screen, which is unloaded.
    state.EntryEdited = false;
    state.QuickHelpOn = false;
    MCTextBox->clear();
    context_.frame.ReturnToMenu(this);
}

}  // namespace amortix::gui
