#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace qb::win32 {

intptr_t Win32Shell::Execute(const ShellRequest& request) {
  const std::wstring verb = Wide(request.verb);
  const std::wstring file = Wide(request.file);
  const std::wstring parameters = Wide(request.parameters);
  const std::wstring directory = Wide(request.directory);
  const HINSTANCE result = ShellExecuteW(
      reinterpret_cast<HWND>(request.owner), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
      parameters.empty() ? nullptr : parameters.c_str(),
      directory.empty() ? nullptr : directory.c_str(), request.show);
  return reinterpret_cast<intptr_t>(result);
}

}  // namespace qb::win32
