#pragma once
#include "platform/fonts.h"

namespace qb::win32 {

class Win32Fonts : public Fonts {
 public:
  std::vector<std::string> ScreenFonts() override;
  bool LoadFontFile(std::string_view path) override;
  void UnloadFontFile(std::string_view path) override;
  void BroadcastFontChange() override;
};

}  // namespace qb::win32
