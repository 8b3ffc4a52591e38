#include "shell/main_menu.h"

#include <QDate>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/about_box.h"
#include "shell/app_state.h"
#include "shell/help_window.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/personal_settings.h"
#include "shell/settings_form.h"
#include "shell/short_date.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

// `caption` is English (marked AMX_TEXT); the button shows it translated.
QPushButton* MenuButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(Tr(caption), parent);
    button->setObjectName(name);
    button->setMinimumHeight(button->sizeHint().height() * 3 / 2);
    button->setMinimumWidth(button->fontMetrics().averageCharWidth() * 30);
    return button;
}

}  // namespace

MainMenu::MainMenu(ScreenContext& context, QString settingsPath, Hooks hooks)
    : context_(context), settingsPath_(std::move(settingsPath)), hooks_(std::move(hooks)) {
    setObjectName("MenuMain");

    Label2 = new QLabel("Amortix", this);
    Label2->setObjectName("Label2");
    QFont title("Liberation Serif");
    title.setStyleHint(QFont::Serif);
    title.setPointSizeF(font().pointSizeF() * 3.2);
    title.setBold(true);
    title.setItalic(true);
    Label2->setFont(title);
    Label2->setAlignment(Qt::AlignCenter);

    Subtitle = new QLabel(Tr("Mortgage and loan calculator"), this);
    Subtitle->setObjectName("Subtitle");
    QFont subtitleFont = title;
    subtitleFont.setPointSizeF(font().pointSizeF() * 1.25);
    subtitleFont.setBold(false);
    Subtitle->setFont(subtitleFont);
    Subtitle->setAlignment(Qt::AlignCenter);
    QPalette muted = Subtitle->palette();
    muted.setColor(QPalette::WindowText, QColor(0x4a, 0x5a, 0x4a));
    Subtitle->setPalette(muted);

    MyName = new QLabel(this);
    MyName->setObjectName("MyName");
    QFont nameFont = font();
    nameFont.setPointSizeF(font().pointSizeF() * 1.3);
    MyName->setFont(nameFont);
    MyName->setAlignment(Qt::AlignCenter);
    // A long name (from an edited settings file) is cut short with "...",
    // never widening the menu past its buttons.
    MyName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    MyName->hide();

    MortCalc = MenuButton(this, "MortCalc", AMX_TEXT("Mortgage &Tables"));
    PersonalLoan = MenuButton(this, "PersonalLoan", AMX_TEXT("Personal &Loan Tables"));
    CompMort = MenuButton(this, "CompMort", AMX_TEXT("Mortgage &Comparisons"));
    MFindFactor = MenuButton(this, "MFindFactor", AMX_TEXT("&Mortgage Affordability"));
    MQualify = MenuButton(this, "MQualify", AMX_TEXT("&Qualify"));
    PtrFnt = MenuButton(this, "PtrFnt", AMX_TEXT("&Personalize Settings"));
    HowUse = MenuButton(this, "HowUse", AMX_TEXT("&How to Use the Program"));
    About1 = MenuButton(this, "About1", AMX_TEXT("&About..."));
    EndMort = MenuButton(this, "EndMort", AMX_TEXT("E&xit Program"));

    connect(MortCalc, &QPushButton::clicked, this, [this] { OpenTables(amortix::TableKind::Mortgage); });
    connect(PersonalLoan, &QPushButton::clicked, this,
            [this] { OpenTables(amortix::TableKind::PersonalLoan); });
    connect(CompMort, &QPushButton::clicked, this, [this] { hooks_.openScreen(kComparisonScreen); });
    connect(MFindFactor, &QPushButton::clicked, this, [this] { hooks_.openScreen(kAffordabilityScreen); });
    connect(MQualify, &QPushButton::clicked, this, [this] { hooks_.openScreen(kQualifyScreen); });
    connect(PtrFnt, &QPushButton::clicked, this, &MainMenu::OpenSettings);
    connect(HowUse, &QPushButton::clicked, this, [this] { context_.interaction.ShowHelp(kHelpStartTopic); });
    connect(About1, &QPushButton::clicked, this, &MainMenu::OpenAbout);
    connect(EndMort, &QPushButton::clicked, this, [this] {
        if (hooks_.endProgram) hooks_.endProgram();
    });

    // Calculators on the left, the program's own commands on the right.
    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(TwipsToPixelsX(this, 600));
    buttons->setVerticalSpacing(TwipsToPixelsY(this, 200));
    QPushButton* left[] = {MortCalc, PersonalLoan, CompMort, MFindFactor, MQualify};
    QPushButton* right[] = {PtrFnt, HowUse, About1, EndMort};
    for (int i = 0; i < 5; ++i) buttons->addWidget(left[i], i, 0);
    for (int i = 0; i < 4; ++i) buttons->addWidget(right[i], i, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixelsX(this, 600), TwipsToPixelsY(this, 300),
                               TwipsToPixelsX(this, 600), TwipsToPixelsY(this, 300));
    layout->addStretch(1);
    layout->addWidget(Label2);
    layout->addWidget(Subtitle);
    layout->addSpacing(TwipsToPixelsY(this, 200));
    layout->addWidget(MyName);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(2);
    layout->setAlignment(buttons, Qt::AlignHCenter);

    // The menu covers the frame's inner area in the small layout.
    setMinimumSize(TwipsToPixels(this, QSize(9615, 6810)).expandedTo(layout->sizeHint()));
}

void MainMenu::Load() {
    context_.frame.SetCaption(Tr(" Amortix Menu"));
    AppState& state = context_.state;
    LoadSettingsInto(state, settingsPath_);
    ShowUserName();
    state.ExtraPayments.month = amortix::Month{};
    state.FirstPaymentDate = SerialFromDate(QDate::currentDate());
}

void MainMenu::ShowUserName() {
    const QString name = QString::fromStdString(context_.state.UserName);
    const int room = TwipsToPixelsX(this, 9615 - 2 * 600);
    const QString shown = MyName->fontMetrics().elidedText(name, Qt::ElideRight, room);
    MyName->setText(shown);
    MyName->setToolTip(shown == name ? QString() : name);
    MyName->setAccessibleName(name);
    MyName->setVisible(!name.isEmpty());
}

void MainMenu::OpenTables(amortix::TableKind mode) {
    // The same form serves both modes; it reads the mode when it loads.
    context_.state.TablesMode = mode;
    hooks_.openScreen(kTablesScreen);
}

void MainMenu::OpenSettings() {
    context_.frame.HideForm(this);
    {
        SettingsForm form(
            context_, settingsPath_, [this] { ShowUserName(); }, &context_.frame);
        form.exec();
    }
    context_.frame.ShowForm(this);
}

void MainMenu::OpenAbout() {
    context_.frame.HideForm(this);
    {
        AboutBox box(&context_.frame);
        PlaceDialog(&box, context_.state, &context_.frame, QPoint(2500, 1500), QPoint(3500, 2500));
        box.exec();
    }
    context_.frame.ShowForm(this);
}

}  // namespace amortix::gui
