#pragma once
// Opening a key by its full path makes the registry walk every element from the root, and a
// scan opens thousands of keys side by side below one area. The parent shared by two opens
// in a row is kept open, and the keys below it are opened relative to it: one element to
// look up instead of seven. Any open that does not succeed that way is left to the full
// path, so a parent deleted or replaced meanwhile never changes an answer.
#include <windows.h>

#include <mutex>
#include <string>

#include "platform/registry.h"
#include "platform/win32/scoped.h"

namespace qb::win32 {

class ParentKeyCache {
 public:
  // True with key opened relative to the kept parent; false when that parent is not key's
  // or the open failed, and the caller opens the full path instead.
  bool TryOpen(const RegKeyPath& key, REGSAM access, REGSAM view_flag, ScopedKey& opened);
  // A full-path open of key: the second in a row below the same parent keeps that parent.
  void Note(const RegKeyPath& key, REGSAM view_flag);

 private:
  std::mutex mutex_;  // the program's windows and a scan's thread share one registry
  RegRoot root_ = RegRoot::CurrentUser;
  RegView view_ = RegView::Native;
  std::string parent_;  // the parent last seen; kept open when handle_ holds it
  ScopedKey handle_;
};

}  // namespace qb::win32
