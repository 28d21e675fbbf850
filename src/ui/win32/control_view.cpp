#include "ui/win32/control_view.h"

#include "platform/win32/wide.h"
#include "ui/win32/fault_barrier.h"
#include "ui/win32/focus_memory.h"
#include "ui/win32/form_window.h"

namespace qb::ui::win32 {
namespace {

constexpr wchar_t kViewProperty[] = L"QbControlView";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

void RegisterControlClass(HINSTANCE instance, const wchar_t* class_name) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, class_name, &existing)) return;
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  info.style = CS_HREDRAW | CS_VREDRAW;
  info.lpfnWndProc = DefWindowProcW;
  info.hInstance = instance;
  info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  info.lpszClassName = class_name;
  RegisterClassExW(&info);
}

std::optional<LRESULT> ReflectToControl(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (ControlView* view = ControlView::FromHandle(reinterpret_cast<HWND>(lparam))) {
        return view->OnCommand(HIWORD(wparam));
      }
      return std::nullopt;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (ControlView* view = ControlView::FromHandle(header->hwndFrom)) return view->OnNotify(*header);
      return std::nullopt;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      ControlView* view = ControlView::FromHandle(item->hwndItem);
      if (view && view->OnDrawItem(*item)) return TRUE;
      return std::nullopt;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (ControlView* view = ControlView::FromHandle(reinterpret_cast<HWND>(lparam))) {
        return view->OnScroll(LOWORD(wparam));
      }
      return std::nullopt;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (ControlView* view = ControlView::FromHandle(reinterpret_cast<HWND>(lparam))) {
        return view->OnControlColor(reinterpret_cast<HDC>(wparam));
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

ControlView::ControlView(FormWindow& window, Control& control) : window_(window), control_(control) {}

ControlView::~ControlView() { Destroy(); }

ControlView* ControlView::FromHandle(HWND window) {
  return window ? static_cast<ControlView*>(GetPropW(window, kViewProperty)) : nullptr;
}

void ControlView::Destroy() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
}

HINSTANCE ControlView::Instance() const { return window_.Instance(); }
Dpi ControlView::CurrentDpi() const { return window_.CurrentDpi(); }

const skin::ElementStyle* ControlView::Style() const { return window_.StyleOf(control_.SkinElement()); }

HFONT ControlView::Font() const {
  if (!control_.Font().face.empty()) return window_.FontFor(control_.Font());
  return window_.FontFor(Style());
}

COLORREF ControlView::Background() const { return window_.ContainerBackground(control_.Container()); }

void ControlView::Invalidate() const {
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void ControlView::Create() {
  const Shape shape = WindowShape();
  DWORD style = shape.style | WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  const std::wstring text = HasCaption(control_.Kind()) ? qb::win32::Wide(control_.Caption()) : L"";
  // Made in its place, so that the layout below has nothing left to move.
  const RECT place = Placement();
  handle_ = CreateWindowExW(shape.ex_style, shape.class_name, text.c_str(), style, place.left, place.top,
                            place.right - place.left, place.bottom - place.top,
                            window_.ContainerHandle(control_.Container()), nullptr, Instance(), nullptr);
  if (!handle_) return;
  SetPropW(handle_, kViewProperty, this);
  Subclass();
  SyncScope scope(*this);
  ApplyDpi();
  SyncContent();
}

void ControlView::Subclass() {
  SetWindowSubclass(handle_, &ControlView::SubclassProcedure, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
}

void ControlView::SkinChanged() {
  const HWND before = handle_;
  if (!before) return;
  if (!StyledBySkin()) {
    ApplyDpi();  // the element's font, and a repaint
    return;
  }
  // Keep the place in the z-order and the focus: the new window takes the old one's place.
  const HWND above = GetWindow(before, GW_HWNDPREV);
  const HWND focus = GetFocus();
  const bool focused = focus && (focus == before || IsChild(before, focus));
  Destroy();
  Create();
  if (handle_) {
    SetWindowPos(handle_, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (focused) SetFocus(handle_);
  }
}

void ControlView::ApplyDpi() {
  if (!handle_) return;
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  Layout();
  Invalidate();
}

RECT ControlView::Placement() const {
  const Dpi dpi = CurrentDpi();
  const TwipRect& rect = control_.Rect();
  // Edges, not sizes, are rounded, so controls that touch in twips touch in pixels.
  const int left = dpi.FromTwips(rect.left) + window_.ContainerLeftOffset(control_.Container());
  const int top = dpi.FromTwips(rect.top) + window_.ContainerTopOffset(control_.Container());
  const int right = dpi.FromTwips(rect.left + rect.width) + window_.ContainerLeftOffset(control_.Container());
  const int bottom = dpi.FromTwips(rect.top + rect.height) + window_.ContainerTopOffset(control_.Container());
  return {left, top, right, bottom + ExtraHeight()};
}

void ControlView::Layout() {
  const RECT place = Placement();
  RECT now{};
  GetWindowRect(handle_, &now);
  MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&now), 2);
  if (EqualRect(&now, &place)) return;
  SetWindowPos(handle_, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlView::Sync(Property property) {
  SyncScope scope(*this);
  Mirror(property);
}

void ControlView::Mirror(Property property) {
  if (!handle_) return;
  switch (property) {
    case Property::Caption:
      SetWindowTextW(handle_, qb::win32::Wide(control_.Caption()).c_str());
      Invalidate();
      break;
    case Property::Visible:
      if (!control_.Visible()) MoveFocusOutOf(handle_);
      ShowWindow(handle_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Enabled:
      if (!control_.Enabled()) MoveFocusOutOf(handle_);
      EnableWindow(handle_, control_.Enabled());
      Invalidate();
      break;
    case Property::Position:
      Layout();
      break;
    case Property::ZOrder:
      SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case Property::SkinElement:
      SkinChanged();
      break;
    case Property::Font:
      ApplyDpi();
      break;
    default:
      break;
  }
}

std::optional<LRESULT> ControlView::OnControlColor(HDC dc) {
  const COLORREF background = Background();
  SetBkColor(dc, background);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(window_.BrushFor(background));
}

LRESULT CALLBACK ControlView::SubclassProcedure(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam, UINT_PTR id, DWORD_PTR data) {
  auto* view = reinterpret_cast<ControlView*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &ControlView::SubclassProcedure, id);
    RemovePropW(window, kViewProperty);
    if (view->handle_ == window) view->handle_ = nullptr;
    return DefSubclassProc(window, message, wparam, lparam);
  }
  // The view's own window classes keep no font: they answer with the one they draw with,
  // as the system's controls answer with the font they were given.
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(view->Font());
  // A control reached with Tab on a window that scrolls comes into view.
  if (message == WM_SETFOCUS) view->window_.ScrollIntoView(window);
  DepthScope depth(view->window_.DispatchDepthCounter());
  try {
    if (auto result = view->Dispatch(window, message, wparam, lparam)) return *result;
  } catch (...) {
    view->window_.ReportFault(FaultPlace(view->control_.Name(), message), CurrentFaultText());
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace qb::ui::win32
