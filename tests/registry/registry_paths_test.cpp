#include "registry/registry_paths.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "registry/registry_direct.h"
#include "registry/shell_refresh.h"
#include "registry/shortcut_target.h"

namespace qb::registry {
namespace {

constexpr std::string_view kDesktopKey = "Control Panel\\Desktop";

class RegistryPathsTest : public ::testing::Test {
 protected:
  RegValue Stored(RegRoot root, std::string_view key, std::string_view name) {
    RegValue value;
    EXPECT_EQ(machine.registry.QueryValue({root, std::string(key)}, name, value), status::kOk);
    return value;
  }
  MemoryMachine machine;
  Registry& reg = machine.registry;
};

TEST_F(RegistryPathsTest, RootsAreLongOrShortInAnyLetterCase) {
  ASSERT_EQ(reg.CreateKey({RegRoot::CurrentUser, "Software\\QbTest"}), status::kOk);
  for (const char* path : {"HKEY_CURRENT_USER\\Software\\QbTest", "HKCU\\Software\\QbTest",
                           "hkcu\\Software\\QbTest", "Hkey_Current_User\\software\\qbtest"}) {
    EXPECT_TRUE(PathKeyExists(reg, path)) << path;
  }
  std::string path = "hklm\\SOFTWARE\\Microsoft";
  EXPECT_EQ(OpenKeyByPath(reg, path, regaccess::kRead), status::kOk);
  EXPECT_EQ(path, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft");
  EXPECT_EQ(ExpandShortRoot("HKUS\\.DEFAULT"), "HKEY_USERS\\.DEFAULT");
  EXPECT_EQ(ExpandShortRoot("hkcr"), "HKEY_CLASSES_ROOT");
}

TEST_F(RegistryPathsTest, OnlyTheFirstElementIsARootName) {
  // A key further down that happens to be called like a root keeps its name.
  EXPECT_EQ(ExpandShortRoot("HKCU\\Software\\hkcu\\HKLM"), "HKEY_CURRENT_USER\\Software\\hkcu\\HKLM");
  const auto key = ParseKeyPath("HKEY_USERS\\x\\HKEY_CURRENT_USER");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->root, RegRoot::Users);
  EXPECT_EQ(key->path, "x\\HKEY_CURRENT_USER");
  EXPECT_FALSE(ParseKeyPath("Software\\HKEY_CURRENT_USER\\x"));
}

TEST_F(RegistryPathsTest, RootsWithoutSettingsDoNotOpen) {
  for (const char* path : {"HKEY_CURRENT_CONFIG\\Software", "HKCC\\Software",
                           "HKEY_PERFORMANCE_DATA", "HKDD\\Config", "NOROOT\\Software"}) {
    std::string expanded = path;
    EXPECT_EQ(OpenKeyByPath(reg, expanded, regaccess::kRead), status::kBadKey) << path;
    EXPECT_FALSE(PathKeyExists(reg, path)) << path;
  }
  EXPECT_FALSE(PathKeyExists(reg, "HKCU\\Software\\NoSuchKey"));
}

TEST_F(RegistryPathsTest, WriteCreatesKeysAndTypeWordsChooseTheType) {
  EXPECT_EQ(RegWrite(reg, "HKCU\\Software\\QbTest\\Deep\\Text", "abc"), status::kOk);
  EXPECT_EQ(Stored(RegRoot::CurrentUser, "Software\\QbTest\\Deep", "Text"),
            RegValue::String("Text", "abc"));
  EXPECT_EQ(RegWrite(reg, "HKEY_CURRENT_USER\\Software\\QbTest\\Number", 1, "REG_DWORD"),
            status::kOk);
  EXPECT_EQ(Stored(RegRoot::CurrentUser, "Software\\QbTest", "Number"),
            RegValue::Dword("Number", 1));
  EXPECT_EQ(RegWrite(reg, "HKCU\\Software\\QbTest\\FromText", " 7 ", "reg_dword"), status::kOk);
  EXPECT_EQ(Stored(RegRoot::CurrentUser, "Software\\QbTest", "FromText").AsDword(), 7u);
  EXPECT_EQ(RegWrite(reg, "HKCU\\Software\\QbTest\\NumberAsText", 12, "REG_SZ"), status::kOk);
  EXPECT_EQ(Stored(RegRoot::CurrentUser, "Software\\QbTest", "NumberAsText").AsString(), "12");

  EXPECT_EQ(RegWrite(reg, "HKCU\\Software\\QbTest\\Bad", "x", "REG_DWORD"),
            status::kInvalidParameter);
  EXPECT_EQ(RegWrite(reg, "HKCU\\Software\\QbTest\\Bad", "x", "REG_WHATEVER"),
            status::kInvalidParameter);
  EXPECT_EQ(RegWrite(reg, "HKCC\\Software\\Bad", "x"), status::kBadKey);
  EXPECT_EQ(RegWrite(reg, "HKCU", "x"), status::kBadKey);
}

TEST_F(RegistryPathsTest, TrailingBackslashNamesTheDefaultValue) {
  const std::string path = "HKLM\\SOFTWARE\\QbTest\\View Source Editor\\Editor Name\\";
  ASSERT_EQ(RegWrite(reg, path, "C:\\edit.exe"), status::kOk);
  EXPECT_EQ(Stored(RegRoot::LocalMachine, "SOFTWARE\\QbTest\\View Source Editor\\Editor Name", ""),
            RegValue::String("", "C:\\edit.exe"));
  RegValue missing;
  EXPECT_NE(reg.QueryValue({RegRoot::LocalMachine, "SOFTWARE\\QbTest\\View Source Editor"},
                           "Editor Name", missing),
            status::kOk);
  RegValue read;
  ASSERT_EQ(RegRead(reg, path, read), status::kOk);
  EXPECT_EQ(read.AsString(), "C:\\edit.exe");
}

TEST_F(RegistryPathsTest, ReadValueByPathGivesTextOrError) {
  const std::string key = "HKCU\\Software\\QbTest\\";
  RegWrite(reg, key + "Text", "C:\\pic.bmp");
  RegWrite(reg, key + "Empty", "");
  RegWrite(reg, key + "Number", 400, "REG_DWORD");
  reg.SetValue({RegRoot::CurrentUser, "Software\\QbTest"}, RegValue::Binary("Bytes", {1, 2}));
  EXPECT_EQ(ReadValueByPath(reg, key + "Text"), "C:\\pic.bmp");
  EXPECT_EQ(ReadValueByPath(reg, key + "Number"), "400");
  EXPECT_EQ(ReadValueByPath(reg, key + "Empty"), "Error");
  EXPECT_EQ(ReadValueByPath(reg, key + "Missing"), "Error");
  EXPECT_EQ(ReadValueByPath(reg, "HKCU\\Software\\NoSuchKey\\Text"), "Error");
  EXPECT_EQ(ReadValueByPath(reg, key + "Bytes"), "Error");
}

TEST_F(RegistryPathsTest, ValueNumberTakesDwordsAndWholeNumbersInText) {
  EXPECT_EQ(ValueNumber(RegValue::Dword("", 0xFFFFFFFF)), -1);
  EXPECT_EQ(ValueNumber(RegValue::String("", " 5 ")), 5);
  EXPECT_EQ(ValueNumber(RegValue::String("", "-3")), -3);
  EXPECT_FALSE(ValueNumber(RegValue::String("", "")));
  EXPECT_FALSE(ValueNumber(RegValue::String("", "1.5")));
  EXPECT_FALSE(ValueNumber(RegValue::String("", "12ab")));
  EXPECT_FALSE(ValueNumber(RegValue::Binary("", {1, 0, 0, 0})));
}

TEST_F(RegistryPathsTest, StringValueRoutines) {
  EXPECT_EQ(WriteStringValue(reg, RegRoot::CurrentUser, "Software\\QbTest\\New", "Name", "text"),
            status::kOk);
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, "Software\\QbTest\\New", "Name"), "text");
  reg.SetValue({RegRoot::CurrentUser, "Software\\QbTest\\New"}, RegValue::Dword("Number", 3));
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, "Software\\QbTest\\New", "Number"), "");
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, "Software\\QbTest\\New", "Missing"), "");
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, "Software\\NoSuchKey", "Name"), "");
}

