#include "customise/folder_icon.h"

#include <vector>

#include "customise/icon_conversion.h"
#include "customise/ini_file_edit.h"
#include "customise/replace_file.h"
#include "platform/text.h"

namespace qb::customise {

namespace {

constexpr std::string_view kDesktopIni = "\\Desktop.ini";

bool EndsWithIco(std::string_view path) {
  return path.size() >= 4 && text::ToLowerAscii(path.substr(path.size() - 4)) == ".ico";
}

// "C:" alone names the current folder of drive C:, not its root.
std::string AsFolder(const std::string& folder) { return folder.size() == 2 ? folder + "\\" : folder; }

bool OnFixedDrive(FileSystem& files, const std::string& folder) {
  if (folder.size() < 2 || folder[1] != ':') return false;
  return files.GetDriveType(folder.substr(0, 2) + "\\") == DriveType::Fixed;
}

class FolderChange {
 public:
  FolderChange(const Services& services, WindowHandle owner, std::string folder)
      : services_(services), owner_(owner), folder_(std::move(folder)) {}

  bool Fail(const std::string& what, Status error) {
    std::string message = "The folder icon was not changed: " + what;
    if (error != status::kOk) message += " (" + services_.environment.ErrorText(error) + ")";
    message += ".";
    if (error == status::kAccessDenied) message += " Changing this folder needs an administrator.";
    services_.dialogs.ShowMessage(owner_, message, kIconComponentTitle, mb::kIconStop);
    return false;
  }

  // The icon the folder is to show, copied (or converted) into it as "IconX.ico".
  bool CopyIcon(std::string_view pict_file) {
    std::vector<uint8_t> icon;
    if (EndsWithIco(pict_file)) {
      const Status read = services_.files.ReadFile(pict_file, icon);
      if (read != status::kOk) return Fail("\"" + std::string(pict_file) + "\" could not be read", read);
    } else {
      auto converted = PictureToIcon(services_, pict_file);
      if (!converted) {
        return Fail("\"" + std::string(pict_file) + "\" is not a picture that can be made into an icon",
                    status::kOk);
      }
      icon = std::move(*converted);
    }
    const std::string target = folder_ + "\\" + std::string(kCopiedIconName);
    const Status written = ReplaceFile(services_.files, target, icon, fileattr::kHidden);
    if (written != status::kOk) return Fail(target + " could not be written", written);
    return true;
  }

  bool WriteDesktopIni(const std::vector<IniSetting>& settings) {
    const std::string ini = folder_ + std::string(kDesktopIni);
    const Status written = WriteIniKeys(services_.files, ini, settings,
                                        fileattr::kHidden | fileattr::kSystem);
    if (written != status::kOk) return Fail(ini + " could not be written", written);
    return true;
  }

  // Read-only is what makes the shell look for "Desktop.ini"; the folder keeps its other
  // attributes.
  bool MarkFolder() {
    uint32_t attributes = 0;
    Status result = services_.files.GetAttributes(AsFolder(folder_), attributes);
    if (result == status::kOk && !(attributes & fileattr::kReadOnly)) {
      result = services_.files.SetAttributes(AsFolder(folder_), (attributes & ~fileattr::kDirectory) |
                                                          fileattr::kReadOnly);
    }
    if (result != status::kOk) return Fail(folder_ + " could not be marked read-only", result);
    return true;
  }

 private:
  const Services& services_;
  WindowHandle owner_;
  std::string folder_;
};

}  // namespace

std::string CleanFolderPath(std::string_view target_folder) {
  std::string folder;
  for (char c : target_folder) {
    if (c != '"') folder += c;
  }
  folder = text::TrimBlanks(folder);
  while (folder.size() > 2 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  if (folder.size() == 3 && folder[1] == ':') folder.pop_back();
  return folder;
}

bool ChangeFolderIcon(const Services& services, WindowHandle owner, std::string_view target_folder,
                      std::string_view pict_file, std::string_view folder_comments, bool copy_icon,
                      std::string_view pict_index, int /*icon_save_type*/,
                      std::string_view error_msg) {
  const std::string folder = CleanFolderPath(target_folder);
  if (!OnFixedDrive(services.files, folder)) {
    services.dialogs.ShowMessage(owner, error_msg, kIconComponentTitle, mb::kIconStop);
    return false;
  }
  FolderChange change(services, owner, folder);
  uint32_t attributes = 0;
  const Status found = services.files.GetAttributes(AsFolder(folder), attributes);
  if (found != status::kOk || !(attributes & fileattr::kDirectory)) {
    return change.Fail(folder + " is not a folder", found);
  }

  const std::string section(kShellClassInfo);
  std::vector<IniSetting> settings;
  const bool names_icon = pict_file.size() > 1;
  if (names_icon) {
    const std::string icon_file = copy_icon ? std::string(kCopiedIconName) : std::string(pict_file);
    const std::string index = copy_icon ? "0" : std::string(pict_index.empty() ? "0" : pict_index);
    if (copy_icon && !change.CopyIcon(pict_file)) return false;
    settings.push_back({section, "IconFile", icon_file});
    settings.push_back({section, "IconIndex", index});
    // Later versions of the shell read this key first; one left from an earlier icon
    // would hide the new one.
    settings.push_back({section, "IconResource", icon_file + "," + index});
  }
  if (!folder_comments.empty()) settings.push_back({section, "InfoTip", std::string(folder_comments)});
  if (settings.empty()) return true;
  return change.WriteDesktopIni(settings) && change.MarkFolder();
}

}  // namespace qb::customise
