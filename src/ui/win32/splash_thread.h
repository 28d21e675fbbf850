#pragma once
// The start-up picture on a thread of its own: it is made, shown and painted there while the
// main window is being built, so the start does not wait for it. Close() asks for it to be
// taken down and returns at once; WaitGone() returns when it is off the screen, and the main
// window is shown only after that. Where no thread can be started the picture is shown and
// taken down on the caller's thread, as a plain splash window.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/scoped.h"
#include "ui/win32/splash_window.h"

namespace qb::ui::win32 {

class SplashThread {
 public:
  SplashThread(HINSTANCE instance, std::string path);
  SplashThread(const SplashThread&) = delete;
  SplashThread& operator=(const SplashThread&) = delete;
  ~SplashThread();

  void Close();
  void WaitGone();

 private:
  static DWORD WINAPI Run(void* self);

  HINSTANCE instance_;
  std::string path_;
  qb::win32::ScopedHandle close_;
  qb::win32::ScopedHandle thread_;
  std::unique_ptr<SplashWindow> here_;  // only when no thread could be started
};

}  // namespace qb::ui::win32
