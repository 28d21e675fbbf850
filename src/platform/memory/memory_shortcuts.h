#pragma once
// Shortcut files of the in-memory machine: a table of paths and what each points to. Given
// the machine's files, a shortcut is also a file there: one that is missing, or in a
// missing folder, is answered as the system answers it, and a file the table does not know
// is not a shortcut.
#include <map>
#include <string>

#include "platform/file_system.h"
#include "platform/shortcuts.h"

namespace qb {

class MemoryShortcuts : public Shortcuts {
 public:
  MemoryShortcuts() = default;
  explicit MemoryShortcuts(FileSystem& files) : files_(&files) {}

  ShortcutTarget ReadTarget(std::string_view shortcut_path) override;
  Status Create(std::string_view shortcut_path, std::string_view target) override;

  // Test controls (the table only: the files stay as they are).
  void SetTarget(std::string_view shortcut_path, std::string_view target, bool advertised = false);
  // The shortcut exists but cannot be read: reading it gives this error.
  void SetUnreadable(std::string_view shortcut_path, int32_t error, std::string error_text);
  void Remove(std::string_view shortcut_path);

 private:
  FileSystem* files_ = nullptr;
  std::map<std::u16string, ShortcutTarget> shortcuts_;  // by upper-cased path
};

}  // namespace qb
