// The painted title bar of a skinned window: its height and buttons from the skin, the
// buttons' hot and pressed states under the mouse, and dragging the window by the rest.
#include "ui/win32/form_window.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "platform/win32/wide.h"
#include "ui/win32/skin_painter.h"
#include "ui/win32/window_host.h"

namespace qb::ui::win32 {

bool FormWindow::SkinHasTitle() const {
  const skin::ElementStyle* style = FormStyle();
  return style && style->title_height > 0;
}

// A window that scrolls takes the system's caption: a painted title would scroll away with
// the page, and the controls would slide over it.
bool FormWindow::HasSkinTitle() const { return SkinHasTitle() && !scrolls_; }

int FormWindow::TitleHeight() const {
  return HasSkinTitle() ? CurrentDpi().Scale(FormStyle()->title_height) : 0;
}

DWORD FormWindow::FrameStyle() const {
  const DWORD common = WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  return HasSkinTitle() ? WS_POPUP | common : WS_OVERLAPPED | WS_CAPTION | common;
}

std::vector<std::string> FormWindow::TitleButtonNames() const {
  if (!form_.TitleButtons().empty()) return form_.TitleButtons();
  const skin::ElementStyle* style = FormStyle();
  return style ? style->title_buttons : std::vector<std::string>{};
}

TitleBarLayout FormWindow::TitleLayout() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  const Dpi dpi = CurrentDpi();
  const int height = TitleHeight();
  const TitleBarMetrics metrics{height, std::max(8, height * 2 / 3), dpi.Scale(4), dpi.Scale(6)};
  return LayOutTitleBar(client.right, TitleButtonNames().size(), metrics);
}

int FormWindow::TitleButtonUnder(POINT point) const {
  if (!HasSkinTitle() || point.y >= TitleHeight()) return -1;
  return TitleButtonAt(TitleLayout(), point.x, point.y);
}

void FormWindow::TitleButtonClicked(const std::string& name) { host_.TitleButtonClicked(form_, name); }

// F1 does what the title bar's help button does, for those who cannot click it.
bool FormWindow::PressTitleHelp() {
  const std::vector<std::string> names = TitleButtonNames();
  if (std::find(names.begin(), names.end(), "help") == names.end()) return false;
  TitleButtonClicked("help");
  return true;
}

namespace {

// System menu commands of the title-bar buttons: below the system's own, low four bits clear.
constexpr UINT kFirstTitleCommand = 0x0100;
constexpr UINT kTitleCommandStep = 0x10;

}  // namespace

// The system menu is put back as the system makes it, then the buttons with words follow.
void FormWindow::OfferTitleButtonsInSystemMenu() {
  if (form_.TitleButtonCaptions().empty()) return;
  GetSystemMenu(Handle(), TRUE);
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  const std::vector<std::string> names = TitleButtonNames();
  bool separated = false;
  for (size_t i = 0; i < names.size(); ++i) {
    const auto words = form_.TitleButtonCaptions().find(names[i]);
    if (words == form_.TitleButtonCaptions().end()) continue;
    if (!std::exchange(separated, true)) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kFirstTitleCommand + kTitleCommandStep * static_cast<UINT>(i),
                qb::win32::Wide(words->second).c_str());
  }
}

bool FormWindow::PressTitleButtonFromMenu(UINT command) {
  const std::vector<std::string> names = TitleButtonNames();
  if (command < kFirstTitleCommand || command >= kFirstTitleCommand + kTitleCommandStep * names.size()) {
    return false;
  }
  TitleButtonClicked(names[(command - kFirstTitleCommand) / kTitleCommandStep]);
  return true;
}

void FormWindow::InvalidateTitle() {
  if (!HasSkinTitle()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  client.bottom = TitleHeight();
  InvalidateRect(Handle(), &client, FALSE);
}

void FormWindow::PaintTitleBar(HDC dc, const RECT& client) {
  const skin::ElementStyle& look = *FormStyle();
  const Dpi dpi = CurrentDpi();
  const TitleBarLayout layout = TitleLayout();
  const std::vector<std::string> names = TitleButtonNames();
  std::vector<TitleButtonLook> buttons;
  for (std::size_t i = 0; i < names.size() && i < layout.buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    const ButtonState state = index == pressed_button_ && index == hot_button_ ? ButtonState::Pressed
                              : index == hot_button_                           ? ButtonState::Hot
                                                                               : ButtonState::Normal;
    buttons.push_back({names[i], layout.buttons[i], state});
  }
  // The caption in the bold face of the element's font.
  const FontSpec bold{qb::win32::Wide(look.font_face), look.font_points + 1, true};
  SkinPainter title_painter(dc, look, dpi, host_.Fonts().Get(bold, dpi.Value()), &host_.Faces());
  title_painter.TitleBar(RECT{client.left, client.top, client.right, client.top + TitleHeight()},
                         qb::win32::Wide(form_.Caption()), buttons, active_);
}

std::optional<LRESULT> FormWindow::OnMouseMove(const MouseEvent& event) {
  const int under = TitleButtonUnder(event.point);
  if (under != hot_button_) {
    hot_button_ = under;
    InvalidateTitle();
  }
  if (under >= 0) TrackMouseLeave(Handle());
  return std::nullopt;
}

std::optional<LRESULT> FormWindow::OnMouseLeave() {
  if (hot_button_ >= 0 && pressed_button_ < 0) {
    hot_button_ = -1;
    InvalidateTitle();
  }
  return std::nullopt;
}

std::optional<LRESULT> FormWindow::OnLeftButtonDown(const MouseEvent& event) {
  const int under = TitleButtonUnder(event.point);
  if (under < 0) return std::nullopt;
  pressed_button_ = hot_button_ = under;
  SetCapture(Handle());
  InvalidateTitle();
  return 0;
}

std::optional<LRESULT> FormWindow::OnLeftButtonUp(const MouseEvent& event) {
  if (pressed_button_ < 0) return std::nullopt;
  const int pressed = std::exchange(pressed_button_, -1);
  ReleaseCapture();
  InvalidateTitle();
  const std::vector<std::string> names = TitleButtonNames();
  if (TitleButtonUnder(event.point) == pressed && pressed < static_cast<int>(names.size())) {
    TitleButtonClicked(names[pressed]);
  }
  return 0;
}

std::optional<LRESULT> FormWindow::OnHitTest(LPARAM lparam) {
  if (!HasSkinTitle()) return std::nullopt;
  POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  ScreenToClient(Handle(), &point);
  if (point.y >= 0 && point.y < TitleHeight() && TitleButtonUnder(point) < 0) return HTCAPTION;
  return std::nullopt;
}

}  // namespace qb::ui::win32
