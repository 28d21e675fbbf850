// The whole way back on the real machine: tweaks on four pages, a folder icon and a cleaner
// run made through the main window, the program started again, and "Undo all since" pressed
// in the History window: the registry and the touched files are as they were before.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

#include "app/action_scopes.h"
#include "app/main_window.h"
#include "cleaner/application_paths.h"
#include "cleaner/uninstall_entries.h"
#include "journal/journal_place.h"
#include "platform/memory/memory_power.h"
#include "platform/memory/memory_services.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_machine.h"
#include "support/services_with.h"
#include "ui/headless_host.h"
#include "win32/small_png.h"
#include "win32/temp_path.h"

namespace qb::app {
namespace {

// What the comparison leaves out, because the program or Windows rewrites it on every run:
// the program's own remembered choices (window place, last page), the shell's and the
// system's bookkeeping of what ran, and the start-up lists Wine fills as its programs start.
bool RewrittenByEveryRun(const std::string& key) {
  for (const char* part : {"VB and VBA Program Settings", "\\Explorer\\", "Wine\\",
                           "\\SessionInfo", "\\Volatile Environment", "CurrentVersion\\Run"}) {
    if (key.find(part) != std::string::npos) return true;
  }
  return false;
}

void Dump(Registry& registry, const RegKeyPath& key, std::set<std::string>& out) {
  if (RewrittenByEveryRun(key.path)) return;
  out.insert(key.path);
  std::vector<RegValue> values;
  if (registry.EnumValues(key, values) == status::kOk) {
    for (const RegValue& v : values) {
      out.insert(key.path + " | " + v.name + " | " + std::to_string(v.type) + " | " +
                 std::string(v.data.begin(), v.data.end()));
    }
  }
  std::vector<std::string> names;
  registry.EnumKeys(key, names);
  for (const std::string& name : names) Dump(registry, key.Child(name), out);
}

// Every key and value of the user's hive and of the machine's software, both views, and the
// touched folder's files with their attributes and bytes.
std::set<std::string> State(win32::Win32Machine& machine, const std::string& folder) {
  std::set<std::string> state;
  Dump(machine.registry, {RegRoot::CurrentUser, ""}, state);
  Dump(machine.registry, {RegRoot::LocalMachine, "Software", RegView::Force64}, state);
  Dump(machine.registry, {RegRoot::LocalMachine, "Software", RegView::Force32}, state);
  std::vector<FileEntry> entries;
  machine.files.FindFiles(folder + "\\*", entries);
  for (const FileEntry& entry : entries) {
    std::vector<uint8_t> bytes;
    machine.files.ReadFile(folder + "\\" + entry.name, bytes);
    state.insert(entry.name + " | " + std::to_string(entry.attributes) + " | " +
                 std::string(bytes.begin(), bytes.end()));
  }
  state.insert("folder | " + std::to_string(GetFileAttributesW(win32::Wide(folder).c_str())));
  return state;
}

std::string Difference(const std::set<std::string>& a, const std::set<std::string>& b) {
  std::vector<std::string> only;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
  std::string text;
  for (size_t i = 0; i < only.size() && i < 20; ++i) text += "  " + only[i].substr(0, 200) + "\n";
  return text;
}

class NoSplash : public ui::SplashScreen {
 public:
  void Show(const std::string&) override {}
  void Close() override {}
};

// One run of the program on the real machine, its changes journaled; message boxes are
// answered by the test instead of waiting on the screen.
class ProgramRun {
 public:
  ProgramRun(const Services& real, const std::string& journal_path)
      : journaled_(real, journal_path) {
    host_.Attach(app_);
    app_.on_loaded = [this](ui::Form& form) {
      ScopeHandlers(app_, form, journaled_.journal(), journaled_.services());
    };
    window_ = std::make_unique<MainWindow>(app_, journaled_.services(), splash_, &journaled_);
    app_.Show(window_->Form());
  }
  ~ProgramRun() { app_.UnloadAll(ui::CloseReason::User); }
  ui::Form& Form() { return window_->Form(); }
  ui::HeadlessHost& Host() { return host_; }
  void Flip(const char* check) { Form()[check].SetValue(Form()[check].Value() == 1 ? 0 : 1); }

