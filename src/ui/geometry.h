#pragma once
// Window geometry is kept in twips (1/1440 inch) and turned into pixels by the view.
namespace qb::ui {

inline constexpr int kTwipsPerInch = 1440;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

// Rounds to the nearest pixel, halves away from zero, so that the same twips always give
// the same pixels at a given DPI.
constexpr int TwipsToPixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                      : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

constexpr int PixelsToTwips(int pixels, int dpi) {
  return dpi == 0 ? 0 : static_cast<int>((static_cast<long long>(pixels) * kTwipsPerInch + dpi / 2) / dpi);
}

}  // namespace qb::ui
