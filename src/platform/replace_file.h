#pragma once
// Writing a file so that a failure part way never leaves half of it: the new content goes
// to a temporary file beside it, which then takes the file's place in one rename. A file
// the user marked read-only is never replaced, and a folder of that name is never touched.
// The file system's write reaches the disk before it returns and its rename is written
// through, so after a crash the file holds either its old content or the new, whole.
// Every file the program writes whole goes through here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qb {

// The new content of one file, written beside it and waiting to take its place; removed
// again when it is dropped without Commit.
class Replacement {
 public:
  Replacement(FileSystem& files, std::string path);
  ~Replacement();
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;

  // Checks that the file may be replaced (CheckReplaceable) and writes bytes beside it;
  // the file itself is untouched.
  Status Write(const std::vector<uint8_t>& bytes);
  // The written bytes take the file's place. attributes: the file's attributes afterwards;
  // nothing keeps those of the file replaced (archive for a new file). When the rename
  // fails the old file is left exactly as it was, attributes included.
  Status Commit(std::optional<uint32_t> attributes = std::nullopt);
  // The written bytes take the name only where nothing has it yet (kFileExists otherwise).
  Status CommitNew();

  // Where the bytes wait, for a caller that reads them back before committing.
  const std::string& TemporaryPath() const { return temporary_; }

 private:
  FileSystem& files_;
  std::string path_;
  std::string temporary_;
  bool pending_ = false;
};

// Whether a file may be replaced: kOk for a plain file or none, kDirectory for a folder of
// that name, kFileReadOnly for a read-only file.
Status CheckReplaceable(FileSystem& files, std::string_view path);

// Write and Commit at once.
Status ReplaceWholeFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes,
                   std::optional<uint32_t> attributes = std::nullopt);

// Creates the file at path with bytes; an existing file is never touched (kFileExists).
Status CreateNewFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes);

// The name of the temporary file used for path.
std::string TemporaryFileFor(std::string_view path);
bool IsTemporaryFile(std::string_view path);

}  // namespace qb
