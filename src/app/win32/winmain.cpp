// Entry point: wires the real Windows services and the Win32 view into the program.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/action_scopes.h"
#include "app/main_window.h"
#include "app/win32/startup_trace.h"
#include "errorlog/error_log.h"
#include "language/wording.h"
#include "journal/journal_place.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "ui/win32/fault_barrier.h"
#include "ui/win32/splash_thread.h"
#include "ui/win32/window_host.h"

namespace {

// The start-up picture as the main window's start-up sequence asks for it, painted on a
// thread of its own while the window is built.
class Splash : public qb::ui::SplashScreen {
 public:
  explicit Splash(HINSTANCE instance) : instance_(instance) {}
  void Show(const std::string& path) override {
    shown_ = std::make_unique<qb::ui::win32::SplashThread>(instance_, path);
  }
  void Close() override {
    if (shown_) shown_->Close();
  }
  void WaitGone() {
    if (shown_) shown_->WaitGone();
  }

 private:
  HINSTANCE instance_;
  std::unique_ptr<qb::ui::win32::SplashThread> shown_;
};

// The host and the application refer to each other, so they live and die together.
struct Ui {
  explicit Ui(HINSTANCE instance) : host(instance, app), app(host) {}
  qb::ui::win32::WindowHost host;
  qb::ui::Application app;
};

// The view goes before the forms it draws, so that no late message of a window reaches a
// form that is already gone.
class ViewBeforeForms {
 public:
  explicit ViewBeforeForms(qb::ui::win32::WindowHost& host) : host_(host) {}
  ViewBeforeForms(const ViewBeforeForms&) = delete;
  ViewBeforeForms& operator=(const ViewBeforeForms&) = delete;
  ~ViewBeforeForms() { host_.CloseAll(); }

 private:
  qb::ui::win32::WindowHost& host_;
};

int Run(HINSTANCE instance, qb::app::StartupTrace& trace) {
  trace.Step("entered");
  qb::win32::ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                          ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  trace.Step("common-controls");

  qb::win32::Win32Machine machine;
  qb::errorlog::ErrorLog log(machine.services());
  // Every change is journaled before it is made, so that it can be undone. Without a folder
  // to keep the journal in, the program runs on with its changes unrecorded.
  const std::string journal_path = qb::journal::JournalPath(machine.services());
  std::unique_ptr<qb::journal::JournaledServices> journaled;
  if (!journal_path.empty()) {
    journaled = std::make_unique<qb::journal::JournaledServices>(machine.services(), journal_path);
  }
  const qb::Services services = journaled ? journaled->services() : machine.services();
  trace.Step("services");
  Ui ui(instance);
  if (journaled) {
    ui.app.on_loaded = [&ui, &journaled, &services](qb::ui::Form& form) {
      qb::app::ScopeHandlers(ui.app, form, journaled->journal(), services);
    };
  }
  // A handler's fault goes to the program log as well as to a debugger.
  ui.host.Faults().SetLog([&log](const std::string& where, const std::string& what) {
    qb::ui::win32::WriteFaultToDebugger(qb::ui::win32::FaultLine(where, what));
    log.LogError(0, what, "view", where);
  });
  ui.host.Faults().SetWording(qb::language::InChosenLanguage(services));
  Splash splash(instance);
  qb::app::MainWindow main(ui.app, services, splash,
                           journaled.get());
  const ViewBeforeForms teardown(ui.host);
  trace.Step("forms-built");

  // The start-up sequence runs first: it may end a second instance, and it loads the skin
  // that the window is drawn with from its first paint. A fault in it is reported and the
  // window comes up with whatever was read.
  try {
    ui.app.Load(main.Form());
  } catch (...) {
    ui.host.Faults().Report(nullptr, "start-up", qb::ui::win32::CurrentFaultText());
  }
  trace.Step("loaded");
  if (main.EndedAsSecondInstance()) return 0;
  ui.host.SetSkin(main.Skin().Get());
  // The window is built while the splash may still be on the screen, and shown once it is
  // gone. A main window that Windows refused has been reported: end, and free the
  // single-instance name for the next start, rather than wait for a window that never comes.
  if (!ui.host.Build(main.Form())) return 1;
  splash.WaitGone();
  ui.app.Show(main.Form());
  trace.Step("shown");
  return ui.host.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  qb::app::StartupTrace trace;
  try {
    return Run(instance, trace);
  } catch (...) {
    // Outside every window procedure: the last place a fault can be told.
    const std::string what = qb::ui::win32::CurrentFaultText();
    qb::ui::win32::WriteFaultToDebugger(qb::ui::win32::FaultLine("wWinMain", what));
    std::string text;
    try {
      qb::win32::Win32Machine machine;
      text = qb::language::Say(machine.services(), qb::language::phrase::kFaultMustClose, {what});
    } catch (...) {
      // The language is out of reach (no memory, no registry): the words in the code.
      text = qb::language::InEnglish(qb::language::phrase::kFaultMustClose, {what});
    }
    MessageBoxW(nullptr, qb::win32::Wide(text).c_str(), L"Quill Box", MB_OK | MB_ICONERROR);
    return 1;
  }
}
