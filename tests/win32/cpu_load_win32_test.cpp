// The sampler against the real performance registry. Windows answers with the processor
// object; Wine answers with a header and no objects, which the sampler must report as such.
#include <gtest/gtest.h>

#include "contract/fixtures.h"
#include "monitor/cpu_load.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_information.h"

namespace qb {
namespace {

TEST(Win32CpuLoad, ReadsTheProcessorsOrReportsTheMissingObject) {
  win32::Win32Registry registry;
  win32::Win32SystemInformation system;
  monitor::CPULoad load(registry, system);
  try {
    load.CollectCPUData();
    load.CollectCPUData();
  } catch (const monitor::CpuLoadError& error) {
    ASSERT_TRUE(contract::RunningOnWine()) << error.Source() << ": " << error.Description();
    EXPECT_EQ(error.OffsetNumber(), monitor::CpuLoadError::kNoProcessorObject);
    return;
  }
  ASSERT_EQ(load.GetCPUCount(), system.ProcessorCount());
  for (int i = 0; i < load.GetCPUCount(); ++i) {
    EXPECT_GE(load.GetCPUUsage(i), 0);
    EXPECT_LE(load.GetCPUUsage(i), 100);
  }
}

}  // namespace
}  // namespace qb