TEST_F(RegistryPathsTest, DeleteValueOnAMissingKeyGivesTheOpenCode) {
  machine.registry.ClearWriteLog();
  EXPECT_EQ(DeleteRegValue(reg, RegRoot::CurrentUser, "Software\\NoSuchKey", "x"),
            status::kFileNotFound);
  EXPECT_TRUE(machine.registry.WriteLog().empty());

  WriteStringValue(reg, RegRoot::CurrentUser, "Software\\QbTest", "x", "1");
  EXPECT_EQ(DeleteRegValue(reg, RegRoot::CurrentUser, "Software\\QbTest", "x"), status::kOk);
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, "Software\\QbTest", "x"), "");
  EXPECT_EQ(DeleteRegKey(reg, RegRoot::CurrentUser, "Software\\QbTest"), status::kOk);
  EXPECT_EQ(DeleteRegKey(reg, RegRoot::CurrentUser, "Software\\QbTest"), status::kFileNotFound);
}

TEST_F(RegistryPathsTest, CreateSubKeyWithABlankNameCreatesTheParent) {
  const std::string parent = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
  EXPECT_EQ(CreateSubKey(reg, machine.dialogs, machine.environment, RegRoot::CurrentUser, parent,
                         "   "),
            status::kOk);
  EXPECT_EQ(reg.OpenKey({RegRoot::CurrentUser, parent}, regaccess::kRead), status::kOk);
  EXPECT_EQ(CreateSubKey(reg, machine.dialogs, machine.environment, RegRoot::CurrentUser, parent,
                         "Child"),
            status::kOk);
  EXPECT_EQ(reg.OpenKey({RegRoot::CurrentUser, parent + "\\Child"}, regaccess::kRead),
            status::kOk);
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

TEST_F(RegistryPathsTest, CreateSubKeyFailureIsShownWithTheReason) {
  machine.registry.DenyWrites({RegRoot::CurrentUser, "Software\\Locked"});
  EXPECT_EQ(CreateSubKey(reg, machine.dialogs, machine.environment, RegRoot::CurrentUser,
                         "Software\\Locked", "Child"),
            status::kAccessDenied);
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text, "Cannot Create Sub Key !!\nAccess is denied");
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kOk | mb::kIconStop);
}

