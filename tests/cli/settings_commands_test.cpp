// Settings by name and profiles: what export writes, apply brings about and check confirms,
// on in-memory machines.
#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "platform/memory/memory_machine.h"
#include "registry/registry_paths.h"
#include "tweaks/setting_table.h"

namespace qb::cli {
namespace {

constexpr const char* kProfile = "C:\\profile.ini";

struct Machine {
  int Run(std::vector<std::string> args) {
    output = {};
    return RunCommandLine(args, memory.services(), output);
  }
  void Write(std::string_view text) {
    memory.files.AddFile(kProfile, fileattr::kArchive, std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::string Export() {
    EXPECT_EQ(Run({"settings", "export"}), kNothingFound) << output.err;
    return output.out;
  }
  MemoryMachine memory;
  Output output;
};

// A value unlike a fresh machine's for every setting of the table.
std::string EverySetting() {
  std::string text = "[Quill Box profile]\nformat = 1\n";
  for (const tweaks::Setting& setting : tweaks::AllSettings()) {
    const std::string name(setting.name);
    const std::string value = setting.type == tweaks::SettingType::OnOff    ? "1"
                              : setting.type == tweaks::SettingType::Number ? std::to_string(setting.max - 1)
                              : setting.type == tweaks::SettingType::Colour ? "#12a4C8"
                                                                            : "Ünïcode " + name;
    text += name + " = " + value + "\n";
  }
  return text;
}

TEST(SettingsProfile, EverySettingRoundTripsThroughExportApplyAndCheck) {
  Machine first;
  first.Write(EverySetting());
  ASSERT_EQ(first.Run({"settings", "apply", kProfile}), kNothingFound) << first.output.err;
  const std::string exported = first.Export();
  EXPECT_EQ(exported.find("# "), std::string::npos) << "every setting holds a value:\n" << exported;

  Machine second;
  second.Write(exported);
  EXPECT_EQ(second.Run({"settings", "check", kProfile}), kFound);
  EXPECT_EQ(second.Run({"settings", "apply", kProfile, "--json"}), kNothingFound) << second.output.err;
  EXPECT_NE(second.output.out.find("\"compliant\": true"), std::string::npos) << second.output.out;
  EXPECT_EQ(second.Run({"settings", "check", kProfile}), kNothingFound) << second.output.out;
  EXPECT_EQ(second.Export(), exported);
  // The system settings went through the system, as the window hands them over.
  const auto& calls = second.memory.system_parameters.Calls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SystemParametersInfo 113 0 19 3"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SetDoubleClickTime 4999"), calls.end());
  EXPECT_EQ(second.memory.system_colours.Get(8), 0x00C8A412u);

