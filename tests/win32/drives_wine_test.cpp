// The Drives page against the real drives: C: of the prefix, as the system measures it.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "disk/drives_page.h"
#include "disk/size_text.h"
#include "platform/win32/win32_machine.h"

namespace qb::disk {
namespace {

TEST(DrivesWineTest, DriveCIsAFixedDriveWithTheSystemsFigures) {
  win32::Win32Machine machine;
  auto form = app::CreateMainForm();
  DrivesPage page(*form, machine.services(), [] { return WindowHandle{0}; });
  page.FillAtLoad();
  page.Refresh();
  EXPECT_EQ((*form)["Drive1"].Text(), "c:");
  ULARGE_INTEGER available{}, total{}, free{};
  ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", &available, &total, &free));
  EXPECT_EQ((*form)["typelbl"].Caption(), "Fixed Drive");
  EXPECT_EQ((*form)["lblTotal"].Caption(), SizeText(static_cast<double>(total.QuadPart)));
  // Free space moves while the test runs (other programs write): compare what cannot move.
  EXPECT_NE((*form)["lblFree"].Caption(), "");
  EXPECT_NE((*form)["lblPercentUsed"].Caption(), "");
  EXPECT_TRUE((*form)["Command1"].Enabled());
  std::printf("c: total %s free %s used %s (%s used); system total %llu free %llu\n",
              (*form)["lblTotal"].Caption().c_str(), (*form)["lblFree"].Caption().c_str(),
              (*form)["lblUsed"].Caption().c_str(), (*form)["lblPercentUsed"].Caption().c_str(),
              static_cast<unsigned long long>(total.QuadPart),
              static_cast<unsigned long long>(free.QuadPart));
}

}  // namespace
}  // namespace qb::disk
