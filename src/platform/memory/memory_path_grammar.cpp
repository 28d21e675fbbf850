#include "platform/memory/memory_path_grammar.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace qb {

namespace {

// The system turns a listing pattern into its own wildcard language before matching:
// "?" becomes a one-character wildcard that may also match nothing before a dot or at the
// end, "*" before a dot stops at the name's last dot, and a dot before a wildcard or at the
// end may match the end of the name. That is why "*.*" lists names without a dot.
constexpr char16_t kDosStar = u'<';
constexpr char16_t kDosQm = u'>';
constexpr char16_t kDosDot = u'"';

std::u16string TranslatePattern(std::u16string pattern) {
  if (pattern == u"*.*") return u"*";
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char16_t next = i + 1 < pattern.size() ? pattern[i + 1] : u'\0';
    if (pattern[i] == u'?') {
      pattern[i] = kDosQm;
    } else if (pattern[i] == u'*' && next == u'.') {
      pattern[i] = kDosStar;
    } else if (pattern[i] == u'.' && (next == u'?' || next == u'*' || next == u'\0')) {
      pattern[i] = kDosDot;
    }
  }
  return pattern;
}

bool MatchFrom(const std::u16string& p, size_t i, const std::u16string& n, size_t j) {
  while (i < p.size()) {
    switch (p[i]) {
      case u'*':
        for (size_t k = j; k <= n.size(); ++k) {
          if (MatchFrom(p, i + 1, n, k)) return true;
        }
        return false;
      case kDosStar: {
        const auto last_dot = n.rfind(u'.');
        const size_t limit = last_dot == std::u16string::npos ? n.size() : std::max(last_dot, j);
        for (size_t k = j; k <= limit; ++k) {
          if (MatchFrom(p, i + 1, n, k)) return true;
        }
        return false;
      }
      case kDosQm:
        if (j < n.size() && n[j] != u'.') ++j;
        ++i;
        break;
      case kDosDot:
        if (j < n.size()) {
          if (n[j] != u'.') return false;
          ++j;
        }
        ++i;
        break;
      default:
        if (j >= n.size() || text::UpperUnit(n[j]) != text::UpperUnit(p[i])) return false;
        ++i, ++j;
    }
  }
  return j == n.size();
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  return MatchFrom(TranslatePattern(text::Utf8ToUtf16(pattern)), 0, text::Utf8ToUtf16(name), 0);
}

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

namespace path_grammar {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The system drops trailing dots and blanks from each element of a path.
std::string TrimElement(std::string_view element) {
  auto end = element.size();
  while (end > 0 && (element[end - 1] == '.' || element[end - 1] == ' ')) --end;
  return std::string(element.substr(0, end));
}

std::string UpperRoot(std::string_view root) {
  std::string out(root);
  for (auto& c : out) {
    if (c == '/') c = '\\';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  if (!out.empty() && out.back() != '\\') out += '\\';
  return out;
}

// Splits "C:\a\b" into its root ("C:\", or "\\server\share\" for a network path) and the
// rest; false for a path that does not start at a root.
bool SplitRoot(std::string_view path, std::string& root, std::string_view& rest) {
  if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
      IsSeparator(path[2])) {
    root = UpperRoot(path.substr(0, 3));
    rest = path.substr(3);
    return true;
  }
  if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t at = 2;
    for (int element = 0; element < 2; ++element) {
      const auto start = at;
      while (at < path.size() && !IsSeparator(path[at])) ++at;
      if (at == start) return false;
      if (element == 0) ++at;
    }
    root = UpperRoot(path.substr(0, at));
    rest = at < path.size() ? path.substr(at + 1) : std::string_view();
    return true;
  }
  return false;
}

std::vector<std::string> SplitElements(std::string_view rest, bool keep_last_as_written) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    const auto element = rest.substr(start, end - start);
    const bool last = end >= rest.size();
    if (element == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!element.empty() && element != ".") {
      auto trimmed = last && keep_last_as_written ? std::string(element) : TrimElement(element);
      if (!trimmed.empty()) parts.push_back(std::move(trimmed));
    }
    start = end + 1;
  }
  return parts;
}

}  // namespace path_grammar

}  // namespace qb
