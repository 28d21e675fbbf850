#include "app/about_window.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::app {
namespace {

TEST(AboutWindow, VersionNumberHasAZeroThirdNumber) {
  EXPECT_EQ(VersionNumber(1, 1, 0), "1.1.0.0");
  EXPECT_EQ(VersionNumber(2, 10, 347), "2.10.0.347");
}

TEST(AboutWindow, ShowsTitleAndVersionAndClosesOnOk) {
  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app(host);
  host.Attach(app);
  skin::SkinInstance main_skin;
  AboutWindow about(app, machine.services(), main_skin);
  bool still_loaded_after_ok = true;
  host.on_modal = [&](ui::Form& form) {
    EXPECT_EQ(form["lblTitle"].Caption(), "Quill Box");
    EXPECT_EQ(form["lblVersion"].Caption(),
              "Version " + VersionNumber(QB_VERSION_MAJOR, QB_VERSION_MINOR, QB_VERSION_REVISION));
    EXPECT_FALSE(form["lblDisclaimer"].Caption().empty());
    form["cmdOK"].RaiseClick();
    still_loaded_after_ok = app.IsLoaded(form);
  };
  app.ShowModal(about.Form(), nullptr);
  EXPECT_EQ(host.modal, std::vector<std::string>{"frmabout"});
  EXPECT_FALSE(still_loaded_after_ok);
}

}  // namespace
}  // namespace qb::app
