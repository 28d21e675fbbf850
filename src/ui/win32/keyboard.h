#pragma once
// The keys every Windows window answers, for the program's own windows (which are not
// dialogs): Tab and Shift+Tab move through the controls the user can see and use, and only
// those, in reading order, with no control keeping the focus; Enter presses the focused
// command button; Escape closes a window that stands over another; the arrows choose within
// a group of option buttons, which Tab reaches as one stop. What is left (the arrows in
// other controls, access keys) goes to the system's dialog handling.
#include <windows.h>

namespace qb::ui::win32 {

// The first or last control of the window that takes the focus, or nullptr.
HWND FirstFocusable(HWND root, bool last = false);
// The control after (or before) from among those the user can reach, round the window.
HWND NextFocusable(HWND root, HWND from, bool backwards);
// Gives the focus to the first control unless the focus is inside the window already.
void FocusFirstControl(HWND root);
// Handles a key the program's windows answer the same way; false leaves it to the caller.
bool HandleWindowKey(HWND root, const MSG& message);

}  // namespace qb::ui::win32
