#pragma once
// Glassy faces kept once painted. Each face is several anti-aliased GDI+ shapes, and GDI+
// on a device context makes a temporary bitmap and a blend for every shape, while the faces
// of a window repeat (the navigation column's buttons, the check boxes, the title bar's
// buttons). A face is kept with its transparency (premultiplied 32-bit), so it goes onto any
// background.
#include <windows.h>

#include <functional>
#include <map>
#include <tuple>

#include "platform/win32/scoped.h"
#include "skin/skin.h"
#include "ui/win32/gdiplus_headers.h"

namespace qb::ui::win32 {

struct FaceKey {
  int width = 0;
  int height = 0;
  int radius = 0;
  float line = 1;
  skin::Color top, bottom, border;
  auto Tie() const {
    return std::tie(width, height, radius, line, top.r, top.g, top.b, bottom.r, bottom.g, bottom.b,
                    border.r, border.g, border.b);
  }
  bool operator<(const FaceKey& other) const { return Tie() < other.Tie(); }
};

class FaceCache {
 public:
  FaceCache();
  FaceCache(const FaceCache&) = delete;
  FaceCache& operator=(const FaceCache&) = delete;

  // Draws the face of key at the top-left corner given, painting it first with paint, at the
  // origin of a transparent picture of the key's size. False when no picture could be made:
  // the caller paints straight onto the target instead.
  bool Draw(HDC target, POINT at, const FaceKey& key,
            const std::function<void(Gdiplus::Graphics&)>& paint);

 private:
  // More faces than one skin at two DPIs needs: beyond it they are painted again.
  static constexpr size_t kMostFaces = 96;

  qb::win32::ScopedMemoryDc dc_;
  std::map<FaceKey, qb::win32::ScopedGdiObject> faces_;
};

}  // namespace qb::ui::win32
