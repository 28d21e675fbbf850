#include "platform/win32/win32_shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

std::string ResultText(HRESULT result) {
  // The system's message table knows the Windows errors by their plain codes.
  return ErrorText(HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result)
                                                              : static_cast<DWORD>(result));
}

ShortcutTarget Fault(HRESULT result) {
  return {{}, static_cast<int32_t>(result), ResultText(result)};
}

Status StatusOf(HRESULT result) {
  if (SUCCEEDED(result)) return status::kOk;
  return HRESULT_FACILITY(result) == FACILITY_WIN32 ? static_cast<Status>(HRESULT_CODE(result))
                                                   : static_cast<Status>(result);
}

HRESULT MakeLink(ComPtr<IShellLinkW>& link, ComPtr<IPersistFile>& file) {
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IShellLinkW, link.ReceiveVoid());
  if (FAILED(result)) return result;
  return link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
}

// Long paths are rare in shortcuts but allowed: target is as long as the longest path.
ShortcutTarget ReadWith(IShellLinkW& link, IPersistFile& file, std::vector<wchar_t>& target,
                        std::string_view shortcut_path) {
  const std::wstring path = Wide(shortcut_path);
  if (const HRESULT result = file.Load(path.c_str(), STGM_READ); FAILED(result)) {
    return Fault(result);
  }
  ComPtr<IShellLinkDataList> data;
  DWORD flags = 0;
  const bool advertised = SUCCEEDED(link.QueryInterface(IID_IShellLinkDataList, data.ReceiveVoid())) &&
                          SUCCEEDED(data->GetFlags(&flags)) && (flags & SLDF_HAS_DARWINID) != 0;
  target[0] = L'\0';
  const HRESULT result = link.GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0);
  if (FAILED(result)) return Fault(result);
  // S_FALSE: a shortcut to something that is not a file.
  return {result == S_FALSE ? std::string() : Narrow(target.data()), 0, {}, advertised};
}

}  // namespace

ShortcutTarget Win32Shortcuts::ReadTarget(std::string_view shortcut_path) {
  if (!reader_) {
    auto reader = std::make_unique<Reader>();
    if (const HRESULT result = MakeLink(reader->link, reader->file); FAILED(result)) {
      return Fault(result);
    }
    reader_ = std::move(reader);
    reader_thread_ = GetCurrentThreadId();
  }
  if (reader_thread_ == GetCurrentThreadId()) {
    return ReadWith(*reader_->link.Get(), *reader_->file.Get(), reader_->target, shortcut_path);
  }
  // Another thread: COM objects belong to the apartment that made them.
  Reader reader;
  if (const HRESULT result = MakeLink(reader.link, reader.file); FAILED(result)) return Fault(result);
  return ReadWith(*reader.link.Get(), *reader.file.Get(), reader.target, shortcut_path);
}

Status Win32Shortcuts::Create(std::string_view shortcut_path, std::string_view target) {
  ComApartment apartment;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (const HRESULT result = MakeLink(link, file); FAILED(result)) return StatusOf(result);
  if (const HRESULT result = link->SetPath(Wide(target).c_str()); FAILED(result)) {
    return StatusOf(result);
  }
  return StatusOf(file->Save(Wide(shortcut_path).c_str(), TRUE));
}

}  // namespace qb::win32
