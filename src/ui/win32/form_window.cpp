#include "ui/win32/form_window.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/win32/fault_barrier.h"
#include "ui/win32/palette.h"
#include "ui/win32/skin_painter.h"
#include "ui/win32/window_host.h"

namespace qb::ui::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"QbForm";

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

PixelRect RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

FormWindow::FormWindow(WindowHost& host, Form& form, HWND owner) : host_(host), form_(form) {
  RegisterClassOnce(host.Instance(), kFormClass, CS_DBLCLKS);
  const DWORD ex_style = WS_EX_CONTROLPARENT | (owner ? 0 : WS_EX_APPWINDOW);
  Create(host.Instance(), kFormClass, ex_style, FrameStyle(), qb::win32::Wide(form.Caption()), owner,
         RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT});
  if (!Handle()) return;
  Fit();
  // Over the owner's middle, or the screen's; fitted again there, since the owner may be on
  // another monitor, with its own DPI and work area.
  const PixelRect own = RectOf(Handle());
  const PixelRect placed = CenterIn(own.width, own.height, owner ? RectOf(owner) : host_.Dpi().WorkAreaOf(Handle()));
  SetWindowPos(Handle(), nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Fit();
  CreateViews(nullptr);
  OfferTitleButtonsInSystemMenu();
  form_.SetObserver(this);
}

FormWindow::~FormWindow() {
  Close();
  // The views go while this object is still whole: their windows' last messages reach it.
  views_.clear();
}

void FormWindow::Close() {
  if (closing_) return;
  closing_ = true;
  if (form_.Observer() == this) form_.SetObserver(nullptr);
  if (Handle()) {
    for (const auto& [control, id] : timer_ids_) KillTimer(Handle(), id);
  }
  DestroyHandle();
}

HINSTANCE FormWindow::Instance() const { return host_.Instance(); }

Dpi FormWindow::CurrentDpi() const { return fitted_dpi_ ? Dpi(fitted_dpi_) : host_.Dpi().ForWindow(Handle()); }

const skin::ElementStyle* FormWindow::StyleOf(std::string_view element) const {
  const skin::Skin* skin = host_.Skin();
  if (!skin || element.empty()) return nullptr;
  const auto found = skin->elements.find(element);
  return found == skin->elements.end() ? nullptr : &found->second;
}

skin::GraphColours FormWindow::GraphColours() const { return host_.GraphColours(); }

HFONT FormWindow::FontFor(const skin::ElementStyle* style) const {
  const FontSpec font_spec = style ? FontSpec{qb::win32::Wide(style->font_face), style->font_points, style->bold}
                              : host_.Fonts().MessageFont();
  return host_.Fonts().Get(font_spec, CurrentDpi().Value());
}

HFONT FormWindow::FontFor(const TextFont& chosen) const {
  const FontSpec font_spec{qb::win32::Wide(chosen.face), chosen.points, chosen.bold, chosen.italic,
                           chosen.strikeout};
  return host_.Fonts().Get(font_spec, CurrentDpi().Value());
}

HWND FormWindow::ContainerHandle(const Control* container) const {
  if (!container) return Handle();
  const ControlView* view = ViewOf(*container);
  return view && view->Handle() ? view->Handle() : Handle();
}

COLORREF FormWindow::ContainerBackground(const Control* container) const {
  if (!container) {
    const skin::ElementStyle* style = FormStyle();
    return style ? SkinPainter::BodyColor(*style) : GetSysColor(COLOR_BTNFACE);
  }
  if (const auto& own = container->BackColour()) return *own;
  if (const skin::ElementStyle* style = StyleOf(container->SkinElement())) {
    return SkinPainter::BodyColor(*style);
  }
  return ContainerBackground(container->Container());
}

int FormWindow::ContainerTopOffset(const Control* container) const {
  return container ? 0 : TitleHeight() - scroll_.y;
}

int FormWindow::ContainerLeftOffset(const Control* container) const { return container ? 0 : -scroll_.x; }

HBRUSH FormWindow::BrushFor(COLORREF color) {
  auto& brush = brushes_[color];
  if (!brush) brush.Reset(CreateSolidBrush(color));
  return static_cast<HBRUSH>(brush.Get());
}

void FormWindow::SetControlTimer(Control& control, int interval) {
  if (!Handle() || closing_) return;
  auto [entry, added] = timer_ids_.emplace(&control, timer_ids_.size() + 1);
  if (interval > 0) {
    SetTimer(Handle(), entry->second, static_cast<UINT>(interval), nullptr);
  } else {
    KillTimer(Handle(), entry->second);
  }
}

ControlView* FormWindow::ViewOf(const Control& control) const {
  const auto found = view_of_.find(&control);
  return found == view_of_.end() ? nullptr : found->second;
}

