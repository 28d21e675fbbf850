#pragma once
// What the companion prints for a check or repair run: a line per finding for people, or one
// JSON document for scripts.
#include <optional>
#include <string>
#include <vector>

#include "cleaner/categories.h"
#include "cleaner/repair.h"

namespace qb::cli {

struct CategoryRun {
  cleaner::NamedCategory named;
  cleaner::ScanResult scan;
  std::optional<cleaner::RepairOutcome> repair;
};

void AppendText(const CategoryRun& run, std::string& out);
void AppendJson(const std::vector<CategoryRun>& runs, bool repair, std::string& out);

}  // namespace qb::cli
