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

std::string FaultReporter::Say(const language::Phrase& phrase,
                               std::initializer_list<std::string_view> values) const noexcept {
  try {
    if (wording_) return wording_(phrase, values);
  } catch (...) {
    // The language file is out of reach: the words in code.
  }
  try {
    return language::InEnglish(phrase, values);
  } catch (...) {
    return std::string(phrase.english);
  }
}

void FaultReporter::Report(HWND owner, const std::string& where, const std::string& what) noexcept {
  try {
    if (log_) log_(where, what);
  } catch (...) {
    WriteFaultToDebugger(FaultLine(where, what));
  }
  if (showing_) return;
  showing_ = true;
  try {
    const std::string text = Say(language::phrase::kFaultCarriedOn, {what});
    if (show_) show_(owner ? GetAncestor(owner, GA_ROOT) : nullptr, text);
  } catch (...) {
    WriteFaultToDebugger(FaultLine(where, "the fault message could not be shown"));
  }
  showing_ = false;
}

}  // namespace qb::ui::win32
