#pragma once
// Typed handlers for the window messages the view cares about. A window class of our own
// (Window) and a subclassed system control (ControlView) both turn their messages into
// these calls; a handler that returns nothing leaves the message to the default procedure.
// A target that paints itself is always painted through one double buffer.
#include <windows.h>

#include <optional>

namespace qb::ui::win32 {

struct MouseEvent {
  POINT point;  // client coordinates
  WPARAM keys;
};

class MessageTarget {
 public:
  virtual ~MessageTarget() = default;

 protected:
  // Painting: a target that Paints() gets Paint() on a buffer covering the whole client area
  // and no background erase.
  virtual bool Paints() const { return false; }
  virtual void Paint(HDC dc, const RECT& client) {}

  virtual std::optional<LRESULT> OnSize(int width, int height) { return std::nullopt; }
  virtual std::optional<LRESULT> OnMouseMove(const MouseEvent&) { return std::nullopt; }
  virtual std::optional<LRESULT> OnMouseLeave() { return std::nullopt; }
  virtual std::optional<LRESULT> OnLeftButtonDown(const MouseEvent&) { return std::nullopt; }
  virtual std::optional<LRESULT> OnLeftButtonUp(const MouseEvent&) { return std::nullopt; }
  virtual std::optional<LRESULT> OnTimer(UINT_PTR id) { return std::nullopt; }
  virtual std::optional<LRESULT> OnChar(WPARAM& character) { return std::nullopt; }
  // Everything the typed handlers above do not cover.
  virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return std::nullopt;
  }

  std::optional<LRESULT> Dispatch(HWND window, UINT message, WPARAM& wparam, LPARAM lparam);
  // Asks for WM_MOUSELEAVE once the mouse leaves the window.
  static void TrackMouseLeave(HWND window);
};

// Counts the messages a window is handling, so that its owner deletes it only when no
// handler of it is on the stack (a handler may run a nested message loop).
class DepthScope {
 public:
  explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
  DepthScope(const DepthScope&) = delete;
  DepthScope& operator=(const DepthScope&) = delete;
  ~DepthScope() { --depth_; }

 private:
  int& depth_;
};

}  // namespace qb::ui::win32
