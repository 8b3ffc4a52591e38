#include "dialogs/additional_payments_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>

#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/grid_widget.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/screen_parts.h"
#include "shell/twips.h"

namespace amortix::gui {

void ShowAdditionalPaymentsInForce(QWidget* indicator, bool inForce) {
    if (!indicator) return;
    QPalette palette = indicator->palette();
    const QColor colour = inForce ? QColor::fromRgb(kAdditionalPaymentsOn)
                                  : QApplication::palette().color(QPalette::Active, QPalette::Button);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, colour);
    indicator->setAutoFillBackground(true);
    indicator->setPalette(palette);
}

namespace {

constexpr const char* kTypeCaptions[] = {AMX_TEXT("Increase P + I payment by a percentage "),
                                         AMX_TEXT("Apply one payment to selected year/s"),
                                         AMX_TEXT("Use both percentage and year/s payment")};
constexpr const char* kMonthCaptions[] = {" 1", " 2", " 3", " 4", " 5", " 6",
                                          " 7", " 8", " 9", "10", "11", "12"};
constexpr int kOnceRowsShown = 6;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

AdditionalPaymentsDialog::AdditionalPaymentsDialog(ScreenContext& context,
                                                   amortix::AdditionalPayments& payments,
                                                   amortix::Prepayments& prepayments, double periodYears,
                                                   QWidget* indicator, QWidget* parent)
    : QDialog(parent),
      context_(context),
      payments_(payments),
      opened_(payments),
      indicator_(indicator),
      prepayments_(prepayments),
      prepayForm_(std::make_unique<amortix::PrepaymentsForm>(prepayments)) {
    setObjectName("MortPrePay");
    setWindowTitle(Tr("Additional Payments"));
    AppState& state = context_.state;
    // The payments as they stand, for the period on the screen.
    form_ = std::make_unique<amortix::PrePayForm>(payments_, periodYears);

    Frame2 = new QGroupBox(Tr("Select type of payment"), this);
    Frame2->setObjectName("Frame2");
    auto* types = new QVBoxLayout(Frame2);
    for (std::size_t k = 0; k < PPOption.size(); ++k) {
        PPOption[k] = new QRadioButton(Tr(kTypeCaptions[k]), Frame2);
        PPOption[k]->setObjectName(QString("PPOption_%1").arg(k));
        types->addWidget(PPOption[k]);
        connect(PPOption[k], &QRadioButton::clicked, this,
                [this, k] { ChooseKind(amortix::kExtraPaymentKinds[k].id); });
    }

    Frame3 = new QGroupBox(Tr("Increase P + I payment by a percentage"), this);
    Frame3->setObjectName("Frame3");
    InPercent = new QLineEdit("0.0%", Frame3);
    InPercent->setObjectName("InPercent");
    InPercent->setAlignment(Qt::AlignRight);
    auto* percentLayout = new QHBoxLayout(Frame3);
    percentLayout->addWidget(InPercent);
    percentLayout->addStretch();

    Frame4 = new QGroupBox(Tr("Apply one payment to selected year/s"), this);
    Frame4->setObjectName("Frame4");
    PGrid = new GridWidget(Frame4);
    PGrid->setObjectName("PGrid");
    PGrid->SetTrackCurrentCell(true);
    auto* gridLayout = new QVBoxLayout(Frame4);
    gridLayout->addWidget(PGrid, 1, Qt::AlignHCenter);

    Frame1 = new QGroupBox(Tr("Apply to month"), this);
    Frame1->setObjectName("Frame1");
    auto* months = new QGridLayout(Frame1);
    for (std::size_t i = 0; i < InMth.size(); ++i) {
        InMth[i] = new QRadioButton(kMonthCaptions[i], Frame1);
        InMth[i]->setObjectName(QString("InMth_%1").arg(i));
        months->addWidget(InMth[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
        connect(InMth[i], &QRadioButton::clicked, this, [this, i] {
            form_->ChooseMonth(static_cast<int>(i));
            Display();
        });
    }

    DoNotUse = new QPushButton(Tr("&Erase all"), this);
    DoNotUse->setObjectName("DoNotUse");
    UsePrePay = new QPushButton(Tr("&OK"), this);
    UsePrePay->setObjectName("UsePrePay");
    connect(DoNotUse, &QPushButton::clicked, this, &AdditionalPaymentsDialog::EraseAll);
    connect(UsePrePay, &QPushButton::clicked, this, &QDialog::accept);
    // Enter accepts wherever the focus is; it never erases. Erase all runs
    // only when it is clicked, or chosen by its key or Space.
    DoNotUse->setAutoDefault(false);
    UsePrePay->setAutoDefault(false);
    UsePrePay->setDefault(true);

    // The percentage box: the entry pattern, without results to clear.
    NumericEntry::Options percent;
    percent.decimals = 3;
    percent.next = UsePrePay;
    percent.deleteClearsResults = false;
    percent.store = [this](double) {
        const auto message = form_->EnterPercent(InPercent->text().toStdString());
        if (message) context_.interaction.ShowMessage(*message);
        Display();
        return QString::fromStdString(form_->PercentText());
    };
    NumericEntry::Attach(state, context_.interaction, InPercent, percent);

    connect(PGrid, &GridWidget::currentCellChanged, this,
            [this](int row, int column) { form_->SelectCell(row, column); });
    connect(PGrid, &GridWidget::cellClicked, this, [this](int, int) {
        PGrid->SetRow(form_->EditRow());
        PGrid->SetCol(form_->EditColumn());
    });
    connect(PGrid, &GridWidget::keyPressed, this, &AdditionalPaymentsDialog::TypeInGrid);
    connect(PGrid, &GridWidget::keyDown, this, &AdditionalPaymentsDialog::KeyDownInGrid);

    // Layout: type and percentage on the left above the months, the years on
    // the right; the prepayments on a page of their own; the buttons below both.
    YearsPage = new QWidget(this);
    YearsPage->setObjectName("YearsPage");
    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame3);
    left->addWidget(Frame1);
    left->addStretch();
    auto* years = new QHBoxLayout(YearsPage);
    years->addLayout(left);
    years->addWidget(Frame4);
    MakePrepaymentsPage();
    AttachPrepaymentEntries();
    PrePayTabs = new QTabWidget(this);
    PrePayTabs->setObjectName("PrePayTabs");
    PrePayTabs->addTab(YearsPage, Tr("Percentage and &years"));
    PrePayTabs->addTab(LayOutPrepaymentsPage(), Tr("&Prepayments"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DoNotUse);
    buttons->addStretch();
    buttons->addWidget(UsePrePay);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PrePayTabs);
    layout->addLayout(buttons);

    // Form_Load: the grid, the options and the boxes from the form.
    PGrid->SetCols(2);
    PGrid->SetRows(form_->GridRows());
    PGrid->SetRowHeight(0, 460);
    PGrid->SetColWidth(0, PGrid->ColWidth(0) + 200);
    PGrid->SetColWidth(1, PGrid->ColWidth(1) + 460);
    PGrid->SetColAlignment(0, CellAlignment::Center);
    PGrid->SetColAlignment(1, CellAlignment::Right);
    PGrid->SetFixedAlignment(0, CellAlignment::Center);
    PGrid->SetFixedAlignment(1, CellAlignment::Center);
    PGrid->SetTextAt(0, 0, Tr("Year Number"));
    PGrid->SetTextAt(0, 1, Tr("Amount of Payment"));
    RefreshGrid();
    PGrid->CollapseSelection(1, 1);
    form_->SelectCell(1, 1);
    const int gridWidth = PGrid->columnWidth(0) + PGrid->columnWidth(1) + PGrid->frameWidth() * 2 +
                          PGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    PGrid->setFixedWidth(gridWidth);
    PGrid->setMinimumHeight(PGrid->horizontalHeader()->height() +
                            PGrid->verticalHeader()->defaultSectionSize() * 10);
    PPOption[static_cast<std::size_t>(amortix::Code(form_->Payments().kind))]->setChecked(true);
    Display();
    ShowTerms();
    RefreshOnceGrid(prepayForm_->Count() > 0 ? 1 : 0);
    ShowOnceBoxes(-1);
    context_.state.EntryEdited = false;

    PlaceDialog(this, state, &context_.frame, QPoint(3900, 700), QPoint(5000, 1700));
}

AdditionalPaymentsDialog::~AdditionalPaymentsDialog() = default;

void AdditionalPaymentsDialog::Display() {
    AppState& state = context_.state;
    payments_ = form_->Payments();
    Frame3->setEnabled(form_->PercentEnabled());
    Frame4->setEnabled(form_->AmountsEnabled());
    // A percentage being typed stays as typed until the box is left.
    if (!state.EntryEdited || !InPercent->hasFocus())
        InPercent->setText(QString::fromStdString(form_->PercentText()));
    InMth[static_cast<std::size_t>(form_->MonthOption())]->setChecked(true);
    RefreshGrid();
}

void AdditionalPaymentsDialog::RefreshGrid() {
    const amortix::PrePayForm* form = form_.get();
    PGrid->SetCellFunction([form](int row, int column) {
        return QString::fromStdString(column == 0 ? form->YearCell(row) : form->AmountCell(row));
    });
}

void AdditionalPaymentsDialog::ChooseKind(amortix::ExtraPaymentKind kind) {
    form_->ChooseKind(kind);
    Display();
}

void AdditionalPaymentsDialog::EraseAll() {
    const amortix::AdditionalPayments& shown = form_->Payments();
    const bool anything = shown.increase > 0.0f || shown.CountYearsWithAmounts() > 0 ||
                          prepayForm_->Value() != amortix::Prepayments{} ||
                          TermsTyped() != prepayForm_->Texts();
    if (anything &&
        context_.interaction.AskQuestion(amortix::Question::EraseAdditionalPayments) != amortix::kAnswerYes)
        return;
    form_->EraseAll();
    Display();
    prepayForm_->EraseAll();
    ShowTerms();
    RefreshOnceGrid(0);
    ShowOnceBoxes(-1);
}

void AdditionalPaymentsDialog::TypeInGrid(int code) {
    const auto outcome = form_->TypeInGrid(code);
    if (outcome.beep) context_.interaction.Beep();
    if (outcome.moveDown) {
        if (PGrid->Row() + 1 < PGrid->Rows()) PGrid->SetRow(PGrid->Row() + 1);
    } else if (code == amortix::kKeyBackspace) {
        PGrid->SetRow(form_->EditRow());
        PGrid->SetCol(form_->EditColumn());
    }
    Display();
}

void AdditionalPaymentsDialog::KeyDownInGrid(int key) {
    if (key != Qt::Key_Delete) return;
    form_->DeleteInGrid();
    Display();
}

void AdditionalPaymentsDialog::done(int result) {
    if (result == QDialog::Rejected && !accepted_) {
        accepted_ = true;
        payments_ = opened_;
        context_.state.EntryEdited = false;
    } else if (!accepted_) {
        if (!TakePrepayments()) return;
        accepted_ = true;
        AppState& state = context_.state;
        // A percentage still being typed counts, as leaving the box would.
        const QString stored = QString::fromStdString(form_->PercentText());
        if (state.EntryEdited && InPercent->text() != stored) {
            if (const auto message = form_->EnterPercent(InPercent->text().toStdString()))
                context_.interaction.ShowMessage(*message);
            InPercent->setText(QString::fromStdString(form_->PercentText()));
            state.EntryEdited = false;
        }
        const bool inForce = form_->Accept();
        payments_ = form_->Payments();
        prepayments_ = prepayForm_->Value();
        ShowAdditionalPaymentsInForce(indicator_, inForce || prepayments_.HasAmounts());
    }
    QDialog::done(result);
}

// ---- The prepayments page ----------------------------------------------------

void AdditionalPaymentsDialog::MakePrepaymentsPage() {
    PrepaymentsPage = new QWidget(this);
    PrepaymentsPage->setObjectName("PrepaymentsPage");
    QWidget* page = PrepaymentsPage;
    EveryFrame = new QGroupBox(Tr("Added to every payment"), page);
    EveryFrame->setObjectName("EveryFrame");
    std::tie(LabelEveryAmount, InEveryAmount) =
        MakeInputRow<QLineEdit>(page, "LabelEveryAmount", AMX_TEXT("&Amount"), "InEveryAmount");
    std::tie(LabelFromYear, InFromYear) =
        MakeInputRow<QLineEdit>(page, "LabelFromYear", AMX_TEXT("&From year"), "InFromYear");
    std::tie(LabelFromMonth, InFromMonth) =
        MakeInputRow<QLineEdit>(page, "LabelFromMonth", AMX_TEXT("From mont&h"), "InFromMonth");
    std::tie(LabelToYear, InToYear) =
        MakeInputRow<QLineEdit>(page, "LabelToYear", AMX_TEXT("&To year"), "InToYear");
    std::tie(LabelToMonth, InToMonth) =
        MakeInputRow<QLineEdit>(page, "LabelToMonth", AMX_TEXT("To mo&nth"), "InToMonth");

    OnceFrame = new QGroupBox(Tr("One-time amounts"), page);
    OnceFrame->setObjectName("OnceFrame");
    OnceGrid = new GridWidget(page);
    OnceGrid->setObjectName("OnceGrid");
    OnceGrid->setAccessibleName(Tr("One-time amounts"));
    OnceGrid->SetTrackCurrentCell(true);
    std::tie(LabelOnceYear, InOnceYear) =
        MakeInputRow<QLineEdit>(page, "LabelOnceYear", AMX_TEXT("Yea&r"), "InOnceYear");
    std::tie(LabelOnceMonth, InOnceMonth) =
        MakeInputRow<QLineEdit>(page, "LabelOnceMonth", AMX_TEXT("&Month"), "InOnceMonth");
    std::tie(LabelOnceAmount, InOnceAmount) =
        MakeInputRow<QLineEdit>(page, "LabelOnceAmount", AMX_TEXT("Amo&unt"), "InOnceAmount");
    OnceAdd = MakeCommand(this, "OnceAdd", AMX_TEXT("A&dd"), &AdditionalPaymentsDialog::AddOnce);
    OnceReplace =
        MakeCommand(this, "OnceReplace", AMX_TEXT("Rep&lace"), &AdditionalPaymentsDialog::ReplaceOnce);
    OnceRemove = MakeCommand(this, "OnceRemove", AMX_TEXT("Remo&ve"), &AdditionalPaymentsDialog::RemoveOnce);
    for (QPushButton* button : {OnceAdd, OnceReplace, OnceRemove}) {
        button->setParent(page);
        button->setAutoDefault(false);
    }

    TermsFrame = new QGroupBox(Tr("What a one-time amount does, and the lender's limits"), page);
    TermsFrame->setObjectName("TermsFrame");
    std::tie(LabelEffect, InEffect) =
        MakeChoiceRow(page, "LabelEffect", AMX_TEXT("&What a one-time amount does"), "InEffect",
                      amortix::kPrepaymentEffects);
    std::tie(LabelYearlyLimit, InYearlyLimit) = MakeInputRow<QLineEdit>(
        page, "LabelYearlyLimit", AMX_TEXT("Yearly limit, % of the pr&incipal"), "InYearlyLimit");
    std::tie(LabelIncreaseLimit, InIncreaseLimit) = MakeInputRow<QLineEdit>(
        page, "LabelIncreaseLimit", AMX_TEXT("Payment in&crease limit, % of the payment"), "InIncreaseLimit");

    for (QLineEdit* box : {InEveryAmount, InFromYear, InFromMonth, InToYear, InToMonth, InOnceYear,
                           InOnceMonth, InOnceAmount, InYearlyLimit, InIncreaseLimit})
        box->setAlignment(Qt::AlignRight);

    connect(OnceGrid, &GridWidget::currentCellChanged, this, [this](int row, int) { SelectOnceRow(row); });
    connect(OnceGrid, &GridWidget::keyDown, this, [this](int key) {
        if (key == Qt::Key_Delete) RemoveOnce();
    });
}

void AdditionalPaymentsDialog::AttachPrepaymentEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    // The form reads the boxes when a button is pressed: each keeps its text.
    const auto keep = [](QLineEdit* box) { return [box](double) { return box->text(); }; };
    using Kind = NumericEntry::Kind;
    const struct {
        QLineEdit* box;
        Kind kind;
        int decimals;
        QWidget* next;
    } boxes[] = {{InEveryAmount, Kind::Decimal, 2, InFromYear},
                 {InFromYear, Kind::Whole, 0, InFromMonth},
                 {InFromMonth, Kind::Whole, 0, InToYear},
                 {InToYear, Kind::Whole, 0, InToMonth},
                 {InToMonth, Kind::Whole, 0, InOnceYear},
                 {InOnceYear, Kind::Whole, 0, InOnceMonth},
                 {InOnceMonth, Kind::Whole, 0, InOnceAmount},
                 {InOnceAmount, Kind::Decimal, 2, OnceAdd},
                 {InYearlyLimit, Kind::Decimal, 3, InIncreaseLimit},
                 {InIncreaseLimit, Kind::Decimal, 3, UsePrePay}};
    for (const auto& b : boxes) {
        NumericEntry::Options options;
        options.kind = b.kind;
        options.decimals = b.decimals;
        options.next = b.next;
        options.deleteClearsResults = false;
        options.store = keep(b.box);
        NumericEntry::Attach(state, interaction, b.box, options);
    }
    ChoiceList::Options choice;
    choice.next = InYearlyLimit;
    ChoiceList::Attach(state, interaction, InEffect, choice);
    ChainTabOrder({InEveryAmount, InFromYear, InFromMonth, InToYear, InToMonth, OnceGrid, InOnceYear,
                   InOnceMonth, InOnceAmount, OnceAdd, OnceReplace, OnceRemove, InEffect, InYearlyLimit,
                   InIncreaseLimit});
}

QWidget* AdditionalPaymentsDialog::LayOutPrepaymentsPage() {
    const int chars = QFontMetrics(font()).averageCharWidth();
    auto* every = new QGridLayout(EveryFrame);
    const CaptionedBox everyRows[] = {{LabelEveryAmount, InEveryAmount},
                                      {LabelFromYear, InFromYear},
                                      {LabelFromMonth, InFromMonth},
                                      {LabelToYear, InToYear},
                                      {LabelToMonth, InToMonth}};
    int column = 0;
    for (const auto& [label, box] : everyRows) {
        box->setFixedWidth(chars * (box == InEveryAmount ? 14 : 7));
        every->addWidget(label, 0, column);
        every->addWidget(box, 1, column++);
    }
    every->setColumnStretch(column, 1);

    OnceGrid->SetCols(amortix::kOneTimeColumns);
    OnceGrid->SetRows(kOnceRowsShown + 1);
    OnceGrid->SetRowHeight(0, 300);
    int width = OnceGrid->frameWidth() * 2 + OnceGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int c = 0; c < amortix::kOneTimeColumns; ++c) {
        OnceGrid->SetColWidth(c, c == 2 ? 1600 : 800);
        OnceGrid->SetColAlignment(c, CellAlignment::Right);
        OnceGrid->SetFixedAlignment(c, CellAlignment::Center);
        OnceGrid->SetTextAt(0, c, Tr(amortix::OneTimeHeader(c)));
        width += OnceGrid->columnWidth(c);
    }
    OnceGrid->setFixedWidth(width);
    OnceGrid->setMinimumHeight(OnceGrid->horizontalHeader()->height() +
                               OnceGrid->verticalHeader()->defaultSectionSize() * kOnceRowsShown);
    auto* onceBoxes = new QGridLayout;
    const CaptionedBox onceRows[] = {
        {LabelOnceYear, InOnceYear}, {LabelOnceMonth, InOnceMonth}, {LabelOnceAmount, InOnceAmount}};
    column = 0;
    for (const auto& [label, box] : onceRows) {
        box->setFixedWidth(chars * (box == InOnceAmount ? 14 : 7));
        onceBoxes->addWidget(label, 0, column);
        onceBoxes->addWidget(box, 1, column++);
    }
    auto* onceButtons = new QHBoxLayout;
    for (QPushButton* button : {OnceAdd, OnceReplace, OnceRemove}) onceButtons->addWidget(button);
    onceButtons->addStretch();
    auto* onceRight = new QVBoxLayout;
    onceRight->addLayout(onceBoxes);
    onceRight->addLayout(onceButtons);
    onceRight->addStretch();
    auto* once = new QHBoxLayout(OnceFrame);
    once->addWidget(OnceGrid);
    once->addLayout(onceRight, 1);

