#include "platform/win32/win32_environment.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/wide.h"

namespace qb::win32 {

std::string Win32Environment::ApplicationFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      std::wstring path(buffer.data(), length);
      const auto slash = path.find_last_of(L"\\/");
      return Narrow(slash == std::wstring::npos ? path : path.substr(0, slash));
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32Environment::LocalAppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path))) {
    return {};
  }
  return Narrow(path);
}

std::string Win32Environment::WindowsFolder() {
  wchar_t path[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
  return length && length < MAX_PATH ? Narrow(std::wstring_view(path, length)) : std::string();
}

std::string Win32Environment::ExpandVariables(std::string_view text) {
  const std::wstring source = Wide(text);
  DWORD size = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
  if (size == 0) return std::string(text);
  std::wstring expanded(size, L'\0');
  size = ExpandEnvironmentStringsW(source.c_str(), expanded.data(), size);
  if (size == 0) return std::string(text);
  expanded.resize(size - 1);  // the count includes the terminator
  return Narrow(expanded);
}

std::string Win32Environment::StartMenuFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTMENU, nullptr, 0, path))) return {};
  return Narrow(path);
}

std::string Win32Environment::ErrorText(Status code) {
  return win32::ErrorText(static_cast<DWORD>(code));
}

}  // namespace qb::win32
