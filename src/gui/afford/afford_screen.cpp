#include "afford/afford_screen.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <span>
#include <tuple>
#include <utility>

#include "core/calc/rates.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"
#include "dialogs/days_in_year_dialog.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/controls.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/quick_help.h"
#include "shell/result_copy.h"
#include "shell/screen_parts.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

// The window's size; the printout takes its top 5750 twips, so the button
// row must start below that.
constexpr QSize kFormTwips(9550, 6450);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void Highlight(QLabel* label, bool on) {
    if (!on) {
        label->setPalette(QPalette());
        label->setAutoFillBackground(false);
        return;
    }
    QPalette palette = label->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, QColor(0xc0, 0xff, 0xff));
        palette.setColor(group, QPalette::WindowText, Qt::black);
    }
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

}  // namespace

AffordScreen::AffordScreen(ScreenContext& context, Commands commands)
    : context_(context), commands_(std::move(commands)) {
    setObjectName(kAffordabilityScreen);
    MakeControls();
    AttachEntries();
    LayOut();
    Load();
}

void AffordScreen::MakeSolveOptions() {
    Frame1 = new QGroupBox(Tr(amortix::kAffordFrame1), this);
    Frame1->setObjectName("Frame1");
    MFPrincipalOpt = new QRadioButton(Tr(amortix::kAffordPrincipalOpt), Frame1);
    MFPrincipalOpt->setObjectName("MFPrincipalOpt");
    MFPaymentOpt = new QRadioButton(Tr(amortix::kAffordPaymentOpt), Frame1);
    MFPaymentOpt->setObjectName("MFPaymentOpt");
    MfTermOpt = new QRadioButton(Tr(amortix::kAffordTermOpt), Frame1);
    MfTermOpt->setObjectName("MfTermOpt");
    for (QRadioButton* option : {MFPrincipalOpt, MFPaymentOpt, MfTermOpt})
        option->setAccessibleName(option->text().trimmed());
    connect(MFPrincipalOpt, &QRadioButton::clicked, this,
            [this] { ChooseSolve(amortix::AffordSolve::Principal); });
    connect(MFPaymentOpt, &QRadioButton::clicked, this,
            [this] { ChooseSolve(amortix::AffordSolve::Payment); });
    connect(MfTermOpt, &QRadioButton::clicked, this, [this] { ChooseSolve(amortix::AffordSolve::Years); });
}

