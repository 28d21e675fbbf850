#pragma once
// The entries a user always keeps: the cleaner never offers them again. They are stored per
// user in a plain text file beside the program's other per-user files, one entry a line, so
// an administrator can ship one:
//   HKEY_CURRENT_USER\Software\Maker\Tool            a registry key (and its own values)
//   HKEY_CURRENT_USER\Software\Maker\Tool [Recent]   one value of a key ("[]" the default)
//   C:\Users\Public\Desktop\Old.lnk                  a file, or a folder and all below it
// Blank lines and lines starting with ';' or '#' are comments. Letter case never matters,
// as it does not for the system. A line that names nothing the cleaner removes is kept in
// the file as written and plays no part.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kExclusionsFileName = "Exclusions.txt";

class Exclusions {
 public:
  // Reads the text of a file (UTF-8 with or without a mark, or UTF-16LE with its mark).
  static Exclusions FromBytes(const std::vector<uint8_t>& bytes);
  std::vector<uint8_t> ToBytes() const;

  // The entries as the user wrote them, without comments and repeats, in file order.
  const std::vector<std::string>& Entries() const { return entries_; }
  // False when the entry is there already (in any letter case) or is empty.
  bool Add(std::string_view entry);
  bool Remove(std::string_view entry);

  bool Keeps(const Removal& removal) const;

 private:
  void Index(const std::string& entry);
  void Reindex();

  std::vector<std::string> entries_;
  std::unordered_set<std::string> folded_;  // every entry, folded: for repeats
  std::unordered_set<std::string> keys_;    // "hkey_...\path"
  std::unordered_set<std::string> values_;  // "hkey_...\path\n" + value name
  std::unordered_set<std::string> paths_;   // "c:\folder\file"
};

// Whether an entry can keep anything: a key under a root named long ("HKEY_LOCAL_MACHINE")
// or short ("HKLM"), or a full path.
bool NamesWhatTheCleanerRemoves(std::string_view entry);

// The line an entry is written as: a key, a key and value, or a file.
std::string ExclusionEntry(const Removal& removal);

// Moves the removals the exclusions keep from scan.removals to scan.excluded (tested in
// step); what stays is what a repair may take.
void SetAsideExcluded(const Exclusions& exclusions, ScanResult& scan);

// The file in the user's local application data, and reading and writing it whole. A file
// that is missing reads as no exclusions; one that cannot be read as well, with the reason
// in *failed when asked for.
std::string ExclusionsPath(Environment& environment);
Exclusions LoadExclusions(FileSystem& files, Environment& environment, Status* failed = nullptr);
Status SaveExclusions(FileSystem& files, Environment& environment, const Exclusions& exclusions);

}  // namespace qb::cleaner
