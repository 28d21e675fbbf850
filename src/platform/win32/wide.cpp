#include "platform/win32/wide.h"

#include "platform/text.h"

namespace qb::win32 {

std::wstring Wide(std::string_view utf8) {
  const auto units = text::Utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string Narrow(std::wstring_view wide) {
  return text::Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()),
                                               wide.size()));
}

std::string ErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string message = length ? Narrow(std::wstring_view(buffer, length))
                               : "Error " + std::to_string(code);
  if (buffer) LocalFree(buffer);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  return message;
}

}  // namespace qb::win32