void AffordScreen::MakeControls() {
    MakeSolveOptions();
    Frame2 = new QGroupBox(Tr(amortix::kAffordFrame2), this);
    Frame2->setObjectName("Frame2");
    std::tie(Label16, MFInPrincipal) =
        MakeInputRow<QLineEdit>(Frame2, "Label16", amortix::kAffordLabel16, "MFInPrincipal");
    std::tie(Label17, MFInRate) =
        MakeInputRow<QLineEdit>(Frame2, "Label17", amortix::kAffordLabel17, "MFInRate");
    std::tie(Label18, MFInTerm) =
        MakeInputRow<QLineEdit>(Frame2, "Label18", amortix::kAffordLabel18, "MFInTerm");
    std::tie(Label19, MFInMthPayment) =
        MakeInputRow<QLineEdit>(Frame2, "Label19", amortix::kAffordLabel19, "MFInMthPayment");
    AlignRight({MFInPrincipal, MFInRate, MFInTerm, MFInMthPayment});
    std::tie(Label7, MFCompPeriod) =
        MakeChoiceRow(Frame2, "Label7", amortix::kAffordLabel7, "MFCompPeriod", amortix::kCompoundings);
    std::tie(Label20, TotalPmts) = MakeResultRow(Frame2, "Label20", amortix::kAffordLabel20, "TotalPmts");

    Frame3 = new QGroupBox(Tr(amortix::kAffordFrame3), this);
    Frame3->setObjectName("Frame3");
    std::tie(Label1, MFFreqPmt) =
        MakeChoiceRow(Frame3, "Label1", amortix::kAffordLabel1, "MFFreqPmt", amortix::kFrequencies);
    std::tie(Label2, MFNumPmts) = MakeResultRow(Frame3, "Label2", amortix::kAffordLabel2, "MFNumPmts");
    std::tie(Label3, MFDaysinYear) = MakeResultRow(Frame3, "Label3", amortix::kAffordLabel3, "MFDaysinYear");
    std::tie(Label6, MFNumYrs) = MakeResultRow(Frame3, "Label6", amortix::kAffordLabel6, "MFNumYrs");
    std::tie(Label8, MFPiPmt) = MakeResultRow(Frame3, "Label8", amortix::kAffordLabel8, "MFPiPmt");
    std::tie(Label4, MFTotIntSaved) =
        MakeResultRow(Frame3, "Label4", amortix::kAffordLabel4, "MFTotIntSaved");
    std::tie(Label21, MFTotIntPaid) =
        MakeResultRow(Frame3, "Label21", amortix::kAffordLabel21, "MFTotIntPaid");

    MsgText = new QPlainTextEdit(this);
    MsgText->setObjectName("MsgText");
    MsgText->setAccessibleName(Tr("Message"));
    MsgText->setReadOnly(true);
    MsgText->setFocusPolicy(Qt::NoFocus);
    MsgText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MarkAsHelpText(MsgText);
    MsgText->hide();
    MFTextBox =
        MakeQuickHelpText(this, "MFTextBox", AMX_TEXT("Quick Help"), context_.interaction, MFInPrincipal);
    MFTextBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    MFCalc = MakeCommand(this, "MFCalc", AMX_TEXT("&Calculate"), &AffordScreen::Calculate);
    MFHelp = MakeCommand(this, "MFHelp", kQuickHelpCaption, &AffordScreen::ToggleQuickHelp);
    MFShowIRF = MakeCommand(this, "MFShowIRF", AMX_TEXT("&Days in Year"), &AffordScreen::OpenDaysInYear);
    Printr = MakeCommand(this, "Printr", AMX_TEXT("&Print"), &AffordScreen::Print);
    MFExport = MakeCommand(this, "MFExport", AMX_TEXT("Export &File"), &AffordScreen::ExportFile);
    MFCopy = MakeCommand(this, "MFCopy", AMX_TEXT("Cop&y Results"), &AffordScreen::CopyResults);
    MFExit = MakeCommand(this, "MFExit", AMX_TEXT("E&xit to Menu"), &AffordScreen::Exit);
    quickHelp_ = new QuickHelp({MFHelp, MFTextBox, {}, {}});
}

void AffordScreen::AttachEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    const auto close = [this] { CloseQuickHelp(); };

    NumericEntry::Options principal;
    principal.clearResults = close;
    principal.next = MFInRate;
    principal.store = [this](double typed) {
        form_.EnterPrincipal(ShowHeld(context_.interaction, amortix::HoldPrincipal(typed)));
        return Store(amortix::AffordBox::Principal);
    };
    NumericEntry::Attach(state, interaction, MFInPrincipal, principal);

    NumericEntry::Options rate;
    rate.decimals = 3;
    rate.clearResults = close;
    rate.next = MFInTerm;
    rate.store = [this](double typed) {
        form_.EnterRate(ShowHeld(context_.interaction, amortix::HoldRate(typed)));
        return Store(amortix::AffordBox::Rate);
    };
    NumericEntry::Attach(state, interaction, MFInRate, rate);

    AttachTerm();

    NumericEntry::Options payment;
    payment.clearResults = close;
    payment.next = MFCalc;
    payment.store = [this](double value) {
        form_.EnterPayment(value);
        return Store(amortix::AffordBox::Payment);
    };
    NumericEntry::Attach(state, interaction, MFInMthPayment, payment);

    // The answer box takes no keys; installed after the pattern, so it sees them first.
    for (QLineEdit* box : {MFInPrincipal, MFInTerm, MFInMthPayment}) box->installEventFilter(this);

    for (const auto& [list, next] :
         {std::pair<QComboBox*, QWidget*>{MFCompPeriod, MFInPrincipal}, {MFFreqPmt, MFCalc}}) {
        ChoiceList::Options choice;
        choice.next = next;
        choice.onLeaveAfterChoice = [this] { Calculate(); };
        ChoiceList::Attach(state, interaction, list, choice);
    }

    // The option buttons come last, so the screen opens in the principal box.
    ChainTabOrder({MFInPrincipal, MFInRate, MFInTerm, MFInMthPayment, MFCompPeriod, MFFreqPmt, MFCalc, MFHelp,
                   MFShowIRF, Printr, MFExport, MFCopy, MFExit, MFPrincipalOpt, MFPaymentOpt, MfTermOpt});
}

