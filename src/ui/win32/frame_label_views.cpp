// Frames (containers of other controls) and labels: windows of our own.
#include "ui/win32/control_views.h"

#include "platform/win32/wide.h"
#include "ui/access_keys.h"
#include "ui/win32/form_window.h"
#include "ui/win32/skin_painter.h"

namespace qb::ui::win32 {
namespace {

constexpr wchar_t kFrameClass[] = L"QbFrame";

void DrawPlainText(HDC dc, HFONT font, const RECT& rect, const std::wstring& text, bool enabled,
                   UINT format) {
  HGDIOBJ previous = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  RECT area = rect;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  SelectObject(dc, previous);
}

// The access keys' underlines follow the window's keyboard cues: hidden after a mouse
// click until the keyboard is used, as in every dialog.
bool AccessKeysHidden(HWND window) {
  return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
}

}  // namespace

ControlView::Shape FrameView::WindowShape() const {
  RegisterControlClass(Instance(), kFrameClass);
  return {kFrameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

// The window's text is the caption as shown, so that the keyboard and Windows'
// accessibility find the access key where the frame underlines one, and only there.
void FrameView::SyncContent() {
  if (Handle()) SetWindowTextW(Handle(), qb::win32::Wide(FrameCaptionShown(Model())).c_str());
}

void FrameView::Mirror(Property property) {
  ControlView::Mirror(property);
  if (property == Property::Caption) SyncContent();
}

void FrameView::Paint(HDC dc, const RECT& client) {
  const std::wstring caption = qb::win32::Wide(FrameCaptionShown(Model()));
  const bool enabled = Model().Enabled();
  const bool hide_keys = AccessKeysHidden(Handle());
  if (const skin::ElementStyle* style = Style()) {
    SkinPainter painter(dc, *style, CurrentDpi(), Font());
    painter.HideAccessKeys(hide_keys);
    painter.Fill(client, Background());
    painter.Frame(client, caption, enabled);
    return;
  }
  // The system's group box: an etched border broken by the caption.
  HBRUSH background = OwnerWindow().BrushFor(Background());
  FillRect(dc, &client, background);
  HGDIOBJ previous = SelectObject(dc, Font());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
  const SIZE extent{measured.right - measured.left, measured.bottom - measured.top};
  SelectObject(dc, previous);
  RECT border = client;
  border.top += caption.empty() ? 0 : metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (!caption.empty()) {
    const int left = CurrentDpi().Scale(8);
    RECT text{left, 0, std::min<LONG>(left + extent.cx + CurrentDpi().Scale(4), client.right - left),
              metrics.tmHeight};
    FillRect(dc, &text, background);
    text.left += CurrentDpi().Scale(2);
    DrawPlainText(dc, Font(), text, caption, enabled,
                  DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | (hide_keys ? DT_HIDEPREFIX : 0u));
  }
}

std::optional<LRESULT> FrameView::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // A change of the keyboard cues shows or hides the underline; the system passes it on to
  // the controls inside.
  if (message == WM_UPDATEUISTATE) Invalidate();
  return ReflectToControl(message, wparam, lparam);
}

// A label is the system's static text, so that Windows' accessibility reads it as text and
// names the control after it by it, and an access key in it moves to that control; the view
// paints it.
ControlView::Shape LabelView::WindowShape() const { return {L"STATIC", SS_LEFT | SS_NOTIFY}; }

void LabelView::Paint(HDC dc, const RECT& client) {
  const std::wstring text = qb::win32::Wide(Model().Caption());
  const bool enabled = Model().Enabled();
  const bool hide_keys = AccessKeysHidden(Handle());
  if (const skin::ElementStyle* style = Style()) {
    SkinPainter painter(dc, *style, CurrentDpi(), Font());
    painter.HideAccessKeys(hide_keys);
    painter.Fill(client, Background());
    painter.Label(client, text, enabled);
    return;
  }
  FillRect(dc, &client, OwnerWindow().BrushFor(Background()));
  DrawPlainText(dc, Font(), client, text, enabled,
                DT_LEFT | DT_TOP | DT_WORDBREAK | (hide_keys ? DT_HIDEPREFIX : 0u));
}

std::optional<LRESULT> LabelView::OnLeftButtonUp(const MouseEvent&) {
  Model().RaiseClick();
  return 0;
}

std::optional<LRESULT> LabelView::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCHITTEST:
      // A label nobody listens to lets the mouse through to what lies under it.
      if (!Model().on_click) return HTTRANSPARENT;
      return std::nullopt;
    case WM_SETTEXT:
    case WM_ENABLE: {
      // The static would draw the change itself at once, in the system's look; the text is
      // kept and the view paints it.
      const LRESULT result = DefWindowProcW(Handle(), message, wparam, lparam);
      Invalidate();
      return result;
    }
    case WM_UPDATEUISTATE:
      Invalidate();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace qb::ui::win32
