#pragma once
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <vector>

#include "platform/shortcuts.h"
#include "platform/win32/scoped.h"

namespace qb::win32 {

// Shortcut files through the shell's own link object (IShellLinkW with IPersistFile).
class Win32Shortcuts : public Shortcuts {
 public:
  ShortcutTarget ReadTarget(std::string_view shortcut_path) override;
  Status Create(std::string_view shortcut_path, std::string_view target) override;

 private:
  // The link object of the thread that read first, kept for its later reads: starting the
  // shell's link object for every shortcut costs more than reading the shortcut, and a walk
  // reads thousands. Released before its apartment closes (members go in reverse order).
  struct Reader {
    ComApartment apartment;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    std::vector<wchar_t> target = std::vector<wchar_t>(32768, L'\0');
  };
  std::unique_ptr<Reader> reader_;
  DWORD reader_thread_ = 0;
};

}  // namespace qb::win32
