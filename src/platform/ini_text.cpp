#include "platform/ini_text.h"

#include "platform/text.h"

namespace qb {

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

// The profile reader drops one pair of matching quotes around a value.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniText IniText::Parse(std::string_view text) {
  IniText ini;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Section* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const auto line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const auto close = line.find(']');
      const auto name = Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      ini.sections_.push_back({std::string(name), {}});
      current = &ini.sections_.back();
      continue;
    }
    if (!current) continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      current->entries.push_back({std::string(line), {}});
    } else {
      current->entries.push_back({std::string(Trim(line.substr(0, equals))),
                                  std::string(Unquote(Trim(line.substr(equals + 1))))});
    }
  }
  return ini;
}

const IniText::Section* IniText::FindSection(std::string_view name) const {
  for (const auto& section : sections_) {
    if (text::EqualsNoCase(section.name, name)) return &section;
  }
  return nullptr;
}

std::optional<std::string> IniText::Get(std::string_view section, std::string_view key) const {
  // Later sections of the same name are searched too, after the first one.
  for (const auto& s : sections_) {
    if (!text::EqualsNoCase(s.name, section)) continue;
    for (const auto& entry : s.entries) {
      if (text::EqualsNoCase(entry.key, key)) return entry.value;
    }
  }
  return std::nullopt;
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
  Section* target = nullptr;
  for (auto& s : sections_) {
    if (text::EqualsNoCase(s.name, section)) {
      target = &s;
      break;
    }
  }
  if (!target) {
    sections_.push_back({std::string(section), {}});
    target = &sections_.back();
  }
  for (auto& entry : target->entries) {
    if (text::EqualsNoCase(entry.key, key)) {
      entry.value = std::string(value);
      return;
    }
  }
  target->entries.push_back({std::string(key), std::string(value)});
}

std::string IniText::Format() const {
  std::string out;
  for (const auto& section : sections_) {
    out += "[" + section.name + "]\r\n";
    for (const auto& entry : section.entries) out += entry.key + "=" + entry.value + "\r\n";
  }
  return out;
}

}  // namespace qb
