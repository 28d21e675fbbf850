#pragma once
// UTF-8 inside the program, UTF-16 at every Windows call.
#include <windows.h>

#include <string>
#include <string_view>

namespace qb::win32 {

std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's text for an error code, without the trailing line break.
std::string ErrorText(DWORD code);

}  // namespace qb::win32
