#include "platform/win32/win32_profile.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/wide.h"

namespace qb::win32 {

std::string Win32ProfileStore::GetString(std::string_view file, std::string_view section,
                                         std::string_view key, std::string_view fallback,
                                         size_t buffer_chars) {
  if (buffer_chars == 0) return {};
  std::vector<wchar_t> buffer(buffer_chars);
  const DWORD length = GetPrivateProfileStringW(
      Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(), buffer.data(),
      static_cast<DWORD>(buffer.size()), Wide(file).c_str());
  return Narrow(std::wstring_view(buffer.data(), std::min<size_t>(length, buffer.size() - 1)));
}

bool Win32ProfileStore::WriteString(std::string_view file, std::string_view section,
                                    std::string_view key, std::string_view value) {
  return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                    Wide(value).c_str(), Wide(file).c_str()) != FALSE;
}

}  // namespace qb::win32
