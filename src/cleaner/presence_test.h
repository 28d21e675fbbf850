#pragma once
// Whether a file named in the registry still exists. A file that exists is present
// whatever its attributes; a folder is not a file. Only a missing file on a drive that can
// answer for it is reported missing: a relative path, a network path, a path on a drive
// that is not a fixed disk or holds no medium, a path under a folder that holds such a
// volume or links to a place that cannot be reached (a disk mounted in a folder and
// detached), and a lookup that fails for any other reason cannot be confirmed missing, so
// the entry that names it stays.
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/environment.h"
#include "platform/file_system.h"

namespace qb::cleaner {

enum class Presence { Present, Missing, Unknown };

// What an existing path must be to count as present: a file (a registered program, a
// history entry), or either a file or a folder (a shortcut's target, a shared component).
enum class Wanted { File, FileOrFolder };

class PresenceTest {
 public:
  // A 64-bit machine shows the system folder and the programs folder to 32-bit programs
  // under other names ("SysWOW64", "Program Files (x86)"), and rewrites the paths that such
  // a program reads from shortcuts and expands from the registry the same way. A path
  // missing in one form is looked up in the others and is missing only when all of them are.
  PresenceTest(FileSystem& files, Environment& environment);
  // program_folders: every form of the programs folder, e.g. "C:\Program Files" and
  // "C:\Program Files (x86)".
  PresenceTest(FileSystem& files, std::string windows_folder, std::vector<std::string> program_folders = {});

  // A plain path is one attribute query; a path whose last element holds "*" or "?" is
  // listed, and any file it matches makes it present.
  Presence Test(std::string_view path, Wanted wanted = Wanted::File);
  // For a registered program that may carry arguments: the whole path, and when that is
  // missing each program part before a blank (ProgramCandidates).
  Presence TestProgram(std::string_view command);

 private:
  Presence TestOnce(std::string_view path, Wanted wanted);
  bool DriveCanAnswer(std::string_view path);
  bool FoldersCanAnswer(std::string_view path);
  bool WalkFolders(std::string_view folder);

  FileSystem& files_;
  // Each group holds the forms of one place, each ending in a separator.
  std::vector<std::vector<std::string>> twin_folders_;
  std::map<char, bool> drive_answers_;    // by upper-case drive letter, for this test's life
  // By the folder a missing path is in, lower-cased in ASCII only: a name that differs in
  // the case of other letters is walked once more, never answered wrongly.
  std::unordered_map<std::string, bool> folder_answers_;
};

}  // namespace qb::cleaner
