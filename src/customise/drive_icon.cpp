#include "customise/drive_icon.h"

#include "customise/ini_file_edit.h"

namespace qb::customise {

std::string AutorunFileFor(std::string_view drive) {
  return std::string(drive.substr(0, 2)) + "\\autorun.inf";
}

Status SetDriveIcon(FileSystem& files, std::string_view drive, std::string_view icon_path) {
  if (drive.size() < 2 || drive[1] != ':') return status::kBadPathname;
  return WriteIniKeys(files, AutorunFileFor(drive), {{"autorun", "icon", std::string(icon_path)}});
}

std::string DriveIconFailure(const Services& services, std::string_view drive, Status error) {
  const std::string file = AutorunFileFor(drive);
  std::string message = "The drive icon was not changed: " + file + " could not be written";
  if (error == status::kInvalidParameter) {
    return message + ". The icon path cannot be stored in that file as it is.";
  }
  message += " (" + services.environment.ErrorText(error) + ").";
  if (error == status::kAccessDenied) {
    message += " Writing to the root folder of this drive needs an administrator.";
  }
  return message;
}

}  // namespace qb::customise