    auto* terms = new QGridLayout(TermsFrame);
    const CaptionedBox termRows[] = {
        {LabelEffect, InEffect}, {LabelYearlyLimit, InYearlyLimit}, {LabelIncreaseLimit, InIncreaseLimit}};
    for (const auto& [label, box] : termRows) box->setFixedWidth(chars * 9);
    InEffect->setFixedWidth(std::max(InEffect->sizeHint().width(), chars * 9));
    AddRows(terms, termRows, Qt::AlignLeft);
    terms->setColumnStretch(2, 1);

    auto* page = new QVBoxLayout(PrepaymentsPage);
    page->addWidget(EveryFrame);
    page->addWidget(OnceFrame);
    page->addWidget(TermsFrame);
    page->addStretch();
    return PrepaymentsPage;
}

void AdditionalPaymentsDialog::ShowTerms() {
    const auto texts = prepayForm_->Texts();
    InEveryAmount->setText(Q(texts.amount));
    InFromYear->setText(Q(texts.fromYear));
    InFromMonth->setText(Q(texts.fromMonth));
    InToYear->setText(Q(texts.toYear));
    InToMonth->setText(Q(texts.toMonth));
    ShowChoice(InEffect, amortix::kPrepaymentEffects, texts.effect);
    InYearlyLimit->setText(Q(texts.yearlyLimit));
    InIncreaseLimit->setText(Q(texts.increaseLimit));
}

