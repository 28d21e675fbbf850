#include "ui/win32/font_cache.h"

#include <cmath>

namespace qb::ui::win32 {

HFONT FontCache::Get(const FontSpec& font_spec, int dpi) {
  auto key = std::make_tuple(font_spec, dpi);
  if (auto found = fonts_.find(key); found != fonts_.end()) {
    return static_cast<HFONT>(found->second.Get());
  }
  LOGFONTW font{};
  font.lfHeight = -MulDiv(font_spec.points, dpi, 72);
  font.lfWeight = font_spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = font_spec.italic;
  font.lfStrikeOut = font_spec.strikeout;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(font.lfFaceName, font_spec.face.c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&font);
  if (!made) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, qb::win32::ScopedGdiObject(made));
  return made;
}

FontSpec FontCache::SystemMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    return {L"Tahoma", 8, false};
  }
  // The metrics are given at the screen's DPI; a point size holds at every DPI.
  qb::win32::ScopedWindowDc screen(nullptr);
  const int screen_dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
  const LOGFONTW& message = metrics.lfMessageFont;
  const int points = message.lfHeight == 0
                         ? 8
                         : static_cast<int>(std::lround(std::abs(message.lfHeight) * 72.0 / screen_dpi));
  return {message.lfFaceName, points > 0 ? points : 8, message.lfWeight >= FW_BOLD};
}

}  // namespace qb::ui::win32
