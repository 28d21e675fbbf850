#include "customise/font_install.h"

#include "language/wording.h"
#include "platform/replace_file.h"
#include "platform/font_file.h"
#include "platform/text.h"

namespace qb::customise {

namespace {

constexpr std::string_view kFontListKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

std::string FileNameOf(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

RegKeyPath FontListKey(FontScope scope) {
  return {scope == FontScope::AllUsers ? RegRoot::LocalMachine : RegRoot::CurrentUser,
          std::string(kFontListKey)};
}

// The machine's list names files of the Windows font folder alone; the per-user list
// names each file in full.
std::string ListedFile(FontScope scope, const std::string& target) {
  return scope == FontScope::AllUsers ? FileNameOf(target) : target;
}

// Creates the folder and the folders above it that are missing.
Status EnsureFolder(FileSystem& files, const std::string& folder) {
  uint32_t attributes = 0;
  if (files.GetAttributes(folder, attributes) == status::kOk) return status::kOk;
  const auto slash = folder.find_last_of('\\');
  if (slash != std::string::npos && slash > 2) {
    if (const Status parent = EnsureFolder(files, folder.substr(0, slash)); parent != status::kOk) {
      return parent;
    }
  }
  return files.CreateFolder(folder);
}

bool SameFile(std::string_view a, std::string_view b) {
  return text::EqualsNoCase(FileNameOf(a), FileNameOf(b));
}

// One attempt in one scope. kAccessDenied in the result means the account may not
// install there, and nothing of the attempt remains.
FontInstall InstallIn(const Services& services, FontScope scope, const std::string& source,
                      const std::vector<uint8_t>& bytes, const FontNames& names) {
  FontInstall result{.outcome = FontInstall::Outcome::Failed, .scope = scope,
                     .font_name = names.full_name};
  const std::string folder = FontFolder(services, scope);
  result.target = folder + "\\" + FileNameOf(source);

  // A font of that name in the list already stays as it is, whichever file holds it.
  RegValue listed;
  const bool in_list = services.registry.QueryValue(FontListKey(scope), FontListName(names), listed) == status::kOk;
  if (in_list && !SameFile(listed.AsString(), result.target)) {
    result.outcome = FontInstall::Outcome::AlreadyInstalled;
    return result;
  }

  bool copied = false;
  std::vector<uint8_t> present;
  if (services.files.ReadFile(result.target, present) == status::kOk) {
    // The same bytes already listed: installed, with nothing to write (which an account
    // that may not write there would be refused).
    if (present != bytes || in_list) {
      result.outcome = in_list ? FontInstall::Outcome::AlreadyInstalled : FontInstall::Outcome::NameTaken;
      return result;
    }
  } else {
    result.error = EnsureFolder(services.files, folder);
    if (result.error == status::kOk) result.error = CreateNewFile(services.files, result.target, bytes);
    if (result.error != status::kOk) return result;
    copied = true;
  }

  // Only a file the system takes as a font is entered in the list; the refusal is the
  // system's own, which reads far more of the file than its names.
  if (!services.fonts.LoadFontFile(result.target)) {
    if (copied) services.files.DeleteFile(result.target);
    result.outcome = FontInstall::Outcome::NotAFont;
    return result;
  }
  // The list entry is what brings the font back after Windows starts again.
  const RegKeyPath key = FontListKey(scope);
  result.error = services.registry.CreateKey(key);
  if (result.error == status::kOk) {
    result.error = services.registry.SetValue(
        key, RegValue::String(FontListName(names), ListedFile(scope, result.target)));
  }
  if (result.error != status::kOk) {
    services.fonts.UnloadFontFile(result.target);
    if (copied) services.files.DeleteFile(result.target);
    return result;
  }
  services.fonts.BroadcastFontChange();
  result.outcome = copied ? FontInstall::Outcome::Installed : FontInstall::Outcome::AlreadyInstalled;
  return result;
}

// Windows reads the fonts of one user at sign-in from Windows 10 version 1809 (build 17763)
// on; an earlier one would load such a font for this session only.
bool ReadsFontsOfOneUser(const Services& services) {
  OsVersion version;
  return services.system.TrueVersion(version) && version.platform == platform_id::kWindowsNt &&
         (version.major > 10 || (version.major == 10 && version.build >= 17763));
}

}  // namespace

std::string FontFolder(const Services& services, FontScope scope) {
  if (scope == FontScope::AllUsers) return services.environment.WindowsFolder() + "\\Fonts";
  return services.environment.LocalAppDataFolder() + "\\Microsoft\\Windows\\Fonts";
}

FontInstall InstallFont(const Services& services, std::string_view source, FontScope preferred) {
  FontInstall result{.scope = preferred};
  if (source.empty()) return result;
  std::vector<uint8_t> bytes;
  result.error = services.files.ReadFile(source, bytes);
  if (result.error != status::kOk) {
    result.outcome = FontInstall::Outcome::Failed;
    return result;
  }
  const auto names = ReadFontNames(bytes);
  if (!names) {
    result.outcome = FontInstall::Outcome::NotAFont;
    return result;
  }
  const std::string path(source);
  result = InstallIn(services, preferred, path, bytes, *names);
  if (preferred == FontScope::AllUsers && result.outcome == FontInstall::Outcome::Failed &&
      result.error == status::kAccessDenied && ReadsFontsOfOneUser(services)) {
    result = InstallIn(services, FontScope::CurrentUser, path, bytes, *names);
  }
  return result;
}

std::string DescribeInstall(const Services& services, const FontInstall& install,
                            std::string_view source, FontScope preferred) {
  const std::string font = "\"" + install.font_name + "\"";
  switch (install.outcome) {
    case FontInstall::Outcome::Cancelled:
      return {};
    case FontInstall::Outcome::Installed:
      if (install.scope == FontScope::CurrentUser && preferred == FontScope::AllUsers) {
        return language::Say(services, language::phrase::kFontInstalledForYou, {font});
      }
      return language::Say(services, language::phrase::kFontInstalled, {font});
    case FontInstall::Outcome::AlreadyInstalled:
      return language::Say(services, language::phrase::kFontAlreadyInstalled, {font});
    case FontInstall::Outcome::NotAFont:
      return language::Say(services, language::phrase::kNotAFont, {source});
    case FontInstall::Outcome::NameTaken:
      return language::Say(services, language::phrase::kFontNameTaken,
                           {FileNameOf(source), FontFolder(services, install.scope)});
    case FontInstall::Outcome::Failed: {
      std::string text = language::CouldNot(services, language::phrase::kFontNotInstalled, install.error);
      if (status::Refused(install.error)) text += "\n\n" + language::Say(services, language::phrase::kNeedsAdministrator);
      return text;
    }
  }
  return {};
}

}  // namespace qb::customise
