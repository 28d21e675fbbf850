#pragma once
#include <string>
#include <string_view>

#include "platform/status.h"

namespace qb {

class Environment {
 public:
  virtual ~Environment() = default;
  // The folder of the program file without a trailing separator.
  virtual std::string ApplicationFolder() = 0;
  // The current user's local application-data folder, without a trailing separator.
  virtual std::string LocalAppDataFolder() = 0;
  virtual std::string WindowsFolder() = 0;
  // %NAME% references replaced by the variables' values; unknown ones stay as written.
  virtual std::string ExpandVariables(std::string_view text) = 0;
  // The current user's Start Menu folder, without a trailing separator; empty when unknown.
  virtual std::string StartMenuFolder() = 0;
  // The system's text for one of its error codes, without a trailing line break or period.
  virtual std::string ErrorText(Status code) = 0;
};

}  // namespace qb
