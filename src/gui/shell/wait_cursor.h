#pragma once
// The wait cursor for as long as the object lives: every calculation, file
// step and printout puts the normal pointer back however it ends.

#include <QApplication>

namespace amortix::gui {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace amortix::gui
