#include "shell/help_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/look.h"

namespace amortix::gui {
namespace {

const QString kGuide = QStringLiteral("qrc:/help/guide.html");

const QSet<QString>& GuideAnchors() {
    static const QSet<QString> anchors = [] {
        QSet<QString> names;
        QFile file(":/help/guide.html");
        if (!file.open(QIODevice::ReadOnly)) return names;
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression anchor(R"re(<a\s+name="([^"]+)")re");
        for (auto it = anchor.globalMatch(html); it.hasNext();) names.insert(it.next().captured(1));
        return names;
    }();
    return anchors;
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
    setWindowTitle("Amortix Help");

    HelpText = new QTextBrowser(this);
    HelpText->setObjectName("HelpText");
    HelpText->setOpenExternalLinks(false);
    MarkAsHelpText(HelpText);
    HelpText->setSource(QUrl(kGuide));

    HelpContents = new QPushButton("&Contents", this);
    HelpContents->setObjectName("HelpContents");
    connect(HelpContents, &QPushButton::clicked, this, [this] { ShowTopic("Contents"); });
    HelpExit = new QPushButton("E&xit Help", this);
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

void HelpWindow::ShowTopic(const QString& topic) {
    topic_ = HelpTopicExists(topic) ? topic : QString(kHelpStartTopic);
    // Opened from a modal dialog, the guide must take the input itself, or
    // the dialog would block it.
    const Qt::WindowModality wanted = QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    HelpText->setSource(QUrl(kGuide + "#" + topic_));
    HelpText->scrollToAnchor(topic_);
    show();
    raise();
    activateWindow();
}

}  // namespace amortix::gui
