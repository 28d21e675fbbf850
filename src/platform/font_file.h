#pragma once
// The names a TrueType or OpenType font file gives itself, read from its "name" table.
// The reader checks every offset against the file's length, so a truncated or forged file
// yields no names rather than a read past its end.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

enum class FontOutlines { TrueType, OpenType };

struct FontNames {
  std::string family;     // "Noto Sans"
  std::string full_name;  // "Noto Sans Bold"; the family when the file names none
  FontOutlines outlines = FontOutlines::TrueType;
};

// The names of a single font file or of the first font of a collection; nothing when the
// bytes are not such a font or name no family.
std::optional<FontNames> ReadFontNames(const std::vector<uint8_t>& bytes);

// The name under which the system's font list keeps the font: "Noto Sans Bold (TrueType)".
std::string FontListName(const FontNames& names);

}  // namespace qb
