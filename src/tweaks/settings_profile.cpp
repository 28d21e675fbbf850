#include "tweaks/settings_profile.h"

#include <algorithm>

namespace qb::tweaks {

namespace {

namespace phrase = language::phrase;

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr size_t kShownChars = 60;  // of a name or value quoted in a message

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A line of a hostile file may be very long: messages quote only its start.
std::string Shown(std::string_view text) {
  std::string shown(text.substr(0, kShownChars));
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) c = '?';
  }
  return "\"" + shown + (text.size() > kShownChars ? "...\"" : "\"");
}

bool ValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size() || (length == 2 && lead < 0xC2)) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

class Parser {
 public:
  explicit Parser(const language::Wording& say) : say_(say) {}

  void Line(int number, std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == '#') return;
    if (line.front() == '[') return Header(number, line);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return Error(number, [&] { return say_(phrase::kProfileNoEquals, {Shown(line)}); });
    const std::string_view name = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    seen_setting_ = true;
    if (name == "format") return Format(number, value);
    const Setting* setting = FindSetting(name);
    if (!setting) return Error(number, [&] { return say_(phrase::kProfileUnknownSetting, {Shown(name)}); });
    if (const auto before = std::find_if(profile_.entries.begin(), profile_.entries.end(),
                                         [&](const ProfileEntry& e) { return e.setting == setting; });
        before != profile_.entries.end()) {
      return Error(number, [&] { return say_(phrase::kProfileSetTwice, {name, std::to_string(before->line)}); });
    }
    if (!ValidUtf8(value)) return Error(number, [&] { return say_(phrase::kProfileNotUtf8, {name}); });
    std::string why;
    if (auto normal = NormaliseValue(*setting, value, why, say_)) {
      profile_.entries.push_back({setting, std::move(*normal), number});
    } else {
      // Still counted, so that a second line for it is named as a duplicate.
      profile_.entries.push_back({setting, {}, number});
      Error(number, [&] { return std::string(name) + " = " + Shown(value) + ": " + why; });
    }
  }

  Profile Finish() {
    std::stable_sort(profile_.entries.begin(), profile_.entries.end(),
                     [](const ProfileEntry& a, const ProfileEntry& b) { return a.setting < b.setting; });
    return std::move(profile_);
  }

 private:
  // A file that is no profile at all has a fault on every line: the first ones are worded
  // and listed, the rest only counted.
  template <typename Message>
  void Error(int line, Message message) {
    if (profile_.errors.size() < kListedProfileErrors) {
      profile_.errors.push_back({line, message()});
    } else {
      ++profile_.unlisted_errors;
    }
  }

  void Header(int number, std::string_view line) {
    if (line != kProfileHeader) return Error(number, [&] { return say_(phrase::kProfileUnknownSection, {Shown(line), kProfileHeader}); });
    if (seen_setting_ || seen_header_) return Error(number, [&] { return say_(phrase::kProfileHeaderFirst, {kProfileHeader}); });
    seen_header_ = true;
  }

  void Format(int number, std::string_view value) {
    if (!seen_header_ || seen_format_) return Error(number, [&] { return say_(phrase::kProfileFormatPlace, {kProfileHeader}); });
    seen_format_ = true;
    if (value != std::to_string(kProfileFormat)) {
      Error(number, [&] { return say_(phrase::kProfileFormatUnknown, {Shown(value), std::to_string(kProfileFormat)}); });
    }
  }

  const language::Wording& say_;
  Profile profile_;
  bool seen_header_ = false;
  bool seen_format_ = false;
  bool seen_setting_ = false;
};

}  // namespace

Profile ParseProfile(std::string_view text, const language::Wording& say) {
  if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
  Parser parser(say);
  int number = 1;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    parser.Line(number++, line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parser.Finish();
}

std::string ErrorLines(const Profile& profile) {
  std::string lines;
  for (const ProfileError& error : profile.errors) {
    lines += "line " + std::to_string(error.line) + ": " + error.message + "\n";
  }
  if (profile.unlisted_errors != 0) lines += "and " + std::to_string(profile.unlisted_errors) + " more faults\n";
  return lines;
}

std::string ExportProfile(const Services& services) {
  std::string text = std::string(kProfileHeader) + "\nformat = " + std::to_string(kProfileFormat) + "\n";
  for (const Setting& setting : AllSettings()) {
    const auto value = ReadSetting(services, setting);
    std::string why;
    if (value && NormaliseValue(setting, *value, why) == value) {
      text += std::string(setting.name) + " = " + *value + "\n";
    } else {
      // The comment stays one line whatever the value holds.
      std::string held = value.value_or("");
      std::replace_if(held.begin(), held.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
      text += "# " + std::string(setting.name) + ": " +
              (value ? "holds " + held + ", which is not " + ValueForm(setting) : std::string("not set")) +
              "; left as it is\n";
    }
  }
  return text;
}

}  // namespace qb::tweaks
