// Changes made through the window are journaled as one action per handler and undo exactly.
#include "app/action_scopes.h"
#include "app/main_window_fixture.h"
#include "cli/command_line.h"
#include "journal/journal_place.h"
#include "journal/undo.h"
#include "language/stored_phrase.h"
#include "tweaks/setting_table.h"
#include "tweaks/settings_profile.h"
#include "tweaks/settings_profile_window.h"

namespace qb::app {
namespace {

const RegKeyPath kPolicies{RegRoot::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"};

class ActionScopesTest : public MainWindowTest {
 protected:
  void StartJournaled() {
    // Where the companion finds it too.
    path = journal::JournalPath(machine.services());
    journaled = std::make_unique<journal::JournaledServices>(machine.services(), path);
    app.on_loaded = [this](ui::Form& form) {
      ScopeHandlers(app, form, journaled->journal(), journaled->services());
    };
    window = std::make_unique<MainWindow>(app, journaled->services(), splash,
                                          journaled.get());
    app.Show(window->Form());
  }
  std::vector<journal::Record> Records() {
    return journal::Journal(machine.files, path).Load().records;
  }

  std::string path;
  std::unique_ptr<journal::JournaledServices> journaled;
};

TEST_F(ActionScopesTest, OneApplyIsOneSummarisedActionAndItsUndoGivesBackValuesAndTypes) {
  machine.registry.CreateKey(kPolicies);
  // Stored as text by some other program: the undo must bring back the type too.
  machine.registry.SetValue(kPolicies, RegValue::String("NoRun", "0"));
  StartJournaled();
  Form()["TabStrip1"].SelectTab(2);
  Form()["Command1"].RaiseClick();  // looking around changes nothing and is not an action
  EXPECT_TRUE(Records().empty());

  Form()["runchk"].SetValue(1);
  Form()["shutchk"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  Form()["applymenu"].RaiseClick();

  const std::vector<journal::Record> records = Records();
  const std::vector<uint64_t> ids = journal::ActionIds(records);
  ASSERT_EQ(ids.size(), 1u);
  const journal::Record& summary = records.back();
  EXPECT_EQ(summary.kind, journal::ItemKind::ActionStart);
  // Kept as phrases, said in the reader's language: the companion's English names the page once.
  cli::Output output;
  EXPECT_EQ(cli::RunCommandLine({"history"}, machine.services(), output), 0) << output.err;
  EXPECT_NE(output.out.find("  Start Menu: 2 values\n"), std::string::npos) << output.out;

  const journal::UndoResult undone =
      journal::UndoRecords(journal::RecordsOf(records, ids[0]), machine.registry, machine.files);
  EXPECT_EQ(undone.undone, 2u);
  RegValue value;
  ASSERT_EQ(machine.registry.QueryValue(kPolicies, "NoRun", value), status::kOk);
  EXPECT_EQ(value, RegValue::String("NoRun", "0"));
  EXPECT_NE(machine.registry.QueryValue(kPolicies, "NoClose", value), status::kOk);
}

// The settings profiles window's Apply is one action of the history, whatever it touched
// (a registry value and a setting handed to the system), and the companion's undo puts both
// back, the system's setting through the system.
TEST_F(ActionScopesTest, AProfileAppliedFromItsWindowIsOneActionThatUndoesWhole) {
  const std::string profile = "startmenu.no-run = on\ninput.mouse-speed = 17\n";
  machine.files.AddFile("C:\\profile.ini", fileattr::kArchive,
                        std::vector<uint8_t>(profile.begin(), profile.end()));
  tweaks::UnsavedChanges unsaved;
  ASSERT_TRUE(tweaks::WriteSetting(machine.services(), *tweaks::FindSetting("input.mouse-speed"), "10", unsaved));
  StartJournaled();
  const std::string before = tweaks::ExportProfile(machine.services());
  host.on_modal = [this](ui::Form& form) {
    machine.dialogs.ScriptFile("C:\\profile.ini");
    form["Command2"].RaiseClick();  // import: only read
    EXPECT_TRUE(Records().empty());
    form["Command3"].RaiseClick();  // apply
  };
  Form()["profilecmd"].RaiseClick();
  host.on_modal = nullptr;
  ASSERT_EQ(machine.system_parameters.ReadParameter(spi::kSetMouseSpeed), 17u);

  const std::vector<journal::Record> records = Records();
  ASSERT_EQ(journal::ActionIds(records).size(), 1u);
  // Named by the window's title key, so that the history names it in the language of the moment.
  EXPECT_EQ(records.front().target, language::StorePhrase({tweaks::kProfileWindowTitleKey, "Settings profiles"}));
  cli::Output output;
  EXPECT_EQ(cli::RunCommandLine({"history"}, machine.services(), output), 0) << output.err;
  EXPECT_NE(output.out.find("  Settings profiles: 1 values, 1 keys, 1 system settings\n"), std::string::npos) << output.out;
  EXPECT_EQ(cli::RunCommandLine({"undo", "last"}, machine.services(), output), 0) << output.err << output.out;
  EXPECT_EQ(tweaks::ExportProfile(machine.services()), before);
  EXPECT_EQ(machine.system_parameters.ReadParameter(spi::kSetMouseSpeed), 10u);
}

TEST_F(ActionScopesTest, AJournalTheDiskRefusesIsToldOnceAndTheApplyStillWrites) {
  machine.registry.CreateKey(kPolicies);
  StartJournaled();
  machine.files.LimitSpace("C:\\", 0);
  Form()["TabStrip1"].SelectTab(2);
  for (const char* box : {"runchk", "shutchk"}) {
    Form()[box].SetValue(1);
    machine.dialogs.ScriptAnswer(mb::kIdYes);
    Form()["applymenu"].RaiseClick();
  }
  const auto& shown = machine.dialogs.Messages();
  EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                          [](const auto& m) { return m.text.find("journal") != std::string::npos; }), 1);
  EXPECT_TRUE(Records().empty());
  EXPECT_TRUE(journal::StateOf(machine.registry, kPolicies, "NoClose").present);
}

}  // namespace
}  // namespace qb::app
