#pragma once
// The expanding Control Panel of the Start menu: a folder in the Start Menu folder whose
// name ends in "." and the Control Panel's class identifier, which the shell shows as a
// menu of the Control Panel's items.
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "tweaks/tweak_binding.h"

namespace qb::tweaks {

inline constexpr std::string_view kControlPanelClassId = "{21EC2020-3AEA-1069-A2DD-08002B30309D}";
inline constexpr std::string_view kControlPanelFolderName =
    "Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}";

// The name of the first entry of the Start Menu folder that ends in "." and the class
// identifier, hidden ones included; empty when there is none or the folder is unknown.
std::string FindControlPanelFolder(FileSystem& files, std::string_view start_menu);

// Adds the folder when wanted and none is there; removes the first match when not wanted.
// Anything already as wanted is left alone.
std::optional<WriteFailure> UpdateControlPanelFolder(FileSystem& files,
                                                     std::string_view start_menu, bool wanted);

}  // namespace qb::tweaks
