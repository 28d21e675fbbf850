#pragma once
#include <cstdint>
#include <string>

namespace qb {

using WindowHandle = uintptr_t;  // a window's handle as a plain number; 0 for none

namespace showmode {
constexpr int kHide = 0;
constexpr int kNormal = 1;
constexpr int kMinimized = 2;  // minimised, with the focus
constexpr int kMaximized = 3;
}  // namespace showmode

struct ShellRequest {
  WindowHandle owner = 0;
  std::string verb;  // empty: the default verb for the file's type
  std::string file;
  std::string parameters;
  std::string directory;
  int show = showmode::kNormal;
};

// Opening documents and starting programs through the shell.
class Shell {
 public:
  virtual ~Shell() = default;
  // The shell's own result: a value greater than 32 means it succeeded.
  virtual intptr_t Execute(const ShellRequest& request) = 0;
};

}  // namespace qb
