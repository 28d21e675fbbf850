// The review before removal on real windows, the real registry and the keyboard: a row
// unticked with Space stays, the rest of the ticked rows go, and Tab and Enter reach and
// press "Repair selected". On a corpus of entries valid and invalid in every shape, the list
// offers exactly the invalid ones and the repair takes exactly those still ticked.
#include <iterator>
#include <map>
#include <set>

#include "cleaner/application_paths.h"
#include "cleaner/exclusions.h"
#include "cleaner/system_health.h"
#include "platform/app_settings.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "win32/temp_path.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

class ReviewOnWine : public ViewTest {
 protected:
  void SetUp() override {
    AppSettings settings(machine.registry);
    old_choice = settings.Get("Vorlix", "System Health", "Review", "0");
    settings.Save("Vorlix", "System Health", "Review", "1");
    for (const char* name : {"Go", "Stay"}) {
      ASSERT_EQ(machine.registry.CreateKey(App(name)), status::kOk);
      machine.registry.SetValue(App(name), RegValue::String("", "C:\\QbNowhere\\" + std::string(name) + ".exe"));
    }
  }
  void TearDown() override {
    AppSettings(machine.registry).Save("Vorlix", "System Health", "Review", old_choice);
    for (const char* name : {"Go", "Stay"}) machine.registry.DeleteKey(App(name));
    for (const auto& key : corpus) machine.registry.DeleteKey(key);
    if (!folder.empty()) test_support::RemoveTree(qb::win32::Wide(folder));
    if (!backup.empty()) machine.files.DeleteFile(backup);
  }
  RegKeyPath App(const std::string& name) {
    return {RegRoot::LocalMachine, std::string(cleaner::kAppPathsArea) + "\\QbTestOnlyReview" + name + ".exe",
            machine.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
  }
  bool Exists(const RegKeyPath& key) { return machine.registry.OpenKey(key, regaccess::kRead) == status::kOk; }
  Form* Loaded(std::string_view name) {
    for (Form* form : app_.Loaded()) {
      if (form->Name() == name) return form;
    }
    return nullptr;
  }
  static void Press(WPARAM key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 1); }

  qb::win32::Win32Machine machine;
  std::string old_choice;
  std::string backup;
  std::vector<RegKeyPath> corpus;
  std::string folder;
};

TEST_F(ReviewOnWine, SpaceUntickedRowStaysAndRepairSelectedRemovesTheRest) {
  cleaner::SystemHealthWindow window(app_, machine.services());
  Form& owner = NewForm("mainform");
  Control& timer = owner.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 30});
  // One step at a time from the timer, which also ticks inside the review's own loop.
  enum class Step { Run, Untick, ToRepair, Finish, Done } step = Step::Run;
  int ticks = 0;
  int stay_row = -1;
  int tabs = 0;
  timer.on_timer = [&] {
    Form* review = Loaded("reviewfrm");
    if (++ticks > 2000) {  // a minute at most: close everything rather than hang
      if (review) app_.Unload(*review);
      if (!window.Running()) app_.Unload(window.Form());
      return;
    }
    switch (step) {
      case Step::Run:
        if (!Loaded("pchealth")) return;
        step = Step::Untick;
        window.Form()["check2cmd"].RaiseClick();  // returns once the review and the repair are over
        step = Step::Finish;
        break;
      case Step::Untick: {
        if (!review || !Hwnd((*review)["findings"]) || GetFocus() != Hwnd((*review)["findings"])) return;
        Control& list = (*review)["findings"];
        for (size_t i = 0; i < list.Rows().size(); ++i) {
          const bool ours = list.Rows()[i].cells[1].find("QbTestOnlyReview") != std::string::npos;
          if (list.Rows()[i].cells[1].ends_with("QbTestOnlyReviewStay.exe")) stay_row = static_cast<int>(i);
          if (!ours) list.SetRowChecked(static_cast<int>(i), false);  // the prefix's own, if any
        }
        ASSERT_GE(stay_row, 0);
        list.SetListIndex(stay_row);
        Press(VK_SPACE);
        step = Step::ToRepair;
        break;
      }
      case Step::ToRepair:
        if (!review || (*review)["findings"].Rows()[stay_row].checked) return;
        if (GetFocus() == Hwnd((*review)["repair"])) {
          Press(VK_RETURN);
        } else if (++tabs < 10) {
          Press(VK_TAB);
        }
        break;
      case Step::Finish:
        backup = window.LastBackupPath();
        step = Step::Done;
        app_.Unload(window.Form());
        break;
      case Step::Done: break;
    }
  };
  app_.Show(owner);
  app_.ShowModal(window.Form(), &owner);
  EXPECT_EQ(step, Step::Done);
  EXPECT_FALSE(Exists(App("Go")));
  EXPECT_TRUE(Exists(App("Stay"))) << "the row unticked with Space is kept";
  EXPECT_EQ(window.Form()["R2label"].Caption(), "1");
  EXPECT_FALSE(backup.empty());
}

