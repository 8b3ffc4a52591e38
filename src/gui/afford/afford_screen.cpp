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
#include <QRegularExpression>
#include <QVBoxLayout>

#include <array>
#include <span>
#include <utility>

#include "core/calc/rates.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/controls.h"
#include "shell/interaction.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/twips.h"
#include "tables/days_in_year_dialog.h"

namespace amortix::gui {
namespace {

constexpr const char* kQuickHelpCaption = "Quick &Help";
constexpr const char* kCloseHelpCaption = "Close &Help";

// The window's size; the printout takes its top 5750 twips, so the button
// row must start below that.
constexpr QSize kFormTwips(9550, 6450);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* MakeInputBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// A box's label names it for screen readers, without the padding blanks and
// with a word broken across the caption's lines ("pay-     ments") whole again.
void Name(QWidget* box, const QLabel* label) {
    static const QRegularExpression broken("(\\w)- +(\\w)");
    box->setAccessibleName(label->text().simplified().replace(broken, "\\1\\2"));
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
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;

    // --- What to find ---------------------------------------------------------
    Frame1 = new QGroupBox(amortix::kAffordFrame1, this);
    Frame1->setObjectName("Frame1");
    MFPrincipalOpt = new QRadioButton(amortix::kAffordPrincipalOpt, Frame1);
    MFPrincipalOpt->setObjectName("MFPrincipalOpt");
    MFPaymentOpt = new QRadioButton(amortix::kAffordPaymentOpt, Frame1);
    MFPaymentOpt->setObjectName("MFPaymentOpt");
    MfTermOpt = new QRadioButton(amortix::kAffordTermOpt, Frame1);
    MfTermOpt->setObjectName("MfTermOpt");
    auto* options = new QHBoxLayout(Frame1);
    for (QRadioButton* option : {MFPrincipalOpt, MFPaymentOpt, MfTermOpt}) {
        option->setAccessibleName(option->text().trimmed());
        options->addWidget(option);
    }
    options->addStretch();

    // --- Conventional mortgage ------------------------------------------------
    Frame2 = new QGroupBox(amortix::kAffordFrame2, this);
    Frame2->setObjectName("Frame2");
    Label16 = MakeCaption(Frame2, "Label16", amortix::kAffordLabel16);
    MFInPrincipal = MakeInputBox(Frame2, "MFInPrincipal");
    Label17 = MakeCaption(Frame2, "Label17", amortix::kAffordLabel17);
    MFInRate = MakeInputBox(Frame2, "MFInRate");
    Label18 = MakeCaption(Frame2, "Label18", amortix::kAffordLabel18);
    MFInTerm = MakeInputBox(Frame2, "MFInTerm");
    Label19 = MakeCaption(Frame2, "Label19", amortix::kAffordLabel19);
    MFInMthPayment = MakeInputBox(Frame2, "MFInMthPayment");
    Label7 = MakeCaption(Frame2, "Label7", amortix::kAffordLabel7);
    MFCompPeriod = new QComboBox(Frame2);
    MFCompPeriod->setObjectName("MFCompPeriod");
    Label20 = MakeCaption(Frame2, "Label20", amortix::kAffordLabel20);
    TotalPmts = MakeResultBox(Frame2, "TotalPmts");

    // --- Accelerated mortgage -------------------------------------------------
    Frame3 = new QGroupBox(amortix::kAffordFrame3, this);
    Frame3->setObjectName("Frame3");
    Label1 = MakeCaption(Frame3, "Label1", amortix::kAffordLabel1);
    MFFreqPmt = new QComboBox(Frame3);
    MFFreqPmt->setObjectName("MFFreqPmt");
    Label2 = MakeCaption(Frame3, "Label2", amortix::kAffordLabel2);
    MFNumPmts = MakeResultBox(Frame3, "MFNumPmts");
    Label3 = MakeCaption(Frame3, "Label3", amortix::kAffordLabel3);
    MFDaysinYear = MakeResultBox(Frame3, "MFDaysinYear");
    Label6 = MakeCaption(Frame3, "Label6", amortix::kAffordLabel6);
    MFNumYrs = MakeResultBox(Frame3, "MFNumYrs");
    Label8 = MakeCaption(Frame3, "Label8", amortix::kAffordLabel8);
    MFPiPmt = MakeResultBox(Frame3, "MFPiPmt");
    Label4 = MakeCaption(Frame3, "Label4", amortix::kAffordLabel4);
    MFTotIntSaved = MakeResultBox(Frame3, "MFTotIntSaved");
    Label21 = MakeCaption(Frame3, "Label21", amortix::kAffordLabel21);
    MFTotIntPaid = MakeResultBox(Frame3, "MFTotIntPaid");

    const std::pair<QLabel*, QWidget*> conventional[] = {{Label16, MFInPrincipal}, {Label17, MFInRate},
                                                         {Label18, MFInTerm},      {Label19, MFInMthPayment},
                                                         {Label7, MFCompPeriod},   {Label20, TotalPmts}};
    const std::pair<QLabel*, QWidget*> accelerated[] = {
        {Label1, MFFreqPmt}, {Label2, MFNumPmts},     {Label3, MFDaysinYear}, {Label6, MFNumYrs},
        {Label8, MFPiPmt},   {Label4, MFTotIntSaved}, {Label21, MFTotIntPaid}};

    // --- Message line and quick help ------------------------------------------
    MsgText = new QPlainTextEdit(this);
    MsgText->setObjectName("MsgText");
    MsgText->setAccessibleName("Message");
    MsgText->setReadOnly(true);
    MsgText->setFocusPolicy(Qt::NoFocus);
    MsgText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MarkAsHelpText(MsgText);
    MsgText->hide();
    MFTextBox = new QPlainTextEdit(this);
    MFTextBox->setObjectName("MFTextBox");
    MFTextBox->setAccessibleName("Quick Help");
    MFTextBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MFTextBox->hide();

    // --- Buttons --------------------------------------------------------------
    MFCalc = MakeButton(this, "MFCalc", "&Calculate");
    MFHelp = MakeButton(this, "MFHelp", kQuickHelpCaption);
    MFShowIRF = MakeButton(this, "MFShowIRF", "&Days in Year");
    Printr = MakeButton(this, "Printr", "&Print");
    MFExit = MakeButton(this, "MFExit", "E&xit to Menu");

    // --- The input-box pattern ------------------------------------------------
    const auto close = [this] { CloseQuickHelp(); };

    NumericEntry::Options principal;
    principal.clearResults = close;
    principal.next = MFInRate;
    principal.store = [this](double value) {
        form_.EnterPrincipal(value);
        return Store(amortix::AffordBox::Principal);
    };
    NumericEntry::Attach(state, interaction, MFInPrincipal, principal);

    NumericEntry::Options rate;
    rate.decimals = 3;
    rate.clearResults = close;
    rate.next = MFInTerm;
    rate.store = [this](double value) {
        form_.EnterRate(value);
        return Store(amortix::AffordBox::Rate);
    };
    NumericEntry::Attach(state, interaction, MFInRate, rate);

    NumericEntry::Options term;
    term.kind = NumericEntry::Kind::Whole;
    term.clearResults = close;
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
    NumericEntry::Attach(state, interaction, MFInTerm, term);

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

    ChoiceList::Options compounding;
    compounding.next = MFInPrincipal;
    compounding.onLeaveAfterChoice = [this] { Calculate(); };
    ChoiceList::Attach(state, interaction, MFCompPeriod, compounding);

    ChoiceList::Options frequency;
    frequency.next = MFCalc;
    frequency.onLeaveAfterChoice = [this] { Calculate(); };
    ChoiceList::Attach(state, interaction, MFFreqPmt, frequency);

    HelpTextBox::Attach(interaction, MFTextBox, MFInPrincipal);

    using Rows = std::span<const std::pair<QLabel*, QWidget*>>;
    for (const Rows rows : {Rows(conventional), Rows(accelerated)})
        for (const auto& [label, box] : rows) {
            label->setBuddy(box);
            Name(box, label);
        }

    setTabOrder(MFInPrincipal, MFInRate);
    setTabOrder(MFInRate, MFInTerm);
    setTabOrder(MFInTerm, MFInMthPayment);
    setTabOrder(MFInMthPayment, MFCompPeriod);
    setTabOrder(MFCompPeriod, MFFreqPmt);
    setTabOrder(MFFreqPmt, MFCalc);
    // The option buttons come last, so the screen opens in the principal box.
    setTabOrder(MFCalc, MFHelp);
    setTabOrder(MFHelp, MFShowIRF);
    setTabOrder(MFShowIRF, Printr);
    setTabOrder(Printr, MFExit);
    setTabOrder(MFExit, MFPrincipalOpt);
    setTabOrder(MFPrincipalOpt, MFPaymentOpt);
    setTabOrder(MFPaymentOpt, MfTermOpt);

    connect(MFPrincipalOpt, &QRadioButton::clicked, this,
            [this] { ChooseSolve(amortix::AffordSolve::Principal); });
    connect(MFPaymentOpt, &QRadioButton::clicked, this,
            [this] { ChooseSolve(amortix::AffordSolve::Payment); });
    connect(MfTermOpt, &QRadioButton::clicked, this, [this] { ChooseSolve(amortix::AffordSolve::Years); });
    connect(MFCalc, &QPushButton::clicked, this, &AffordScreen::Calculate);
    connect(MFHelp, &QPushButton::clicked, this, &AffordScreen::ToggleQuickHelp);
    connect(MFShowIRF, &QPushButton::clicked, this, &AffordScreen::OpenDaysInYear);
    connect(Printr, &QPushButton::clicked, this, &AffordScreen::Print);
    connect(MFExit, &QPushButton::clicked, this, &AffordScreen::Exit);

    // --- Layout ---------------------------------------------------------------
    const QFontMetrics metrics(font());
    const int chars = metrics.averageCharWidth();
    const auto panel = [&](QGroupBox* frame, Rows rows) {
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(2);
        int row = 0;
        for (const auto& [label, box] : rows) {
            label->setFixedWidth(chars * 23);
            // A list needs room for its arrow beside the longest entry.
            box->setFixedWidth(chars * (qobject_cast<QComboBox*>(box) ? 19 : 16));
            grid->addWidget(label, row, 0);
            grid->addWidget(box, row++, 1, Qt::AlignRight | Qt::AlignVCenter);
        }
        grid->setRowStretch(row, 1);
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

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {MFCalc, MFHelp, MFShowIRF, Printr}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(MFExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels);
    layout->addStretch(1);
    layout->addLayout(buttons);

    Load();
}

AffordScreen::~AffordScreen() = default;

QSize AffordScreen::sizeHint() const {
    return TwipsToPixels(this, kFormTwips).expandedTo(minimumSizeHint());
}

void AffordScreen::Load() {
    AppState& state = context_.state;
    context_.frame.SetCaption(amortix::kAffordCaption);
    form_ = amortix::AffordForm(state.CurrencySymbol);
    state.QuickHelpOn = false;
    state.EntryEdited = false;
    // Every calculator starts from 365 days (the preset's literals, not 365/14).
    state.DayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);

    FillList(MFCompPeriod, amortix::kCompoundings);
    ShowChoice(MFCompPeriod, amortix::kCompoundings, amortix::CompoundingForSetting(state.CompoundSetting));

    for (const amortix::AffordBox box :
         {amortix::AffordBox::Principal, amortix::AffordBox::Rate, amortix::AffordBox::Years})
        BoxFor(box)->setText(Q(form_.Text(box)));

    FillList(MFFreqPmt, amortix::kFrequencies);
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
    if (MFHelp->text() == kCloseHelpCaption) {
        MFHelp->setText(kQuickHelpCaption);
        MFTextBox->hide();
        state.EntryEdited = false;
    }
    state.QuickHelpOn = false;
}

void AffordScreen::ToggleQuickHelp() {
    AppState& state = context_.state;
    state.QuickHelpOn = !state.QuickHelpOn;
    if (MFHelp->text() != kQuickHelpCaption) {
        CloseQuickHelp();
        return;
    }
    MFHelp->setText(kCloseHelpCaption);
    QString text = Q(amortix::AffordQuickHelp());
    text.replace("\r\n", "\n");
    MFTextBox->setPlainText(text);
    MFTextBox->show();
    MFTextBox->raise();
    MFTextBox->setFocus();
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

void AffordScreen::Exit() {
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
