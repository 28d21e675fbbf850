#include "ui/win32/splash_window.h"

#include <algorithm>

#include "ui/view_geometry.h"

namespace qb::ui::win32 {
namespace {

constexpr wchar_t kSplashClass[] = L"QbSplash";

PixelRect PrimaryWorkArea() {
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace

SplashWindow::SplashWindow(HINSTANCE instance, const std::string& path)
    : picture_(PictureFile::Load(path, GetSysColor(COLOR_WINDOW))) {
  if (!picture_) return;
  // A picture larger than the screen is shown whole, reduced to fit.
  const PixelRect area = PrimaryWorkArea();
  const PixelRect fitted = FitInside(picture_->Width(), picture_->Height(), area, false);
  if (fitted.width <= 0) return;
  RegisterClassOnce(instance, kSplashClass, 0);
  Create(instance, kSplashClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP, L"", nullptr,
         RECT{fitted.left, fitted.top, fitted.Right(), fitted.Bottom()});
  if (!Handle()) return;
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  UpdateWindow(Handle());
}

void SplashWindow::Paint(HDC dc, const RECT& client) {
  if (!picture_) return;
  picture_->Draw(dc, {0, 0, client.right - client.left, client.bottom - client.top});
}

}  // namespace qb::ui::win32
