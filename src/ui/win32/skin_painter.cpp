#include "ui/win32/skin_painter.h"

#include <algorithm>
#include <cctype>

#include "ui/win32/gdiplus_headers.h"
#include "ui/win32/palette.h"

namespace qb::ui::win32 {
namespace {

constexpr skin::Color kWhite{255, 255, 255};
constexpr skin::Color kBlack{0, 0, 0};

Gdiplus::Color ToGdiplus(skin::Color color, BYTE alpha = 255) {
  return Gdiplus::Color(alpha, color.r, color.g, color.b);
}

Gdiplus::RectF ToRectF(const RECT& rect, float inset) {
  return Gdiplus::RectF(rect.left + inset, rect.top + inset,
                        std::max(0.0f, rect.right - rect.left - 2 * inset - 1),
                        std::max(0.0f, rect.bottom - rect.top - 2 * inset - 1));
}

// A rectangle with rounded corners; only the top ones when top_only is set (tabs).
void AddRoundedRect(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rect, float radius,
                    bool top_only = false) {
  const float diameter = std::min({radius * 2, rect.Width, rect.Height});
  if (diameter < 1.0f) {
    path.AddRectangle(rect);
    return;
  }
  const float right = rect.X + rect.Width - diameter;
  const float bottom = rect.Y + rect.Height - diameter;
  path.AddArc(rect.X, rect.Y, diameter, diameter, 180, 90);
  path.AddArc(right, rect.Y, diameter, diameter, 270, 90);
  if (top_only) {
    path.AddLine(rect.X + rect.Width, rect.Y + rect.Height, rect.X, rect.Y + rect.Height);
  } else {
    path.AddArc(right, bottom, diameter, diameter, 0, 90);
    path.AddArc(rect.X, bottom, diameter, diameter, 90, 90);
  }
  path.CloseFigure();
}

class SmoothGraphics {
 public:
  explicit SmoothGraphics(HDC dc) : graphics_(dc) {
    graphics_.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  }
  Gdiplus::Graphics* operator->() { return &graphics_; }

 private:
  Gdiplus::Graphics graphics_;
};

struct Colors {
  skin::Color top;
  skin::Color bottom;
};

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

}  // namespace

SkinPainter::SkinPainter(HDC dc, const skin::ElementStyle& style, Dpi dpi, HFONT font)
    : dc_(dc), style_(style), dpi_(dpi), font_(font) {}

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
  SmoothGraphics graphics(dc_);
  const float line = LineWidth();
  const Gdiplus::RectF shape = ToRectF(rect, line / 2);
  Gdiplus::GraphicsPath path;
  AddRoundedRect(path, shape, static_cast<float>(radius));
  Gdiplus::LinearGradientBrush face(Gdiplus::PointF(0, shape.Y - 1),
                                    Gdiplus::PointF(0, shape.Y + shape.Height + 1),
                                    ToGdiplus(top), ToGdiplus(bottom));
  graphics->FillPath(&face, &path);
  // The gloss: a white sheen over the upper half that fades downwards.
  Gdiplus::Region clip(&path);
  graphics->SetClip(&clip);
  const float half = shape.Height / 2;
  Gdiplus::LinearGradientBrush sheen(Gdiplus::PointF(0, shape.Y - 1), Gdiplus::PointF(0, shape.Y + half + 1),
                                     ToGdiplus(kWhite, 150), ToGdiplus(kWhite, 25));
  Gdiplus::GraphicsPath upper;
  AddRoundedRect(upper, Gdiplus::RectF(shape.X + line, shape.Y + line, shape.Width - 2 * line, half),
                 static_cast<float>(std::max(0, radius - 1)));
  graphics->FillPath(&sheen, &upper);
  graphics->ResetClip();
  Gdiplus::Pen pen(ToGdiplus(border), line);
  graphics->DrawPath(&pen, &path);
}

void SkinPainter::FocusRing(const RECT& rect, int radius) const {
  SmoothGraphics graphics(dc_);
  const float line = LineWidth();
  Gdiplus::GraphicsPath path;
  AddRoundedRect(path, ToRectF(rect, line * 1.5f), static_cast<float>(std::max(0, radius - 1)));
  Gdiplus::Pen pen(ToGdiplus(style_.accent, 170), line);
  graphics->DrawPath(&pen, &path);
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
  if (focused && state != ButtonState::Disabled) FocusRing(Inset(box, -dpi_.Scale(2), -dpi_.Scale(2)), side / 3);
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
  if (focused && state != ButtonState::Disabled) FocusRing(Inset(circle, -dpi_.Scale(2), -dpi_.Scale(2)), side);
}

