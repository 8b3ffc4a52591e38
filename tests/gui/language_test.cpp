// The window in French and in English: the language the desktop or the
// settings ask for, every text a user meets translated, none cut off, and
// files that do not care which language wrote them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include "core/format/messages.h"
#include "gui_test_util.h"
#include "shell/help_window.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/message_boxes.h"
#include "tables/tables_screen.h"
#include "walk_util.h"

namespace amortix::gui {
namespace {

using amortix::Language;

TEST(Language, FollowsTheDesktopUnlessTheUserChose) {
    const struct {
        Language choice;
        const char *lcAll, *lcMessages, *lang;
        Language shown;
    } cases[] = {
        {Language::Automatic, "", "", "", Language::English},
        {Language::Automatic, "", "", "fr_CA.UTF-8", Language::French},
        {Language::Automatic, "", "", "C.UTF-8", Language::English},
        {Language::Automatic, "", "en_US.UTF-8", "fr_CA.UTF-8", Language::English},  // messages win over LANG
        {Language::Automatic, "", "fr_FR.UTF-8", "en_GB.UTF-8", Language::French},
        {Language::Automatic, "fr_BE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Language::French},  // LC_ALL wins
        {Language::Automatic, "C", "fr_CA.UTF-8", "", Language::English},
        {Language::English, "fr_CA.UTF-8", "fr_CA.UTF-8", "fr_CA.UTF-8", Language::English},
        {Language::French, "", "", "en_US.UTF-8", Language::French},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveLanguage(c.choice, c.lcAll, c.lcMessages, c.lang), c.shown)
            << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
}

// A caption as the eye reads it: no access-key marks, blanks folded.
QString Plain(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return plain.simplified();
}

bool HasWords(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2,}"));
    return letters.match(text).hasMatch();
}

// The English texts the French translation keeps as they are ("Total", "OK"),
// and names that are the same in every language: the program's, and each
// language's in its own words.
struct Unchanged {
    QSet<QString> texts;
    QList<QRegularExpression> patterns;  // "Version %1" kept: "Version 3.5"

    bool Contains(const QString& text) const {
        if (texts.contains(text)) return true;
        for (const QRegularExpression& pattern : patterns)
            if (pattern.match(text).hasMatch()) return true;
        return false;
    }
};

Unchanged SameInFrench() {
    Unchanged same;
    same.texts.insert(QStringLiteral("Amortix"));
    for (const amortix::LanguageInfo& info : amortix::kLanguages)
        same.texts.insert(
            QString::fromUtf8(info.listText.data(), static_cast<qsizetype>(info.listText.size())));
    QFile ts(QStringLiteral(AMORTIX_FRENCH_TS));
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() != QLatin1String("translation") || Plain(xml.readElementText()) != Plain(source))
            continue;
        static const QRegularExpression argument(QStringLiteral("%[1-9]"));
        if (!source.contains(argument)) {
            same.texts.insert(Plain(source));
            continue;
        }
        QStringList pieces = Plain(source).split(argument);
        for (QString& piece : pieces) piece = QRegularExpression::escape(piece);
        same.patterns.append(
            QRegularExpression(QStringLiteral("^") + pieces.join(QStringLiteral(".*")) + "$"));
    }
    return same;
}

// Every text a form shows or speaks, by where it is shown.
using ShownTexts = QHash<QString, QString>;

