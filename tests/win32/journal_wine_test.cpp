// The Input page applied through the journaled real services, then undone: the registry and
// the live system settings come back as they were; the restore point Wine cannot make is
// told once.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_form_layout.h"
#include "journal/journal_place.h"
#include "platform/win32/win32_machine.h"
#include "tweaks/input_page.h"
#include "win32/registry_keeper.h"
#include "win32/temp_path.h"

namespace qb::journal {
namespace {

TEST(JournalOnWine, InputApplyIsOneActionAndItsUndoGivesBackTheRegistryAndTheSystem) {
  win32::Win32Machine machine;
  test_support::RegistryKeeper keeper{machine.registry};
  for (const char* path : {"HKCU\\Control Panel\\Mouse\\MouseSensitivity",
                           "HKCU\\Control Panel\\Keyboard\\KeyboardSpeed",
                           "HKCU\\Control Panel\\Mouse\\DoubleClickSpeed"}) {
    keeper.Keep(path);
  }
  const std::string folder = test_support::TempPath("qbjournal");
  ASSERT_TRUE(CreateDirectoryW(win32::Wide(folder).c_str(), nullptr));
  const auto read = [&](uint32_t action) {
    return machine.system_parameters.ReadParameter(action).value_or(12345);
  };
  const uint32_t speed = read(spi::kSetMouseSpeed);
  const uint32_t double_click = read(spi::kSetDoubleClickTime);
  const std::string mouse_key = "Control Panel\\Mouse";
  RegValue sensitivity_before;
  const Status had = machine.registry.QueryValue({RegRoot::CurrentUser, mouse_key},
                                                 "MouseSensitivity", sensitivity_before);
  {
    JournaledServices journaled(machine.services(), folder + "\\journal.qbj");
    auto form = app::CreateMainForm();
    tweaks::WireInputPage(*form, journaled.services(), {});
    tweaks::LoadInputPage(*form, journaled.services());
    (*form)["SpeedSlider"].SetValue(speed == 7 ? 8 : 7);
    (*form)["DoubleSlider"].SetValue((*form)["DoubleSlider"].Value() == 3 ? 4 : 3);
    {
      const ActionScope scope(&journaled.journal(), [] { return "Input"; }, form.get(),
                              machine.clock, nullptr);
      (*form)["inputcmd"].RaiseClick();
    }
    ASSERT_NE(read(spi::kSetMouseSpeed), speed);
    const std::vector<Record> records = journaled.journal().Load().records;
    ASSERT_EQ(ActionIds(records).size(), 1u);
    // Wine's System Restore makes no point: the run says so once, and its change stands.
    const auto is_note = [](const Record& r) { return r.kind == ItemKind::Note; };
    ASSERT_EQ(std::count_if(records.begin(), records.end(), is_note), 1);
    const Record& note = *std::find_if(records.begin(), records.end(), is_note);
    EXPECT_NE(note.detail.find("can still be undone"), std::string::npos) << note.detail;
    const UndoResult result = UndoRecords(records, journaled.UndoThrough());
    EXPECT_TRUE(result.left.empty()) << result.left.front();
    EXPECT_TRUE(result.failed.empty()) << result.failed.front();
  }
  EXPECT_EQ(read(spi::kSetMouseSpeed), speed);
  EXPECT_EQ(read(spi::kSetDoubleClickTime), double_click);
  RegValue sensitivity;
  EXPECT_EQ(machine.registry.QueryValue({RegRoot::CurrentUser, mouse_key}, "MouseSensitivity",
                                        sensitivity),
            had);
  if (had == status::kOk) {
    EXPECT_EQ(sensitivity, sensitivity_before);
  }
  test_support::RemoveTree(win32::Wide(folder));
}

}  // namespace
}  // namespace qb::journal
