#pragma once
// The program's error log (module mdlErrorHandle): one line appended to "PROGRAM.LOG" for
// each failure a caller chooses to record, for support and diagnosis. Nothing reads it
// back. The file beside the program is used when that folder can be written to; a program
// installed where a standard user may not write logs into the user's own local
// application-data folder instead. Logging never stops the program: a line that no folder
// takes is dropped.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace qb::errorlog {

inline constexpr std::string_view kLogFileName = "PROGRAM.LOG";

// "ERROR: 5 at mdlMisc\Kill_Process >>> OpenProcess failed" (without the line break).
std::string FormatEntry(int32_t number, std::string_view description, std::string_view module,
                        std::string_view procedure);

class ErrorLog {
 public:
  ErrorLog(FileSystem& files, Environment& environment) : files_(files), environment_(environment) {}
  explicit ErrorLog(const Services& services) : ErrorLog(services.files, services.environment) {}

  // Appends one entry; see FormatEntry. Returns the file written, empty when none was.
  std::string LogError(int32_t number, std::string_view description, std::string_view module,
                       std::string_view procedure) noexcept;
  // Appends one complete line and its CR LF: opened, written and closed within the call.
  // Returns the file written, empty when neither folder took the line.
  std::string WriteLogLine(std::string_view line) noexcept;

  // "<program folder>\PROGRAM.LOG"
  std::string ProgramFolderLog();
  // "<local application data>\Quill Box\PROGRAM.LOG"
  std::string UserFolderLog();

 private:
  FileSystem& files_;
  Environment& environment_;
};

}  // namespace qb::errorlog
