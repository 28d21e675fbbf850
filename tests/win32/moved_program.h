#pragma once
// The real machine's environment with the program's folder where the caller says: backups
// then land where a test or benchmark wants them.
#include <string>

#include "platform/win32/win32_environment.h"

namespace qb::test_support {

class MovedProgram : public win32::Win32Environment {
 public:
  explicit MovedProgram(std::string folder) : folder_(std::move(folder)) {}
  std::string ApplicationFolder() override { return folder_; }

 private:
  std::string folder_;
};

}  // namespace qb::test_support
