#include "ui/win32/fault_barrier.h"

#include <cstdio>
#include <exception>

#include "platform/win32/wide.h"

namespace qb::ui::win32 {

std::string CurrentFaultText() noexcept {
  try {
    throw;
  } catch (const std::exception& fault) {
    try {
      return fault.what();
    } catch (...) {
      return {};
    }
  } catch (...) {
    return "an exception of unknown type";
  }
}

void WriteFaultToDebugger(const std::string& line) noexcept {
  try {
    OutputDebugStringW(qb::win32::Wide(line + "\n").c_str());
  } catch (...) {
    OutputDebugStringA("ERROR: a fault that could not be written\n");
  }
}

std::string FaultLine(const std::string& where, const std::string& what) {
  return "ERROR: 0 at view\\" + where + " >>> " + what;
}

std::string FaultMessage(const std::string& what) {
  return "Quill Box could not finish what it was doing and has carried on.\n\n"
         "What went wrong: " + what + "\n\n"
         "The last action may be incomplete; try it again, or restart Quill Box if it "
         "keeps failing.";
}

std::string FaultPlace(const std::string& window, UINT message) {
  char code[16];
  std::snprintf(code, sizeof(code), "0x%04X", message);
  return window + ", message " + code;
}

FaultReporter::FaultReporter()
    : log_([](const std::string& where, const std::string& what) {
        WriteFaultToDebugger(FaultLine(where, what));
      }),
      show_([](HWND owner, const std::string& text) {
        MessageBoxW(owner, qb::win32::Wide(text).c_str(), L"Quill Box", MB_OK | MB_ICONERROR);
      }) {}

void FaultReporter::Report(HWND owner, const std::string& where, const std::string& what) noexcept {
  try {
    if (log_) log_(where, what);
  } catch (...) {
    WriteFaultToDebugger(FaultLine(where, what));
  }
  if (showing_) return;
  showing_ = true;
  try {
    if (show_) show_(owner ? GetAncestor(owner, GA_ROOT) : nullptr, FaultMessage(what));
  } catch (...) {
    WriteFaultToDebugger(FaultLine(where, "the fault message could not be shown"));
  }
  showing_ = false;
}

}  // namespace qb::ui::win32
