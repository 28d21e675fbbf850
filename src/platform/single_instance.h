#pragma once
#include <string_view>

namespace qb {

// A system-wide name that marks a running instance of the program.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // Creates the named object (held for the life of this service) and tells whether another
  // process had already created it, i.e. whether a previous instance is running.
  virtual bool ClaimName(std::string_view name) = 0;
};

}  // namespace qb
