#include "platform/windows_version.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"

namespace qb {
namespace {

constexpr uint8_t kWorkstation = product_type::kWorkstation;
constexpr uint8_t kServer = product_type::kServer;

TEST(WindowsVersion, TextNamesFamilyVersionAndProduct) {
  const struct {
    OsVersion version;
    const char* text;
  } cases[] = {
      {{4, 10, 1998, platform_id::kWindows9x}, "Windows 98, version: 4.10"},
      {{4, 90, 3000, platform_id::kWindows9x}, "Windows 98, version: 4.90"},
      {{4, 0, 950, platform_id::kWindows9x}, "Windows 95, version: 4.0"},
      {{5, 1, 2600, platform_id::kWindowsNt, kWorkstation}, "Windows NT, version: 5.1 (Windows XP)"},
      {{6, 1, 7601, platform_id::kWindowsNt, kWorkstation}, "Windows NT, version: 6.1 (Windows 7)"},
      {{10, 0, 19045, platform_id::kWindowsNt, kWorkstation},
       "Windows NT, version: 10.0 (Windows 10)"},
      {{10, 0, 22000, platform_id::kWindowsNt, kWorkstation},
       "Windows NT, version: 10.0 (Windows 11)"},
      {{10, 0, 26100, platform_id::kWindowsNt, kWorkstation},
       "Windows NT, version: 10.0 (Windows 11)"},
      {{10, 0, 17763, platform_id::kWindowsNt, kServer},
       "Windows NT, version: 10.0 (Windows Server 2019)"},
      {{10, 0, 14393, platform_id::kWindowsNt, kServer},
       "Windows NT, version: 10.0 (Windows Server 2016)"},
      {{11, 0, 30000, platform_id::kWindowsNt, kWorkstation}, "Windows NT, version: 11.0"},
      {{3, 1, 0, platform_id::kWin32s}, "3.1"},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowsVersionText(c.version), c.text) << c.text;
}

// The drive tools start the old defragmenter when the text holds "98"; no NT system may.
TEST(WindowsVersion, NoNtTextLooksLikeWindows98) {
  for (uint32_t major : {3u, 4u, 5u, 6u, 10u}) {
    for (uint32_t minor : {0u, 1u, 2u, 3u, 51u}) {
      for (uint32_t build : {0u, 9800u, 19045u, 22000u, 26100u}) {
        for (uint8_t product : {kWorkstation, kServer}) {
          const OsVersion version{major, minor, build, platform_id::kWindowsNt, product};
          EXPECT_EQ(WindowsVersionText(version).find("98"), std::string::npos)
              << WindowsVersionText(version);
        }
      }
    }
  }
}

TEST(WindowsVersion, RunningSystemIsNamedByItsTrueVersion) {
  MemoryMachine machine;
  machine.system.version = {10, 0, 22631, platform_id::kWindowsNt, kWorkstation};
  machine.system.compatibility_mode = true;  // the program is told 6.2
  EXPECT_EQ(GetWindowsVersion(machine.system, machine.dialogs, "unknown"),
            "Windows NT, version: 10.0 (Windows 11)");
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

TEST(WindowsVersion, UnknownVersionShowsTheErrorAndGivesNothing) {
  MemoryMachine machine;
  machine.system.version_known = false;
  EXPECT_EQ(GetWindowsVersion(machine.system, machine.dialogs, "unknown"), "");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  const auto& shown = machine.dialogs.Messages()[0];
  EXPECT_EQ(shown.text, "unknown");
  EXPECT_EQ(shown.style & 0xF0, mb::kIconStop);
}

}  // namespace
}  // namespace qb
