#pragma once
// A window as data: an ordered collection of controls (the order in which they were
// added, which is the order every pass over a window's controls follows), the window's
// own caption and size, and its events. One observer, the view, is told of every change.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace qb::ui {

enum class FormProperty { Caption, Size, Visible, SkinElement, Cursor, TitleButtons };

class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void ControlChanged(Control& control, Property property) = 0;
  virtual void FormChanged(Form& form, FormProperty property) = 0;
};

// Why a window is asked to close, as the close request reports it.
enum class CloseReason { User, Code, WindowsShutdown, TaskManager, OwnerClosing };

class Form {
 public:
  Form(std::string name, std::string caption, int width_twips, int height_twips);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }

  Control& Add(ControlSpec desc);
  // The control of that name (and index, for a member of a control array), or nullptr.
  Control* Find(std::string_view name, int index = -1) const;
  // Like Find, for controls the form is known to have: a missing one is a programming
  // error and throws std::out_of_range.
  Control& operator[](std::string_view name) const;
  Control& At(std::string_view name, int index) const;
  // Members of a control array in index order.
  std::vector<Control*> Array(std::string_view name) const;
  // Controls whose container is the given one (nullptr: placed on the form), in order.
  std::vector<Control*> Children(const Control* container) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The language key of a translated title and its English words: a record kept for later,
  // perhaps read in another language, names the window by these rather than by its caption.
  const std::string& TitleKey() const { return title_key_; }
  const std::string& TitleEnglish() const { return title_english_; }
  void SetTitlePhrase(std::string key, std::string english) {
    title_key_ = std::move(key);
    title_english_ = std::move(english);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Resize(int width, int height);
  void SetHeight(int height) { Resize(width_, height); }
  const std::string& SkinElement() const { return skin_element_; }
  void SetSkinElement(std::string element);
  // The title-bar buttons the skin gives this window, by name, in order.
  const std::vector<std::string>& TitleButtons() const { return title_buttons_; }
  void SetTitleButtons(std::vector<std::string> names) { title_buttons_ = std::move(names); }
  // The words a title-bar button goes by in the window's system menu (Alt+Space), where the
  // keyboard and a screen reader reach it; a button without words is only drawn.
  const std::map<std::string, std::string>& TitleButtonCaptions() const { return title_button_captions_; }
  void SetTitleButtonCaption(const std::string& name, std::string caption);
  // Shows the wait cursor over the window while long work runs.
  bool Busy() const { return busy_; }
  void SetBusy(bool busy);

  std::function<void()> on_load;
  // Raised when Show has put the window on the screen, after its first paint: the work the
  // first picture does not need runs here.
  std::function<void()> on_shown;
  std::function<void()> on_unload;
  std::function<void(CloseReason reason, bool& cancel)> on_query_unload;
  std::function<void()> on_resize;
  std::function<void(const std::string& button_name)> on_title_button;

  void SetObserver(FormObserver* observer) { observer_ = observer; }
  FormObserver* Observer() const { return observer_; }
  void ControlChanged(Control& control, Property property);
  int NextZOrder() { return ++z_counter_; }

 private:
  void Notify(FormProperty property);

  std::string name_;
  std::string caption_;
  std::string title_key_;
  std::string title_english_;
  int width_;
  int height_;
  std::string skin_element_;
  std::vector<std::string> title_buttons_;
  std::map<std::string, std::string> title_button_captions_;
  bool busy_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  FormObserver* observer_ = nullptr;
  int z_counter_ = 0;
};

// The wait cursor over a window for as long as this lives, whatever way the work ends.
class BusyScope {
 public:
  explicit BusyScope(Form& form) : form_(form) { form_.SetBusy(true); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope() { form_.SetBusy(false); }

 private:
  Form& form_;
};

}  // namespace qb::ui
