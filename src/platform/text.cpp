#include "platform/text.h"

#include <algorithm>
#include <iterator>

namespace qb::text {

namespace {

// One code point from utf8 at i, moving i past it. A bad sequence (a byte that cannot lead,
// a missing continuation, an overlong form, an encoded surrogate, a value past U+10FFFF)
// gives U+FFFD for its longest valid beginning, so that no bad input ever reads as some
// other valid character.
char32_t DecodeOne(std::string_view utf8, size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i++]);
  if (lead < 0x80) return lead;
  size_t extra = 0;
  char32_t cp = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the next byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
    if (lead == 0xED) high = 0x9F;  // U+D800..U+DFFF are not characters
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong below U+10000
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0xFFFD;
  }
  for (size_t k = 0; k < extra; ++k) {
    if (i >= utf8.size()) return 0xFFFD;
    const auto next = static_cast<unsigned char>(utf8[i]);
    if (next < low || next > high) return 0xFFFD;
    low = 0x80, high = 0xBF;
    cp = (cp << 6) | (next & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = DecodeOne(utf8, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

char16_t UpperUnit(char16_t u) {
  if (u >= u'a' && u <= u'z') return static_cast<char16_t>(u - 32);
  if (u < 0x80) return u;
  if ((u >= 0xE0 && u <= 0xFE && u != 0xF7)) return static_cast<char16_t>(u - 32);  // Latin-1
  if (u == 0xFF) return 0x178;
  if (u >= 0x100 && u <= 0x17F && u != 0x130 && u != 0x131 && u != 0x138 && u != 0x149 &&
      u != 0x17F) {
    // Latin Extended-A pairs: even upper, odd lower, with the run 0x139-0x148 and
    // 0x179-0x17E shifted by one.
    const bool shifted = (u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E);
    const bool lower = shifted ? (u % 2 == 0) : (u % 2 == 1);
    return lower ? static_cast<char16_t>(u - 1) : u;
  }
  if (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) return static_cast<char16_t>(u - 32);  // Greek
  if (u >= 0x430 && u <= 0x44F) return static_cast<char16_t>(u - 32);                // Cyrillic
  if (u >= 0x450 && u <= 0x45F) return static_cast<char16_t>(u - 80);
  if (u >= 0xFF41 && u <= 0xFF5A) return static_cast<char16_t>(u - 32);  // full-width Latin
  return u;
}

std::u16string UpperUtf16(std::u16string_view text) {
  std::u16string out(text);
  for (auto& u : out) u = UpperUnit(u);
  return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  const auto ua = UpperUtf16(Utf8ToUtf16(a));
  const auto ub = UpperUtf16(Utf8ToUtf16(b));
  const int c = ua.compare(ub);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() == b.size() &&
      std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        const auto ux = static_cast<unsigned char>(x), uy = static_cast<unsigned char>(y);
        if (ux >= 0x80 || uy >= 0x80) return ux == uy;
        return (ux >= 'a' && ux <= 'z' ? ux - 32 : ux) == (uy >= 'a' && uy <= 'z' ? uy - 32 : uy);
      })) {
    return true;
  }
  return CompareNoCase(a, b) == 0;
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (auto& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

std::string TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::vector<uint8_t> Utf16LeBytes(std::u16string_view units) {
  std::vector<uint8_t> bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t unit : units) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

namespace {
constexpr uint8_t kUtf16LeMark[] = {0xFF, 0xFE};
}  // namespace

std::vector<uint8_t> Utf16LeFile(std::u16string_view units) {
  std::vector<uint8_t> bytes(std::begin(kUtf16LeMark), std::end(kUtf16LeMark));
  const auto body = Utf16LeBytes(units);
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

bool HasUtf16LeMark(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 2 && bytes[0] == kUtf16LeMark[0] && bytes[1] == kUtf16LeMark[1];
}

std::u16string Utf16LeUnits(const std::vector<uint8_t>& bytes, size_t from) {
  std::u16string units;
  if (from >= bytes.size()) return units;
  units.reserve((bytes.size() - from) / 2);
  for (size_t i = from; i + 1 < bytes.size(); i += 2) {
    units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
  }
  return units;
}

}  // namespace qb::text
