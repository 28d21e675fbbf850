// The labels of a window's text boxes, lists and sliders, where Windows' accessibility and
// the access keys look for them: the static text just before the control in the window order.
#include "platform/win32/wide.h"
#include "ui/label_pairing.h"
#include "ui/win32/form_window.h"

namespace qb::ui::win32 {

void FormWindow::PlaceBefore(HWND label, HWND named) {
  const HWND before = GetWindow(named, GW_HWNDPREV);
  if (before == label) return;
  SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::PlaceLabels(const Control* container) {
  for (const Control* control : form_.Children(container)) {
    if (!NamedByLabel(control->Kind())) continue;
    const ControlView* named = ViewOf(*control);
    if (!named || !named->Handle()) continue;
    if (const Control* label = NamingLabel(form_, *control)) {
      const ControlView* naming = ViewOf(*label);
      if (naming && naming->Handle()) PlaceBefore(naming->Handle(), named->Handle());
      continue;
    }
    // Never shown, so neither drawn nor reached by Tab or an access key, yet read as the
    // control's name: Windows takes the static text before a control whether shown or not.
    const std::string name = ImpliedName(form_, *control);
    if (name.empty()) continue;
    HWND& hidden = hidden_names_[control];
    if (!hidden || !IsWindow(hidden)) {
      hidden = CreateWindowExW(0, L"STATIC", qb::win32::Wide(name).c_str(), WS_CHILD | SS_LEFT, 0, 0, 0, 0,
                               GetParent(named->Handle()), nullptr, Instance(), nullptr);
    }
    if (hidden) PlaceBefore(hidden, named->Handle());
  }
}

void FormWindow::RenameHidden() {
  for (const auto& [control, hidden] : hidden_names_) {
    if (IsWindow(hidden)) SetWindowTextW(hidden, qb::win32::Wide(ImpliedName(form_, *control)).c_str());
  }
}

}  // namespace qb::ui::win32
