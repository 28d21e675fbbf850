#include "customise/ini_file_edit.h"

#include <algorithm>

#include "platform/replace_file.h"
#include "platform/ini_text.h"
#include "platform/text.h"

namespace qb::customise {

namespace {

enum class Encoding { Ansi, Utf8Bom, Utf16Le, Utf16Be };

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct Decoded {
  std::string text;
  Encoding encoding = Encoding::Ansi;
  bool bare_line_feeds = false;  // lines end in LF alone, as the file was written elsewhere
};

std::optional<std::string> FromUtf16(const std::vector<uint8_t>& bytes, bool big_endian) {
  // A stray last byte would be lost on writing back: such a file is not edited.
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string units;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned first = bytes[i], second = bytes[i + 1];
    units += static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
  }
  return text::Utf16ToUtf8(units);
}

// UTF-16 files are turned into UTF-8 to be edited; ANSI files are edited as their bytes,
// which keeps text in any code page as it was. Nothing for a file that cannot be written
// back as it was.
std::optional<Decoded> Decode(const std::vector<uint8_t>& bytes) {
  Decoded file;
  const bool little = text::HasUtf16LeMark(bytes);
  const bool big = bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF;
  if (little || big) {
    auto text = FromUtf16(bytes, big);
    if (!text) return std::nullopt;
    file.text = std::move(*text);
    file.encoding = big ? Encoding::Utf16Be : Encoding::Utf16Le;
  } else {
    file.text.assign(bytes.begin(), bytes.end());
    if (file.text.starts_with(kUtf8Bom)) {
      file.text.erase(0, kUtf8Bom.size());
      file.encoding = Encoding::Utf8Bom;
    }
  }
  file.bare_line_feeds = file.text.find('\n') != std::string::npos &&
                         file.text.find("\r\n") == std::string::npos;
  return file;
}

std::vector<uint8_t> Encode(const Decoded& file) {
  std::string text = file.text;
  if (file.bare_line_feeds) {
    // The file had no CR LF of its own, so every one now in it came with an edit.
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
      text.erase(at, 1);
    }
  }
  if (file.encoding == Encoding::Utf16Le) return text::Utf16LeFile(text::Utf8ToUtf16(text));
  std::vector<uint8_t> bytes;
  if (file.encoding == Encoding::Utf16Be) {
    bytes = {0xFE, 0xFF};
    for (char16_t unit : text::Utf8ToUtf16(text)) {
      bytes.push_back(static_cast<uint8_t>(unit >> 8));
      bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    }
    return bytes;
  }
  if (file.encoding == Encoding::Utf8Bom) bytes.assign(kUtf8Bom.begin(), kUtf8Bom.end());
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

// kInvalidData: the file cannot be written back as it was; kInvalidParameter: a value
// cannot be stored in it.
Status Edit(const std::vector<uint8_t>& bytes, const std::vector<IniSetting>& settings,
            std::vector<uint8_t>& edited) {
  auto file = Decode(bytes);
  if (!file) return status::kInvalidData;
  for (const auto& setting : settings) {
    const std::string all = setting.section + setting.key + setting.value;
    if (all.find_first_of("\r\n") != std::string::npos) return status::kInvalidParameter;
    if (file->encoding == Encoding::Ansi && !IsAscii(all)) {
      // The system reads text beyond ASCII reliably only from a UTF-16 file; an ANSI file
      // that is all ASCII can become one without changing what it says.
      if (!IsAscii(file->text)) return status::kInvalidParameter;
      file->encoding = Encoding::Utf16Le;
    }
    file->text = IniText::Edit(file->text, setting.section, setting.key, setting.value);
  }
  edited = Encode(*file);
  return status::kOk;
}

}  // namespace

std::optional<std::vector<uint8_t>> EditIniBytes(const std::vector<uint8_t>& bytes,
                                                 const std::vector<IniSetting>& settings) {
  std::vector<uint8_t> edited;
  if (Edit(bytes, settings, edited) != status::kOk) return std::nullopt;
  return edited;
}

std::optional<std::string> ReadIniValue(const std::vector<uint8_t>& bytes, std::string_view section,
                                        std::string_view key) {
  const auto file = Decode(bytes);
  if (!file) return std::nullopt;
  return IniText::Parse(file->text).Get(section, key);
}

Status EditIniFile(FileSystem& files, std::string_view ini_file,
                   const std::vector<IniSetting>& settings, std::vector<uint8_t>& edited) {
  // A folder of the file's name cannot be read either; the cause is the folder.
  if (const Status checked = CheckReplaceable(files, ini_file); checked != status::kOk) return checked;
  std::vector<uint8_t> bytes;
  const Status read = files.ReadFile(ini_file, bytes);
  if (read != status::kOk && read != status::kFileNotFound) return read;
  return Edit(bytes, settings, edited);
}

Status WriteIniKeys(FileSystem& files, std::string_view ini_file,
                    const std::vector<IniSetting>& settings, std::optional<uint32_t> attributes) {
  std::vector<uint8_t> edited;
  const Status made = EditIniFile(files, ini_file, settings, edited);
  return made == status::kOk ? ReplaceWholeFile(files, ini_file, edited, attributes) : made;
}

Status WriteIni(FileSystem& files, std::string_view ini_file, std::string_view section,
                std::string_view key, std::string_view value) {
  return WriteIniKeys(files, ini_file,
                      {{std::string(section), std::string(key), std::string(value)}});
}

}  // namespace qb::customise
