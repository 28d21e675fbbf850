#pragma once
// Whether a file named in the registry still exists. A file that exists is present
// whatever its attributes; a folder is not a file. Only a missing file on a drive that can
// answer for it is reported missing: a relative path, a network path, a path on a drive
// that is not a fixed disk or holds no medium, and a lookup that fails for any other
// reason cannot be confirmed missing, so the entry that names it stays.
#include <map>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qb::cleaner {

enum class Presence { Present, Missing, Unknown };

// What an existing path must be to count as present: a file (a registered program, a
// history entry), or either a file or a folder (a shortcut's target, a shared component).
enum class Wanted { File, FileOrFolder };

class PresenceTest {
 public:
  // windows_folder lets a path in the system folder be looked up in its 32-bit and 64-bit
  // forms, which a 32-bit program on a 64-bit machine sees in different places.
  PresenceTest(FileSystem& files, std::string windows_folder);

  // A plain path is one attribute query; a path whose last element holds "*" or "?" is
  // listed, and any file it matches makes it present.
  Presence Test(std::string_view path, Wanted wanted = Wanted::File);
  // For a registered program that may carry arguments: the whole path, and when that is
  // missing each program part before a blank (ProgramCandidates).
  Presence TestProgram(std::string_view command);

 private:
  Presence TestOnce(std::string_view path, Wanted wanted);
  bool DriveCanAnswer(std::string_view path);

  FileSystem& files_;
  std::string system_folder_;             // "<windows>\System32\"
  std::map<char, bool> drive_answers_;    // by upper-case drive letter, for this test's life
};

}  // namespace qb::cleaner
