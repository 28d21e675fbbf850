#include "platform/memory/memory_shortcuts.h"

#include "platform/text.h"

namespace qb {

namespace {

std::u16string KeyFor(std::string_view path) { return text::UpperUtf16(text::Utf8ToUtf16(path)); }

// What the system answers for a shortcut file that is not there.
constexpr int32_t kFileNotFoundResult = static_cast<int32_t>(0x80070002);

}  // namespace

ShortcutTarget MemoryShortcuts::ReadTarget(std::string_view shortcut_path) {
  if (auto it = shortcuts_.find(KeyFor(shortcut_path)); it != shortcuts_.end()) {
    return it->second;
  }
  return {{}, kFileNotFoundResult, "The system cannot find the file specified."};
}

Status MemoryShortcuts::Create(std::string_view shortcut_path, std::string_view target) {
  SetTarget(shortcut_path, target);
  return status::kOk;
}

void MemoryShortcuts::SetTarget(std::string_view shortcut_path, std::string_view target) {
  shortcuts_[KeyFor(shortcut_path)] = {std::string(target), 0, {}};
}

void MemoryShortcuts::SetUnreadable(std::string_view shortcut_path, int32_t error,
                                    std::string error_text) {
  shortcuts_[KeyFor(shortcut_path)] = {{}, error, std::move(error_text)};
}

void MemoryShortcuts::Remove(std::string_view shortcut_path) {
  shortcuts_.erase(KeyFor(shortcut_path));
}

}  // namespace qb
