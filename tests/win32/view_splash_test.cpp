// The splash window and the picture files it and the picture controls read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "ui/win32/picture_file.h"
#include "ui/win32/splash_thread.h"
#include "win32/poll.h"

namespace qb::ui::win32 {
namespace {

std::string TempPath(const char* name) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return qb::win32::Narrow(folder) + name;
}

void WriteFile(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(std::filesystem::path(qb::win32::Wide(path)), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <typename T>
void Append(std::vector<char>& bytes, const T& value) {
  const char* raw = reinterpret_cast<const char*>(&value);
  bytes.insert(bytes.end(), raw, raw + sizeof(T));
}

// A 24-bit BMP of the given size, every pixel blue.
std::vector<char> Bmp(int width, int height) {
  const int row = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + row * height;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::vector<char> bytes;
  Append(bytes, file);
  Append(bytes, info);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < row; ++x) bytes.push_back(x % 3 == 0 && x < width * 3 ? '\xff' : '\0');
  }
  return bytes;
}

TEST(SplashWindow, ShowsTheBmpCentredAboveOtherWindowsUntilClosed) {
  const std::string path = TempPath("qb_splash_test.bmp");
  WriteFile(path, Bmp(40, 30));
  SplashWindow splash(GetModuleHandleW(nullptr), path);
  ASSERT_TRUE(splash.Showing());
  HWND window = splash.Handle();
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 40);
  EXPECT_EQ(rect.bottom - rect.top, 30);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_EQ(rect.left, area.left + (area.right - area.left - 40) / 2);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(IsWindowVisible(window));

  splash.Close();
  EXPECT_FALSE(splash.Showing());
  EXPECT_FALSE(IsWindow(window));
  DeleteFileW(qb::win32::Wide(path).c_str());
}

TEST(SplashWindow, MissingEmptyOrBrokenFilesShowNothing) {
  EXPECT_FALSE(SplashWindow(GetModuleHandleW(nullptr), TempPath("qb_no_such_splash.spl")).Showing());
  EXPECT_FALSE(SplashWindow(GetModuleHandleW(nullptr), "").Showing());

  const std::string text = TempPath("qb_text_splash.spl");
  WriteFile(text, {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
  EXPECT_FALSE(SplashWindow(GetModuleHandleW(nullptr), text).Showing());

  // A header that promises far more pixels than the file holds.
  std::vector<char> truncated = Bmp(4000, 4000);
  truncated.resize(200);
  const std::string cut = TempPath("qb_cut_splash.spl");
  WriteFile(cut, truncated);
  SplashWindow splash(GetModuleHandleW(nullptr), cut);  // must not crash; may show or not
  splash.Close();

  DeleteFileW(qb::win32::Wide(text).c_str());
  DeleteFileW(qb::win32::Wide(cut).c_str());
}

// At start the picture is painted on a thread of its own while the main window is built.
TEST(SplashWindow, OnItsOwnThreadItStaysUntilClosedAndIsGoneOnceWaitedFor) {
  const std::string path = TempPath("qb_splash_thread_test.bmp");
  WriteFile(path, Bmp(40, 30));
  SplashThread splash(GetModuleHandleW(nullptr), path);
  HWND window = nullptr;
  ASSERT_TRUE(test_support::PollUntil([&] {
    window = FindWindowW(L"QbSplash", nullptr);
    return window && IsWindowVisible(window);
  }));
  EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
  splash.Close();
  splash.WaitGone();
  EXPECT_FALSE(IsWindow(window));
  DeleteFileW(qb::win32::Wide(path).c_str());
}

TEST(PictureFile, ReadsTheSizeOfABmpWhateverItsName) {
  const std::string path = TempPath("qb_picture_test.spl");
  WriteFile(path, Bmp(7, 5));
  const auto picture = PictureFile::Load(path, RGB(255, 255, 255));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 7);
  EXPECT_EQ(picture->Height(), 5);
  DeleteFileW(qb::win32::Wide(path).c_str());
}

}  // namespace
}  // namespace qb::ui::win32
