// Performance data from the system's performance registry: any block gives a reading or
// a fault without reading outside it or walking for ever, and the sampler raises only its
// own errors for it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "monitor/cpu_load.h"
#include "monitor/performance_data.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_system_information.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> block(data, data + size);
  qb::monitor::ReadProcessorSample(std::span<const uint8_t>(block));

  qb::MemoryRegistry registry;
  qb::MemorySystemInformation system;
  registry.SetPerformanceData("238", block);
  qb::monitor::CPULoad load(registry, system);
  try {
    load.CollectCPUData();
    load.CollectCPUData();
    for (int i = 0; i < load.GetCPUCount(); ++i) load.GetCPUUsage(i);
  } catch (const qb::monitor::CpuLoadError&) {
  }
  return 0;
}
