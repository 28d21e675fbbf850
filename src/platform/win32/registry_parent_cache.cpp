#include "platform/win32/registry_parent_cache.h"

#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

// The parent's path and the last element; no parent for a key right below its root.
bool Split(const std::string& path, std::string_view& parent, std::string_view& leaf) {
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash == 0 || slash + 1 == path.size()) return false;
  parent = std::string_view(path).substr(0, slash);
  leaf = std::string_view(path).substr(slash + 1);
  return true;
}

HKEY Predefined(RegRoot root) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

}  // namespace

bool ParentKeyCache::TryOpen(const RegKeyPath& key, REGSAM access, REGSAM view_flag, ScopedKey& opened) {
  std::string_view parent, leaf;
  if (!Split(key.path, parent, leaf)) return false;
  const std::lock_guard lock(mutex_);
  if (!handle_ || key.root != root_ || key.view != view_ || parent != parent_) return false;
  const LONG result = RegOpenKeyExW(handle_.Get(), Wide(leaf).c_str(), 0, access | view_flag,
                                    opened.Receive());
  if (result == ERROR_SUCCESS) return true;
  if (result == ERROR_KEY_DELETED) handle_.Reset();
  return false;
}

void ParentKeyCache::Note(const RegKeyPath& key, REGSAM view_flag) {
  std::string_view parent, leaf;
  if (!Split(key.path, parent, leaf) || key.root == RegRoot::PerformanceData) return;
  const std::lock_guard lock(mutex_);
  const bool again = key.root == root_ && key.view == view_ && parent == parent_;
  if (again && handle_) return;
  if (!again) {
    handle_.Reset();
    root_ = key.root;
    view_ = key.view;
    parent_ = std::string(parent);
    return;
  }
  // Enumerating is all a relative open needs of the parent; a parent the user may not
  // enumerate is simply not kept.
  RegOpenKeyExW(Predefined(root_), Wide(parent_).c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view_flag,
                handle_.Receive());
}

}  // namespace qb::win32
