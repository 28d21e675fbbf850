#include "monitor/cpu_load.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "monitor/performance_data.h"

namespace qb::monitor {

namespace {

constexpr int32_t kBufferGrowth = 4096;
// A system that keeps asking for more than this is not answering; the reading fails.
constexpr int32_t kLargestBuffer = 64 * 1024 * 1024;

constexpr std::string_view kStatisticsValue = "KERNEL\\CPUUsage";
const RegKeyPath kStartStat{RegRoot::DynData, "PerfStats\\StartStat"};
const RegKeyPath kStatData{RegRoot::DynData, "PerfStats\\StatData"};
const RegKeyPath kStopStat{RegRoot::DynData, "PerfStats\\StopStat"};

struct ErrorText {
  const char* source_suffix;
  const char* description;
};

ErrorText TextOf(CpuLoadError::Offset offset) {
  switch (offset) {
    case CpuLoadError::kNoVersion: return {".Initialize", "Can't get the Windows version"};
    case CpuLoadError::kCannotStartMonitoring:
      return {".CollectCPRData()", "Unable to start performance monitoring"};
    case CpuLoadError::kIndexOutOfBounds: return {".GetCPUUsage()", "CPU index out of bounds"};
    case CpuLoadError::kNoProcessorObject:
      return {".CollectData", "Unable to locate the 'Processor' performance object"};
    case CpuLoadError::kNoProcessorTimeCounter:
      return {".CollectData", "Unable to locate the '% of CPU usage' performance counter"};
    case CpuLoadError::kUnreadableData:
      return {".CollectCPUData()", "Unable to read performance data"};
  }
  return {"", ""};
}

int32_t ReadUsage(Registry& registry, const RegKeyPath& key, bool& read) {
  RegValue value;
  read = registry.QueryValue(key, kStatisticsValue, value) == status::kOk;
  return read ? static_cast<int32_t>(value.AsDword()) : 0;
}

}  // namespace

CpuLoadError::CpuLoadError(Offset offset)
    : std::runtime_error(TextOf(offset).description),
      offset_(offset),
      source_(std::string("CPULoad") + TextOf(offset).source_suffix) {}

CPULoad::CPULoad(Registry& registry, SystemInformation& system)
    : registry_(registry), system_(system) {
  OsVersion version;
  if (!system_.ReportedVersion(version)) throw CpuLoadError(CpuLoadError::kNoVersion);
  is_nt_ = version.platform == platform_id::kWindowsNt;
}

CPULoad::~CPULoad() { StopMonitoring(); }

int16_t CPULoad::CollectCPUData() {
  if (is_nt_) {
    CollectNt();
  } else {
    Collect9x();
  }
  return 0;
}

// The buffer grows in steps and keeps its size, so once it has grown a collection is a
// single query.
void CPULoad::CollectNt() {
  std::vector<uint8_t> buffer(static_cast<size_t>(buffer_size_));
  uint32_t length = 0;
  Status result;
  while ((result = registry_.QueryValueInto({RegRoot::PerformanceData, ""}, "238", buffer,
                                            length)) == status::kMoreData) {
    if (buffer.size() >= static_cast<size_t>(kLargestBuffer)) break;
    buffer.resize(buffer.size() + kBufferGrowth);
  }
  buffer_size_ = static_cast<int32_t>(buffer.size());
  if (result != status::kOk || length > buffer.size()) {
    throw CpuLoadError(CpuLoadError::kUnreadableData);
  }

  const ProcessorSample sample = ReadProcessorSample(std::span(buffer.data(), length));
  switch (sample.fault) {
    case PerformanceDataFault::None: break;
    case PerformanceDataFault::Unreadable: throw CpuLoadError(CpuLoadError::kUnreadableData);
    case PerformanceDataFault::NoProcessorObject:
      throw CpuLoadError(CpuLoadError::kNoProcessorObject);
    case PerformanceDataFault::NoProcessorTimeCounter:
      GetCPUCount();
      throw CpuLoadError(CpuLoadError::kNoProcessorTimeCounter);
  }
  if (processor_count_ < 1) GetCPUCount();
  for (const ProcessorInstance& processor : sample.instances) {
    // A processor the system did not count at start (or a made-up number) has no place.
    if (processor.number >= static_cast<uint64_t>(processor_count_)) continue;
    const size_t i = static_cast<size_t>(processor.number);
    previous_counters_[i] = current_counters_[i];
    current_counters_[i] = processor.idle_counter;
  }
  previous_time_ = current_time_;
  current_time_ = sample.time;
}

// The statistics key stays "open" in the sense the family needs: its statistics run from
// the first read under StartStat until the read under StopStat.
void CPULoad::Collect9x() {
  bool read = false;
  if (!monitoring_started_) {
    if (registry_.OpenKey(kStartStat, regaccess::kAllAccess) != status::kOk) {
      throw CpuLoadError(CpuLoadError::kCannotStartMonitoring);
    }
    usage_9x_ = ReadUsage(registry_, kStartStat, read);
    if (registry_.OpenKey(kStatData, regaccess::kRead) != status::kOk) {
      throw CpuLoadError(CpuLoadError::kUnreadableData);
    }
    monitoring_started_ = true;
  }
  const int32_t usage = ReadUsage(registry_, kStatData, read);
  if (read) usage_9x_ = usage;
}

int32_t CPULoad::GetCPUCount() {
  if (processor_count_ > 0) return processor_count_;
  processor_count_ = system_.ProcessorCount();
  current_counters_.assign(static_cast<size_t>(std::max(processor_count_, 0)), 0);
  previous_counters_.assign(current_counters_.size(), 0);
  return processor_count_;
}

int32_t CPULoad::GetCPUUsage(int32_t cpu_index) {
  if (!is_nt_) {
    if (cpu_index != 0) throw CpuLoadError(CpuLoadError::kIndexOutOfBounds);
    if (!monitoring_started_) CollectCPUData();
    return usage_9x_;
  }
  return UsageNt(cpu_index);
}

int32_t CPULoad::UsageNt(int32_t cpu_index) {
  if (processor_count_ < 0) CollectCPUData();
  if (cpu_index >= processor_count_ || cpu_index < 0) {
    throw CpuLoadError(CpuLoadError::kIndexOutOfBounds);
  }
  if (current_time_ == previous_time_) return 0;
  const size_t i = static_cast<size_t>(cpu_index);
  const double idle = static_cast<double>(current_counters_[i]) -
                      static_cast<double>(previous_counters_[i]);
  const double elapsed =
      static_cast<double>(current_time_) - static_cast<double>(previous_time_);
  // Rounds half to even, as the default floating-point mode does.
  const double load = std::nearbyint((1.0 - idle / elapsed) * 100.0);
  if (!(load >= std::numeric_limits<int32_t>::min() &&
        load <= std::numeric_limits<int32_t>::max())) {
    throw std::overflow_error("Overflow");
  }
  return static_cast<int32_t>(load);
}

void CPULoad::StopMonitoring() {
  if (is_nt_ || !monitoring_started_) return;
  monitoring_started_ = false;
  if (registry_.OpenKey(kStopStat, regaccess::kAllAccess) != status::kOk) return;
  bool read = false;
  ReadUsage(registry_, kStopStat, read);
}

}  // namespace qb::monitor
