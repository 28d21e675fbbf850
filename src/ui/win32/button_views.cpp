// Command buttons, check boxes and option buttons.
#include "ui/win32/control_views.h"

#include "platform/win32/wide.h"
#include "ui/win32/double_buffer.h"
#include "ui/win32/form_window.h"
#include "ui/win32/skin_painter.h"

namespace qb::ui::win32 {

// Check boxes and option buttons are the system's own kinds whether skinned or not, so
// Windows and a screen reader know what they are and read their state; the skin paints
// them through custom draw. They are not automatic: the model decides the next value (a
// box the program greyed turns checked) and the window is told. A skinned command button
// is owner-drawn, which Windows still presents as a push button.
ControlView::Shape ButtonView::WindowShape() const {
  switch (Model().Kind()) {
    case ControlKind::CheckBox: return {L"BUTTON", BS_3STATE | BS_MULTILINE | WS_TABSTOP};
    case ControlKind::OptionButton:
      return {L"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | (FirstOfGroup() ? WS_GROUP : 0u)};
    default: return {L"BUTTON", static_cast<DWORD>(Style() ? BS_OWNERDRAW : BS_PUSHBUTTON | BS_MULTILINE) | WS_TABSTOP};
  }
}

bool ButtonView::StyledBySkin() const { return Model().Kind() == ControlKind::CommandButton; }

void ButtonView::SyncContent() { Mirror(Property::Value); }

void ButtonView::Mirror(Property property) {
  if (property != Property::Value) {
    ControlView::Mirror(property);
    return;
  }
  if (!Handle()) return;
  if (Model().Kind() == ControlKind::CommandButton) {
    // The current one of a set (the navigation button of the open page) stays pushed in,
    // which Windows' accessibility reports as pressed.
    SendMessageW(Handle(), BM_SETSTATE, Model().Value() == 1, 0);
    Invalidate();
    return;
  }
  // The window's check state is what a screen reader and BM_GETCHECK read: always the model's.
  SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(Model().Value()), 0);
  if (Model().Kind() == ControlKind::OptionButton) UpdateGroupTabStops();
  Invalidate();
}

std::optional<LRESULT> ButtonView::OnCommand(int code) {
  if (Syncing() || (code != BN_CLICKED && code != BN_DOUBLECLICKED)) return std::nullopt;
  Model().ClickedByUser();
  return 0;
}

// The current one of a set (the navigation button of the open page) looks pressed.
ButtonState ButtonView::Look(bool disabled, bool pressed, bool hot) const {
  const bool current = Model().Kind() == ControlKind::CommandButton && Model().Value() == 1;
  if (disabled) return ButtonState::Disabled;
  if (pressed || current) return ButtonState::Pressed;
  return hot || hot_ ? ButtonState::Hot : ButtonState::Normal;
}

bool ButtonView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (!Style()) return false;
  const ButtonState state = Look(item.itemState & ODS_DISABLED, item.itemState & ODS_SELECTED, false);
  PaintSkinned(item.hDC, item.rcItem, state, (item.itemState & ODS_FOCUS) != 0);
  return true;
}

std::optional<LRESULT> ButtonView::OnNotify(NMHDR& header) {
  if (header.code != NM_CUSTOMDRAW || !Style() || Model().Kind() == ControlKind::CommandButton) {
    return std::nullopt;
  }
  auto& draw = reinterpret_cast<NMCUSTOMDRAW&>(header);
  // A paint starts with the erase stage or, where the button sends none, the paint stage;
  // the skin draws everything at the first and the button draws nothing of its own.
  if (draw.dwDrawStage != CDDS_PREERASE && draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  const ButtonState state = Look((draw.uItemState & CDIS_DISABLED) || !IsWindowEnabled(Handle()),
                                 draw.uItemState & CDIS_SELECTED, draw.uItemState & CDIS_HOT);
  PaintSkinned(draw.hdc, draw.rc, state, (draw.uItemState & CDIS_FOCUS) || GetFocus() == Handle());
  return CDRF_SKIPDEFAULT;
}

// A skinned button answers its paint messages itself: the system's button would paint only
// to ask for the same picture through owner-draw or custom-draw messages, which under Wine
// costs as much as the picture. Its repaints on a change of state still come that way.
void ButtonView::Paint(HDC dc, const RECT& client) {
  const LRESULT state = SendMessageW(Handle(), BM_GETSTATE, 0, 0);
  DrawSkinned(dc, client, Look(!IsWindowEnabled(Handle()), state & BST_PUSHED, state & BST_HOT),
              GetFocus() == Handle());
}

void ButtonView::PaintSkinned(HDC target, const RECT& rect, ButtonState state, bool focused) {
  DoubleBuffer buffer(target, rect);
  DrawSkinned(buffer.Dc(), rect, state, focused);
}

void ButtonView::DrawSkinned(HDC dc, const RECT& rect, ButtonState state, bool focused) {
  const skin::ElementStyle* style = Style();
  SkinPainter painter(dc, *style, CurrentDpi(), Font(), &OwnerWindow().Faces());
  painter.Fill(rect, Background());
  // The focus mark and the access keys' underlines follow the window's keyboard cues: hidden
  // after a mouse click until the keyboard is used, as in every dialog.
  const LRESULT cues = SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0);
  painter.HideAccessKeys((cues & UISF_HIDEACCEL) != 0);
  focused = focused && !(cues & UISF_HIDEFOCUS);
  const std::wstring caption = qb::win32::Wide(Model().Caption());
  switch (Model().Kind()) {
    case ControlKind::CheckBox:
      painter.CheckBox(rect, caption, Model().Value(), state, focused);
      break;
    case ControlKind::OptionButton:
      painter.OptionButton(rect, caption, Model().Value() == 1, state, focused);
      break;
    default:
      painter.CommandButton(rect, caption, state, focused);
      break;
  }
}

bool ButtonView::FirstOfGroup() const {
  for (const Control* sibling : Model().Owner().Children(Model().Container())) {
    if (sibling->Kind() == ControlKind::OptionButton) return sibling == &Model();
  }
  return false;
}

void ButtonView::UpdateGroupTabStops() const {
  // The option buttons of one container are one group and one stop for Tab: the chosen
  // one, or the first while none is chosen. Arrows move within the group.
  const std::vector<Control*> siblings = Model().Owner().Children(Model().Container());
  Control* stop = nullptr;
  for (Control* sibling : siblings) {
    if (sibling->Kind() != ControlKind::OptionButton) continue;
    if (!stop || sibling->Value() == 1) stop = sibling;
    if (sibling->Value() == 1) break;
  }
  for (Control* sibling : siblings) {
    if (sibling->Kind() != ControlKind::OptionButton) continue;
    const ControlView* view = OwnerWindow().ViewOf(*sibling);
    if (!view || !view->Handle()) continue;
    const LONG_PTR style = GetWindowLongPtrW(view->Handle(), GWL_STYLE);
    const LONG_PTR wanted = sibling == stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    if (wanted != style) SetWindowLongPtrW(view->Handle(), GWL_STYLE, wanted);
  }
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
  // A button without a border has no frame to paint; the system would still prepare one.
  constexpr LONG_PTR kFramed = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL;
  constexpr LONG_PTR kEdged = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
  if (message == WM_NCPAINT && !(GetWindowLongPtrW(Handle(), GWL_STYLE) & kFramed) &&
      !(GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & kEdged)) {
    return 0;
  }
  // A change of the keyboard cues shows or hides the focus mark and the underlines.
  if (message == WM_UPDATEUISTATE && Style()) Invalidate();
  return std::nullopt;
}

}  // namespace qb::ui::win32