TEST_F(ReviewOnWine, OnTheCorpusTheListIsTheInvalidEntriesAndOnlyTheTickedGo) {
  folder = test_support::TempPath("QbReviewCorpus");
  for (const char* sub : {"", "\\Program Files", "\\Программа", "\\Folder.exe"}) {
    ASSERT_EQ(machine.files.CreateFolder(folder + sub), status::kOk);
  }
  for (const char* file : {"\\Normal.exe", "\\Hidden.exe", "\\Program Files\\Spaced App.exe", "\\Программа\\Редактор.exe"}) {
    ASSERT_EQ(machine.files.WriteFile(folder + file, {'M', 'Z'}), status::kOk);
  }
  machine.files.SetAttributes(folder + "\\Hidden.exe", fileattr::kHidden);
  // The answer key: each entry's command, and what the run leaves of it. The unticked
  // invalid entries stay as the valid ones do.
  enum class Verdict { Valid, Untick, Goes };
  const std::map<std::string, std::pair<std::string, Verdict>> key = {
      {"Normal", {folder + "\\Normal.exe", Verdict::Valid}},
      {"Hidden", {folder + "\\Hidden.exe", Verdict::Valid}},
      {"Quoted", {"\"" + folder + "\\Program Files\\Spaced App.exe\" /open -x", Verdict::Valid}},
      {"Cyrillic", {folder + "\\Программа\\Редактор.exe", Verdict::Valid}},
      {"Gone", {folder + "\\Gone.exe", Verdict::Goes}},
      {"Folder", {folder + "\\Folder.exe", Verdict::Goes}},
      {"GoneArgs", {"\"" + folder + "\\Program Files\\Gone App.exe\" -x", Verdict::Untick}},
      {"GoneCyrillic", {folder + "\\Программа\\Удалён.exe", Verdict::Untick}},
      {"Gone32", {folder + "\\Gone32.exe", Verdict::Goes}},
  };
  for (const auto& [name, entry] : key) {
    RegKeyPath path = App("Corpus" + name);
    if (name.ends_with("32")) path.view = RegView::Force32;
    ASSERT_EQ(machine.registry.CreateKey(path), status::kOk);
    corpus.push_back(path);
    machine.registry.SetValue(path, RegValue::String("", entry.first));
  }
  cleaner::SystemHealthWindow window(app_, machine.services());
  Form& owner = NewForm("mainform");
  Control& timer = owner.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 30});
  std::set<std::string> offered;
  std::vector<int> to_untick;
  bool started = false, repaired = false;
  int ticks = 0;
  timer.on_timer = [&] {
    Form* review = Loaded("reviewfrm");
    if (++ticks > 2000) {
      if (review) app_.Unload(*review);
      if (!window.Running()) app_.Unload(window.Form());
      return;
    }
    if (!started) {
      if (!Loaded("pchealth")) return;
      started = true;
      window.Form()["check2cmd"].RaiseClick();  // returns once the review and the repair are over
      repaired = true;
      backup = window.LastBackupPath();
      app_.Unload(window.Form());
      return;
    }
    if (!review || !Hwnd((*review)["findings"]) || GetFocus() != Hwnd((*review)["findings"])) return;
    Control& list = (*review)["findings"];
    if (offered.empty()) {
      for (size_t i = 0; i < list.Rows().size(); ++i) {
        const std::string& entry = list.Rows()[i].cells[1];
        const size_t at = entry.find("QbTestOnlyReviewCorpus");
        if (at == std::string::npos) {
          list.SetRowChecked(static_cast<int>(i), false);  // the prefix's own, if any
          continue;
        }
        const std::string name = entry.substr(at + 22, entry.size() - at - 22 - 4);
        offered.insert(name);
        if (key.contains(name) && key.at(name).second == Verdict::Untick) to_untick.push_back(static_cast<int>(i));
      }
      if (offered.empty()) offered.insert("");  // nothing of ours: repair nothing more
    }
    if (!to_untick.empty()) {  // one Space a tick, each row waited for in turn
      const int row = to_untick.back();
      if (!list.Rows()[row].checked) {
        to_untick.pop_back();
      } else if (list.SelectedRow() != row) {
        list.SetListIndex(row);
        Press(VK_SPACE);
      }
      return;
    }
    (*review)["repair"].RaiseClick();
  };
  app_.Show(owner);
  app_.ShowModal(window.Form(), &owner);
  ASSERT_TRUE(repaired);
  std::set<std::string> invalid;
  for (const auto& [name, entry] : key) {
    if (entry.second != Verdict::Valid) invalid.insert(name);
  }
  EXPECT_EQ(offered, invalid);
  for (size_t i = 0; i < corpus.size(); ++i) {
    const auto& [name, entry] = *std::next(key.begin(), static_cast<long>(i));
    EXPECT_EQ(Exists(corpus[i]), entry.second != Verdict::Goes) << name;
  }
  EXPECT_FALSE(backup.empty());
}

}  // namespace
}  // namespace qb::ui::win32::testing
