#pragma once
// The fonts the system offers to programs, and making a newly copied font file usable.
#include <string>
#include <string_view>
#include <vector>

namespace qb {

class Fonts {
 public:
  virtual ~Fonts() = default;
  // The family names of the screen fonts, each once, in the order the system lists them.
  virtual std::vector<std::string> ScreenFonts() = 0;
  // Makes the font file usable in this session at once; false when the system does not
  // take the file as a font.
  virtual bool LoadFontFile(std::string_view path) = 0;
  // Takes back what LoadFontFile made usable, so that the file can be removed.
  virtual void UnloadFontFile(std::string_view path) = 0;
  // Tells every top-level window that the set of fonts changed.
  virtual void BroadcastFontChange() = 0;
};

}  // namespace qb
