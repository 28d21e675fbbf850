#pragma once
// The real top-level window of one form model: one child window per control, every model
// change mirrored, every user action turned into a model event. A form whose skin element
// has a title bar is a borderless window with the title bar painted by the skin; any other
// form is an ordinary captioned window drawn by the system.
#include <windows.h>

#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "platform/win32/scoped.h"
#include "skin/high_contrast.h"
#include "skin/skin.h"
#include "ui/form.h"
#include "ui/view_geometry.h"
#include "ui/win32/control_view.h"
#include "ui/win32/dpi.h"
#include "ui/win32/face_cache.h"
#include "ui/win32/focus_memory.h"
#include "ui/win32/window.h"

namespace qb::ui::win32 {

class WindowHost;

class FormWindow : public Window, public FormObserver {
 public:
  // Creates the window hidden, with all its controls; owner is the window it stays above.
  FormWindow(WindowHost& host, Form& form, HWND owner);
  ~FormWindow() override;

  Form& Model() const { return form_; }
  // Stops timers and takes the window down before the object goes.
  void Close();
  // The host's skin changed: the frame, the drawing and the skinned controls follow.
  void SkinChanged();

  // What the control views need of the window they sit in.
  HINSTANCE Instance() const;
  Dpi CurrentDpi() const;
  const skin::ElementStyle* StyleOf(std::string_view element) const;
  // The processor graph's colours, which no skin element describes: the scheme's in high contrast.
  skin::GraphColours GraphColours() const;
  HFONT FontFor(const skin::ElementStyle* style) const;
  // The font the program chose for a control's text (a font preview).
  HFONT FontFor(const TextFont& chosen) const;
  // The glassy faces painted so far, kept for the windows of the host.
  FaceCache& Faces() const;
  HWND ContainerHandle(const Control* container) const;
  COLORREF ContainerBackground(const Control* container) const;
  // Pixels between a container's top edge and the origin of its controls' positions: the
  // painted title bar for controls placed on the form.
  int ContainerTopOffset(const Control* container) const;
  // Pixels between a container's left edge and its controls' origin: the scrolled part.
  int ContainerLeftOffset(const Control* container) const;
  // Scrolls a window too large for the screen so that the control is in view, as when it
  // takes the focus.
  void ScrollIntoView(HWND control);
  HBRUSH BrushFor(COLORREF color);
  // Runs the control's timer every interval milliseconds; 0 stops it.
  void SetControlTimer(Control& control, int interval);
  ControlView* ViewOf(const Control& control) const;
  // A handler of this window or one of its controls threw: logged and shown over it.
  void ReportFault(const std::string& where, const std::string& what) noexcept;

  void ControlChanged(Control& control, Property property) override;
  void FormChanged(Form& form, FormProperty property) override;

 protected:
  bool Paints() const override { return true; }
  void Paint(HDC dc, const RECT& client) override;
  std::optional<LRESULT> OnMouseMove(const MouseEvent& event) override;
  std::optional<LRESULT> OnMouseLeave() override;
  std::optional<LRESULT> OnLeftButtonDown(const MouseEvent& event) override;
  std::optional<LRESULT> OnLeftButtonUp(const MouseEvent& event) override;
  std::optional<LRESULT> OnTimer(UINT_PTR id) override;
  std::optional<LRESULT> OnSize(int width, int height) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnDestroyed() override;
  void HandlerFailed(UINT message, const std::string& what) noexcept override;

 private:
  const skin::ElementStyle* FormStyle() const;
  // The form's element has a title bar of its own: the window is drawn without a frame,
  // unless it scrolls.
  bool SkinHasTitle() const;
  bool HasSkinTitle() const;
  int TitleHeight() const;
  DWORD FrameStyle() const;
  TitleBarLayout TitleLayout() const;
  std::vector<std::string> TitleButtonNames() const;
  int TitleButtonUnder(POINT point) const;
  void TitleButtonClicked(const std::string& name);
  // True when the window has a help button, which was pressed; else the owner is asked.
  bool PressTitleHelp();
  void OfferTitleButtonsInSystemMenu();
  bool PressTitleButtonFromMenu(UINT command);
  // Creates the views of the container's controls that have none yet. A hidden container
  // and its controls get their windows when it is first shown (only timers, which have no
  // window, start at once): a window opens with the windows it shows, not every page's.
  void CreateViews(const Control* container);
  void BuildShownContainer(Control& container);
  void CreateTimerViews(const Control* container);
  void CreateView(Control& control);
  // Stacks the container's control windows in the model's z-order.
  void ApplyZOrder(const Control* container, bool created_in_form_order);
  // Puts the label that names each text box, list or slider of the container just before
  // it in the window order, where Windows looks for a control's name and access key. One
  // that no label names gets a hidden static text there with the name the screen implies.
  void PlaceLabels(const Control* container);
  void PlaceBefore(HWND label, HWND named);
  // A caption changed (another language): the hidden names follow.
  void RenameHidden();
  void ApplyFrame();
  // Sizes the window from the model at the DPI at which it fits the work area of its
  // monitor, and moves it wholly inside that area; the control views follow a new DPI
  // (always when asked to, as after the monitor's DPI changed).
  void Fit(bool rescale_views = false);
  // The client size the content needs below any painted title, at the window's full size.
  SIZE BodySize(SIZE full) const;
  // The window that shows that content with the system's frame and the scroll bars it
  // needs in the area: a bar in one direction only where the other has room for it.
  SIZE ScrollingSize(SIZE body, const PixelRect& area) const;
  // Sets the scroll bars for content of that size (none to scroll: empty), keeping the
  // position inside it; true when the position had to move, and the controls with it.
  bool SetScrollExtent(SIZE content);
  void ScrollTo(POINT target);
  std::optional<LRESULT> OnScrollBar(int bar, int code);
  std::optional<LRESULT> OnWheel(int bar, int delta);
  std::optional<LRESULT> OnHitTest(LPARAM lparam);
  std::optional<LRESULT> OnDpiChanged(WPARAM wparam, LPARAM lparam);
  void InvalidateTitle();
  void PaintTitleBar(HDC dc, const RECT& client);

  WindowHost& host_;
  Form& form_;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::map<const Control*, ControlView*> view_of_;
  // Hidden containers that have no windows yet, nor their controls.
  std::set<const Control*> unbuilt_;
  // The hidden static texts naming controls no label names; children of this window's
  // containers, they go with them.
  std::map<const Control*, HWND> hidden_names_;
  std::map<Control*, UINT_PTR> timer_ids_;
  std::map<COLORREF, qb::win32::ScopedGdiObject> brushes_;
  // The DPI the window is drawn at; 0 until it is first fitted.
  int fitted_dpi_ = 0;
  // Too large for the work area even at the lowest DPI: the content scrolls, by scroll_
  // pixels, within content_.
  bool scrolls_ = false;
  SIZE content_{};
  POINT scroll_{};
  // The screen changed while the window was minimised.
  bool refit_when_restored_ = false;
  int hot_button_ = -1;
  int pressed_button_ = -1;
  bool active_ = true;
  FocusMemory focus_memory_;
  bool closing_ = false;
};

}  // namespace qb::ui::win32
