#include "platform/font_file.h"

#include "platform/text.h"

namespace qb {

namespace {

constexpr uint32_t kTrueTypeVersion = 0x00010000;
constexpr uint32_t kAppleTrueType = 0x74727565;  // "true"
constexpr uint32_t kCffOutlines = 0x4F54544F;    // "OTTO"
constexpr uint32_t kCollection = 0x74746366;     // "ttcf"
constexpr uint32_t kNameTable = 0x6E616D65;      // "name"

constexpr uint16_t kPlatformUnicode = 0;
constexpr uint16_t kPlatformMac = 1;
constexpr uint16_t kPlatformWindows = 3;
constexpr uint16_t kEnglishUs = 0x0409;
constexpr uint16_t kFamilyId = 1;
constexpr uint16_t kFullNameId = 4;

// Big-endian reads that fail instead of reading past the end.
class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool Fits(size_t offset, size_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  std::optional<uint16_t> U16(size_t offset) const {
    if (!Fits(offset, 2)) return std::nullopt;
    return static_cast<uint16_t>(bytes_[offset] << 8 | bytes_[offset + 1]);
  }
  std::optional<uint32_t> U32(size_t offset) const {
    if (!Fits(offset, 4)) return std::nullopt;
    return static_cast<uint32_t>(bytes_[offset]) << 24 | static_cast<uint32_t>(bytes_[offset + 1]) << 16 |
           static_cast<uint32_t>(bytes_[offset + 2]) << 8 | bytes_[offset + 3];
  }
  const uint8_t* At(size_t offset) const { return bytes_.data() + offset; }

 private:
  const std::vector<uint8_t>& bytes_;
};

struct NameRecord {
  uint16_t platform = 0;
  uint16_t encoding = 0;
  uint16_t language = 0;
  uint16_t id = 0;
  size_t offset = 0;  // from the start of the file
  size_t length = 0;
};

// How well a record suits: Windows English first, then any Windows or Unicode record,
// then Mac Roman; 0 for encodings that cannot be read here.
int Rank(const NameRecord& record) {
  if (record.platform == kPlatformWindows && (record.encoding == 1 || record.encoding == 10)) {
    return record.language == kEnglishUs ? 4 : 3;
  }
  if (record.platform == kPlatformUnicode) return 2;
  if (record.platform == kPlatformMac && record.encoding == 0) return 1;
  return 0;
}

std::string Decode(const Reader& reader, const NameRecord& record) {
  const uint8_t* data = reader.At(record.offset);
  if (record.platform == kPlatformMac) {
    std::string text;
    for (size_t i = 0; i < record.length; ++i) {
      // Mac Roman: the ASCII half is read as it is; the rest cannot be named here.
      text += data[i] < 0x80 ? static_cast<char>(data[i]) : '?';
    }
    return text;
  }
  std::u16string units;
  for (size_t i = 0; i + 1 < record.length; i += 2) {
    units += static_cast<char16_t>(data[i] << 8 | data[i + 1]);
  }
  return text::Utf16ToUtf8(units);
}

std::optional<size_t> FindTable(const Reader& reader, size_t font_offset, uint32_t tag) {
  const auto count = reader.U16(font_offset + 4);
  if (!count) return std::nullopt;
  for (size_t i = 0; i < *count; ++i) {
    const size_t entry = font_offset + 12 + i * 16;
    const auto entry_tag = reader.U32(entry);
    const auto offset = reader.U32(entry + 8);
    if (!entry_tag || !offset) return std::nullopt;
    if (*entry_tag == tag) return *offset;
  }
  return std::nullopt;
}

std::optional<NameRecord> BestRecord(const Reader& reader, size_t table, uint16_t id) {
  const auto count = reader.U16(table + 2);
  const auto strings = reader.U16(table + 4);
  if (!count || !strings) return std::nullopt;
  std::optional<NameRecord> best;
  for (size_t i = 0; i < *count; ++i) {
    const size_t at = table + 6 + i * 12;
    const auto platform = reader.U16(at), encoding = reader.U16(at + 2),
               language = reader.U16(at + 4), name_id = reader.U16(at + 6),
               length = reader.U16(at + 8), offset = reader.U16(at + 10);
    if (!offset) return best;
    if (*name_id != id) continue;
    NameRecord record{*platform, *encoding, *language, *name_id,
                      table + *strings + *offset, *length};
    if (Rank(record) == 0 || !reader.Fits(record.offset, record.length)) continue;
    if (!best || Rank(record) > Rank(*best)) best = record;
  }
  return best;
}

}  // namespace

std::optional<FontNames> ReadFontNames(const std::vector<uint8_t>& bytes) {
  const Reader reader(bytes);
  size_t font = 0;
  auto version = reader.U32(0);
  if (version == kCollection) {
    const auto first = reader.U32(12);
    if (!first) return std::nullopt;
    font = *first;
    version = reader.U32(font);
  }
  if (version != kTrueTypeVersion && version != kAppleTrueType && version != kCffOutlines) {
    return std::nullopt;
  }
  const auto table = FindTable(reader, font, kNameTable);
  if (!table) return std::nullopt;
  const auto family = BestRecord(reader, *table, kFamilyId);
  if (!family) return std::nullopt;
  FontNames names;
  names.family = text::TrimBlanks(Decode(reader, *family));
  if (names.family.empty()) return std::nullopt;
  const auto full = BestRecord(reader, *table, kFullNameId);
  names.full_name = full ? text::TrimBlanks(Decode(reader, *full)) : std::string();
  if (names.full_name.empty()) names.full_name = names.family;
  names.outlines = version == kCffOutlines ? FontOutlines::OpenType : FontOutlines::TrueType;
  return names;
}

std::string FontListName(const FontNames& names) {
  return names.full_name + (names.outlines == FontOutlines::OpenType ? " (OpenType)" : " (TrueType)");
}

}  // namespace qb
