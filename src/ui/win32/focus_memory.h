#pragma once
// The focus of a window that is not a dialog, kept as the dialog manager keeps it.
#include <windows.h>

namespace qb::ui::win32 {

// The control that had the focus when the window stopped being the active one, given back
// when it is active again: a message box, a file or colour dialog or another program in
// between leaves the user on the control they were on, and a screen reader names it.
class FocusMemory {
 public:
  void Keep(HWND root);
  // The kept control while it is still there to take the focus, else the first control.
  void Restore(HWND root);

 private:
  HWND kept_ = nullptr;
};

// Windows leaves the focus nowhere when the window holding it is disabled or hidden, and the
// keyboard then reaches no control of the window at all: the focus goes on first to the
// next control the user can reach outside that window (or to the window itself).
void MoveFocusOutOf(HWND window);

}  // namespace qb::ui::win32
