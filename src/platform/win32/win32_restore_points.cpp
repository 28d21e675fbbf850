#include "platform/win32/win32_restore_points.h"

#include <windows.h>
#include <aclapi.h>
#include <objbase.h>
#include <srrestoreptapi.h>

#include <array>
#include <cwchar>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

using SetRestorePoint = BOOL(WINAPI*)(PRESTOREPOINTINFOW, PSTATEMGRSTATUS);

// What a refusal means to the user; a call that failed without a status says so by the
// thread's last error.
Status Refusal(const STATEMGRSTATUS& answer) {
  const DWORD code = answer.nStatus != ERROR_SUCCESS ? answer.nStatus : GetLastError();
  return code == ERROR_SUCCESS ? static_cast<Status>(ERROR_INTERNAL_ERROR)
                               : static_cast<Status>(code);
}

// System Restore's service calls back into the process that asks for a point, so COM must
// let the system's service accounts in: LocalService, NetworkService and System, besides
// the administrators and the process's own user. A process sets its COM security once;
// where it was set already (RPC_E_TOO_LATE) it stays as it is, and the request is made all
// the same: a refusal then comes back as System Restore's own answer.
void AllowSystemRestoreCallBack() {
  constexpr std::array<WELL_KNOWN_SID_TYPE, 5> kCallers{WinBuiltinAdministratorsSid, WinLocalServiceSid,
                                                        WinNetworkServiceSid, WinLocalSystemSid, WinSelfSid};
  std::array<std::array<BYTE, SECURITY_MAX_SID_SIZE>, kCallers.size()> sids{};
  std::array<EXPLICIT_ACCESSW, kCallers.size()> access{};
  for (size_t i = 0; i < kCallers.size(); ++i) {
    DWORD size = SECURITY_MAX_SID_SIZE;
    if (!CreateWellKnownSid(kCallers[i], nullptr, sids[i].data(), &size)) return;
    access[i].grfAccessPermissions = COM_RIGHTS_EXECUTE | COM_RIGHTS_EXECUTE_LOCAL;
    access[i].grfAccessMode = SET_ACCESS;
    access[i].grfInheritance = NO_INHERITANCE;
    access[i].Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access[i].Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access[i].Trustee.ptstrName = reinterpret_cast<LPWSTR>(sids[i].data());
  }
  PACL acl = nullptr;
  if (SetEntriesInAclW(static_cast<ULONG>(access.size()), access.data(), nullptr, &acl) != ERROR_SUCCESS) return;
  const ScopedLocalMemory owned_acl(acl);
  // COM takes only an absolute descriptor, with an owner and a group.
  SECURITY_DESCRIPTOR descriptor{};
  PSID administrators = sids[0].data();
  if (InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
      SetSecurityDescriptorOwner(&descriptor, administrators, FALSE) &&
      SetSecurityDescriptorGroup(&descriptor, administrators, FALSE) &&
      SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE)) {
    CoInitializeSecurity(&descriptor, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                         RPC_C_IMP_LEVEL_IDENTIFY, nullptr, EOAC_NONE, nullptr);
  }
}

}  // namespace

Status Win32RestorePoints::Create(std::string_view description, int64_t& sequence) {
  // Only from the system folder: a library of that name beside the program or in the
  // current folder must never be the one loaded.
  const ScopedLibrary library(
      LoadLibraryExW(L"srclient.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!library) return status::kModNotFound;
  const auto set = reinterpret_cast<SetRestorePoint>(
      reinterpret_cast<void*>(GetProcAddress(library.Get(), "SRSetRestorePointW")));
  if (!set) return status::kModNotFound;
  const ComApartment apartment;
  AllowSystemRestoreCallBack();

  RESTOREPOINTINFOW begin{};
  begin.dwEventType = BEGIN_SYSTEM_CHANGE;
  begin.dwRestorePtType = MODIFY_SETTINGS;
  const std::wstring text = Wide(description);
  wcsncpy(begin.szDescription, text.c_str(), MAX_DESC_W - 1);
  STATEMGRSTATUS answer{};
  if (!set(&begin, &answer) || answer.nStatus != ERROR_SUCCESS) return Refusal(answer);
  // Sequence numbers start at 1: a "success" without one (a stand-in library that only
  // answers yes) made no point, and is a system without System Restore.
  if (answer.llSequenceNumber <= 0) return status::kModNotFound;
  sequence = answer.llSequenceNumber;

  // The snapshot is taken when the set of changes begins. Ending the set at once means a
  // program closed hard never leaves System Restore waiting for an end it cannot see; the
  // point is whole either way. An end that fails leaves the point as it is.
  RESTOREPOINTINFOW end{};
  end.dwEventType = END_SYSTEM_CHANGE;
  end.dwRestorePtType = MODIFY_SETTINGS;
  end.llSequenceNumber = answer.llSequenceNumber;
  STATEMGRSTATUS ended{};
  set(&end, &ended);
  return status::kOk;
}

}  // namespace qb::win32
