#include "ui/win32/palette.h"

namespace qb::ui::win32 {
namespace {

skin::Color Sys(int index) {
  const COLORREF c = GetSysColor(index);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace

bool HighContrastOn() {
  HIGHCONTRASTW contrast{sizeof(contrast)};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

skin::SystemColours ReadSystemColours() {
  return {Sys(COLOR_WINDOW),          Sys(COLOR_WINDOWTEXT),          Sys(COLOR_BTNFACE),
          Sys(COLOR_BTNTEXT),         Sys(COLOR_HIGHLIGHT),           Sys(COLOR_HIGHLIGHTTEXT),
          Sys(COLOR_GRAYTEXT),        Sys(COLOR_ACTIVECAPTION),       Sys(COLOR_CAPTIONTEXT)};
}

}  // namespace qb::ui::win32
