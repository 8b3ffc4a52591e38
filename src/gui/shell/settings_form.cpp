#include "shell/settings_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

#include "core/format/numfmt.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/numeric_entry.h"
#include "shell/personal_settings.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

// The file stores texts between double quotes, so a quote can never be part
// of one.
std::string WithoutQuotes(const QString& text) {
    QString clean = text;
    clean.remove(QChar('"'));
    return clean.toStdString();
}

}  // namespace

SettingsForm::SettingsForm(ScreenContext& context, QString settingsPath, std::function<void()> onExit,
                           QWidget* parent)
    : QDialog(parent), context_(context), settingsPath_(std::move(settingsPath)), onExit_(std::move(onExit)) {
    setObjectName("ChangeFnt");
    setWindowTitle(Tr("Personalize"));
    AppState& state = context_.state;

    Label3 = new QLabel(Tr(" Change the currency symbol"), this);
    Label3->setObjectName("Label3");
    InSy = new QLineEdit(this);
    InSy->setObjectName("InSy");
    Label2 = new QLabel(Tr(" Type in your name"), this);
    Label2->setObjectName("Label2");
    InMyName = new QLineEdit(this);
    InMyName->setObjectName("InMyName");
    // Room for a full name on the menu and on a printout's header; a symbol
    // longer than a few letters would crowd every amount out of its box.
    InMyName->setMaxLength(kUserNameMaxLength);
    InSy->setMaxLength(kCurrencySymbolMaxLength);
    ExitFonts = new QPushButton(Tr("E&xit to Menu"), this);
    ExitFonts->setObjectName("ExitFonts");
    Label3->setBuddy(InSy);
    Label2->setBuddy(InMyName);

    Frame2 = new QGroupBox(Tr("Change printer fonts"), this);
    Frame2->setObjectName("Frame2");
    auto* fonts = new QVBoxLayout(Frame2);
    PtrFt[1] = new QRadioButton(Tr("Courier New 11 point font."), Frame2);
    PtrFt[0] = new QRadioButton(Tr("Standard printer font."), Frame2);
    for (const int k : {1, 0}) {
        PtrFt[k]->setObjectName(QString("PtrFt_%1").arg(k));
        fonts->addWidget(PtrFt[k]);
        connect(PtrFt[k], &QRadioButton::clicked, this,
                [&state, k] { state.PrinterFontChoice = static_cast<std::int16_t>(k); });
    }
    fonts->addStretch();

    Frame1 = new QGroupBox(Tr("Change interest compound period"), this);
    Frame1->setObjectName("Frame1");
    auto* periods = new QVBoxLayout(Frame1);
    const char* periodCaptions[] = {AMX_TEXT("Monthly"), AMX_TEXT("Bi-Monthly"), AMX_TEXT("Quarterly"),
                                    AMX_TEXT("Semi-Annual"), AMX_TEXT("Annual")};
    for (int k = 0; k < 5; ++k) {
        CPeriod[k] = new QRadioButton(Tr(periodCaptions[k]), Frame1);
        CPeriod[k]->setObjectName(QString("CPeriod_%1").arg(k));
        periods->addWidget(CPeriod[k]);
        connect(CPeriod[k], &QRadioButton::clicked, this,
                [&state, k] { state.CompoundSetting = static_cast<std::int16_t>(k); });
    }

    // The language: the desktop's, or one chosen here, from the next start on
    // (every window is built in the language installed when the program starts).
    Frame3 = new QGroupBox(Tr("&Language"), this);
    Frame3->setObjectName("Frame3");
    auto* languages = new QVBoxLayout(Frame3);
    LanguageList = new QComboBox(Frame3);
    LanguageList->setObjectName("LanguageList");
    FillList(LanguageList, amortix::kLanguages);
    ShowChoice(LanguageList, amortix::kLanguages, state.LanguageChoice);
    LanguageList->setAccessibleName(Tr("Language"));
    LanguageNote = new QLabel(Tr("The language changes at the next start."), Frame3);
    LanguageNote->setObjectName("LanguageNote");
    LanguageNote->setWordWrap(true);
    languages->addWidget(LanguageList);
    languages->addWidget(LanguageNote);
    connect(LanguageList, &QComboBox::currentIndexChanged, this,
            [this, &state] { state.LanguageChoice = ChoiceOf(LanguageList, amortix::kLanguages); });

    // Form_Load.
    context_.frame.SetCaption(Tr(" Personalize"));
    CPeriod[static_cast<std::size_t>(std::clamp<int>(state.CompoundSetting, 0, 4))]->setChecked(true);
    PtrFt[state.PrinterFontChoice == 1 ? 1 : 0]->setChecked(true);
    InSy->setText(QString::fromStdString(state.CurrencySymbol));
    InMyName->setText(QString::fromStdString(state.UserName));

    NumericEntry::Options symbol;
    symbol.kind = NumericEntry::Kind::Text;
    symbol.next = InMyName;
    symbol.deleteClearsResults = false;
    symbol.storeText = [&state](const QString& text) {
        state.CurrencySymbol = WithoutQuotes(text);
        return text;
    };
    NumericEntry::Attach(state, context_.interaction, InSy, symbol);
    InSy->installEventFilter(this);  // a click empties the box

    NumericEntry::Options name;
    name.kind = NumericEntry::Kind::Text;
    name.next = ExitFonts;
    name.firstKeyEmpties = false;
    name.selectAllOnFocus = false;
    name.deleteClearsResults = false;
    name.storeText = [&state](const QString& text) {
        state.UserName = WithoutQuotes(text);
        return text;
    };
    NumericEntry::Attach(state, context_.interaction, InMyName, name);
    connect(ExitFonts, &QPushButton::clicked, this, &QDialog::accept);

    // Left: the two boxes and the printer fonts; right: the compounding.
    const QFontMetrics metrics(font());
    InSy->setMaximumWidth(metrics.averageCharWidth() * 14);
    InMyName->setMinimumWidth(metrics.averageCharWidth() * 26);
    auto* left = new QVBoxLayout;
    for (auto [label, box] : {std::pair<QLabel*, QLineEdit*>{Label3, InSy}, {Label2, InMyName}}) {
        auto* pair = new QVBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(label);
        pair->addWidget(box);
        left->addLayout(pair);
        left->addSpacing(metrics.height() / 2);
    }
    left->addWidget(Frame2);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(Frame1);
    right->addWidget(Frame3);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ExitFonts);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(metrics.averageCharWidth() * 3);
    layout->addLayout(left);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    PlaceDialog(this, state, &context_.frame, QPoint(3060, 700), QPoint(4000, 2000));
}

bool SettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InSy && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Clicking the symbol box starts a new symbol.
        InSy->clear();
        context_.state.EntryEdited = true;
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsForm::done(int result) {
    Exit();
    QDialog::done(result);
}

void SettingsForm::Exit() {
    // However the form is left, what it shows is what is kept.
    if (exited_) return;
    exited_ = true;
    AppState& state = context_.state;
    state.CurrencySymbol = amortix::Trim(WithoutQuotes(InSy->text()));
    // An empty symbol would show amounts without one until the next start,
    // which then reads it as "$": use "$" at once.
    if (state.CurrencySymbol.empty()) state.CurrencySymbol = "$";
    state.UserName = WithoutQuotes(InMyName->text());
    // Unsaved settings still apply to this run; the user learns they will not last.
    if (!SaveSettingsFrom(state, settingsPath_))
        context_.interaction.ShowMessage(amortix::Message::SettingsNotSaved);
    if (onExit_) onExit_();
    context_.frame.SetCaption(Tr(" Amortix Menu"));
}

}  // namespace amortix::gui
