#include "customise/folder_icon.h"

#include <optional>
#include <vector>

#include "customise/icon_conversion.h"
#include "customise/ini_file_edit.h"
#include "platform/replace_file.h"
#include "customise/write_failure.h"
#include "language/wording.h"
#include "platform/text.h"

namespace qb::customise {

namespace {

constexpr std::string_view kDesktopIni = "\\Desktop.ini";
// Names tried after "IconX.ico" when a file of another origin holds it: "IconX1.ico" ...
constexpr int kIconNames = 100;

bool EndsWithIco(std::string_view path) {
  return path.size() >= 4 && text::ToLowerAscii(path.substr(path.size() - 4)) == ".ico";
}

// The header every icon file starts with: reserved 0, type 1, at least one image.
bool IsIconFile(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0 &&
         (bytes[4] | bytes[5]) != 0;
}

std::string IconName(int number) {
  return number == 0 ? std::string(kCopiedIconName) : "IconX" + std::to_string(number) + ".ico";
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

  bool Fail(const std::string& why) {
    services_.dialogs.ShowMessage(owner_, language::Say(services_, language::phrase::kFolderIconNotChanged, {why}),
                                  language::Say(services_, language::phrase::kIconComponentTitle),
                                  mb::kIconStop);
    return false;
  }
  bool FailWriting(const std::string& path, Status error) {
    return Fail(WhyNotWritten(services_, path, error));
  }

  // The icon file the folder is to show: the icon file itself, or a picture converted.
  std::optional<std::vector<uint8_t>> IconBytes(std::string_view pict_file) {
    std::vector<uint8_t> icon;
    const Status made = EndsWithIco(pict_file) ? services_.files.ReadFile(pict_file, icon)
                                               : PictureToIcon(services_, pict_file, icon);
    if (made != status::kOk) {
      Fail(WhyNotAPicture(services_, pict_file, made));
      return std::nullopt;
    }
    if (!IsIconFile(icon)) {
      Fail(language::Say(services_, language::phrase::kNotAnIconFile, {pict_file}));
      return std::nullopt;
    }
    return icon;
  }

  // The name the icon is copied under: the icon an earlier change put here (the one
  // "Desktop.ini" names, and an icon file), else the first name no file holds. A file of
  // another origin is never replaced.
  std::optional<std::string> ChooseIconName() {
    std::vector<uint8_t> bytes;
    services_.files.ReadFile(folder_ + std::string(kDesktopIni), bytes);
    const auto named = ReadIniValue(bytes, kShellClassInfo, "IconFile");
    std::optional<std::string> free;
    for (int number = 0; number < kIconNames; ++number) {
      const std::string name = IconName(number);
      std::vector<uint8_t> present;
      const Status read = services_.files.ReadFile(folder_ + "\\" + name, present);
      if (read == status::kOk && named && text::EqualsNoCase(*named, name) && IsIconFile(present)) {
        return name;
      }
      uint32_t attributes = 0;
      if (!free && services_.files.GetAttributes(folder_ + "\\" + name, attributes) != status::kOk) {
        free = name;
      }
    }
    if (!free) Fail(language::Say(services_, language::phrase::kIconNamesTaken, {IconName(kIconNames - 1)}));
    return free;
  }

  // Both files are written beside their places first; only when both are there does the
  // icon take its place, and then "Desktop.ini".
  bool WriteFiles(const std::vector<IniSetting>& settings, const std::string& icon_name,
                  const std::optional<std::vector<uint8_t>>& icon_bytes) {
    const std::string icon_path = folder_ + "\\" + icon_name;
    std::optional<Replacement> icon;
    if (icon_bytes) {
      icon.emplace(services_.files, icon_path);
      if (const Status written = icon->Write(*icon_bytes); written != status::kOk) {
        return FailWriting(icon_path, written);
      }
    }
    const std::string ini = folder_ + std::string(kDesktopIni);
    std::vector<uint8_t> edited;
    Status result = EditIniFile(services_.files, ini, settings, edited);
    Replacement desktop(services_.files, ini);
    if (result == status::kOk) result = desktop.Write(edited);
    if (result != status::kOk) return FailWriting(ini, result);
    // The icon an earlier change left under this name, put back should "Desktop.ini" not
    // take its place after the icon has taken its own.
    uint32_t earlier_attributes = 0;
    std::vector<uint8_t> earlier;
    const bool had_earlier = icon && services_.files.GetAttributes(icon_path, earlier_attributes) == status::kOk &&
                             services_.files.ReadFile(icon_path, earlier) == status::kOk;
    if (icon) {
      if (const Status moved = icon->Commit(fileattr::kHidden); moved != status::kOk) {
        return FailWriting(icon_path, moved);
      }
    }
    result = desktop.Commit(fileattr::kHidden | fileattr::kSystem);
    if (result == status::kOk) return true;
    if (had_earlier) {
      ReplaceWholeFile(services_.files, icon_path, earlier, earlier_attributes);
    } else if (icon) {
      services_.files.DeleteFile(icon_path);
    }
    return FailWriting(ini, result);
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
    if (result != status::kOk) {
      std::string why = language::CouldNot(services_, language::phrase::kFolderNotReadOnly, result, {folder_});
      if (result == status::kAccessDenied) {
        why += " " + language::Say(services_, language::phrase::kFolderNeedsAdministrator);
      }
      return Fail(why);
    }
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
    services.dialogs.ShowMessage(owner, error_msg,
                                 language::Say(services, language::phrase::kIconComponentTitle),
                                 mb::kIconStop);
    return false;
  }
  FolderChange change(services, owner, folder);
  uint32_t attributes = 0;
  const Status found = services.files.GetAttributes(AsFolder(folder), attributes);
  if (found != status::kOk || !(attributes & fileattr::kDirectory)) {
    return change.Fail(language::Say(services, language::phrase::kNotAFolder, {folder}));
  }

  const std::string section(kShellClassInfo);
  std::vector<IniSetting> settings;
  std::string icon_file(pict_file);
  std::optional<std::vector<uint8_t>> icon_bytes;
  if (pict_file.size() > 1) {
    if (copy_icon) {
      icon_bytes = change.IconBytes(pict_file);
      if (!icon_bytes) return false;
      const auto name = change.ChooseIconName();
      if (!name) return false;
      icon_file = *name;
    }
    const std::string index = copy_icon ? "0" : std::string(pict_index.empty() ? "0" : pict_index);
    settings.push_back({section, "IconFile", icon_file});
    settings.push_back({section, "IconIndex", index});
    // Later versions of the shell read this key first; one left from an earlier icon
    // would hide the new one.
    settings.push_back({section, "IconResource", icon_file + "," + index});
  }
  if (!folder_comments.empty()) settings.push_back({section, "InfoTip", std::string(folder_comments)});
  if (settings.empty()) return true;
  return change.WriteFiles(settings, icon_file, icon_bytes) && change.MarkFolder();
}

}  // namespace qb::customise
