#include "ui/folder_tree.h"

#include <algorithm>

#include "platform/text.h"

namespace qb::ui {

std::vector<std::string> FolderPathParts(std::string_view path) {
  std::vector<std::string> parts;
  if (path.size() < 2 || path[1] != ':') return parts;
  parts.push_back(std::string(path.substr(0, 2)) + "\\");
  size_t start = 2;
  while (start < path.size()) {
    const size_t end = std::min(path.find_first_of("\\/", start), path.size());
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string JoinFolder(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!joined.empty() && joined.back() != '\\') joined += '\\';
  return joined.append(name);
}

std::vector<std::string> ListSubfolders(FileSystem& files, std::string_view folder) {
  std::vector<FileEntry> entries;
  std::vector<std::string> names;
  if (files.FindFiles(JoinFolder(folder, "*"), entries) != status::kOk) return names;
  for (auto& entry : entries) {
    if (entry.attributes & fileattr::kDirectory) names.push_back(std::move(entry.name));
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return text::CompareNoCase(a, b) < 0; });
  return names;
}

}  // namespace qb::ui
