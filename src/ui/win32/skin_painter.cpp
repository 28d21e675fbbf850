#include "ui/win32/skin_painter.h"

#include <algorithm>

#include "ui/win32/palette.h"
#include "ui/win32/skin_shapes.h"

namespace qb::ui::win32 {
namespace {

Colors FaceFor(const skin::ElementStyle& style, ButtonState state) {
  switch (state) {
    case ButtonState::Hot: return {style.hot_top, style.hot_bottom};
    case ButtonState::Pressed: return {style.pressed_top, style.pressed_bottom};
    case ButtonState::Disabled:
      return {Mix(style.face_top, kWhite, 90), Mix(style.face_bottom, kWhite, 120)};
    case ButtonState::Normal: break;
  }
  return {style.face_top, style.face_bottom};
}

RECT Inset(RECT rect, int dx, int dy) {
  InflateRect(&rect, -dx, -dy);
  return rect;
}

// A rounded face with a vertical gradient, a white sheen over its upper half that fades
// downwards, and its border.
void DrawGlass(Gdiplus::Graphics& graphics, const RECT& rect, int radius, float line, Colors face,
               skin::Color border) {
  const Gdiplus::RectF shape = ToRectF(rect, line / 2);
  Gdiplus::GraphicsPath path;
  AddRoundedRect(path, shape, static_cast<float>(radius));
  Gdiplus::LinearGradientBrush fill(Gdiplus::PointF(0, shape.Y - 1),
                                    Gdiplus::PointF(0, shape.Y + shape.Height + 1),
                                    ToGdiplus(face.top), ToGdiplus(face.bottom));
  graphics.FillPath(&fill, &path);
  Gdiplus::Region clip(&path);
  graphics.SetClip(&clip);
  const float half = shape.Height / 2;
  Gdiplus::LinearGradientBrush sheen(Gdiplus::PointF(0, shape.Y - 1), Gdiplus::PointF(0, shape.Y + half + 1),
                                     ToGdiplus(kWhite, 150), ToGdiplus(kWhite, 25));
  Gdiplus::GraphicsPath upper;
  AddRoundedRect(upper, Gdiplus::RectF(shape.X + line, shape.Y + line, shape.Width - 2 * line, half),
                 static_cast<float>(std::max(0, radius - 1)));
  graphics.FillPath(&sheen, &upper);
  graphics.ResetClip();
  Gdiplus::Pen pen(ToGdiplus(border), line);
  graphics.DrawPath(&pen, &path);
}

}  // namespace

SkinPainter::SkinPainter(HDC dc, const skin::ElementStyle& style, Dpi dpi, HFONT font,
                         FaceCache* faces)
    : dc_(dc), style_(style), dpi_(dpi), font_(font), faces_(faces) {}

COLORREF SkinPainter::BodyColor(const skin::ElementStyle& style) {
  return ToColorRef(style.face_top);
}

// Hairlines stay one device pixel at 96 DPI and grow smoothly (anti-aliased) above it.
float SkinPainter::LineWidth() const { return std::max(1.0f, dpi_.Value() / 96.0f); }

COLORREF SkinPainter::TextColor(bool enabled) const {
  return ToColorRef(enabled ? style_.text : style_.text_disabled);
}

void SkinPainter::Fill(const RECT& rect, COLORREF color) const {
  SetBkColor(dc_, color);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void SkinPainter::Text(const RECT& rect, std::wstring_view text, COLORREF color,
                       UINT format) const {
  if (text.empty() || rect.right <= rect.left) return;
  HGDIOBJ previous = SelectObject(dc_, font_);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, color);
  RECT area = rect;
  if (hide_access_keys_) format |= DT_HIDEPREFIX;
  if (format & DT_WORDBREAK) {
    // Centre a wrapped block vertically by measuring it first.
    RECT measured = rect;
    DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &measured,
              (format | DT_CALCRECT) & ~DT_VCENTER);
    const int height = measured.bottom - measured.top;
    if (format & DT_VCENTER && height < rect.bottom - rect.top) {
      area.top += (rect.bottom - rect.top - height) / 2;
    }
  }
  DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &area, format);
  SelectObject(dc_, previous);
}

void SkinPainter::Glass(const RECT& rect, int radius, skin::Color top, skin::Color bottom,
                        skin::Color border) const {
  const float line = LineWidth();
  const auto paint = [&](Gdiplus::Graphics& graphics, const RECT& place) {
    DrawGlass(graphics, place, radius, line, {top, bottom}, border);
  };
  if (faces_) {
    const FaceKey key{rect.right - rect.left, rect.bottom - rect.top, radius, line, top, bottom, border};
    const auto at_origin = [&](Gdiplus::Graphics& graphics) { paint(graphics, {0, 0, key.width, key.height}); };
    if (faces_->Draw(dc_, {rect.left, rect.top}, key, at_origin)) return;
  }
  SmoothGraphics graphics(dc_);
  paint(graphics.Get(), rect);
}

