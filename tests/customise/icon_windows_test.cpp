#include "customise/icon_windows.h"

#include <gmock/gmock.h>

#include "customise/icons_window.h"
#include "customise_fixture.h"
#include "ui/headless_host.h"

namespace qb::customise {
namespace {

// An icon file's header and a word.
const std::string kDiskIcon = std::string("\0\0\1\0\1\0", 6) + "disk";

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class IconWindows : public testing::CustomiseTest {
 protected:
  IconWindows() {
    host.Attach(app);
    machine.files.AddDrive("D:\\", DriveType::CdRom);
    Write("C:\\Icons\\disk.ico", kDiskIcon);
    machine.images.AddPicture("C:\\Icons\\disk.ico", {.width = 1, .height = 1, .pixels = {0xFF0000FF}});
    machine.files.AddFolder("C:\\Photos");
  }
  void WhileOpen(IconWindow::Target target, const std::function<void(ui::Form&)>& steps) {
    IconWindow window(target, app, services, main_skin);
    host.on_modal = steps;
    app.ShowModal(window.Form(), nullptr);
  }
  size_t IconRefreshes() {
    size_t count = 0;
    for (const auto& call : machine.system_parameters.Calls()) count += call.starts_with("Broadcast");
    return count;
  }

  ui::HeadlessHost host;
  ui::Application app{host};
  skin::SkinInstance main_skin;
};

TEST_F(IconWindows, TheDriveWindowWritesTheIconTypedAndRefreshesTheShell) {
  WhileOpen(IconWindow::Target::Drive, [&](ui::Form& form) {
    EXPECT_THAT(form["Drive1"].Items(), ElementsAre("c:", "d:"));
    EXPECT_EQ(form["Drive1"].Text(), "c:");
    form["Command1"].RaiseClick();  // no icon yet: nothing happens
    EXPECT_EQ(Read("C:\\autorun.inf"), "<missing>");
    form["Text1"].SetText("C:\\Icons\\disk.ico");
    int enter = 13;
    form["Text1"].RaiseKeyPress(enter);
    EXPECT_EQ(form["Picture2"].PicturePath(), "C:\\Icons\\disk.ico");
    form["Command1"].RaiseClick();
  });
  EXPECT_EQ(Read("C:\\autorun.inf"), "[autorun]\r\nicon=C:\\Icons\\disk.ico\r\n");
  EXPECT_GT(IconRefreshes(), 0u);
}

TEST_F(IconWindows, AnUnreadablePictureOrAnUnwritableRootIsTold) {
  machine.files.DenyWrites("C:\\");
  AnswerOpenFile("C:\\Icons\\missing.ico");
  WhileOpen(IconWindow::Target::Drive, [&](ui::Form& form) {
    form["Command2"].RaiseClick();
    form["Text1"].SetText("C:\\Icons\\dsik.ico");  // typed wrong: the drive would show no icon
    form["Command1"].RaiseClick();
    form["Text1"].SetText("C:\\Icons\\disk.ico");
    form["Command1"].RaiseClick();
  });
  ASSERT_EQ(machine.dialogs.Messages().size(), 3u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text, "Not valid icon file, try another one");
  EXPECT_EQ(machine.dialogs.Messages()[1].text, "Not valid icon file, try another one");
  EXPECT_THAT(machine.dialogs.Messages()[2].text, HasSubstr("needs an administrator"));
  EXPECT_EQ(IconRefreshes(), 0u);
}

TEST_F(IconWindows, TheFolderWindowFollowsTheDriveListAndChangesTheChosenFolder) {
  WhileOpen(IconWindow::Target::Folder, [&](ui::Form& form) {
    EXPECT_EQ(form["Dir1"].Text(), "c:\\");
    // The tree lists the machine's own folders.
    EXPECT_THAT(form["Dir1"].Subfolders("c:\\"), ::testing::Contains("Photos"));
    form["Drive1"].ListIndexChangedByUser(1);
    EXPECT_EQ(form["Dir1"].Text(), "d:\\");
    form["Dir1"].TextChangedByUser("C:\\Photos");
    AnswerOpenFile("C:\\Icons\\disk.ico");
    form["Command2"].RaiseClick();
    EXPECT_EQ(form["Text1"].Text(), "C:\\Icons\\disk.ico");
    form["Command1"].RaiseClick();
  });
  EXPECT_EQ(Read("C:\\Photos\\IconX.ico"), kDiskIcon);
  EXPECT_GT(IconRefreshes(), 0u);
}

TEST_F(IconWindows, TheChooserOpensTheChosenWindowEachTimeAndReusesIt) {
  IconsWindow chooser(app, services, main_skin);
  std::vector<const ui::Form*> opened;
  host.on_modal = [&](ui::Form& form) {
    if (form.Name() != "iconsfrm") {
      opened.push_back(&form);
      return;
    }
    EXPECT_EQ(form["drive1"].Value(), 1) << "the drive is chosen from the start";
    form["Command1"].RaiseClick();
    form["Command1"].RaiseClick();
    form["folder1"].SetValue(1);
    form["Command1"].RaiseClick();
    form["Command2"].RaiseClick();
    EXPECT_FALSE(app.IsLoaded(form)) << "Cancel leaves the chooser";
  };
  app.ShowModal(chooser.Form(), nullptr);
  EXPECT_THAT(host.modal, ElementsAre("iconsfrm", "icondrivefrm", "icondrivefrm", "iconfolderfrm"));
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0], opened[1]) << "the drive window is made once and reused";
  EXPECT_EQ(opened[0], &chooser.DriveWindow()->Form());
  EXPECT_EQ(opened[2], &chooser.FolderWindow()->Form());
}

}  // namespace
}  // namespace qb::customise
