#pragma once
#include <cstdint>
#include <string>

#include "platform/status.h"

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

// A failed Execute's result as the system's error. Most of the shell's codes up to 32 share
// their numbers with the system's; 0 and those from 26 on do not (sharing, association,
// DDE, a missing library), and "out of memory" or "the printer is out of paper" would be
// told for them.
constexpr Status ShellFailure(intptr_t result) {
  switch (result) {
    case 0: return 8;                        // out of memory or resources
    case 26: return 32;                      // a sharing violation
    case 27: case 31: return 1155;           // no program is associated with the file
    case 28: case 29: case 30: return 1156;  // the DDE conversation failed
    case 32: return 1157;                    // a library the program needs is missing
    default: return static_cast<Status>(result);
  }
}

}  // namespace qb
