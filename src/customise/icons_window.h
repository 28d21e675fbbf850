#pragma once
// "Icons": asks whether a drive's or a folder's icon is to change, then opens that window
// over itself. Each of the two windows is made the first time it is asked for and reused.
#include <memory>

#include "customise/icon_windows.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::customise {

inline constexpr std::string_view kIconsTitleKey = "7007";

// The window as designed, before it is loaded.
std::unique_ptr<ui::Form> BuildIconsForm();

class IconsWindow {
 public:
  IconsWindow(ui::Application& app, const Services& services, const skin::SkinInstance& main_skin);
  IconsWindow(const IconsWindow&) = delete;
  IconsWindow& operator=(const IconsWindow&) = delete;

  ui::Form& Form() { return *form_; }
  // The windows opened so far (nullptr until first asked for).
  IconWindow* DriveWindow() const { return drive_.get(); }
  IconWindow* FolderWindow() const { return folder_.get(); }

 private:
  void Load();
  void Next();
  void Open(std::unique_ptr<IconWindow>& window, IconWindow::Target target);

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
  std::unique_ptr<IconWindow> drive_;
  std::unique_ptr<IconWindow> folder_;
};

// Opens the chooser modally over its owner and returns once it has been closed.
void ShowIcons(ui::Application& app, ui::Form& owner, const Services& services,
               const skin::SkinInstance& main_skin);

}  // namespace qb::customise
