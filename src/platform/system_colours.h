#pragma once
// The colours the system draws its screen elements in (COLOR_* indexes).
#include <cstdint>

#include "platform/status.h"

namespace qb {

// A colour as the system keeps it: 0x00BBGGRR.
using ColourRef = uint32_t;

namespace syscolour {
constexpr int kScrollBar = 0;
constexpr int kBackground = 1;
constexpr int kActiveCaption = 2;
constexpr int kInactiveCaption = 3;
constexpr int kMenu = 4;
constexpr int kMenuText = 7;
constexpr int kCaptionText = 9;
constexpr int kActiveBorder = 10;
constexpr int kInactiveBorder = 11;
constexpr int kHighlight = 13;
constexpr int kHighlightText = 14;
constexpr int kGrayText = 17;
constexpr int kButtonText = 18;
constexpr int kInactiveCaptionText = 19;
}  // namespace syscolour

class SystemColours {
 public:
  virtual ~SystemColours() = default;
  virtual ColourRef Get(int index) = 0;
  // Changes one element's colour for the session; every window is repainted. Nothing is
  // stored, so the change lasts until the user logs off.
  virtual Status Set(int index, ColourRef colour) = 0;
};

}  // namespace qb
