#pragma once
// What the companion prints for a check or repair run: a line per finding for people, or one
// JSON document for scripts.
#include <optional>
#include <string>
#include <vector>

#include "cleaner/categories.h"
#include "cleaner/repair.h"

namespace qb::cli {

// The verdict of a finding the exclusions keep.
inline constexpr std::string_view kExcludedVerdict = "excluded";

struct CategoryRun {
  cleaner::NamedCategory named;
  cleaner::ScanResult scan;
  std::optional<cleaner::RepairOutcome> repair;
};

// What tells one finding from every other in a report: its category, view, key, value and
// file, as the JSON report writes them; kNoText stands for null.
inline const std::string kNoText = std::string(1, '\x01');
std::string FindingIdentity(std::string_view category, const cleaner::Removal& removal);

void AppendText(const CategoryRun& run, std::string& out);
void AppendJson(const std::vector<CategoryRun>& runs, bool repair, std::string& out);

}  // namespace qb::cli
