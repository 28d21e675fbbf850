#pragma once
#include "platform/processes.h"

namespace qb::win32 {

class Win32Processes : public Processes {
 public:
  Status Snapshot(std::vector<ProcessEntry>& entries) override;
  Status Open(uint32_t id, ProcessHandle& handle) override;
  Status ExitCode(ProcessHandle handle, uint32_t& code) override;
  Status Terminate(ProcessHandle handle, uint32_t exit_code) override;
  Status Close(ProcessHandle handle) override;
  bool IsCritical(ProcessHandle handle) override;
  Status StartTime(ProcessHandle handle, uint64_t& time) override;
  uint64_t Now() override;
  uint32_t CurrentProcessId() override;
};

}  // namespace qb::win32
