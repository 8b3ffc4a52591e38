#include "qualify/qualify_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/calc/schedule.h"
#include "core/format/messages.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/controls.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/quick_help.h"
#include "shell/screen_parts.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

constexpr QSize kFormTwips(9615, 6810);  // the tables screen's

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a result box shows: a word (the limiting ratio, "None") in the
// window's language, figures as they are.
QString BoxText(std::string_view text) {
    QString shown = Q(text);
    const QString word = shown.trimmed();
    if (word.isEmpty()) return shown;
    const QString translated = Tr(word);
    return translated == word ? shown : translated;
}

// The inputs of each panel, in the Enter order.
constexpr amortix::QualifyInput kBorrowerInputs[] = {
    amortix::QualifyInput::Income,      amortix::QualifyInput::Income2,
    amortix::QualifyInput::Debts,       amortix::QualifyInput::CardBalances,
    amortix::QualifyInput::PropertyTax, amortix::QualifyInput::HomeInsurance,
    amortix::QualifyInput::Heating,     amortix::QualifyInput::CondoFees,
    amortix::QualifyInput::DownPayment};
constexpr amortix::QualifyInput kLimitInputs[] = {
    amortix::QualifyInput::Gds, amortix::QualifyInput::Tds, amortix::QualifyInput::StressAdd,
    amortix::QualifyInput::StressFloor, amortix::QualifyInput::MortgageInsurance};

}  // namespace

QualifyScreen::QualifyScreen(ScreenContext& context, Commands commands)
    : context_(context), commands_(std::move(commands)), form_(context.state.CurrencySymbol) {
    setObjectName(kQualifyScreen);
    MakeControls();
    AttachEntries();
    LayOut();
    context_.frame.SetCaption(Tr(amortix::kQualifyCaption));
    context_.state.QuickHelpOn = false;
    context_.state.EntryEdited = false;
    ShowInputs();
    Calculate();
    Input(amortix::QualifyInput::Income)->setFocus();
}

QualifyScreen::~QualifyScreen() = default;

void QualifyScreen::MakeControls() {
    QFrameBorrowers = new QGroupBox(Tr("Borrowers and the home"), this);
    QFrameBorrowers->setObjectName("QFrameBorrowers");
    QFrameMortgage = new QGroupBox(Tr("Mortgage and the lender's limits"), this);
    QFrameMortgage->setObjectName("QFrameMortgage");
    QFrameResults = new QGroupBox(Tr("What the income qualifies for"), this);
    QFrameResults->setObjectName("QFrameResults");
    for (const amortix::QualifyInputInfo& info : amortix::kQualifyInputs) {
        const auto i = static_cast<std::size_t>(info.id);
        const bool borrower = i <= static_cast<std::size_t>(amortix::QualifyInput::DownPayment);
        const std::string name(info.objectName);
        std::tie(inputLabels[i], inputs[i]) =
            MakeInputRow<QLineEdit>(borrower ? QFrameBorrowers : QFrameMortgage, (name + "Label").c_str(),
                                    Q(info.caption), name.c_str());
        AlignRight({inputs[i]});
        MarkAsInput(inputs[i]);
    }
    std::tie(QRulesLabel, QRules) = MakeChoiceRow(QFrameMortgage, "QRulesLabel", amortix::kQualifyRulesLabel,
                                                  "QRules", amortix::kQualifyRules);
    std::tie(QCompoundingLabel, QCompPeriod) =
        MakeChoiceRow(QFrameMortgage, "QCompoundingLabel", amortix::kQualifyCompoundingLabel, "QCompPeriod",
                      amortix::kCompoundings);
    std::tie(QFrequencyLabel, QFreqPmt) =
        MakeChoiceRow(QFrameMortgage, "QFrequencyLabel", amortix::kQualifyFrequencyLabel, "QFreqPmt",
                      amortix::kFrequencies);
    QStressTest = new QCheckBox(Tr(amortix::kQualifyStressLabel), QFrameMortgage);
    QStressTest->setObjectName("QStressTest");
    QStressTest->setAccessibleName(QStressTest->text().remove('&'));

    for (const amortix::QualifyBoxInfo& info : amortix::kQualifyBoxes) {
        const auto i = static_cast<std::size_t>(info.id);
        const std::string name(info.objectName);
        std::tie(resultLabels[i], results[i]) =
            MakeResultRow(QFrameResults, (name + "Label").c_str(), Q(info.caption), name.c_str());
    }
    QNotice = new QLabel(Tr(amortix::kQualifyNotice), QFrameResults);
    QNotice->setObjectName("QNotice");
    QTextBox = MakeQuickHelpText(this, "QTextBox", AMX_TEXT("Quick Help"), context_.interaction,
                                 Input(amortix::QualifyInput::Income));

    QCalc = MakeCommand(this, "QCalc", AMX_TEXT("&Calculate"), &QualifyScreen::Calculate);
    QHelp = MakeCommand(this, "QHelp", kQuickHelpCaption, &QualifyScreen::ToggleQuickHelp);
    QUseInTables = MakeCommand(this, "QUseInTables", AMX_TEXT("Use in &Tables"),
                               [this] { WithResults(amortix::Message::NoData, commands_.useInTables); });
    QPrint = MakeCommand(this, "QPrint", AMX_TEXT("&Print"),
                         [this] { WithResults(amortix::Message::NothingToPrint, commands_.print); });
    QSave = MakeCommand(this, "QSave", AMX_TEXT("Sa&ve File"), [this] {
        if (commands_.saveFile) commands_.saveFile(*this);
    });
    QOpen = MakeCommand(this, "QOpen", AMX_TEXT("&Open File"), [this] {
        if (commands_.openFile) commands_.openFile(*this);
    });
    QExit = MakeCommand(this, "QExit", AMX_TEXT("E&xit to Menu"), &QualifyScreen::Exit);
    quickHelp_ = new QuickHelp({QHelp, QTextBox, {QFrameResults}, {QPrint, QUseInTables}});
}

