#pragma once
// The per-user store of application settings (application, section, key; values as text).
// It lives in the registry under HKEY_CURRENT_USER, where earlier installs of the program
// left their settings, so it is built on the registry service rather than being a service
// of its own.
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace qb {

inline constexpr std::string_view kAppSettingsKey = "Software\\VB and VBA Program Settings";

class AppSettings {
 public:
  explicit AppSettings(Registry& registry) : registry_(registry) {}

  // The stored text, or fallback when the application, section or key is missing.
  std::string Get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view fallback = {}) const;
  Status Save(std::string_view app, std::string_view section, std::string_view key,
              std::string_view value);

 private:
  static RegKeyPath SectionKey(std::string_view app, std::string_view section);
  Registry& registry_;
};

}  // namespace qb
