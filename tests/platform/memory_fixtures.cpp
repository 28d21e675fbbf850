// The contract suites run natively against the in-memory machine.
#include "contract/fixtures.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_services.h"
#include "platform/memory/memory_shortcuts.h"

namespace qb::contract {

std::unique_ptr<Registry> MakeRegistryUnderTest() { return std::make_unique<MemoryRegistry>(); }

bool RunningOnWine() { return false; }

namespace {

class MemoryProfileFixture : public ProfileFixture {
 public:
  ProfileStore& Store() override { return store_; }
  std::string NewFile(std::string_view name, std::string_view text) override {
    const auto path = PathOf(name);
    store_.SetFile(path, std::string(text));
    return path;
  }
  std::string PathOf(std::string_view name) override {
    return "C:\\QuillBoxTests\\" + std::string(name);
  }
  std::optional<std::string> ReadText(std::string_view path) override {
    const std::string* text = store_.File(path);
    return text ? std::optional<std::string>(*text) : std::nullopt;
  }

 private:
  MemoryProfileStore store_;
};

class MemoryFileSystemFixture : public FileSystemFixture {
 public:
  MemoryFileSystemFixture() { files_.AddFolder(folder_); }
  FileSystem& Files() override { return files_; }
  const std::string& Folder() const override { return folder_; }

 private:
  MemoryFileSystem files_;
  std::string folder_ = "C:\\Users\\user\\AppData\\Local\\Temp\\qb-files";
};

class MemoryEnvironmentFixture : public EnvironmentFixture {
 public:
  Environment& Service() override { return environment_; }
  FileSystem& Files() override { return files_; }

 private:
  MemoryEnvironment environment_;
  MemoryFileSystem files_;
};

class MemoryShortcutFixture : public ShortcutFixture {
 public:
  MemoryShortcutFixture() { files_.AddFolder(PathOf("")); }
  Shortcuts& Service() override { return shortcuts_; }
  Environment& Texts() override { return environment_; }
  std::string PathOf(std::string_view name) override {
    return "C:\\Users\\user\\Desktop\\" + std::string(name);
  }
  std::string NotAShortcut(std::string_view name, std::string_view bytes) override {
    const auto path = PathOf(name);
    files_.AddFile(path, fileattr::kArchive, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return path;
  }

 private:
  MemoryFileSystem files_;
  MemoryShortcuts shortcuts_{files_};
  MemoryEnvironment environment_;
};

}  // namespace

std::unique_ptr<ProfileFixture> MakeProfileFixture() {
  return std::make_unique<MemoryProfileFixture>();
}

std::unique_ptr<FileSystemFixture> MakeFileSystemFixture() {
  return std::make_unique<MemoryFileSystemFixture>();
}

std::unique_ptr<EnvironmentFixture> MakeEnvironmentFixture() {
  return std::make_unique<MemoryEnvironmentFixture>();
}

std::unique_ptr<ShortcutFixture> MakeShortcutFixture() {
  return std::make_unique<MemoryShortcutFixture>();
}

}  // namespace qb::contract
