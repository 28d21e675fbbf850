#pragma once
// The view's colours in one place: a skin element's colours as GDI values, the colours of
// the graph control, which no skin element describes, and the system's high-contrast scheme.
#include <windows.h>

#include "skin/colour_contrast.h"
#include "skin/high_contrast.h"
#include "skin/skin.h"

namespace qb::ui::win32 {

inline COLORREF ToColorRef(skin::Color color) { return RGB(color.r, color.g, color.b); }

using skin::Mix;

using GraphColors = skin::GraphColours;

// Whether Windows' high-contrast mode is on, and the scheme's colours, asked afresh.
bool HighContrastOn();
skin::SystemColours ReadSystemColours();

}  // namespace qb::ui::win32