// Two lines wide and opaque: the focus must be seen at a glance on the glassy face.
void SkinPainter::FocusRing(const RECT& rect, int radius) const {
  SmoothGraphics graphics(dc_);
  const float line = 2 * LineWidth();
  Gdiplus::GraphicsPath path;
  AddRoundedRect(path, ToRectF(rect, line), static_cast<float>(std::max(0, radius - 2)));
  Gdiplus::Pen pen(ToGdiplus(style_.accent), line);
  graphics->DrawPath(&pen, &path);
}

void SkinPainter::FocusDots(const RECT& rect, std::wstring_view caption) const {
  const CaptionPlace place = PlaceFor(CaptionKind::Indicator, rect);
  RECT text = place.area;
  HGDIOBJ previous = SelectObject(dc_, font_);
  DrawTextW(dc_, caption.data(), static_cast<int>(caption.size()), &text,
            (place.format | DT_CALCRECT) & ~DT_VCENTER);
  SelectObject(dc_, previous);
  const int height = text.bottom - text.top;
  const int top = place.area.top + std::max<int>(0, (place.area.bottom - place.area.top - height) / 2);
  const int pad = dpi_.Scale(2);
  const RECT mark{place.area.left - pad, std::max<LONG>(rect.top, top - pad),
                  std::min<LONG>(rect.right - 1, text.right + pad),
                  std::min<LONG>(rect.bottom - 1, top + height + pad)};
  SmoothGraphics graphics(dc_);
  Gdiplus::Pen pen(ToGdiplus(style_.text), LineWidth());
  pen.SetDashStyle(Gdiplus::DashStyleDot);
  graphics->DrawRectangle(&pen, static_cast<float>(mark.left), static_cast<float>(mark.top),
                          static_cast<float>(mark.right - mark.left), static_cast<float>(mark.bottom - mark.top));
}

void SkinPainter::CommandButton(const RECT& rect, std::wstring_view caption, ButtonState state,
                                bool focused) const {
  const int radius = dpi_.Scale(style_.corner_radius);
  const Colors face = FaceFor(style_, state);
  const skin::Color border = state == ButtonState::Disabled ? Mix(style_.border, kWhite, 110)
                                                            : style_.border;
  Glass(rect, radius, face.top, face.bottom, border);
  if (focused && state != ButtonState::Disabled) FocusRing(rect, radius);
  CaptionPlace place = PlaceFor(CaptionKind::CommandButton, rect);
  if (state == ButtonState::Pressed) OffsetRect(&place.area, 0, dpi_.Scale(1));
  Text(place.area, caption, TextColor(state != ButtonState::Disabled), place.format);
}

RECT SkinPainter::IndicatorBox(const RECT& rect) const {
  const int side = dpi_.Scale(14);
  const int top = rect.top + (rect.bottom - rect.top - side) / 2;
  return RECT{rect.left + dpi_.Scale(1), top, rect.left + dpi_.Scale(1) + side, top + side};
}

void SkinPainter::IndicatorCaption(const RECT& rect, std::wstring_view caption,
                                   ButtonState state) const {
  const CaptionPlace place = PlaceFor(CaptionKind::Indicator, rect);
  Text(place.area, caption, TextColor(state != ButtonState::Disabled), place.format);
}

void SkinPainter::CheckBox(const RECT& rect, std::wstring_view caption, int value,
                           ButtonState state, bool focused) const {
  const RECT box = IndicatorBox(rect);
  const int side = box.right - box.left;
  const Colors face = FaceFor(style_, state == ButtonState::Pressed ? ButtonState::Hot : state);
  Glass(box, dpi_.Scale(std::min(style_.corner_radius, 4)), face.top, face.bottom, style_.border);
  if (value == 1) {
    SmoothGraphics graphics(dc_);
    Gdiplus::Pen pen(ToGdiplus(state == ButtonState::Disabled ? style_.text_disabled : style_.accent),
                     static_cast<float>(std::max(2, dpi_.Scale(2))));
    pen.SetLineJoin(Gdiplus::LineJoinRound);
    pen.SetStartCap(Gdiplus::LineCapRound);
    pen.SetEndCap(Gdiplus::LineCapRound);
    const float s = static_cast<float>(side);
    const Gdiplus::PointF mark[] = {{box.left + s * 0.25f, box.top + s * 0.52f},
                                    {box.left + s * 0.43f, box.top + s * 0.72f},
                                    {box.left + s * 0.76f, box.top + s * 0.3f}};
    graphics->DrawLines(&pen, mark, 3);
  } else if (value == 2) {
    SmoothGraphics graphics(dc_);
    Gdiplus::SolidBrush grey(ToGdiplus(Mix(style_.accent, style_.face_bottom, 150)));
    const float inset = side * 0.28f;
    graphics->FillRectangle(&grey, box.left + inset, box.top + inset, side - 2 * inset, side - 2 * inset);
  }
  IndicatorCaption(rect, caption, state);
  if (focused && state != ButtonState::Disabled) FocusDots(rect, caption);
}

