#include "platform/ini_text.h"

#include <algorithm>

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

// The name of a "[name]" line (trimmed line in); a '[' line without ']' is no header.
std::optional<std::string_view> SectionName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const auto close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// The key of a "key=value" line (trimmed line in), or nothing for other lines.
std::optional<std::string_view> KeyName(std::string_view line) {
  const auto equals = line.find('=');
  if (line.empty() || line.front() == ';' || equals == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(0, equals));
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
    if (const auto name = SectionName(line)) {
      ini.sections_.push_back({std::string(*name), {}});
      current = &ini.sections_.back();
      continue;
    }
    if (!current) continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      current->entries.push_back({std::string(line), {}, false});
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
  section = Trim(section);
  key = Trim(key);
  // Only the first section of the name is searched, as the system reader does.
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  for (const auto& entry : found->entries) {
    if (entry.has_value && text::EqualsNoCase(entry.key, key)) return entry.value;
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

std::string IniText::Edit(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  value = value.substr(std::min(value.find_first_not_of(" \t"), value.size()));
  std::string out(text);
  bool in_section = false;
  bool section_seen = false;
  size_t insert_at = std::string::npos;  // just after the section's last non-blank line
  size_t start = 0;
  while (start < out.size()) {
    auto end = out.find('\n', start);
    const size_t next = end == std::string::npos ? out.size() : end + 1;
    if (end == std::string::npos) end = out.size();
    const auto line = Trim(std::string_view(out).substr(start, end - start));
    if (const auto name = SectionName(line)) {
      if (in_section) break;  // only the first section of that name takes the key
      in_section = !section_seen && text::EqualsNoCase(*name, section);
      section_seen = section_seen || in_section;
      if (in_section) insert_at = next;
    } else if (in_section && !line.empty()) {
      if (const auto name = KeyName(line); name && text::EqualsNoCase(*name, key)) {
        // The key keeps its spelling in the file; only what follows '=' changes.
        const size_t line_start = out.find_first_not_of(" \t", start);
        const std::string replaced = std::string(*name) + "=" + std::string(value);
        const size_t content_end = end > start && out[end - 1] == '\r' ? end - 1 : end;
        out.replace(line_start, content_end - line_start, replaced);
        return out;
      }
      insert_at = next;
    }
    start = next;
  }
  const std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
  if (section_seen) {
    if (insert_at > 0 && out[insert_at - 1] != '\n') out.insert(insert_at, "\r\n"), insert_at += 2;
    out.insert(insert_at, entry);
    return out;
  }
  if (!out.empty() && out.back() != '\n') out += "\r\n";
  out += "[" + std::string(section) + "]\r\n" + entry;
  return out;
}

}  // namespace qb
