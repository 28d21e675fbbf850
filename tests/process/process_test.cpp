#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "process/kill_process.h"
#include "process/process_window.h"
#include "ui/access_keys.h"
#include "ui/headless_host.h"

namespace qb::process {
namespace {

constexpr const char* kLog = "C:\\Program Files\\Quill Box\\PROGRAM.LOG";

std::string FileText(MemoryFileSystem& files, std::string_view path) {
  std::vector<uint8_t> bytes;
  if (files.ReadFile(path, bytes) != status::kOk) return "";
  return std::string(bytes.begin(), bytes.end());
}

TEST(KillProcess, EndsTheProcessOrLogsEachFailedStep) {
  for (bool openable : {true, false}) {
    MemoryMachine machine;
    machine.processes.Add({.id = 12, .exe_file = "tool.exe", .openable = openable});
    errorlog::ErrorLog log(machine.services());
    Kill_Process(machine.processes, log, 12);
    if (openable) {
      EXPECT_EQ(machine.processes.Calls(),
                (std::vector<std::string>{"Open 12", "ExitCode 1", "Terminate 1 1", "Close 1"}));
      EXPECT_EQ(FileText(machine.files, kLog), "");
    } else {
      EXPECT_EQ(FileText(machine.files, kLog),
                "ERROR: 5 at mdlMisc\\Kill_Process >>> OpenProcess failed\r\n"
                "ERROR: 6 at mdlMisc\\Kill_Process >>> GetExitCodeProcess failed\r\n"
                "ERROR: 6 at mdlMisc\\Kill_Process >>> TerminateProcess failed\r\n"
                "ERROR: 6 at mdlMisc\\Kill_Process >>> CloseHandle failed\r\n");
    }
    EXPECT_EQ(machine.processes.running.size(), openable ? 0u : 1u);
  }
}

class ProcessWindowTest : public ::testing::Test {
 protected:
  ProcessWindowTest() {
    host.Attach(app);
    machine.processes.current_id = 99;
    machine.processes.Add({.id = 4, .exe_file = "System", .start_time = 10});
    machine.processes.Add({.id = 99, .exe_file = "C:\\Program Files\\Quill Box\\QuillBox.exe",
                           .start_time = 500});
    machine.processes.Add({.id = 200, .exe_file = "C:\\Tools\\first.exe", .start_time = 600});
    machine.processes.Add({.id = 300, .exe_file = "C:\\Tools\\second.exe", .start_time = 700});
    machine.processes.now = 1000;
    app.Load(window.Form());
  }
  ui::Control& List() { return window.Form()["info"]; }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& row : List().Rows()) names.push_back(row.cells[0]);
    return names;
  }
  void SelectId(const std::string& id) {
    for (size_t i = 0; i < List().Rows().size(); ++i) {
      if (List().Rows()[i].cells[1] == id) List().ListIndexChangedByUser(static_cast<int>(i));
    }
  }
  std::string Selected() {
    const int row = List().SelectedRow();
    return row < 0 ? "" : List().Rows()[row].cells[0];
  }
  const std::vector<MemoryDialogs::Shown>& Messages() { return machine.dialogs.Messages(); }

  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  skin::SkinInstance main_skin;
  ProcessWindow window{app, machine.services(), main_skin};
};

TEST_F(ProcessWindowTest, OneProcessReplacingAnotherBetweenTicksRebuildsTheList) {
  EXPECT_EQ(Names(), (std::vector<std::string>{"System", "QuillBox.exe", "first.exe", "second.exe"}));
  SelectId("300");
  machine.processes.Remove(200);
  machine.processes.snapshot_fails = true;
  window.Form()["Timer1"].RaiseTimer();
  EXPECT_EQ(Names().size(), 4u);  // a failed snapshot leaves the list alone
  machine.processes.snapshot_fails = false;
  machine.processes.Add({.id = 400, .exe_file = "C:\\Tools\\third.exe", .start_time = 1500});
  window.Form()["Timer1"].RaiseTimer();
  EXPECT_EQ(Names(), (std::vector<std::string>{"System", "QuillBox.exe", "second.exe", "third.exe"}));
  EXPECT_EQ(Selected(), "second.exe");  // the selected process still runs: it stays selected
  window.Form()["Timer2"].RaiseTimer();
  EXPECT_EQ(window.Form()["Label2"].Caption(), "second.exe");

  machine.processes.Remove(300);
  machine.processes.Add({.id = 500, .exe_file = "C:\\Tools\\fourth.exe", .start_time = 1600});
  window.Form()["Timer1"].RaiseTimer();
  EXPECT_EQ(Selected(), "");
  window.Form()["Timer2"].RaiseTimer();
  EXPECT_EQ(window.Form()["Label2"].Caption(), "");
}

// Shown as it is, not as a caption whose "&" marks an access key.
TEST_F(ProcessWindowTest, ANameWithAnAmpersandIsShownWhole) {
  machine.processes.Add({.id = 600, .exe_file = "C:\\Lab\\R&D.exe", .start_time = 1700});
  window.Form()["Timer1"].RaiseTimer();
  SelectId("600");
  window.Form()["Timer2"].RaiseTimer();
  EXPECT_EQ(window.Form()["Label2"].Caption(), "R&&D.exe");
  EXPECT_EQ(ui::LiteralCaption("&&x&"), "&&&&x&&");
}

