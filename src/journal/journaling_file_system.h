#pragma once
// A file system that journals each file it changes (bytes and attributes before and after)
// and passes the call on. A file deleted right after it was copied into the program's own
// folders (the cleaner's backup) is recorded with its bytes held in that copy instead, and
// large contents are kept as copies beside the journal. The journal itself must be written
// through the inner service, or every record would record its own writing.
#include <optional>

#include "journal/held_copies.h"
#include "journal/journal.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace qb::journal {

ItemState FileStateOf(FileSystem& files, std::string_view path);
// What a change of attributes changes: a file's state as above, or a folder's own attributes
// (the read-only mark of a customised folder), kept with the directory flag and no bytes.
ItemState AttributesStateOf(FileSystem& files, std::string_view path);
bool IsFolderState(const ItemState& state);

class JournalingFileSystem : public FileSystem {
 public:
  JournalingFileSystem(FileSystem& inner, Journal& journal, Clock& clock)
      : inner_(inner), journal_(journal), clock_(clock), held_folder_(HeldCopiesFolder(journal.path())) {}

  void SetAction(uint64_t action) { action_ = action; }
  // A deletion whose record cannot be written is then not made, and the journal's failure
  // is returned for it, as the registry's removals are.
  void GuardRemovals(bool on) { guard_removals_ = on; }
  // Files below the folder are the program's own bookkeeping (the journal, the backups):
  // changed unrecorded, and never taken away by an undo.
  void Exclude(std::string folder) { excluded_.push_back(std::move(folder) + "\\"); }
  // One file the program keeps for itself (its error log, only ever appended to).
  void ExcludeFile(std::string path) { excluded_files_.push_back(std::move(path)); }

  Status GetAttributes(std::string_view path, uint32_t& attributes) override {
    return inner_.GetAttributes(path, attributes);
  }
  Status SetAttributes(std::string_view path, uint32_t attributes) override;
  Status GetFacts(std::string_view path, FileFacts& facts) override { return inner_.GetFacts(path, facts); }
  Status FindFiles(std::string_view pattern, std::vector<FileEntry>& entries) override {
    return inner_.FindFiles(pattern, entries);
  }
  Status ReadFile(std::string_view path, std::vector<uint8_t>& bytes) override {
    return inner_.ReadFile(path, bytes);
  }
  Status WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) override;
  Status AppendFile(std::string_view path, const std::vector<uint8_t>& bytes) override;
  Status CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) override;
  Status DeleteFile(std::string_view path) override;
  Status MoveFile(std::string_view from, std::string_view to, bool replace_existing) override;
  Status CreateFolder(std::string_view path) override { return inner_.CreateFolder(path); }
  Status RemoveFolder(std::string_view path) override { return inner_.RemoveFolder(path); }
  std::vector<std::string> DriveRoots() override { return inner_.DriveRoots(); }
  DriveType GetDriveType(std::string_view root) override { return inner_.GetDriveType(root); }
  bool DriveReady(std::string_view root) override { return inner_.DriveReady(root); }
  Status DiskSpace(std::string_view root, uint64_t& total, uint64_t& free) override {
    return inner_.DiskSpace(root, total, free);
  }

 private:
  // Runs the change with the files' states recorded around it.
  using StateOf = ItemState (*)(FileSystem&, std::string_view);
  template <typename Change>
  Status Recorded(std::initializer_list<std::string_view> paths, Change change, StateOf state_of = &FileStateOf);
  bool Excluded(std::string_view path) const;
  // A record of the file as it is, for the current action.
  Record Before(std::string_view path, StateOf state_of = &FileStateOf);
  // The state of a file just copied into the program's own folders (a backup) and unchanged
  // since, with its bytes held in that copy; nothing when there is no such copy.
  std::optional<ItemState> HeldInCopy(std::string_view path);
  // Whether changes are recorded now: an action is set or a scope is open.
  bool Active() const;
  // The action set, else the open scope's, begun on first use.
  uint64_t ActionFor(const LocalTime& time);

  FileSystem& inner_;
  Journal& journal_;
  Clock& clock_;
  const std::string held_folder_;
  uint64_t action_ = 0;
  std::vector<std::string> excluded_;
  std::vector<std::string> excluded_files_;
  // The last file copied into an excluded folder, and where: the cleaner copies each file it
  // deletes into its backup first, and the journal then refers to that copy.
  std::string copied_from_;
  std::string copied_to_;
  bool guard_removals_ = false;
};

// Puts a file back into a journaled state: deleted when absent, otherwise rewritten with
// its bytes and attributes.
Status RestoreFile(FileSystem& files, const std::string& path, const ItemState& state);

}  // namespace qb::journal
