#pragma once
// The fonts of the in-memory machine: a starting list of families, and font files added
// from the in-memory disk, whose family is read from the file as the system would.
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/fonts.h"

namespace qb {

class MemoryFonts : public Fonts {
 public:
  explicit MemoryFonts(FileSystem& files) : files_(files) {}

  std::vector<std::string> ScreenFonts() override { return families; }
  bool LoadFontFile(std::string_view path) override;
  void UnloadFontFile(std::string_view path) override;
  void BroadcastFontChange() override { calls_.push_back("BroadcastFontChange"); }

  // Test controls.
  // One line per call, in order: "LoadFontFile C:\Windows\Fonts\a.ttf",
  // "UnloadFontFile C:\Windows\Fonts\a.ttf", "BroadcastFontChange".
  const std::vector<std::string>& Calls() const { return calls_; }
  // Font files of these families are refused, as the system refuses a file that names a
  // family but lacks what a font needs.
  std::vector<std::string> refused_families;
  std::vector<std::string> families{"Arial", "Courier New", "Marlett", "Tahoma",
                                    "Times New Roman"};

 private:
  FileSystem& files_;
  std::vector<std::string> calls_;
  // The families LoadFontFile added, by file, for UnloadFontFile to take back.
  std::vector<std::pair<std::string, std::string>> loaded_;
};

}  // namespace qb
