#pragma once
// The program's collection of loaded windows and the one place that loads, shows and
// unloads them. Showing is delegated to a host: the Win32 view on Windows, a scripted host
// in tests.
#include <functional>
#include <vector>

#include "platform/shell.h"
#include "ui/form.h"

namespace qb::ui {

class FormHost {
 public:
  virtual ~FormHost() = default;
  // Makes the window visible without waiting; false when it could not be shown.
  virtual bool Show(Form& form) = 0;
  // Shows the window modally over its owner and returns when it has been unloaded.
  virtual void ShowModal(Form& form, Form* owner) = 0;
  // Takes the window off the screen; called after its Unload event.
  virtual void Destroy(Form& form) = 0;
  // Shrinks the window to its button on the taskbar.
  virtual void Minimize(Form& form) = 0;
  // Handles the window messages waiting, so that a long loop keeps the windows painted
  // and responsive. Returns false once the program is closing.
  virtual bool DoEvents() = 0;
  // The window's system handle, for calls that take an owner window; 0 when not shown.
  virtual WindowHandle HandleOf(const Form& form) const { return 0; }
};

class Application {
 public:
  explicit Application(FormHost& host) : host_(host) {}

  // Adds the window to the collection and raises its Load event, once.
  void Load(Form& form);
  // Loads the window when needed, shows it and raises its Shown event.
  void Show(Form& form);
  // Loads the window when needed, shows it modally and returns once it is unloaded.
  void ShowModal(Form& form, Form* owner);
  // Asks the window whether it may close (QueryUnload); unless it cancels, raises Unload,
  // removes it from the collection and takes it off the screen. True when it was unloaded.
  bool Unload(Form& form, CloseReason reason = CloseReason::Code);
  // Unloads every loaded window, newest first.
  void UnloadAll(CloseReason reason);
  // A click on one of the window's skinned title-bar buttons: "close" asks the window to
  // close as the user would, "minimize" minimizes it, and every other name (compared
  // exactly) goes to the window's own title-button event.
  void TitleButtonClicked(Form& form, const std::string& name);

  bool DoEvents() { return host_.DoEvents(); }
  bool IsLoaded(const Form& form) const;
  const std::vector<Form*>& Loaded() const { return loaded_; }
  FormHost& Host() { return host_; }
  WindowHandle HandleOf(const Form& form) const { return host_.HandleOf(form); }

  // Raised once for each window right after its Load event, when its handlers are set: the
  // entry point puts every handler inside an action of the journal of changes here.
  std::function<void(Form& form)> on_loaded;

 private:
  FormHost& host_;
  std::vector<Form*> loaded_;
};

}  // namespace qb::ui