void AffordScreen::AttachTerm() {
    NumericEntry::Options term;
    term.kind = NumericEntry::Kind::Whole;
    term.clearResults = [this] { CloseQuickHelp(); };
    term.next = MFInMthPayment;
    // The period is whole years, 40 at most. The limit holds for whatever the
    // box shows, typed or not; a corrected period is stored and calculated
    // like a typed one.
    term.onLeave = [this] {
        const auto entry = amortix::AffordForm::YearsLimit(MFInTerm->text().toStdString());
        if (!entry.message) return;
        context_.interaction.ShowMessage(*entry.message);
        MFInTerm->setText(Q(entry.text));
        context_.state.EntryEdited = true;
    };
    term.store = [this](double value) {
        form_.EnterYears(value);
        return Store(amortix::AffordBox::Years);
    };
    NumericEntry::Attach(context_.state, context_.interaction, MFInTerm, term);
}

void AffordScreen::LayOut() {
    const QFontMetrics metrics(font());
    const int chars = metrics.averageCharWidth();
    auto* options = new QHBoxLayout(Frame1);
    for (QRadioButton* option : {MFPrincipalOpt, MFPaymentOpt, MfTermOpt}) options->addWidget(option);
    options->addStretch();

    const CaptionedBox conventional[] = {{Label16, MFInPrincipal}, {Label17, MFInRate},
                                         {Label18, MFInTerm},      {Label19, MFInMthPayment},
                                         {Label7, MFCompPeriod},   {Label20, TotalPmts}};
    const CaptionedBox accelerated[] = {{Label1, MFFreqPmt},    {Label2, MFNumPmts}, {Label3, MFDaysinYear},
                                        {Label6, MFNumYrs},     {Label8, MFPiPmt},   {Label4, MFTotIntSaved},
                                        {Label21, MFTotIntPaid}};
    const auto panel = [chars](QGroupBox* frame, std::span<const CaptionedBox> rows) {
        for (const auto& [label, box] : rows) {
            label->setFixedWidth(chars * 23);
            // A list needs room for its arrow beside the longest entry.
            const bool list = qobject_cast<QComboBox*>(box) != nullptr;
            box->setFixedWidth(list ? std::max(chars * 19, box->sizeHint().width()) : chars * 16);
        }
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(2);
        grid->setRowStretch(AddRows(grid, rows, Qt::AlignRight | Qt::AlignVCenter), 1);
    };
    panel(Frame2, conventional);
    panel(Frame3, accelerated);

    auto* panels = new QGridLayout;
    panels->addWidget(Frame1, 0, 0, 1, 2);
    panels->addWidget(Frame2, 1, 0);
    panels->addWidget(Frame3, 1, 1);
    // The quick help covers the accelerated panel while it is open, without
    // moving anything.
    MFTextBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    panels->addWidget(MFTextBox, 1, 1);
    MsgText->setFixedHeight(metrics.lineSpacing() * 2 + metrics.height() / 2 + 2 * MsgText->frameWidth());
    QSizePolicy keepPlace = MsgText->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    MsgText->setSizePolicy(keepPlace);
    panels->addWidget(MsgText, 2, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels);
    layout->addStretch(1);
    layout->addLayout(MakeButtonLine(Qt::Horizontal, {{MFCalc, MFHelp, MFShowIRF, Printr, MFExport, MFCopy}},
                                     MFExit, 0, 0));
}

AffordScreen::~AffordScreen() = default;

QSize AffordScreen::sizeHint() const {
    return TwipsToPixels(this, kFormTwips).expandedTo(minimumSizeHint());
}

