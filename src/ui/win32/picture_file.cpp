#include "ui/win32/picture_file.h"

#include "ui/win32/gdiplus_headers.h"

#include <vector>

#include "platform/picture_size.h"
#include "platform/win32/wide.h"
#include "ui/bmp_check.h"

namespace qb::ui::win32 {
namespace {

// Through GDI+, which reads every common format; fails quietly when GDI+ is not started.
HBITMAP LoadWithGdiplus(const std::wstring& path, COLORREF background) {
  Gdiplus::Bitmap picture(path.c_str());
  if (picture.GetLastStatus() != Gdiplus::Ok || picture.GetWidth() == 0) return nullptr;
  HBITMAP bitmap = nullptr;
  const Gdiplus::Color fill(GetRValue(background), GetGValue(background), GetBValue(background));
  if (picture.GetHBITMAP(fill, &bitmap) != Gdiplus::Ok) return nullptr;
  return bitmap;
}

// Reads the start and length of the file to check a BMP's headers against its size, and
// any picture's declared size against the bounds: GDI+ and the system's bitmap loader
// allocate what the header declares before they find the pixels missing.
BmpCheck CheckFile(const std::wstring& path) {
  qb::win32::ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size)) return BmpCheck::Broken;
  std::vector<uint8_t> head(kPictureHeadLength);
  DWORD read = 0;
  if (!ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr) || read == 0) {
    return BmpCheck::Broken;
  }
  const auto declared = ReadPictureSize(head.data(), read);
  if (declared && IsTooLarge(*declared)) return BmpCheck::Broken;
  return CheckBmp(head.data(), read, static_cast<uint64_t>(size.QuadPart));
}

HBITMAP LoadBmp(const std::wstring& path) {
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace

PictureFile::PictureFile(HBITMAP bitmap, int width, int height)
    : bitmap_(bitmap), width_(width), height_(height) {}

std::unique_ptr<PictureFile> PictureFile::Load(const std::string& path, COLORREF background) {
  if (path.empty()) return nullptr;
  const std::wstring wide = qb::win32::Wide(path);
  const BmpCheck check = CheckFile(wide);
  if (check == BmpCheck::Broken) return nullptr;
  // A whole BMP is read by the system itself: GDI+ would start its imaging components for
  // it, which costs the splash picture a noticeable part of the start-up.
  HBITMAP bitmap = check == BmpCheck::Whole ? LoadBmp(wide) : nullptr;
  if (!bitmap) bitmap = LoadWithGdiplus(wide, background);
  if (!bitmap) return nullptr;
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return std::unique_ptr<PictureFile>(
      new PictureFile(bitmap, info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight));
}

void PictureFile::Draw(HDC dc, const PixelRect& target) const {
  qb::win32::ScopedMemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  qb::win32::ScopedSelect select(source.Get(), bitmap_.Get());
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, target.left, target.top, target.width, target.height, source.Get(), 0, 0,
             width_, height_, SRCCOPY);
}

}  // namespace qb::ui::win32