void SkinPainter::OptionButton(const RECT& rect, std::wstring_view caption, bool selected,
                               ButtonState state, bool focused) const {
  const RECT circle = IndicatorBox(rect);
  const int side = circle.right - circle.left;
  const Colors face = FaceFor(style_, state == ButtonState::Pressed ? ButtonState::Hot : state);
  Glass(circle, side / 2 + 1, face.top, face.bottom, style_.border);
  if (selected) {
    SmoothGraphics graphics(dc_);
    Gdiplus::SolidBrush dot(ToGdiplus(state == ButtonState::Disabled ? style_.text_disabled : style_.accent));
    const float inset = side * 0.3f;
    graphics->FillEllipse(&dot, circle.left + inset - 0.5f, circle.top + inset - 0.5f,
                          side - 2 * inset, side - 2 * inset);
  }
  IndicatorCaption(rect, caption, state);
  if (focused && state != ButtonState::Disabled) FocusDots(rect, caption);
}

void SkinPainter::Frame(const RECT& rect, std::wstring_view caption, bool enabled) const {
  HGDIOBJ previous = SelectObject(dc_, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  // Measured as drawn: an access-key mark takes no room.
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc_, caption.data(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
  const SIZE caption_size{measured.right - measured.left, measured.bottom - measured.top};
  SelectObject(dc_, previous);

  const int line_top = rect.top + (caption.empty() ? 0 : metrics.tmHeight / 2);
  const RECT border{rect.left, line_top, rect.right, rect.bottom};
  const int radius = dpi_.Scale(std::max(style_.corner_radius, 2));
  FillOutlinedPanel(dc_, border, LineWidth(), radius, style_.face_top, style_.border);
  if (caption.empty()) return;
  // The caption sits on the border line, on a patch of the body colour.
  const int pad = dpi_.Scale(4);
  CaptionPlace place = PlaceFor(CaptionKind::Frame, rect);
  place.area.right = std::min<LONG>(place.area.left + caption_size.cx, place.area.right);
  Fill(Inset(place.area, -pad, 0), ToColorRef(style_.face_top));
  Text(place.area, caption, TextColor(enabled), place.format);
}

void SkinPainter::Label(const RECT& rect, std::wstring_view text, bool enabled) const {
  const CaptionPlace place = PlaceFor(CaptionKind::Label, rect);
  Text(place.area, text, TextColor(enabled), place.format);
}

CaptionPlace SkinPainter::PlaceFor(CaptionKind kind, const RECT& rect) const {
  switch (kind) {
    case CaptionKind::CommandButton:
      // A narrow margin: the rounded corners leave the middle band free, and translated
      // captions such as "Übernehmen" need every pixel of a standard button.
      return {Inset(rect, dpi_.Scale(3), dpi_.Scale(2)), DT_CENTER | DT_VCENTER | DT_WORDBREAK};
    case CaptionKind::Indicator: {
      const RECT box = IndicatorBox(rect);
      return {{box.right + dpi_.Scale(5), rect.top, rect.right, rect.bottom},
              DT_LEFT | DT_VCENTER | DT_WORDBREAK};
    }
    case CaptionKind::Frame: {
      HGDIOBJ previous = SelectObject(dc_, font_);
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc_, &metrics);
      SelectObject(dc_, previous);
      const int radius = dpi_.Scale(std::max(style_.corner_radius, 2));
      const int pad = dpi_.Scale(4);
      const LONG left = rect.left + radius + dpi_.Scale(4) + pad;
      // The caption's access key is underlined; a frame that repeats a button's caption
      // comes without its mark (FrameCaptionShown).
      return {{left, rect.top, std::max<LONG>(left, rect.right - radius - pad), rect.top + metrics.tmHeight},
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS};
    }
    case CaptionKind::Label:
      break;
  }
  return {rect, DT_LEFT | DT_TOP | DT_WORDBREAK};
}

}  // namespace qb::ui::win32
