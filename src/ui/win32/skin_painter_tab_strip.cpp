#include "ui/win32/skin_painter.h"

#include <algorithm>

#include "ui/win32/palette.h"
#include "ui/win32/skin_shapes.h"

// The skinned tab strip: a rounded page with the tabs standing on its top line.
namespace qb::ui::win32 {

void SkinPainter::TabStrip(const RECT& client, const std::vector<RECT>& tabs,
                           const std::vector<std::wstring>& captions, int selected, int hot,
                           bool enabled) const {
  const float line = LineWidth();
  const int radius = dpi_.Scale(std::max(style_.corner_radius, 3));
  int tabs_bottom = client.top;
  for (const RECT& tab : tabs) tabs_bottom = std::max<int>(tabs_bottom, tab.bottom);
  const RECT page{client.left, tabs_bottom - static_cast<int>(line), client.right, client.bottom};
  FillOutlinedPanel(dc_, page, line, radius, style_.face_top, style_.border);
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

}  // namespace qb::ui::win32
