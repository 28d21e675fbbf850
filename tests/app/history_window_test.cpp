#include "app/history_window.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::app {
namespace {

TEST(HistoryWindow, TheChosenActionsItemsShowBelowItAndTheBackupFolderOpensOrItIsSaidWhyNot) {
  MemoryMachine machine;
  journal::JournaledServices journaled(machine.services(), journal::JournalPath(machine.services()));
  const RegKeyPath key{RegRoot::CurrentUser, "Software\\Qb"};
  {
    const journal::ActionScope scope(&journaled.journal(), [] { return std::string("Test"); }, &machine,
                                     machine.clock, nullptr);
    journaled.services().registry.CreateKey(key);
    journaled.services().registry.SetValue(key, RegValue::Dword("n", 5));
  }
  ui::HeadlessHost host;
  ui::Application app(host);
  host.Attach(app);
  skin::SkinInstance main_skin;
  HistoryWindow window(app, journaled, main_skin);
  std::vector<std::vector<std::string>> items;
  host.on_modal = [&](ui::Form& form) {
    EXPECT_TRUE(form["items"].Rows().empty());
    form["actions"].SetListIndex(0);
    for (const ui::ListRow& row : form["items"].Rows()) items.push_back(row.cells);
    form["foldercmd"].RaiseClick();
    machine.shell.SetResult(3);
    form["foldercmd"].RaiseClick();
  };
  app.ShowModal(window.Form(), nullptr);
  EXPECT_EQ(items, (std::vector<std::vector<std::string>>{
                       {"Restore point", "", "Windows made the restore point \"Quill Box\" (number 1) before the first change of this run."},
                       {"HKEY_CURRENT_USER\\Software\\Qb", "absent", "present"},
                       {"HKEY_CURRENT_USER\\Software\\Qb [n]", "absent", "5"}}));
  const std::string& path = journaled.journal().path();
  const std::string folder = path.substr(0, path.rfind('\\'));
  ASSERT_EQ(machine.shell.Requests().size(), 2u);
  EXPECT_EQ(machine.shell.Requests()[0].file, folder);
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text.find("The backup folder " + folder + " could not be opened: "), 0u)
      << machine.dialogs.Messages()[0].text;
}

}  // namespace
}  // namespace qb::app
