// A window too large for its work area even at the lowest DPI: its content scrolls under
// the system's caption, with the scroll bars, the mouse wheel, and the focus, which brings
// the control that takes it into view.
#include <algorithm>

#include "ui/win32/form_window.h"

namespace qb::ui::win32 {
namespace {

int Clamp(int value, int extent, int page) { return std::clamp(value, 0, std::max(0, extent - page)); }

void SetBar(HWND window, int bar, int extent, int page, int position) {
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, extent - 1),
                  static_cast<UINT>(std::max(0, page)), position, 0};
  SetScrollInfo(window, bar, &info, TRUE);
}

}  // namespace

SIZE FormWindow::BodySize(SIZE full) const {
  // The frame of the window as it is when it fits, and its painted title.
  const bool titled = SkinHasTitle();
  const DWORD common = WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{};
  AdjustWindowRectEx(&frame, titled ? WS_POPUP | common : WS_OVERLAPPED | WS_CAPTION | common, FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  const int title = titled ? CurrentDpi().Scale(FormStyle()->title_height) : 0;
  return {full.cx - (frame.right - frame.left), full.cy - (frame.bottom - frame.top) - title};
}

SIZE FormWindow::ScrollingSize(SIZE body, const PixelRect& area) const {
  RECT frame{};
  AdjustWindowRectEx(&frame, FrameStyle(), FALSE, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  SIZE size{body.cx + (frame.right - frame.left), body.cy + (frame.bottom - frame.top)};
  const bool tall = size.cy > area.height;
  if (tall) size.cx += GetSystemMetrics(SM_CXVSCROLL);
  if (size.cx > area.width) size.cy += GetSystemMetrics(SM_CYHSCROLL);
  if (!tall && size.cy > area.height) size.cx += GetSystemMetrics(SM_CXVSCROLL);
  return size;
}

bool FormWindow::SetScrollExtent(SIZE content) {
  content_ = content;
  RECT client{};
  // Twice: a bar that appears takes room from the other direction.
  for (int pass = 0; pass < 2; ++pass) {
    GetClientRect(Handle(), &client);
    SetBar(Handle(), SB_VERT, content_.cy, client.bottom, scroll_.y);
    SetBar(Handle(), SB_HORZ, content_.cx, client.right, scroll_.x);
  }
  GetClientRect(Handle(), &client);
  const POINT kept{Clamp(scroll_.x, content_.cx, client.right), Clamp(scroll_.y, content_.cy, client.bottom)};
  if (kept.x == scroll_.x && kept.y == scroll_.y) return false;
  scroll_ = kept;
  SetScrollPos(Handle(), SB_HORZ, scroll_.x, TRUE);
  SetScrollPos(Handle(), SB_VERT, scroll_.y, TRUE);
  return true;
}

void FormWindow::ScrollTo(POINT target) {
  RECT client{};
  GetClientRect(Handle(), &client);
  target = {Clamp(target.x, content_.cx, client.right), Clamp(target.y, content_.cy, client.bottom)};
  if (target.x == scroll_.x && target.y == scroll_.y) return;
  const int dx = scroll_.x - target.x;
  const int dy = scroll_.y - target.y;
  scroll_ = target;
  SetScrollPos(Handle(), SB_HORZ, scroll_.x, TRUE);
  SetScrollPos(Handle(), SB_VERT, scroll_.y, TRUE);
  // The controls move with the content, where their views place them; the border, drawn
  // at the window's edges, is drawn again.
  ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void FormWindow::ScrollIntoView(HWND control) {
  if (!scrolls_ || !control) return;
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  RECT client{};
  GetClientRect(Handle(), &client);
  const int margin = CurrentDpi().Scale(8);
  // Past an edge: shifted until it is inside with a margin, its top and left first.
  const auto shift = [margin](LONG low, LONG high, LONG page) -> LONG {
    if (low < 0) return low - margin;
    if (high > page) return std::min(low - margin, high - page + margin);
    return 0;
  };
  ScrollTo({scroll_.x + shift(place.left, place.right, client.right),
            scroll_.y + shift(place.top, place.bottom, client.bottom)});
}

std::optional<LRESULT> FormWindow::OnScrollBar(int bar, int code) {
  if (!scrolls_) return std::nullopt;
  SCROLLINFO info{sizeof(info), SIF_ALL};
  GetScrollInfo(Handle(), bar, &info);
  const int line = CurrentDpi().Scale(20);
  int position = info.nPos;
  switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return 0;
  }
  ScrollTo(bar == SB_VERT ? POINT{scroll_.x, position} : POINT{position, scroll_.y});
  return 0;
}

std::optional<LRESULT> FormWindow::OnWheel(int bar, int delta) {
  if (!scrolls_) return std::nullopt;
  UINT lines = 3;
  SystemParametersInfoW(bar == SB_VERT ? SPI_GETWHEELSCROLLLINES : 0x006C /* SPI_GETWHEELSCROLLCHARS */, 0,
                        &lines, 0);
  // Wheel up (positive) shows what is above; a tilt right shows what is on the right.
  const int step = MulDiv(static_cast<int>(lines) * CurrentDpi().Scale(20), delta, WHEEL_DELTA);
  ScrollTo(bar == SB_VERT ? POINT{scroll_.x, scroll_.y - step} : POINT{scroll_.x + step, scroll_.y});
  return 0;
}

}  // namespace qb::ui::win32
