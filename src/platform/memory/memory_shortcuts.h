#pragma once
// Shortcut files of the in-memory machine: a table of paths and what each points to.
#include <map>
#include <string>

#include "platform/shortcuts.h"

namespace qb {

class MemoryShortcuts : public Shortcuts {
 public:
  ShortcutTarget ReadTarget(std::string_view shortcut_path) override;
  Status Create(std::string_view shortcut_path, std::string_view target) override;

  // Test controls.
  void SetTarget(std::string_view shortcut_path, std::string_view target);
  // The shortcut exists but cannot be read: reading it gives this error.
  void SetUnreadable(std::string_view shortcut_path, int32_t error, std::string error_text);
  void Remove(std::string_view shortcut_path);

 private:
  std::map<std::u16string, ShortcutTarget> shortcuts_;  // by upper-cased path
};

}  // namespace qb
