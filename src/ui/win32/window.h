#pragma once
// The base of the view's own top-level window classes. The C++ object is bound to its HWND
// once, at WM_NCCREATE, and its messages reach it as typed handler calls.
#include <windows.h>

#include <string>

#include "ui/win32/message_target.h"

namespace qb::ui::win32 {

class Window : public MessageTarget {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() override;

  HWND Handle() const { return handle_; }
  // Messages being handled by this object right now; it may not be deleted before 0.
  int DispatchDepth() const { return dispatch_depth_; }
  int& DispatchDepthCounter() { return dispatch_depth_; }
  void DestroyHandle();

 protected:
  // Registers the class once; every class shares the one procedure.
  static void RegisterClassOnce(HINSTANCE instance, const wchar_t* class_name, UINT style);
  HWND Create(HINSTANCE instance, const wchar_t* class_name, DWORD ex_style, DWORD style,
              const std::wstring& text, HWND parent, const RECT& rect);
  // After WM_NCDESTROY: the handle is gone.
  virtual void OnDestroyed() {}
  // A handler of this window threw while handling message; the message then gets the
  // default answer. By default the fault goes to the debugger output only.
  virtual void HandlerFailed(UINT message, const std::string& what) noexcept;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  int dispatch_depth_ = 0;
};

}  // namespace qb::ui::win32
