#pragma once
// INI text as the system's profile functions read it: "[section]" lines, "key=value"
// lines, names compared without regard to case, blanks around names and values dropped,
// the first of two equal sections or keys winning, lines starting with ';' ignored, a line
// without '=' being a key without a value.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

class IniText {
 public:
  struct Entry {
    std::string key;
    std::string value;
    bool has_value = true;  // false for a line without '=', which reads as missing
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  static IniText Parse(std::string_view text);

  const Section* FindSection(std::string_view name) const;
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Sets or adds the key, adding the section at the end when it is missing.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  const std::vector<Section>& Sections() const { return sections_; }
  // The text written back, one "key=value" per line, CR LF line ends.
  std::string Format() const;
  // The file text with key set in the first section of that name, edited in place so that
  // comments and every other line stay as they were; a missing key joins the end of its
  // section, a missing section the end of the file.
  static std::string Edit(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);

 private:
  std::vector<Section> sections_;
};

}  // namespace qb