void SkinPainter::Frame(const RECT& rect, std::wstring_view caption, bool enabled) const {
  HGDIOBJ previous = SelectObject(dc_, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  SIZE caption_size{};
  GetTextExtentPoint32W(dc_, caption.data(), static_cast<int>(caption.size()), &caption_size);
  SelectObject(dc_, previous);

  const int line_top = rect.top + (caption.empty() ? 0 : metrics.tmHeight / 2);
  const RECT border{rect.left, line_top, rect.right, rect.bottom};
  const int radius = dpi_.Scale(std::max(style_.corner_radius, 2));
  {
    SmoothGraphics graphics(dc_);
    const float line = LineWidth();
    Gdiplus::GraphicsPath path;
    AddRoundedRect(path, ToRectF(border, line / 2), static_cast<float>(radius));
    Gdiplus::SolidBrush body(ToGdiplus(style_.face_top));
    graphics->FillPath(&body, &path);
    Gdiplus::Pen pen(ToGdiplus(style_.border), line);
    graphics->DrawPath(&pen, &path);
  }
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
      return {{left, rect.top, std::max<LONG>(left, rect.right - radius - pad), rect.top + metrics.tmHeight},
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS};
    }
    case CaptionKind::Label:
      break;
  }
  return {rect, DT_LEFT | DT_TOP | DT_WORDBREAK};
}

void SkinPainter::TabStrip(const RECT& client, const std::vector<RECT>& tabs,
                           const std::vector<std::wstring>& captions, int selected, int hot,
                           bool enabled) const {
  const float line = LineWidth();
  const int radius = dpi_.Scale(std::max(style_.corner_radius, 3));
  int tabs_bottom = client.top;
  for (const RECT& tab : tabs) tabs_bottom = std::max<int>(tabs_bottom, tab.bottom);
  const RECT page{client.left, tabs_bottom - static_cast<int>(line), client.right, client.bottom};
  {
    SmoothGraphics graphics(dc_);
    Gdiplus::GraphicsPath path;
    AddRoundedRect(path, ToRectF(page, line / 2), static_cast<float>(radius));
    Gdiplus::SolidBrush body(ToGdiplus(style_.face_top));
    graphics->FillPath(&body, &path);
    Gdiplus::Pen pen(ToGdiplus(style_.border), line);
    graphics->DrawPath(&pen, &path);
  }
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    const bool is_selected = static_cast<int>(i) == selected;
    RECT tab = tabs[i];
    if (is_selected) tab.top -= dpi_.Scale(2);
    const Colors face = is_selected ? Colors{Mix(style_.face_top, kWhite, 120), style_.face_top}
                        : static_cast<int>(i) == hot ? Colors{style_.hot_top, style_.hot_bottom}
                                                     : Colors{style_.face_top, style_.face_bottom};
    {
      SmoothGraphics graphics(dc_);
      Gdiplus::GraphicsPath path;
      Gdiplus::RectF shape = ToRectF(tab, line / 2);
      shape.Height += line;  // reaches the page's top line
      AddRoundedRect(path, shape, static_cast<float>(radius), true);
      Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(0, shape.Y - 1),
                                         Gdiplus::PointF(0, shape.Y + shape.Height + 1),
                                         ToGdiplus(face.top), ToGdiplus(face.bottom));
      graphics->FillPath(&brush, &path);
      Gdiplus::Pen pen(ToGdiplus(is_selected ? style_.accent : style_.border), line);
      graphics->DrawPath(&pen, &path);
      if (is_selected) {
        // Open the selected tab into the page below it.
        Gdiplus::Pen body(ToGdiplus(style_.face_top), line * 2);
        graphics->DrawLine(&body, shape.X + line, shape.Y + shape.Height, shape.X + shape.Width - line,
                           shape.Y + shape.Height);
      }
    }
    if (i < captions.size()) {
      Text(tab, captions[i], TextColor(enabled), DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
  }
}

