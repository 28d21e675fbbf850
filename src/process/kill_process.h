#pragma once
// Ending one process (module mdlProcess). Every step runs even when an earlier one failed,
// and each failing step leaves one entry in the error log with the system's error code.
#include <cstdint>

#include "errorlog/error_log.h"
#include "platform/processes.h"

namespace qb::process {

// Opens the process, reads its exit code, ends it with that code and closes it again.
// Returns why the process was not ended (the first failure of opening or ending it), or
// kOk: the caller tells the user, since the log alone leaves a click without an answer.
Status Kill_Process(Processes& processes, errorlog::ErrorLog& log, uint32_t id);

// The same steps on a process the caller opened already, so that what it checked through
// that handle is the very process ended: an id alone may name another process by then.
Status EndOpenedProcess(Processes& processes, errorlog::ErrorLog& log, OpenedProcess& process);

}  // namespace qb::process
