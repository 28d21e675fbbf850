#pragma once
// A folder's own icon and tip: "Desktop.ini" in the folder (hidden and system) names the
// icon in its ".ShellClassInfo" section, and the folder is marked read-only, which tells
// the shell to read that file. Keys this window does not own, and other sections, stay.
#include <string>
#include <string_view>

#include "platform/services.h"

namespace qb::customise {

inline constexpr std::string_view kShellClassInfo = ".ShellClassInfo";
inline constexpr std::string_view kCopiedIconName = "IconX.ico";

// The folder as the user gave it: double quotes and blanks around it dropped, no trailing
// backslash ("C:" for the root of C:).
std::string CleanFolderPath(std::string_view target_folder);

// Gives the folder the icon in pict_file. copy_icon: the icon is copied into the folder as
// "IconX.ico" (a picture that is not an icon file is converted into one); a file of that
// name that an earlier change did not write stays, and the icon takes the next free name
// ("IconX1.ico", ...). Otherwise "Desktop.ini" names pict_file with pict_index. An empty
// folder_comments leaves the folder's tip as it is. A folder that is not on a fixed drive
// is refused with error_msg and nothing is written; any other failure is told to the user,
// naming its cause, and leaves every file as it was. True when the folder has its new
// icon. icon_save_type is kept for callers of earlier versions and not used.
bool ChangeFolderIcon(const Services& services, WindowHandle owner, std::string_view target_folder,
                      std::string_view pict_file, std::string_view folder_comments, bool copy_icon,
                      std::string_view pict_index, int icon_save_type, std::string_view error_msg);

}  // namespace qb::customise
