#pragma once
// A new desktop wallpaper from a picture file: the system's imaging library reads it, and
// it is written as the bitmap the desktop shows.
#include <string_view>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kWallpaperFileName = "wallpaper.bmp";
inline constexpr std::string_view kWallpaperFilter =
    "All Image Files|*.jpg;*.jpeg;*.gif;*.png;*.bmp";

// Asks for a picture, converts it to "wallpaper.bmp" in the Windows folder, or in the
// user's local application-data folder when the Windows folder may not be written, and
// shows that bitmap in `Image1`, from where Apply sets it. A cancelled choice changes
// nothing; a file that is no readable picture gets a message and changes nothing.
void ChooseWallpaper(ui::Form& form, const Services& services, const PageHooks& hooks);

}  // namespace qb::tweaks
