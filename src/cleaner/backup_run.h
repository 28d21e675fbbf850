#pragma once
// The folder in which one repair keeps a copy of every file it deletes: each file under its
// full original path ("C:\a\b.lnk" as "<run folder>\C\a\b.lnk"), with its attributes, so
// that copying it back restores it. The folder is made on the first copy, in "Backups"
// beside the program, or in the user's local application data when the program's folder
// cannot take a copy (read-only, full); a run can move there halfway. Each run folder holds
// a marker file naming the run, which says "incomplete" until the run ends and rewrites it:
// a run that was killed is recognisable as such. Any folder holding a marker, whichever
// copy of the program wrote it and wherever it was moved, is a backup and never cleaned.
// A folder that ends up holding no copy is removed again, with the folders made for it.
#include <string>
#include <string_view>
#include <vector>

#include "language/wording.h"
#include "platform/services.h"

namespace qb::cleaner {

inline constexpr std::string_view kBackupMarkerName = "QuillBox backup.txt";

// Whether a folder's listing holds a backup marker.
bool HoldsBackupMarker(const std::vector<FileEntry>& entries);

// "2026-01-02 03.04.05 Orphan shortcuts"
std::string BackupFolderName(const LocalTime& time, std::string_view category);

class BackupRun {
 public:
  enum class Keep { Kept, Changed, NoPlace };

  // say words the reason when no place can be opened.
  BackupRun(const Services& services, std::string_view category,
            language::Wording say = language::InEnglish);
  BackupRun(const BackupRun&) = delete;
  BackupRun& operator=(const BackupRun&) = delete;
  ~BackupRun() { Finish(); }

  // Copies the file, which had these facts just now, into the run and checks that the copy
  // is whole and of that version (its size, write time and attributes). Changed when the file
  // no longer has these facts; NoPlace when neither place could take the copy. copy receives
  // the copy's path.
  Keep Copy(const std::string& file, const FileFacts& facts, std::string& copy);
  // The copy stays: its file is gone.
  void Kept() { ++places_[place_].kept; }
  // The copy goes again: its file stayed.
  void Drop(const std::string& copy);
  // Marks every folder that holds copies complete and removes those that hold none.
  void Finish();

  // No place could even be opened; why, in Error.
  bool Nowhere() const;
  const std::string& Error() const { return error_; }
  // The folders that hold copies, in the order they were used.
  std::vector<std::string> Folders() const;
  // Whether the last folder that holds copies is in the local application data.
  bool InLocalData() const;

 private:
  struct Place {
    std::string base;
    std::string run;
    std::vector<std::string> made;  // folders made for the run, outermost first
    std::string last_folder;        // the folder of the last copy, known to exist
    bool opened = false;
    bool failed = false;
    size_t kept = 0;
  };
  bool Open(Place& place);
  bool CopyInto(Place& place, const std::string& file, const FileFacts& facts, const std::string& copy);
  void DropFrom(const Place& place, const std::string& copy);
  static std::string MarkerPath(const Place& place);
  // Takes the marker away again and removes the folders made for the run, while empty.
  void Close(Place& place);

  FileSystem& files_;
  language::Wording say_;
  std::string name_;
  std::vector<Place> places_;
  size_t place_ = 0;
  std::string error_;
  bool finished_ = false;
};

}  // namespace qb::cleaner
