#include "cleaner/path_text.h"

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

}  // namespace

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
