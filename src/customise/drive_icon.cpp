#include "customise/drive_icon.h"

#include "customise/ini_file_edit.h"
#include "customise/write_failure.h"
#include "language/wording.h"

namespace qb::customise {

std::string AutorunFileFor(std::string_view drive) {
  return std::string(drive.substr(0, 2)) + "\\autorun.inf";
}

bool NamesAFile(FileSystem& files, std::string_view icon_path) {
  std::string_view file = icon_path;
  if (const auto comma = icon_path.find_last_of(','); comma != std::string_view::npos) {
    const std::string_view index = icon_path.substr(comma + 1);
    const bool number = !index.empty() && index.find_first_not_of("-0123456789") == std::string_view::npos;
    if (number) file = icon_path.substr(0, comma);
  }
  uint32_t attributes = 0;
  return files.GetAttributes(file, attributes) == status::kOk && !(attributes & fileattr::kDirectory);
}

Status SetDriveIcon(FileSystem& files, std::string_view drive, std::string_view icon_path) {
  if (drive.size() < 2 || drive[1] != ':') return status::kBadPathname;
  return WriteIniKeys(files, AutorunFileFor(drive), {{"autorun", "icon", std::string(icon_path)}});
}

std::string DriveIconFailure(const Services& services, std::string_view drive, Status error) {
  return language::Say(services, language::phrase::kDriveIconNotChanged,
                       {WhyNotWritten(services, AutorunFileFor(drive), error)});
}

}  // namespace qb::customise
