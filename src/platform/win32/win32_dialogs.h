#pragma once
#include "platform/dialogs.h"

namespace qb::win32 {

class Win32Dialogs : public Dialogs {
 public:
  int ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                 unsigned style) override;
};

}  // namespace qb::win32
