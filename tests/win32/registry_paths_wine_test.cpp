// The full-path registry layer, the icon refresh and shortcut targets against the real
// registry, files and shell link object.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_services.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shortcuts.h"
#include "platform/win32/win32_system_parameters.h"
#include "registry/registry_direct.h"
#include "registry/registry_paths.h"
#include "registry/shell_refresh.h"
#include "registry/shortcut_target.h"
#include "win32/temp_path.h"

namespace qb::registry {
namespace {

using win32::Wide;

constexpr wchar_t kScratch[] = L"Software\\QuillBoxTest\\RegistryPaths";
const std::string kScratchPath = "Software\\QuillBoxTest\\RegistryPaths";

class RegistryPathsWineTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch); }

  bool KeyExists(HKEY root, const std::wstring& path) {
    win32::ScopedKey key;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
  }

  win32::Win32Registry reg;
  MemoryDialogs dialogs;
  win32::Win32Environment environment;
};

TEST_F(RegistryPathsWineTest, ShortRootsInLowerCaseOpenTheirOwnKey) {
  win32::ScopedKey key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kScratch) + L"\\Sub").c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr),
            ERROR_SUCCESS);
  std::string path = "hkcu\\" + kScratchPath + "\\Sub";
  EXPECT_EQ(OpenKeyByPath(reg, path, KEY_READ), status::kOk);
  EXPECT_EQ(path, "HKEY_CURRENT_USER\\" + kScratchPath + "\\Sub");
  EXPECT_TRUE(PathKeyExists(reg, "hkcu\\" + kScratchPath + "\\sub"));
  EXPECT_FALSE(PathKeyExists(reg, "hklm\\" + kScratchPath + "\\Sub"));
  EXPECT_TRUE(PathKeyExists(reg, "hklm\\Software\\Microsoft"));
}

TEST_F(RegistryPathsWineTest, CurrentConfigPathsDoNotOpen) {
  // The key is there on the machine; the layer still does not resolve its root.
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_CONFIG, L"Software"));
  std::string path = "HKEY_CURRENT_CONFIG\\Software";
  EXPECT_NE(OpenKeyByPath(reg, path, KEY_READ), status::kOk);
  EXPECT_FALSE(PathKeyExists(reg, "HKCC\\Software"));
}

TEST_F(RegistryPathsWineTest, WritesAndReadsByFullPath) {
  const std::string base = "HKEY_CURRENT_USER\\" + kScratchPath + "\\";
  ASSERT_EQ(RegWrite(reg, base + "Text", "abc"), status::kOk);
  ASSERT_EQ(RegWrite(reg, base + "Empty", ""), status::kOk);
  ASSERT_EQ(RegWrite(reg, "HKCU\\" + kScratchPath + "\\Deeper\\", "default"), status::kOk);
  ASSERT_EQ(RegWrite(reg, base + "Number", 1, "REG_DWORD"), status::kOk);

  EXPECT_EQ(ReadValueByPath(reg, base + "Text"), "abc");
  EXPECT_EQ(ReadValueByPath(reg, base + "Number"), "1");
  EXPECT_EQ(ReadValueByPath(reg, base + "Empty"), "Error");
  EXPECT_EQ(ReadValueByPath(reg, base + "Missing"), "Error");

  DWORD type = 0, data = 0, size = sizeof data;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kScratch, L"Number", RRF_RT_ANY, &type, &data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, 1u);
  wchar_t text[32] = {};
  DWORD text_size = sizeof text;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, (std::wstring(kScratch) + L"\\Deeper").c_str(),
                         nullptr, RRF_RT_REG_SZ, nullptr, text, &text_size),
            ERROR_SUCCESS);
  EXPECT_STREQ(text, L"default");
}

TEST_F(RegistryPathsWineTest, DirectRoutines) {
  EXPECT_EQ(CreateSubKey(reg, dialogs, environment, RegRoot::CurrentUser, kScratchPath + "\\Typed",
                         " "),
            status::kOk);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::wstring(kScratch) + L"\\Typed"));
  EXPECT_TRUE(dialogs.Messages().empty());

  EXPECT_EQ(WriteStringValue(reg, RegRoot::CurrentUser, kScratchPath, "S", "text"), status::kOk);
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, kScratchPath, "S"), "text");
  RegWrite(reg, "HKCU\\" + kScratchPath + "\\D", 3, "REG_DWORD");
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, kScratchPath, "D"), "");
  EXPECT_EQ(DeleteRegValue(reg, RegRoot::CurrentUser, kScratchPath + "\\Missing", "S"),
            status::kFileNotFound);
  EXPECT_EQ(DeleteRegValue(reg, RegRoot::CurrentUser, kScratchPath, "S"), status::kOk);
  EXPECT_EQ(ReadStringValue(reg, RegRoot::CurrentUser, kScratchPath, "S"), "");
}

