#pragma once
// A new desktop wallpaper from a picture file: the system's imaging library reads it, and
// it becomes the bitmap the desktop shows. A choice stays a bitmap of its own beside the
// applied "wallpaper.bmp" until Apply, so the desktop never shows a choice that was not
// applied, at the next refresh or logon either.
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/unsaved_changes.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kWallpaperFileName = "wallpaper.bmp";
inline constexpr std::string_view kChosenWallpaperFileName = "wallpaper.chosen.bmp";
// Where a chosen bitmap waits until Apply: the program's scratch, no change to the machine.
std::vector<std::string> ChosenWallpaperFiles(const Services& services);
// The patterns of the pictures offered; their description is a phrase.
inline constexpr std::string_view kWallpaperPatterns = "*.jpg;*.jpeg;*.gif;*.png;*.bmp";

// Asks for a picture, converts it to the chosen bitmap in the Windows folder, or in the
// user's local application-data folder when the Windows folder may not be written, and
// shows it in `Image1`. An earlier choice not applied is discarded. A cancelled choice
// changes nothing; a file that is no readable picture gets a message and changes nothing.
void ChooseWallpaper(ui::Form& form, const Services& services, const PageHooks& hooks);

// Sets the wallpaper `Image1` shows. A choice not yet applied first replaces
// "wallpaper.bmp" beside it, whole, and `Image1` then shows that file.
void ApplyWallpaper(ui::Form& form, const Services& services, UnsavedChanges& unsaved);

// Removes the bitmap of the choice `Image1` shows when it was not applied (the window
// closes) and empties the preview; any other picture stays.
void DiscardWallpaperChoice(ui::Form& form, FileSystem& files);
// Removes every choice not applied, one an earlier run left behind included (the page is
// read), in both folders.
void DiscardWallpaperChoices(const Services& services);

}  // namespace qb::tweaks
