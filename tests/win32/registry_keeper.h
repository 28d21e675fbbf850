#pragma once
// For Wine tests that change real registry values: what `reg query` prints for a value, and
// values put back as they were found when the test ends.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "platform/win32/wide.h"
#include "registry/registry_paths.h"

namespace qb::test_support {

inline std::string RegQuery(const std::string& key, const std::string& value) {
  const std::wstring command =
      L"reg query \"" + win32::Wide(key) + L"\" /v \"" + win32::Wide(value) + L"\" 2>&1";
  std::string output;
  if (FILE* pipe = _wpopen(command.c_str(), L"rt")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    _pclose(pipe);
  }
  return output;
}

class RegistryKeeper {
 public:
  explicit RegistryKeeper(Registry& registry) : registry_(registry) {}
  RegistryKeeper(const RegistryKeeper&) = delete;
  RegistryKeeper& operator=(const RegistryKeeper&) = delete;
  // Puts every kept value back, the last kept first; a value that was missing is deleted.
  ~RegistryKeeper() {
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
      const auto where = registry::ParseValuePath(it->path);
      if (it->present) {
        registry_.SetValue(where->key, it->value);
      } else {
        registry_.DeleteValue(where->key, where->value_name);
      }
    }
  }
  void Keep(std::string_view path) {
    Kept kept{std::string(path), {}, false};
    kept.present = registry::RegRead(registry_, path, kept.value) == status::kOk;
    kept_.push_back(std::move(kept));
  }

 private:
  struct Kept {
    std::string path;
    RegValue value;
    bool present;
  };
  Registry& registry_;
  std::vector<Kept> kept_;
};

}  // namespace qb::test_support
