// What only the real registry has: performance data, connecting to a machine by name,
// and the guard against deleting a root.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_registry.h"

namespace qb {
namespace {

TEST(Win32Registry, PerformanceDataStartsWithItsSignature) {
  win32::Win32Registry registry;
  RegValue value;
  ASSERT_EQ(registry.QueryValue({RegRoot::PerformanceData, ""}, "Global", value), status::kOk);
  ASSERT_GE(value.data.size(), 8u);
  EXPECT_EQ(std::string(value.data.begin(), value.data.begin() + 8),
            std::string("P\0E\0R\0F\0", 8));
  EXPECT_EQ(value.name, "Global");
}

TEST(Win32Registry, ConnectsToThisMachineByName) {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
  ASSERT_TRUE(GetComputerNameW(name, &length));
  win32::Win32Registry registry;
  std::unique_ptr<Registry> remote;
  ASSERT_EQ(registry.ConnectRemote("\\\\" + win32::Narrow(name), remote), status::kOk);
  ASSERT_NE(remote, nullptr);
  EXPECT_EQ(remote->OpenKey({RegRoot::LocalMachine, "Software"}, regaccess::kRead), status::kOk);
  std::vector<std::string> keys;
  EXPECT_EQ(remote->EnumKeys({RegRoot::LocalMachine, ""}, keys), status::kOk);
  EXPECT_FALSE(keys.empty());
}

TEST(Win32Registry, RefusesToDeleteARootAndKnowsItsViews) {
  win32::Win32Registry registry;
  EXPECT_EQ(registry.DeleteKey({RegRoot::CurrentUser, ""}), status::kAccessDenied);
  EXPECT_EQ(registry.DeleteKey({RegRoot::CurrentUser, "\\"}), status::kAccessDenied);
  EXPECT_EQ(registry.OpenKey({RegRoot::CurrentUser, "Software"}, regaccess::kRead), status::kOk);
#ifdef _WIN64
  EXPECT_TRUE(registry.HasSeparateViews());
#endif
}

}  // namespace
}  // namespace qb