void AffordScreen::Load() {
    AppState& state = context_.state;
    context_.frame.SetCaption(Tr(amortix::kAffordCaption));
    // The days box ("Normal") and the message line in the window's language.
    form_ = amortix::AffordForm(state.CurrencySymbol, WindowCatalogue());
    state.QuickHelpOn = false;
    state.EntryEdited = false;
    // Every calculator starts from 365 days (the preset's literals, not 365/14).
    state.DayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);

    ShowChoice(MFCompPeriod, amortix::kCompoundings, amortix::CompoundingForSetting(state.CompoundSetting));

    for (const amortix::AffordBox box :
         {amortix::AffordBox::Principal, amortix::AffordBox::Rate, amortix::AffordBox::Years})
        BoxFor(box)->setText(Q(form_.Text(box)));

    ShowChoice(MFFreqPmt, amortix::kFrequencies, amortix::kAffordInitialFrequency);

    MFPaymentOpt->setChecked(true);
    ShowSolve();
    Calculate();
    state.EntryEdited = false;
    MFInPrincipal->setFocus();
}

std::array<std::pair<amortix::AffordBox, QLineEdit*>, amortix::kAffordBoxCount> AffordScreen::Boxes() const {
    using B = amortix::AffordBox;
    return {{{B::Principal, MFInPrincipal},
             {B::Rate, MFInRate},
             {B::Years, MFInTerm},
             {B::Payment, MFInMthPayment},
             {B::TotalInterest, TotalPmts},
             {B::PaymentsPerYear, MFNumPmts},
             {B::DaysInYear, MFDaysinYear},
             {B::YearsToFinal, MFNumYrs},
             {B::EachPayment, MFPiPmt},
             {B::InterestSaved, MFTotIntSaved},
             {B::AcceleratedTotalInterest, MFTotIntPaid}}};
}

QLineEdit* AffordScreen::BoxFor(amortix::AffordBox box) const {
    return Boxes()[static_cast<std::size_t>(box)].second;
}

void AffordScreen::ShowSolve() {
    const std::pair<amortix::AffordBox, QLabel*> boxes[] = {{amortix::AffordBox::Principal, Label16},
                                                            {amortix::AffordBox::Rate, Label17},
                                                            {amortix::AffordBox::Years, Label18},
                                                            {amortix::AffordBox::Payment, Label19}};
    for (const auto& [which, label] : boxes) {
        QLineEdit* box = BoxFor(which);
        const bool answer = form_.IsAnswerBox(which);
        box->setReadOnly(answer);
        if (answer)
            MarkAsResult(box);
        else
            MarkAsInput(box);
        Highlight(label, amortix::IsHighlightedLabel(form_.Solve(), which));
    }
}

void AffordScreen::ChooseSolve(amortix::AffordSolve solve) {
    form_.ChooseSolve(solve);
    ShowSolve();
    CloseQuickHelp();
    // The old results stay until a box is edited and left or Calculate is clicked.
    context_.state.EntryEdited = false;
}

QString AffordScreen::Store(amortix::AffordBox box) {
    Calculate();
    // The box keeps its display form, unless it is the answer the run wrote.
    return Q(form_.Text(box));
}

void AffordScreen::ShowTexts() {
    // The rate is never an answer: its box is written only when it is left.
    for (const auto& [box, widget] : Boxes())
        if (box != amortix::AffordBox::Rate) widget->setText(Q(form_.Text(box)));
}

void AffordScreen::Calculate() {
    AppState& state = context_.state;
    state.QuickHelpOn = false;
    CloseQuickHelp();
    state.EntryEdited = false;
    MsgText->hide();

    const amortix::AffordResult& result =
        form_.Calculate(ChoiceOf(MFCompPeriod, amortix::kCompoundings),
                        ChoiceOf(MFFreqPmt, amortix::kFrequencies), state.DayBasis);
    if (result.factors) state.PaymentsPerYear = result.factors->paymentsPerYear;
    ShowTexts();
    if (!form_.MessageShown()) return;

    MsgText->setPlainText(Q(form_.MessageLine()));
    MsgText->show();
    if (form_.FocusPayment()) {
        // Queued: this may run while the focus is on its way to another box.
        QMetaObject::invokeMethod(
            MFInMthPayment, [box = MFInMthPayment] { box->setFocus(Qt::OtherFocusReason); },
            Qt::QueuedConnection);
    }
}

