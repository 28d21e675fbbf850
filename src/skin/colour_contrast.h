#pragma once
// Colour arithmetic the skin's look depends on: mixing, and the contrast ratio between text
// and what it is drawn on (relative luminance as the accessibility guidelines define it;
// 4.5:1 is the least for normal text).
#include "skin/skin.h"

namespace qb::skin {

inline constexpr double kReadableContrast = 4.5;

// Mixes two colours; amount 0 gives a, 255 gives b.
Color Mix(Color a, Color b, int amount);

// 1:1 for equal colours up to 21:1 for black on white; the order does not matter.
double ContrastRatio(Color a, Color b);

// A skinned title bar as painted: its gradient, the white sheen laid over its top half
// (strongest at the top edge) and the caption's ink. An inactive title fades toward the
// window body, so its caption turns to the body's text colour to stay readable.
inline constexpr int kTitleSheenAlpha = 30;

struct TitleLook {
  Color top, bottom;
  Color lightest;  // the top edge under the sheen
  Color ink;
};
TitleLook TitleLookFor(const ElementStyle& style, bool active);

}  // namespace qb::skin
