#pragma once
// The shapes and colours the skin painter's parts share: anti-aliased GDI+ drawing, rounded
// rectangles and gradient pairs. For the painter's own files only.
#include <windows.h>

#include <algorithm>

#include "skin/skin.h"
#include "ui/win32/gdiplus_headers.h"

namespace qb::ui::win32 {

constexpr skin::Color kWhite{255, 255, 255};
constexpr skin::Color kBlack{0, 0, 0};

inline Gdiplus::Color ToGdiplus(skin::Color color, BYTE alpha = 255) {
  return Gdiplus::Color(alpha, color.r, color.g, color.b);
}

inline Gdiplus::RectF ToRectF(const RECT& rect, float inset) {
  return Gdiplus::RectF(rect.left + inset, rect.top + inset,
                        std::max(0.0f, rect.right - rect.left - 2 * inset - 1),
                        std::max(0.0f, rect.bottom - rect.top - 2 * inset - 1));
}

// A rectangle with rounded corners; only the top ones when top_only is set (tabs).
inline void AddRoundedRect(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& rect, float radius,
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
  Gdiplus::Graphics& Get() { return graphics_; }

 private:
  Gdiplus::Graphics graphics_;
};

// A panel (a frame's body, a tab strip's page): a rounded rectangle filled with the face
// colour and outlined with the border colour, the line drawn inside the rectangle.
inline void FillOutlinedPanel(HDC dc, const RECT& rect, float line, int radius, skin::Color face,
                              skin::Color border) {
  SmoothGraphics graphics(dc);
  Gdiplus::GraphicsPath path;
  AddRoundedRect(path, ToRectF(rect, line / 2), static_cast<float>(radius));
  Gdiplus::SolidBrush body(ToGdiplus(face));
  graphics->FillPath(&body, &path);
  Gdiplus::Pen pen(ToGdiplus(border), line);
  graphics->DrawPath(&pen, &path);
}

struct Colors {
  skin::Color top;
  skin::Color bottom;
};

}  // namespace qb::ui::win32
