#pragma once
// What a folder tree shows: the folders along a path, and the subfolders of a folder as the
// file system lists them.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qb::ui {

// "C:\Windows\System32" -> {"C:\", "Windows", "System32"}; nothing for a path that does not
// start at a drive.
std::vector<std::string> FolderPathParts(std::string_view path);
// A folder and a name in it: "C:\" + "Windows" -> "C:\Windows", "C:\Windows" + "Fonts" ->
// "C:\Windows\Fonts".
std::string JoinFolder(std::string_view folder, std::string_view name);
// The folders directly in folder, hidden and system ones included, in name order without
// regard to case; none when it cannot be listed.
std::vector<std::string> ListSubfolders(FileSystem& files, std::string_view folder);

}  // namespace qb::ui
