#include "customise/icon_windows.h"

#include <cctype>

#include "customise/drive_icon.h"
#include "customise/folder_icon.h"
#include "customise/icon_conversion.h"
#include "dress/small_window.h"
#include "language/phrases.h"
#include "language/wording.h"
#include "registry/shell_refresh.h"

namespace qb::customise {

namespace {

constexpr int kWidth = 5400;
constexpr int kEnterKey = 13;

}  // namespace

std::unique_ptr<ui::Form> BuildIconForm(IconWindow::Target target) {
  using ui::ControlKind;
  const bool folder = target == IconWindow::Target::Folder;
  // The folder window is taller by its folder tree.
  const int tree_height = folder ? 2160 : 0;
  auto form = std::make_unique<ui::Form>(folder ? "iconfolderfrm" : "icondrivefrm",
                                         folder ? "Change folder icon" : "Change drive icon",
                                         kWidth, 4500 + tree_height);
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel,
             .caption = folder ? "Choose the folder to change its icon"
                               : "Choose the drive to change its icon",
             .tag = folder ? "3020" : "3017", .rect = {240, 480, 4920, 420}});
  form->Add({.name = "Drive1", .kind = ControlKind::DriveList, .rect = {240, 960, 2400, 315},
             .combo_style = ui::ComboStyle::DropDownList});
  if (folder) {
    form->Add({.name = "Dir1", .kind = ControlKind::FolderTree, .rect = {240, 1380, 4920, 2040}});
  }
  const int top = 1500 + tree_height;
  form->Add({.name = "SkinLabel2", .kind = ControlKind::SkinLabel,
             .caption = "Enter the path or browse for new icons", .tag = "3018",
             .rect = {240, top, 4920, 420}});
  form->Add({.name = "Text1", .kind = ControlKind::TextBox, .rect = {240, top + 450, 4200, 315}});
  form->Add({.name = "Command2", .kind = ControlKind::CommandButton, .caption = "...",
             .tag = "1023", .rect = {4560, top + 420, 600, 380}});
  form->Add({.name = "SkinLabel4", .kind = ControlKind::SkinLabel, .caption = "New icon",
             .tag = "3019", .rect = {240, top + 960, 1800, 420}});
  form->Add({.name = "Picture2", .kind = ControlKind::Picture, .rect = {240, top + 1400, 840, 840}});
  // The last step: its button names what it does rather than leading on.
  using language::phrase::kChangeIcon;
  form->Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = std::string(kChangeIcon.english),
             .tag = std::string(kChangeIcon.key), .rect = {3120, top + 1860, 2040, 380}});
  return form;
}

IconWindow::IconWindow(Target target, ui::Application& app, const Services& services,
                       const skin::SkinInstance& main_skin)
    : target_(target), app_(app), services_(services), main_skin_(main_skin),
      form_(BuildIconForm(target)) {
  ui::Form& form = *form_;
  form.on_load = [this] { Load(); };
  form["Command2"].on_click = [this] { Browse(); };
  form["Text1"].on_key_press = [this](int& key) {
    if (key != kEnterKey) return;
    key = 0;  // no beep: Enter is taken
    Preview();
  };
  form["Command1"].on_click = [this] { Next(); };
  if (target_ == Target::Folder) {
    form["Drive1"].on_click = [this] { DriveChosen(); };
    form["Dir1"].ListFoldersFrom(&services_.files);
  }
}

void IconWindow::Load() {
  const bool folder = target_ == Target::Folder;
  dress::LoadSmallWindow(*form_, services_, own_skin_, main_skin_, folder ? kFolderTitleKey : kDriveTitleKey,
                  folder ? "Change folder icon" : "Change drive icon");
  FillDrives();
}

// The drives as "c:", the Windows drive chosen first.
void IconWindow::FillDrives() {
  ui::Control& drives = (*form_)["Drive1"];
  std::vector<std::string> names;
  int chosen = 0;
  const std::string windows = services_.environment.WindowsFolder();
  for (const auto& root : services_.files.DriveRoots()) {
    if (root.size() < 2 || root[1] != ':') continue;
    std::string name = root.substr(0, 2);
    name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    if (!windows.empty() && std::tolower(static_cast<unsigned char>(windows[0])) == name[0]) {
      chosen = static_cast<int>(names.size());
    }
    names.push_back(std::move(name));
  }
  drives.SetItems(std::move(names));
  if (!drives.Items().empty()) drives.SetListIndex(chosen);
}

// The folder tree follows the drive list.
void IconWindow::DriveChosen() {
  const std::string drive = (*form_)["Drive1"].Text();
  if (drive.size() >= 2) (*form_)["Dir1"].SetText(drive.substr(0, 2) + "\\");
}

void IconWindow::Browse() {
  std::string chosen;
  std::string filter = language::Say(services_, language::phrase::kIconFiles) + "|" + std::string(kIconPatterns);
  if (target_ == Target::Folder) {
    filter += "|" + language::Say(services_, language::phrase::kPictureFiles) + "|" + std::string(kPicturePatterns);
  }
  if (!services_.dialogs.ChooseOpenFile(app_.HandleOf(*form_), {.filter = filter}, chosen)) {
    return;
  }
  (*form_)["Text1"].SetText(chosen);
  Preview();
}

void IconWindow::Preview() {
  ui::Control& picture = (*form_)["Picture2"];
  const std::string& path = (*form_)["Text1"].Text();
  const Status usable = CheckPicture(services_, path);
  if (usable != status::kOk) {
    picture.SetPicture("");
    // A picture too large is a picture: the usual answer would send the user looking for
    // what is wrong with the file.
    const std::string message = usable == status::kPictureTooLarge
                                    ? WhyNotAPicture(services_, path, usable)
                                    : language::Say(services_, language::phrase::kNotAValidIcon);
    services_.dialogs.ShowMessage(app_.HandleOf(*form_), message,
                                  language::Say(services_, language::phrase::kPreviewTitle), mb::kOk);
    return;
  }
  picture.SetPicture(path);
}

void IconWindow::Next() {
  if ((*form_)["Text1"].Text().empty()) return;
  if (target_ == Target::Drive) {
    NextForDrive();
  } else {
    NextForFolder();
  }
}

void IconWindow::NextForDrive() {
  const std::string drive = (*form_)["Drive1"].Text();
  const std::string& icon = (*form_)["Text1"].Text();
  if (!NamesAFile(services_.files, icon)) {
    services_.dialogs.ShowMessage(app_.HandleOf(*form_), language::Say(services_, language::phrase::kNotAValidIcon),
                                  form_->Caption(), mb::kIconStop);
    return;
  }
  const Status written = SetDriveIcon(services_.files, drive, icon);
  if (written != status::kOk) {
    services_.dialogs.ShowMessage(app_.HandleOf(*form_), DriveIconFailure(services_, drive, written),
                                  form_->Caption(), mb::kIconStop);
    return;
  }
  registry::RefreshShellIcons(services_.registry, services_.system_parameters);
}

void IconWindow::NextForFolder() {
  if (ChangeFolderIcon(services_, app_.HandleOf(*form_), (*form_)["Dir1"].Text(),
                       (*form_)["Text1"].Text(), "", /*copy_icon=*/true, "", 24,
                       language::Say(services_, language::phrase::kFixedDrivesOnly))) {
    registry::RefreshShellIcons(services_.registry, services_.system_parameters);
  }
}

}  // namespace qb::customise
