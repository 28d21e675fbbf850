#include "platform/win32/win32_profile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/replace_file.h"
#include "platform/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

bool FitsCodePage(const std::wstring& text) {
  if (text.empty()) return true;
  BOOL lossy = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                      nullptr, 0, nullptr, &lossy);
  return !lossy;
}

// The whole file, or nothing when it does not exist; an unreadable file counts as there.
std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path, bool& exists) {
  ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  exists = file || GetLastError() != ERROR_FILE_NOT_FOUND;
  if (!file) return std::nullopt;
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 64 * 1024 * 1024) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() &&
      !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return std::nullopt;
  }
  bytes.resize(read);
  return bytes;
}

std::wstring FromAnsi(const std::vector<uint8_t>& bytes) {
  std::wstring text;
  if (bytes.empty()) return text;
  const auto* ansi = reinterpret_cast<const char*>(bytes.data());
  const int chars = MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(bytes.size()), nullptr, 0);
  text.resize(static_cast<size_t>(chars));
  MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(bytes.size()), text.data(), chars);
  return text;
}

bool HasByteOrderMark(const std::vector<uint8_t>& bytes) {
  return qb::text::HasUtf16LeMark(bytes) ||
         (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) ||
         (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF);
}

// The profile writer keeps a file in the form it finds it and makes new files in the ANSI
// code page, where text outside that page turns into '?' while the call reports success.
// Before such text is written, the file is made (or rewritten, with its text unchanged)
// UTF-16 with a byte order mark, which the writer then keeps.
bool MakeUnicodeFile(const std::wstring& path) {
  bool exists = false;
  const auto bytes = ReadAll(path, exists);
  if (exists && !bytes) return false;
  if (bytes && HasByteOrderMark(*bytes)) return true;
  const std::wstring text = bytes ? FromAnsi(*bytes) : std::wstring();
  const auto unicode =
      qb::text::Utf16LeFile(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
  Win32FileSystem files;
  const std::string name = Narrow(path);
  return (exists ? ReplaceWholeFile(files, name, unicode) : CreateNewFile(files, name, unicode)) ==
         status::kOk;
}

// The text of a file in one of the two forms the reader takes the same way on every
// version: UTF-16 little-endian with its mark, or the ANSI code page without a mark. Other
// marks, NUL characters and lone carriage returns are left to the reader itself.
std::optional<std::wstring> DecodeLikeTheReader(const std::vector<uint8_t>& bytes) {
  std::wstring text;
  if (qb::text::HasUtf16LeMark(bytes)) {
    // Wine's reader takes a byte from beyond the end of an odd-length file: no answer to copy.
    if (bytes.size() % 2 != 0) return std::nullopt;
    text.resize((bytes.size() - 2) / 2);
    std::memcpy(text.data(), bytes.data() + 2, bytes.size() - 2);
  } else if (HasByteOrderMark(bytes)) {
    return std::nullopt;
  } else {
    text = FromAnsi(bytes);
  }
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\0') return std::nullopt;
    if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) return std::nullopt;
  }
  return text;
}

}  // namespace

std::string Win32ProfileStore::GetString(std::string_view file, std::string_view section,
                                         std::string_view key, std::string_view fallback,
                                         size_t buffer_chars) {
  if (buffer_chars == 0) return {};
  std::vector<wchar_t> buffer(buffer_chars);
  const DWORD length = GetPrivateProfileStringW(
      Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(), buffer.data(),
      static_cast<DWORD>(buffer.size()), Wide(file).c_str());
  return Narrow(std::wstring_view(buffer.data(), std::min<size_t>(length, buffer.size() - 1)));
}

bool Win32ProfileStore::WriteString(std::string_view file, std::string_view section,
                                    std::string_view key, std::string_view value) {
  const std::wstring path = Wide(file);
  const std::wstring wide_section = Wide(section);
  const std::wstring wide_key = Wide(key);
  const std::wstring wide_value = Wide(value);
  if (!(FitsCodePage(wide_section) && FitsCodePage(wide_key) && FitsCodePage(wide_value)) &&
      !MakeUnicodeFile(path)) {
    return false;
  }
  return WritePrivateProfileStringW(wide_section.c_str(), wide_key.c_str(), wide_value.c_str(),
                                    path.c_str()) != FALSE;
}

std::optional<std::string> Win32ProfileStore::ReadText(std::string_view file) {
  const std::wstring path = Wide(file);
  // A bare name is looked for in the Windows folder by the reader: left to it.
  if (path.find_first_of(L"\\/") == std::wstring::npos) return std::nullopt;
  bool exists = false;
  const auto bytes = ReadAll(path, exists);
  if (!bytes) return std::nullopt;
  const auto text = DecodeLikeTheReader(*bytes);
  if (!text) return std::nullopt;
  return Narrow(*text);
}

}  // namespace qb::win32
