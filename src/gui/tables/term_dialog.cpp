#include "tables/term_dialog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/twips.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

TermDialog::TermDialog(ScreenContext& context, TablesScreen* screen)
    : QDialog(screen), context_(context), screen_(screen), view_(screen->View()) {
    setObjectName("MSelTerm");
    setWindowTitle(Tr("Term"));
    AppState& state = context_.state;

    Frame1 = new QGroupBox(Tr("Select term to display"), this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    for (std::size_t k = 0; k < TermPeriod.size(); ++k) {
        TermPeriod[k] = new QRadioButton(Tr(amortix::kTermCaptions[k]), Frame1);
        TermPeriod[k]->setObjectName(QString("TermPeriod_%1").arg(k));
        options->addWidget(TermPeriod[k]);
        connect(TermPeriod[k], &QRadioButton::clicked, this,
                [this, k] { view_.termYears = amortix::kTermChoices[k]; });
    }

    MTermExit = new QPushButton(Tr("E&xit"), this);
    MTermExit->setObjectName("MTermExit");
    MTermExit->setDefault(true);
    connect(MTermExit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(CenteredButtonRow(MTermExit));

    // Load: the option of the current term.
    const int index = amortix::TermOptionIndex(view_.termYears);
    TermPeriod[static_cast<std::size_t>(index)]->setChecked(true);
    TermPeriod[static_cast<std::size_t>(index)]->setFocus();
    state.EntryEdited = false;

    PlaceDialog(this, state, &context_.frame, QPoint(3850, 1730), QPoint(4850, 2770));
}

void TermDialog::done(int result) {
    AppState& state = context_.state;
    if (!amortix::TermFitsPeriod(view_.termYears, screen_->Form().Numbers().years)) {
        context_.interaction.ShowMessage(amortix::Message::TermReset);
        TermPeriod[0]->setChecked(true);
        view_.termYears = 0;
        state.EntryEdited = false;
        return;
    }
    QDialog::done(result);
}

}  // namespace amortix::gui
