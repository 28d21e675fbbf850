#include "customise/drive_icon.h"

#include "customise/ini_file_edit.h"
#include "customise/write_failure.h"
#include "language/wording.h"

namespace qb::customise {

std::string AutorunFileFor(std::string_view drive) {
  return std::string(drive.substr(0, 2)) + "\\autorun.inf";
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
