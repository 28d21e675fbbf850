#pragma once
// The running processes: a snapshot of them, and opening, asking and ending one.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/status.h"

namespace qb {

using ProcessHandle = uintptr_t;  // an open process as a plain number; 0 for none

struct ProcessEntry {
  uint32_t id = 0;
  std::string exe_file;  // the executable's name as the system reports it
  // When it started, as a system file time; 0 when the system would not say (a process of
  // another user or a protected one). With the id it names one process: a later process
  // may get the id again, never the start time too.
  uint64_t start_time = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Every running process, in the system's order.
  virtual Status Snapshot(std::vector<ProcessEntry>& entries) = 0;
  // Opens a process for ending it and asking about it; handle 0 when that fails.
  virtual Status Open(uint32_t id, ProcessHandle& handle) = 0;
  virtual Status ExitCode(ProcessHandle handle, uint32_t& code) = 0;
  virtual Status Terminate(ProcessHandle handle, uint32_t exit_code) = 0;
  virtual Status Close(ProcessHandle handle) = 0;
  // Whether the system stops when this process ends; false when it cannot say.
  virtual bool IsCritical(ProcessHandle handle) = 0;
  // When the process started, as a system file time (100 ns units since 1601).
  virtual Status StartTime(ProcessHandle handle, uint64_t& time) = 0;
  // The system time now, in the same units.
  virtual uint64_t Now() = 0;
  virtual uint32_t CurrentProcessId() = 0;
};

// Closes an opened process when it goes out of scope.
class OpenedProcess {
 public:
  OpenedProcess(Processes& processes, uint32_t id) : processes_(processes) {
    status_ = processes_.Open(id, handle_);
  }
  OpenedProcess(const OpenedProcess&) = delete;
  OpenedProcess& operator=(const OpenedProcess&) = delete;
  ~OpenedProcess() {
    if (handle_) processes_.Close(handle_);
  }
  ProcessHandle Handle() const { return handle_; }
  Status OpenStatus() const { return status_; }
  // Closes it now, with the system's answer; closing what was never opened fails as the
  // system's close of an invalid handle does.
  Status Close() {
    const Status closed = processes_.Close(handle_);
    handle_ = 0;
    return closed;
  }

 private:
  Processes& processes_;
  ProcessHandle handle_ = 0;
  Status status_ = status::kOk;
};

}  // namespace qb
