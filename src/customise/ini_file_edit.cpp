#include "customise/ini_file_edit.h"

#include <algorithm>

#include "customise/replace_file.h"
#include "platform/ini_text.h"
#include "platform/text.h"

namespace qb::customise {

namespace {

enum class Encoding { Ansi, Utf8Bom, Utf16 };

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct Decoded {
  std::string text;
  Encoding encoding = Encoding::Ansi;
};

// UTF-16 files are turned into UTF-8 to be edited; ANSI files are edited as their bytes,
// which keeps text in any code page as it was.
Decoded Decode(const std::vector<uint8_t>& bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      units += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    }
    return {text::Utf16ToUtf8(units), Encoding::Utf16};
  }
  std::string text(bytes.begin(), bytes.end());
  if (text.starts_with(kUtf8Bom)) return {text.substr(kUtf8Bom.size()), Encoding::Utf8Bom};
  return {std::move(text), Encoding::Ansi};
}

std::vector<uint8_t> Encode(std::string_view text, Encoding encoding) {
  std::vector<uint8_t> bytes;
  if (encoding == Encoding::Utf16) {
    bytes = {0xFF, 0xFE};
    for (char16_t unit : text::Utf8ToUtf16(text)) {
      bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return bytes;
  }
  if (encoding == Encoding::Utf8Bom) bytes.assign(kUtf8Bom.begin(), kUtf8Bom.end());
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

}  // namespace

std::optional<std::vector<uint8_t>> EditIniBytes(const std::vector<uint8_t>& bytes,
                                                 const std::vector<IniSetting>& settings) {
  Decoded file = Decode(bytes);
  for (const auto& setting : settings) {
    const std::string all = setting.section + setting.key + setting.value;
    if (all.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    if (file.encoding == Encoding::Ansi && !IsAscii(all)) {
      // The system reads text beyond ASCII reliably only from a UTF-16 file; an ANSI file
      // that is all ASCII can become one without changing what it says.
      if (!IsAscii(file.text)) return std::nullopt;
      file.encoding = Encoding::Utf16;
    }
    file.text = IniText::Edit(file.text, setting.section, setting.key, setting.value);
  }
  return Encode(file.text, file.encoding);
}

std::optional<std::string> ReadIniValue(const std::vector<uint8_t>& bytes, std::string_view section,
                                        std::string_view key) {
  return IniText::Parse(Decode(bytes).text).Get(section, key);
}

Status WriteIniKeys(FileSystem& files, std::string_view ini_file,
                    const std::vector<IniSetting>& settings, std::optional<uint32_t> attributes) {
  std::vector<uint8_t> bytes;
  const Status read = files.ReadFile(ini_file, bytes);
  if (read != status::kOk && read != status::kFileNotFound) return read;
  const auto edited = EditIniBytes(bytes, settings);
  if (!edited) return status::kInvalidParameter;
  return ReplaceFile(files, ini_file, *edited, attributes);
}

Status WriteIni(FileSystem& files, std::string_view ini_file, std::string_view section,
                std::string_view key, std::string_view value) {
  return WriteIniKeys(files, ini_file,
                      {{std::string(section), std::string(key), std::string(value)}});
}

}  // namespace qb::customise
