#include "platform/win32/win32_fonts.h"

#include <windows.h>

#include <set>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

struct Collected {
  std::vector<std::string> names;
  std::set<std::wstring> seen;
};

// Called once per family and character set: a family is kept the first time it appears.
// Vertical forms ("@Name") are the same families turned for vertical text, not faces to pick.
int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
  auto& collected = *reinterpret_cast<Collected*>(data);
  const std::wstring face = font->lfFaceName;
  if (face.empty() || face[0] == L'@') return 1;
  if (collected.seen.insert(face).second) collected.names.push_back(Narrow(face));
  return 1;
}

}  // namespace

std::vector<std::string> Win32Fonts::ScreenFonts() {
  Collected collected;
  ScopedWindowDc screen(nullptr);
  if (!screen.Get()) return collected.names;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen.Get(), &all, &CollectFamily, reinterpret_cast<LPARAM>(&collected), 0);
  return collected.names;
}

bool Win32Fonts::LoadFontFile(std::string_view path) {
  return AddFontResourceExW(Wide(path).c_str(), 0, nullptr) > 0;
}

void Win32Fonts::UnloadFontFile(std::string_view path) {
  RemoveFontResourceExW(Wide(path).c_str(), 0, nullptr);
}

void Win32Fonts::BroadcastFontChange() {
  // A window that hangs must not hang this program with it.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

}  // namespace qb::win32
