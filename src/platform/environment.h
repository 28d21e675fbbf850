#pragma once
#include <string>
#include <string_view>

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
};

}  // namespace qb
