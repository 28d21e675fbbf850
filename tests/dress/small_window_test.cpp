// Every small window takes its title and captions from the chosen language file as it loads.
#include "dress/small_window.h"

#include <gtest/gtest.h>

#include <functional>

#include "customise/fonts_window.h"
#include "customise/icon_windows.h"
#include "customise/icons_window.h"
#include "platform/memory/memory_machine.h"
#include "tweaks/system_colours_window.h"
#include "ui/headless_host.h"

namespace qb::dress {
namespace {

TEST(SmallWindow, TitleAndCaptionsComeFromTheLanguageFile) {
  MemoryMachine machine;
  machine.profile.SetFile(machine.environment.application_folder + "\\languages\\English.ini",
                          "[Vorlix]\r\n7004=Schriften\r\n5006=Fett\r\n7007=Symbole\r\n"
                          "7005=Laufwerkssymbol\r\n7006=Ordnersymbol\r\n7012=Farben\r\n3027=Element\r\n");
  ui::HeadlessHost host;
  ui::Application app{host};
  host.Attach(app);
  skin::SkinInstance main_skin;
  const Services services = machine.services();
  using Target = customise::IconWindow::Target;
  customise::FontsWindow fonts(app, services, main_skin);
  customise::IconsWindow icons(app, services, main_skin);
  customise::IconWindow drive(Target::Drive, app, services, main_skin);
  customise::IconWindow folder(Target::Folder, app, services, main_skin);
  tweaks::SystemColoursWindow colours(app, services, main_skin);
  const struct {
    ui::Form& form;
    const char* title;
    const char* control;  // one control caption from the same file, when the window has one
    const char* caption;
  } windows[] = {
      {fonts.Form(), "Schriften", "Check2", "Fett"},
      {icons.Form(), "Symbole", nullptr, nullptr},
      {drive.Form(), "Laufwerkssymbol", nullptr, nullptr},
      {folder.Form(), "Ordnersymbol", nullptr, nullptr},
      {colours.Form(), "Farben", "SkinLabel1", "Element"},
  };
  for (const auto& window : windows) {
    app.Load(window.form);
    EXPECT_EQ(window.form.Caption(), window.title);
    if (window.control) {
      EXPECT_EQ(window.form[window.control].Caption(), window.caption) << window.title;
    }
    app.Unload(window.form);
  }
}

}  // namespace
}  // namespace qb::dress
