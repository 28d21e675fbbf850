#pragma once
// "Change drive icon" and "Change folder icon": choose the drive or folder, type or browse
// for the icon, see it, and "Next>>" gives the drive or folder that icon.
#include <memory>

#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::customise {

inline constexpr std::string_view kIconPatterns = "*.ico";
// The folder window also takes pictures, which it converts into an icon.
inline constexpr std::string_view kPicturePatterns = "*.png;*.jpg;*.jpeg;*.gif;*.bmp";

inline constexpr std::string_view kDriveTitleKey = "7005";
inline constexpr std::string_view kFolderTitleKey = "7006";

class IconWindow {
 public:
  enum class Target { Drive, Folder };
  IconWindow(Target target, ui::Application& app, const Services& services,
             const skin::SkinInstance& main_skin);
  IconWindow(const IconWindow&) = delete;
  IconWindow& operator=(const IconWindow&) = delete;

  ui::Form& Form() { return *form_; }

 private:
  void Load();
  void FillDrives();
  void DriveChosen();
  void Browse();
  void Preview();
  void Next();
  void NextForDrive();
  void NextForFolder();

  Target target_;
  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
};

// The window as designed, before it is loaded.
std::unique_ptr<ui::Form> BuildIconForm(IconWindow::Target target);

}  // namespace qb::customise
