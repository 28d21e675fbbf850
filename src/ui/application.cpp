#include "ui/application.h"

#include <algorithm>

namespace qb::ui {

void Application::Load(Form& form) {
  if (IsLoaded(form)) return;
  loaded_.push_back(&form);
  if (form.on_load) form.on_load();
  if (on_loaded && IsLoaded(form)) on_loaded(form);
}

void Application::Show(Form& form) {
  Load(form);
  // A load handler may unload its own window (a second instance, a failed start).
  if (IsLoaded(form) && host_.Show(form) && form.on_shown) form.on_shown();
}

void Application::ShowModal(Form& form, Form* owner) {
  Load(form);
  // A load handler may unload its own window (a second instance, a failed start).
  if (IsLoaded(form)) host_.ShowModal(form, owner);
}

bool Application::Unload(Form& form, CloseReason reason) {
  if (!IsLoaded(form)) return true;
  bool cancel = false;
  if (form.on_query_unload) form.on_query_unload(reason, cancel);
  if (cancel) return false;
  if (form.on_unload) form.on_unload();
  std::erase(loaded_, &form);
  host_.Destroy(form);
  return true;
}

void Application::TitleButtonClicked(Form& form, const std::string& name) {
  if (name == "close") {
    Unload(form, CloseReason::User);
  } else if (name == "minimize") {
    host_.Minimize(form);
  } else if (form.on_title_button) {
    form.on_title_button(name);
  }
}

void Application::UnloadAll(CloseReason reason) {
  const auto windows = loaded_;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    Unload(**it, reason);
  }
}

bool Application::IsLoaded(const Form& form) const {
  return std::find(loaded_.begin(), loaded_.end(), &form) != loaded_.end();
}

}  // namespace qb::ui