void SkinPainter::WindowFrame(const RECT& client, int title_height) const {
  RECT body = client;
  body.top += title_height;
  Fill(body, BodyColor(style_));
  HBRUSH border = CreateSolidBrush(ToColorRef(style_.border));
  if (border) {
    FrameRect(dc_, &client, border);
    DeleteObject(border);
  }
}

void SkinPainter::TitleBar(const RECT& bar, std::wstring_view caption,
                           const std::vector<TitleButtonLook>& buttons, bool active) const {
  const skin::Color top = active ? style_.title_top : Mix(style_.title_top, style_.face_top, 150);
  const skin::Color bottom = active ? style_.title_bottom : Mix(style_.title_bottom, style_.face_top, 150);
  {
    SmoothGraphics graphics(dc_);
    graphics->SetSmoothingMode(Gdiplus::SmoothingModeNone);
    const Gdiplus::RectF area(static_cast<float>(bar.left), static_cast<float>(bar.top),
                              static_cast<float>(bar.right - bar.left), static_cast<float>(bar.bottom - bar.top));
    Gdiplus::LinearGradientBrush face(Gdiplus::PointF(0, area.Y - 1), Gdiplus::PointF(0, area.Y + area.Height + 1),
                                      ToGdiplus(top), ToGdiplus(bottom));
    graphics->FillRectangle(&face, area);
    Gdiplus::LinearGradientBrush sheen(Gdiplus::PointF(0, area.Y - 1), Gdiplus::PointF(0, area.Y + area.Height / 2 + 1),
                                       ToGdiplus(kWhite, 90), ToGdiplus(kWhite, 10));
    graphics->FillRectangle(&sheen, area.X, area.Y, area.Width, area.Height / 2);
  }
  int caption_right = bar.right - dpi_.Scale(8);
  for (const TitleButtonLook& button : buttons) caption_right = std::min(caption_right, button.rect.left);
  const RECT caption_area{bar.left + dpi_.Scale(10), bar.top, caption_right - dpi_.Scale(6), bar.bottom};
  Text(caption_area, caption, ToColorRef(style_.title_text),
       DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  for (const TitleButtonLook& button : buttons) TitleGlyph(button);
}

void SkinPainter::TitleGlyph(const TitleButtonLook& button) const {
  const RECT rect{button.rect.left, button.rect.top, button.rect.Right(), button.rect.Bottom()};
  const Colors face = button.state == ButtonState::Pressed ? Colors{style_.pressed_top, style_.pressed_bottom}
                      : button.state == ButtonState::Hot   ? Colors{style_.hot_top, style_.hot_bottom}
                        : Colors{Mix(style_.title_top, kWhite, 70), Mix(style_.title_bottom, kWhite, 30)};
  Glass(rect, button.rect.width / 2, face.top, face.bottom, Mix(style_.title_bottom, kBlack, 70));
  const skin::Color ink = button.state == ButtonState::Normal ? style_.title_text : style_.text;
  if (button.name == "close" || button.name == "minimize") {
    SmoothGraphics graphics(dc_);
    Gdiplus::Pen pen(ToGdiplus(ink), std::max(1.5f, dpi_.Value() / 96.0f * 1.6f));
    pen.SetStartCap(Gdiplus::LineCapRound);
    pen.SetEndCap(Gdiplus::LineCapRound);
    const float cx = rect.left + (rect.right - rect.left) / 2.0f;
    const float cy = rect.top + (rect.bottom - rect.top) / 2.0f;
    const float r = (rect.right - rect.left) * 0.2f;
    if (button.name == "close") {
      graphics->DrawLine(&pen, cx - r, cy - r, cx + r, cy + r);
      graphics->DrawLine(&pen, cx - r, cy + r, cx + r, cy - r);
    } else {
      graphics->DrawLine(&pen, cx - r, cy + r * 0.6f, cx + r, cy + r * 0.6f);
    }
    return;
  }
  // Any other button shows a letter: "?" for help, "i" for about, else its initial.
  const std::wstring letter =
      button.name == "help"    ? L"?"
      : button.name == "about" ? L"i"
      : button.name.empty()    ? L""
                               : std::wstring(1, static_cast<wchar_t>(std::toupper(
                                                     static_cast<unsigned char>(button.name[0]))));
  Text(rect, letter, ToColorRef(ink), DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace qb::ui::win32
