#include "ui/win32/window_host.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/win32/form_window.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/palette.h"

namespace qb::ui::win32 {

WindowHost::WindowHost(HINSTANCE instance, Application& application, const skin::Skin* skin)
    : instance_(instance), application_(application), skin_(skin) {
  INITCOMMONCONTROLSEX controls{sizeof(controls),
                                ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                    ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                    ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  SetSkin(skin);
}

WindowHost::~WindowHost() { CloseAll(); }

void WindowHost::CloseAll() {
  for (const auto& window : windows_) window->Close();
  windows_.clear();
  retired_.clear();
}

void WindowHost::SetSkin(const skin::Skin* skin) {
  skin_ = skin;
  high_contrast_ = AskHighContrast();
  system_colours_ = ReadSystemColours();
  high_contrast_skin_.reset();
  if (skin_ && high_contrast_) high_contrast_skin_ = skin::HighContrastSkin(*skin_, system_colours_);
  for (const auto& window : windows_) window->SkinChanged();
}

bool WindowHost::AskHighContrast() const {
  return high_contrast_override_ ? *high_contrast_override_ : HighContrastOn();
}

void WindowHost::SystemColoursChanged() {
  // One change reaches every top-level window; only the first finds anything new.
  const skin::SystemColours colours = ReadSystemColours();
  const bool high_contrast = AskHighContrast();
  if (high_contrast == high_contrast_ && (!high_contrast || colours == system_colours_)) return;
  SetSkin(skin_);
}

FormWindow* WindowHost::WindowOf(const Form& form) const {
  for (const auto& window : windows_) {
    if (&window->Model() == &form) return window.get();
  }
  return nullptr;
}

WindowHandle WindowHost::HandleOf(const Form& form) const {
  const FormWindow* window = WindowOf(form);
  return window ? reinterpret_cast<WindowHandle>(window->Handle()) : 0;
}

WindowHandle WindowHost::HandleOf(const Control& control) const {
  const FormWindow* window = WindowOf(control.Owner());
  const ControlView* view = window ? window->ViewOf(control) : nullptr;
  return view ? reinterpret_cast<WindowHandle>(view->Handle()) : 0;
}

FormWindow* WindowHost::Open(Form& form, HWND owner) {
  auto window = std::make_unique<FormWindow>(*this, form, owner);
  if (!window->Handle()) {
    const DWORD error = GetLastError();
    window->Close();
    faults_.Report(owner, "CreateWindowEx " + form.Name(),
                   faults_.Say(language::phrase::kWindowNotCreated,
                               {form.Caption(), qb::win32::ErrorText(error), std::to_string(error)}));
    return nullptr;
  }
  windows_.push_back(std::move(window));
  return windows_.back().get();
}

bool WindowHost::Build(Form& form) {
  return WindowOf(form) || Open(form, nullptr);
}

bool WindowHost::Show(Form& form) {
  FormWindow* window = WindowOf(form);
  if (!window) window = Open(form, nullptr);
  if (!window || !window->Handle()) return false;
  ShowWindow(window->Handle(), SW_SHOW);
  UpdateWindow(window->Handle());
  FocusFirstControl(window->Handle());
  return true;
}

void WindowHost::ShowModal(Form& form, Form* owner) {
  FormWindow* window = WindowOf(form);
  const FormWindow* owner_window = owner ? WindowOf(*owner) : nullptr;
  if (!window) window = Open(form, owner_window ? owner_window->Handle() : nullptr);
  if (!window || !window->Handle()) {
    // Reported already; the model follows, so the form is not left loaded without a window.
    application_.Unload(form, CloseReason::Code);
    return;
  }

  // The control the user left gets the focus back when this window goes.
  const HWND focus_before = GetFocus();
  // Every other window of the program waits while this one is open.
  Modal modal{window, {}};
  for (const auto& other : windows_) {
    HWND handle = other->Handle();
    if (other.get() != window && handle && IsWindowEnabled(handle)) {
      EnableWindow(handle, FALSE);
      modal.disabled.push_back(handle);
    }
  }
  modals_.push_back(std::move(modal));
  ShowWindow(window->Handle(), SW_SHOW);
  SetForegroundWindow(window->Handle());
  UpdateWindow(window->Handle());
  FocusFirstControl(window->Handle());
  // What the window has to tell as it opens is told over it, with the window as its owner.
  if (form.on_shown) form.on_shown();

  MSG message;
  while (WindowOf(form) && WindowOf(form)->Handle() && application_.IsLoaded(form)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit for the outer loop.
      quitting_ = true;
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Dispatch(message);
  }
  if (FormWindow* still = WindowOf(form)) EndModal(*still);
  DeleteRetired();
  if (focus_before && IsWindow(focus_before) && IsWindowVisible(focus_before)) SetFocus(focus_before);
}

void WindowHost::EndModal(FormWindow& window) {
  const auto found = std::find_if(modals_.begin(), modals_.end(),
                                   [&](const Modal& modal) { return modal.window == &window; });
  if (found == modals_.end()) return;
  // Enabled again before the modal window goes, so Windows activates the owner, not
  // some other program.
  for (HWND handle : found->disabled) {
    if (IsWindow(handle)) EnableWindow(handle, TRUE);
  }
  modals_.erase(found);
}

void WindowHost::Destroy(Form& form) {
  if (FormWindow* window = WindowOf(form)) Retire(*window);
}

void WindowHost::Retire(FormWindow& window) {
  EndModal(window);
  const auto found = std::find_if(windows_.begin(), windows_.end(),
                                  [&](const auto& owned) { return owned.get() == &window; });
  if (found == windows_.end()) return;
  retired_.push_back(std::move(*found));
  windows_.erase(found);
  window.Close();
  if (windows_.empty() && run_depth_ > 0) PostQuitMessage(0);
}

void WindowHost::WindowLost(FormWindow& window) {
  Form& form = window.Model();
  application_.Unload(form, CloseReason::OwnerClosing);
  // A form that refused to unload has no window any more all the same.
  if (WindowOf(form) == &window) Retire(window);
}

void WindowHost::RequestClose(Form& form, CloseReason reason) { application_.Unload(form, reason); }

void WindowHost::TitleButtonClicked(Form& form, const std::string& name) {
  application_.TitleButtonClicked(form, name);
}

void WindowHost::Minimize(Form& form) {
  if (FormWindow* window = WindowOf(form); window && window->Handle()) {
    ShowWindow(window->Handle(), SW_MINIMIZE);
  }
}

void WindowHost::DeleteRetired() {
  // A window whose handler is still running (it opened a nested loop) waits for a later turn.
  std::erase_if(retired_, [](const auto& window) { return window->DispatchDepth() == 0; });
}

void WindowHost::Dispatch(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  const bool ours = root && std::any_of(windows_.begin(), windows_.end(), [&](const auto& window) {
                      return window->Handle() == root;
                    });
  // Tab, Enter and Escape as every window answers them; arrows and access keys move
  // between the controls as in a dialog.
  if (ours && HandleWindowKey(root, message)) {
    DeleteRetired();
    return;
  }
  if (!ours || !IsDialogMessageW(root, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteRetired();
}

bool WindowHost::DoEvents() {
  MSG message;
  while (!quitting_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitting_ = true;
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Dispatch(message);
  }
  return !quitting_;
}

int WindowHost::Run() {
  if (windows_.empty()) return 0;
  // Nothing on the screen would ever end the loop.
  if (std::none_of(windows_.begin(), windows_.end(), [](const auto& window) { return window->Handle(); })) {
    return 1;
  }
  ++run_depth_;
  MSG message{};
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) Dispatch(message);
  --run_depth_;
  quitting_ = false;
  DeleteRetired();
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace qb::ui::win32
