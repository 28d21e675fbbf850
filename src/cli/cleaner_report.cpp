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

}  // namespace

void AppendText(const CategoryRun& run, std::string& out) {
  const cleaner::Category& category = *run.named.category;
  out += std::string(category.name) + ": " + std::to_string(run.scan.removals.size()) + " found";
  if (run.repair) out += ", " + std::to_string(run.repair->repaired) + " repaired";
  out += "\n";
  for (size_t i = 0; i < run.scan.removals.size(); ++i) {
    const auto& removal = run.scan.removals[i];
    const std::string& tested = run.scan.tested[i];
    out += "  ";
    if (!removal.file.empty()) {
      out += removal.file;
    } else {
      out += KeyName(removal.key);
      if (removal.value_name) out += " [" + *removal.value_name + "]";
      if (removal.key.view != RegView::Native) out += " (" + std::string(ViewName(removal.key.view)) + ")";
    }
    out += ": " + std::string(category.verdict) + (tested.empty() ? "" : ": " + tested) + "\n";
  }
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
  for (const auto& run : runs) {
    for (size_t i = 0; i < run.scan.removals.size(); ++i) {
      const auto& removal = run.scan.removals[i];
      const bool file = !removal.file.empty();
      const std::string key = file ? std::string() : KeyName(removal.key);
      out += std::string(first ? "" : ",") + "\n{\"category\":" + JsonString(run.named.command_name) +
             ",\"view\":" + (file ? "null" : JsonString(ViewName(removal.key.view))) +
             ",\"key\":" + optional_text(&key) +
             ",\"value\":" + (removal.value_name ? JsonString(*removal.value_name) : "null") +
             ",\"file\":" + optional_text(&removal.file) +
             ",\"path\":" + optional_text(&run.scan.tested[i]) +
             ",\"verdict\":" + JsonString(run.named.category->verdict) + "}";
      first = false;
    }
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
    out += ",\"unreadable\":" + std::to_string(run.scan.unreadable) +
           ",\"skipped_folders\":" + std::to_string(run.scan.skipped_folders.size()) + "}";
    first = false;
  }
  out += "\n}}\n";
}

}  // namespace qb::cli
