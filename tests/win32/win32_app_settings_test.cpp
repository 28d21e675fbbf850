// Stored preferences through the real registry land where earlier installs left them.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/app_settings.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_registry.h"

namespace qb {
namespace {

TEST(Win32AppSettings, RoundTripsThroughTheRealRegistry) {
  win32::Win32Registry registry;
  AppSettings settings(registry);
  const std::string app = "QuillBoxTests-" + std::to_string(GetCurrentProcessId());
  ASSERT_EQ(settings.Save(app, "Section", "Key", "Ёлка 中文"), status::kOk);
  EXPECT_EQ(settings.Get(app, "section", "key", "fallback"), "Ёлка 中文");
  EXPECT_EQ(settings.Get(app, "Section", "Missing", "fallback"), "fallback");

  // Read back with the system's own function, not through the service under test.
  const std::wstring key = L"Software\\VB and VBA Program Settings\\" +
                           std::wstring(app.begin(), app.end()) + L"\\Section";
  wchar_t text[64] = {};
  DWORD bytes = sizeof(text);
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Key", RRF_RT_REG_SZ, nullptr, text,
                         &bytes),
            ERROR_SUCCESS);
  EXPECT_STREQ(text, L"\u0401\u043B\u043A\u0430 \u4E2D\u6587");

  const std::wstring app_key =
      L"Software\\VB and VBA Program Settings\\" + std::wstring(app.begin(), app.end());
  EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, app_key.c_str()), ERROR_SUCCESS);
}

}  // namespace
}  // namespace qb
