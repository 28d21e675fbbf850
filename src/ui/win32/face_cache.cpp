#include "ui/win32/face_cache.h"

namespace qb::ui::win32 {
namespace {

// A top-down 32-bit picture of that size, all transparent (a new section is zeroed).
HBITMAP TransparentPicture(int width, int height, void*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

FaceCache::FaceCache() : dc_(CreateCompatibleDC(nullptr)) {}

bool FaceCache::Draw(HDC target, POINT at, const FaceKey& key,
                     const std::function<void(Gdiplus::Graphics&)>& paint) {
  if (!dc_ || key.width <= 0 || key.height <= 0) return false;
  auto found = faces_.find(key);
  if (found == faces_.end()) {
    void* bits = nullptr;
    qb::win32::ScopedGdiObject picture(TransparentPicture(key.width, key.height, bits));
    if (!picture) return false;
    {
      // GDI+ draws straight into the section's pixels, premultiplied as AlphaBlend takes them.
      Gdiplus::Bitmap canvas(key.width, key.height, key.width * 4, PixelFormat32bppPARGB,
                             static_cast<BYTE*>(bits));
      Gdiplus::Graphics graphics(&canvas);
      if (graphics.GetLastStatus() != Gdiplus::Ok) return false;
      graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
      graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
      paint(graphics);
    }
    if (faces_.size() >= kMostFaces) faces_.clear();
    found = faces_.emplace(key, std::move(picture)).first;
  }
  const qb::win32::ScopedSelect select(dc_.Get(), found->second.Get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return AlphaBlend(target, at.x, at.y, key.width, key.height, dc_.Get(), 0, 0, key.width,
                    key.height, blend) != FALSE;
}

}  // namespace qb::ui::win32
