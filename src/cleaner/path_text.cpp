#include "cleaner/path_text.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace qb::cleaner {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// ".exe", ".com", ".cpl", ".html": a dot and one to four letters or digits after the last
// path separator.
bool EndsWithExtension(std::string_view text) {
  const auto dot = text.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  const auto extension = text.substr(dot + 1);
  if (extension.empty() || extension.size() > 4) return false;
  for (char c : extension) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
  }
  return text::EqualsNoCase(a, b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (IsAscii(prefix) && text.size() >= prefix.size() && IsAscii(text.substr(0, prefix.size()))) {
    return EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
  }
  const auto upper_text = text::UpperUtf16(text::Utf8ToUtf16(text));
  const auto upper_prefix = text::UpperUtf16(text::Utf8ToUtf16(prefix));
  return upper_text.starts_with(upper_prefix);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view ascii_part) {
  if (ascii_part.size() > text.size()) return false;
  for (size_t at = 0; at + ascii_part.size() <= text.size(); ++at) {
    size_t i = 0;
    while (i < ascii_part.size() && UpperAscii(text[at + i]) == UpperAscii(ascii_part[i])) ++i;
    if (i == ascii_part.size()) return true;
  }
  return false;
}

std::string QuotesToBlanks(std::string_view text) {
  std::string out(text);
  for (auto& c : out) {
    if (c == '"') c = ' ';
  }
  return out;
}

std::string CleanProgramPath(std::string_view data) {
  return text::TrimBlanks(QuotesToBlanks(text::ToLowerAscii(data)));
}

std::vector<std::string> ProgramCandidates(std::string_view command) {
  std::vector<std::string> candidates;
  for (size_t blank = command.find(' '); blank != std::string_view::npos;
       blank = command.find(' ', blank + 1)) {
    const std::string part = text::TrimBlanks(command.substr(0, blank));
    if (!part.empty() && EndsWithExtension(part) &&
        (candidates.empty() || candidates.back() != part)) {
      candidates.push_back(part);
    }
  }
  return candidates;
}

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

bool IsAbsolutePath(std::string_view path) {
  if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      IsSeparator(path[2])) {
    return true;
  }
  return path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

}  // namespace qb::cleaner
