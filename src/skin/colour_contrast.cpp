#include "skin/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace qb::skin {
namespace {

double Linear(uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Color c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

}  // namespace

Color Mix(Color a, Color b, int amount) {
  auto channel = [amount](int x, int y) { return static_cast<uint8_t>(x + (y - x) * amount / 255); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

double ContrastRatio(Color a, Color b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TitleLook TitleLookFor(const ElementStyle& style, bool active) {
  TitleLook look;
  look.top = active ? style.title_top : Mix(style.title_top, style.face_top, 150);
  look.bottom = active ? style.title_bottom : Mix(style.title_bottom, style.face_top, 150);
  look.lightest = Mix(look.top, Color{255, 255, 255}, kTitleSheenAlpha);
  look.ink = active ? style.title_text : style.text;
  return look;
}

}  // namespace qb::skin
