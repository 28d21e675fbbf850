#pragma once
#include "platform/shortcuts.h"

namespace qb::win32 {

// Shortcut files through the shell's own link object (IShellLinkW with IPersistFile).
class Win32Shortcuts : public Shortcuts {
 public:
  ShortcutTarget ReadTarget(std::string_view shortcut_path) override;
  Status Create(std::string_view shortcut_path, std::string_view target) override;
};

}  // namespace qb::win32
