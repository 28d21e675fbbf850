#pragma once
// A path in the user's temporary folder that belongs to this test process alone, and a folder
// there that is removed with everything in it when the test ends.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/wide.h"

namespace qb::test_support {

inline std::string TempPath(std::string_view name) {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  return win32::Narrow(temp) + std::string(name) + std::to_string(GetCurrentProcessId());
}

// Read-only, hidden and system files included; a directory link is removed, not followed.
inline void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName, child = path + L"\\" + name;
      if (name == L"." || name == L"..") continue;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(child.c_str());
      } else if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        RemoveDirectoryW(child.c_str());
      } else {
        RemoveTree(child);
      }
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(path.c_str());
}

// Made empty (whatever an earlier run that ended early left goes first).
struct TempFolder {
  explicit TempFolder(std::string_view name) : path(TempPath(name)) {
    RemoveTree(win32::Wide(path));
    CreateDirectoryW(win32::Wide(path).c_str(), nullptr);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { RemoveTree(win32::Wide(path)); }
  const std::string path;
};

}  // namespace qb::test_support
