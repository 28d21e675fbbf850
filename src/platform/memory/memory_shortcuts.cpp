#include "platform/memory/memory_shortcuts.h"

#include "platform/memory/memory_error_text.h"
#include "platform/text.h"

namespace qb {

namespace {

std::u16string KeyFor(std::string_view path) { return text::UpperUtf16(text::Utf8ToUtf16(path)); }

ShortcutTarget Fault(int32_t result) { return {{}, result, MemoryResultText(result)}; }

int32_t ResultOf(Status code) {
  return static_cast<int32_t>(0x80070000u | (static_cast<uint32_t>(code) & 0xFFFF));
}

// What the shell answers for a file that holds no shortcut.
constexpr int32_t kNotAShortcut = static_cast<int32_t>(0x80004005);

// The first bytes of a shortcut file: its header size and class.
const std::vector<uint8_t> kShortcutHead = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0,
                                            0xC0, 0, 0, 0, 0, 0, 0, 0x46};

}  // namespace

ShortcutTarget MemoryShortcuts::ReadTarget(std::string_view shortcut_path) {
  if (auto it = shortcuts_.find(KeyFor(shortcut_path)); it != shortcuts_.end()) {
    return it->second;
  }
  if (!files_) return Fault(ResultOf(status::kFileNotFound));
  uint32_t attributes = 0;
  const Status found = files_->GetAttributes(shortcut_path, attributes);
  if (found != status::kOk) return Fault(ResultOf(found));
  if (attributes & fileattr::kDirectory) return Fault(ResultOf(status::kAccessDenied));
  return Fault(kNotAShortcut);
}

Status MemoryShortcuts::Create(std::string_view shortcut_path, std::string_view target) {
  if (files_) {
    if (const Status written = files_->WriteFile(shortcut_path, kShortcutHead); written != status::kOk) {
      return written;
    }
  }
  SetTarget(shortcut_path, target);
  return status::kOk;
}

void MemoryShortcuts::SetTarget(std::string_view shortcut_path, std::string_view target, bool advertised) {
  shortcuts_[KeyFor(shortcut_path)] = {std::string(target), 0, {}, advertised};
}

void MemoryShortcuts::SetUnreadable(std::string_view shortcut_path, int32_t error,
                                    std::string error_text) {
  shortcuts_[KeyFor(shortcut_path)] = {{}, error, std::move(error_text)};
}

void MemoryShortcuts::Remove(std::string_view shortcut_path) {
  shortcuts_.erase(KeyFor(shortcut_path));
}

}  // namespace qb
