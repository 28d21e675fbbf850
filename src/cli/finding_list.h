#pragma once
// The findings a script chose for a repair: a check's --json report, edited down to the
// findings to remove, read back as the identities of those findings.
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace qb::cli {

// The identities (FindingIdentity) of the report's findings, those marked "excluded" left
// out; nullopt with the reason in error for text that is not such a report.
std::optional<std::set<std::string>> ReadChosenFindings(std::string_view text, std::string& error);

}  // namespace qb::cli
