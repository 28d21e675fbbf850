#pragma once
// Text handling for paths read from the registry.
#include <string>
#include <string_view>
#include <vector>

namespace qb::cleaner {

// The text with every double quote replaced by a blank; same length.
std::string QuotesToBlanks(std::string_view text);

// A registered program path cleaned for testing: lower case, quotes to blanks, blanks
// trimmed from both ends.
std::string CleanProgramPath(std::string_view data);

// The program parts of a command line such as "c:\tools\run.exe -x": each text before a
// blank that ends in a file extension ("c:\tools\run.exe"), shortest first.
std::vector<std::string> ProgramCandidates(std::string_view command);

// Case-insensitive comparisons as the file system and registry make them, without any
// conversion for the common case of plain ASCII text.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool ContainsIgnoringCase(std::string_view text, std::string_view ascii_part);

// Whether the text holds a wildcard character ("*" or "?").
bool HasWildcard(std::string_view text);

// A path that names a place on its own: a drive letter, a colon and a backslash, or a
// network path starting with two backslashes. Anything else depends on the current folder.
bool IsAbsolutePath(std::string_view path);

}  // namespace qb::cleaner