  // A second apply changes nothing at all.
  const size_t system_calls = calls.size();
  const size_t colour_calls = second.memory.system_colours.Calls().size();
  EXPECT_EQ(second.Run({"settings", "apply", kProfile}), kNothingFound);
  EXPECT_EQ(second.output.out, "Nothing to change: the machine matches the profile.\n");
  EXPECT_EQ(calls.size(), system_calls);
  EXPECT_EQ(second.memory.system_colours.Calls().size(), colour_calls);
}

TEST(SettingsProfile, AProfileWithAnyFaultNamesItsLineAndChangesNothing) {
  const std::string bad_bytes("startmenu.no-run = on\n\xFF\xFE\x00\x01 = \x80\n", 30);
  const std::vector<std::pair<std::string, std::string>> faults = {
      {"startmenu.no-run = on\nstartmenu.no-such = on\n", "line 2: unknown setting"},
      {"\xEF\xBB\xBF# a\r\ninput.mouse-speed = 21\r\n", "line 2: input.mouse-speed = \"21\": expected a whole number from 1 to 20"},
      {"desktop.hide-icons = on\ndesktop.hide-icons = 0\n", "line 2: desktop.hide-icons is set twice (first on line 1)"},
      {"startmenu.no-run = yes\n", "line 1: startmenu.no-run = \"yes\": expected on or off"},
      {"[Quill Box profile]\nformat = 2\n", "line 2: format \"2\" is not known"},
      {"startmenu.no-run = on\n" + std::string(100000, 'x') + "\n", "line 2: expected name = value"},
      {bad_bytes, "line 2: unknown setting"},
      {"colours.menu = red\n", "expected a colour as #RRGGBB"},
  };
  for (const auto& [text, message] : faults) {
    Machine machine;
    const std::string before = machine.Export();
    machine.Write(text);
    EXPECT_EQ(machine.Run({"settings", "apply", kProfile}), kFailed) << message;
    EXPECT_NE(machine.output.err.find(message), std::string::npos) << machine.output.err;
    EXPECT_LT(machine.output.err.size(), 1000u);
    EXPECT_EQ(machine.Run({"settings", "check", kProfile}), kFailed);
    EXPECT_EQ(machine.Export(), before);
  }
  // The same settings with a BOM and CRLF, or LF and no header, are sound.
  for (const std::string text : {"\xEF\xBB\xBF[Quill Box profile]\r\nstartmenu.no-run = 1\r\n",
                                 "startmenu.no-run = on"}) {
    Machine machine;
    machine.Write(text);
    EXPECT_EQ(machine.Run({"settings", "check", kProfile}), kFound) << machine.output.err;
    EXPECT_EQ(machine.Run({"settings", "apply", kProfile}), kNothingFound) << machine.output.err;
    EXPECT_EQ(machine.Run({"settings", "get", "startmenu.no-run"}), kNothingFound);
    EXPECT_EQ(machine.output.out, "on\n");
  }
  Machine machine;
  EXPECT_EQ(machine.Run({"settings", "check", "C:\\missing.ini"}), kFailed);
  EXPECT_EQ(machine.Run({"settings", "set", "input.mouse-speed", "0"}), kFailed);
  EXPECT_EQ(machine.Run({"settings", "frobnicate"}), kFailed);
}

// The system's live settings come back too, not only their stored copies.
TEST(SettingsProfile, AnApplyIsJournaledAndUndoTakesItsRegistryAndSystemChangesBack) {
  Machine machine;
  const auto speed = machine.memory.system_parameters.ReadParameter(spi::kSetMouseSpeed);
  machine.Write("startmenu.no-run = on\ninput.mouse-speed = 17\n");
  EXPECT_EQ(machine.Run({"settings", "apply", kProfile}), kNothingFound) << machine.output.err;
  ASSERT_EQ(machine.memory.system_parameters.ReadParameter(spi::kSetMouseSpeed), 17u);
  EXPECT_EQ(machine.Run({"history"}), kNothingFound);
  EXPECT_NE(machine.output.out.find("settings"), std::string::npos) << machine.output.out;
  EXPECT_EQ(machine.Run({"undo", "last"}), kNothingFound) << machine.output.err << machine.output.out;
  EXPECT_EQ(machine.Run({"settings", "get", "startmenu.no-run"}), kNothingFound);
  EXPECT_EQ(machine.output.out, "off\n");
  EXPECT_EQ(machine.memory.system_parameters.ReadParameter(spi::kSetMouseSpeed), speed);
}

TEST(SettingsProfile, AStandardUserSavesWhatTheyMayAndHearsOnceWhatNeedsAnAdministrator) {
  Machine machine;
  machine.memory.registry.DenyWrites({RegRoot::LocalMachine, "SOFTWARE"});
  machine.memory.registry.DenyWrites({RegRoot::Users, ".DEFAULT"});
  machine.Write(
      "explorer.view-source-editor = C:\\edit.exe\nstartmenu.no-run = on\nstartmenu.menu-show-delay = 100\n");
  EXPECT_EQ(machine.Run({"settings", "apply", kProfile, "--json"}), kFound);
  EXPECT_NE(machine.output.out.find("\"changed\": [\"startmenu.no-run\"]"), std::string::npos) << machine.output.out;
  EXPECT_NE(machine.output.err.find("startmenu.menu-show-delay was not saved"), std::string::npos);
  EXPECT_NE(machine.output.err.find("explorer.view-source-editor was not saved"), std::string::npos);
  const std::string& err = machine.output.err;
  const size_t said = err.find("need an administrator");
  ASSERT_NE(said, std::string::npos) << err;
  EXPECT_EQ(err.find("need an administrator", said + 1), std::string::npos);
  EXPECT_EQ(machine.Run({"settings", "get", "explorer.view-source-editor"}), kFailed);
  EXPECT_NE(machine.output.err.find("is not set"), std::string::npos) << machine.output.err;
}

// A profile made on a fresh machine leaves the texts it does not hold alone elsewhere.
TEST(SettingsProfile, ATextTheExportingMachineDoesNotHoldIsLeftAsItIs) {
  Machine fresh;
  const std::string exported = fresh.Export();
  EXPECT_NE(exported.find("# explorer.download-folder: not set; left as it is"), std::string::npos) << exported;

  Machine user;
  user.Run({"settings", "set", "explorer.download-folder", "D:\\Downloads"});
  user.Write(exported);
  EXPECT_EQ(user.Run({"settings", "check", kProfile}), kNothingFound) << user.output.out;
  EXPECT_EQ(user.Run({"settings", "apply", kProfile}), kNothingFound) << user.output.err;
  EXPECT_EQ(user.Run({"settings", "get", "explorer.download-folder"}), kNothingFound);
  EXPECT_EQ(user.output.out, "D:\\Downloads\n");
}

// A line break would make one setting's value the next line of a profile.
TEST(SettingsProfile, ALineBreakInAValueNeverSetsAnotherSetting) {
  Machine machine;
  EXPECT_EQ(machine.Run({"settings", "set", "explorer.home-page", "http://a\nstartmenu.no-run = on"}), kFailed);
  EXPECT_NE(machine.output.err.find("line break"), std::string::npos) << machine.output.err;
  ASSERT_EQ(registry::RegWrite(machine.memory.registry, tweaks::FindSetting("explorer.home-page")->where,
                               "http://a\r\nstartmenu.no-run = on"),
            status::kOk);
  machine.Write(machine.Export());
  EXPECT_EQ(machine.Run({"settings", "apply", kProfile}), kNothingFound) << machine.output.err;
  EXPECT_EQ(machine.Run({"settings", "get", "startmenu.no-run"}), kNothingFound);
  EXPECT_EQ(machine.output.out, "off\n");
}

TEST(SettingsProfile, StartMenuAndDesktopSettingsSayTheyTakeEffectAtTheNextSignIn) {
  Machine machine;
  EXPECT_EQ(machine.Run({"settings", "set", "input.mouse-speed", "12"}), kNothingFound);
  EXPECT_EQ(machine.output.out.find("sign in"), std::string::npos) << machine.output.out;
  EXPECT_EQ(machine.Run({"settings", "set", "desktop.hide-icons", "on", "--json"}), kNothingFound);
  EXPECT_NE(machine.output.out.find("\"sign_in_needed\": true"), std::string::npos) << machine.output.out;
  EXPECT_EQ(machine.Run({"settings", "set", "startmenu.menu-show-delay", "100"}), kNothingFound);
  EXPECT_NE(machine.output.out.find("take effect when you next sign in"), std::string::npos) << machine.output.out;
}

}  // namespace
}  // namespace qb::cli
