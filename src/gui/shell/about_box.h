#pragma once
// The about box: the product's name and version.

#include <QDialog>

class QLabel;
class QPushButton;

namespace amortix::gui {

inline constexpr const char* kProductName = "Amortix";
inline constexpr const char* kProductVersion = "3.5";

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent);

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Description = nullptr;
    QPushButton* AboutExit = nullptr;
};

}  // namespace amortix::gui
