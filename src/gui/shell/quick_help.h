#pragma once
// The quick help of a calculator screen: a read-only text that takes the
// place of the screen's grid (or lies over a panel) while it is open, and
// the button that opens and closes it, captioned for what a click does next.
// Whether the help is open is the panel's own state, never its button's
// caption.

#include <QObject>
#include <QString>

#include <string_view>
#include <vector>

#include "core/format/catalogue.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace amortix::gui {

class Interaction;

// English, shown translated (Tr, or a shell piece that translates).
inline constexpr const char* kQuickHelpCaption = AMX_TEXT("Quick &Help");
inline constexpr const char* kCloseHelpCaption = AMX_TEXT("Close &Help");

// The help text, hidden until the help opens: Enter in it goes back to
// `firstInput`, typed keys beep. `spokenName` is English (marked AMX_TEXT);
// screen readers hear it translated.
QPlainTextEdit* MakeQuickHelpText(QWidget* parent, const char* name, const QString& spokenName,
                                  Interaction& interaction, QWidget* firstInput);

class QuickHelp : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QPushButton* button = nullptr;   // captioned kQuickHelpCaption
        QPlainTextEdit* text = nullptr;  // from MakeQuickHelpText
        std::vector<QWidget*> covered;   // hidden while the help is open
        // Off while the help is open: they need results the help hides.
        std::vector<QWidget*> needResults;
    };
    // Lives as long as the text.
    explicit QuickHelp(Parts parts);

    bool IsOpen() const { return open_; }
    // Shows `help` (lines ended by CR LF or LF) in place of the covered
    // widgets and gives it the focus.
    void Open(std::string_view help);
    // Back to the covered widgets; the text keeps what it showed.
    void Close();

  private:
    Parts parts_;
    bool open_ = false;
};

}  // namespace amortix::gui
