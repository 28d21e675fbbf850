#pragma once
// Processes described by their fields. Every question is recorded, so tests can see what
// was asked of which process in which order.
#include <map>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace qb {

class MemoryProcesses : public Processes {
 public:
  struct Process {
    uint32_t id = 0;
    std::string exe_file;
    uint64_t start_time = 0;
    bool critical = false;
    bool openable = true;    // false: opening it is refused (another user's, protected)
    bool terminable = true;  // false: ending it is refused
  };

  Status Snapshot(std::vector<ProcessEntry>& entries) override;
  Status Open(uint32_t id, ProcessHandle& handle) override;
  Status ExitCode(ProcessHandle handle, uint32_t& code) override;
  Status Terminate(ProcessHandle handle, uint32_t exit_code) override;
  Status Close(ProcessHandle handle) override;
  bool IsCritical(ProcessHandle handle) override;
  Status StartTime(ProcessHandle handle, uint64_t& time) override;
  uint64_t Now() override { return now; }
  uint32_t CurrentProcessId() override { return current_id; }

  // Test controls.
  void Add(Process process) { running.push_back(std::move(process)); }
  void Remove(uint32_t id);
  // "Open 12", "ExitCode 1", "Terminate 1 259", "Close 1" ... (handles counted from 1).
  const std::vector<std::string>& Calls() const { return calls_; }
  size_t OpenHandles() const { return open_.size(); }

  std::vector<Process> running;
  uint64_t now = 1000;
  uint32_t current_id = 1;
  bool snapshot_fails = false;

 private:
  Process* Find(uint32_t id);
  Process* FromHandle(ProcessHandle handle);

  std::map<ProcessHandle, uint32_t> open_;  // handle -> process id
  std::map<uint32_t, uint32_t> exit_codes_;   // process id -> the code it was ended with
  ProcessHandle next_handle_ = 1;
  std::vector<std::string> calls_;
};

}  // namespace qb
