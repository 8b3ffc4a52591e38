#include "tables/date_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/look.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/short_date.h"
#include "shell/twips.h"

namespace amortix::gui {

DateDialog::DateDialog(ScreenContext& context, QWidget* parent, const QLocale& locale)
    : QDialog(parent), context_(context), locale_(locale) {
    setObjectName("MortDateInput");
    setWindowTitle(Tr("Date Input"));
    AppState& state = context_.state;

    Label1 = new QLabel(Tr(" Type in the date of the    first payment"), this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    InDate = new QLineEdit(this);
    InDate->setObjectName("InDate");
    Label1->setBuddy(InDate);
    OkExit = new QPushButton(Tr("&OK"), this);
    OkExit->setObjectName("OkExit");

    NumericEntry::Options date;
    date.kind = NumericEntry::Kind::Text;
    date.next = OkExit;
    date.selectAllOnFocus = false;
    date.deleteClearsResults = false;
    date.storeText = [this](const QString& text) {
        if (!StoreDate(text)) {
            refused_ = true;
            // Back into the box once the focus change that left it is over.
            QTimer::singleShot(0, InDate, [this] { InDate->setFocus(Qt::OtherFocusReason); });
        }
        return DateText();
    };
    NumericEntry::Attach(state, context_.interaction, InDate, date);
    InDate->installEventFilter(this);

    connect(OkExit, &QPushButton::clicked, this, [this] {
        // The click that left a refused date must not close the dialog.
        if (refused_) {
            refused_ = false;
            return;
        }
        accept();
    });

    const QFontMetrics metrics(font());
    InDate->setMinimumWidth(metrics.averageCharWidth() * 18);
    Label1->setMinimumWidth(metrics.averageCharWidth() * 22);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1, 1);
    row->addWidget(InDate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(CenteredButtonRow(OkExit));

    // Load.
    state.EntryEdited = false;
    InDate->setText(DateText());
    InDate->setFocus();

    PlaceDialog(this, state, &context_.frame, QPoint(4000, 2400), QPoint(5000, 3400));
}

bool DateDialog::StoreDate(const QString& text) {
    if (const auto serial = ParseShortDate(text, locale_)) {
        context_.state.FirstPaymentDate = *serial;
        return true;
    }
    context_.interaction.ShowMessage(amortix::Message::InvalidDate);
    return false;
}

QString DateDialog::DateText() const {
    return ShortDateText(context_.state.FirstPaymentDate, locale_);
}

bool DateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InDate && event->type() == QEvent::FocusIn) refused_ = false;
    return QDialog::eventFilter(watched, event);
}

void DateDialog::done(int result) {
    AppState& state = context_.state;
    if (state.EntryEdited) {
        // Typed but not yet left (Escape, the window's close button).
        const bool stored = StoreDate(InDate->text());
        InDate->setText(DateText());
        state.EntryEdited = false;
        if (!stored) {
            InDate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QDialog::done(result);
}

}  // namespace amortix::gui