amortix::PrepaymentsForm::TermsTexts AdditionalPaymentsDialog::TermsTyped() const {
    return {S(InEveryAmount), S(InFromYear),     S(InFromMonth),
            S(InToYear),      S(InToMonth),      ChoiceOf(InEffect, amortix::kPrepaymentEffects),
            S(InYearlyLimit), S(InIncreaseLimit)};
}

amortix::PrepaymentsForm::OneTimeTexts AdditionalPaymentsDialog::OnceTyped() const {
    return {S(InOnceYear), S(InOnceMonth), S(InOnceAmount)};
}

int AdditionalPaymentsDialog::SelectedOnce() const {
    const int row = OnceGrid->Row();
    return row >= 1 && row <= prepayForm_->Count() ? row - 1 : -1;
}

void AdditionalPaymentsDialog::SelectOnceRow(int row) {
    if (row >= 1 && row <= prepayForm_->Count()) ShowOnceBoxes(row - 1);
    EnableOnceEditing();
}

void AdditionalPaymentsDialog::ShowOnceBoxes(int index) {
    const auto texts = index >= 0 ? prepayForm_->TextsOf(index) : prepayForm_->NewEntry();
    InOnceYear->setText(Q(texts.year));
    InOnceMonth->setText(Q(texts.month));
    InOnceAmount->setText(Q(texts.amount));
    context_.state.EntryEdited = false;
    EnableOnceEditing();
}