// Fault guarded: the refresh raised "Shell Icon Size" by one and never set it back.
class ShellIconSizeWineTest : public RegistryPathsWineTest {
 protected:
  void SetUp() override {
    had_value_ = reg.QueryValue(kMetrics, "Shell Icon Size", saved_) == status::kOk;
  }
  void TearDown() override {
    if (had_value_) {
      reg.SetValue(kMetrics, saved_);
    } else {
      reg.DeleteValue(kMetrics, "Shell Icon Size");
    }
  }
  const RegKeyPath kMetrics{RegRoot::CurrentUser, "Control Panel\\desktop\\WindowMetrics"};
  win32::Win32SystemParameters parameters;
  bool had_value_ = false;
  RegValue saved_;
};

TEST_F(ShellIconSizeWineTest, AnAbsentValueStaysAbsent) {
  reg.DeleteValue(kMetrics, "Shell Icon Size");
  EXPECT_EQ(RefreshShellIcons(reg, parameters), status::kOk);
  RegValue value;
  EXPECT_EQ(reg.QueryValue(kMetrics, "Shell Icon Size", value), status::kFileNotFound);
}

TEST_F(ShellIconSizeWineTest, APresentValueIsPutBackExactly) {
  ASSERT_EQ(reg.CreateKey(kMetrics), status::kOk);
  const RegValue original = RegValue::String("Shell Icon Size", "40");
  ASSERT_EQ(reg.SetValue(kMetrics, original), status::kOk);
  EXPECT_EQ(RefreshShellIcons(reg, parameters), status::kOk);
  RegValue value;
  ASSERT_EQ(reg.QueryValue(kMetrics, "Shell Icon Size", value), status::kOk);
  EXPECT_EQ(value, original);
}

class ShortcutWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test_support::TempPath("qb-shortcut-test-");
    CreateDirectoryW(Wide(folder_).c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"\\target.txt", "\\good.lnk", "\\broken.lnk"}) {
      DeleteFileW(Wide(folder_ + name).c_str());
    }
    RemoveDirectoryW(Wide(folder_).c_str());
  }
  void WriteFileBytes(const std::string& path, std::string_view bytes) {
    win32::ScopedFile file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  std::string folder_;
  win32::Win32Shortcuts shortcuts;
  MemoryDialogs dialogs;
};

TEST_F(ShortcutWineTest, ARealShortcutResolves) {
  const std::string target = folder_ + "\\target.txt";
  WriteFileBytes(target, "x");
  ASSERT_EQ(shortcuts.Create(folder_ + "\\good.lnk", target), status::kOk);
  const std::string resolved = fGetShortcutTarget(shortcuts, dialogs, folder_ + "\\good.lnk");
  EXPECT_EQ(CompareStringOrdinal(Wide(resolved).c_str(), -1, Wide(target).c_str(), -1, TRUE),
            CSTR_EQUAL)
      << resolved;
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ShortcutWineTest, AnUnreadableShortcutIsReportedAndGivesNothing) {
  WriteFileBytes(folder_ + "\\broken.lnk", "this is not a shell link");
  EXPECT_EQ(fGetShortcutTarget(shortcuts, dialogs, folder_ + "\\broken.lnk"), "");
  EXPECT_EQ(fGetShortcutTarget(shortcuts, dialogs, folder_ + "\\missing.lnk"), "");
  ASSERT_EQ(dialogs.Messages().size(), 2u);
  for (const auto& shown : dialogs.Messages()) {
    EXPECT_EQ(shown.title.rfind("Error: ", 0), 0u) << shown.title;
    EXPECT_NE(shown.text.find("\nfGetShortcutTarget"), std::string::npos) << shown.text;
    EXPECT_GT(shown.text.find('\n'), 0u) << "the system's reason comes first";
    EXPECT_EQ(shown.style, mb::kOk | mb::kIconStop);
  }
}

}  // namespace
}  // namespace qb::registry
