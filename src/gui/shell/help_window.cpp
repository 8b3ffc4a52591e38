#include "shell/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/language.h"
#include "shell/look.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

// The guide in the installed language: its page (guide_fr.html) where the
// program has one, else the English.
QString GuideFile() {
    QString page = QStringLiteral(":/help/guide_%1.html").arg(InstalledLanguageCode());
    if (InstalledLanguage() != amortix::Language::English && QFile::exists(page)) return page;
    return QStringLiteral(":/help/guide.html");
}

QUrl GuideUrl(const QString& topic = {}) {
    QUrl url(QStringLiteral("qrc") + GuideFile());
    if (!topic.isEmpty()) url.setFragment(topic);
    return url;
}

// Read once per page: the language can change while the program runs.
const QSet<QString>& GuideAnchors() {
    static QHash<QString, QSet<QString>> anchorsByFile;
    const QString path = GuideFile();
    if (const auto it = anchorsByFile.constFind(path); it != anchorsByFile.cend()) return *it;
    QSet<QString>& names = anchorsByFile[path];
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return names;
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression anchor(R"re(<a\s+name="([^"]+)")re");
    for (auto it = anchor.globalMatch(html); it.hasNext();) names.insert(it.next().captured(1));
    return names;
}

// The form a control belongs to: its window, or the widget an MDI child
// window shows.
const QWidget* FormOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isWindow()) return w;
        if (qobject_cast<const QMdiSubWindow*>(w->parentWidget())) return w;
    }
    return nullptr;
}

// The block that holds the anchor, or an invalid block.
QTextBlock AnchorBlock(const QTextDocument* document, const QString& topic) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // An anchor with no text of its own marks the block that follows it.
        if (block.charFormat().anchorNames().contains(topic)) return block;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(topic)) return block;
    }
    return {};
}

}  // namespace

bool HelpTopicExists(const QString& topic) {
    return GuideAnchors().contains(topic);
}

QString HelpTopicFor(const QWidget* widget) {
    const QWidget* form = FormOf(widget);
    QStringList candidates;
    if (widget && !widget->objectName().isEmpty()) {
        if (form && form != widget) candidates << form->objectName() + "_" + widget->objectName();
        candidates << widget->objectName();
    }
    for (const QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty()) {
            if (form && form != w) candidates << form->objectName() + "_" + w->objectName();
            candidates << w->objectName();
        }
        if (w == form) break;
    }
    for (const QString& topic : candidates)
        if (HelpTopicExists(topic)) return topic;
    return kHelpStartTopic;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(Tr("Amortix Help"));

    HelpText = new QTextBrowser(this);
    HelpText->setObjectName("HelpText");
    HelpText->setAccessibleName(Tr("User guide"));
    HelpText->setOpenExternalLinks(false);
    MarkAsHelpText(HelpText);
    HelpText->setSource(GuideUrl());

    HelpContents = new QPushButton(Tr("&Contents"), this);
    HelpContents->setObjectName("HelpContents");
    connect(HelpContents, &QPushButton::clicked, this, [this] { ShowTopic("Contents"); });
    HelpExit = new QPushButton(Tr("E&xit Help"), this);
    HelpExit->setObjectName("HelpExit");
    connect(HelpExit, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpContents);
    buttons->addStretch();
    buttons->addWidget(HelpExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HelpText);
    layout->addLayout(buttons);

    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 90, metrics.lineSpacing() * 36);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape leaves the guide, as it leaves every box of the program.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::PlaceBeside(const QWidget* anchor) {
    const QRect area = AvailableArea(anchor);
    if (area.isEmpty()) return;
    const QMargins decorations = Decorations(this, anchor);
    resize(size().boundedTo(area.size().shrunkBy(decorations)));
    const QSize outer = size().grownBy(decorations);
    QPoint wanted = frameGeometry().topLeft();
    if (!placed_) {
        // To the right of the frame where the screen has room, else over the
        // frame's right part: the box the user asked about stays in view.
        const QRect frame = anchor ? anchor->frameGeometry() : area;
        wanted = anchor ? QPoint(frame.right() + 1, frame.top()) : area.topLeft();
    }
    move(KeepInside(wanted, outer, area));
    placed_ = true;
}

void HelpWindow::ShowTopic(const QString& topic) {
    topic_ = HelpTopicExists(topic) ? topic : QString(kHelpStartTopic);
    // Opened from a modal dialog, the guide must take the input itself, or
    // the dialog would block it.
    const Qt::WindowModality wanted = QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    HelpText->setSource(GuideUrl(topic_));
    // Shown first: the page is laid out for the window's real width only then.
    show();
    raise();
    activateWindow();
    ScrollToTopic();
}

int HelpWindow::TopicTop(const QString& topic, int* headingTop) const {
    const QTextDocument* document = HelpText->document();
    const QTextBlock block = AnchorBlock(document, topic);
    if (!block.isValid()) return -1;
    const QAbstractTextDocumentLayout* layout = document->documentLayout();
    const int top = static_cast<int>(layout->blockBoundingRect(block).top());
    if (headingTop) {
        *headingTop = top;
        for (QTextBlock b = block; b.isValid(); b = b.previous())
            if (b.blockFormat().headingLevel() > 0) {
                *headingTop = static_cast<int>(layout->blockBoundingRect(b).top());
                break;
            }
    }
    return top;
}

void HelpWindow::ScrollToTopic() {
    // A topic opens at the heading of its section, so a box described in the
    // middle of a paragraph is read from the start; a topic too far down a
    // long section opens at the start of its own line or row instead.
    int heading = 0;
    const int top = TopicTop(topic_, &heading);
    if (top < 0) return;
    const int lines = HelpText->fontMetrics().lineSpacing() * 3;
    const int target = top - heading + lines <= HelpText->viewport()->height() ? heading : top;
    HelpText->verticalScrollBar()->setValue(target);
}

}  // namespace amortix::gui
