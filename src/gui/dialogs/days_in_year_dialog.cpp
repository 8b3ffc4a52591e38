#include "dialogs/days_in_year_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/twips.h"

namespace amortix::gui {

DaysInYearDialog::DaysInYearDialog(ScreenContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("MortIRFTable");
    setWindowTitle(Tr("Accelerated payments"));
    AppState& state = context_.state;

    Frame1 = new QGroupBox(Tr(" Change interest rate factor - days "), this);
    Frame1->setObjectName("Frame1");
    auto* options = new QGridLayout(Frame1);
    for (std::size_t k = 0; k < IRFactor.size(); ++k) {
        IRFactor[k] = new QRadioButton(Tr(amortix::kDayBases[k].caption), Frame1);
        IRFactor[k]->setObjectName(QString("IRFactor_%1").arg(k));
        options->addWidget(IRFactor[k], static_cast<int>(k), 0, 1, 2);
        connect(IRFactor[k], &QRadioButton::clicked, this,
                [this, k] { ChooseOption(amortix::kDayBases[k].id); });
    }
    Label2 = new QLabel(Tr("Other:"), Frame1);
    Label2->setObjectName("Label2");
    InIRFDays = new QLineEdit(Frame1);
    InIRFDays->setObjectName("InIRFDays");
    InIRFDays->setAlignment(Qt::AlignRight);
    Label2->setBuddy(InIRFDays);
    options->addWidget(Label2, 5, 0);
    options->addWidget(InIRFDays, 5, 1);

    Label1 = new QLabel(Tr(amortix::kDaysLabel1), this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);

    ExitMort = new QPushButton(Tr("E&xit"), this);
    ExitMort->setObjectName("ExitMort");
    connect(ExitMort, &QPushButton::clicked, this, &DaysInYearDialog::Exit);

    NumericEntry::Options days;
    days.decimals = 2;
    days.deleteClearsResults = false;
    // No next box: Enter leaves the focus where it is.
    days.store = [](double value) {
        return QString::fromStdString(amortix::DaysBoxText(static_cast<float>(value)));
    };
    NumericEntry::Attach(state, context_.interaction, InIRFDays, days);
    InIRFDays->installEventFilter(this);  // a click starts a new value

    const QFontMetrics metrics(font());
    InIRFDays->setMaximumWidth(metrics.averageCharWidth() * 12);
    Label1->setMinimumWidth(metrics.averageCharWidth() * 34);
    auto* side = new QVBoxLayout;
    side->addWidget(Label1);
    side->addStretch();
    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(ExitMort);
    side->addLayout(exitRow);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(side, 1);

    // Load.
    choice_ = state.DayBasis.choice;
    Option(choice_)->setChecked(true);
    ChooseOption(choice_);
    state.EntryEdited = false;
    if (choice_ == amortix::DayBasisChoice::Typed)
        InIRFDays->setText(QString::fromStdString(amortix::DaysBoxText(state.DayBasis.days)));
    Option(choice_)->setFocus();

    PlaceDialog(this, state, &context_.frame, QPoint(3200, 1730), QPoint(4300, 2770));
}

QRadioButton* DaysInYearDialog::Option(amortix::DayBasisChoice choice) const {
    for (std::size_t k = 0; k < IRFactor.size(); ++k)
        if (amortix::kDayBases[k].id == choice) return IRFactor[k];
    return IRFactor[1];
}

void DaysInYearDialog::ChooseOption(amortix::DayBasisChoice choice) {
    choice_ = choice;
    const bool typed = choice == amortix::DayBasisChoice::Typed;
    if (!typed) InIRFDays->clear();
    InIRFDays->setEnabled(typed);
}

void DaysInYearDialog::Exit() {
    const auto decided = amortix::ExitDaysDialog(choice_, InIRFDays->text().toStdString());
    if (decided.message) {
        context_.interaction.ShowMessage(*decided.message);
        return;
    }
    context_.state.DayBasis = *decided.basis;
    accept();
}

bool DaysInYearDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InIRFDays && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && InIRFDays->isEnabled()) {
        InIRFDays->clear();
        context_.state.EntryEdited = true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace amortix::gui
