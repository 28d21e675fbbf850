// The customisation windows' work against the real system: the files written with their
// attributes, a picture converted into an icon that Windows loads, and a font installed for
// the user that the system's font list then shows.
#include <windows.h>

#include <gmock/gmock.h>

#include "customise/drive_icon.h"
#include "customise/folder_icon.h"
#include "language/phrases.h"
#include "customise/font_install.h"
#include "customise/ini_file_edit.h"
#include "contract/fixtures.h"
#include "platform/memory/memory_services.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "support/font_bytes.h"
#include "support/services_with.h"
#include "win32/small_png.h"
#include "win32/temp_path.h"

namespace qb::customise {
namespace {

using ::testing::Contains;
using ::testing::UnorderedElementsAre;

class CustomiseWine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(machine.files.CreateFolder(folder), status::kOk); }
  std::string Put(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = scratch.path + "\\" + name;
    EXPECT_EQ(machine.files.WriteFile(path, bytes), status::kOk);
    return path;
  }
  std::string Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    machine.files.ReadFile(path, bytes);
    return {bytes.begin(), bytes.end()};
  }
  DWORD Attributes(const std::string& path) { return GetFileAttributesW(win32::Wide(path).c_str()); }
  std::vector<std::string> Names(const std::string& path) {
    std::vector<FileEntry> entries;
    machine.files.FindFiles(path + "\\*", entries);
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
  }
  bool Change(const std::string& picture) {
    const bool changed = ChangeFolderIcon(services, 0, "\"" + folder + "\"", picture, "", true, "", 24,
                                          language::phrase::kFixedDrivesOnly.english);
    for (const auto& message : dialogs.Messages()) ADD_FAILURE() << message.text;
    return changed;
  }

  win32::ComApartment com;  // the imaging library is a COM service, as in the program
  win32::Win32Machine machine;
  // Messages are recorded, not shown: a box on the screen would wait for a click.
  MemoryDialogs dialogs;
  Services services = test_support::ServicesWith(machine.services(), {.dialogs = &dialogs});
  test_support::TempFolder scratch{"qb-customise-"};
  std::string folder = scratch.path + "\\My Photos";
};

