// Command buttons, check boxes and option buttons.
#include "ui/win32/control_views.h"

#include "platform/win32/wide.h"
#include "ui/win32/double_buffer.h"
#include "ui/win32/skin_painter.h"

namespace qb::ui::win32 {

ControlView::Shape ButtonView::WindowShape() const {
  if (Style()) return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
  switch (Model().Kind()) {
    case ControlKind::CheckBox: return {L"BUTTON", BS_3STATE | BS_MULTILINE | WS_TABSTOP};
    case ControlKind::OptionButton: return {L"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | WS_TABSTOP};
    default: return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP};
  }
}

void ButtonView::SyncContent() { Mirror(Property::Value); }

void ButtonView::Mirror(Property property) {
  if (property != Property::Value) {
    ControlView::Mirror(property);
    return;
  }
  if (Model().Kind() == ControlKind::CommandButton || !Handle()) return;
  // The buttons are not automatic: the model's value is the only state there is.
  if (!Style()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(Model().Value()), 0);
  Invalidate();
}

std::optional<LRESULT> ButtonView::OnCommand(int code) {
  if (Syncing() || (code != BN_CLICKED && code != BN_DOUBLECLICKED)) return std::nullopt;
  Model().ClickedByUser();
  return 0;
}

bool ButtonView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const skin::ElementStyle* style = Style();
  if (!style) return false;
  DoubleBuffer buffer(item.hDC, item.rcItem);
  HDC dc = buffer.Dc();
  SkinPainter painter(dc, *style, CurrentDpi(), Font());
  painter.Fill(item.rcItem, Background());
  const ButtonState state = (item.itemState & ODS_DISABLED) ? ButtonState::Disabled
                            : (item.itemState & ODS_SELECTED) ? ButtonState::Pressed
                            : hot_                             ? ButtonState::Hot
                                                               : ButtonState::Normal;
  const bool focused = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT);
  const std::wstring caption = qb::win32::Wide(Model().Caption());
  switch (Model().Kind()) {
    case ControlKind::CheckBox:
      painter.CheckBox(item.rcItem, caption, Model().Value(), state, focused);
      break;
    case ControlKind::OptionButton:
      painter.OptionButton(item.rcItem, caption, Model().Value() == 1, state, focused);
      break;
    default:
      painter.CommandButton(item.rcItem, caption, state, focused);
      break;
  }
  return true;
}

std::optional<LRESULT> ButtonView::OnMouseMove(const MouseEvent&) {
  if (!hot_ && Style()) {
    hot_ = true;
    TrackMouseLeave(Handle());
    Invalidate();
  }
  return std::nullopt;
}

std::optional<LRESULT> ButtonView::OnMouseLeave() {
  if (hot_) {
    hot_ = false;
    Invalidate();
  }
  return std::nullopt;
}

std::optional<LRESULT> ButtonView::OnMessage(UINT message, WPARAM, LPARAM) {
  // An owner-drawn button paints every pixel itself; erasing first would only flicker.
  if (message == WM_ERASEBKGND && Style()) return 1;
  return std::nullopt;
}

}  // namespace qb::ui::win32
