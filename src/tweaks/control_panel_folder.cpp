#include "tweaks/control_panel_folder.h"

#include <vector>

namespace qb::tweaks {

std::string FindControlPanelFolder(FileSystem& files, std::string_view start_menu) {
  // Without a Start Menu folder the pattern would name the current drive's root instead.
  if (start_menu.empty()) return {};
  std::vector<FileEntry> entries;
  const std::string pattern = std::string(start_menu) + "\\*." + std::string(kControlPanelClassId);
  if (files.FindFiles(pattern, entries) != status::kOk || entries.empty()) return {};
  return entries.front().name;
}

std::optional<WriteFailure> UpdateControlPanelFolder(FileSystem& files,
                                                     std::string_view start_menu, bool wanted) {
  const std::string found = FindControlPanelFolder(files, start_menu);
  if (wanted && found.empty()) {
    if (start_menu.empty()) return WriteFailure{"the Start Menu folder", status::kPathNotFound};
    const std::string path = std::string(start_menu) + "\\" + std::string(kControlPanelFolderName);
    if (const Status created = files.CreateFolder(path); created != status::kOk) {
      return WriteFailure{path, created};
    }
  } else if (!wanted && !found.empty()) {
    const std::string path = std::string(start_menu) + "\\" + found;
    if (const Status removed = files.RemoveFolder(path); removed != status::kOk) {
      return WriteFailure{path, removed};
    }
  }
  return std::nullopt;
}

}  // namespace qb::tweaks
