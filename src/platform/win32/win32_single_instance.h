#pragma once
#include "platform/single_instance.h"
#include "platform/win32/scoped.h"

namespace qb::win32 {

// Holds the named mutex for the life of the object, which the entry point keeps for the
// life of the process.
class Win32SingleInstance : public SingleInstance {
 public:
  bool ClaimName(std::string_view name) override;

 private:
  ScopedHandle mutex_;
};

}  // namespace qb::win32