TEST_F(ProcessWindowTest, TerminateEndsTheSelectedProcessButNeverThisProgram) {
  EXPECT_FALSE(window.Form()["terminatecmd"].Enabled());
  window.Form()["terminatecmd"].RaiseClick();  // nothing selected: nothing happens
  EXPECT_TRUE(Messages().empty());
  SelectId("99");
  window.Form()["terminatecmd"].RaiseClick();
  EXPECT_EQ(machine.processes.running.size(), 4u);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find("cannot end itself"), std::string::npos);

  // A double click once ended the first listed process with its second click.
  SelectId("200");
  EXPECT_TRUE(window.Form()["terminatecmd"].Enabled());
  window.Form()["terminatecmd"].RaiseClick();
  window.Form()["terminatecmd"].RaiseClick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"System", "QuillBox.exe", "second.exe"}));
  EXPECT_EQ(Selected(), "");
  EXPECT_FALSE(window.Form()["terminatecmd"].Enabled());
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(FileText(machine.files, kLog), "");
}

TEST_F(ProcessWindowTest, AnIdThatNowBelongsToAnotherProcessIsNotEnded) {
  const struct { const char* exe_file; uint64_t start_time; } replacements[] = {
      {"C:\\Tools\\other.exe", 1500},  // another program took the id
      {"C:\\Tools\\first.exe", 1500},  // the same program, started again after the listing
  };
  for (const auto& replacement : replacements) {
    SelectId("200");
    ASSERT_EQ(Selected(), "first.exe");
    machine.processes.Remove(200);
    machine.processes.Add({.id = 200, .exe_file = replacement.exe_file,
                           .start_time = replacement.start_time});
    window.Form()["terminatecmd"].RaiseClick();
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back().text, "first.exe has already ended.");
    EXPECT_EQ(machine.processes.running.size(), 4u) << replacement.exe_file;
    EXPECT_EQ(List().Rows()[3].tag, replacement.exe_file);
    machine.processes.Remove(200);
    machine.processes.Add({.id = 200, .exe_file = "C:\\Tools\\first.exe", .start_time = 600});
    window.Display();
  }
}

TEST_F(ProcessWindowTest, ACriticalProcessIsEndedOnlyAfterAConfirmation) {
  machine.processes.Add({.id = 600, .exe_file = "C:\\Windows\\System32\\csrss.exe", .start_time = 20});
  machine.processes.Add({.id = 700, .exe_file = "C:\\Tools\\guard.exe", .start_time = 30, .critical = true});
  window.Display();
  for (const char* id : {"600", "700"}) {
    SelectId(id);
    window.Form()["terminatecmd"].RaiseClick();  // answered No
    EXPECT_EQ(machine.processes.running.size(), 6u);
    ASSERT_FALSE(Messages().empty());
    EXPECT_NE(Messages().back().text.find("stops Windows at once"), std::string::npos);
    EXPECT_EQ(Messages().back().style, mb::kYesNo | mb::kIconExclamation | mb::kDefaultButton2);
  }
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  SelectId("700");
  window.Form()["terminatecmd"].RaiseClick();
  EXPECT_EQ(machine.processes.running.size(), 5u);
}

// A process that ended while the question waited was opened by its id again: the answer was
// "Invalid parameter", and a process that had been given the id meanwhile was ended.
TEST_F(ProcessWindowTest, AfterTheQuestionTheProcessIsLookedUpAgain) {
  const struct { const char* exe_file; uint64_t start_time; } meanwhile[] = {
      {nullptr, 0},                              // it ended
      {"C:\\Windows\\System32\\csrss.exe", 5},  // its id went to another csrss.exe
  };
  for (const auto& change : meanwhile) {
    machine.processes.Add({.id = 600, .exe_file = "C:\\Windows\\System32\\csrss.exe", .start_time = 20});
    window.Display();
    SelectId("600");
    const size_t asked = Messages().size() + 1;
    machine.dialogs.ScriptAnswer(mb::kIdYes);
    machine.dialogs.WhileNextMessageWaits([&] {
      machine.processes.Remove(600);
      if (change.exe_file) {
        machine.processes.Add({.id = 600, .exe_file = change.exe_file, .start_time = change.start_time});
      }
    });
    window.Form()["terminatecmd"].RaiseClick();
    ASSERT_EQ(Messages().size(), asked + 1);  // the question, then what became of it
    EXPECT_EQ(Messages().back().text, "csrss.exe has already ended.");
    EXPECT_EQ(machine.processes.running.size(), change.exe_file ? 5u : 4u);
    EXPECT_EQ(FileText(machine.files, kLog), "");
    machine.processes.Remove(600);
  }
}

TEST_F(ProcessWindowTest, AProcessThatIsNotEndedIsLoggedSaidAndStaysListed) {
  const struct { bool openable, terminable; const char* log; } refusals[] = {
      {true, false, "ERROR: 5 at mdlMisc\\Kill_Process >>> TerminateProcess failed\r\n"},
      {false, true, "ERROR: 5 at mdlMisc\\Kill_Process >>> OpenProcess failed\r\n"},
  };
  for (const auto& refusal : refusals) {
    machine.files.DeleteFile(kLog);
    machine.processes.running[2].openable = refusal.openable;
    machine.processes.running[2].terminable = refusal.terminable;
    SelectId("200");
    window.Form()["terminatecmd"].RaiseClick();
    EXPECT_EQ(FileText(machine.files, kLog).substr(0, std::string(refusal.log).size()), refusal.log);
    EXPECT_EQ(Names().size(), 4u);
    EXPECT_EQ(machine.processes.OpenHandles(), 0u);
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back().text,
              "first.exe was not ended: Access is denied.\nEnding a process of another user or "
              "of Windows needs an administrator.");
  }
}

}  // namespace
}  // namespace qb::process
