#include "shell/placeholder_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/twips.h"

namespace amortix::gui {

QString ScreenCaption(const QString& formName, const AppState& state) {
    if (formName == kTablesScreen)
        return state.TablesMode == amortix::TableKind::PersonalLoan ? Tr(" Loan Tables")
                                                                    : Tr(" Mortgage Tables");
    if (formName == kComparisonScreen) return Tr(" Mortgage Comparison Tables");
    if (formName == kAffordabilityScreen) return Tr(" Mortgage Affordability");
    return " " + formName;
}

PlaceholderScreen::PlaceholderScreen(ScreenContext& context, const QString& formName, const QString& caption)
    : context_(context) {
    setObjectName(formName);
    context_.frame.SetCaption(caption);

    Note = new QLabel(QString("<h2>%1</h2><p>%2</p>")
                          .arg(caption.trimmed().toHtmlEscaped(),
                               Tr("This calculator is not part of this build yet.").toHtmlEscaped()),
                      this);
    Note->setObjectName("Note");
    Note->setAlignment(Qt::AlignCenter);
    Note->setWordWrap(true);

    PlaceholderExit = new QPushButton(Tr("E&xit to Menu"), this);
    PlaceholderExit->setObjectName("PlaceholderExit");
    connect(PlaceholderExit, &QPushButton::clicked, this, [this] { context_.frame.ReturnToMenu(this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PlaceholderExit);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(Note);
    layout->addSpacing(20);
    layout->addLayout(buttons);
    layout->addStretch();
    setMinimumSize(TwipsToPixels(this, QSize(9615, 6810)));
    PlaceholderExit->setFocus();
}

}  // namespace amortix::gui
