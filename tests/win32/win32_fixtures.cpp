// The contract suites run under Windows (or Wine) against the real registry and real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "contract/fixtures.h"
#include "platform/text.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shortcuts.h"

namespace qb::contract {

using win32::Narrow;
using win32::Wide;

std::unique_ptr<Registry> MakeRegistryUnderTest() {
  return std::make_unique<win32::Win32Registry>();
}

bool RunningOnWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

namespace {

std::string TempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  std::string folder = Narrow(std::wstring_view(path, length));
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  win32::ScopedFile file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                           nullptr) && written == bytes.size();
}

std::optional<std::vector<uint8_t>> ReadBytes(const std::string& path) {
  win32::ScopedFile file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(GetFileSize(file.Get(), nullptr));
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read,
                                  nullptr)) {
    return std::nullopt;
  }
  bytes.resize(read);
  return bytes;
}

// The three forms the system's profile functions read: UTF-16LE with its mark, UTF-8 with
// its mark, and the ANSI code page.
std::string DecodeIni(const std::vector<uint8_t>& bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return text::Utf16ToUtf8(units);
  }
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    return std::string(bytes.begin() + 3, bytes.end());
  }
  const auto* ansi = reinterpret_cast<const char*>(bytes.data());
  const int chars = MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(chars, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(bytes.size()), wide.data(), chars);
  return Narrow(wide);
}

class Win32ProfileFixture : public ProfileFixture {
 public:
  Win32ProfileFixture()
      : folder_(TempFolder() + "\\qb-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount64())) {
    CreateDirectoryW(Wide(folder_).c_str(), nullptr);
  }
  ~Win32ProfileFixture() override {
    // The system caches the last profile it read; flushing it lets the folder go.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr);
    WIN32_FIND_DATAW found;
    win32::ScopedFind find(FindFirstFileW(Wide(folder_ + "\\*").c_str(), &found));
    if (find) {
      do {
        DeleteFileW(Wide(folder_ + "\\" + Narrow(found.cFileName)).c_str());
      } while (FindNextFileW(find.Get(), &found));
    }
    find.Reset();
    RemoveDirectoryW(Wide(folder_).c_str());
  }

  ProfileStore& Store() override { return store_; }

  std::string NewFile(std::string_view name, std::string_view text) override {
    const auto path = PathOf(name);
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (char16_t unit : text::Utf8ToUtf16(text)) {
      bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
      bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    if (!WriteBytes(path, bytes)) ADD_FAILURE() << "cannot write " << path;
    return path;
  }

  std::string PathOf(std::string_view name) override { return folder_ + "\\" + std::string(name); }

  std::optional<std::string> ReadText(std::string_view path) override {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr);  // flush cached writes
    const auto bytes = ReadBytes(std::string(path));
    return bytes ? std::optional<std::string>(DecodeIni(*bytes)) : std::nullopt;
  }

 private:
  std::string folder_;
  win32::Win32ProfileStore store_;
};

// A new folder under the temporary folder, removed with its whole tree on destruction.
class ScratchFolder {
 public:
  explicit ScratchFolder(FileSystem& files, std::string_view kind)
      : files_(files),
        path_(TempFolder() + "\\qb-" + std::string(kind) + "-" +
              std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64())) {
    if (files_.CreateFolder(path_) != status::kOk) ADD_FAILURE() << "cannot create " << path_;
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() { RemoveTree(path_); }
  const std::string& Path() const { return path_; }

 private:
  void RemoveTree(const std::string& folder) {
    std::vector<FileEntry> entries;
    files_.FindFiles(folder + "\\*", entries);
    for (const auto& entry : entries) {
      const std::string path = folder + "\\" + entry.name;
      files_.SetAttributes(path, fileattr::kNormal);
      if (entry.attributes & fileattr::kDirectory) {
        RemoveTree(path);
      } else {
        files_.DeleteFile(path);
      }
    }
    files_.SetAttributes(folder, fileattr::kNormal);
    if (files_.RemoveFolder(folder) != status::kOk) ADD_FAILURE() << "left behind: " << folder;
  }

  FileSystem& files_;
  std::string path_;
};

class Win32FileSystemFixture : public FileSystemFixture {
 public:
  FileSystem& Files() override { return files_; }
  const std::string& Folder() const override { return scratch_.Path(); }

 private:
  win32::Win32FileSystem files_;
  ScratchFolder scratch_{files_, "files"};
};

class Win32EnvironmentFixture : public EnvironmentFixture {
 public:
  Environment& Service() override { return environment_; }
  FileSystem& Files() override { return files_; }

 private:
  win32::Win32Environment environment_;
  win32::Win32FileSystem files_;
};

class Win32ShortcutFixture : public ShortcutFixture {
 public:
  Shortcuts& Service() override { return shortcuts_; }
  Environment& Texts() override { return environment_; }
  std::string PathOf(std::string_view name) override {
    return scratch_.Path() + "\\" + std::string(name);
  }
  std::string NotAShortcut(std::string_view name, std::string_view bytes) override {
    const auto path = PathOf(name);
    if (files_.WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())) != status::kOk) {
      ADD_FAILURE() << "cannot write " << path;
    }
    return path;
  }

 private:
  win32::Win32Shortcuts shortcuts_;
  win32::Win32Environment environment_;
  win32::Win32FileSystem files_;
  ScratchFolder scratch_{files_, "shortcuts"};
};

}  // namespace

std::unique_ptr<ProfileFixture> MakeProfileFixture() {
  return std::make_unique<Win32ProfileFixture>();
}

std::unique_ptr<FileSystemFixture> MakeFileSystemFixture() {
  return std::make_unique<Win32FileSystemFixture>();
}

std::unique_ptr<EnvironmentFixture> MakeEnvironmentFixture() {
  return std::make_unique<Win32EnvironmentFixture>();
}

std::unique_ptr<ShortcutFixture> MakeShortcutFixture() {
  return std::make_unique<Win32ShortcutFixture>();
}

}  // namespace qb::contract
