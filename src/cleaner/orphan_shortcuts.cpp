#include "cleaner/orphan_shortcuts.h"

#include <cctype>

#include "cleaner/backup_run.h"
#include "cleaner/path_text.h"
#include "platform/text.h"

namespace qb::cleaner {

namespace {

std::string Join(const std::string& folder, std::string_view name) {
  return folder.back() == '\\' ? folder + std::string(name) : folder + "\\" + std::string(name);
}

bool WalkInto(const FileEntry& entry) {
  // A junction or link leads into a tree that is walked elsewhere, or round in a loop.
  return (entry.attributes & fileattr::kDirectory) && !(entry.attributes & fileattr::kReparsePoint);
}

enum class Target { Missing, Stays, Unreadable };

// The shortcut's file target, trimmed and with its quotes made blanks; what is judged.
Target Judge(ScanContext& context, const std::string& shortcut, std::string& target) {
  const ShortcutTarget read = context.shortcuts->ReadTarget(shortcut);
  if (read.error != 0) return Target::Unreadable;
  target = QuotesToBlanks(text::TrimBlanks(read.path));
  // No file target (a web address, a shell item), or one the installer answers for: nothing
  // to find missing.
  if (text::TrimBlanks(target).empty() || read.advertised) return Target::Stays;
  return context.presence.Test(target, Wanted::FileOrFolder) == Presence::Missing ? Target::Missing
                                                                                   : Target::Stays;
}

// Each shortcut of a folder is judged once the folder's subfolders are done, in the walk's
// order, while the folder is fresh in the file system's caches: reading every target only
// after the whole walk was a tenth to a fifth slower under Wine.
void JudgeShortcut(ScanContext& context, const std::string& shortcut, ScanResult& result) {
  result.lists[0].push_back(shortcut);
  std::string target;
  switch (Judge(context, shortcut, target)) {
    case Target::Missing:
      result.lists[1].push_back(shortcut);
      result.removals.push_back({.file = shortcut});
      result.tested.push_back(target);
      break;
    case Target::Unreadable: ++result.unreadable; break;
    case Target::Stays: break;
  }
}

struct Folder {
  std::string path;
  std::vector<FileEntry> entries;
  size_t next = 0;  // the next entry to look at for a subfolder
};

// Depth first, with a stack of its own: a tree of any depth cannot exhaust the thread's.
void JudgeShortcutsIn(ScanContext& context, const std::string& root, ScanResult& result) {
  std::vector<Folder> open;
  const auto enter = [&](std::string path) {
    if (!context.pacer.Tick()) return false;
    // The backups hold copies of orphans: they are the way back, not more orphans.
    for (const auto& kept : context.keep_out) {
      if (EqualsIgnoringCase(kept, path)) return false;
    }
    if (context.status) context.status(path);
    std::vector<FileEntry> entries;
    const Status listed = context.files->FindFiles(Join(path, "*"), entries);
    if (listed != status::kOk && listed != status::kFileNotFound) {
      // Only the drive or folder searched is entered with nothing open.
      if (open.empty()) {
        result.search_failed = listed;
      } else {
        result.skipped_folders.push_back(std::move(path));
      }
      return false;
    }
    // A backup, of this run or another, of this copy of the program or another.
    if (HoldsBackupMarker(entries)) return false;
    open.push_back({std::move(path), std::move(entries)});
    return true;
  };
  enter(root);
  while (!open.empty() && !context.pacer.Closing()) {
    Folder& folder = open.back();
    bool entered = false;
    while (!entered && folder.next < folder.entries.size()) {
      const FileEntry& entry = folder.entries[folder.next++];
      if (WalkInto(entry)) entered = enter(Join(folder.path, entry.name));
    }
    if (entered) continue;
    for (const auto& entry : folder.entries) {
      if (!(entry.attributes & fileattr::kDirectory) && IsShortcutName(entry.name)) {
        if (!context.pacer.Tick()) return;
        JudgeShortcut(context, Join(folder.path, entry.name), result);
      }
    }
    open.pop_back();
  }
}

}  // namespace

bool IsShortcutName(std::string_view name) {
  return name.size() >= 3 && EqualsIgnoringCase(name.substr(name.size() - 3), "lnk");
}

ScanResult ScanOrphanShortcuts(ScanContext& context) {
  ScanResult result;
  if (!context.files || !context.shortcuts || context.drive.size() < 2) return result;
  // A drive ("c:") is searched from its root; a longer path names the folder to search.
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(context.drive[0])));
  const std::string root = context.drive.size() > 3 ? context.drive : std::string{letter, ':', '\\'};
  JudgeShortcutsIn(context, root, result);
  if (context.status) context.status(context.wait_text);
  return result;
}

bool ShortcutStillOrphan(ScanContext& context, const Removal& removal) {
  std::string target;
  return context.shortcuts && Judge(context, removal.file, target) == Target::Missing;
}

}  // namespace qb::cleaner