// Fault guarded: the icon size was raised by one and never set back, so every icon change
// grew the desktop icons, and where the value was absent it became "1".
class RefreshShellIconsTest : public RegistryPathsTest {
 protected:
  void SetUp() override {
    machine.system_parameters.icon_size = 32;
    machine.system_parameters.on_broadcast = [this](uint32_t, std::string_view) {
      seen_at_broadcast.push_back(
          ReadStringValue(reg, RegRoot::CurrentUser, kMetrics, "Shell Icon Size"));
    };
  }
  static constexpr std::string_view kMetrics = "Control Panel\\desktop\\WindowMetrics";
  std::vector<std::string> seen_at_broadcast;
};

TEST_F(RefreshShellIconsTest, AnAbsentSizeIsRaisedFromTheSystemMetricThenRemoved) {
  ASSERT_EQ(reg.CreateKey({RegRoot::CurrentUser, std::string(kMetrics)}), status::kOk);
  EXPECT_EQ(RefreshShellIcons(reg, machine.system_parameters), status::kOk);
  EXPECT_EQ(seen_at_broadcast, (std::vector<std::string>{"33", ""}));
  RegValue value;
  EXPECT_EQ(reg.QueryValue({RegRoot::CurrentUser, std::string(kMetrics)}, "Shell Icon Size", value),
            status::kFileNotFound);
}

TEST_F(RefreshShellIconsTest, APresentSizeIsPutBackExactly) {
  const RegValue original = RegValue::String("Shell Icon Size", "48");
  reg.CreateKey({RegRoot::CurrentUser, std::string(kMetrics)});
  reg.SetValue({RegRoot::CurrentUser, std::string(kMetrics)}, original);
  EXPECT_EQ(RefreshShellIcons(reg, machine.system_parameters), status::kOk);
  EXPECT_EQ(seen_at_broadcast, (std::vector<std::string>{"49", "48"}));
  EXPECT_EQ(Stored(RegRoot::CurrentUser, kMetrics, "Shell Icon Size"), original);
}

TEST_F(RefreshShellIconsTest, AMissingKeyIsRemovedAgain) {
  EXPECT_EQ(RefreshShellIcons(reg, machine.system_parameters), status::kOk);
  EXPECT_EQ(seen_at_broadcast, (std::vector<std::string>{"33", ""}));
  EXPECT_NE(reg.OpenKey({RegRoot::CurrentUser, std::string(kMetrics)}, regaccess::kRead),
            status::kOk);
}

TEST_F(RefreshShellIconsTest, AnUnwritableSizeChangesNothing) {
  reg.CreateKey({RegRoot::CurrentUser, std::string(kMetrics)});
  machine.registry.DenyWrites({RegRoot::CurrentUser, std::string(kMetrics)});
  EXPECT_EQ(RefreshShellIcons(reg, machine.system_parameters), status::kAccessDenied);
  EXPECT_TRUE(seen_at_broadcast.empty());
}

TEST_F(RegistryPathsTest, SetWallpaperGoesToTheSystem) {
  EXPECT_EQ(SetWallpaper(machine.system_parameters, "C:\\Windows\\wallpaper.bmp"), status::kOk);
  EXPECT_EQ(machine.system_parameters.Calls(),
            (std::vector<std::string>{"SetWallpaper C:\\Windows\\wallpaper.bmp"}));
}

TEST_F(RegistryPathsTest, ShortcutTargets) {
  machine.shortcuts.SetTarget("C:\\Users\\user\\Desktop\\Tool.lnk", "C:\\Tools\\tool.exe");
  EXPECT_EQ(fGetShortcutTarget(machine.shortcuts, machine.dialogs,
                               "c:\\users\\user\\desktop\\TOOL.LNK"),
            "C:\\Tools\\tool.exe");
  EXPECT_TRUE(machine.dialogs.Messages().empty());

  machine.shortcuts.SetUnreadable("C:\\Broken.lnk", static_cast<int32_t>(0x80004005),
                                  "Unspecified error");
  EXPECT_EQ(fGetShortcutTarget(machine.shortcuts, machine.dialogs, "C:\\Broken.lnk"), "");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  const auto& shown = machine.dialogs.Messages()[0];
  EXPECT_EQ(shown.text, "Unspecified error\nfGetShortcutTarget");
  EXPECT_EQ(shown.title, "Error: -2147467259");
  EXPECT_EQ(shown.style, mb::kOk | mb::kIconStop);
}

}  // namespace
}  // namespace qb::registry