void AdditionalPaymentsDialog::RefreshOnceGrid(int currentRow) {
    const amortix::PrepaymentsForm* form = prepayForm_.get();
    OnceGrid->SetRows(std::max(kOnceRowsShown, form->Count()) + 1);
    OnceGrid->SetCellFunction([form](int row, int column) { return Q(form->Cell(row, column)); });
    OnceGrid->CollapseSelection(std::max(currentRow, 1), 0);
    EnableOnceEditing();
}

void AdditionalPaymentsDialog::EnableOnceEditing() {
    // Replace and Remove act on the amount the list has selected.
    OnceReplace->setEnabled(SelectedOnce() >= 0);
    OnceRemove->setEnabled(SelectedOnce() >= 0);
}

void AdditionalPaymentsDialog::AddOnce() {
    const auto outcome = prepayForm_->Add(OnceTyped());
    if (outcome.message) {
        context_.interaction.ShowMessage(*outcome.message);
        return;
    }
    RefreshOnceGrid(outcome.row);
    ShowOnceBoxes(-1);
    InOnceYear->setFocus();
}

void AdditionalPaymentsDialog::ReplaceOnce() {
    const auto outcome = prepayForm_->Replace(SelectedOnce(), OnceTyped());
    if (outcome.message) {
        context_.interaction.ShowMessage(*outcome.message);
        return;
    }
    RefreshOnceGrid(outcome.row);
    ShowOnceBoxes(outcome.row - 1);
}

