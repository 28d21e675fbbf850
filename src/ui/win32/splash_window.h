#pragma once
// The start-up picture: an image file shown centred on the screen, above other windows and
// without a frame, until Close() or destruction. A missing or unreadable file shows
// nothing; that is not an error.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/win32/dpi.h"
#include "ui/win32/picture_file.h"
#include "ui/win32/window.h"

namespace qb::ui::win32 {

class SplashWindow : public Window {
 public:
  // Shows the picture at once (painted before returning).
  SplashWindow(HINSTANCE instance, const std::string& path);
  ~SplashWindow() override = default;

  // True while the picture is on the screen.
  bool Showing() const { return Handle() != nullptr; }
  void Close() { DestroyHandle(); }

 protected:
  bool Paints() const override { return true; }
  void Paint(HDC dc, const RECT& client) override;

 private:
  std::unique_ptr<PictureFile> picture_;
};

}  // namespace qb::ui::win32
