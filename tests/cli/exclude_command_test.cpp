// The entries a user always keeps, and a repair limited to the findings a script chose.
#include <gtest/gtest.h>

#include "cleaner/exclusions.h"
#include "cleaner/system_health.h"
#include "cleaner/system_health_form.h"
#include "cli/command_line.h"
#include "platform/app_settings.h"
#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::cli {
namespace {

const RegKeyPath kUninstall{RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OldTool",
                            RegView::Force64};
const RegKeyPath kHistory{RegRoot::CurrentUser,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\txt"};
const RegKeyPath kShared{RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                         RegView::Force32};

class Exclusions : public ::testing::Test {
 protected:
  Exclusions() {
    machine.registry.CreateKey(kUninstall);
    machine.registry.CreateKey(kHistory);
    machine.registry.SetValue(kHistory, RegValue::String("a", "C:\\gone.txt"));
    machine.registry.CreateKey(kShared);
    machine.registry.SetValue(kShared, RegValue::Dword("C:\\Common\\gone.dll", 1));
    machine.files.AddFile("C:\\Desk\\Sub\\old.lnk");
    machine.shortcuts.SetTarget("C:\\Desk\\Sub\\old.lnk", "C:\\gone.exe");
  }
  int Run(std::vector<std::string> args) {
    output = {};
    return RunCommandLine(args, machine.services(), output);
  }
  // Which of the four findings are still there.
  std::string Present() {
    RegValue value;
    uint32_t attributes = 0;
    return std::string(machine.registry.OpenKey(kUninstall, 1) == status::kOk ? "U" : "-") +
           (machine.registry.QueryValue(kHistory, "a", value) == status::kOk ? "H" : "-") +
           (machine.registry.QueryValue(kShared, "C:\\Common\\gone.dll", value) == status::kOk ? "S" : "-") +
           (machine.files.GetAttributes("C:\\Desk\\Sub\\old.lnk", attributes) == status::kOk ? "L" : "-");
  }

  MemoryMachine machine;
  Output output;
};

TEST_F(Exclusions, AKeyValueAndFolderAreKeptByCheckAndRepairAndCountedApart) {
  // Letter case differs from the registry's on purpose: the system ignores it.
  for (const std::string& entry : std::vector<std::string>{
           "hkey_local_machine\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OldTool",
        "HKEY_CURRENT_USER\\" + kHistory.path + " [a]", "C:\\desk"}) {
    ASSERT_EQ(Run({"exclude", "add", entry}), kNothingFound) << output.err;
  }
  EXPECT_EQ(Run({"exclude", "add", "C:\\DESK"}), kNothingFound);
  EXPECT_NE(output.out.find("Already kept"), std::string::npos);
  EXPECT_EQ(Run({"exclude", "list"}), kNothingFound);
  EXPECT_EQ(output.out.find("C:\\DESK"), std::string::npos) << output.out;

  EXPECT_EQ(Run({"check", "all", "--json"}), kFound);
  EXPECT_NE(output.out.find("\"uninstall\":{\"found\":0,\"excluded\":1"), std::string::npos) << output.out;
  EXPECT_NE(output.out.find("\"shortcuts\":{\"found\":0,\"excluded\":1"), std::string::npos) << output.out;
  EXPECT_NE(output.out.find("\"file\":\"C:\\\\Desk\\\\Sub\\\\old.lnk\",\"path\":\"C:\\\\gone.exe\",\"verdict\":\"excluded\""),
            std::string::npos) << output.out;

  // The window's runs, every category in turn, keep them too, and say so in the chosen language.
  AppSettings(machine.registry).Save("Vorlix", "Language", "lng", "Deutsch");
  machine.profile.SetFile("C:\\Program Files\\Quill Box\\languages\\Deutsch.ini",
                          "[Vorlix]\r\n8130=behalten: ausgenommen\r\n");
  ui::HeadlessHost host;
  ui::Application app(host);
  host.Attach(app);
  ui::Form owner{"mainform", "Quill Box", 9000, 6000};
  size_t window_found = 0;
  {
    cleaner::SystemHealthWindow window(app, machine.services());
    host.on_modal = [&](ui::Form& form) {
      for (const auto& names : cleaner::kFrames) {
        form[names.button].RaiseClick();
        window_found += std::stoul(form[names.found].Caption());
      }
      EXPECT_NE(form["label29"].Caption().find("behalten: ausgenommen 1"), std::string::npos)
          << form["label29"].Caption();
    };
    app.ShowModal(window.Form(), &owner);
  }
  EXPECT_EQ(window_found, 1u);
  EXPECT_EQ(Present(), "UH-L");
  machine.registry.SetValue(kShared, RegValue::Dword("C:\\Common\\gone.dll", 1));

  EXPECT_EQ(Run({"repair", "all"}), kFound) << output.err;
  EXPECT_EQ(Present(), "UH-L") << output.out;

  // The value's own exclusion, once removed, no longer keeps it.
  EXPECT_EQ(Run({"exclude", "remove", "HKEY_CURRENT_USER\\" + kHistory.path + " [A]"}), kNothingFound);
  EXPECT_EQ(Run({"repair", "history"}), kFound);
  EXPECT_EQ(Present(), "U--L");
}

TEST_F(Exclusions, FileWithCommentsRepeatsMarkAndNonsenseLoadsAndKeepsItsLines) {
  std::string text = "\xEF\xBB\xBF; shipped by the administrator\r\n\r\n# another comment\r\n"
                     "  C:\\Desk\\Sub\\old.lnk\t\r\nc:\\desk\\sub\\OLD.lnk\r\nnothing sensible [at all]\r\n"
                     "HKEY_NOWHERE\\x\r\n\\\r\n[\r\n";
  for (int i = 0; i < 10000; ++i) text += "HKEY_CURRENT_USER\\Software\\Maker" + std::to_string(i) + "\n";
  const cleaner::Exclusions list = cleaner::Exclusions::FromBytes({text.begin(), text.end()});
  ASSERT_EQ(list.Entries().size(), 10005u);
  EXPECT_EQ(list.Entries()[0], "C:\\Desk\\Sub\\old.lnk");
  EXPECT_EQ(list.Entries()[1], "nothing sensible [at all]");
  cleaner::Removal shortcut;
  shortcut.file = "C:\\Desk\\Sub\\old.lnk";
  EXPECT_TRUE(list.Keeps(shortcut));
  shortcut.file = "C:\\Desk\\Sub\\old.lnk2";
  EXPECT_FALSE(list.Keeps(shortcut));
  EXPECT_TRUE(list.Keeps({{RegRoot::CurrentUser, "software\\maker9999", RegView::Native}, "v", {}}));
  EXPECT_FALSE(list.Keeps({{RegRoot::CurrentUser, "Software\\Maker9999\\Sub", RegView::Native}, {}, {}}));
  // Written back, every entry survives, the nonsense included.
  EXPECT_EQ(cleaner::Exclusions::FromBytes(list.ToBytes()).Entries(), list.Entries());
}

// As a registry editor, "reg query" and the cleaner's own backup files name them.
TEST_F(Exclusions, KeysNamedWithShortRootsOrTheir32BitFolderAreKeptAndNonsenseIsRefused) {
  const std::string uninstall32 = "HKLM\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Old32";
  const std::string shared = "HKEY_LOCAL_MACHINE\\SOFTWARE\\wow6432node\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
  for (const std::string& entry : {uninstall32, shared + " [C:\\Common\\gone.dll]", "HKCU\\" + kHistory.path}) {
    ASSERT_EQ(Run({"exclude", "add", entry}), kNothingFound) << output.err;
  }
  const cleaner::Exclusions list = cleaner::LoadExclusions(machine.files, machine.environment);
  EXPECT_TRUE(list.Keeps({{RegRoot::LocalMachine, kUninstall.path.substr(0, kUninstall.path.size() - 7) + "Old32",
                           RegView::Force32}, {}, {}}));
  EXPECT_TRUE(list.Keeps({kShared, "C:\\Common\\gone.dll", {}}));
  EXPECT_TRUE(list.Keeps({kHistory, "a", {}}));
  EXPECT_FALSE(list.Keeps({kUninstall, {}, {}}));

  for (const char* nonsense : {"OldTool", "HKEY_NOWHERE\\x", "Desk\\old.lnk"}) {
    EXPECT_EQ(Run({"exclude", "add", nonsense}), kFailed) << nonsense;
    EXPECT_NE(output.err.find(nonsense), std::string::npos) << output.err;
  }
  EXPECT_EQ(cleaner::LoadExclusions(machine.files, machine.environment).Entries().size(), 3u);
}

TEST_F(Exclusions, RepairOnlyRemovesTheFindingsAnEditedReportLists) {
  ASSERT_EQ(Run({"check", "all", "--json"}), kFound);
  std::string report = output.out;
  // The script keeps the history value and the shortcut: the other two lines go.
  std::vector<std::string> lines;
  for (size_t at = 0, end; at < report.size(); at = end + 1) {
    end = report.find('\n', at);
    const std::string line = report.substr(at, end - at);
    if (line.find("\"uninstall\",\"view\"") == std::string::npos &&
        line.find("\"shared\",\"view\"") == std::string::npos) {
      lines.push_back(line);
    }
  }
  std::string edited;
  for (const auto& line : lines) edited += line + "\n";
  // The line before the last kept finding loses nothing, but its comma may now dangle.
  for (size_t at; (at = edited.find(",\n]")) != std::string::npos;) edited.erase(at, 1);
  machine.files.WriteFile("C:\\edited.json", {edited.begin(), edited.end()});
  EXPECT_EQ(Run({"repair", "all", "--only", "C:\\edited.json"}), kFound) << output.err << edited;
  EXPECT_EQ(Present(), "U-S-") << output.out << edited;

  const std::string broken = "{\"findings\":[{\"category\":1}]}";
  machine.files.WriteFile("C:\\broken.json", {broken.begin(), broken.end()});
  EXPECT_EQ(Run({"repair", "all", "--only", "C:\\broken.json"}), kFailed);
  EXPECT_NE(output.err.find("finding 1"), std::string::npos) << output.err;
  EXPECT_EQ(Run({"check", "all", "--only", "C:\\edited.json"}), kFailed);
}

}  // namespace
}  // namespace qb::cli
