// The console companion carries its own manifest: without one, Windows runs a 32-bit console
// program with its writes to machine-wide places quietly redirected into the user's own copy,
// and a refused write would read back as saved.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace qb::win32 {
namespace {

TEST(CompanionManifest, AsksToRunAsItsCallerOnEveryWindowsItKnows) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring companion = self;
  companion = companion.substr(0, companion.find_last_of(L'\\')) + L"\\quillbox-cli.exe";
  const HMODULE module = LoadLibraryExW(companion.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << GetLastError();
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  std::string manifest;
  if (found) {
    const auto* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    manifest.assign(text, SizeofResource(module, found));
  }
  FreeLibrary(module);
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << manifest;
}

}  // namespace
}  // namespace qb::win32
