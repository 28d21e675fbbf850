#include "ui/win32/double_buffer.h"

namespace qb::ui::win32 {

DoubleBuffer::DoubleBuffer(HDC target, const RECT& area) : target_(target), area_(area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  buffer_dc_.Reset(CreateCompatibleDC(target));
  bitmap_.Reset(CreateCompatibleBitmap(target, width, height));
  if (!buffer_dc_ || !bitmap_) {
    // Out of GDI memory: draw straight onto the target rather than not at all.
    buffer_dc_.Reset();
    return;
  }
  previous_bitmap_ = SelectObject(buffer_dc_.Get(), bitmap_.Get());
  SetViewportOrgEx(buffer_dc_.Get(), -area.left, -area.top, nullptr);
}

DoubleBuffer::~DoubleBuffer() {
  if (!buffer_dc_) return;
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
         buffer_dc_.Get(), area_.left, area_.top, SRCCOPY);
  SelectObject(buffer_dc_.Get(), previous_bitmap_);
}

}  // namespace qb::ui::win32
