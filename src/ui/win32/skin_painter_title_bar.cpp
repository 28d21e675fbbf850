#include "ui/win32/skin_painter.h"

#include <algorithm>
#include <cctype>

#include "ui/win32/palette.h"
#include "ui/win32/skin_shapes.h"

// A skinned window's frame and title bar, with its round buttons.
namespace qb::ui::win32 {

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
  const skin::TitleLook look = skin::TitleLookFor(style_, active);
  {
    SmoothGraphics graphics(dc_);
    graphics->SetSmoothingMode(Gdiplus::SmoothingModeNone);
    const Gdiplus::RectF area(static_cast<float>(bar.left), static_cast<float>(bar.top),
                              static_cast<float>(bar.right - bar.left), static_cast<float>(bar.bottom - bar.top));
    Gdiplus::LinearGradientBrush face(Gdiplus::PointF(0, area.Y - 1), Gdiplus::PointF(0, area.Y + area.Height + 1),
                                      ToGdiplus(look.top), ToGdiplus(look.bottom));
    graphics->FillRectangle(&face, area);
    Gdiplus::LinearGradientBrush sheen(Gdiplus::PointF(0, area.Y - 1), Gdiplus::PointF(0, area.Y + area.Height / 2 + 1),
                                       ToGdiplus(kWhite, skin::kTitleSheenAlpha), ToGdiplus(kWhite, 0));
    graphics->FillRectangle(&sheen, area.X, area.Y, area.Width, area.Height / 2);
  }
  int caption_right = bar.right - dpi_.Scale(8);
  for (const TitleButtonLook& button : buttons) caption_right = std::min(caption_right, button.rect.left);
  const RECT caption_area{bar.left + dpi_.Scale(10), bar.top, caption_right - dpi_.Scale(6), bar.bottom};
  Text(caption_area, caption, ToColorRef(look.ink),
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