void QualifyScreen::AttachEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    // The Enter order: the borrowers' boxes, the mortgage, the limits.
    std::vector<QWidget*> order;
    for (const auto id : kBorrowerInputs) order.push_back(Input(id));
    order.insert(order.end(), {Input(amortix::QualifyInput::Rate), QCompPeriod, QFreqPmt,
                               Input(amortix::QualifyInput::Years), QRules});
    for (const auto id : kLimitInputs) order.push_back(Input(id));
    order.push_back(QCalc);
    const auto nextAfter = [&order](QWidget* w) {
        for (std::size_t i = 0; i + 1 < order.size(); ++i)
            if (order[i] == w) return order[i + 1];
        return static_cast<QWidget*>(nullptr);
    };

    for (const amortix::QualifyInputInfo& info : amortix::kQualifyInputs) {
        NumericEntry::Options entry;
        entry.kind = info.kind == amortix::QualifyEntryKind::Years ? NumericEntry::Kind::Whole
                                                                   : NumericEntry::Kind::Decimal;
        entry.decimals = info.kind == amortix::QualifyEntryKind::Percent ? 3 : 2;
        entry.clearResults = [this] { ClearResults(); };
        entry.next = nextAfter(Input(info.id));
        entry.store = [this, id = info.id](double value) {
            QString text = Q(form_.Enter(id, value));
            Calculate();
            return text;
        };
        NumericEntry::Attach(state, interaction, Input(info.id), entry);
    }

    ChoiceList::Options rules;
    rules.clearResults = [this] { ClearResults(); };
    rules.next = nextAfter(QRules);
    rules.onChoose = [this] { ChangeRules(); };
    rules.onLeaveAfterChoice = [this] { Calculate(); };
    ChoiceList::Attach(state, interaction, QRules, rules);
    for (QComboBox* list : {QCompPeriod, QFreqPmt}) {
        ChoiceList::Options choice;
        choice.clearResults = [this] { ClearResults(); };
        choice.next = nextAfter(list);
        choice.onLeaveAfterChoice = [this] { Calculate(); };
        ChoiceList::Attach(state, interaction, list, choice);
    }
    connect(QStressTest, &QCheckBox::clicked, this, [this](bool on) {
        form_.ChooseStressTest(on);
        Calculate();
    });

    order.insert(order.end() - 1, QStressTest);
    order.insert(order.end(), {QHelp, QUseInTables, QPrint, QSave, QOpen, QExit});
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void QualifyScreen::LayOut() {
    const QFontMetrics metrics(font());
    const int chars = metrics.averageCharWidth();
    // Three panels side by side, so the screen is no taller than the others.
    const auto panel = [chars](QGroupBox* frame, std::span<const CaptionedBox> rows, QWidget* below) {
        for (const auto& [label, box] : rows) {
            label->setFixedWidth(chars * 21);
            // A list needs room for its arrow beside the longest entry.
            const bool list = qobject_cast<QComboBox*>(box) != nullptr;
            box->setFixedWidth(list ? std::max(chars * 16, box->sizeHint().width()) : chars * 16);
        }
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(2);
        const int next = AddRows(grid, rows, Qt::AlignRight | Qt::AlignVCenter);
        // As wide as its text, so a click beside it is no click on it.
        if (below) grid->addWidget(below, next, 0, 1, 2, Qt::AlignLeft);
        grid->setRowStretch(next + 1, 1);
    };
    std::vector<CaptionedBox> borrowers, mortgage, found;
    for (const auto id : kBorrowerInputs)
        borrowers.push_back({inputLabels[static_cast<std::size_t>(id)], Input(id)});
    mortgage.push_back({inputLabels[static_cast<std::size_t>(amortix::QualifyInput::Rate)],
                        Input(amortix::QualifyInput::Rate)});
    mortgage.push_back({QCompoundingLabel, QCompPeriod});
    mortgage.push_back({QFrequencyLabel, QFreqPmt});
    mortgage.push_back({inputLabels[static_cast<std::size_t>(amortix::QualifyInput::Years)],
                        Input(amortix::QualifyInput::Years)});
    mortgage.push_back({QRulesLabel, QRules});
    for (const auto id : kLimitInputs)
        mortgage.push_back({inputLabels[static_cast<std::size_t>(id)], Input(id)});
    for (std::size_t i = 0; i < results.size(); ++i) found.push_back({resultLabels[i], results[i]});
    panel(QFrameBorrowers, borrowers, nullptr);
    panel(QFrameMortgage, mortgage, QStressTest);
    panel(QFrameResults, found, QNotice);

    auto* panels = new QGridLayout;
    panels->addWidget(QFrameBorrowers, 0, 0);
    panels->addWidget(QFrameMortgage, 0, 1);
    panels->addWidget(QFrameResults, 0, 2);
    QTextBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    panels->addWidget(QTextBox, 0, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels);
    layout->addStretch(1);
    layout->addLayout(
        MakeButtonLine(Qt::Horizontal, {{QCalc, QHelp, QUseInTables, QPrint, QSave, QOpen}}, QExit, 0, 0));
}

