#pragma once
// Telling the shell that the desktop changed: a new wallpaper, or icons to be drawn again.
#include <string_view>

#include "platform/registry.h"
#include "platform/system_parameters.h"

namespace qb::registry {

// Makes the shell rebuild its icons (after a drive or folder icon changed) by changing the
// icon size for a moment. "Shell Icon Size" is left exactly as it was found: restored when
// it was there, removed again when it was not. kOk when it was put back.
Status RefreshShellIcons(Registry& registry, SystemParameters& parameters);

// Shows the picture as the desktop wallpaper and keeps it in the user profile.
Status SetWallpaper(SystemParameters& parameters, std::string_view image_path);

}  // namespace qb::registry
