// Settings profiles against the real registry and system: export, a changed machine, apply
// brings the profile back through the system, and check agrees.
#include <windows.h>

#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "platform/win32/win32_machine.h"
#include "registry_keeper.h"
#include "temp_path.h"
#include "tweaks/setting_table.h"

namespace qb::cli {
namespace {

int RunCli(win32::Win32Machine& machine, std::vector<std::string> args, Output& output) {
  output = {};
  return RunCommandLine(args, machine.services(), output);
}

TEST(SettingsProfileOnWine, ExportApplyAndCheckGoThroughTheRegistryAndTheSystem) {
  win32::Win32Machine machine;
  test_support::RegistryKeeper keeper(machine.registry);
  for (const char* path : {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoRun",
                           "HKCU\\Control Panel\\Mouse\\MouseSensitivity", "HKCU\\Control Panel\\Desktop\\FontSmoothing",
                           "HKCU\\Control Panel\\Desktop\\MenuShowDelay"}) {
    keeper.Keep(path);
  }
  int speed = 0;
  BOOL smoothing = FALSE;
  SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
  SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &smoothing, 0);

  const std::string profile = test_support::TempPath("qb_profile") + ".ini";
  Output output;
  ASSERT_EQ(RunCli(machine, {"settings", "export", profile}, output), kNothingFound) << output.err;
  EXPECT_EQ(RunCli(machine, {"settings", "check", profile}, output), kNothingFound) << output.out;

  // A machine that has drifted: another program changed the settings meanwhile.
  const std::string drift = test_support::TempPath("qb_drift") + ".ini";
  const std::string wanted = "startmenu.no-run = on\ninput.mouse-speed = " + std::to_string(speed == 7 ? 13 : 7) +
                             "\nvisual.font-smoothing = " + (smoothing ? "off" : "on") + "\n";
  ASSERT_EQ(machine.files.WriteFile(drift, std::vector<uint8_t>(wanted.begin(), wanted.end())), status::kOk);
  EXPECT_EQ(RunCli(machine, {"settings", "check", drift}, output), kFound);
  const int applied = RunCli(machine, {"settings", "apply", drift, "--json"}, output);
  EXPECT_EQ(applied, kNothingFound) << output.err << output.out;
  EXPECT_EQ(RunCli(machine, {"settings", "check", drift}, output), kNothingFound) << output.out;
  EXPECT_NE(test_support::RegQuery("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoRun")
                .find("0x1"),
            std::string::npos);
  int speed_now = 0;
  BOOL smoothing_now = smoothing;
  SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed_now, 0);
  SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &smoothing_now, 0);
  EXPECT_EQ(speed_now, speed == 7 ? 13 : 7);
  EXPECT_NE(smoothing_now, smoothing);

  // The first profile puts everything back, and the machine matches it again.
  EXPECT_EQ(RunCli(machine, {"settings", "check", profile}, output), kFound);
  EXPECT_EQ(RunCli(machine, {"settings", "apply", profile}, output), kNothingFound) << output.err;
  EXPECT_EQ(RunCli(machine, {"settings", "check", profile}, output), kNothingFound) << output.out;
  SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed_now, 0);
  EXPECT_EQ(speed_now, speed);
  DeleteFileA(profile.c_str());
  DeleteFileA(drift.c_str());
}

}  // namespace
}  // namespace qb::cli