const skin::ElementStyle* FormWindow::FormStyle() const { return StyleOf(form_.SkinElement()); }

void FormWindow::CreateView(Control& control) {
  auto view = ControlView::Make(*this, control);
  ControlView& made = *view;
  view_of_[&control] = view.get();
  views_.push_back(std::move(view));
  made.Create();
}

void FormWindow::CreateViews(const Control* container) {
  // A new child window goes below its siblings: made from the last control to the first,
  // they stand in the form's order, the last on top, with no window moved afterwards.
  const std::vector<Control*> children = form_.Children(container);
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control* control = *it;
    const bool holds_controls = !form_.Children(control).empty();
    if (holds_controls && !control->Visible()) {
      if (unbuilt_.insert(control).second) CreateTimerViews(control);
      continue;
    }
    if (!ViewOf(*control)) CreateView(*control);
    if (holds_controls) CreateViews(control);
  }
  ApplyZOrder(container, true);
  PlaceLabels(container);
}

void FormWindow::BuildShownContainer(Control& container) {
  CreateView(container);
  CreateViews(&container);
  ApplyZOrder(container.Container(), false);
  PlaceLabels(container.Container());
}

void FormWindow::CreateTimerViews(const Control* container) {
  for (Control* control : form_.Children(container)) {
    if (control->Kind() == ControlKind::Timer && !ViewOf(*control)) CreateView(*control);
    CreateTimerViews(control);
  }
}

