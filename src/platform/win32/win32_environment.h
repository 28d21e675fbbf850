#pragma once
#include "platform/environment.h"

namespace qb::win32 {

class Win32Environment : public Environment {
 public:
  std::string ApplicationFolder() override;
  std::string LocalAppDataFolder() override;
  std::string WindowsFolder() override;
  std::string ExpandVariables(std::string_view text) override;
  std::string StartMenuFolder() override;
  std::string ErrorText(Status code) override;
};

}  // namespace qb::win32
