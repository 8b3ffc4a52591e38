#pragma once
// The program's user guide (an HTML page shipped inside the program) in a
// window of its own. Topics are the guide's anchors: one per screen and one
// per box or button, named after the control (a box shared by several
// screens is qualified by its form, "MortComp_InPrincipal").

#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace amortix::gui {

// The guide's opening topic ("How to Use the Program").
inline constexpr const char* kHelpStartTopic = "HowToUse";

// True when the guide has an anchor of that name.
bool HelpTopicExists(const QString& topic);

// The most specific topic for a control: form_control, control, then each
// enclosing form or group, then the guide's start.
QString HelpTopicFor(const QWidget* widget);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window at `topic` (the start when the guide has no such
    // topic) and brings it to the front.
    void ShowTopic(const QString& topic);

    // Before the window opens: the first time beside `anchor` (the frame),
    // at its right, later where the user left it; made smaller where the
    // screen is, and kept whole on the screen either way.
    void PlaceBeside(const QWidget* anchor);

    // The topic last shown.
    QString CurrentTopic() const { return topic_; }

    // Where a topic's line starts in the page, and where the heading of its
    // section starts (-1 when the guide has no such topic).
    int TopicTop(const QString& topic, int* headingTop = nullptr) const;

    QTextBrowser* HelpText = nullptr;
    QPushButton* HelpContents = nullptr;
    QPushButton* HelpExit = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ScrollToTopic();

    QString topic_;
    bool placed_ = false;
};

}  // namespace amortix::gui
