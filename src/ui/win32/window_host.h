#pragma once
// Shows the program's form models as real windows: one FormWindow per loaded form, the
// message loop, modal windows with a nested loop, and the way back from a window's close
// request to the application's Unload.
//
// The host and the application refer to each other; construct them as members of one
// object, host first:
//   struct Ui { WindowHost host; ui::Application app;
//               Ui(HINSTANCE i) : host(i, app), app(host) {} };
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/shell.h"
#include <optional>

#include "skin/high_contrast.h"
#include "skin/skin.h"
#include "ui/application.h"
#include "ui/win32/dpi.h"
#include "ui/win32/fault_barrier.h"
#include "ui/win32/face_cache.h"
#include "ui/win32/font_cache.h"
#include "ui/win32/gdiplus_session.h"

namespace qb::ui::win32 {

class FormWindow;

class WindowHost : public FormHost {
 public:
  WindowHost(HINSTANCE instance, Application& application, const skin::Skin* skin = nullptr);
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;
  ~WindowHost() override;

  // Windows already open redraw in the new skin; nullptr: plain system drawing.
  void SetSkin(const skin::Skin* skin);
  // The skin windows draw with: in high contrast, the chosen skin in the system's colours.
  const skin::Skin* Skin() const { return high_contrast_skin_ ? &*high_contrast_skin_ : skin_; }
  // Windows announced a change of settings or colours: high contrast is asked afresh and
  // open windows redraw when the look changed.
  void SystemColoursChanged();
  // Stands in for Windows' high-contrast setting where it cannot be switched (Wine keeps it
  // off); taken up at the next change of settings or colours. nullopt: Windows' own again.
  void SetHighContrastOverride(std::optional<bool> on) { high_contrast_override_ = on; }
  skin::GraphColours GraphColours() const { return skin::GraphColoursFor(high_contrast_, system_colours_); }
  DpiSource& Dpi() { return dpi_; }
  const DpiSource& Dpi() const { return dpi_; }
  FontCache& Fonts() { return fonts_; }
  FaceCache& Faces() { return faces_; }
  HINSTANCE Instance() const { return instance_; }

  // Where a handler's fault is logged and shown.
  FaultReporter& Faults() { return faults_; }

  // Shows the form; when Windows cannot create its window, the failure is reported and the
  // form has no window (HandleOf is 0).
  bool Show(Form& form) override;
  // Makes the form's window and its controls without showing it yet; false (reported as
  // Show reports it) when Windows refused the window.
  bool Build(Form& form);
  void ShowModal(Form& form, Form* owner) override;
  void Destroy(Form& form) override;
  void Minimize(Form& form) override;
  bool DoEvents() override;

  // Runs the message loop until the last window has been destroyed; the exit code. Returns
  // at once when no window could be created.
  int Run();
  // Takes every window down now; the forms they draw may be destroyed afterwards.
  void CloseAll();
  // The form's window handle, 0 while it has no window.
  WindowHandle HandleOf(const Form& form) const;
  // The window of one control, 0 when it has none (a timer, a form without a window).
  WindowHandle HandleOf(const Control& control) const;

  // A window asks to close (title-bar close, system menu, Alt+F4, Windows shutting down):
  // the application decides through the form's QueryUnload and Unload.
  void RequestClose(Form& form, CloseReason reason);
  // A skinned title-bar button was clicked: the application says what it means.
  void TitleButtonClicked(Form& form, const std::string& name);
  // A window was destroyed from outside (its owner went): the model follows.
  void WindowLost(FormWindow& window);

 private:
  struct Modal {
    FormWindow* window;
    std::vector<HWND> disabled;
  };

  FormWindow* WindowOf(const Form& form) const;
  // The new window, or nullptr (reported) when Windows could not create it.
  FormWindow* Open(Form& form, HWND owner);
  void Dispatch(MSG& message);
  void Retire(FormWindow& window);
  void DeleteRetired();
  bool AskHighContrast() const;
  void EndModal(FormWindow& window);

  HINSTANCE instance_;
  Application& application_;
  const skin::Skin* skin_;
  std::optional<skin::Skin> high_contrast_skin_;
  bool high_contrast_ = false;
  std::optional<bool> high_contrast_override_;
  skin::SystemColours system_colours_;
  FaultReporter faults_;
  GdiplusSession gdiplus_;
  DpiSource dpi_;
  FontCache fonts_;
  FaceCache faces_;
  std::vector<std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> retired_;
  std::vector<Modal> modals_;
  int run_depth_ = 0;
  bool quitting_ = false;
};

}  // namespace qb::ui::win32
