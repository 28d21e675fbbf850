#include "customise/drive_icon.h"

#include <gmock/gmock.h>

#include "customise_fixture.h"

namespace qb::customise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class DriveIcon : public testing::CustomiseTest {};

TEST_F(DriveIcon, KeepsAnExistingOpenLineAndWritesAPathWithSpacesUnquoted) {
  Write("C:\\autorun.inf", "[autorun]\r\nopen=setup.exe\r\nicon=old.ico\r\n");
  ASSERT_EQ(SetDriveIcon(machine.files, "c:", "C:\\My Icons\\disk one.ico"), status::kOk);
  EXPECT_EQ(Read("C:\\autorun.inf"),
            "[autorun]\r\nopen=setup.exe\r\nicon=C:\\My Icons\\disk one.ico\r\n");
}

TEST_F(DriveIcon, CreatesTheFileWhenThereIsNoneAndLeavesNoTemporaryFile) {
  machine.files.AddDrive("E:\\", DriveType::Removable);
  ASSERT_EQ(SetDriveIcon(machine.files, "e: [STICK]", "E:\\stick.ico"), status::kOk);
  EXPECT_EQ(Read("E:\\autorun.inf"), "[autorun]\r\nicon=E:\\stick.ico\r\n");
  EXPECT_THAT(Listing("E:"), ElementsAre("autorun.inf"));
}

TEST_F(DriveIcon, AProtectedFileKeepsItsAttributes) {
  const uint32_t protecting = fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem;
  Write("C:\\autorun.inf", "[autorun]\r\nlabel=System\r\n", protecting);
  ASSERT_EQ(SetDriveIcon(machine.files, "c:", "C:\\a.ico"), status::kOk);
  EXPECT_EQ(Read("C:\\autorun.inf"), "[autorun]\r\nlabel=System\r\nicon=C:\\a.ico\r\n");
  EXPECT_EQ(Attributes("C:\\autorun.inf"), protecting);
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

TEST_F(DriveIcon, AFolderNamedAutorunInfIsNotReplaced) {
  ASSERT_EQ(machine.files.AddFolder("C:\\autorun.inf"), status::kOk);
  EXPECT_NE(SetDriveIcon(machine.files, "c:", "C:\\a.ico"), status::kOk);
  EXPECT_EQ(Attributes("C:\\autorun.inf") & fileattr::kDirectory, fileattr::kDirectory);
  EXPECT_THAT(Listing("C:"), ::testing::Not(::testing::Contains(HasSubstr("qbnew"))));
}

}  // namespace
}  // namespace qb::customise
