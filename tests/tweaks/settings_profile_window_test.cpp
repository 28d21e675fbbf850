// The window's export and import on in-memory machines: the preview before anything is
// written, Cancel, Apply, and a faulty profile.
#include "tweaks/settings_profile_window.h"

#include <gtest/gtest.h>

#include "errorlog/error_log.h"
#include "journal/journal_place.h"
#include "journal/undo.h"
#include "language/language_catalogue.h"
#include "platform/app_settings.h"
#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::tweaks {
namespace {

constexpr const char* kFile = "C:\\profile.ini";

struct Window {
  Window() { host.Attach(app); }
  void WhileOpen(std::function<void(ui::Form&)> steps) {
    host.on_modal = std::move(steps);
    SettingsProfileWindow window(app, machine.services(), machine.files, main_skin, [this] { ++refreshed; });
    app.ShowModal(window.Form(), nullptr);
  }
  void Import(ui::Form& form) {
    machine.dialogs.ScriptFile(kFile);
    form["Command2"].RaiseClick();
  }
  std::string Read() {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(machine.files.ReadFile(kFile, bytes), status::kOk);
    return {bytes.begin(), bytes.end()};
  }
  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  skin::SkinInstance main_skin;
  int refreshed = 0;
};

void Set(Window& window, std::string_view name, std::string_view value) {
  UnsavedChanges unsaved;
  ASSERT_TRUE(WriteSetting(window.machine.services(), *FindSetting(name), value, unsaved));
}

// The exported file is the user's, as the error log is the program's: undoing every change to
// the machine leaves both where they are.
TEST(SettingsProfileWindow, AnExportAndTheErrorLogAreNoChangesToTakeBack) {
  Window window;
  window.machine.files.AddFolder("C:\\Journal");
  journal::JournaledServices journaled(window.machine.services(), "C:\\Journal\\journal.qbj");
  window.host.on_modal = [&](ui::Form& form) {
    const journal::ActionScope scope(&journaled.journal(), [] { return "Settings profiles"; }, &form,
                                     window.machine.clock, nullptr);
    window.machine.dialogs.ScriptFile(kFile);
    form["Command1"].RaiseClick();
    errorlog::ErrorLog(journaled.services()).LogError(5, "OpenProcess failed", "mdlMisc", "Kill_Process");
  };
  SettingsProfileWindow profiles(window.app, journaled.services(), window.machine.files, window.main_skin, nullptr);
  window.app.ShowModal(profiles.Form(), nullptr);
  const auto records = journal::Journal(window.machine.files, "C:\\Journal\\journal.qbj").Load().records;
  EXPECT_EQ(std::count_if(records.begin(), records.end(),
                          [](const journal::Record& r) { return r.kind == journal::ItemKind::File; }),
            0);
  journal::UndoRecords(records, journaled.UndoThrough());
  EXPECT_NE(window.Read().find("[Quill Box profile]"), std::string::npos);
  std::vector<uint8_t> log;
  EXPECT_EQ(window.machine.files.ReadFile("C:\\Program Files\\Quill Box\\PROGRAM.LOG", log), status::kOk);
}

TEST(SettingsProfileWindow, ImportPreviewsExactlyWhatDiffersAndOnlyApplyWritesIt) {
  Window source;
  Set(source, "input.mouse-speed", "15");
  Set(source, "startmenu.no-run", "on");
  source.machine.dialogs.ScriptFile(kFile);
  source.WhileOpen([](ui::Form& form) { form["Command1"].RaiseClick(); });
  const std::string exported = source.Read();
  ASSERT_EQ(exported, ExportProfile(source.machine.services()));

  Window target;
  target.machine.files.AddFile(kFile, fileattr::kArchive, std::vector<uint8_t>(exported.begin(), exported.end()));
  const std::string before = ExportProfile(target.machine.services());
  target.WhileOpen([&](ui::Form& form) {
    target.Import(form);
    const auto& rows = form["List1"].Items();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].rfind("startmenu.no-run:", 0), 0u) << rows[0];
    EXPECT_NE(rows[1].find("input.mouse-speed:"), std::string::npos);
    EXPECT_NE(rows[1].find("->  15"), std::string::npos) << rows[1];
    EXPECT_TRUE(form["Command3"].Enabled());
    form["Command4"].RaiseClick();  // Cancel
    EXPECT_TRUE(form["List1"].Items().empty());
    EXPECT_FALSE(form["Command3"].Enabled());
    EXPECT_EQ(ExportProfile(target.machine.services()), before);

    target.Import(form);
    form["Command3"].RaiseClick();  // Apply
    EXPECT_FALSE(form["Command3"].Enabled());
  });
  EXPECT_EQ(ExportProfile(target.machine.services()), exported);
  EXPECT_EQ(target.refreshed, 1);
  ASSERT_FALSE(target.machine.dialogs.Messages().empty());
  EXPECT_EQ(target.machine.dialogs.Messages().back().text,
            "2 of 2 settings were applied.\n\nThe Start menu and desktop settings take effect when you next sign in.");

  // Imported again, the profile changes nothing, and says so.
  target.WhileOpen([&](ui::Form& form) {
    target.Import(form);
    EXPECT_TRUE(form["List1"].Items().empty());
    EXPECT_FALSE(form["Command3"].Enabled());
  });
}

