#include "cli/command_line.h"

#include <cctype>
#include <optional>

#include "cleaner/backup.h"
#include "cleaner/categories.h"
#include "cleaner/repair.h"
#include "cleaner/repair_lock.h"
#include "cleaner/run_summary.h"
#include "cli/json_text.h"
#include "customise/replace_file.h"

namespace qb::cli {

namespace {

using cleaner::NamedCategory;

constexpr std::string_view kUsage =
    "Usage: quillbox-cli check|repair <category>|all [--drive X: | --folder PATH] [--json]\n"
    "                    [--output file]\n"
    "       quillbox-cli --help | --version\n";

struct Request {
  bool repair = false;
  std::vector<NamedCategory> categories;
  std::string drive;
  bool json = false;
  std::string output_file;  // empty: standard output
};

std::string CategoryNames() {
  std::string names;
  for (const auto& named : cleaner::kCategories) names += " " + std::string(named.command_name);
  return names;
}

bool IsDrive(const std::string& text) {
  return (text.size() == 2 || (text.size() == 3 && text[2] == '\\')) &&
         std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
}

// The request, or a reason in error.
std::optional<Request> Parse(const std::vector<std::string>& args, std::string& error) {
  Request request;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      request.json = true;
    } else if (args[i] == "--drive") {
      if (i + 1 >= args.size() || !IsDrive(args[i + 1])) {
        error = "--drive needs a drive letter and a colon, such as C:";
        return std::nullopt;
      }
      request.drive = args[++i].substr(0, 2);
    } else if (args[i] == "--output") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "--output needs the name of the file to write the report to";
        return std::nullopt;
      }
      request.output_file = args[++i];
    } else if (args[i] == "--folder") {
      if (i + 1 >= args.size() || args[i + 1].size() < 4 || !IsDrive(args[i + 1].substr(0, 3))) {
        error = "--folder needs a full path below a drive, such as C:\\Users";
        return std::nullopt;
      }
      request.drive = args[++i];
    } else if (args[i].starts_with("--")) {
      error = "unknown option " + args[i];
      return std::nullopt;
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.size() != 2 || (words[0] != "check" && words[0] != "repair")) {
    error = "expected a command (check or repair) and a category";
    return std::nullopt;
  }
  request.repair = words[0] == "repair";
  for (const auto& named : cleaner::kCategories) {
    if (words[1] == "all" || words[1] == named.command_name) request.categories.push_back(named);
  }
  if (request.categories.empty()) {
    error = "unknown category \"" + words[1] + "\"; the categories are" + CategoryNames() + " and all";
    return std::nullopt;
  }
  return request;
}

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

struct CategoryRun {
  NamedCategory named;
  cleaner::ScanResult scan;
  std::optional<cleaner::RepairOutcome> repair;
};

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

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const Services& services, Output& output) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "/?")) {
    output.out += std::string(kUsage) + "Categories:" + CategoryNames() +
                  "\ncheck lists what a repair would remove and removes nothing; repair backs "
                  "the entries up first and says where the backup is. --output writes the report "
                  "into a file, whole or not at all.\nExit status: 0 nothing found, 1 entries "
                  "found or repaired, 2 a usage or system error, a drive or folder that cannot be "
                  "read, another repair running, or a report that could not be written.\n";
    return kNothingFound;
  }
  if (args.size() == 1 && args[0] == "--version") {
    output.out += "quillbox-cli " + std::to_string(QB_VERSION_MAJOR) + "." +
                  std::to_string(QB_VERSION_MINOR) + "." + std::to_string(QB_VERSION_REVISION) + "\n";
    return kNothingFound;
  }
  std::string error;
  std::optional<Request> request = Parse(args, error);
  if (!request) {
    output.err += "quillbox-cli: " + error + "\n" + std::string(kUsage);
    return kFailed;
  }
  if (request->drive.empty()) request->drive = services.environment.WindowsFolder().substr(0, 2);
  // Held to the end of the last category: no other repair runs meanwhile.
  std::unique_ptr<HeldLock> lock;
  if (request->repair && !(lock = services.locks.Take(cleaner::kRepairLockName, 0))) {
    output.err += "quillbox-cli: another repair is running on this computer (in the System Health "
                  "window or another quillbox-cli); nothing was done. Try again once it has finished.\n";
    return kFailed;
  }

  std::vector<CategoryRun> runs;
  bool found = false;
  bool failed = false;
  for (const auto& named : request->categories) {
    const registry::RegistryRoutines routines(services.registry, services.environment);
    cleaner::PresenceTest presence(services.files, services.environment.WindowsFolder());
    cleaner::Progress progress;
    cleaner::EventPacer pacer(services.clock, {});
    cleaner::ScanContext context{services.registry, services.environment, routines, presence,
                                 progress, pacer, &services.files, &services.shortcuts,
                                 request->drive, {}, cleaner::BackupFolders(services)};
    CategoryRun run{named, named.category->scan(context), std::nullopt};
    if (run.scan.search_failed != status::kOk) {
      // Nothing was searched: a count of none would claim a clean drive.
      output.err += "quillbox-cli: " + std::string(named.category->name) + ": " +
                    (request->drive.size() > 3 ? "the folder " : "the drive ") + request->drive +
                    " cannot be read: " + services.environment.ErrorText(run.scan.search_failed) +
                    "; nothing was searched.\n";
      failed = true;
      continue;
    }
    found = found || !run.scan.removals.empty();
    if (request->repair) {
      run.repair = cleaner::Repair(services, *named.category, run.scan.removals, progress, pacer);
      if (!run.scan.removals.empty() && !run.repair->error.empty()) {
        output.err += "quillbox-cli: " + std::string(named.category->name) +
                      ": nothing was removed, because the entries could not be backed up first: " +
                      run.repair->error + "\n";
        failed = true;
      }
    }
    if (!request->json) AppendText(run, output.out);
    runs.push_back(std::move(run));
  }
  if (request->json) AppendJson(runs, request->repair, output.out);
  if (!request->output_file.empty()) {
    const std::vector<uint8_t> bytes(output.out.begin(), output.out.end());
    output.out.clear();
    // Written beside and renamed into place: a full disk leaves no cut report behind.
    if (const Status written = customise::ReplaceFile(services.files, request->output_file, bytes);
        written != status::kOk) {
      return ReportNotWritten(request->output_file, services.environment.ErrorText(written), output);
    }
  }
  return failed ? kFailed : found ? kFound : kNothingFound;
}

int ReportNotWritten(std::string_view where, std::string_view reason, Output& output) {
  output.err += "quillbox-cli: the report could not be written to " + std::string(where) + ": " +
                std::string(reason) + ".\n";
  return kFailed;
}

}  // namespace qb::cli
