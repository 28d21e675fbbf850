#pragma once
// GDI+ started for the life of the object; pictures and anti-aliased skin shapes need it.
#include <windows.h>

#include <cstdint>

namespace qb::ui::win32 {

class GdiplusSession {
 public:
  GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession();

  bool Started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace qb::ui::win32
