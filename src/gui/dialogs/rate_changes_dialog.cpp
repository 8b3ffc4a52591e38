#include "dialogs/rate_changes_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <tuple>

#include "core/forms/rate_changes_form.h"
#include "dialogs/additional_payments_dialog.h"
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

void ShowRateChangesInForce(QWidget* indicator, bool inForce) {
    // The same red panel as the additional payments' indicator.
    ShowAdditionalPaymentsInForce(indicator, inForce);
}

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr int kGridRowsShown = 8;

}  // namespace

RateChangesDialog::RateChangesDialog(ScreenContext& context, std::vector<amortix::RateChange>& changes,
                                     QWidget* indicator, QWidget* parent)
    : QDialog(parent),
      context_(context),
      changes_(changes),
      indicator_(indicator),
      form_(std::make_unique<amortix::RateChangesForm>(changes)) {
    setObjectName("RateChangesDialog");
    setWindowTitle(Tr("Rate Changes"));
    MakeControls();
    AttachEntries();
    LayOut();
    Refresh(form_->Count() > 0 ? 1 : 0);
    ShowBoxes(-1);
    context_.state.EntryEdited = false;
    InChangeYear->setFocus();
    PlaceDialog(this, context_.state, &context_.frame, QPoint(2400, 900), QPoint(3500, 1900));
}

RateChangesDialog::~RateChangesDialog() = default;

void RateChangesDialog::MakeControls() {
    RCGrid = new GridWidget(this);
    RCGrid->setObjectName("RCGrid");
    RCGrid->setAccessibleName(Tr("Rate changes"));
    RCGrid->SetTrackCurrentCell(true);
    std::tie(RCLabelYear, InChangeYear) =
        MakeInputRow<QLineEdit>(this, "RCLabelYear", AMX_TEXT("&Year"), "InChangeYear");
    std::tie(RCLabelMonth, InChangeMonth) =
        MakeInputRow<QLineEdit>(this, "RCLabelMonth", AMX_TEXT("&Month"), "InChangeMonth");
    std::tie(RCLabelRate, InChangeRate) =
        MakeInputRow<QLineEdit>(this, "RCLabelRate", AMX_TEXT("New ra&te %"), "InChangeRate");
    std::tie(RCLabelPayment, ChangePayment) = MakeChoiceRow(this, "RCLabelPayment", AMX_TEXT("&Payment"),
                                                            "ChangePayment", amortix::kRateChangePayments);
    for (QLineEdit* box : {InChangeYear, InChangeMonth, InChangeRate}) box->setAlignment(Qt::AlignRight);

    RCAdd = MakeCommand(this, "RCAdd", AMX_TEXT("&Add"), &RateChangesDialog::Add);
    RCReplace = MakeCommand(this, "RCReplace", AMX_TEXT("&Replace"), &RateChangesDialog::Replace);
    RCRemove = MakeCommand(this, "RCRemove", AMX_TEXT("Remo&ve"), &RateChangesDialog::Remove);
    RCErase = MakeCommand(this, "RCErase", AMX_TEXT("&Erase"), &RateChangesDialog::EraseAll);
    RCOK = MakeCommand(this, "RCOK", AMX_TEXT("&OK"), &QDialog::accept);
    // Enter on a focused button presses it; elsewhere the boxes move on.
    for (QPushButton* button : {RCAdd, RCReplace, RCRemove, RCErase}) button->setAutoDefault(true);
    RCOK->setDefault(true);

    connect(RCGrid, &GridWidget::currentCellChanged, this, [this](int row, int) { SelectRow(row); });
    connect(RCGrid, &GridWidget::keyDown, this, [this](int key) {
        if (key == Qt::Key_Delete) Remove();
    });
}

void RateChangesDialog::AttachEntries() {
    AppState& state = context_.state;
    Interaction& interaction = context_.interaction;
    const auto keep = [](QLineEdit* box) { return [box](double) { return box->text(); }; };
    const struct {
        QLineEdit* box;
        NumericEntry::Kind kind;
        QWidget* next;
    } boxes[] = {{InChangeYear, NumericEntry::Kind::Whole, InChangeMonth},
                 {InChangeMonth, NumericEntry::Kind::Whole, InChangeRate},
                 {InChangeRate, NumericEntry::Kind::Decimal, ChangePayment}};
    for (const auto& b : boxes) {
        NumericEntry::Options options;
        options.kind = b.kind;
        options.decimals = 3;
        options.next = b.next;
        options.deleteClearsResults = false;
        // The form reads the boxes when a button is pressed.
        options.store = keep(b.box);
        NumericEntry::Attach(state, interaction, b.box, options);
    }
    ChoiceList::Options choice;
    choice.next = RCAdd;
    ChoiceList::Attach(state, interaction, ChangePayment, choice);
    ChainTabOrder({InChangeYear, InChangeMonth, InChangeRate, ChangePayment, RCAdd, RCReplace, RCRemove,
                   RCErase, RCOK, RCGrid});
}

