#pragma once
#include "platform/dialogs.h"

namespace qb::win32 {

class Win32Dialogs : public Dialogs {
 public:
  int ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                 unsigned style) override;
  int ShowTimedMessage(WindowHandle owner, std::string_view text, std::string_view title,
                       unsigned style, unsigned timeout_ms) override;
  bool ChooseOpenFile(WindowHandle owner, const FileChoice& choice, std::string& path) override;
  bool ChooseSaveFile(WindowHandle owner, const FileChoice& choice, std::string& path) override;
  bool ChooseFolder(WindowHandle owner, std::string_view title, std::string& path) override;
  bool ChooseColour(WindowHandle owner, uint32_t& colour) override;
};

}  // namespace qb::win32
