#pragma once
// What the shared contract suites need from the machine they run against: the in-memory
// machine in the native test program, the real system in the Windows one. Each side
// implements these once (tests/platform/memory_fixtures.cpp, tests/win32/win32_fixtures.cpp).
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/display_modes.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/fonts.h"
#include "platform/processes.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"
#include "platform/system_colours.h"
#include "platform/system_information.h"
#include "platform/system_parameters.h"

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

// The machine-wide services: processes, system parameters and colours, the display, fonts,
// message boxes and what the machine says of itself. A suite sets back what it changes.
class SystemFixture {
 public:
  virtual ~SystemFixture() = default;
  virtual Processes& ProcessList() = 0;
  virtual SystemParameters& Parameters() = 0;
  virtual SystemInformation& Information() = 0;
  virtual DisplayModes& Display() = 0;
  virtual SystemColours& Colours() = 0;
  virtual Fonts& FontList() = 0;
  virtual Dialogs& Boxes() = 0;
  // A process of the suite's own that does nothing until it is ended; its id.
  virtual uint32_t StartIdleProcess() = 0;
  // A file holding bytes in a scratch folder of the machine; its full path.
  virtual std::string ScratchFile(std::string_view name, std::string_view bytes) = 0;
};

std::unique_ptr<SystemFixture> MakeSystemFixture();

}  // namespace qb::contract
