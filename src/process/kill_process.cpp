#include "process/kill_process.h"

namespace qb::process {

namespace {

constexpr const char* kModule = "mdlMisc";
constexpr const char* kProcedure = "Kill_Process";

Status Check(errorlog::ErrorLog& log, Status status, const char* description) {
  if (status != status::kOk) log.LogError(static_cast<int32_t>(status), description, kModule, kProcedure);
  return status;
}

}  // namespace

Status Kill_Process(Processes& processes, errorlog::ErrorLog& log, uint32_t id) {
  OpenedProcess process(processes, id);
  return EndOpenedProcess(processes, log, process);
}

Status EndOpenedProcess(Processes& processes, errorlog::ErrorLog& log, OpenedProcess& process) {
  const Status opened = Check(log, process.OpenStatus(), "OpenProcess failed");
  uint32_t exit_code = 0;
  Check(log, processes.ExitCode(process.Handle(), exit_code), "GetExitCodeProcess failed");
  // A running process answers STILL_ACTIVE (259); ended with that code, it would look to
  // whoever waits for it as if it were still running, for ever.
  constexpr uint32_t kStillActive = 259;
  constexpr uint32_t kEndedFromOutside = 1;
  if (exit_code == kStillActive) exit_code = kEndedFromOutside;
  const Status ended =
      Check(log, processes.Terminate(process.Handle(), exit_code), "TerminateProcess failed");
  Check(log, process.Close(), "CloseHandle failed");
  return opened != status::kOk ? opened : ended;
}

}  // namespace qb::process