void RateChangesDialog::LayOut() {
    RCGrid->SetCols(amortix::kRateChangeColumns);
    RCGrid->SetRows(kGridRowsShown + 1);
    RCGrid->SetRowHeight(0, 300);
    int width = RCGrid->frameWidth() * 2 + RCGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int c = 0; c < amortix::kRateChangeColumns; ++c) {
        RCGrid->SetColWidth(c, c >= 2 ? 1300 : 800);
        RCGrid->SetColAlignment(c, c == 3 ? CellAlignment::Left : CellAlignment::Right);
        RCGrid->SetFixedAlignment(c, CellAlignment::Center);
        RCGrid->SetTextAt(0, c, Tr(amortix::RateChangeHeader(c)));
        width += RCGrid->columnWidth(c);
    }
    RCGrid->setFixedWidth(width);
    RCGrid->setMinimumHeight(RCGrid->horizontalHeader()->height() +
                             RCGrid->verticalHeader()->defaultSectionSize() * kGridRowsShown);

    const int chars = QFontMetrics(font()).averageCharWidth();
    auto* boxes = new QGridLayout;
    const CaptionedBox rows[] = {
        {RCLabelYear, InChangeYear}, {RCLabelMonth, InChangeMonth}, {RCLabelRate, InChangeRate}};
    int column = 0;
    for (const auto& [label, box] : rows) {
        box->setFixedWidth(chars * 9);
        boxes->addWidget(label, 0, column);
        boxes->addWidget(box, 1, column++);
    }
    boxes->addWidget(RCLabelPayment, 0, column);
    boxes->addWidget(ChangePayment, 1, column);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {RCAdd, RCReplace, RCRemove, RCErase}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(RCOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RCGrid, 1, Qt::AlignHCenter);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
}

int RateChangesDialog::SelectedIndex() const {
    const int row = RCGrid->Row();
    return row >= 1 && row <= form_->Count() ? row - 1 : -1;
}

void RateChangesDialog::SelectRow(int row) {
    if (row >= 1 && row <= form_->Count()) ShowBoxes(row - 1);
    EnableEditing();
}

void RateChangesDialog::ShowBoxes(int index) {
    const auto texts = index >= 0 ? form_->TextsOf(index) : form_->NewEntry();
    InChangeYear->setText(Q(texts.year));
    InChangeMonth->setText(Q(texts.month));
    InChangeRate->setText(Q(texts.rate));
    ShowChoice(ChangePayment, amortix::kRateChangePayments, texts.payment);
    context_.state.EntryEdited = false;
    EnableEditing();
}

void RateChangesDialog::Refresh(int currentRow) {
    const amortix::RateChangesForm* form = form_.get();
    RCGrid->SetRows(std::max(kGridRowsShown, form->Count()) + 1);
    // The payment column shows a choice's list text, in the window's language.
    RCGrid->SetCellFunction([form](int row, int column) {
        return column == 3 ? Tr(form->Cell(row, column)) : Q(form->Cell(row, column));
    });
    RCGrid->CollapseSelection(std::max(currentRow, 1), 0);
    EnableEditing();
}

void RateChangesDialog::EnableEditing() {
    // Replace and Remove act on the change the list has selected.
    RCReplace->setEnabled(SelectedIndex() >= 0);
    RCRemove->setEnabled(SelectedIndex() >= 0);
    RCErase->setEnabled(form_->Count() > 0);
}

void RateChangesDialog::Add() {
    const auto outcome = form_->Add(Typed());
    if (outcome.message) {
        context_.interaction.ShowMessage(*outcome.message);
        return;
    }
    Refresh(outcome.row);
    ShowBoxes(-1);
    InChangeYear->setFocus();
}

void RateChangesDialog::Replace() {
    const int index = SelectedIndex();
    const auto outcome = form_->Replace(index, Typed());
    if (outcome.message) {
        context_.interaction.ShowMessage(*outcome.message);
        return;
    }
    Refresh(outcome.row);
    ShowBoxes(outcome.row - 1);
}

void RateChangesDialog::Remove() {
    const int index = SelectedIndex();
    if (!form_->Remove(index)) return;
    Refresh(std::min(index + 1, form_->Count()));
    ShowBoxes(form_->Count() > 0 ? SelectedIndex() : -1);
}

void RateChangesDialog::EraseAll() {
    form_->EraseAll();
    Refresh(0);
    ShowBoxes(-1);
    InChangeYear->setFocus();
}

amortix::RateChangesForm::BoxTexts RateChangesDialog::Typed() const {
    return {InChangeYear->text().toStdString(), InChangeMonth->text().toStdString(),
            InChangeRate->text().toStdString(), ChoiceOf(ChangePayment, amortix::kRateChangePayments)};
}

bool RateChangesDialog::BoxesHoldANewChange() const {
    if (InChangeRate->text().trimmed().isEmpty()) return false;
    const int index = SelectedIndex();
    return index < 0 || Typed() != form_->TextsOf(index);
}

void RateChangesDialog::done(int result) {
    // OK with a change typed but not added adds it, or stays open on its message.
    if (result == QDialog::Accepted && BoxesHoldANewChange()) {
        const auto outcome = form_->Add(Typed());
        if (outcome.message) {
            context_.interaction.ShowMessage(*outcome.message);
            return;
        }
    }
    if (result == QDialog::Accepted) {
        changes_ = form_->Changes();
        ShowRateChangesInForce(indicator_, !changes_.empty());
    }
    context_.state.EntryEdited = false;
    QDialog::done(result);
}

}  // namespace amortix::gui
