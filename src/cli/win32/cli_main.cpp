// Entry point of the console program: wires the real Windows services in. It takes no
// single-instance claim, so it runs beside an open window of the program.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"

namespace {

// To a console as wide text, so every language shows; to a file or pipe as UTF-8.
void Write(DWORD which, const std::string& text) {
  if (text.empty()) return;
  HANDLE handle = GetStdHandle(which);
  if (!handle || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = qb::win32::Wide(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  size_t done = 0;
  while (done < text.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                   nullptr) ||
        written == 0) {
      return;
    }
    done += written;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  qb::win32::ComApartment com;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(qb::win32::Narrow(argv[i]));
  qb::win32::Win32Machine machine;
  qb::cli::Output output;
  const int code = qb::cli::RunCommandLine(args, machine.services(), output);
  Write(STD_OUTPUT_HANDLE, output.out);
  Write(STD_ERROR_HANDLE, output.err);
  return code;
}