void CollectTexts(QWidget* form, ShownTexts& shown) {
    const QString at = form->objectName() + QLatin1Char('/');
    if (form->isWindow()) shown.insert(at + "title", form->windowTitle());
    int position = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        ++position;
        if (!w->isVisibleTo(form)) continue;
        // Unnamed parts (a dialog's standard buttons) by their place, which
        // both languages build alike.
        const QString name = w->objectName().isEmpty()
                                 ? QStringLiteral("%1#%2").arg(w->metaObject()->className()).arg(position)
                                 : w->objectName();
        const QString where = at + name + QLatin1Char('/');
        if (auto* label = qobject_cast<QLabel*>(w))
            shown.insert(where + "text", label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown.insert(where + "text", button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            shown.insert(where + "title", group->title());
        if (auto* list = qobject_cast<QComboBox*>(w); list && !list->isEditable())
            for (int i = 0; i < list->count(); ++i)
                shown.insert(where + QString::number(i), list->itemText(i));
        if (!w->toolTip().isEmpty()) shown.insert(where + "tip", w->toolTip());
        if (!w->accessibleName().isEmpty()) shown.insert(where + "name", w->accessibleName());
    }
}

// Texts wider than what shows them: cut off at the edge, or run under the
// next control.
void ExpectTextsFit(QWidget* form, const char* language) {
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(form) || w->width() <= 0) continue;
        const QFontMetrics metrics(w->font());
        const QString where = form->objectName() + "/" + w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
            if (qobject_cast<QAbstractButton*>(label->parentWidget())) continue;
            const int room = label->contentsRect().width() - 2 * label->margin() - 2 * label->indent();
            const QString text = Plain(label->text());
            if (label->wordWrap()) {
                // Wrapped: each word must fit a line, and all lines the height.
                for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    EXPECT_LE(metrics.horizontalAdvance(word), room)
                        << language << " " << where.toStdString() << ": \"" << word.toStdString() << "\"";
                EXPECT_LE(label->heightForWidth(label->width()), label->height() + 1)
                    << language << " " << where.toStdString() << ": \"" << text.toStdString() << "\"";
            } else {
                for (const QString& line : Plain(label->text().replace('\n', "\x02")).split(QChar('\x02')))
                    EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), room)
                        << language << " " << where.toStdString() << ": \"" << line.toStdString() << "\"";
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = Plain(button->text());
            if (text.isEmpty()) continue;
            int needed = metrics.horizontalAdvance(text);
            if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button)) {
                needed += button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                          button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
            } else {
                needed += 4;  // the button's frame
            }
            EXPECT_LE(needed, button->width())
                << language << " " << where.toStdString() << ": \"" << text.toStdString() << "\"";
        } else if (auto* list = qobject_cast<QComboBox*>(w); list && !list->isEditable()) {
            // A closed list shows its choice whole, beside its arrow.
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int arrow =
                list->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list)
                    .width();
            for (int i = 0; i < list->count(); ++i)
                EXPECT_LE(metrics.horizontalAdvance(list->itemText(i).trimmed()) + arrow, list->width())
                    << language << " " << where.toStdString() << ": \"" << list->itemText(i).toStdString()
                    << "\"";
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(metrics.horizontalAdvance(Plain(group->title())) + metrics.averageCharWidth(),
                      group->width())
                << language << " " << where.toStdString();
        }
    }
}

class BothLanguages : public ::testing::Test {
  protected:
    // A calculated schedule and its graph, whose texts the empty screens of
    // the walk do not show.
    static void VisitResults(Application& app, const test::VisitForm& visit, ShownTexts& shown) {
        QTest::mouseClick(app.Menu().MortCalc, Qt::LeftButton);
        auto* tables = qobject_cast<TablesScreen*>(app.Frame().ActiveForm());
        ASSERT_NE(tables, nullptr);
        for (const auto& [box, keys] : {std::pair<QWidget*, const char*>{tables->InPrincipal, "250000"},
                                        {tables->InRate, "6.5"},
                                        {tables->InTerm, "25"}}) {
            box->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(box, keys);
        }
        QTest::mouseClick(tables->MCalc, Qt::LeftButton);
        visit(tables);
        // What Copy results hands to another program is in the language too.
        QTest::mouseClick(tables->MCopy, Qt::LeftButton);
        shown.insert(QStringLiteral("MortgageCalc/copied"), QApplication::clipboard()->text());
        QTest::mouseClick(tables->MGraphs, Qt::LeftButton);
        QApplication::processEvents();
        QWidget* graph = app.Frame().ActiveForm();
        ASSERT_NE(graph, tables);
        visit(graph);
        app.Frame().ReturnToMenu(graph);
    }

