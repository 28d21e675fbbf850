#pragma once
// A picture read from a file (BMP, and through GDI+ also PNG, JPEG and GIF) as a bitmap
// ready to draw. A missing or unreadable file gives no picture, not an error.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/scoped.h"
#include "ui/view_geometry.h"

namespace qb::ui::win32 {

class PictureFile {
 public:
  // background fills what a transparent picture leaves open.
  static std::unique_ptr<PictureFile> Load(const std::string& path, COLORREF background);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Stretches the picture over the target with smooth filtering.
  void Draw(HDC dc, const PixelRect& target) const;

 private:
  PictureFile(HBITMAP bitmap, int width, int height);

  qb::win32::ScopedGdiObject bitmap_;
  int width_;
  int height_;
};

}  // namespace qb::ui::win32
