#include "ui/win32/focus_memory.h"

#include "ui/win32/keyboard.h"

namespace qb::ui::win32 {

void FocusMemory::Keep(HWND root) {
  const HWND focus = GetFocus();
  kept_ = focus && IsChild(root, focus) ? focus : nullptr;
}

void FocusMemory::Restore(HWND root) {
  if (kept_ && IsChild(root, kept_) && IsWindowVisible(kept_) && IsWindowEnabled(kept_)) {
    SetFocus(kept_);
  } else {
    FocusFirstControl(root);
  }
  kept_ = nullptr;
}

void MoveFocusOutOf(HWND window) {
  const HWND focus = GetFocus();
  if (!focus || (focus != window && !IsChild(window, focus))) return;
  const HWND root = GetAncestor(window, GA_ROOT);
  HWND next = focus;
  // Round the window once at most: every control inside the window is passed over.
  for (int step = 0; step < 1000; ++step) {
    next = NextFocusable(root, next, false);
    if (!next || next == focus) {
      next = nullptr;
      break;
    }
    if (next != window && !IsChild(window, next)) break;
  }
  SetFocus(next ? next : root);
}

}  // namespace qb::ui::win32
