#include "platform/win32/win32_single_instance.h"

#include "platform/win32/wide.h"

namespace qb::win32 {

bool Win32SingleInstance::ClaimName(std::string_view name) {
  mutex_.Reset(CreateMutexW(nullptr, FALSE, Wide(name).c_str()));
  // Creating a name that exists opens it and says so; a name held by another user's object
  // cannot even be opened, which also means another instance runs.
  const DWORD error = GetLastError();
  return !mutex_ ? error == ERROR_ACCESS_DENIED : error == ERROR_ALREADY_EXISTS;
}

}  // namespace qb::win32
