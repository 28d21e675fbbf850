#include "cli/cleaner_report.h"

#include "cleaner/reg_file.h"
#include "cleaner/run_summary.h"
#include "cli/json_text.h"

namespace qb::cli {

namespace {

std::string_view ViewName(RegView view) {
  switch (view) {
    case RegView::Force64: return "64-bit";
    case RegView::Force32: return "32-bit";
    case RegView::Native: break;
  }
  return "default";
}

std::string KeyName(const RegKeyPath& key) {
  return std::string(cleaner::RootFileName(key.root)) + "\\" + key.path;
}

// One finding's line: the file, or the key with its value and view.
std::string FindingText(const cleaner::Removal& removal) {
  if (!removal.file.empty()) return removal.file;
  std::string text = KeyName(removal.key);
  if (removal.value_name) text += " [" + *removal.value_name + "]";
  if (removal.key.view != RegView::Native) text += " (" + std::string(ViewName(removal.key.view)) + ")";
  return text;
}

void AppendFindings(const std::vector<cleaner::Removal>& removals,
                    const std::vector<std::string>& tested, std::string_view verdict,
                    std::string& out) {
  for (size_t i = 0; i < removals.size(); ++i) {
    out += "  " + FindingText(removals[i]) + ": " + std::string(verdict) +
           (tested[i].empty() ? "" : ": " + tested[i]) + "\n";
  }
}

std::string JsonFinding(std::string_view category, const cleaner::Removal& removal,
                        const std::string& tested, std::string_view verdict) {
  const auto optional_text = [](const std::string& text) {
    return text.empty() ? std::string("null") : JsonString(text);
  };
  const bool file = !removal.file.empty();
  return "{\"category\":" + JsonString(category) +
         ",\"view\":" + (file ? "null" : JsonString(ViewName(removal.key.view))) +
         ",\"key\":" + (file ? "null" : JsonString(KeyName(removal.key))) +
         ",\"value\":" + (removal.value_name ? JsonString(*removal.value_name) : "null") +
         ",\"file\":" + optional_text(removal.file) + ",\"path\":" + optional_text(tested) +
         ",\"verdict\":" + JsonString(verdict) + "}";
}

}  // namespace

std::string FindingIdentity(std::string_view category, const cleaner::Removal& removal) {
  const bool file = !removal.file.empty();
  return std::string(category) + "\n" + (file ? kNoText : std::string(ViewName(removal.key.view))) +
         "\n" + (file ? kNoText : KeyName(removal.key)) + "\n" +
         (removal.value_name ? *removal.value_name : kNoText) + "\n" +
         (file ? removal.file : kNoText);
}

void AppendText(const CategoryRun& run, std::string& out) {
  const cleaner::Category& category = *run.named.category;
  out += std::string(category.name) + ": " + std::to_string(run.scan.removals.size()) + " found";
  if (run.repair) out += ", " + std::to_string(run.repair->repaired) + " repaired";
  if (!run.scan.excluded.empty()) out += ", " + std::to_string(run.scan.excluded.size()) + " kept: excluded";
  out += "\n";
  AppendFindings(run.scan.removals, run.scan.tested, category.verdict, out);
  AppendFindings(run.scan.excluded, run.scan.excluded_tested, kExcludedVerdict, out);
  for (const auto& folder : run.scan.skipped_folders) {
    out += "  " + folder + ": could not be listed, not searched\n";
  }
  if (!run.repair) return;
  if (!run.repair->earlier_backup_path.empty()) {
    out += "  backup: " + run.repair->earlier_backup_path + "\n";
  }
  if (!run.repair->backup_path.empty()) out += "  backup: " + run.repair->backup_path + "\n";
  for (const auto& note : cleaner::RunNotes(run.scan, *run.repair)) out += "  " + note + "\n";
}

void AppendJson(const std::vector<CategoryRun>& runs, bool repair, std::string& out) {
  const auto optional_text = [](const std::string* text) {
    return text && !text->empty() ? JsonString(*text) : std::string("null");
  };
  out += "{\"command\":" + JsonString(repair ? "repair" : "check") + ",\"findings\":[";
  bool first = true;
  const auto add = [&](const CategoryRun& run, const std::vector<cleaner::Removal>& removals,
                       const std::vector<std::string>& tested, std::string_view verdict) {
    for (size_t i = 0; i < removals.size(); ++i) {
      out += std::string(first ? "" : ",") + "\n" +
             JsonFinding(run.named.command_name, removals[i], tested[i], verdict);
      first = false;
    }
  };
  for (const auto& run : runs) {
    add(run, run.scan.removals, run.scan.tested, run.named.category->verdict);
    add(run, run.scan.excluded, run.scan.excluded_tested, kExcludedVerdict);
  }
  out += "\n],\"counts\":{";
  first = true;
  for (const auto& run : runs) {
    out += std::string(first ? "" : ",") + "\n" + JsonString(run.named.command_name) +
           ":{\"found\":" + std::to_string(run.scan.removals.size());
    if (run.repair) {
      const auto& r = *run.repair;
      const std::string* backup = &r.backup_path;
      out += ",\"repaired\":" + std::to_string(r.repaired) + ",\"changed\":" + std::to_string(r.changed) +
             ",\"not_backed_up\":" + std::to_string(r.not_backed_up) +
             ",\"refused\":" + std::to_string(r.refused) + ",\"backup\":" + optional_text(backup) +
             ",\"earlier_backup\":" + optional_text(&r.earlier_backup_path);
    }
    out += ",\"excluded\":" + std::to_string(run.scan.excluded.size()) + ",\"unreadable\":" + std::to_string(run.scan.unreadable) +
           ",\"skipped_folders\":" + std::to_string(run.scan.skipped_folders.size()) + "}";
    first = false;
  }
  out += "\n}}\n";
}

}  // namespace qb::cli
