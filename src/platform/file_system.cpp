#include "platform/file_system.h"

namespace qb {

namespace {

// Each append opens the file anew: right for a service with no handle worth keeping.
class AppendEachTime final : public FileAppender {
 public:
  AppendEachTime(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  Status Append(const std::vector<uint8_t>& bytes) override { return files_.AppendFile(path_, bytes); }

 private:
  FileSystem& files_;
  std::string path_;
};

}  // namespace

std::unique_ptr<FileAppender> FileSystem::OpenAppender(std::string_view path) {
  return std::make_unique<AppendEachTime>(*this, std::string(path));
}

}  // namespace qb
