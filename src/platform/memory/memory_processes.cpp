#include "platform/memory/memory_processes.h"

#include <algorithm>

namespace qb {

namespace {
constexpr uint32_t kStillActive = 259;
}

MemoryProcesses::Process* MemoryProcesses::Find(uint32_t id) {
  const auto it = std::find_if(running.begin(), running.end(),
                               [id](const Process& p) { return p.id == id; });
  return it == running.end() ? nullptr : &*it;
}

MemoryProcesses::Process* MemoryProcesses::FromHandle(ProcessHandle handle) {
  const auto it = open_.find(handle);
  return it == open_.end() ? nullptr : Find(it->second);
}

void MemoryProcesses::Remove(uint32_t id) {
  std::erase_if(running, [id](const Process& p) { return p.id == id; });
}

Status MemoryProcesses::Snapshot(std::vector<ProcessEntry>& entries) {
  calls_.push_back("Snapshot");
  entries.clear();
  if (snapshot_fails) return status::kAccessDenied;
  for (const auto& p : running) entries.push_back({p.id, p.exe_file, p.start_time});
  return status::kOk;
}

Status MemoryProcesses::Open(uint32_t id, ProcessHandle& handle) {
  calls_.push_back("Open " + std::to_string(id));
  handle = 0;
  const Process* process = Find(id);
  if (!process) return status::kInvalidParameter;
  if (!process->openable) return status::kAccessDenied;
  handle = next_handle_++;
  open_[handle] = id;
  return status::kOk;
}

Status MemoryProcesses::ExitCode(ProcessHandle handle, uint32_t& code) {
  calls_.push_back("ExitCode " + std::to_string(handle));
  if (!open_.count(handle)) return status::kInvalidHandle;
  const auto ended = exit_codes_.find(open_[handle]);
  code = FromHandle(handle) ? kStillActive : ended != exit_codes_.end() ? ended->second : 0;
  return status::kOk;
}

Status MemoryProcesses::Terminate(ProcessHandle handle, uint32_t exit_code) {
  calls_.push_back("Terminate " + std::to_string(handle) + " " + std::to_string(exit_code));
  if (!open_.count(handle)) return status::kInvalidHandle;
  Process* process = FromHandle(handle);
  if (!process) return status::kAccessDenied;  // it has already ended
  if (!process->terminable) return status::kAccessDenied;
  exit_codes_[process->id] = exit_code;
  Remove(process->id);
  return status::kOk;
}

Status MemoryProcesses::Close(ProcessHandle handle) {
  calls_.push_back("Close " + std::to_string(handle));
  return open_.erase(handle) ? status::kOk : status::kInvalidHandle;
}

bool MemoryProcesses::IsCritical(ProcessHandle handle) {
  const Process* process = FromHandle(handle);
  return process && process->critical;
}

Status MemoryProcesses::StartTime(ProcessHandle handle, uint64_t& time) {
  if (!open_.count(handle)) return status::kInvalidHandle;
  const Process* process = FromHandle(handle);
  if (!process) return status::kInvalidHandle;
  time = process->start_time;
  return status::kOk;
}

}  // namespace qb
