#pragma once
// A host without a screen: it records what would be shown and lets a test (or a headless
// run) act while a modal window is up. A modal window that the callback leaves loaded is
// unloaded when the callback returns, as if the user had closed it.
#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"

namespace qb::ui {

class HeadlessHost : public FormHost {
 public:
  void Attach(Application& app) { app_ = &app; }

  bool Show(Form& form) override {
    shown.push_back(form.Name());
    if (on_show) on_show(form);
    return true;
  }
  void ShowModal(Form& form, Form* owner) override {
    modal.push_back(form.Name());
    if (form.on_shown) form.on_shown();
    if (on_modal && app_ && app_->IsLoaded(form)) on_modal(form);
    if (app_ && app_->IsLoaded(form)) app_->Unload(form, CloseReason::User);
  }
  void Destroy(Form& form) override { destroyed.push_back(form.Name()); }
  void Minimize(Form& form) override { minimized.push_back(form.Name()); }
  bool DoEvents() override {
    ++events_pumped;
    if (on_events) on_events();
    return true;
  }
  WindowHandle HandleOf(const Form&) const override { return 0x1234; }

  std::function<void(Form&)> on_modal;
  // Called as the window would appear, before its Shown event.
  std::function<void(Form&)> on_show;
  // Called where events are pumped in the middle of a run, as a user's clicks arrive there.
  std::function<void()> on_events;
  std::vector<std::string> shown;
  std::vector<std::string> modal;
  std::vector<std::string> destroyed;
  std::vector<std::string> minimized;
  int events_pumped = 0;

 private:
  Application* app_ = nullptr;
};

}  // namespace qb::ui
