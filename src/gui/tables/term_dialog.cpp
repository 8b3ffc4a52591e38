#include "tables/term_dialog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/forms/tables_form.h"
#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/twips.h"

namespace amortix::gui {

TermDialog::TermDialog(ScreenContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("MSelTerm");
    setWindowTitle("Term");
    AppState& state = context_.state;

    Frame1 = new QGroupBox("Select term to display", this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    for (std::size_t k = 0; k < TermPeriod.size(); ++k) {
        TermPeriod[k] = new QRadioButton(amortix::kTermCaptions[k], Frame1);
        TermPeriod[k]->setObjectName(QString("TermPeriod_%1").arg(k));
        options->addWidget(TermPeriod[k]);
        connect(TermPeriod[k], &QRadioButton::clicked, this,
                [&state, k] { state.TermYears = amortix::kTermChoices[k]; });
    }

    MTermExit = new QPushButton("E&xit", this);
    MTermExit->setObjectName("MTermExit");
    MTermExit->setDefault(true);
    connect(MTermExit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(CenteredButtonRow(MTermExit));

    // Load: the option of the current term.
    const int index = amortix::TermOptionIndex(state.TermYears);
    TermPeriod[static_cast<std::size_t>(index)]->setChecked(true);
    TermPeriod[static_cast<std::size_t>(index)]->setFocus();
    state.EntryEdited = 0;

    PlaceDialog(this, state, &context_.frame, QPoint(3850, 1730), QPoint(4850, 2770));
}

void TermDialog::done(int result) {
    AppState& state = context_.state;
    if (!amortix::TermFitsPeriod(state.TermYears, state.TableInputs[3])) {
        context_.interaction.ShowMessage(34);
        TermPeriod[0]->setChecked(true);
        state.TermYears = 0;
        state.EntryEdited = 0;
        return;
    }
    QDialog::done(result);
}

}  // namespace amortix::gui
