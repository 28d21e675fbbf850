#pragma once
// Shell shortcut (.lnk) files: what they point to.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace qb {

struct ShortcutTarget {
  std::string path;        // the target path; empty for a shortcut without a file target
  int32_t error = 0;       // 0, or the system's error number (an HRESULT) when unreadable
  std::string error_text;  // the system's text for that error
  // An installer's advertised shortcut: it names a product, which the installer finds (and
  // repairs) when the shortcut is started, and path is only the product's icon file.
  bool advertised = false;
};

class Shortcuts {
 public:
  virtual ~Shortcuts() = default;
  // Reads the shortcut file and gives the path of its target.
  virtual ShortcutTarget ReadTarget(std::string_view shortcut_path) = 0;
  // Writes a shortcut file that points to target, replacing one that exists.
  virtual Status Create(std::string_view shortcut_path, std::string_view target) = 0;
};

}  // namespace qb