QSize QualifyScreen::sizeHint() const {
    return TwipsToPixels(this, kFormTwips).expandedTo(minimumSizeHint());
}

void QualifyScreen::ShowInputs() {
    const amortix::QualifyInputs& in = form_.Inputs();
    for (const amortix::QualifyInputInfo& info : amortix::kQualifyInputs)
        Input(info.id)->setText(Q(form_.Text(info.id)));
    ShowChoice(QRules, amortix::kQualifyRules, in.rules);
    ShowChoice(QCompPeriod, amortix::kCompoundings, in.compounding);
    ShowChoice(QFreqPmt, amortix::kFrequencies, in.frequency);
    QStressTest->setChecked(in.limits.stressTest);
}

void QualifyScreen::ShowResults() {
    for (const amortix::QualifyBoxInfo& info : amortix::kQualifyBoxes)
        Result(info.id)->setText(BoxText(form_.Text(info.id)));
}

void QualifyScreen::ChangeRules() {
    form_.ChooseRules(ChoiceOf(QRules, amortix::kQualifyRules));
    // The rule set's limits and compounding replace what the boxes showed.
    ShowInputs();
}

void QualifyScreen::ClearResults() {
    form_.ClearResults();
    ShowResults();
    if (quickHelp_->IsOpen() && !context_.state.QuickHelpOn) quickHelp_->Close();
    context_.state.EntryEdited = true;
}

void QualifyScreen::Calculate() {
    AppState& state = context_.state;
    state.QuickHelpOn = false;
    if (quickHelp_->IsOpen()) quickHelp_->Close();
    form_.ChooseCompounding(ChoiceOf(QCompPeriod, amortix::kCompoundings));
    form_.ChooseFrequency(ChoiceOf(QFreqPmt, amortix::kFrequencies));
    const amortix::QualifyResult& run = form_.Calculate();
    ShowResults();
    state.EntryEdited = false;
    for (const amortix::Message message : run.messages) context_.interaction.ShowMessage(message);
}

void QualifyScreen::Restore(const amortix::QualifyInputs& opened) {
    form_.Restore(opened);
    ShowInputs();
    Calculate();
}

amortix::ScheduleInputs QualifyScreen::TablesInputs() const {
    const amortix::QualifyInputs& in = form_.Inputs();
    amortix::ScheduleInputs out;
    out.mode = amortix::TableKind::Mortgage;
    out.principal = form_.LastRun().maxMortgage;
    out.ratePercent = in.ratePercent;
    out.years = in.years;
    out.compounding = in.compounding;
    out.frequency = in.frequency;
    return out;
}

void QualifyScreen::ToggleQuickHelp() {
    AppState& state = context_.state;
    if (quickHelp_->IsOpen()) {
        state.QuickHelpOn = false;
        quickHelp_->Close();
        return;
    }
    state.QuickHelpOn = true;
    quickHelp_->Open(amortix::QualifyQuickHelp(WindowCatalogue()));
}

void QualifyScreen::WithResults(amortix::Message without,
                                const std::function<void(QualifyScreen&)>& command) {
    if (!form_.HasResults() || !form_.LastRun().qualified) {
        context_.interaction.ShowMessage(without);
        return;
    }
    if (command) command(*this);
}

void QualifyScreen::Exit() {
    context_.state.EntryEdited = false;
    context_.state.QuickHelpOn = false;
    context_.frame.ReturnToMenu(this);
}

}  // namespace amortix::gui
