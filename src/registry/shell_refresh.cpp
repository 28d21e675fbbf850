#include "registry/shell_refresh.h"

#include <string>

#include "registry/registry_direct.h"
#include "registry/registry_paths.h"

namespace qb::registry {

namespace {
constexpr std::string_view kWindowMetrics = "Control Panel\\desktop\\WindowMetrics";
constexpr std::string_view kShellIconSize = "Shell Icon Size";
}  // namespace

Status RefreshShellIcons(Registry& registry, SystemParameters& parameters) {
  const RegKeyPath key{RegRoot::CurrentUser, std::string(kWindowMetrics)};
  const bool key_existed = registry.OpenKey(key, regaccess::kQueryValue) == status::kOk;
  RegValue original;
  const bool value_existed =
      key_existed && registry.QueryValue(key, kShellIconSize, original) == status::kOk;

  // Where the value is absent (the usual case) the size in use is the system's own.
  long long size = parameters.IconSize();
  if (value_existed) {
    if (const auto stored = ValueNumber(original); stored && *stored > 0) size = *stored;
  }
  const Status written = WriteStringValue(registry, RegRoot::CurrentUser, kWindowMetrics,
                                          kShellIconSize, std::to_string(size + 1));
  if (written == status::kOk) {
    parameters.BroadcastSettingChange(spi::kSetNonClientMetrics, "WindowMetrics");
  }

  Status restored = status::kOk;
  if (value_existed) {
    restored = registry.SetValue(key, original);
  } else {
    const Status removed = registry.DeleteValue(key, kShellIconSize);
    restored = removed == status::kFileNotFound ? status::kOk : removed;
    if (!key_existed && restored == status::kOk) restored = registry.DeleteKey(key);
  }
  if (written == status::kOk) {
    parameters.BroadcastSettingChange(spi::kSetNonClientMetrics, "WindowMetrics");
  }
  return written != status::kOk ? written : restored;
}

Status SetWallpaper(SystemParameters& parameters, std::string_view image_path) {
  return parameters.SetWallpaper(image_path);
}

}  // namespace qb::registry
