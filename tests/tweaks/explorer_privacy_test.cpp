#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "tweaks/explorer_options_page.h"
#include "tweaks/privacy_page.h"

namespace qb::tweaks::testing {
namespace {

constexpr std::string_view kRegistryTools =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\"
    "DisableRegistryTools";
constexpr std::string_view kTypedUrls =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs\\url1";
constexpr std::string_view kWindowTitle =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Window Title";
constexpr std::string_view kEditor =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor "
    "Name\\";
constexpr std::string_view kStartPage =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page";

class ExplorerPagesTest : public MainFormPageTest {
 protected:
  // As the main window does it: handlers first, then the stored state.
  void WireAndLoad() {
    WireExplorerOptionsPage(form, services, hooks);
    WirePrivacyPage(form, services, hooks);
    LoadExplorerOptionsPage(form, services);
    LoadPrivacyPage(form, services);
  }
  void TypeThreeBoxesAndApply() {
    form["changetxt"].SetText("Browser");
    form["editortxt"].SetText("C:\\edit.exe");
    form["hometxt"].SetText("https://start/");
    form["applycmd"].RaiseClick();
  }
};

// Fault guarded: the tab's boxes started with design text and the policy box cleared, so an
// Apply made for one setting wrote an example home page and re-enabled the registry tools
// an administrator had disabled. Every control now shows the stored value, and an untouched
// page applied changes nothing.
TEST_F(ExplorerPagesTest, UntouchedPagesShowTheStoredStateAndApplyChangesNothing) {
  StoreText(kWindowTitle, "Work");
  StoreText(kEditor, "C:\\Tools\\edit.exe");
  StoreText(kStartPage, "https://intranet/");
  StoreText(kDownloadFolderPath, "D:\\Downloads");
  StoreText(kFullScreenPath, "YES");
  Store(kKeepCachePath, 0);
  Store(kRegistryTools, 1);
  machine.registry.ClearWriteLog();

  WireAndLoad();
  for (const auto& [box, text] : std::vector<std::pair<std::string, std::string>>{
           {"changetxt", "Work"}, {"editortxt", "C:\\Tools\\edit.exe"}, {"hometxt", "https://intranet/"},
           {"txtDownloadFolder", "D:\\Downloads"}}) {
    EXPECT_EQ(form[box].Text(), text) << box;
  }
  for (const char* box : {"FullCheck", "EmptyCheck", "disableregchk"}) EXPECT_EQ(form[box].Value(), 1) << box;

  form["applycmd"].RaiseClick();
  form["applyprivacy"].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ExplorerPagesTest, CheckBoxesAndNoneWriteAtOnceInTheirOwnForms) {
  StoreText(kToolbarBitmapPath, "C:\\bg.bmp");
  WireAndLoad();
  const struct { const char* control; int value; std::string_view path; RegValue stored; } cases[] = {
      {"FullCheck", 1, kFullScreenPath, RegValue::String("FullScreen", "yes")},
      {"FullCheck", 0, kFullScreenPath, RegValue::String("FullScreen", "no")},
      {"EmptyCheck", 1, kKeepCachePath, RegValue::Dword("Persistent", 0)},
      {"EmptyCheck", 0, kKeepCachePath, RegValue::Dword("Persistent", 1)},
  };
  for (const auto& c : cases) {
    form[c.control].SetValue(c.value);
    EXPECT_EQ(Read(c.path), c.stored) << c.control << " " << c.value;
  }
  form["nonecmd"].RaiseClick();
  EXPECT_EQ(Read(kToolbarBitmapPath), RegValue::String("BackBitmap", ""));
  EXPECT_TRUE(Messages().empty());
}

// Fault guarded: a refused immediate write ended the program.
TEST_F(ExplorerPagesTest, ARefusedImmediateWriteGetsAPlainMessage) {
  WireAndLoad();
  machine.registry.DenyWrites({RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer"});
  form["FullCheck"].SetValue(1);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "This change was not saved:\n\n" + std::string(kFullScreenPath) +
                                    "\n    Access is denied.\n\nChanging machine-wide settings "
                                    "and the settings of other users needs an administrator. "
                                    "Start Quill Box as an administrator to save them.");
}

TEST_F(ExplorerPagesTest, ApplyWritesTheChangedBoxesInOrderAndTheEditorAsTheKeysDefault) {
  WireAndLoad();
  TypeThreeBoxesAndApply();
  std::vector<std::string> sets;
  for (const auto& line : machine.registry.WriteLog()) {
    if (line.rfind("SetValue", 0) == 0) sets.push_back(line);
  }
  EXPECT_EQ(sets, (std::vector<std::string>{
                      "SetValue HKCU\\Software\\Microsoft\\Internet Explorer\\Main [Window Title]",
                      "SetValue HKLM\\SOFTWARE\\Microsoft\\Internet Explorer\\View Source "
                      "Editor\\Editor Name []",
                      "SetValue HKCU\\Software\\Microsoft\\Internet Explorer\\Main [Start Page]"}));
  EXPECT_EQ(Read(kEditor), RegValue::String("", "C:\\edit.exe"));
}

// A standard user cannot write the machine-wide editor key: the two per-user boxes are
// saved and one message names the editor.
TEST_F(ExplorerPagesTest, ARefusedMachineWideEditorIsSkippedAndNamed) {
  WireAndLoad();
  machine.registry.DenyWrites({RegRoot::LocalMachine, "SOFTWARE"});
  TypeThreeBoxesAndApply();
  EXPECT_EQ(Read(kWindowTitle).AsString(), "Browser");
  EXPECT_EQ(Read(kStartPage).AsString(), "https://start/");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find(std::string(kEditor) + "\n    Access is denied."),
            std::string::npos);
  EXPECT_NE(Messages()[0].text.find("needs an administrator"), std::string::npos);
}

TEST_F(ExplorerPagesTest, ClearingTypedAddressesLeavesAnEmptyKeyWhetherOrNotOneExisted) {
  for (bool existed : {true, false}) {
    MemoryMachine fresh;
    Services fresh_services = fresh.services();
    if (existed) registry::RegWrite(fresh.registry, kTypedUrls, "http://secret/");
    WirePrivacyPage(form, fresh_services, hooks);
    form["ieclearh"].SetValue(1);
    form["applyprivacy"].RaiseClick();
    const RegKeyPath key{RegRoot::CurrentUser, std::string(kTypedUrlsKey)};
    std::vector<RegValue> values;
    EXPECT_EQ(fresh.registry.EnumValues(key, values), status::kOk) << existed;
    EXPECT_TRUE(values.empty()) << existed;
    EXPECT_TRUE(fresh.dialogs.Messages().empty());
  }
}

// With nothing stored, the design state stays and neither Apply writes anything.
TEST_F(ExplorerPagesTest, ApplyOnAnEmptyMachineWritesNothingAndThePolicyOnlyWhenChanged) {
  WireAndLoad();
  EXPECT_EQ(form["hometxt"].Text(), "");
  EXPECT_EQ(form["FullCheck"].Value(), 0);
  form["applycmd"].RaiseClick();
  form["applyprivacy"].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  form["disableregchk"].SetValue(1);
  form["applyprivacy"].RaiseClick();
  EXPECT_EQ(Read(kRegistryTools), RegValue::Dword("DisableRegistryTools", 1));
  form["disableregchk"].SetValue(0);
  form["applyprivacy"].RaiseClick();
  EXPECT_EQ(Read(kRegistryTools), RegValue::Dword("DisableRegistryTools", 0));
}

// Fault guarded: Apply wrote every box that differed from the stored value, so values the
// page cannot show became empty text or a lifted policy, and values another program set
// while the page was open were put back. Only what the user changed is written.
TEST_F(ExplorerPagesTest, ApplyWritesOnlyWhatTheUserChanged) {
  const struct { std::string_view path; RegValue at_load; std::optional<RegValue> meanwhile; } kept[] = {
      {kWindowTitle, RegValue::MultiString("Window Title", {"a", "b"}), RegValue::String("Window Title", "Other")},
      {kEditor, RegValue::Binary("", {1, 2}), std::nullopt},
      {kRegistryTools, RegValue::Binary("DisableRegistryTools", {1, 0, 0, 0}), std::nullopt},
      {kStartPage, RegValue::String("Start Page", "https://a/"), RegValue::String("Start Page", "https://b/")},
  };
  for (const auto& c : kept) StoreRaw(c.path, c.at_load);
  WireAndLoad();
  EXPECT_EQ(form["changetxt"].Text(), "");  // shown as unset
  for (const auto& c : kept) {
    if (c.meanwhile) StoreRaw(c.path, *c.meanwhile);
  }
  form["ieclearh"].SetValue(1);
  form["applycmd"].RaiseClick();
  form["applyprivacy"].RaiseClick();
  for (const auto& c : kept) EXPECT_EQ(Read(c.path), c.meanwhile.value_or(c.at_load)) << c.path;

  // The user's choice wins, even typed back to what the page showed; once applied, another
  // program's change stays again.
  form["hometxt"].SetText("https://mine/");
  form["hometxt"].SetText("https://a/");
  form["applycmd"].RaiseClick();
  EXPECT_EQ(Read(kStartPage).AsString(), "https://a/");
  StoreText(kStartPage, "https://c/");
  form["applycmd"].RaiseClick();
  EXPECT_EQ(Read(kStartPage).AsString(), "https://c/");
  EXPECT_TRUE(Messages().empty());
}

// The history key cannot be made again: the key routine's own message, and the policy the
// user changed is still saved.
TEST_F(ExplorerPagesTest, AKeyThatCannotBeMadeAgainGetsTheKeyRoutinesMessage) {
  WireAndLoad();
  machine.registry.DenyWrites({RegRoot::CurrentUser, std::string(kTypedUrlsKey)});
  form["ieclearh"].SetValue(1);
  form["disableregchk"].SetValue(1);
  form["applyprivacy"].RaiseClick();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Cannot Create Sub Key !!\nAccess is denied");
  EXPECT_EQ(Read(kRegistryTools), RegValue::Dword("DisableRegistryTools", 1));
}

}  // namespace
}  // namespace qb::tweaks::testing
