#pragma once
// Text inside the program is UTF-8; the Windows boundary and the registry's stored bytes
// are UTF-16LE. These conversions are the one place where the two meet.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qb::text {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// UTF-16 units as the little-endian bytes the registry and Unicode files store, and back
// (bytes from `from` on; a last odd byte is not a unit).
std::vector<uint8_t> Utf16LeBytes(std::u16string_view units);
std::u16string Utf16LeUnits(const std::vector<uint8_t>& bytes, size_t from = 0);
// A UTF-16LE file: the byte-order mark that tells readers what it holds, then the units.
std::vector<uint8_t> Utf16LeFile(std::u16string_view units);
bool HasUtf16LeMark(const std::vector<uint8_t>& bytes);

// Upper-cases the way the registry and the file system compare names: every UTF-16 unit
// that has a simple upper-case mapping in the common alphabets (Latin, Greek, Cyrillic).
char16_t UpperUnit(char16_t unit);
std::u16string UpperUtf16(std::u16string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Orders two names the way the registry sorts subkeys: by upper-cased UTF-16 units.
int CompareNoCase(std::string_view a, std::string_view b);

std::string ToLowerAscii(std::string_view text);
std::string TrimBlanks(std::string_view text);

}  // namespace qb::text
