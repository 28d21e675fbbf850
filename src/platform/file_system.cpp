#include "platform/file_system.h"

namespace qb {

namespace {

class AppendFileByFile : public FileAppender {
 public:
  AppendFileByFile(FileSystem& files, std::string_view path) : files_(files), path_(path) {}
  Status Append(const std::vector<uint8_t>& bytes) override { return files_.AppendFile(path_, bytes); }

 private:
  FileSystem& files_;
  std::string path_;
};

}  // namespace

std::unique_ptr<FileAppender> FileSystem::OpenAppender(std::string_view path, Status& status) {
  status = AppendFile(path, {});
  if (status != status::kOk) return nullptr;
  return std::make_unique<AppendFileByFile>(*this, path);
}

}  // namespace qb
