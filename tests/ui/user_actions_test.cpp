// What the user's clicks and the folder tree mean, decided by the model: the view only
// forwards the click and shows the folders.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"
#include "ui/application.h"
#include "ui/folder_tree.h"
#include "ui/form.h"
#include "ui/headless_host.h"

namespace qb::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(UserClicks, CheckBoxesCycleTheirValues) {
  const struct { bool three_state; int from, to; } cases[] = {
      {false, 0, 1}, {false, 1, 0}, {false, 2, 1},  // a greyed box becomes checked
      {true, 0, 1},  {true, 1, 2},  {true, 2, 0},
  };
  for (const auto& c : cases) {
    Form form("f", "F", 1000, 1000);
    auto& box = form.Add({.name = "chk", .kind = ControlKind::CheckBox, .value = c.from,
                          .three_state = c.three_state});
    int clicks = 0;
    box.on_click = [&] { ++clicks; };
    box.ClickedByUser();
    EXPECT_EQ(box.Value(), c.to) << c.three_state << " from " << c.from;
    EXPECT_EQ(clicks, 1);
  }
}

TEST(UserClicks, OptionButtonsAreChosenAndCommandButtonsClick) {
  Form form("f", "F", 1000, 1000);
  auto& first = form.Add({.name = "opt", .kind = ControlKind::OptionButton, .index = 0, .value = 1});
  auto& second = form.Add({.name = "opt", .kind = ControlKind::OptionButton, .index = 1});
  auto& button = form.Add({.name = "cmd", .kind = ControlKind::CommandButton});
  int option_clicks = 0, button_clicks = 0;
  second.on_click = [&] { ++option_clicks; };
  button.on_click = [&] { ++button_clicks; };
  second.ClickedByUser();
  second.ClickedByUser();  // choosing the chosen one again changes nothing
  EXPECT_EQ(second.Value(), 1);
  EXPECT_EQ(first.Value(), 0);
  EXPECT_EQ(option_clicks, 1);
  button.ClickedByUser();
  EXPECT_EQ(button_clicks, 1);
  EXPECT_EQ(button.Value(), 0);
}

class TitleButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Attach(app);
    form.on_title_button = [this](const std::string& name) { forwarded.push_back(name); };
    form.on_query_unload = [this](CloseReason reason, bool& cancel) {
      reasons.push_back(reason);
      cancel = refuse_close;
    };
    app.Show(form);
  }

  HeadlessHost host;
  Application app{host};
  Form form{"mainform", "Main", 1000, 1000};
  std::vector<std::string> forwarded;
  std::vector<CloseReason> reasons;
  bool refuse_close = false;
};

// Only the exact names close or minimise; every other name is the window's own button.
TEST_F(TitleButtons, CloseAsksTheWindowMinimizeGoesToTheHostAndOtherNamesToTheWindow) {
  app.TitleButtonClicked(form, "minimize");
  EXPECT_THAT(host.minimized, ElementsAre("mainform"));
  for (const char* name : {"about", "help", "Close", "MINIMIZE", ""}) app.TitleButtonClicked(form, name);
  EXPECT_THAT(forwarded, ElementsAre("about", "help", "Close", "MINIMIZE", ""));
  EXPECT_THAT(host.minimized, ElementsAre("mainform"));
  EXPECT_THAT(reasons, IsEmpty());

  refuse_close = true;
  app.TitleButtonClicked(form, "close");
  EXPECT_TRUE(app.IsLoaded(form));  // the window said no
  refuse_close = false;
  app.TitleButtonClicked(form, "close");
  EXPECT_FALSE(app.IsLoaded(form));
  EXPECT_THAT(reasons, ElementsAre(CloseReason::User, CloseReason::User));
  EXPECT_THAT(host.destroyed, ElementsAre("mainform"));
}

TEST(FolderTree, SplitsAndJoinsPaths) {
  const struct { const char* path; std::vector<std::string> parts; } cases[] = {
      {"C:\\Windows\\System32", {"C:\\", "Windows", "System32"}},
      {"c:\\", {"c:\\"}},
      {"D:", {"D:\\"}},
      {"C:\\Program Files\\\\Quill Box\\", {"C:\\", "Program Files", "Quill Box"}},
      {"C:/Users/Документы", {"C:\\", "Users", "Документы"}},
      {"\\\\server\\share", {}},
      {"Windows", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderPathParts(c.path), c.parts) << c.path;
  EXPECT_EQ(JoinFolder("C:\\", "Windows"), "C:\\Windows");
  EXPECT_EQ(JoinFolder("C:\\Windows", "Fonts"), "C:\\Windows\\Fonts");
}

TEST(FolderTree, ListsTheFoldersOfAFolderThroughTheFileSystem) {
  MemoryFileSystem files;
  files.AddFolder("C:\\Data\\zeta");
  files.AddFolder("C:\\Data\\Alpha");
  files.AddFolder("C:\\Data\\beta", fileattr::kHidden | fileattr::kSystem);
  files.AddFolder("C:\\Data\\Ёлка");
  files.AddFile("C:\\Data\\file.txt");
  files.AddFolder("C:\\Locked\\Inside");
  files.DenyListing("C:\\Locked");
  EXPECT_THAT(ListSubfolders(files, "C:\\Data"), ElementsAre("Alpha", "beta", "zeta", "Ёлка"));
  EXPECT_THAT(ListSubfolders(files, "C:\\Data\\Alpha"), IsEmpty());
  EXPECT_THAT(ListSubfolders(files, "C:\\Locked"), IsEmpty());
  EXPECT_THAT(ListSubfolders(files, "C:\\Missing"), IsEmpty());
  EXPECT_THAT(ListSubfolders(files, "C:\\Data\\file.txt"), IsEmpty());
  EXPECT_THAT(ListSubfolders(files, "C:\\"), ::testing::Contains("Data"));

  Form form("f", "F", 1000, 1000);
  auto& tree = form.Add({.name = "Dir1", .kind = ControlKind::FolderTree});
  EXPECT_THAT(tree.Subfolders("C:\\Data"), IsEmpty());  // no file system given yet
  tree.ListFoldersFrom(&files);
  EXPECT_THAT(tree.Subfolders("C:\\Data"), ElementsAre("Alpha", "beta", "zeta", "Ёлка"));
  const int listings = static_cast<int>(files.CallCounts().find_files);
  tree.Subfolders("C:\\Data");
  EXPECT_EQ(static_cast<int>(files.CallCounts().find_files), listings + 1);
}

}  // namespace
}  // namespace qb::ui
