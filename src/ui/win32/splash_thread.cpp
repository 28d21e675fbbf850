#include "ui/win32/splash_thread.h"

namespace qb::ui::win32 {

SplashThread::SplashThread(HINSTANCE instance, std::string path)
    : instance_(instance), path_(std::move(path)) {
  close_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (close_) thread_.Reset(CreateThread(nullptr, 0, &SplashThread::Run, this, 0, nullptr));
  if (!thread_) here_ = std::make_unique<SplashWindow>(instance_, path_);
}

SplashThread::~SplashThread() {
  Close();
  WaitGone();
}

void SplashThread::Close() {
  if (thread_) SetEvent(close_.Get());
  here_.reset();
}

void SplashThread::WaitGone() {
  if (thread_) WaitForSingleObject(thread_.Get(), INFINITE);
}

// The picture is painted before the request to close is looked at, so it is seen however
// soon that request comes. Its window answers its messages until then (or until waiting
// itself fails, which takes the picture down too).
DWORD WINAPI SplashThread::Run(void* self) {
  auto& splash = *static_cast<SplashThread*>(self);
  try {
    const SplashWindow window(splash.instance_, splash.path_);
    const HANDLE close = splash.close_.Get();
    while (MsgWaitForMultipleObjects(1, &close, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  } catch (...) {
    // Without memory for its picture there is no splash: the start goes on without it.
  }
  return 0;
}

}  // namespace qb::ui::win32
