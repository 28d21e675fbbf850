#include "cli/win32/standard_output.h"

#include "platform/win32/wide.h"

namespace qb::cli {

namespace {

DWORD WriteToConsole(HANDLE console, const std::string& text) {
  const std::wstring wide = win32::Wide(text);
  DWORD written = 0;
  if (!WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
    return GetLastError();
  }
  return written == wide.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

DWORD WriteAll(HANDLE handle, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                   nullptr)) {
      return GetLastError();
    }
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return ERROR_SUCCESS;
}

}  // namespace

DWORD WriteStandard(DWORD which, const std::string& text) {
  if (text.empty()) return ERROR_SUCCESS;
  const HANDLE handle = GetStdHandle(which);
  if (!handle || handle == INVALID_HANDLE_VALUE) return ERROR_INVALID_HANDLE;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) return WriteToConsole(handle, text);
  LARGE_INTEGER start{};
  const bool file = GetFileType(handle) == FILE_TYPE_DISK &&
                    SetFilePointerEx(handle, LARGE_INTEGER{}, &start, FILE_CURRENT);
  const DWORD error = WriteAll(handle, text);
  if (error != ERROR_SUCCESS && file && SetFilePointerEx(handle, start, nullptr, FILE_BEGIN)) {
    SetEndOfFile(handle);
  }
  return error;
}

}  // namespace qb::cli
