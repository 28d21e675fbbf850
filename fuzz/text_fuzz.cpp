// UTF-8 and UTF-16 conversion: any units convert; after one pass a round trip is exact, and
// case-insensitive comparison agrees with itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  namespace text = qb::text;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = text::Utf16ToUtf8(text::Utf8ToUtf16(bytes));
  if (text::Utf16ToUtf8(text::Utf8ToUtf16(utf8)) != utf8) std::abort();

  std::u16string units(size / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  const std::string from_units = text::Utf16ToUtf8(units);
  if (text::Utf16ToUtf8(text::Utf8ToUtf16(from_units)) != from_units) std::abort();

  if (!text::EqualsNoCase(utf8, utf8)) std::abort();
  const auto sign = [](int order) { return (order > 0) - (order < 0); };
  if (sign(text::CompareNoCase(utf8, from_units)) != -sign(text::CompareNoCase(from_units, utf8))) std::abort();
  text::UpperUtf16(units);
  text::TrimBlanks(bytes);
  return 0;
}
