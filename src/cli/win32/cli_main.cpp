// Entry point of the console program: wires the real Windows services in. It takes no
// single-instance claim, so it runs beside an open window of the program; it holds a name
// of its own while it runs, which the installer and uninstaller look for.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/win32/standard_output.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"

int wmain(int argc, wchar_t** argv) {
  const qb::win32::ScopedHandle running(
      CreateMutexW(nullptr, FALSE, qb::win32::Wide(qb::cli::kCompanionInstanceName).c_str()));
  qb::win32::ComApartment com;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(qb::win32::Narrow(argv[i]));
  qb::win32::Win32Machine machine;
  qb::cli::Output output;
  int code = qb::cli::RunCommandLine(args, machine.services(), output);
  if (const DWORD error = qb::cli::WriteStandard(STD_OUTPUT_HANDLE, output.out); error != 0) {
    code = qb::cli::ReportNotWritten("standard output", qb::win32::ErrorText(error), output);
  }
  qb::cli::WriteStandard(STD_ERROR_HANDLE, output.err);
  return code;
}
