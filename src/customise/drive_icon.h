#pragma once
// A drive's own icon: the "icon" key of the "[autorun]" section of "autorun.inf" in the
// drive's root folder. Everything else the file holds stays.
#include <string>
#include <string_view>

#include "platform/services.h"

namespace qb::customise {

// "c:" (or "c:\...") -> "c:\autorun.inf".
std::string AutorunFileFor(std::string_view drive);

// Whether the icon names a file that is there: a path, with ",N" after it for one of the
// icons of a file of many. A path that names none gives the drive a blank icon.
bool NamesAFile(FileSystem& files, std::string_view icon_path);

// Sets the drive's icon to icon_path, written as given (a path with spaces unquoted).
Status SetDriveIcon(FileSystem& files, std::string_view drive, std::string_view icon_path);

// What to tell the user when SetDriveIcon did not succeed.
std::string DriveIconFailure(const Services& services, std::string_view drive, Status error);

}  // namespace qb::customise
