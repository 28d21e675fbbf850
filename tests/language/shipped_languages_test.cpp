// The language files shipped beside the program: each one a complete translation of
// English.ini, in a form the system's profile reader keeps intact on any code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "language/language_catalogue.h"
#include "platform/ini_text.h"
#include "platform/text.h"
#include "support/source_files.h"

namespace qb::language {
namespace {

const std::string kLanguagesFolder = "resources/data/languages";

std::vector<std::string> ShippedLanguageFiles() {
  std::vector<std::string> names;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(QB_SOURCE_DIR) + "/" + kLanguagesFolder)) {
    if (entry.path().extension() == ".ini") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool IsAscii(const std::string& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

// The file's text as the profile reader sees it: UTF-16LE after its byte order mark, or
// the ANSI code page, where only ASCII reads the same on every machine.
std::optional<std::string> ReaderText(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
      static_cast<uint8_t>(bytes[1]) == 0xFE && bytes.size() % 2 == 0) {
    std::u16string units;
    for (size_t i = 2; i < bytes.size(); i += 2) {
      units.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                            static_cast<uint8_t>(bytes[i + 1]) << 8));
    }
    return text::Utf16ToUtf8(units);
  }
  if (IsAscii(bytes)) return bytes;
  return std::nullopt;
}

std::map<std::string, std::string> Captions(const std::string& file) {
  const auto text = ReaderText(testing::ReadSourceFile(kLanguagesFolder + "/" + file));
  std::map<std::string, std::string> captions;
  if (!text) return captions;
  const IniText ini = IniText::Parse(*text);
  if (const auto* section = ini.FindSection(kSection)) {
    for (const auto& entry : section->entries) captions.emplace(entry.key, entry.value);
  }
  return captions;
}

TEST(ShippedLanguagesTest, EnglishAndAtLeastTwoTranslationsShip) {
  const auto files = ShippedLanguageFiles();
  EXPECT_NE(std::find(files.begin(), files.end(), "English.ini"), files.end());
  EXPECT_GE(files.size(), 3u);
  EXPECT_GE(Captions("English.ini").size(), 100u);
}

TEST(ShippedLanguagesTest, EveryFileReadsTheSameOnEveryCodePage) {
  for (const auto& file : ShippedLanguageFiles()) {
    EXPECT_TRUE(ReaderText(testing::ReadSourceFile(kLanguagesFolder + "/" + file)))
        << file << " has letters outside ASCII without a UTF-16 byte order mark";
  }
}

// A key English has and a translation lacks would show an empty caption in that language.
TEST(ShippedLanguagesTest, EveryTranslationHasEveryKeyOfEnglishAndNoOther) {
  const auto english = Captions("English.ini");
  for (const auto& file : ShippedLanguageFiles()) {
    const auto captions = Captions(file);
    for (const auto& [key, text] : english) {
      const auto it = captions.find(key);
      if (it == captions.end()) {
        ADD_FAILURE() << file << " lacks key " << key << " (English: \"" << text << "\")";
      } else if (!text.empty() && it->second.empty()) {
        ADD_FAILURE() << file << " leaves key " << key << " empty (English: \"" << text << "\")";
      }
    }
    for (const auto& [key, text] : captions) {
      EXPECT_TRUE(english.count(key)) << file << " has key " << key << ", which English lacks";
      EXPECT_LT(text::Utf8ToUtf16(text).size(), kLookupBufferChars) << file << " key " << key;
    }
  }
}

// What a translation must keep of each text: the values a message fills in ("%1") and
// whether a caption has an access key (one "&"; "&&" is a shown ampersand).
std::pair<std::set<std::string>, bool> Markers(std::string_view text) {
  std::set<std::string> placeholders;
  bool access_key = false;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') placeholders.insert(std::string(text.substr(i, 2)));
    if (text[i] == '%' && text[i + 1] == '%') ++i;
    if (text[i] == '&' && text[i + 1] == '&') {
      ++i;
    } else if (text[i] == '&') {
      access_key = true;
    }
  }
  return {placeholders, access_key};
}

TEST(ShippedLanguagesTest, EveryTranslationKeepsThePlaceholdersAndAccessKeysOfEnglish) {
  EXPECT_EQ(Markers("%1 of %2 && 100%% &Next"), (std::pair<std::set<std::string>, bool>{{"%1", "%2"}, true}));
  const auto english = Captions("English.ini");
  for (const auto& file : ShippedLanguageFiles()) {
    for (const auto& [key, text] : Captions(file)) {
      const auto it = english.find(key);
      if (it == english.end()) continue;
      EXPECT_EQ(Markers(text), Markers(it->second))
          << file << " key " << key << ": \"" << text << "\" against \"" << it->second << "\"";
    }
  }
}

}  // namespace
}  // namespace qb::language
