#include "ui/win32/window.h"

#include "ui/win32/fault_barrier.h"

namespace qb::ui::win32 {

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
}

void Window::RegisterClassOnce(HINSTANCE instance, const wchar_t* class_name, UINT style) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, class_name, &existing)) return;
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  info.style = style;
  info.lpfnWndProc = &Window::Procedure;
  info.hInstance = instance;
  info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The program's icon (resource 100 of resources/quillbox.rc); none in the test programs.
  info.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(100));
  info.lpszClassName = class_name;
  RegisterClassExW(&info);
}

HWND Window::Create(HINSTANCE instance, const wchar_t* class_name, DWORD ex_style, DWORD style,
                    const std::wstring& text, HWND parent, const RECT& rect) {
  return CreateWindowExW(ex_style, class_name, text.c_str(), style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                         instance, this);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
    self->OnDestroyed();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  DepthScope depth(self->dispatch_depth_);
  try {
    if (auto result = self->Dispatch(window, message, wparam, lparam)) return *result;
  } catch (...) {
    self->HandlerFailed(message, CurrentFaultText());
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void Window::HandlerFailed(UINT message, const std::string& what) noexcept {
  try {
    WriteFaultToDebugger(FaultLine(FaultPlace("window", message), what));
  } catch (...) {
  }
}

}  // namespace qb::ui::win32
