#pragma once
// A path in the user's temporary folder that belongs to this test process alone.
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

}  // namespace qb::test_support
