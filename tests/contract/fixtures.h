#pragma once
// What the shared contract suites need from the machine they run against: the in-memory
// machine in the native test program, the real system in the Windows one. Each side
// implements these once (tests/platform/memory_fixtures.cpp, tests/win32/win32_fixtures.cpp).
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"

namespace qb::contract {

std::unique_ptr<Registry> MakeRegistryUnderTest();

// True when the suites run on Wine, whose behaviour differs from Windows in a few marked
// places; false for the memory machine and for Windows itself.
bool RunningOnWine();

// A scratch folder of INI files for one test, removed with everything in it afterwards.
class ProfileFixture {
 public:
  virtual ~ProfileFixture() = default;
  virtual ProfileStore& Store() = 0;
  // The full path of a new file name in the scratch folder holding text (UTF-8 here; a real
  // file is written in the system's Unicode INI form so that any script survives).
  virtual std::string NewFile(std::string_view name, std::string_view text) = 0;
  // The full path of name in the scratch folder, where no file exists yet.
  virtual std::string PathOf(std::string_view name) = 0;
  // The file's whole text as it now stands, or nothing when there is no file.
  virtual std::optional<std::string> ReadText(std::string_view path) = 0;
};

std::unique_ptr<ProfileFixture> MakeProfileFixture();

// A scratch folder on one machine's file system for one test, removed with everything in it
// afterwards (read-only and hidden entries included).
class FileSystemFixture {
 public:
  virtual ~FileSystemFixture() = default;
  virtual FileSystem& Files() = 0;
  // The folder's full path, without a trailing separator; it exists and is empty.
  virtual const std::string& Folder() const = 0;
};

std::unique_ptr<FileSystemFixture> MakeFileSystemFixture();

// The environment of one machine, with that machine's files to check the folders it names.
class EnvironmentFixture {
 public:
  virtual ~EnvironmentFixture() = default;
  virtual Environment& Service() = 0;
  virtual FileSystem& Files() = 0;
};

std::unique_ptr<EnvironmentFixture> MakeEnvironmentFixture();

// Shortcut files in a scratch folder of one machine.
class ShortcutFixture {
 public:
  virtual ~ShortcutFixture() = default;
  virtual Shortcuts& Service() = 0;
  // The same machine's error texts, which the shortcut errors must agree with.
  virtual Environment& Texts() = 0;
  // The full path of name in the scratch folder (which exists).
  virtual std::string PathOf(std::string_view name) = 0;
  // A file of that name holding these bytes instead of a shortcut; its full path.
  virtual std::string NotAShortcut(std::string_view name, std::string_view bytes) = 0;
};

std::unique_ptr<ShortcutFixture> MakeShortcutFixture();

}  // namespace qb::contract
