// Entry point: wires the real Windows services and the Win32 view into the program.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/main_window.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_machine.h"
#include "ui/win32/splash_window.h"
#include "ui/win32/window_host.h"

namespace {

// The start-up picture as the main window's start-up sequence asks for it.
class Splash : public qb::ui::SplashScreen {
 public:
  explicit Splash(HINSTANCE instance) : instance_(instance) {}
  void Show(const std::string& path) override {
    window_ = std::make_unique<qb::ui::win32::SplashWindow>(instance_, path);
  }
  void Close() override { window_.reset(); }

 private:
  HINSTANCE instance_;
  std::unique_ptr<qb::ui::win32::SplashWindow> window_;
};

// The host and the application refer to each other, so they live and die together.
struct Ui {
  explicit Ui(HINSTANCE instance) : host(instance, app), app(host) {}
  qb::ui::win32::WindowHost host;
  qb::ui::Application app;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  qb::win32::ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                          ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);

  qb::win32::Win32Machine machine;
  Ui ui(instance);
  Splash splash(instance);
  qb::app::MainWindow main(ui.app, machine.services(), splash);

  // The start-up sequence runs first: it may end a second instance, and it loads the skin
  // that the window is drawn with from its first paint.
  ui.app.Load(main.Form());
  if (main.EndedAsSecondInstance()) return 0;
  ui.host.SetSkin(main.Skin().Get());
  ui.app.Show(main.Form());
  return ui.host.Run();
}
