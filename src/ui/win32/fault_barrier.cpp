#include "ui/win32/fault_barrier.h"

#include <cstdio>
#include <exception>

#include "language/wording.h"
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
  return language::InEnglish(language::phrase::kFaultCarriedOn, {what});
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
    std::string text;
    try {
      text = wording_ ? wording_(what) : FaultMessage(what);
    } catch (...) {
      text = FaultMessage(what);  // the language file is out of reach: the words in code
    }
    if (show_) show_(owner ? GetAncestor(owner, GA_ROOT) : nullptr, text);
  } catch (...) {
    WriteFaultToDebugger(FaultLine(where, "the fault message could not be shown"));
  }
  showing_ = false;
}

}  // namespace qb::ui::win32
