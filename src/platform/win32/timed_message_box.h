#pragma once
// A message box that closes itself when nobody answers in time.
#include <windows.h>

#include <string>

namespace qb::win32 {

// The answer a timed box gives when its time ran out (the system's IDTIMEOUT).
inline constexpr int kIdTimeout = 32000;

// Shows a message box like MessageBoxW; after timeout_ms without an answer it ends with
// kIdTimeout.
int TimedMessageBox(HWND owner, const std::wstring& text, const std::wstring& title,
                    UINT style, UINT timeout_ms);

}  // namespace qb::win32
