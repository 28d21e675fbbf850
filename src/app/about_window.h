#pragma once
// "about": the program's title and version, who to contact, and a legal warning.
#include <memory>
#include <string>

#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::app {

// major.minor.0.revision, as the version resource states it.
std::string VersionNumber(int major, int minor, int revision);

// The window with every control in place and no handlers.
std::unique_ptr<ui::Form> CreateAboutForm();

class AboutWindow {
 public:
  // main_skin is the main window's skin instance, which skins this window's controls.
  AboutWindow(ui::Application& app, const Services& services, const skin::SkinInstance& main_skin);
  ui::Form& Form() { return *form_; }

 private:
  void Load();

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
};

}  // namespace qb::app
