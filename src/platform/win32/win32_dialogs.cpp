#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace qb::win32 {

int Win32Dialogs::ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                             unsigned style) {
  return MessageBoxW(reinterpret_cast<HWND>(owner), Wide(text).c_str(),
                     Wide(title.empty() ? kDefaultMessageTitle : title).c_str(), style);
}

}  // namespace qb::win32
