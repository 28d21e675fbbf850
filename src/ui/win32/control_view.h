#pragma once
// The real window of one model control. It is created from the model, mirrors every later
// model change (Sync) and turns the window's notifications into model events. Notifications
// that Windows sends to the parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, scrolling, colours)
// are handed back to the view of the child that sent them by the container window; the
// control's own messages reach it through a subclass. While the view mirrors the model it
// ignores the notifications its own changes cause, so nothing echoes back as a user event.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include "skin/skin.h"
#include "ui/control.h"
#include "ui/win32/dpi.h"
#include "ui/win32/message_target.h"

namespace qb::ui::win32 {

class FormWindow;

class ControlView : public MessageTarget {
 public:
  ControlView(FormWindow& window, Control& control);
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  ~ControlView() override;

  // The view of a control window, or nullptr for any other window.
  static ControlView* FromHandle(HWND window);
  static std::unique_ptr<ControlView> Make(FormWindow& window, Control& control);

  Control& Model() const { return control_; }
  HWND Handle() const { return handle_; }

  // Creates the window under its container and brings it up to date with the model.
  virtual void Create();
  // Mirrors one model change to the window.
  void Sync(Property property);
  // The skin or the control's element changed: a control whose window style depends on
  // it (an owner-drawn button) gets a new window, any other is redrawn.
  void SkinChanged();
  // Position and font for the window's current DPI.
  virtual void ApplyDpi();

  virtual std::optional<LRESULT> OnCommand(int code) { return std::nullopt; }
  virtual std::optional<LRESULT> OnNotify(NMHDR& header) { return std::nullopt; }
  virtual std::optional<LRESULT> OnScroll(int code) { return std::nullopt; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) { return false; }
  // WM_CTLCOLOR*: the container's colours behind the control.
  virtual std::optional<LRESULT> OnControlColor(HDC dc);

 protected:
  struct Shape {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style = 0;
  };
  virtual Shape WindowShape() const = 0;
  // Mirrors one change; the base handles what every control has (caption, visibility,
  // enabled, position, z-order, skin element).
  virtual void Mirror(Property property);
  // Pushes the kind's own state (items, value, range ...) after creation.
  virtual void SyncContent() {}
  // Extra height the window needs beyond the model's (a combo box's drop-down list).
  virtual int ExtraHeight() const { return 0; }
  // Whether the window's style depends on the skin, so a skin change needs a new window.
  // Never for containers: their controls' windows would go with them.
  virtual bool StyledBySkin() const { return false; }

  // The skin element of this control in the current skin, or nullptr: plain drawing.
  const skin::ElementStyle* Style() const;
  Dpi CurrentDpi() const;
  HFONT Font() const;
  // The colour of the container this control sits on.
  COLORREF Background() const;
  bool Syncing() const { return syncing_ > 0; }
  HINSTANCE Instance() const;
  FormWindow& OwnerWindow() const { return window_; }

  // Marks a stretch of model-to-window mirroring.
  class SyncScope {
   public:
    explicit SyncScope(ControlView& view) : view_(view) { ++view_.syncing_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;
    ~SyncScope() { --view_.syncing_; }

   private:
    ControlView& view_;
  };

  void Invalidate() const;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam, UINT_PTR id, DWORD_PTR data);
  // Where the window belongs in its container, in pixels at the current DPI.
  RECT Placement() const;
  void Layout();
  void Destroy();
  void Subclass();

  FormWindow& window_;
  Control& control_;
  HWND handle_ = nullptr;
  int syncing_ = 0;
};

// Hands a notification that a child control sent to its container (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, scrolling, WM_CTLCOLOR*) to that child's view. Nothing when the sender has
// no view.
std::optional<LRESULT> ReflectToControl(UINT message, WPARAM wparam, LPARAM lparam);

// Registers a class of the view's own controls: the default procedure, painted and driven
// through the view's subclass.
void RegisterControlClass(HINSTANCE instance, const wchar_t* class_name);

}  // namespace qb::ui::win32