// The faults are told in the user's language (a bracketed one here), the parser's words too.
TEST(SettingsProfileWindow, AFaultyProfileShowsItsLinesAndCannotBeApplied) {
  Window window;
  const std::string pseudo = window.machine.environment.application_folder + "\\languages\\Pseudo.ini";
  window.machine.files.AddFile(pseudo);
  window.machine.profile.SetFile(pseudo, "[Vorlix]\n8508=[line %1: %2]\n8529=[%1 to %2 expected]\n");
  AppSettings settings(window.machine.registry);
  language::StoreChoice(settings, "Pseudo");
  const std::string text = "startmenu.no-run = on\ninput.mouse-speed = 99\n";
  window.machine.files.AddFile(kFile, fileattr::kArchive, std::vector<uint8_t>(text.begin(), text.end()));
  const std::string before = ExportProfile(window.machine.services());
  window.WhileOpen([&](ui::Form& form) {
    window.Import(form);
    const auto& rows = form["List1"].Items();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], "[line 2: input.mouse-speed = \"99\": [1 to 20 expected]]");
    EXPECT_FALSE(form["Command3"].Enabled());
    form["Command3"].RaiseClick();
  });
  EXPECT_EQ(ExportProfile(window.machine.services()), before);
  EXPECT_EQ(window.refreshed, 0);
}

// A log or any large file chosen by mistake lists a few faults, and a huge one is not read.
TEST(SettingsProfileWindow, AFileThatIsNoProfileListsItsFirstFaultsAndAHugeOneIsNotRead) {
  Window window;
  std::string text;
  for (int line = 0; line < 50'000; ++line) text += "not a profile\n";
  window.machine.files.AddFile(kFile, fileattr::kArchive, std::vector<uint8_t>(text.begin(), text.end()));
  window.WhileOpen([&](ui::Form& form) {
    window.Import(form);
    const auto& rows = form["List1"].Items();
    ASSERT_EQ(rows.size(), kListedProfileErrors + 1);
    EXPECT_EQ(rows.back(), "and 49980 more faults");
    text.resize(kLargestProfileBytes + 1, '#');
    window.machine.files.WriteFile(kFile, std::vector<uint8_t>(text.begin(), text.end()));
    window.Import(form);
    EXPECT_TRUE(form["List1"].Items().empty());
  });
  EXPECT_EQ(window.machine.dialogs.Messages().back().text,
            std::string(kFile) + " is too large to be a settings profile (1024 KB), so it was not read.");
}

// A standard user: the per-user setting is saved, the machine-wide one Windows refuses is
// named, and the one message says once that it needs an administrator.
TEST(SettingsProfileWindow, ARefusedMachineWideSettingIsNamedInOnePlainMessage) {
  Window window;
  window.machine.registry.DenyWrites({RegRoot::LocalMachine, "SOFTWARE"});
  const std::string text = "explorer.view-source-editor = C:\\edit.exe\nstartmenu.no-run = on\n";
  window.machine.files.AddFile(kFile, fileattr::kArchive, std::vector<uint8_t>(text.begin(), text.end()));
  window.WhileOpen([&](ui::Form& form) {
    window.Import(form);
    form["Command3"].RaiseClick();
  });
  ASSERT_EQ(window.machine.dialogs.Messages().size(), 1u);
  const std::string& said = window.machine.dialogs.Messages().back().text;
  EXPECT_EQ(said.rfind("1 of 2 settings were applied.\n\nThe Start menu and desktop settings take effect when you next "
                       "sign in.\n\nThis change was not saved:\nexplorer.view-source-editor: ", 0), 0u)
      << said;
  const size_t administrator = said.find("needs an administrator");
  ASSERT_NE(administrator, std::string::npos) << said;
  EXPECT_EQ(said.find("needs an administrator", administrator + 1), std::string::npos);
  EXPECT_EQ(ReadSetting(window.machine.services(), *FindSetting("startmenu.no-run")), "on");
  EXPECT_EQ(window.refreshed, 1);
}

}  // namespace
}  // namespace qb::tweaks
