#include "customise/drive_icon.h"

#include <gmock/gmock.h>

#include "customise_fixture.h"

namespace qb::customise {
namespace {

using ::testing::HasSubstr;

class DriveIcon : public testing::CustomiseTest {};

// Other lines and a hidden system file's attributes stay; no temporary file is left behind.
TEST_F(DriveIcon, SetsTheIconLineAndKeepsTheRestOfTheFile) {
  const uint32_t protecting = fileattr::kHidden | fileattr::kSystem;
  const struct { const char* before; uint32_t attributes; const char* icon; const char* after; } cases[] = {
      {"[autorun]\r\nopen=setup.exe\r\nicon=old.ico\r\n", fileattr::kArchive, "C:\\My Icons\\disk one.ico",
       "[autorun]\r\nopen=setup.exe\r\nicon=C:\\My Icons\\disk one.ico\r\n"},
      {"[autorun]\r\nlabel=System\r\n", protecting, "C:\\a.ico", "[autorun]\r\nlabel=System\r\nicon=C:\\a.ico\r\n"},
      {nullptr, 0, "E:\\stick.ico", "[autorun]\r\nicon=E:\\stick.ico\r\n"},
  };
  machine.files.AddDrive("E:\\", DriveType::Removable);
  for (const auto& c : cases) {
    machine.files.SetAttributes("E:\\autorun.inf", fileattr::kNormal);
    machine.files.DeleteFile("E:\\autorun.inf");
    if (c.before) Write("E:\\autorun.inf", c.before, c.attributes);
    ASSERT_EQ(SetDriveIcon(machine.files, "e: [STICK]", c.icon), status::kOk) << c.icon;
    EXPECT_EQ(Read("E:\\autorun.inf"), c.after);
    if (c.before) {
      EXPECT_EQ(Attributes("E:\\autorun.inf"), c.attributes) << c.icon;
    }
    EXPECT_EQ(Listing("E:"), std::vector<std::string>{"autorun.inf"});
  }
}

TEST_F(DriveIcon, ARootThatCannotBeWrittenLeavesTheFileAndSaysWhy) {
  Write("C:\\autorun.inf", "[autorun]\r\nopen=setup.exe\r\n");
  machine.files.DenyWrites("C:\\");
  const Status result = SetDriveIcon(machine.files, "c:", "C:\\a.ico");
  EXPECT_EQ(result, status::kAccessDenied);
  EXPECT_EQ(Read("C:\\autorun.inf"), "[autorun]\r\nopen=setup.exe\r\n");
  const std::string message = DriveIconFailure(services, "c:", result);
  EXPECT_THAT(message, HasSubstr("c:\\autorun.inf could not be written"));
  EXPECT_THAT(message, HasSubstr("needs an administrator"));
}

// A read-only file had its attribute lifted, was rewritten, and had it put back, unasked.
TEST_F(DriveIcon, AReadOnlyAutorunInfIsRefusedAndLeftAsItWas) {
  const uint32_t read_only = fileattr::kReadOnly | fileattr::kHidden;
  Write("C:\\autorun.inf", "[autorun]\r\nopen=setup.exe\r\n", read_only);
  const Status result = SetDriveIcon(machine.files, "c:", "C:\\a.ico");
  EXPECT_EQ(result, status::kFileReadOnly);
  EXPECT_EQ(Read("C:\\autorun.inf"), "[autorun]\r\nopen=setup.exe\r\n");
  EXPECT_EQ(Attributes("C:\\autorun.inf"), read_only);
  EXPECT_THAT(Listing("C:"), ::testing::Not(::testing::Contains(HasSubstr("qbnew"))));
  EXPECT_THAT(DriveIconFailure(services, "c:", result),
              HasSubstr("c:\\autorun.inf is read-only, so it was left as it is"));
}

TEST_F(DriveIcon, AFolderNamedAutorunInfIsNotReplaced) {
  ASSERT_EQ(machine.files.AddFolder("C:\\autorun.inf"), status::kOk);
  EXPECT_NE(SetDriveIcon(machine.files, "c:", "C:\\a.ico"), status::kOk);
  EXPECT_EQ(Attributes("C:\\autorun.inf") & fileattr::kDirectory, fileattr::kDirectory);
  EXPECT_THAT(Listing("C:"), ::testing::Not(::testing::Contains(HasSubstr("qbnew"))));
}

}  // namespace
}  // namespace qb::customise
