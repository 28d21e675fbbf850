#pragma once
// Processor load in percent, per processor, on both Windows families: the 9x family keeps
// a ready-made figure under HKEY_DYN_DATA; the NT family counts idle time per processor in
// its performance data, and the load is the busy share between two collections.
//
// Calling protocol: CollectCPUData once per tick, then GetCPUUsage for each index
// 0 .. GetCPUCount() - 1. Failures raise CpuLoadError with the numbers callers have always
// known (object-error base plus 8001 .. 8006).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/system_information.h"

namespace qb::monitor {

class CpuLoadError : public std::runtime_error {
 public:
  static constexpr int32_t kObjectErrorBase = -2147221504;  // 0x80040000
  enum Offset : int32_t {
    kNoVersion = 8001,
    kCannotStartMonitoring = 8002,
    kIndexOutOfBounds = 8003,
    kNoProcessorObject = 8004,
    kNoProcessorTimeCounter = 8005,
    kUnreadableData = 8006,
  };

  explicit CpuLoadError(Offset offset);
  int32_t Number() const { return kObjectErrorBase + offset_; }
  Offset OffsetNumber() const { return offset_; }
  const std::string& Source() const { return source_; }
  std::string Description() const { return what(); }

 private:
  Offset offset_;
  std::string source_;
};

class CPULoad {
 public:
  // Raises kNoVersion when the system does not say which family it is.
  CPULoad(Registry& registry, SystemInformation& system);
  CPULoad(const CPULoad&) = delete;
  CPULoad& operator=(const CPULoad&) = delete;
  // Stops the 9x statistics if this object started them.
  ~CPULoad();

  // One sample of every processor (NT) or the current load (9x). Always returns 0.
  int16_t CollectCPUData();
  int32_t GetCPUCount();
  // The load of one processor between the last two collections. Not clamped: a counter
  // that went backwards shows as such.
  int32_t GetCPUUsage(int32_t cpu_index);

  // True on the NT family, whose load comes from the performance data.
  bool ReadsPerformanceData() const { return is_nt_; }

  // The buffer size the next NT collection starts with; it only grows.
  int32_t PerformanceBufferSize() const { return buffer_size_; }

 private:
  void CollectNt();
  void Collect9x();
  void StopMonitoring();
  int32_t UsageNt(int32_t cpu_index);

  Registry& registry_;
  SystemInformation& system_;
  int32_t processor_count_ = -1;
  int32_t buffer_size_ = 4096;
  bool is_nt_ = true;
  bool monitoring_started_ = false;
  int32_t usage_9x_ = 0;
  int64_t current_time_ = 0;
  int64_t previous_time_ = 0;
  std::vector<int64_t> current_counters_;
  std::vector<int64_t> previous_counters_;
};

}  // namespace qb::monitor
