#pragma once
// Paints into a memory bitmap and copies it to the window in one step, so a window that
// fills its background and then draws over it never flickers.
#include <windows.h>

#include "platform/win32/scoped.h"

namespace qb::ui::win32 {

class DoubleBuffer {
 public:
  DoubleBuffer(HDC target, const RECT& area);
  DoubleBuffer(const DoubleBuffer&) = delete;
  DoubleBuffer& operator=(const DoubleBuffer&) = delete;
  ~DoubleBuffer();

  // The memory DC; its origin is the area's top-left corner as in the target.
  HDC Dc() const { return buffer_dc_ ? buffer_dc_.Get() : target_; }

 private:
  HDC target_;
  RECT area_;
  qb::win32::ScopedMemoryDc buffer_dc_;
  qb::win32::ScopedGdiObject bitmap_;
  HGDIOBJ previous_bitmap_ = nullptr;
};

}  // namespace qb::ui::win32
