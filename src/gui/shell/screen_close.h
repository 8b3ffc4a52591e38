#pragma once
// A screen that holds work the user would lose says, before the frame
// closes, whether it may close; it asks the user itself when it must.

namespace amortix::gui {

class ScreenCloseCheck {
  public:
    virtual ~ScreenCloseCheck() = default;
    // True when nothing is lost, or the user agreed to lose it.
    virtual bool MayClose() = 0;

  protected:
    ScreenCloseCheck() = default;
    ScreenCloseCheck(const ScreenCloseCheck&) = default;
    ScreenCloseCheck& operator=(const ScreenCloseCheck&) = default;
};

}  // namespace amortix::gui
