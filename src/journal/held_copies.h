#pragma once
// Large file contents (a wallpaper's bitmap, a font) are kept out of the journal's records,
// as files in a folder beside the journal: a record stays small enough to be read back, and
// the journal's size bound is not spent on one picture. Each copy is named by its size and
// checksum, so the same bytes are kept once however many records name them (the picture one
// Apply leaves is the one the next Apply finds). A record names its copy with the checksum,
// which undo checks before it uses the bytes.
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal_record.h"
#include "platform/file_system.h"

namespace qb::journal {

inline constexpr size_t kHeldFromBytes = size_t{256} << 10;

std::string HeldCopiesFolder(std::string_view journal_path);

// The state with its bytes moved into a copy in the folder when they are kHeldFromBytes or
// more; the state unchanged when the copy cannot be written (the record then carries them).
ItemState HoldLarge(FileSystem& files, const std::string& folder, ItemState state);

// The copies in the folder that the records name, by path in lower case, with their sizes.
struct NamedCopy {
  std::string path;
  uint64_t size = 0;
};
std::vector<NamedCopy> CopiesNamed(const std::string& folder, const Record& record);

// Deletes every file in the folder that none of the records names.
void RemoveUnnamedCopies(FileSystem& files, const std::string& folder, const std::vector<Record>& records);

}  // namespace qb::journal