void FormWindow::ApplyZOrder(const Control* container, bool created_in_form_order) {
  std::vector<Control*> children = form_.Children(container);
  const auto below = [](const Control* a, const Control* b) { return a->ZOrder() < b->ZOrder(); };
  // Windows just made in the form's order: when that is the model's order too, as at the
  // start, there is nothing to move.
  if (created_in_form_order && std::is_sorted(children.begin(), children.end(), below)) return;
  std::stable_sort(children.begin(), children.end(), below);
  for (const Control* child : children) {
    const ControlView* view = ViewOf(*child);
    if (view && view->Handle()) {
      SetWindowPos(view->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

void FormWindow::Fit(bool rescale_views) {
  // A window larger than the work area is drawn at a lower DPI, every control, font and
  // skin metric alike, rather than cut or scrolled: the whole layout stays in view and
  // keeps its proportions, and the floor keeps its text legible. Only a window too large
  // even at the floor scrolls its content.
  // A minimised window's rectangle is its icon's: it is fitted when it is restored.
  if (IsIconic(Handle())) {
    refit_when_restored_ = true;
    return;
  }
  const int monitor_dpi = host_.Dpi().ForWindow(Handle()).Value();
  const PixelRect area = host_.Dpi().WorkAreaOf(Handle());
  const int dpi = FittingDpi(form_.Width(), form_.Height(), monitor_dpi, area, Dpi::kStandard);
  rescale_views = rescale_views || dpi != fitted_dpi_;
  fitted_dpi_ = dpi;
  const SIZE full{Dpi(dpi).FromTwips(form_.Width()), Dpi(dpi).FromTwips(form_.Height())};
  const bool scrolls = full.cx > area.width || full.cy > area.height;
  if (scrolls != scrolls_) {
    scrolls_ = scrolls;
    ApplyFrame();
    rescale_views = true;
  }
  const SIZE body = BodySize(full);
  const SIZE wanted = scrolls ? ScrollingSize(body, area) : full;
  const PixelRect now = RectOf(Handle());
  const PixelRect placed = KeepInside(
      {now.left, now.top, std::min<int>(wanted.cx, area.width), std::min<int>(wanted.cy, area.height)}, area);
  SetWindowPos(Handle(), nullptr, placed.left, placed.top, placed.width, placed.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  rescale_views = SetScrollExtent(scrolls ? body : SIZE{}) || rescale_views;
  if (rescale_views) {
    // Every control moves and takes a new font: drawn once at the end, not once per move.
    // (Turning drawing back on shows a window, so a hidden one is left as it is.)
    const bool shown = IsWindowVisible(Handle());
    if (shown) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    for (const auto& view : views_) view->ApplyDpi();
    if (shown) SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  }
  // The skin's border is drawn at the window's edge: after a change of size the old edge
  // would stay where it was, as a stray line across the grown part, unless all is redrawn.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FormWindow::ApplyFrame() {
  const LONG_PTR kept = GetWindowLongPtrW(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(FrameStyle()) | kept);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FormWindow::SkinChanged() {
  if (!Handle()) return;
  ApplyFrame();
  Fit();
  OfferTitleButtonsInSystemMenu();
  for (const auto& view : views_) view->SkinChanged();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void FormWindow::ControlChanged(Control& control, Property property) {
  // A container shown for the first time gets its window and its controls' windows now.
  if (property == Property::Visible && control.Visible() && unbuilt_.erase(&control)) {
    BuildShownContainer(control);
    return;
  }
  if (ControlView* view = ViewOf(control)) view->Sync(property);
  if (property == Property::Caption && !hidden_names_.empty()) RenameHidden();
}

void FormWindow::FormChanged(Form& form, FormProperty property) {
  if (!Handle()) return;
  switch (property) {
    case FormProperty::Caption:
      SetWindowTextW(Handle(), qb::win32::Wide(form_.Caption()).c_str());
      InvalidateTitle();
      break;
    case FormProperty::Size:
      Fit();
      break;
    case FormProperty::SkinElement:
      SkinChanged();
      break;
    case FormProperty::Cursor: {
      POINT point;
      GetCursorPos(&point);
      if (WindowFromPoint(point) && GetAncestor(WindowFromPoint(point), GA_ROOT) == Handle()) {
        SetCursor(LoadCursorW(nullptr, form_.Busy() ? IDC_WAIT : IDC_ARROW));
      }
      break;
    }
    case FormProperty::TitleButtons:
      OfferTitleButtonsInSystemMenu();
      break;
    case FormProperty::Visible:
      break;
  }
}

FaceCache& FormWindow::Faces() const { return host_.Faces(); }

void FormWindow::Paint(HDC dc, const RECT& client) {
  const skin::ElementStyle* style = FormStyle();
  if (!style) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  SkinPainter painter(dc, *style, CurrentDpi(), FontFor(style));
  painter.WindowFrame(client, TitleHeight());
  if (TitleHeight() > 0) PaintTitleBar(dc, client);
}

std::optional<LRESULT> FormWindow::OnTimer(UINT_PTR id) {
  for (const auto& [control, timer] : timer_ids_) {
    if (timer == id) {
      control->RaiseTimer();
      return 0;
    }
  }
  return std::nullopt;
}

std::optional<LRESULT> FormWindow::OnSize(int, int) {
  if (refit_when_restored_ && !IsIconic(Handle())) {
    refit_when_restored_ = false;
    Fit();
  }
  return std::nullopt;
}

std::optional<LRESULT> FormWindow::OnDpiChanged(WPARAM wparam, LPARAM lparam) {
  if (host_.Dpi().Overridden()) return 0;
  const auto* suggested = reinterpret_cast<const RECT*>(lparam);
  SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Fit(true);
  return 0;
}

std::optional<LRESULT> FormWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (auto reflected = ReflectToControl(message, wparam, lparam)) return reflected;
  switch (message) {
    case WM_CLOSE:
      host_.RequestClose(form_, CloseReason::User);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) host_.RequestClose(form_, CloseReason::WindowsShutdown);
      return 0;
    case WM_NCHITTEST:
      return OnHitTest(lparam);
    case WM_DPICHANGED:
      return OnDpiChanged(wparam, lparam);
    case WM_DISPLAYCHANGE:
      Fit();
      return std::nullopt;
    case WM_VSCROLL:
    case WM_HSCROLL:
      return OnScrollBar(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wparam));
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      return OnWheel(message == WM_MOUSEWHEEL ? SB_VERT : SB_HORZ, GET_WHEEL_DELTA_WPARAM(wparam));
    case WM_SETTINGCHANGE:
      // A task bar moved or grew: the work area is not what the window was fitted to.
      if (wparam == SPI_SETWORKAREA) Fit();
      host_.SystemColoursChanged();
      return std::nullopt;
    case WM_SYSCOLORCHANGE:
      host_.SystemColoursChanged();
      return std::nullopt;
    case WM_NCACTIVATE:
      active_ = wparam != FALSE;
      InvalidateTitle();
      return std::nullopt;
    case WM_HELP:
      return PressTitleHelp() ? std::optional<LRESULT>(TRUE) : std::nullopt;
    case WM_SYSCOMMAND:
      return PressTitleButtonFromMenu(static_cast<UINT>(wparam & 0xFFF0)) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        focus_memory_.Keep(Handle());
        return std::nullopt;
      }
      if (HIWORD(wparam)) return std::nullopt;  // active while minimised: no control to focus
      focus_memory_.Restore(Handle());
      return 0;
    case WM_SETCURSOR:
      if (form_.Busy()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void FormWindow::ReportFault(const std::string& where, const std::string& what) noexcept {
  host_.Faults().Report(Handle(), where, what);
}

void FormWindow::HandlerFailed(UINT message, const std::string& what) noexcept {
  try {
    ReportFault(FaultPlace(form_.Name(), message), what);
  } catch (...) {
    ReportFault("window", what);
  }
}

void FormWindow::OnDestroyed() {
  if (!closing_) host_.WindowLost(*this);
}

}  // namespace qb::ui::win32
