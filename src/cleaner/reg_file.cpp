#include "cleaner/reg_file.h"

#include <cstdio>

#include "platform/text.h"

namespace qb::cleaner {

namespace {

// The editor breaks hex data after the comma that takes a line to this many characters.
constexpr size_t kHexLineLimit = 77;

// The roots a .reg file can name; performance data and dynamic data are not stored keys.
bool InRegFiles(RegRoot root) { return root != RegRoot::PerformanceData && root != RegRoot::DynData; }

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

// A string value is written in quotes only when importing the quoted text gives back the
// same bytes: one terminating NUL, no other NUL, no line breaks, well-formed UTF-16.
bool QuotableString(const RegValue& value) {
  if (value.type != regtype::kSz) return false;
  const std::string text = value.AsString();
  if (text.find_first_of("\r\n") != std::string::npos) return false;
  return RegValue::String(value.name, text).data == value.data;
}

std::string HexData(const RegValue& value, size_t line_length) {
  char prefix[16];
  if (value.type == regtype::kBinary) {
    std::snprintf(prefix, sizeof prefix, "hex:");
  } else {
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
  }
  std::string out = prefix;
  line_length += out.size();
  for (size_t i = 0; i < value.data.size(); ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", value.data[i]);
    out += pair;
    if (i + 1 == value.data.size()) break;
    out += ',';
    line_length += 3;
    if (line_length >= kHexLineLimit) {
      out += "\\\r\n  ";
      line_length = 2;
    }
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    auto line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

// Reads a quoted, escaped text starting at the opening quote; at ends after the closing one.
bool ReadQuoted(std::string_view line, size_t& at, std::string& out) {
  if (at >= line.size() || line[at] != '"') return false;
  for (++at; at < line.size(); ++at) {
    if (line[at] == '\\' && at + 1 < line.size()) {
      out += line[++at];
    } else if (line[at] == '"') {
      ++at;
      return true;
    } else {
      out += line[at];
    }
  }
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ReadHexBytes(std::string_view text, std::vector<uint8_t>& bytes) {
  int high = -1;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (c == ',') {
      if (high >= 0) return false;
      continue;
    }
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  return high < 0;
}

bool ParseData(std::string_view data, RegValue& value) {
  if (data.starts_with('"')) {
    size_t at = 0;
    std::string text;
    if (!ReadQuoted(data, at, text) || at != data.size()) return false;
    value = RegValue::String(value.name, text);
    return true;
  }
  if (data.starts_with("dword:")) {
    const auto digits = data.substr(6);
    if (digits.size() != 8) return false;
    uint32_t number = 0;
    for (char c : digits) {
      const int digit = HexDigit(c);
      if (digit < 0) return false;
      number = number * 16 + static_cast<uint32_t>(digit);
    }
    value = RegValue::Dword(value.name, number);
    return true;
  }
  if (data.starts_with("hex:")) {
    value.type = regtype::kBinary;
    return ReadHexBytes(data.substr(4), value.data);
  }
  if (data.starts_with("hex(")) {
    const auto close = data.find("):");
    if (close == std::string_view::npos || close == 4) return false;
    uint32_t type = 0;
    for (char c : data.substr(4, close - 4)) {
      const int digit = HexDigit(c);
      if (digit < 0) return false;
      type = type * 16 + static_cast<uint32_t>(digit);
    }
    value.type = type;
    return ReadHexBytes(data.substr(close + 2), value.data);
  }
  return false;
}

bool ParseValueLine(std::string_view line, RegValue& value, const language::Wording& say,
                    std::string& error) {
  size_t at = 0;
  value = RegValue{};
  if (line.starts_with('@')) {
    at = 1;
  } else if (!ReadQuoted(line, at, value.name)) {
    error = say(language::phrase::kRegFileNameNotClosed, {line});
    return false;
  }
  if (at >= line.size() || line[at] != '=') {
    error = say(language::phrase::kRegFileNoEquals, {line});
    return false;
  }
  if (!ParseData(line.substr(at + 1), value)) {
    error = say(language::phrase::kRegFileBadData, {line});
    return false;
  }
  return true;
}

bool ParseKeyLine(std::string_view line, RegFileKey& key, const language::Wording& say,
                  std::string& error) {
  const auto inner = line.substr(1, line.size() - 2);
  if (inner.starts_with('-')) {
    error = say(language::phrase::kRegFileKeyDeletion, {line});
    return false;
  }
  const auto slash = inner.find('\\');
  const auto root_name = inner.substr(0, slash);
  for (RegRoot root : kAllRegRoots) {
    if (InRegFiles(root) && text::EqualsNoCase(root_name, RootLongName(root))) {
      key.root = root;
      key.path = slash == std::string_view::npos ? std::string() : std::string(inner.substr(slash + 1));
      return true;
    }
  }
  error = say(language::phrase::kRegFileUnknownRoot, {root_name});
  return false;
}

}  // namespace

std::string_view RootFileName(RegRoot root) {
  return InRegFiles(root) ? RootLongName(root) : std::string_view();
}

std::string PhysicalPath(RegRoot root, std::string_view path, RegView view, bool separate_views) {
  if (!separate_views || view != RegView::Force32) return std::string(path);
  return Wow64Path(root, path);
}

std::string ValueLine(const RegValue& value) {
  std::string line = value.name.empty() ? "@=" : "\"" + Escape(value.name) + "\"=";
  if (QuotableString(value)) {
    line += "\"" + Escape(value.AsString()) + "\"";
  } else if (value.type == regtype::kDword && value.data.size() == 4) {
    char number[16];
    std::snprintf(number, sizeof number, "dword:%08x", static_cast<unsigned>(value.AsDword()));
    line += number;
  } else {
    line += HexData(value, line.size());
  }
  return line;
}

std::string RegFileText(const std::vector<RegFileKey>& keys) {
  std::string text(kRegFileHeader);
  text += "\r\n\r\n";
  for (const auto& key : keys) {
    text += "[" + std::string(RootFileName(key.root));
    if (!key.path.empty()) text += "\\" + key.path;
    text += "]\r\n";
    for (const auto& value : key.values) text += ValueLine(value) + "\r\n";
    text += "\r\n";
  }
  return text;
}

std::vector<uint8_t> EncodeRegFile(const std::vector<RegFileKey>& keys) {
  return text::Utf16LeFile(text::Utf8ToUtf16(RegFileText(keys)));
}

bool ParseRegFile(const std::vector<uint8_t>& bytes, std::vector<RegFileKey>& keys,
                  std::string& error, const language::Wording& say) {
  keys.clear();
  if (!text::HasUtf16LeMark(bytes)) {
    error = say(language::phrase::kRegFileNoMark, {});
    return false;
  }
  const auto lines = SplitLines(text::Utf16ToUtf8(text::Utf16LeUnits(bytes, 2)));
  size_t i = 0;
  while (i < lines.size() && lines[i].empty()) ++i;
  if (i == lines.size() || lines[i] != kRegFileHeader) {
    error = say(language::phrase::kRegFileNoHeader, {kRegFileHeader});
    return false;
  }
  for (++i; i < lines.size(); ++i) {
    std::string line = lines[i];
    // Long hex data goes on over lines that end in a backslash.
    while (!line.empty() && line.back() == '\\' && i + 1 < lines.size()) {
      line.pop_back();
      const auto& next = lines[++i];
      line += next.substr(std::min(next.find_first_not_of(' '), next.size()));
    }
    if (line.empty() || line.starts_with(';')) continue;
    if (line.starts_with('[') && line.ends_with(']')) {
      keys.emplace_back();
      if (!ParseKeyLine(line, keys.back(), say, error)) return false;
      continue;
    }
    if (keys.empty()) {
      error = say(language::phrase::kRegFileValueBeforeKey, {line});
      return false;
    }
    RegValue value;
    if (!ParseValueLine(line, value, say, error)) return false;
    keys.back().values.push_back(std::move(value));
  }
  return true;
}

}  // namespace qb::cleaner
