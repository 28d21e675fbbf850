#pragma once
// Pictures by path, as a test places them; every decode is recorded. A file on the
// in-memory disk whose header declares a picture beyond the bounds is refused first, as
// the real service refuses it.
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/images.h"

namespace qb {

class MemoryImages : public Images {
 public:
  explicit MemoryImages(FileSystem& files) : files_(files) {}
  Status Decode(std::string_view path, int max_side, Picture& picture) override;

  // Test controls. A path without a picture decodes as kFileNotFound.
  void AddPicture(std::string_view path, Picture picture);
  // A file that exists but is no picture the system can read.
  void AddUndecodable(std::string_view path);
  const std::vector<std::string>& Decoded() const { return decoded_; }

 private:
  // Paths compare as the file system compares them, without regard to case.
  struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  FileSystem& files_;
  std::map<std::string, Picture, NoCaseLess> pictures_;
  std::map<std::string, bool, NoCaseLess> undecodable_;
  std::vector<std::string> decoded_;
};

}  // namespace qb
