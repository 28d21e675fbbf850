// Pictures through the system's imaging library, and the bitmap and icon files the program
// writes read back by that same library.
#include <windows.h>

#include <gtest/gtest.h>

#include <psapi.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/picture.h"
#include "platform/win32/responsive_wait.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_images.h"
#include "support/picture_headers.h"
#include "win32/temp_path.h"

namespace qb::win32 {
namespace {

// A 2 x 2 PNG: red, green / blue, fully transparent.
const std::vector<uint8_t> kPng = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xb6, 0x0d,
    0x24, 0x00, 0x00, 0x00, 0x13, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0xf0,
    0x1f, 0x0c, 0x81, 0x34, 0x88, 0x60, 0x00, 0x00, 0x3f, 0xd2, 0x05, 0xfb, 0xcb, 0x17, 0xa6, 0xce,
    0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

class Win32ImagesTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = folder.path + "\\" + name;
    EXPECT_EQ(files.WriteFile(path, bytes), status::kOk);
    return path;
  }

  ComApartment com;
  Win32FileSystem files;
  Win32Images images;
  test_support::TempFolder folder{"qb-images-"};
};

// The first picture is decoded on a thread that has no COM apartment, as a worker's is.
TEST_F(Win32ImagesTest, DecodesAPngAndReadsBackTheBitmapAndIconWrittenFromIt) {
  Picture picture;
  Status decoded = status::kInvalidData;
  std::thread([&] { decoded = images.Decode(Write("Bild ü.png", kPng), 0, picture); }).join();
  ASSERT_EQ(decoded, status::kOk);
  ASSERT_EQ(picture.width, 2);
  ASSERT_EQ(picture.height, 2);
  EXPECT_EQ(picture.pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0}));

  Picture bitmap;
  ASSERT_EQ(images.Decode(Write("wall.bmp", EncodeBitmapFile(picture)), 0, bitmap), status::kOk);
  EXPECT_EQ(bitmap.pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}));

  Picture icon;
  ASSERT_EQ(images.Decode(Write("folder.ico", EncodeIconFile(picture)), 0, icon), status::kOk);
  EXPECT_EQ(icon.width, 2);
  EXPECT_EQ(icon.pixels[0], 0xFFFF0000u);
  EXPECT_EQ(icon.pixels[3] >> 24, 0u);
}

TEST_F(Win32ImagesTest, SaysPlainlyWhatIsNoPicture) {
  Picture picture;
  EXPECT_EQ(images.Decode(Write("notes.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'g'}), 0, picture),
            status::kInvalidData);
  EXPECT_EQ(images.Decode(folder.path + "\\missing.png", 0, picture), status::kFileNotFound);
  EXPECT_TRUE(picture.Empty());
}

// A 70-byte BMP declaring 30000 x 30000 pixels took the process to 5.9 GB, and a
// 20000 x 20000 PNG held the window for 11 s: both are refused from their headers.
TEST_F(Win32ImagesTest, APictureDeclaringAHugeSizeIsRefusedAtOnceWithoutItsMemory) {
  using test_support::PictureFormat;
  PROCESS_MEMORY_COUNTERS before{};
  ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before));
  const auto started = std::chrono::steady_clock::now();
  const struct { const char* name; PictureFormat format; uint32_t side; } cases[] = {
      {"huge.bmp", PictureFormat::Bmp, 30000}, {"huge.png", PictureFormat::Png, 20000},
      {"huge.gif", PictureFormat::Gif, 60000}, {"huge.jpg", PictureFormat::Jpeg, 30000},
      {"wide.bmp", PictureFormat::Bmp, 16385}};
  for (const auto& c : cases) {
    Picture picture;
    EXPECT_EQ(images.Decode(Write(c.name, test_support::PictureHeader(c.format, c.side, c.side)), 256, picture),
              status::kPictureTooLarge) << c.name;
    EXPECT_TRUE(picture.Empty());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  PROCESS_MEMORY_COUNTERS after{};
  ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after));
  EXPECT_LT(after.PeakPagefileUsage, before.PeakPagefileUsage + (64u << 20));
}

// Decoding runs this way: while the work waits for another thread's message to be answered
// by this thread's window, the answer can only come if the window is served meanwhile.
TEST(LongWork, LeavesTheWindowsOfItsThreadAnswering) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"busy", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  std::atomic<bool> answered = false;
  bool waited_out = false;
  RunKeepingWindowsAlive([&] {
    std::thread asker([&] {
      DWORD_PTR length = 0;
      answered = SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 30000, &length) && length == 4;
    });
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!answered && std::chrono::steady_clock::now() < limit) std::this_thread::yield();
    waited_out = !answered;
    asker.join();
  });
  EXPECT_FALSE(waited_out);
  EXPECT_TRUE(answered);
  DestroyWindow(window);
}

}  // namespace
}  // namespace qb::win32
