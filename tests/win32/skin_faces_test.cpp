// A glassy face painted once and kept looks as one painted afresh, and a face of another
// state or size is not taken for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/win32/scoped.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/skin_painter.h"

namespace qb::ui::win32 {
namespace {

constexpr RECT kButton{0, 0, 90, 26};

// The pixels of a command button painted on a light background, through faces when given.
std::vector<uint32_t> Painted(ButtonState state, FaceCache* faces, const RECT& rect = kButton) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), rect.right, -rect.bottom, 1, 32, BI_RGB};
  void* bits = nullptr;
  qb::win32::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
  qb::win32::ScopedGdiObject picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  EXPECT_TRUE(dc && picture);
  const qb::win32::ScopedSelect select(dc.Get(), picture.Get());
  skin::ElementStyle style;
  style.face_top = {200, 220, 250};
  style.face_bottom = {120, 160, 230};
  style.hot_top = {230, 240, 255};
  style.hot_bottom = {160, 200, 250};
  style.border = {40, 70, 140};
  style.corner_radius = 8;
  SkinPainter painter(dc.Get(), style, Dpi(96), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), faces);
  painter.Fill(rect, RGB(240, 244, 250));
  painter.CommandButton(rect, L"", state, false);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  return {pixels, pixels + rect.right * rect.bottom};
}

// Channels apart by at most one step: two ways of blending the same shapes may round apart.
bool Alike(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      if (std::abs(int((a[i] >> shift) & 0xFF) - int((b[i] >> shift) & 0xFF)) > 1) return false;
    }
  }
  return true;
}

TEST(SkinFaces, AKeptFaceLooksAsOnePaintedAfreshAndIsKeptPerStateAndSize) {
  GdiplusSession gdiplus;
  ASSERT_TRUE(gdiplus.Started());
  FaceCache faces;
  const std::vector<uint32_t> afresh = Painted(ButtonState::Normal, nullptr);
  EXPECT_TRUE(Alike(Painted(ButtonState::Normal, &faces), afresh));
  EXPECT_TRUE(Alike(Painted(ButtonState::Normal, &faces), afresh));  // the kept one
  const std::vector<uint32_t> hot = Painted(ButtonState::Hot, &faces);
  EXPECT_FALSE(Alike(hot, afresh));
  EXPECT_TRUE(Alike(hot, Painted(ButtonState::Hot, nullptr)));
  const RECT wider{0, 0, 120, 26};
  EXPECT_TRUE(Alike(Painted(ButtonState::Normal, &faces, wider), Painted(ButtonState::Normal, nullptr, wider)));
}

}  // namespace
}  // namespace qb::ui::win32