void AdditionalPaymentsDialog::RemoveOnce() {
    const int index = SelectedOnce();
    if (!prepayForm_->Remove(index)) return;
    RefreshOnceGrid(std::min(index + 1, prepayForm_->Count()));
    ShowOnceBoxes(prepayForm_->Count() > 0 ? SelectedOnce() : -1);
}

bool AdditionalPaymentsDialog::OnceBoxesHoldANewAmount() const {
    if (InOnceAmount->text().trimmed().isEmpty()) return false;
    const int index = SelectedOnce();
    return index < 0 || OnceTyped() != prepayForm_->TextsOf(index);
}

bool AdditionalPaymentsDialog::TakePrepayments() {
    // Whatever is refused stays in its box, the page in front, for the user to correct.
    const auto refuse = [this](amortix::Message message, QLineEdit* box) {
        PrePayTabs->setCurrentWidget(PrepaymentsPage);
        context_.interaction.ShowMessage(message);
        box->setFocus();
        return false;
    };
    if (const auto message = prepayForm_->EnterTerms(TermsTyped())) return refuse(*message, InEveryAmount);
    if (OnceBoxesHoldANewAmount()) {
        const auto outcome = prepayForm_->Add(OnceTyped());
        if (outcome.message) return refuse(*outcome.message, InOnceYear);
        RefreshOnceGrid(outcome.row);
    }
    return true;
}

}  // namespace amortix::gui