void AffordScreen::CloseQuickHelp() {
    AppState& state = context_.state;
    state.EntryEdited = true;
    if (state.QuickHelpOn) return;  // just opened: the help stays on screen
    if (quickHelp_->IsOpen()) {
        quickHelp_->Close();
        state.EntryEdited = false;
    }
    state.QuickHelpOn = false;
}

void AffordScreen::ToggleQuickHelp() {
    AppState& state = context_.state;
    state.QuickHelpOn = !state.QuickHelpOn;
    if (quickHelp_->IsOpen()) {
        CloseQuickHelp();
        return;
    }
    quickHelp_->Open(amortix::AffordQuickHelp(WindowCatalogue()));
}

void AffordScreen::OpenDaysInYear() {
    {
        DaysInYearDialog dialog(context_, this);
        dialog.exec();
    }
    CloseQuickHelp();
    // Recalculated at once: waiting for the next box left would leave a box
    // marked edited, so merely entering and leaving a money box would read
    // its currency symbol as a principal or payment of 0.
    Calculate();
}

void AffordScreen::Print() {
    if (context_.interaction.AskQuestion(amortix::Question::ContinuePrintout) != amortix::kAnswerYes) return;
    if (commands_.print) commands_.print(*this);
}

void AffordScreen::ExportFile() {
    if (commands_.exportFile) commands_.exportFile(*this);
}

void AffordScreen::CopyResults() {
    CopyResultLines(amortix::AffordResultLines(form_, ChoiceOf(MFCompPeriod, amortix::kCompoundings),
                                               ChoiceOf(MFFreqPmt, amortix::kFrequencies),
                                               WindowCatalogue()));
}

amortix::AffordState AffordScreen::Remembered() const {
    return {form_.Solve(), form_.Figures(), ChoiceOf(MFCompPeriod, amortix::kCompoundings),
            ChoiceOf(MFFreqPmt, amortix::kFrequencies)};
}

void AffordScreen::Restore(const amortix::AffordState& remembered) {
    const amortix::AffordFigures& f = remembered.figures;
    form_.EnterPrincipal(f.principal);
    form_.EnterRate(f.ratePercent);
    form_.EnterYears(f.years);
    form_.EnterPayment(f.payment);
    ShowChoice(MFCompPeriod, amortix::kCompoundings, remembered.compounding);
    ShowChoice(MFFreqPmt, amortix::kFrequencies, remembered.frequency);
    const std::pair<amortix::AffordSolve, QRadioButton*> options[] = {
        {amortix::AffordSolve::Principal, MFPrincipalOpt},
        {amortix::AffordSolve::Payment, MFPaymentOpt},
        {amortix::AffordSolve::Years, MfTermOpt}};
    for (const auto& [solve, option] : options)
        if (solve == remembered.solve) option->setChecked(true);
    form_.ChooseSolve(remembered.solve);
    ShowSolve();
    MFInRate->setText(Q(form_.Text(amortix::AffordBox::Rate)));
    Calculate();
    context_.state.EntryEdited = false;
}

void AffordScreen::Exit() {
    if (commands_.remember) commands_.remember(*this);
    context_.state.EntryEdited = false;
    context_.state.QuickHelpOn = false;
    context_.frame.ReturnToMenu(this);
}

bool AffordScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || !box->isReadOnly()) return false;
    // The answer box: a typed key (or Delete) changes nothing; Enter and the
    // moving keys still work.
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = CharacterCode(*key);
    if (code == kKeyEnter) return false;
    if (code != 0 || key->key() == Qt::Key_Delete || key->matches(QKeySequence::Paste)) {
        context_.state.EntryEdited = false;
        return true;
    }
    return false;
}

}  // namespace amortix::gui
