#include "dialogs/additional_payments_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/grid_widget.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
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

constexpr const char* kTypeCaptions[] = {"Increase P + I payment by a percentage ",
                                         "Apply one payment to selected year/s",
                                         "Use both percentage and year/s payment"};
constexpr const char* kMonthCaptions[] = {" 1", " 2", " 3", " 4", " 5", " 6",
                                          " 7", " 8", " 9", "10", "11", "12"};

}  // namespace

AdditionalPaymentsDialog::AdditionalPaymentsDialog(ScreenContext& context,
                                                   amortix::AdditionalPayments& payments, double periodYears,
                                                   QWidget* indicator, QWidget* parent)
    : QDialog(parent), context_(context), payments_(payments), opened_(payments), indicator_(indicator) {
    setObjectName("MortPrePay");
    setWindowTitle("Additional Payments");
    AppState& state = context_.state;
    // The payments as they stand, for the period on the screen.
    form_ = std::make_unique<amortix::PrePayForm>(payments_, periodYears);

    Frame2 = new QGroupBox("Select type of payment", this);
    Frame2->setObjectName("Frame2");
    auto* types = new QVBoxLayout(Frame2);
    for (std::size_t k = 0; k < PPOption.size(); ++k) {
        PPOption[k] = new QRadioButton(kTypeCaptions[k], Frame2);
        PPOption[k]->setObjectName(QString("PPOption_%1").arg(k));
        types->addWidget(PPOption[k]);
        connect(PPOption[k], &QRadioButton::clicked, this,
                [this, k] { ChooseKind(amortix::kExtraPaymentKinds[k].id); });
    }

    Frame3 = new QGroupBox("Increase P + I payment by a percentage", this);
    Frame3->setObjectName("Frame3");
    InPercent = new QLineEdit("0.0%", Frame3);
    InPercent->setObjectName("InPercent");
    InPercent->setAlignment(Qt::AlignRight);
    auto* percentLayout = new QHBoxLayout(Frame3);
    percentLayout->addWidget(InPercent);
    percentLayout->addStretch();

    Frame4 = new QGroupBox("Apply one payment to selected year/s", this);
    Frame4->setObjectName("Frame4");
    PGrid = new GridWidget(Frame4);
    PGrid->setObjectName("PGrid");
    PGrid->SetTrackCurrentCell(true);
    auto* gridLayout = new QVBoxLayout(Frame4);
    gridLayout->addWidget(PGrid, 1, Qt::AlignHCenter);

    Frame1 = new QGroupBox("Apply to month", this);
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

    DoNotUse = new QPushButton("&Erase all", this);
    DoNotUse->setObjectName("DoNotUse");
    UsePrePay = new QPushButton("&OK", this);
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

    // Layout: type and percentage on the left above the months, the years on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame3);
    left->addWidget(Frame1);
    left->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DoNotUse);
    buttons->addStretch();
    buttons->addWidget(UsePrePay);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(Frame4);

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
    PGrid->SetTextAt(0, 0, "Year Number");
    PGrid->SetTextAt(0, 1, "Amount of Payment");
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
    const bool anything = shown.increase > 0.0f || shown.CountYearsWithAmounts() > 0;
    if (anything &&
        context_.interaction.AskQuestion(amortix::Question::EraseAdditionalPayments) != amortix::kAnswerYes)
        return;
    form_->EraseAll();
    Display();
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
        ShowAdditionalPaymentsInForce(indicator_, inForce);
    }
    QDialog::done(result);
}

}  // namespace amortix::gui
