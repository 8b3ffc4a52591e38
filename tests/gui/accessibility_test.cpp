// A screen reader announces every box, list, grid and button by a name, and
// every access key of a form is its own: the
// test walks the menu, every screen it opens, and every dialog their buttons
// open, so new screens are covered as soon as the menu opens them.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "gui_test_util.h"
#include "shell/application.h"
#include "shell/help_window.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"
#include "shell/message_boxes.h"
#include "walk_util.h"

namespace amortix::gui {
namespace {

bool Announced(QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    // A combo box's own line edit and list, a grid's headers: read as parts
    // of the combo box or the grid.
    for (const QWidget* w = parent; w; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w)) return false;
    return qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
           qobject_cast<QTextEdit*>(widget) || qobject_cast<QAbstractButton*>(widget);
}

// The access key of a caption: the letter after a single '&'.
QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

// Two controls of one form with the same access key trigger neither: Alt
// cycles between them.
void ExpectUniqueAccessKeys(QWidget* form) {
    QMap<QChar, QString> owners;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(form)) continue;
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            caption = label->text();
        const QChar key = AccessKey(caption);
        if (key.isNull()) continue;
        EXPECT_FALSE(owners.contains(key))
            << form->objectName().toStdString() << ": Alt+" << QString(key).toStdString() << " is both "
            << owners.value(key).toStdString() << " and " << widget->objectName().toStdString();
        owners.insert(key, widget->objectName());
    }
}

void ExpectNamed(QWidget* form, QSet<QString>& seen) {
    seen.insert(form->objectName());
    ExpectUniqueAccessKeys(form);
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!Announced(widget)) continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(spoken, nullptr);
        EXPECT_FALSE(spoken->text(QAccessible::Name).trimmed().isEmpty())
            << form->objectName().toStdString() << "." << widget->objectName().toStdString() << " "
            << widget->metaObject()->className();
    }
}

class Accessibility : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        app = std::make_unique<Application>(folder.path(), [](AppState& state, QWidget*) {
            return std::make_unique<RecordingInteraction>(state);
        });
        app->SetEndProgram([] {});
        app->Start();
        test::ShowActive(&app->Frame());
    }

    void Click(QPushButton* button) {
        test::ClickVisitingDialogs(button, [this](QWidget* dialog) { ExpectNamed(dialog, seen); });
    }

    QTemporaryDir folder;
    std::unique_ptr<Application> app;
    QSet<QString> seen;
};

TEST_F(Accessibility, EveryScreenAndDialogNamesItsControls) {
    test::WalkEveryForm(*app, [this](QWidget* form) { ExpectNamed(form, seen); });
    // The tables screen and its dialogs, at least, were reached.
    for (const char* form : {"MenuMain", "MortgageCalc", "ChangeFnt", "MSelTerm", "MortDateInput",
                             "MortPrePay", "MortIRFTable", "CostsDialog"})
        EXPECT_TRUE(seen.contains(form)) << form;

    MessageBox message(amortix::Message::WrongEntry, nullptr);
    ExpectNamed(&message, seen);
    QuestionBox question(amortix::Question::ContinuePrintout, nullptr);
    ExpectNamed(&question, seen);
    HelpWindow help;
    ExpectNamed(&help, seen);
}

// A screen reader reads a button by the caption it shows now: after a click
// changes it, the new caption without its '&', not the one it was made with.
// Each button is clicked twice, so it must also go back to its first name.
TEST_F(Accessibility, AButtonIsAnnouncedByItsCurrentCaption) {
    const auto spoken = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    const struct {
        const char* opener;
        const char* button;
        QString first, second;
    } cases[] = {
        {"MortCalc", "MHelp", "Quick Help", "Close Help"},
        {"MortCalc", "MDateNumber", "View payment date", "View payment No."},  // the date dialog is closed
        {"CompMort", "MCHelp", "Quick Help", "Close Help"},
        {"MFindFactor", "MFHelp", "Quick Help", "Close Help"},
        {"MQualify", "QHelp", "Quick Help", "Close Help"},
    };
    MainFrame& frame = app->Frame();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Click(app->Menu().findChild<QPushButton*>(c.opener));
        QWidget* screen = frame.ActiveForm();
        ASSERT_NE(screen, nullptr);
        auto* button = screen->findChild<QPushButton*>(c.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(spoken(button), c.first);
        Click(button);
        ASSERT_EQ(button->text().remove(QLatin1Char('&')), c.second)
            << "the click did not change the caption";
        EXPECT_EQ(spoken(button), c.second);
        Click(button);
        EXPECT_EQ(spoken(button), c.first);
        frame.ReturnToMenu(screen);
    }
}

}  // namespace
}  // namespace amortix::gui
