// The wallpaper chooser against the real imaging library, files and desktop setting: a
// JPEG and a PNG written by GDI+ come out as bitmaps that decode, and the wallpaper value
// names the bitmap.
// First: it takes back the plain names the system headers turn into macros.
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form_layout.h"
#include "platform/memory/memory_machine.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_display_modes.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_images.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_parameters.h"
#include "registry/registry_paths.h"
#include "tweaks/visual_options_page.h"
#include "tweaks/wallpaper_choice.h"
#include "ui/win32/gdiplus_headers.h"
#include "ui/win32/gdiplus_session.h"
#include "support/services_with.h"
#include "win32/registry_keeper.h"
#include "win32/temp_path.h"

namespace qb::tweaks {
namespace {

using win32::Wide;

bool EncoderFor(const wchar_t* mime, CLSID& clsid) {
  UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  if (size == 0) return false;
  std::vector<uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  Gdiplus::GetImageEncoders(count, size, codecs);
  for (UINT i = 0; i < count; ++i) {
    if (lstrcmpW(codecs[i].MimeType, mime) == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

// A 40 x 30 picture, red on the left half and blue on the right.
bool WritePicture(const std::wstring& path, const wchar_t* mime) {
  Gdiplus::Bitmap bitmap(40, 30, PixelFormat24bppRGB);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      bitmap.SetPixel(x, y, x < 20 ? Gdiplus::Color(255, 220, 0, 0) : Gdiplus::Color(255, 0, 0, 220));
    }
  }
  CLSID clsid{};
  return EncoderFor(mime, clsid) && bitmap.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
}

class WallpaperWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gdiplus.Started());
    keeper.Keep(kWallpaperValuePath);
    WireVisualOptionsPage(form, services, {});
    form["wallpaperCheck"].SetValue(1);
  }
  void TearDown() override { DeleteFileW(Wide(environment.WindowsFolder() + "\\wallpaper.bmp").c_str()); }

  win32::ComApartment com;
  ui::win32::GdiplusSession gdiplus;
  test_support::TempFolder folder{"qb-wallpaper-test-"};

  MemoryMachine machine;
  win32::Win32Registry reg;
  test_support::RegistryKeeper keeper{reg};
  win32::Win32FileSystem files;
  win32::Win32Environment environment;
  win32::Win32SystemParameters system_parameters;
  win32::Win32DisplayModes display_modes;
  win32::Win32Images images;
  Services services = test_support::ServicesWith(
      machine.services(), {.registry = &reg, .environment = &environment, .files = &files,
                           .system_parameters = &system_parameters, .images = &images,
                           .display_modes = &display_modes});
  std::unique_ptr<ui::Form> main_form = app::CreateMainForm();
  ui::Form& form = *main_form;
};

TEST_F(WallpaperWineTest, AJpegOrAPngBecomesTheWallpaperBitmap) {
  const std::pair<const wchar_t*, const wchar_t*> pictures[] = {{L"\\lake.jpg", L"image/jpeg"},
                                                                 {L"\\lake.png", L"image/png"}};
  for (const auto& [name, mime] : pictures) {
    SCOPED_TRACE(win32::Narrow(mime));
    const std::wstring picture = Wide(folder.path) + name;
    ASSERT_TRUE(WritePicture(picture, mime));
    machine.dialogs.ScriptFile(win32::Narrow(picture));
    form["wallpapercmd"].RaiseClick();
    form["applyvisualcmd"].RaiseClick();
    ASSERT_TRUE(machine.dialogs.Messages().empty()) << machine.dialogs.Messages()[0].text;
    const std::string bitmap = form["Image1"].PicturePath();
    ASSERT_FALSE(bitmap.empty());
    std::vector<uint8_t> bytes;
    ASSERT_EQ(files.ReadFile(bitmap, bytes), status::kOk) << bitmap;
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    Picture decoded;
    ASSERT_EQ(images.Decode(bitmap, 0, decoded), status::kOk);
    EXPECT_EQ(decoded.width, 40);
    EXPECT_EQ(decoded.height, 30);
    const uint32_t left = decoded.pixels[15 * 40 + 5];
    const uint32_t right = decoded.pixels[15 * 40 + 35];
    EXPECT_GT((left >> 16) & 0xFF, 150u) << std::hex << left;   // red
    EXPECT_GT(right & 0xFF, 150u) << std::hex << right;         // blue
    EXPECT_EQ(registry::ReadValueByPath(reg, kWallpaperValuePath), bitmap);
    // Gone before the next picture, so that one cannot pass on this one's bitmap.
    DeleteFileW(Wide(bitmap).c_str());
  }
}

}  // namespace
}  // namespace qb::tweaks
