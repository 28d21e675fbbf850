#pragma once
// The boundary between Windows and the program's handlers. An exception must never leave a
// window procedure: on x64 Windows may end the program inside user32 or swallow it, and the
// 32-bit build cannot unwind through user32 at all. Every procedure of the view catches at
// this boundary and hands the fault to a FaultReporter, which writes it to the log, shows
// one plain message and lets the program go on with the message's default answer.
#include <windows.h>

#include <functional>
#include <string>

#include "language/wording.h"

namespace qb::ui::win32 {

// The text of the exception being handled; call only inside a catch block.
std::string CurrentFaultText() noexcept;

// Writes one line where a developer sees it: the debugger output.
void WriteFaultToDebugger(const std::string& line) noexcept;

// "ERROR: 0 at view\<where> >>> <what>", the shape of the program log's lines.
std::string FaultLine(const std::string& where, const std::string& what);

class FaultReporter {
 public:
  using Log = std::function<void(const std::string& where, const std::string& what)>;
  using Show = std::function<void(HWND owner, const std::string& text)>;

  // By default the fault goes to the debugger output and into a message box.
  FaultReporter();

  void SetLog(Log log) { log_ = std::move(log); }
  void SetShow(Show show) { show_ = std::move(show); }
  // The messages in the user's language; English when unset or failing.
  void SetWording(language::Wording wording) { wording_ = std::move(wording); }
  // A phrase of a fault's message in that wording.
  std::string Say(const language::Phrase& phrase, std::initializer_list<std::string_view> values) const noexcept;

  // Logs the fault and shows it over owner. A fault raised while the message is up (a
  // repaint under the message box failing again) is logged but not shown a second time.
  void Report(HWND owner, const std::string& where, const std::string& what) noexcept;

 private:
  Log log_;
  Show show_;
  language::Wording wording_;
  bool showing_ = false;
};

// Where a message was being handled, for the log: "QbForm mainform, message 0x0202".
std::string FaultPlace(const std::string& window, UINT message);

}  // namespace qb::ui::win32
