// The real system's answers, checked against what the host says where it can be read (Wine
// shows the Linux files under Z:).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/windows_version.h"
#include "platform/memory/memory_services.h"
#include "platform/win32/win32_system_information.h"
#include "win32/poll.h"

namespace qb {
namespace {

// MemTotal of the host in bytes, or 0 when this is not Wine on Linux.
uint64_t HostMemTotal() {
  std::ifstream meminfo("Z:\\proc\\meminfo");
  std::string label, unit;
  uint64_t kib = 0;
  while (meminfo >> label >> kib >> unit) {
    if (label == "MemTotal:") return kib * 1024;
  }
  return 0;
}

TEST(Win32SystemInformation, MemoryMatchesTheHostAndIsNotSaturated) {
  win32::Win32SystemInformation system;
  MemoryFigures figures;
  ASSERT_TRUE(system.Memory(figures));
  EXPECT_GT(figures.total_physical, 0u);
  EXPECT_LE(figures.available_physical, figures.total_physical);
  if (const uint64_t host = HostMemTotal(); host != 0) {
    // The system may keep a little for itself; never more than a few percent.
    EXPECT_NEAR(static_cast<double>(figures.total_physical), static_cast<double>(host),
                static_cast<double>(host) * 0.05);
  }
}

TEST(Win32SystemInformation, VersionNamesAndTimesAreThere) {
  win32::Win32SystemInformation system;
  OsVersion reported, actual;
  ASSERT_TRUE(system.ReportedVersion(reported));
  ASSERT_TRUE(system.TrueVersion(actual));
  EXPECT_EQ(actual.platform, platform_id::kWindowsNt);
  // The manifest names the systems the program supports, so it is told the truth.
  EXPECT_EQ(reported.major, actual.major);
  EXPECT_EQ(reported.minor, actual.minor);
  MemoryDialogs dialogs;
  EXPECT_EQ(GetWindowsVersion(system, dialogs, "unknown").rfind("Windows NT, version: ", 0), 0u);
  EXPECT_TRUE(dialogs.Messages().empty());

  EXPECT_GE(system.ProcessorCount(), 1);
  EXPECT_FALSE(system.ComputerName().empty());
  EXPECT_FALSE(system.UserName().empty());

  // The totals move in the system's clock ticks (10 ms and more under Wine, which reads the
  // host's counters): wait for a change rather than for a fixed time.
  ProcessorTimes first, second;
  ASSERT_TRUE(system.Times(first));
  test_support::PollUntil([&] {
    return system.Times(second) && second.kernel + second.user != first.kernel + first.user;
  }, 3000);
  EXPECT_GT(second.kernel + second.user, first.kernel + first.user);
  EXPECT_GE(second.idle, first.idle);
}

TEST(Win32SystemInformation, MeasuresAPlausibleClockRate) {
  win32::Win32SystemInformation system;
  const double mhz = system.MeasureProcessorMhz();
  EXPECT_GT(mhz, 100.0);
  EXPECT_LT(mhz, 10'000.0);
}

}  // namespace
}  // namespace qb