 private:
  journal::JournaledServices journaled_;
  ui::HeadlessHost host_;
  ui::Application app_{host_};
  NoSplash splash_;
  std::unique_ptr<MainWindow> window_;
};

TEST(UndoAllOnWine, FourPagesAFolderIconAndACleanerRunComeBackAfterARestart) {
  win32::ComApartment com;
  win32::Win32Machine machine;
  // Message boxes are answered by the test, and the Start Menu's restart is only recorded.
  MemoryDialogs dialogs;
  MemoryPower power;
  const Services services =
      test_support::ServicesWith(machine.services(), {.dialogs = &dialogs, .power = &power});
  test_support::TempFolder scratch{"qb-undo-all-"};
  const std::string folder = scratch.path + "\\Holidays";
  ASSERT_EQ(machine.files.CreateFolder(folder), status::kOk);
  ASSERT_EQ(machine.files.WriteFile(folder + "\\Desktop.ini",
                                    std::vector<uint8_t>{'[', '.', 'S', 'h', 'e', 'l', 'l', 'C', 'l',
                                                         'a', 's', 's', 'I', 'n', 'f', 'o', ']'}),
            status::kOk);
  const std::string picture = scratch.path + "\\holiday.png";
  ASSERT_EQ(machine.files.WriteFile(picture, test_support::SmallPng()),
            status::kOk);
  // Entries the cleaner removes: an application path to a file that is gone and an
  // uninstall entry without a command, in the 64-bit view.
  const RegKeyPath gone{RegRoot::LocalMachine,
                        std::string(cleaner::kAppPathsArea) + "\\QbUndoAllGone.exe", RegView::Force64};
  const RegKeyPath orphan{RegRoot::LocalMachine,
                          std::string(cleaner::kUninstallArea) + "\\QbUndoAllOrphan", RegView::Force64};
  ASSERT_EQ(machine.registry.CreateKey(gone), status::kOk);
  machine.registry.SetValue(gone, RegValue::String("", scratch.path + "\\Gone\\gone.exe"));
  ASSERT_EQ(machine.registry.CreateKey(orphan), status::kOk);
  machine.registry.SetValue(orphan, RegValue::String("DisplayName", "Left behind"));
  const std::set<std::string> before = State(machine, folder);
  const std::string journal_path = scratch.path + "\\journal.qbj";

  {
    ProgramRun run(services, journal_path);
    run.Form()["Command1"].RaiseClick();  // Explorer: the Start Menu tab and Privacy
    run.Flip("runchk");
    dialogs.ScriptAnswer(mb::kIdYes);  // "Are you sure to restart?"
    run.Form()["applymenu"].RaiseClick();
    run.Flip("disableregchk");
    run.Form()["applyprivacy"].RaiseClick();
    run.Form()["Command6"].RaiseClick();  // Input
    ui::Control& speed = run.Form()["SpeedSlider"];
    speed.SetValue(speed.Value() == 7 ? 8 : 7);
    run.Form()["inputcmd"].RaiseClick();
    run.Form()["Command4"].RaiseClick();  // Visual
    run.Flip("fsmooth");
    run.Form()["applyvisualcmd"].RaiseClick();

    run.Host().on_modal = [&](ui::Form& form) {
      if (form.Name() == "iconsfrm") {
        form["folder1"].SetValue(1);
        form["Command1"].RaiseClick();
      } else if (form.Name() == "iconfolderfrm") {
        form["Dir1"].TextChangedByUser(folder);
        form["Text1"].SetText(picture);
        form["Command1"].RaiseClick();
      } else if (form.Name() == "pchealth") {
        form["checkcmd"].RaiseClick();
        form["check2cmd"].RaiseClick();
      }
    };
    run.Form()["iconcmd"].RaiseClick();
    run.Form()["Command3"].RaiseClick();  // System Health
  }
  ASSERT_NE(State(machine, folder), before) << "nothing was changed: the test proves nothing";
  ASSERT_EQ(dialogs.Messages().size(), 1u) << dialogs.Messages().back().text;

  {
    ProgramRun again(services, journal_path);
    again.Host().on_modal = [&](ui::Form& form) {
      if (form.Name() != "historyfrm") return;
      EXPECT_EQ(form["actions"].Rows().size(), 7u);
      // The cleaner run's items read as the registry held them: the entry it removed was there.
      std::string removed;
      for (int row = 0; row < static_cast<int>(form["actions"].Rows().size()); ++row) {
        form["actions"].SetListIndex(row);
        for (const ui::ListRow& item : form["items"].Rows()) {
          if (item.cells[0].find("QbUndoAllGone.exe") != std::string::npos) removed = item.cells[1] + " -> " + item.cells[2];
        }
      }
      EXPECT_EQ(removed, "present -> absent");
      form["sincetext"].SetText("2000-01-01");
      form["undosincecmd"].RaiseClick();
    };
    again.Form()["historycmd"].RaiseClick();
  }
  const std::set<std::string> after = State(machine, folder);
  EXPECT_TRUE(after == before) << "changed and not given back:\n" << Difference(before, after)
                               << "new since:\n" << Difference(after, before)
                               << "History said: " << dialogs.Messages().back().text;
  machine.registry.DeleteKey(gone);
  machine.registry.DeleteKey(orphan);
}

}  // namespace
}  // namespace qb::app
