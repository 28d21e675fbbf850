#pragma once
// The small in-memory services: a scripted message box, a recording shell, a settable
// clock, a named-object table shared by the "processes" of one test, fixed folders.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drive_formatter.h"
#include "platform/environment.h"
#include "platform/named_locks.h"
#include "platform/shell.h"
#include "platform/single_instance.h"

namespace qb {

class MemoryDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;
    std::string title;
    unsigned style = 0;
    unsigned timeout_ms = 0;  // a timed box's time; 0 for a box that waits
  };
  // One opening of a file, folder or colour dialog.
  struct Chooser {
    enum class Kind { File, Folder, Colour } kind = Kind::File;
    std::string title;
    std::string filter;
    uint32_t colour = 0;  // the colour a colour dialog opened on
  };
  int ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                 unsigned style) override;
  // Recorded with the other boxes; unanswered, it times out.
  int ShowTimedMessage(WindowHandle owner, std::string_view text, std::string_view title,
                       unsigned style, unsigned timeout_ms) override;
  bool ChooseOpenFile(WindowHandle owner, const FileChoice& choice, std::string& path) override;
  // Answered from the same scripted files as ChooseOpenFile.
  bool ChooseSaveFile(WindowHandle owner, const FileChoice& choice, std::string& path) override;
  bool ChooseFolder(WindowHandle owner, std::string_view title, std::string& path) override;
  bool ChooseColour(WindowHandle owner, uint32_t& colour) override;

  // The next message boxes answer these, in order; without a scripted answer a box
  // answers OK (or No for a Yes/No box), the safe choice.
  void ScriptAnswer(int answer) { answers_.push_back(answer); }
  // Runs once, while the next message box waits for its answer: what the machine does
  // meanwhile (a process ending, a file appearing) while the user reads.
  void WhileNextMessageWaits(std::function<void()> action) { while_waiting_ = std::move(action); }
  // The next file, folder or colour dialog of that kind answers this; std::nullopt is the
  // user cancelling. Without a scripted answer a dialog is cancelled.
  void ScriptFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void ScriptFolder(std::optional<std::string> path) { folders_.push_back(std::move(path)); }
  void ScriptColour(std::optional<uint32_t> colour) { colours_.push_back(colour); }
  const std::vector<Shown>& Messages() const { return shown_; }
  const std::vector<Chooser>& Choosers() const { return choosers_; }

 private:
  std::deque<int> answers_;
  std::function<void()> while_waiting_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<uint32_t>> colours_;
  std::vector<Shown> shown_;
  std::vector<Chooser> choosers_;
};

class MemoryShell : public Shell {
 public:
  intptr_t Execute(const ShellRequest& request) override;
  const std::vector<ShellRequest>& Requests() const { return requests_; }
  void SetResult(intptr_t result) { result_ = result; }

 private:
  std::vector<ShellRequest> requests_;
  intptr_t result_ = 42;
};

class MemoryDriveFormatter : public DriveFormatter {
 public:
  struct Shown {
    WindowHandle owner = 0;
    int drive_index = -1;
  };
  FormatOutcome ShowFormatDialog(WindowHandle owner, int drive_index) override {
    shown_.push_back({owner, drive_index});
    return outcome_;
  }
  const std::vector<Shown>& Calls() const { return shown_; }
  // How every later dialog ends (formatted unless set).
  void SetOutcome(FormatOutcome outcome) { outcome_ = outcome; }

 private:
  std::vector<Shown> shown_;
  FormatOutcome outcome_ = FormatOutcome::Formatted;
};

class MemoryClock : public Clock {
 public:
  uint64_t TickCountMs() override { return ticks_; }
  LocalTime Now() override { return now_; }
  void Advance(uint64_t ms) { ticks_ += ms; }
  void SetNow(LocalTime now) { now_ = now; }

 private:
  uint64_t ticks_ = 1000;
  LocalTime now_{2026, 1, 2, 3, 4, 5};
};

// The named objects of one simulated machine; each SingleInstance is one process.
class MemoryNamedObjects {
 public:
  bool Create(const std::string& name);  // true when it already existed
  void Release(const std::string& name);

 private:
  std::map<std::string, int> counts_;
};

class MemorySingleInstance : public SingleInstance {
 public:
  explicit MemorySingleInstance(MemoryNamedObjects& objects) : objects_(objects) {}
  ~MemorySingleInstance() override;
  bool ClaimName(std::string_view name) override;

 private:
  MemoryNamedObjects& objects_;
  std::vector<std::string> held_;
};

// The named locks of one simulated machine, shared by all its "processes". Nothing waits
// here: a name that is held is refused at once, whatever the wait asked for.
class MemoryNamedLocks : public NamedLocks {
 public:
  std::unique_ptr<HeldLock> Take(std::string_view name, uint32_t wait_ms) override;
  // Test control: how many times a held name was refused.
  size_t Refusals() const { return refusals_; }

 private:
  std::shared_ptr<std::set<std::string>> held_ = std::make_shared<std::set<std::string>>();
  size_t refusals_ = 0;
};

class MemoryEnvironment : public Environment {
 public:
  std::string ApplicationFolder() override { return application_folder; }
  std::string LocalAppDataFolder() override { return local_app_data; }
  std::string WindowsFolder() override { return windows_folder; }
  std::string ExpandVariables(std::string_view text) override;
  std::string StartMenuFolder() override { return start_menu_folder; }
  std::string ErrorText(Status code) override;

  std::string application_folder = "C:\\Program Files\\Quill Box";
  std::string local_app_data = "C:\\Users\\user\\AppData\\Local";
  std::string windows_folder = "C:\\Windows";
  std::string start_menu_folder =
      "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu";
  std::map<std::string, std::string> variables{{"SystemRoot", "C:\\Windows"},
                                               {"windir", "C:\\Windows"},
                                               {"ProgramFiles", "C:\\Program Files"}};
};

}  // namespace qb
