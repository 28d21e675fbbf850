#pragma once
// The fonts the views draw with, made once per face, size, weight and DPI and kept until
// the host goes. ClearType quality: text stays crisp on the skinned gradients.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/win32/scoped.h"

namespace qb::ui::win32 {

struct FontSpec {
  std::wstring face;
  int points = 8;
  bool bold = false;
  bool italic = false;
  bool strikeout = false;
  auto operator<=>(const FontSpec&) const = default;
};

class FontCache {
 public:
  FontCache() : message_font_(SystemMessageFont()) {}

  // The font at that DPI; falls back to the stock GUI font if the system refuses.
  HFONT Get(const FontSpec& font_spec, int dpi);
  // The system's message font, the face and size plain windows use.
  const FontSpec& MessageFont() const { return message_font_; }

 private:
  static FontSpec SystemMessageFont();

  FontSpec message_font_;
  std::map<std::tuple<FontSpec, int>, qb::win32::ScopedGdiObject> fonts_;
};

}  // namespace qb::ui::win32