    void TearDown() override { InstallLanguage(Language::English); }

    // The whole program walked in a language: what it shows, checked to fit.
    ShownTexts Walk(Language language) {
        InstallLanguage(language);
        const char* name = language == Language::French ? "French" : "English";
        QTemporaryDir folder;
        EXPECT_TRUE(folder.isValid());
        Application app(folder.path(), [](AppState& state, QWidget*) {
            return std::make_unique<RecordingInteraction>(state);
        });
        app.SetEndProgram([] {});
        app.Start();
        test::ShowActive(&app.Frame());
        ShownTexts shown;
        const QString pictures = qEnvironmentVariable("AMORTIX_LANGUAGE_PICTURES");
        const auto visit = [&](QWidget* form) {
            // A folder named there gets a picture of each form, to look at what failed.
            if (!pictures.isEmpty())
                form->grab().save(QStringLiteral("%1/%2-%3.png").arg(pictures, name, form->objectName()));
            CollectTexts(form, shown);
            shown.insert(form->objectName() + "/frame", app.Frame().windowTitle());
            ExpectTextsFit(form, name);
        };
        test::WalkEveryForm(app, visit);
        VisitResults(app, visit, shown);
        for (const auto& row : amortix::kMessageTexts) {
            MessageBox box(row.message, nullptr);
            box.show();
            CollectTexts(&box, shown);
            shown.insert(QStringLiteral("message %1").arg(amortix::MessageNumber(row.message)),
                         box.TextMsg->toPlainText());
            ExpectTextsFit(&box, name);
        }
        for (const amortix::Question question :
             {amortix::Question::ContinuePrintout, amortix::Question::PrintInColor,
              amortix::Question::SaveBeforeErasing, amortix::Question::EraseAdditionalPayments,
              amortix::Question::LeaveComparison}) {
            QuestionBox box(question, nullptr);
            box.show();
            ShownTexts asked;
            CollectTexts(&box, asked);
            for (auto it = asked.cbegin(); it != asked.cend(); ++it)
                shown.insert(QStringLiteral("question %1 ").arg(static_cast<int>(question)) + it.key(),
                             it.value());
            ExpectTextsFit(&box, name);
        }
        return shown;
    }
};

// In French no text a user meets is the English one, unless the French is
// the same word; and in both languages every caption fits its control.
TEST_F(BothLanguages, EveryTextIsTranslatedAndFits) {
    const ShownTexts english = Walk(Language::English);
    const ShownTexts french = Walk(Language::French);
    const Unchanged same = SameInFrench();
    int compared = 0;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const auto there = french.constFind(it.key());
        if (there == french.cend()) continue;
        ++compared;
        const QString shownInEnglish = Plain(it.value());
        if (Plain(*there) != shownInEnglish || !HasWords(shownInEnglish)) continue;
        // A text made of translated pieces, or one French keeps.
        // A path the user chose.
        if (same.Contains(shownInEnglish) || shownInEnglish.startsWith(QLatin1Char('/'))) continue;
        ADD_FAILURE() << it.key().toStdString() << " stays English: \"" << shownInEnglish.toStdString()
                      << "\"";
    }
    // The walk reached the screens and dialogs, not just the menu.
    EXPECT_GT(compared, 400);
}

TEST_F(BothLanguages, TheGuideOpensInTheLanguage) {
    for (const auto& [language, word] :
         {std::pair{Language::English, "payment"}, std::pair{Language::French, "versement"}}) {
        InstallLanguage(language);
        HelpWindow help;
        const auto* page = help.findChild<QTextBrowser*>();
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->toPlainText().contains(QLatin1String(word))) << word;
    }
}

}  // namespace
}  // namespace amortix::gui