// The user's own Desktop.ini keeps its other lines; the files get the attributes the shell
// needs, and the second run writes over them although they are hidden and system files.
TEST_F(CustomiseWine, APngBecomesALoadableFolderIconAndASecondRunReplacesIt) {
  const std::string ini = folder + "\\Desktop.ini";
  const std::string before = "[.ShellClassInfo]\r\nInfoTip=Holidays\r\n[ViewState]\r\nMode=4\r\n";
  const std::string after =
      "[.ShellClassInfo]\r\nInfoTip=Holidays\r\nIconFile=IconX.ico\r\nIconIndex=0\r\n"
      "IconResource=IconX.ico,0\r\n[ViewState]\r\nMode=4\r\n";
  ASSERT_EQ(machine.files.WriteFile(ini, {before.begin(), before.end()}), status::kOk);
  ASSERT_TRUE(Change(Put("picture.png", test_support::SmallPng())));
  EXPECT_THAT(Names(folder), UnorderedElementsAre("Desktop.ini", "IconX.ico"));
  EXPECT_EQ(Read(ini), after);
  EXPECT_EQ(Attributes(ini) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
  EXPECT_TRUE(Attributes(folder + "\\IconX.ico") & FILE_ATTRIBUTE_HIDDEN);
  // Wine keeps no read-only mark on folders; Windows does.
  if (!contract::RunningOnWine()) {
    EXPECT_TRUE(Attributes(folder) & FILE_ATTRIBUTE_READONLY);
  }
  HICON icon = static_cast<HICON>(LoadImageW(nullptr, win32::Wide(folder + "\\IconX.ico").c_str(),
                                             IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  ASSERT_NE(icon, nullptr) << "IconX.ico is not an icon Windows can load";
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  EXPECT_GT(colour.bmWidth, 0);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);

  const std::vector<uint8_t> second = {0, 0, 1, 0, 1, 0, 's', 'e', 'c', 'o', 'n', 'd'};
  ASSERT_TRUE(Change(Put("second.ico", second)));
  EXPECT_EQ(Read(folder + "\\IconX.ico"), std::string(second.begin(), second.end()));
  EXPECT_EQ(Read(ini), after);
  EXPECT_THAT(Names(folder), UnorderedElementsAre("Desktop.ini", "IconX.ico"));
}

// A hidden system file is edited and keeps its attributes; a read-only one is left alone.
TEST_F(CustomiseWine, AutorunInfInTheRootOfCKeepsItsOtherLinesAndAttributes) {
  const std::string autorun = "C:\\autorun.inf";
  std::vector<uint8_t> earlier;
  const bool existed = machine.files.ReadFile(autorun, earlier) == status::kOk;
  const std::string before = "[autorun]\r\nopen=setup.exe\r\n";
  const std::string after = "[autorun]\r\nopen=setup.exe\r\nicon=C:\\My Icons\\a b.ico\r\n";
  const DWORD hidden_system = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  machine.files.SetAttributes(autorun, fileattr::kNormal);
  ASSERT_EQ(machine.files.WriteFile(autorun, {before.begin(), before.end()}), status::kOk);
  ASSERT_EQ(machine.files.SetAttributes(autorun, hidden_system), status::kOk);

  ASSERT_EQ(SetDriveIcon(machine.files, "c:", "C:\\My Icons\\a b.ico"), status::kOk);
  EXPECT_EQ(Read(autorun), after);
  EXPECT_EQ(Attributes(autorun) & hidden_system, hidden_system);

  ASSERT_EQ(machine.files.SetAttributes(autorun, FILE_ATTRIBUTE_READONLY), status::kOk);
  EXPECT_EQ(SetDriveIcon(machine.files, "c:", "C:\\other.ico"), status::kFileReadOnly);
  EXPECT_EQ(Read(autorun), after);
  EXPECT_EQ(Attributes(autorun) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
  EXPECT_THAT(Names("C:"), ::testing::Not(Contains(::testing::HasSubstr("qbnew"))));

  machine.files.SetAttributes(autorun, fileattr::kNormal);
  if (existed) {
    machine.files.WriteFile(autorun, earlier);
  } else {
    machine.files.DeleteFile(autorun);
  }
}

// The system's font files stand in for a new font once renamed to a family of their own.
std::vector<uint8_t> RealFontBytes(FileSystem& files) {
  std::vector<uint8_t> bytes;
  for (const char* path : {"Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf",
                           "C:\\windows\\Fonts\\tahoma.ttf"}) {
    if (files.ReadFile(path, bytes) == status::kOk) return bytes;
  }
  return {};
}

TEST_F(CustomiseWine, AFontInstalledForTheUserIsListedAtOnce) {
  const auto real = RealFontBytes(machine.files);
  if (real.empty()) GTEST_SKIP() << "no TrueType font on this machine to start from";
  const std::string family = "Quill Test Sans " + std::to_string(GetCurrentProcessId());
  const std::string source =
      Put("quilltest.ttf", test_support::RenamedFont(real, std::u16string(family.begin(), family.end())));

  const FontInstall install = InstallFont(services, source, FontScope::CurrentUser);
  ASSERT_EQ(install.outcome, FontInstall::Outcome::Installed) << install.error;
  EXPECT_EQ(install.target, FontFolder(services, FontScope::CurrentUser) + "\\quilltest.ttf");
  EXPECT_THAT(machine.fonts.ScreenFonts(), Contains(family));
  RegValue listed;
  const RegKeyPath list{RegRoot::CurrentUser, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"};
  EXPECT_EQ(machine.registry.QueryValue(list, family + " (TrueType)", listed), status::kOk);
  EXPECT_EQ(listed.AsString(), install.target);

  RemoveFontResourceW(win32::Wide(install.target).c_str());
  machine.registry.DeleteValue(list, family + " (TrueType)");
  machine.files.DeleteFile(install.target);
}

// A file with a name table alone was reported installed: the system's own font loader
// refuses it, and then nothing stays behind.
TEST_F(CustomiseWine, AFontTheSystemRefusesLeavesNoFileAndNoEntry) {
  const std::string family = "Quill Hollow " + std::to_string(GetCurrentProcessId());
  const std::string source =
      Put("hollow.ttf", test_support::SimpleFont(std::u16string(family.begin(), family.end())));
  const FontInstall install = InstallFont(services, source, FontScope::CurrentUser);
  EXPECT_EQ(install.outcome, FontInstall::Outcome::NotAFont);
  EXPECT_THAT(Names(FontFolder(services, FontScope::CurrentUser)), ::testing::Not(Contains("hollow.ttf")));
  EXPECT_THAT(machine.fonts.ScreenFonts(), ::testing::Not(Contains(family)));
  RegValue listed;
  const RegKeyPath list{RegRoot::CurrentUser, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"};
  EXPECT_NE(machine.registry.QueryValue(list, family + " (TrueType)", listed), status::kOk);
}

}  // namespace
}  // namespace qb::customise
