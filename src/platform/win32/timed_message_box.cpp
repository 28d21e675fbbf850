#include "platform/win32/timed_message_box.h"

namespace qb::win32 {

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

// Ends the message box of this thread that is still open. The box is the thread's only
// enabled dialog while it runs modally, since it disables its owner.
BOOL CALLBACK EndMessageBox(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpW(name, kDialogClass) != 0 || !IsWindowEnabled(window)) return TRUE;
  EndDialog(window, kIdTimeout);
  return FALSE;
}

void CALLBACK TimeRanOut(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EnumThreadWindows(GetCurrentThreadId(), EndMessageBox, 0);
}

}  // namespace

int TimedMessageBox(HWND owner, const std::wstring& text, const std::wstring& title,
                    UINT style, UINT timeout_ms) {
  // A thread timer is served by the box's own message loop, so it fires while the box waits.
  const UINT_PTR timer = SetTimer(nullptr, 0, timeout_ms, TimeRanOut);
  const int answer = MessageBoxW(owner, text.c_str(), title.c_str(), style);
  if (timer) KillTimer(nullptr, timer);
  return answer;
}

}  // namespace qb::win32
