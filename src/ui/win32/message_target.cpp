#include "ui/win32/message_target.h"

#include <windowsx.h>

#include "ui/win32/double_buffer.h"

namespace qb::ui::win32 {
namespace {

// BeginPaint and EndPaint as one pair, also when the painting throws.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

MouseEvent MouseEventOf(WPARAM wparam, LPARAM lparam) {
  return {{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, wparam};
}

}  // namespace

void MessageTarget::TrackMouseLeave(HWND window) {
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
  TrackMouseEvent(&track);
}

std::optional<LRESULT> MessageTarget::Dispatch(HWND window, UINT message, WPARAM& wparam,
                                               LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      if (!Paints()) return std::nullopt;
      const PaintScope paint(window);
      RECT client;
      GetClientRect(window, &client);
      DoubleBuffer buffer(paint.Dc(), client);
      Paint(buffer.Dc(), client);
      return 0;
    }
    case WM_PRINTCLIENT: {
      if (!Paints()) return std::nullopt;
      RECT client;
      GetClientRect(window, &client);
      Paint(reinterpret_cast<HDC>(wparam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      if (Paints()) return 1;
      return OnMessage(message, wparam, lparam);
    case WM_SIZE: return OnSize(LOWORD(lparam), HIWORD(lparam));
    case WM_MOUSEMOVE: return OnMouseMove(MouseEventOf(wparam, lparam));
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_LBUTTONDOWN: return OnLeftButtonDown(MouseEventOf(wparam, lparam));
    case WM_LBUTTONUP: return OnLeftButtonUp(MouseEventOf(wparam, lparam));
    case WM_TIMER: return OnTimer(wparam);
    case WM_CHAR: return OnChar(wparam);
    default: return OnMessage(message, wparam, lparam);
  }
}

}  // namespace qb::ui::win32
