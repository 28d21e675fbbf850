#pragma once
// Font files made for tests: a name table alone behind a TrueType header (enough for the
// name reader), or a real font given a family name of its own (enough for the system to
// install it as a new family).
#include <cstdint>
#include <string>
#include <vector>

namespace qb::test_support {

struct FontName {
  uint16_t platform = 3;
  uint16_t encoding = 1;
  uint16_t language = 0x0409;
  uint16_t id = 1;
  std::u16string text;
};

inline void PutU16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

inline void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value >> 16));
  PutU16(out, static_cast<uint16_t>(value));
}

inline void SetU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

inline uint32_t GetU32(const std::vector<uint8_t>& in, size_t at) {
  return static_cast<uint32_t>(in[at]) << 24 | static_cast<uint32_t>(in[at + 1]) << 16 |
         static_cast<uint32_t>(in[at + 2]) << 8 | in[at + 3];
}

// A "name" table holding the records (Windows records as UTF-16BE, Mac ones as ASCII).
inline std::vector<uint8_t> NameTable(const std::vector<FontName>& names) {
  std::vector<uint8_t> strings, table;
  for (size_t field : {size_t{0}, names.size(), 6 + 12 * names.size()}) PutU16(table, static_cast<uint16_t>(field));
  for (const auto& name : names) {
    const size_t offset = strings.size();
    for (char16_t unit : name.text) {
      if (name.platform == 1) strings.push_back(static_cast<uint8_t>(unit));
      else PutU16(strings, static_cast<uint16_t>(unit));
    }
    const auto length = static_cast<uint16_t>(strings.size() - offset);
    for (uint16_t field : {name.platform, name.encoding, name.language, name.id, length,
                           static_cast<uint16_t>(offset)}) {
      PutU16(table, field);
    }
  }
  table.insert(table.end(), strings.begin(), strings.end());
  return table;
}

// A font file of one table, "name", behind the given version ("OTTO" for CFF outlines).
inline std::vector<uint8_t> FontWithNames(const std::vector<FontName>& names,
                                          uint32_t version = 0x00010000) {
  std::vector<uint8_t> file;
  PutU32(file, version);
  const auto table = NameTable(names);
  // One table, "name", no checksum, right after the directory.
  for (uint16_t field : std::initializer_list<uint16_t>{1, 16, 0, 0}) PutU16(file, field);
  for (uint32_t field : {0x6E616D65u, 0u, 28u, static_cast<uint32_t>(table.size())}) PutU32(file, field);
  file.insert(file.end(), table.begin(), table.end());
  return file;
}

inline std::vector<uint8_t> SimpleFont(const std::u16string& family, const std::u16string& full = {}) {
  std::vector<FontName> names{{.id = 1, .text = family}};
  if (!full.empty()) names.push_back({.id = 4, .text = full});
  return FontWithNames(names);
}

// The real font with a new name table appended and pointed at, so the system takes it as
// a family of that name. The font's own tables stay where they were.
inline std::vector<uint8_t> RenamedFont(std::vector<uint8_t> font, const std::u16string& family) {
  const uint16_t tables = static_cast<uint16_t>(font[4] << 8 | font[5]);
  while (font.size() % 4) font.push_back(0);
  const auto table = NameTable({{.id = 1, .text = family},
                                {.id = 2, .text = u"Regular"},
                                {.id = 3, .text = family + u" Regular"},
                                {.id = 4, .text = family},
                                {.id = 6, .text = u"QuillTestFont"}});
  for (size_t i = 0; i < tables; ++i) {
    const size_t entry = 12 + i * 16;
    if (GetU32(font, entry) != 0x6E616D65) continue;
    SetU32(font, entry + 8, static_cast<uint32_t>(font.size()));
    SetU32(font, entry + 12, static_cast<uint32_t>(table.size()));
  }
  font.insert(font.end(), table.begin(), table.end());
  return font;
}

}  // namespace qb::test_support
