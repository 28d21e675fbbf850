#include "platform/win32/responsive_wait.h"

#include <windows.h>

#include <exception>
#include <thread>

#include "platform/win32/scoped.h"

namespace qb::win32 {

namespace {

// Often enough that the system never counts the thread as hung (it does after 5 s without
// a look at the queue).
constexpr DWORD kLookMs = 100;

// The waits of the work's end: repaints and sent messages are handled, nothing else.
void WaitPainting(HANDLE done) {
  const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &done, FALSE, kLookMs, QS_PAINT | QS_SENDMESSAGE);
    if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
    MSG message;
    // Sent messages are answered inside PeekMessage; of the posted ones only paints leave.
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&message);
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  }
  SetCursor(previous);
}

}  // namespace

void RunKeepingWindowsAlive(const std::function<void()>& work) {
  if (!IsGUIThread(FALSE)) {
    work();
    return;
  }
  ScopedHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!done) {
    work();
    return;
  }
  std::exception_ptr fault;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      fault = std::current_exception();
    }
    SetEvent(done.Get());
  });
  WaitPainting(done.Get());
  worker.join();
  if (fault) std::rethrow_exception(fault);
}

}  // namespace qb::win32
