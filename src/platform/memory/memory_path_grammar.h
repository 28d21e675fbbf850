#pragma once
// The system's grammar of paths and listing patterns, as the in-memory file system obeys it:
// roots ("C:\", "\\server\share\"), separators, the trailing dots and blanks the system
// drops from each element, and the wildcard language of a listing.
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The system's wildcard match of one name against one pattern ("*", "?", "*.*" matching
// names without a dot too, "name?.txt" matching "name.txt"), ignoring case.
bool WildcardMatch(std::string_view pattern, std::string_view name);
// Whether the text holds a wildcard character.
bool HasWildcard(std::string_view text);

namespace path_grammar {

bool IsSeparator(char c);
// The element as the system stores it: trailing dots and blanks dropped.
std::string TrimElement(std::string_view element);
// The root in upper case with its trailing backslash.
std::string UpperRoot(std::string_view root);
// Splits "C:\a\b" into its root ("C:\", or "\\server\share\" for a network path) and the
// rest; false for a path that does not start at a root.
bool SplitRoot(std::string_view path, std::string& root, std::string_view& rest);
// The elements of the rest of a path, each trimmed; the last kept as written when asked.
std::vector<std::string> SplitElements(std::string_view rest, bool keep_last_as_written);

}  // namespace path_grammar

}  // namespace qb
